#pragma once

#include <QPoint>
#include <QPolygonF>

namespace skingen {

constexpr int CellWidth = 25;
constexpr int CellHeight = 28;
constexpr int GridWidth = 790;
constexpr int GridHeight = 528;
constexpr int GridRows = 26;
constexpr int GridColumns = 32;

enum class CellPart { Outside, Outline, Interior };

// Where pixel (x, y) of a cell picture lies; anything off the picture is Outside.
CellPart PartAt(int x, int y);

// Top-left corner of the cell in grid row 1..26 and column 1..32 of the Grid picture.
QPoint CellOrigin(int row, int column);

// The hexagon through the middle of the outline, in picture coordinates (a pixel's centre is at
// +0.5), with every side moved inwards by inset. Vertices run clockwise from the top.
QPolygonF Hexagon(double inset);

} // namespace skingen
