#pragma once

#include <QtGlobal>

// State of the displacements, shared by the main window's Displace command, the displace
// dialog and modDisplace.
namespace quobix {

inline qint16 DisplaceAmount = 0;
inline qint16 TopOffset = 0;
inline qint16 LeftOffset = 0;

inline bool DisplaceAgain = false;
inline bool DisplacePossible = false;
// Where the displace dialog opens, in twips.
inline int DisplaceTop = 0;
inline int DisplaceLeft = 0;
constexpr int DisplaceStartTop = 600;
constexpr int DisplaceStartLeft = 495;

void InitDisplaceState();

} // namespace quobix
