#include "game/GamePosition.h"

#include "level/LevelText.h"

#include <deque>

namespace quobix::game {

namespace {
    using NeighbourTable = std::array<std::array<int, geometry::DirectionCount>, GridCellTotal>;

    NeighbourTable MakeNeighbourTable()
    {
        NeighbourTable table {};
        for (int index = 0; index < GridCellTotal; ++index) {
            const geometry::Cell here = CellOfIndex(index);
            for (Direction d : geometry::AllDirections) {
                const auto next = here.Neighbour(d);
                table[index][static_cast<int>(d)] = next ? next->Index() : -1;
            }
        }
        return table;
    }

    bool OnEdge(int index)
    {
        const geometry::Cell here = CellOfIndex(index);
        return here.row == 1 || here.row == GridRows || here.cell == 1 || here.cell == GridCells;
    }
}

int CellIndex(int row, int cell) { return geometry::Cell { row, cell }.Index(); }

geometry::Cell CellOfIndex(int index) { return geometry::Cell::OfIndex(index); }

int NeighbourIndex(int index, Direction direction)
{
    static const NeighbourTable table = MakeNeighbourTable();
    return table[index][static_cast<int>(direction)];
}

GamePosition GamePosition::FromRows(const QStringList& rows)
{
    GamePosition position;
    for (int r = 1; r <= GridRows && r <= rows.size(); ++r)
        for (int c = 1; c <= GridCells; ++c) {
            const geometry::Cell at { r, c };
            const int index = at.Index();
            const qint16 code = SymbolIndexOf(CharAt(rows[r - 1], at.TextColumn()));
            if (code == SymbolCode::None)
                continue; // no symbol: floor
            const Symbol& symbol = Symbols[code];
            unsigned char& cell = position.cells[index];
            cell = (symbol.wall ? WallFlag : 0) | (symbol.object ? ObjectFlag : 0)
                | (symbol.target ? TargetFlag : 0);
            if (symbol.man) {
                position.man = index;
                ++position.menRead;
            }
            position.objectCount += (cell & ObjectFlag) != 0;
            position.targetCount += (cell & TargetFlag) != 0;
        }
    return position;
}

QChar GamePosition::SymbolAt(int index) const
{
    // The man stands on a free cell, an object on a floor or a target; a wall holds nothing.
    const bool man = index == this->man;
    const bool object = !man && HasObject(index);
    const bool wall = !man && !object && IsWall(index);
    return SymbolChar(SymbolOf(wall, object, !wall && IsTarget(index), man));
}

int GamePosition::ObjectsOnTargets() const
{
    int count = 0;
    for (unsigned char cell : cells)
        count += (cell & (ObjectFlag | TargetFlag)) == (ObjectFlag | TargetFlag);
    return count;
}

Playability GamePosition::Check() const
{
    if (!IsValidLevel(menRead, objectCount, targetCount))
        return Playability::Invalid;
    return ManCanLeave() ? Playability::Open : Playability::Playable;
}

bool GamePosition::ManCanLeave() const
{
    if (man < 0)
        return false;
    // Objects do not close a gap: the man may push them out of his way.
    std::array<bool, GridCellTotal> seen {};
    std::vector<int> todo { man };
    seen[man] = true;
    while (!todo.empty()) {
        const int here = todo.back();
        todo.pop_back();
        if (OnEdge(here))
            return true;
        for (Direction d : geometry::AllDirections) {
            const int next = NeighbourIndex(here, d);
            if (next >= 0 && !seen[next] && !IsWall(next)) {
                seen[next] = true;
                todo.push_back(next);
            }
        }
    }
    return false;
}

std::optional<GameMove> GamePosition::MoveIn(Direction direction) const
{
    if (man < 0)
        return std::nullopt;
    const int next = NeighbourIndex(man, direction);
    if (next < 0 || IsWall(next))
        return std::nullopt;
    if (!HasObject(next))
        return GameMove { direction, false };
    const int beyond = NeighbourIndex(next, direction);
    if (beyond < 0 || IsWall(beyond) || HasObject(beyond))
        return std::nullopt;
    return GameMove { direction, true };
}

bool GamePosition::Apply(Direction direction, GameMove* made)
{
    const auto move = MoveIn(direction);
    if (!move)
        return false;
    const int next = NeighbourIndex(man, direction);
    if (move->push) {
        cells[next] &= ~ObjectFlag;
        cells[NeighbourIndex(next, direction)] |= ObjectFlag;
    }
    man = next;
    if (made)
        *made = *move;
    return true;
}

void GamePosition::Undo(const GameMove& move)
{
    const int back = NeighbourIndex(man, geometry::Opposite(move.direction));
    if (move.push) {
        cells[NeighbourIndex(man, move.direction)] &= ~ObjectFlag;
        cells[man] |= ObjectFlag;
    }
    man = back;
}

std::optional<std::vector<Direction>> GamePosition::WalkTo(int index) const
{
    if (man < 0 || index < 0 || index >= GridCellTotal || IsWall(index) || HasObject(index))
        return std::nullopt;
    // Breadth first from the man; each cell remembers the direction it was entered by.
    std::array<int, GridCellTotal> cameBy;
    cameBy.fill(-1);
    cameBy[man] = geometry::DirectionCount;
    std::deque<int> todo { man };
    while (!todo.empty() && cameBy[index] < 0) {
        const int here = todo.front();
        todo.pop_front();
        for (Direction d : geometry::AllDirections) {
            const int next = NeighbourIndex(here, d);
            if (next >= 0 && cameBy[next] < 0 && !IsWall(next) && !HasObject(next)) {
                cameBy[next] = static_cast<int>(d);
                todo.push_back(next);
            }
        }
    }
    if (cameBy[index] < 0)
        return std::nullopt;
    std::vector<Direction> walk;
    for (int here = index; here != man;) {
        const auto d = static_cast<Direction>(cameBy[here]);
        walk.insert(walk.begin(), d);
        here = NeighbourIndex(here, geometry::Opposite(d));
    }
    return walk;
}

} // namespace quobix::game
