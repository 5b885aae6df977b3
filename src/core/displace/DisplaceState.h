#pragma once

// The displace dialog's buttons and lists by index, shared by the main window's Displace
// command, the displace dialog and modDisplace: each direction has a list of amounts, Rotate a
// list of angles.
namespace quobix {

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

// Where the displace dialog first opens, in twips.
constexpr int DisplaceStartTop = 600;
constexpr int DisplaceStartLeft = 495;

} // namespace quobix
