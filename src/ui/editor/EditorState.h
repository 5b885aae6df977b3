#pragma once

#include "geometry/GridGeometry.h"

#include <QtGlobal>

// State of the main window's mouse editing; the hit test's own state is the geometry's.
namespace quobix {

inline qint16 ReplacedSymbol = 0;
inline bool Dragging = false;
inline qint16 DragRow = 0;
inline qint16 DragCell = 0;

} // namespace quobix
