#pragma once

#include "game/GamePosition.h"
#include "level/LevelText.h"

#include <QStringList>
#include <algorithm>
#include <array>
#include <map>
#include <set>
#include <vector>

// Levels in the tests are written one character per cell, a row per string, from grid row
// firstRow on; as in the grid, odd rows stand half a cell to the right of even rows.
inline QStringList GridRows(const QStringList& cells, int firstRow = 2)
{
    QStringList rows;
    for (int r = 1; r <= quobix::GridRows; ++r) {
        QString line(64, QLatin1Char(' '));
        const int k = r - firstRow;
        if (k >= 0 && k < cells.size())
            for (int c = 1; c <= cells[k].size() && c <= quobix::GridCells; ++c)
                quobix::SetCharAt(
                    line, quobix::geometry::Cell { r, c }.TextColumn(), cells[k][c - 1]);
        rows << line;
    }
    return rows;
}

// A level's rows in one string, parted by '|'.
inline QStringList Rows(const char* rows)
{
    return QString::fromLatin1(rows).split(QLatin1Char('|'));
}

inline quobix::game::GamePosition Level(const QStringList& cells, int firstRow = 2)
{
    return quobix::game::GamePosition::FromRows(GridRows(cells, firstRow));
}

// Twenty objects packed in a room of a hundred cells: a solution takes far more time and
// memory than a test has.
inline QStringList HardLevel()
{
    return Rows("###############|####    #######|##### $    ####|####   .$ $ .##|### $ $   .   #|"
                "#+$      #$.$ #|##$#.$  . $  ##|##  $.$$ $. ###|## . $  $.   ##|###.  . . $  ##|"
                "####.$.  $# ###|### ## ...#####|###### .  #####|####### #######|###############");
}

// The level as a QBX file holds it: the used rows, trailing blanks cut, each ending in CR LF.
inline QByteArray QbxText(const QStringList& cells)
{
    QByteArray text;
    for (const QString& row : GridRows(cells))
        if (!row.trimmed().isEmpty())
            text += quobix::TrimTrailingBlanks(row).toUtf8() + "\r\n";
    return text;
}

// The plainest search over pushes, written apart from the solver to check it: a position is the
// sorted grid cells of the objects and the lowest cell of the man's area, with no bound, no
// pruning and no packing.
class PlainPushSearch {
public:
    using Key = std::vector<int>; // the objects' cells, then the man's lowest cell

    explicit PlainPushSearch(const quobix::game::GamePosition& start)
    {
        using namespace quobix::game;
        for (int i = 0; i < GridCellTotal; ++i) {
            wall[i] = start.IsWall(i);
            target[i] = start.IsTarget(i);
            if (start.HasObject(i))
                first.push_back(i);
        }
        first.push_back(Lowest(first, start.Man()));
    }

    // The fewest pushes to a solved position, breadth first; -1 when none is solved.
    int Pushes() const
    {
        std::set<Key> seen { first };
        std::vector<Key> layer { first };
        for (int pushes = 0; !layer.empty(); ++pushes) {
            std::vector<Key> next;
            for (const Key& key : layer) {
                if (Solved(key))
                    return pushes;
                for (Key& after : Moves(key, true))
                    if (seen.insert(after).second)
                        next.push_back(std::move(after));
            }
            layer.swap(next);
        }
        return -1;
    }

    // The fewest pushes to a solved position from every position that has one, found
    // backwards by pulls from every solved position.
    std::map<Key, int> DistancesToSolved() const
    {
        std::map<Key, int> distance;
        std::vector<Key> layer;
        Key solved;
        for (int i = 0; i < quobix::game::GridCellTotal; ++i)
            if (target[i])
                solved.push_back(i);
        for (int i = 0; i < quobix::game::GridCellTotal; ++i)
            if (!wall[i] && !target[i] && Lowest(solved, i) == i && Inside(i)) {
                Key key = solved;
                key.push_back(i);
                distance[key] = 0;
                layer.push_back(key);
            }
        for (int pushes = 1; !layer.empty(); ++pushes) {
            std::vector<Key> next;
            for (const Key& key : layer)
                for (Key& before : Moves(key, false))
                    if (distance.emplace(before, pushes).second)
                        next.push_back(std::move(before));
            layer.swap(next);
        }
        return distance;
    }

    const Key& Start() const { return first; }
    bool Solved(const Key& key) const
    {
        return std::all_of(key.begin(), key.end() - 1, [this](int i) { return target[i]; });
    }

    // The positions one push away (forward) or one pull away (backward).
    std::vector<Key> Moves(const Key& key, bool forward) const
    {
        using namespace quobix::game;
        std::vector<int> objects(key.begin(), key.end() - 1);
        std::array<bool, GridCellTotal> area {};
        Flood(objects, key.back(), area);
        std::vector<Key> moves;
        for (std::size_t k = 0; k < objects.size(); ++k)
            for (Direction d : quobix::geometry::AllDirections) {
                const int x = objects[k];
                // Forward the man pushes from behind x; backward he stands ahead and steps on.
                const int man = NeighbourIndex(x, forward ? quobix::geometry::Opposite(d) : d);
                const int to = NeighbourIndex(x, d);
                const int manTo = forward ? x : NeighbourIndex(man, d);
                if (man < 0 || !area[man] || to < 0 || !Free(objects, to) || manTo < 0)
                    continue;
                std::vector<int> after = objects;
                after[k] = to;
                std::sort(after.begin(), after.end());
                if (!Free(after, manTo))
                    continue;
                after.push_back(Lowest(after, manTo));
                moves.push_back(std::move(after));
            }
        return moves;
    }

private:
    bool Free(const std::vector<int>& objects, int i) const
    {
        return !wall[i] && std::find(objects.begin(), objects.end(), i) == objects.end();
    }
    // Whether a cell is in the man's area of the start, ignoring objects.
    bool Inside(int i) const
    {
        std::array<bool, quobix::game::GridCellTotal> area {};
        Flood({}, first.back(), area);
        return area[i];
    }
    void Flood(const std::vector<int>& objects, int from,
        std::array<bool, quobix::game::GridCellTotal>& area) const
    {
        std::vector<int> todo { from };
        area[from] = true;
        while (!todo.empty()) {
            const int here = todo.back();
            todo.pop_back();
            for (auto d : quobix::geometry::AllDirections) {
                const int next = quobix::game::NeighbourIndex(here, d);
                if (next >= 0 && !area[next] && Free(objects, next)) {
                    area[next] = true;
                    todo.push_back(next);
                }
            }
        }
    }
    int Lowest(const std::vector<int>& objects, int from) const
    {
        std::array<bool, quobix::game::GridCellTotal> area {};
        Flood(objects, from, area);
        return static_cast<int>(std::find(area.begin(), area.end(), true) - area.begin());
    }

    std::array<bool, quobix::game::GridCellTotal> wall {};
    std::array<bool, quobix::game::GridCellTotal> target {};
    Key first;
};
