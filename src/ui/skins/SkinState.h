#pragma once

#include <QImage>

namespace quobix {

class SkinWindow;
class SkinKRV;
class SkinTLM;
class SkinBNZ;

// The skin in use.
inline SkinWindow* CurrentSkin = nullptr;
// The seven symbols' pictures by code, then the picture of the empty grid.
constexpr int EmptyGridPicture = 7;
// The name of picture index in a skin: the symbol's picture name, or "Grid".
const char* PictureName(int index);
inline const QImage* SkinPictures[EmptyGridPicture + 1] = {};
// The picture that ShowSymbol paints next.
inline const QImage* SymbolPicture = nullptr;

// One instance per skin, made the first time the skin is chosen and kept for the program's life.
SkinKRV* SkinKRVInstance(bool create);
SkinTLM* SkinTLMInstance(bool create);
SkinBNZ* SkinBNZInstance(bool create);

} // namespace quobix
