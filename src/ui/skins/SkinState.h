#pragma once

#include <QImage>

namespace quobix {

class SkinWindow;
class SkinKRV;
class SkinTLM;
class SkinBNZ;

// The skin in use and its pictures: 0..6 by symbol code, 7 the empty grid.
inline SkinWindow* CurrentSkin = nullptr;
inline const QImage* SkinPictures[8] = {};
// The picture that ShowSymbol paints next.
inline const QImage* SymbolPicture = nullptr;

// One instance per skin, made the first time the skin is chosen and kept for the program's life.
SkinKRV* SkinKRVInstance(bool create);
SkinTLM* SkinTLMInstance(bool create);
SkinBNZ* SkinBNZInstance(bool create);

} // namespace quobix
