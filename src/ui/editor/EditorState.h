#pragma once

#include <QtGlobal>

// State of the main window's mouse editing and hit tests.
namespace quobix {

// Mouse areas of the client area: the grid band 0 < y < GridBottom, the palette
// 0 <= x <= PaletteRight and 530 <= y <= PaletteBottom.
inline qint16 GridBottom = 0;
inline qint16 PaletteRight = 0;
inline qint16 PaletteBottom = 0;
constexpr int PaletteTop = 530;

inline qint16 CurrentRow = 0;
inline qint16 CurrentCell = 0;
inline qint16 HitOffsetX = 0;
inline qint16 HitOffsetY = 0;
inline bool ValidLocation = false;

inline qint16 ReplacedSymbol = 0;
inline bool Dragging = false;
inline qint16 DragRow = 0;
inline qint16 DragCell = 0;

} // namespace quobix
