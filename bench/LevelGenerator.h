#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

// Generated levels for the solver benchmark: the same seed always draws the same level.
namespace quobix::bench {

// A closed room of freeCells cells, targets on random cells, and objects pulled away from them
// by a man walking at random: the pulls played backwards are pushes, so every level made this
// way can be solved. An open room is grown freely; otherwise it is made of passages.
QStringList GenerateLevel(
    std::uint64_t seed, int freeCells, int objects, int moves, bool open = false);

// A room and, through a door one cell wide, a room of the targets: every object that has
// left it must come back through the door, in a good order.
QStringList GenerateGoalRoom(std::uint64_t seed, int roomCells, int objects, int rounds);

// A room with the targets and a blind passage one cell wide leading out of it. An object
// stands at its mouth: the man can push it only further in and never get round it, so the
// level cannot be solved.
QStringList GenerateTrap(std::uint64_t seed, int roomCells, int objects);

struct BenchLevel {
    QString name;
    QStringList rows;
};

// The benchmark's set: open rooms, mazes, dense rooms, goal rooms and traps, 8 to 20 objects.
std::vector<BenchLevel> BenchLevelSet();

} // namespace quobix::bench
