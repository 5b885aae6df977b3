#include "game/GamePosition.h"

#include "level/LevelState.h"

#include <deque>

namespace quobix::game {

namespace {
    using NeighbourTable = std::array<std::array<int, geometry::DirectionCount>, GridCellTotal>;

    NeighbourTable MakeNeighbourTable()
    {
        NeighbourTable table {};
        for (int index = 0; index < GridCellTotal; ++index) {
            const geometry::GridCell here = CellOfIndex(index);
            for (Direction d : geometry::AllDirections) {
                const auto next = geometry::Neighbour(here.row, here.cell, d);
                table[index][static_cast<int>(d)] = next ? CellIndex(next->row, next->cell) : -1;
            }
        }
        return table;
    }

    bool OnEdge(int index)
    {
        const geometry::GridCell here = CellOfIndex(index);
        return here.row == 1 || here.row == GridRows || here.cell == 1 || here.cell == GridCells;
    }
}

int CellIndex(int row, int cell) { return (row - 1) * GridCells + (cell - 1); }

geometry::GridCell CellOfIndex(int index)
{
    return { index / GridCells + 1, index % GridCells + 1 };
}

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
            const int index = CellIndex(r, c);
            const QChar ch = CharAt(rows[r - 1], CellPosition(r, c));
            unsigned char& cell = position.cells[index];
            switch (ch.unicode()) {
            case '#':
                cell = WallFlag;
                break;
            case '$':
                cell = ObjectFlag;
                break;
            case '*':
                cell = ObjectFlag | TargetFlag;
                break;
            case '.':
                cell = TargetFlag;
                break;
            case '+':
                cell = TargetFlag;
                [[fallthrough]];
            case '@':
                position.man = index;
                ++position.menRead;
                break;
            default:
                break;
            }
            position.objectCount += (cell & ObjectFlag) != 0;
            position.targetCount += (cell & TargetFlag) != 0;
        }
    return position;
}

GamePosition GamePosition::FromLevelLines()
{
    QStringList rows;
    for (int r = 1; r <= GridRows; ++r)
        rows << LevelLines[1][r];
    return FromRows(rows);
}

QChar GamePosition::SymbolAt(int index) const
{
    const bool target = IsTarget(index);
    if (index == man)
        return QLatin1Char(target ? '+' : '@');
    if (HasObject(index))
        return QLatin1Char(target ? '*' : '$');
    if (IsWall(index))
        return QLatin1Char('#');
    return QLatin1Char(target ? '.' : ' ');
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
    if (menRead != 1 || objectCount != targetCount || targetCount == 0)
        return Playability::Invalid;
    // Objects do not close a gap: the man may push them out of his way.
    std::array<bool, GridCellTotal> seen {};
    std::vector<int> todo { man };
    seen[man] = true;
    while (!todo.empty()) {
        const int here = todo.back();
        todo.pop_back();
        if (OnEdge(here))
            return Playability::Open;
        for (Direction d : geometry::AllDirections) {
            const int next = NeighbourIndex(here, d);
            if (next >= 0 && !seen[next] && !IsWall(next)) {
                seen[next] = true;
                todo.push_back(next);
            }
        }
    }
    return Playability::Playable;
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
