#pragma once

#include "geometry/Cell.h"

#include <QPointF>
#include <array>
#include <optional>

// The grid's pixels: which of a cell picture's pixels are inside the hexagon, and which cell or
// palette slot a point hits.
namespace quobix::geometry {

// Mouse areas of the client area: the grid band 0 < y < GridBottom, the palette
// 0 <= x <= PaletteRight and PaletteTop <= y <= PaletteBottom.
constexpr int GridBottom = 527;
constexpr int PaletteTop = 530;
constexpr int PaletteRight = 192;
constexpr int PaletteBottom = 557;
// The picture of the empty grid stands at (GridPictureLeft, 0).
constexpr int GridPictureLeft = 4;

// Inclusive columns of the inside of the hexagon on each line of a cell picture; lines 0 and 27
// are outline only (first > last). The outline is two pixels wide along the slanted sides and
// one pixel at the upright sides.
struct Span {
    int first, last;
};
constexpr std::array<Span, CellPictureHeight> InsideSpans { { { 13, 11 }, { 11, 13 }, { 10, 14 },
    { 8, 16 }, { 7, 17 }, { 5, 19 }, { 4, 20 }, { 2, 22 }, { 1, 23 }, { 1, 23 }, { 1, 23 },
    { 1, 23 }, { 1, 23 }, { 1, 23 }, { 1, 23 }, { 1, 23 }, { 1, 23 }, { 1, 23 }, { 1, 23 },
    { 1, 23 }, { 2, 22 }, { 4, 20 }, { 5, 19 }, { 7, 17 }, { 8, 16 }, { 10, 14 }, { 11, 13 },
    { 13, 11 } } };

enum class CellPart { Outside, Outline, Inside };

// Where pixel (x, y) of a cell picture lies; anything off the picture is Outside.
CellPart PartOfCell(int x, int y);

// A cell hit by a point, with the point relative to the picture's corner it was measured in.
struct CellHit {
    Cell cell;
    QPoint offset;
};

// The cell under a point of the grid band (0 < y < GridBottom); nothing on an outline or off the
// grid.
std::optional<CellHit> CellAt(QPointF point);

// The palette's seven slots stand 28 pixels apart from x = 0 at y = PaletteTop. The slot under
// a point (its outline included), or -1 between the slots.
int PaletteSlotAt(QPointF point);
constexpr int PaletteSlotStep = 28;

} // namespace quobix::geometry
