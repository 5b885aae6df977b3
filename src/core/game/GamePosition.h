#pragma once

#include "geometry/Cell.h"
#include "level/LevelDocument.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

namespace quobix::game {

using geometry::Direction;

// Cells of the whole grid as one index, 0..831: (row - 1) * 32 + (cell - 1).
constexpr int GridCellTotal = 26 * 32;
int CellIndex(int row, int cell);
geometry::Cell CellOfIndex(int index);
// The index of the neighbour in a direction, or -1 past the grid's edge.
int NeighbourIndex(int index, Direction direction);

// One step of the man; push says that he moved an object in front of him.
struct GameMove {
    Direction direction;
    bool push;
    bool operator==(const GameMove& other) const
    {
        return direction == other.direction && push == other.push;
    }
};

enum class Playability {
    Playable,
    Invalid, // not exactly one man, or objects and targets differ, or no target
    Open // the man can reach the grid's edge: nothing keeps him in
};

// A level being played: walls and targets stay, the man and the objects move by the rules.
class GamePosition {
public:
    // The grid rows 1..26 as the level text holds them (cell c of row r at character
    // 2c - 1 + r mod 2); missing rows are blank.
    static GamePosition FromRows(const QStringList& rows);
    // The grid of a level (buffer 1).
    static GamePosition FromLevel(const LevelDocument& level) { return FromRows(level.GridRows()); }

    bool IsWall(int index) const { return (cells[index] & WallFlag) != 0; }
    bool IsTarget(int index) const { return (cells[index] & TargetFlag) != 0; }
    bool HasObject(int index) const { return (cells[index] & ObjectFlag) != 0; }
    // The man's cell; with no man (or several) the last one read, -1 for none.
    int Man() const { return man; }
    // The symbol character a cell shows now.
    QChar SymbolAt(int index) const;

    int MenInLevel() const { return menRead; }
    int ObjectCount() const { return objectCount; }
    int TargetCount() const { return targetCount; }
    int ObjectsOnTargets() const;

    Playability Check() const;
    // The man can reach the grid's edge: no wall keeps him in (objects do not).
    bool ManCanLeave() const;
    bool IsSolved() const { return ObjectsOnTargets() == objectCount; }

    // The move the man makes in a direction, or nothing when the rules forbid it.
    std::optional<GameMove> MoveIn(Direction direction) const;
    // Makes a legal move; false (and nothing changes) when it is not legal.
    bool Apply(Direction direction, GameMove* made = nullptr);
    // Takes back a move made in this position just before.
    void Undo(const GameMove& move);

    // The shortest walk (steps only) to a free cell; nothing when there is none, empty when the
    // man already stands there.
    std::optional<std::vector<Direction>> WalkTo(int index) const;

    bool operator==(const GamePosition& other) const
    {
        return man == other.man && cells == other.cells;
    }
    bool operator!=(const GamePosition& other) const { return !(*this == other); }

private:
    static constexpr unsigned char WallFlag = 1;
    static constexpr unsigned char TargetFlag = 2;
    static constexpr unsigned char ObjectFlag = 4;

    std::array<unsigned char, GridCellTotal> cells {};
    int man = -1;
    int menRead = 0;
    int objectCount = 0;
    int targetCount = 0;
};

} // namespace quobix::game
