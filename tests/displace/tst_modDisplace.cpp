#include "common/TestRegistry.h"
#include "common/TestSupport.h"

#include "displace/DisplaceState.h"
#include "displace/modDisplace.h"
#include "level/modText.h"

#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <array>

using namespace quobix;

namespace {

// A level character as { line, column, symbol }; a level as its characters.
using Cells = QList<std::array<int, 3>>;

Cells LevelCells(const LevelDocument& level)
{
    Cells cells;
    for (int line = 1; line <= GridRows; ++line) {
        const QString& text = level.LevelLines[1][line];
        for (int column = 1; column <= text.size(); ++column)
            if (text[column - 1] != QLatin1Char(' '))
                cells.append({ line, column, text[column - 1].unicode() });
    }
    return cells;
}

// The cells in text order; moved, when only the shape counts, so that the first is at (0, 0).
Cells Sorted(Cells cells, bool shapeOnly)
{
    std::sort(cells.begin(), cells.end());
    const auto first = cells.first();
    for (auto& cell : cells)
        cell = { cell[0] - shapeOnly * first[0], cell[1] - shapeOnly * first[1], cell[2] };
    return cells;
}

// Clockwise turns in axial hex coordinates, (q, r) -> (-r, q + r), not the program's formula.
Cells Turned(Cells cells, int turns)
{
    for (int k = 0; k < turns; ++k)
        for (auto& cell : cells) {
            const int q = (cell[1] - cell[0] - 1) / 2;
            cell = { q + cell[0], q - cell[0] + 1, cell[2] };
        }
    return cells;
}

// The first and last line and column of the cells (never none).
std::array<int, 4> Extent(const Cells& cells)
{
    const auto& [line, column, symbol] = cells.first();
    std::array<int, 4> e { line, line, column, column };
    for (const auto& [l, c, s] : cells)
        e = { std::min(e[0], l), std::max(e[1], l), std::min(e[2], c), std::max(e[3], c) };
    return e;
}

// A mirror about the level's middle line or column. Where that would put cells off the cell
// positions, the range grows by one towards the side with more room (a tie: down or left); a level
// as tall or wide as the grid moves a column or line instead (a tie: left or down), or stays.
Cells Mirrored(Cells cells, bool topToBottom)
{
    auto [f, l, a, b] = Extent(cells);
    const bool tall = f == 1 && l == GridRows, wide = a == 1 && b == 64;
    for (auto& cell : cells) {
        if (tall && wide)
            break;
        if (topToBottom && tall)
            cell = { GridRows + 1 - cell[0], cell[1] + (64 - b <= a - 1 ? -1 : 1), cell[2] };
        else if (topToBottom)
            cell[0] = f + l + (f + l) % 2 * (f - 1 <= GridRows - l ? 1 : -1) - cell[0];
        else if (wide)
            cell = { cell[0] + (f - 1 > GridRows - l ? -1 : 1), 65 - cell[1], cell[2] };
        else
            cell[1] = a + b + (b - a) % 2 * (a - 1 >= 64 - b ? -1 : 1) - cell[1];
    }
    return cells;
}

// Brute force: some place puts every cell of the shape on a cell position of the grid.
bool FitsSomewhere(const Cells& cells)
{
    const auto [f, l, a, b] = Extent(cells);
    for (int dl = 1 - f; dl <= GridRows - l; ++dl)
        for (int dc = 1 - a; dc <= 64 - b; ++dc)
            if ((cells.first()[0] + cells.first()[1] + dl + dc) % 2 != 0)
                return true;
    return false;
}

// Line and column move per unit of amount of the direction buttons 1..8, north clockwise.
constexpr int Units[9][2]
    = { {}, { -1, 0 }, { -1, 1 }, { 0, 2 }, { 1, 1 }, { 1, 0 }, { 1, -1 }, { 0, -2 }, { -1, -1 } };

// Brute force: every amount that keeps the level inside the grid, one step at a time.
QStringList AmountsThatFit(const Cells& cells, int index)
{
    const auto [f, l, a, b] = Extent(cells);
    const auto inside = [&](int n) {
        const int dl = Units[index][0] * n, dc = Units[index][1] * n;
        return f + dl >= 1 && l + dl <= GridRows && a + dc >= 1 && b + dc <= 64;
    };
    QStringList amounts;
    for (int n = Units[index][1] == 0 ? 2 : 1; inside(n); n += Units[index][1] == 0 ? 2 : 1)
        amounts << QString::number(n);
    return amounts;
}

// Random symbols on random cell positions of a random part of the grid; often small, so that
// rotations are offered, often reaching the grid's edges.
Cells RandomLevel(QRandomGenerator& gen)
{
    const bool small = gen.bounded(2) == 0;
    const int top = gen.bounded(3) == 0 ? 1 : gen.bounded(1, 27);
    const int bottom = gen.bounded(3) == 0 ? 26 : std::min(26, top + gen.bounded(small ? 8 : 26));
    const int left = gen.bounded(3) == 0 ? 1 : gen.bounded(1, 65);
    const int right = gen.bounded(3) == 0 ? 64 : std::min(64, left + gen.bounded(small ? 16 : 64));
    const int density = gen.bounded(5, 80);
    Cells cells;
    for (int line = top; line <= bottom; ++line)
        for (int column = left; column <= right; ++column)
            if ((line + column) % 2 == 1 && gen.bounded(100) < density)
                cells.append({ line, column, QStringLiteral("#$@.*+")[gen.bounded(6)].unicode() });
    if (cells.isEmpty())
        cells.append({ top, (top + left) % 2 ? left : (left < 64 ? left + 1 : left - 1), '@' });
    return cells;
}

// Levels that random ones seldom are: reaching opposite corners, turned by 60 degrees into a
// level that fills the grid (the first only upside down, so not offered), and at the ties of the
// mirrors' moves: as far from the top as from the bottom, or from the left as from the right.
QList<Cells> FixedLevels()
{
    QList<Cells> levels { { { 1, 64, '#' }, { 26, 1, '$' } }, { { 1, 2, '#' }, { 26, 63, '$' } },
        { { 2, 1, '#' }, { 25, 64, '$' } }, { { 1, 52, '#' }, { 26, 1, '#' }, { 26, 51, '$' } },
        { { 1, 62, '#' }, { 22, 1, '$' }, { 23, 2, '.' }, { 26, 47, '@' } },
        { { 13, 64, '$' }, { 14, 1, '#' } }, { { 12, 1, '#' }, { 15, 2, '$' } },
        { { 5, 32, '#' }, { 5, 34, '$' }, { 6, 31, '.' } }, {} };
    for (int line = 1; line <= GridRows; ++line)
        levels.last().append({ line, 33 - line % 2, '#' });
    return levels;
}
} // namespace

class TestModDisplace : public QObject {
    Q_OBJECT

private slots:
    // Each level is offered exactly the amounts and angles that fit, and every offered operation,
    // the centring and the mirrors move its cells as the hexagon model says, keep each on a cell
    // position and leave the flag of a flip on loading alone; a list text that is no number
    // changes nothing. Six single turns, and a turn and its inverse, give the centred level.
    void everyOfferedDisplacementKeepsTheLevel()
    {
        LevelDocument doc;
        QVERIFY(!modDisplace::ComputeDisplaceChoices(doc).possible);
        // Every displacement tells the views once that the whole grid changed.
        int told = 0;
        doc.AddView(
            [&told](const LevelChange& change) { told += change.kind == LevelChange::Kind::Grid; });
        QRandomGenerator gen(20261206);
        const QList<Cells> fixed = FixedLevels();
        int filling = 0;
        for (int round = 0; round < 200 + fixed.size(); ++round) {
            const Cells before = round < 200 ? RandomLevel(gen) : fixed[round - 200];
            SetGrid(doc, {});
            for (const auto& [line, column, symbol] : before)
                doc.LevelLines[1][line][column - 1] = QChar(symbol);
            const QStringList level = doc.GridRows();
            const auto choices = modDisplace::ComputeDisplaceChoices(doc);
            QCOMPARE(doc.GridRows(), level);
            QCOMPARE(choices.possible, Extent(before) != (std::array { 1, GridRows, 1, 64 }));
            filling += !choices.possible;
            for (int index = 1; index <= 8; ++index)
                QCOMPARE(choices.items[index], AmountsThatFit(before, index));
            QStringList angles;
            for (int turns = 1; turns <= 5 && choices.possible; ++turns)
                if (FitsSomewhere(Turned(before, turns)))
                    angles << QString::number(60 * turns) + QChar(0x00B0);
            QCOMPARE(choices.items[9], angles);
            QList<QPair<int, QString>> operations { { 0, {} }, { 10, {} }, { 11, {} }, { 1, {} },
                { 3, {} }, { 9, {} }, { 9, "x60" } };
            for (int index = 1; index <= 9; ++index)
                for (const QString& text : choices.items[index])
                    operations.append({ index, text });

            QStringList centred;
            for (const auto& [index, text] : operations) {
                SetGrid(doc, level);
                const bool flag = doc.FlippedOnLoad = gen.bounded(2) == 0;
                told = 0;
                modDisplace::PerformDisplacement(doc, index, text);
                const QString at = QString::asprintf("round %d, button %d ", round, index) + text;
                const Cells after = LevelCells(doc);
                const bool onCells = std::all_of(
                    after.begin(), after.end(), [](auto& c) { return (c[0] + c[1]) % 2 == 1; });
                QVERIFY2(doc.FlippedOnLoad == flag && onCells && told == 1
                        && doc.GridRows().join(QString()).size() == GridRows * 64,
                    qPrintable(at));
                const int turns = QString(text).remove(QChar(0x00B0)).toInt() / 60;
                Cells expected
                    = index >= 10 ? Mirrored(before, index == 10) : Turned(before, turns);
                for (auto& cell : expected)
                    for (int k : { 0, 1 })
                        cell[k] += index <= 8 ? Units[index][k] * text.toInt() : 0;
                const bool shapeOnly = turns > 0 || (index == 0 && choices.possible);
                QVERIFY2(Sorted(after, shapeOnly) == Sorted(expected, shapeOnly), qPrintable(at));
                if (index == 0)
                    centred = doc.GridRows();
            }

            // Six single turns of the work buffer, whether or not the steps fit the grid.
            SetGrid(doc, level);
            modText::PrepareLevelForDisplace(doc);
            modText::CopyBuffer(doc, 2, 3);
            for (int k = 0; k < 6; ++k)
                modDisplace::RotateBy60Degrees(doc);
            modText::CopyBuffer(doc, 3, 2);
            modDisplace::CenterLevelInGrid(doc);
            QVERIFY2(doc.GridRows() == centred, qPrintable(QString::number(round)));
            if (!angles.contains("60°"))
                continue;
            SetGrid(doc, level);
            modDisplace::PerformDisplacement(doc, 9, QStringLiteral("60°"));
            modDisplace::PerformDisplacement(doc, 9, QStringLiteral("300°"));
            QVERIFY2(doc.GridRows() == centred, qPrintable(QString::number(round)));
        }
        QVERIFY(filling > 0); // some levels fill the grid
    }

    // A level whose cells would land between the cell positions when centred goes one line
    // lower, not one column across, when its side gaps are equal.
    void centringMovesDownOnATie()
    {
        LevelDocument doc;
        QStringList expected(GridRows, QString(64, ' '));
        for (int i = 1; i <= 3; ++i) {
            doc.LevelLines[2][i] = QString::number(i).leftJustified(44, '#');
            expected[11 + i] = (QString(10, ' ') + doc.LevelLines[2][i]).leftJustified(64);
        }
        doc.LastUsedLine = 3;
        doc.LevelWidth = 44;
        doc.MarginLine = 2;
        modDisplace::CenterLevelInGrid(doc);
        QCOMPARE(doc.GridRows(), expected);
    }
};

QUOBIX_TEST(TestModDisplace)
#include "tst_modDisplace.moc"
