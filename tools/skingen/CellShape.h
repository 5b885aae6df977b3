#pragma once

#include "geometry/GridGeometry.h"

#include <QPoint>
#include <QPolygonF>

namespace skingen {

using quobix::geometry::CellPart;
constexpr int CellWidth = quobix::geometry::CellPictureWidth;
constexpr int CellHeight = quobix::geometry::CellPictureHeight;
constexpr int GridWidth = 790;
constexpr int GridHeight = 528;
constexpr int GridRows = 26;
constexpr int GridColumns = 32;

// Where pixel (x, y) of a cell picture lies; anything off the picture is Outside.
inline CellPart PartAt(int x, int y) { return quobix::geometry::PartOfCell(x, y); }

// Top-left corner of the cell in grid row 1..26 and column 1..32 of the Grid picture.
QPoint CellOrigin(int row, int column);

// The hexagon through the middle of the outline, in picture coordinates (a pixel's centre is at
// +0.5), with every side moved inwards by inset. Vertices run clockwise from the top.
QPolygonF Hexagon(double inset);

} // namespace skingen
