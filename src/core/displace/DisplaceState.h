#pragma once

#include <QtGlobal>

// State of the displacements, shared by the main window's Displace command, the displace
// dialog and modDisplace.
namespace quobix {

// The displace dialog's buttons and lists by index: each direction has a list of amounts,
// Rotate a list of angles.
namespace DisplaceCommand {
    constexpr int Centre = 0;
    constexpr int North = 1;
    constexpr int NorthEast = 2;
    constexpr int East = 3;
    constexpr int SouthEast = 4;
    constexpr int South = 5;
    constexpr int SouthWest = 6;
    constexpr int West = 7;
    constexpr int NorthWest = 8;
    constexpr int Rotate = 9;
    constexpr int MirrorTopToBottom = 10;
    constexpr int MirrorLeftToRight = 11;
    constexpr int Count = 12;
}

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
