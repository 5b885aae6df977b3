#pragma once

#include "game/GamePosition.h"
#include "level/LevelText.h"

#include <QStringList>
#include <tuple>

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

// A room of 216 cells with seven objects and a blind passage, one cell wide, with an object in
// it that the man can only push further in: no solution, and far too many positions to finish.
inline QStringList LargeTrap()
{
    QStringList rows { QString(18, QLatin1Char('#')) };
    for (int r = 3; r <= 20; ++r)
        rows << (r == 11 ? QStringLiteral("#            $   #")
                         : QStringLiteral("#            #####"));
    rows << QString(18, QLatin1Char('#'));
    for (auto [r, c, ch] : { std::tuple { 5, 4, '.' }, { 5, 6, '.' }, { 5, 8, '.' }, { 5, 10, '.' },
             { 7, 5, '.' }, { 7, 7, '.' }, { 7, 9, '.' }, { 14, 4, '$' }, { 14, 6, '$' },
             { 14, 8, '$' }, { 14, 10, '$' }, { 16, 5, '$' }, { 16, 7, '$' }, { 18, 3, '@' } })
        rows[r - 2][c - 1] = QLatin1Char(ch);
    return rows;
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
