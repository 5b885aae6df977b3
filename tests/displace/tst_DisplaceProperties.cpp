#include "common/TestRegistry.h"
#include "common/TestSupport.h"

#include "displace/DisplaceState.h"
#include "displace/modDisplace.h"
#include "level/LevelState.h"
#include "level/modText.h"

#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <tuple>

using namespace quobix;

namespace {

struct Cell {
    int line;
    int column;
    QChar symbol;
    bool operator<(const Cell& o) const
    {
        return std::tie(line, column, symbol) < std::tie(o.line, o.column, o.symbol);
    }
    bool operator==(const Cell& o) const
    {
        return line == o.line && column == o.column && symbol == o.symbol;
    }
};
using Cells = QList<Cell>;

Cells LevelCells()
{
    Cells cells;
    for (int line = 1; line <= GridRows; ++line)
        for (int column = 1; column <= LevelLines[1][line].size(); ++column)
            if (LevelLines[1][line][column - 1] != QLatin1Char(' '))
                cells.append({ line, column, LevelLines[1][line][column - 1] });
    return cells;
}

// The cells moved so that the first of them stands at (0, 0): equal for shapes that differ only
// by their place.
Cells Normalized(Cells cells)
{
    std::sort(cells.begin(), cells.end());
    const int line = cells.first().line;
    const int column = cells.first().column;
    for (Cell& cell : cells) {
        cell.line -= line;
        cell.column -= column;
    }
    return cells;
}

// Clockwise turn through axial hex coordinates (q, r) -> (-r, q + r), independent of the
// text formula of the rotation.
Cells Turned(Cells cells, int turns)
{
    for (int k = 0; k < turns; ++k) {
        for (Cell& cell : cells) {
            const int q = (cell.column - cell.line - 1) / 2;
            const int r = cell.line;
            cell.line = q + r;
            cell.column = 2 * -r + (q + r) + 1;
        }
    }
    return cells;
}

Cells Mirrored(Cells cells, bool topToBottom)
{
    for (Cell& cell : cells)
        (topToBottom ? cell.line : cell.column) *= -1;
    return cells;
}

bool InsideGrid(const Cells& cells, int lineShift, int columnShift)
{
    return std::all_of(cells.begin(), cells.end(), [&](const Cell& cell) {
        const int line = cell.line + lineShift;
        const int column = cell.column + columnShift;
        return line >= 1 && line <= GridRows && column >= 1 && column <= 64;
    });
}

// Brute force: some place puts every cell of the shape on a cell position of the grid.
bool FitsSomewhere(const Cells& cells)
{
    const auto [top, bottom] = std::minmax_element(
        cells.begin(), cells.end(), [](const Cell& a, const Cell& b) { return a.line < b.line; });
    const auto [left, right] = std::minmax_element(cells.begin(), cells.end(),
        [](const Cell& a, const Cell& b) { return a.column < b.column; });
    for (int dl = 1 - top->line; dl <= GridRows - bottom->line; ++dl)
        for (int dc = 1 - left->column; dc <= 64 - right->column; ++dc)
            if ((cells.first().line + cells.first().column + dl + dc) % 2 != 0
                && InsideGrid(cells, dl, dc))
                return true;
    return false;
}

// Line and column move per unit of amount of the direction buttons 1..8, north clockwise.
struct Unit {
    int lines;
    int columns;
};
constexpr Unit Units[9]
    = { {}, { -1, 0 }, { -1, 1 }, { 0, 2 }, { 1, 1 }, { 1, 0 }, { 1, -1 }, { 0, -2 }, { -1, -1 } };

// Brute force: every amount that keeps the level inside the grid, one step at a time.
QStringList AmountsThatFit(const Cells& cells, int index)
{
    const Unit& unit = Units[index];
    const int step = unit.columns == 0 ? 2 : 1;
    QStringList amounts;
    for (int n = step; InsideGrid(cells, unit.lines * n, unit.columns * n); n += step)
        amounts << QString::number(n);
    return amounts;
}

// Random symbols on random cell positions of a random part of the grid; often small, so that
// rotations are offered, often reaching the grid's edges.
QStringList RandomLevel(QRandomGenerator& gen)
{
    const bool small = gen.bounded(2) == 0;
    const int top = gen.bounded(3) == 0 ? 1 : gen.bounded(1, 27);
    const int bottom = gen.bounded(3) == 0 ? 26 : std::min(26, top + gen.bounded(small ? 8 : 26));
    const int left = gen.bounded(3) == 0 ? 1 : gen.bounded(1, 65);
    const int right = gen.bounded(3) == 0 ? 64 : std::min(64, left + gen.bounded(small ? 16 : 64));
    const int density = gen.bounded(5, 80);
    const QString symbols = QStringLiteral("#$@.*+");
    QStringList grid(GridRows, QString(64, QLatin1Char(' ')));
    bool any = false;
    for (int line = top; line <= bottom; ++line)
        for (int column = left; column <= right; ++column)
            if ((line + column) % 2 == 1 && gen.bounded(100) < density) {
                grid[line - 1][column - 1] = symbols[gen.bounded(6)];
                any = true;
            }
    if (!any) {
        const int column = (top + left) % 2 == 1 ? left : (left < 64 ? left + 1 : left - 1);
        grid[top - 1][column - 1] = QLatin1Char('@');
    }
    return grid;
}

// Every grid line 64 long and every level character on a cell position.
void VerifyGridShape()
{
    for (int line = 1; line <= GridRows; ++line)
        QCOMPARE(LevelLines[1][line].size(), 64);
    for (const Cell& cell : LevelCells())
        QVERIFY2((cell.line + cell.column) % 2 == 1,
            qPrintable(QStringLiteral("line %1 column %2").arg(cell.line).arg(cell.column)));
}

} // namespace

class TestDisplaceProperties : public QObject {
    Q_OBJECT

private slots:
    void init() { ResetCoreState(); }

    void everyOfferedDisplacementKeepsTheLevel()
    {
        QRandomGenerator gen(20261206);
        for (int round = 0; round < 200; ++round) {
            const QStringList level = RandomLevel(gen);
            SetGrid(level);
            const Cells before = LevelCells();
            const auto choices = modDisplace::ComputeDisplaceChoices();
            QCOMPARE(GridText(), level);
            QList<QPair<int, QString>> operations { { 0, {} }, { 10, {} }, { 11, {} } };
            for (int index = 1; index <= 8; ++index) {
                if (choices.possible)
                    QCOMPARE(choices.items[index], AmountsThatFit(before, index));
                for (const QString& amount : choices.items[index])
                    operations.append({ index, amount });
            }
            QStringList angles;
            for (int turns = 1; turns <= 5; ++turns)
                if (FitsSomewhere(Turned(before, turns)))
                    angles << QString::number(60 * turns) + QChar(0x00B0);
            if (choices.possible)
                QCOMPARE(choices.items[9], angles);
            for (const QString& angle : choices.items[9])
                operations.append({ 9, angle });

            for (const auto& [index, text] : operations) {
                SetGrid(level);
                const bool flag = gen.bounded(2) == 0;
                FlippedOnLoad = flag;
                modDisplace::PerformDisplacement(index, text);
                const QString where
                    = QStringLiteral("round %1, button %2 %3").arg(round).arg(index).arg(text);
                QVERIFY2(FlippedOnLoad == flag, qPrintable(where));
                VerifyGridShape();
                if (QTest::currentTestFailed())
                    QFAIL(qPrintable(where));
                const Cells after = LevelCells();
                Cells expected = before;
                if (index >= 1 && index <= 8) {
                    const Unit& unit = Units[index];
                    for (Cell& cell : expected) {
                        cell.line += unit.lines * text.toInt();
                        cell.column += unit.columns * text.toInt();
                    }
                    QVERIFY2(after == expected, qPrintable(where));
                    continue;
                }
                if (!choices.possible) {
                    QVERIFY2(after == before, qPrintable(where)); // a full grid has no room
                    continue;
                }
                if (index == 9)
                    expected = Turned(before, text.chopped(1).toInt() / 60);
                else if (index >= 10)
                    expected = Mirrored(before, index == 10);
                QVERIFY2(Normalized(after) == Normalized(expected), qPrintable(where));
            }
        }
    }

    void sixTurnsAndInverseTurnGiveTheCentredLevel()
    {
        QRandomGenerator gen(60);
        for (int round = 0; round < 100; ++round) {
            const QStringList level = RandomLevel(gen);
            SetGrid(level);
            modDisplace::CenterLevel();
            const QStringList centred = GridText();

            // Six single turns of the work buffer, whether or not the steps fit the grid.
            SetGrid(level);
            modText::PrepareLevelForDisplace();
            modText::CopyBuffer(2, 3);
            for (int k = 0; k < 6; ++k)
                modDisplace::RotateBy60Degrees();
            modText::CopyBuffer(3, 2);
            modDisplace::CenterLevelInGrid();
            QCOMPARE(GridText(), centred);

            SetGrid(level);
            if (!modDisplace::ComputeDisplaceChoices().items[9].contains("60°"))
                continue;
            modDisplace::PerformDisplacement(9, QStringLiteral("60°"));
            modDisplace::PerformDisplacement(9, QStringLiteral("300°"));
            QCOMPARE(GridText(), centred);
        }
    }

    void trialTurnsOfCornerLevelsStayInTheWorkSpace_data()
    {
        QTest::addColumn<QStringList>("level");
        QTest::addColumn<int>("tallest");
        QTest::addColumn<int>("widest");
        QTest::addColumn<QStringList>("angles");
        QStringList a(26), b(26), c(26);
        a[0] = QString(63, ' ') + '#';
        a[25] = QStringLiteral("$");
        b[0] = QStringLiteral(" #");
        b[25] = QString(62, ' ') + '$';
        c[1] = QStringLiteral("#");
        c[24] = QString(63, ' ') + '$';
        QTest::newRow("top right, bottom left") << a << 45 << 70 << QStringList(); // fills the grid
        QTest::newRow("top left, bottom right") << b << 44 << 69 << QStringList { "180°" };
        QTest::newRow("line 2 left, line 25 right") << c << 44 << 67 << QStringList { "180°" };
    }

    void trialTurnsOfCornerLevelsStayInTheWorkSpace()
    {
        QFETCH(QStringList, level);
        QFETCH(int, tallest);
        QFETCH(int, widest);
        QFETCH(QStringList, angles);
        SetGrid(level);
        QCOMPARE(modDisplace::ComputeDisplaceChoices().items[9], angles);
        modText::PrepareLevelForDisplace();
        modText::CopyBuffer(2, 3);
        int height = 0, width = 0;
        for (int k = 1; k <= 5; ++k) {
            modDisplace::RotateBy60Degrees();
            height = std::max<int>(height, LevelHeight);
            width = std::max<int>(width, LevelWidth);
            int symbols = 0;
            for (int line = 1; line <= LevelHeight; ++line) {
                QCOMPARE(LevelLines[3][line].size(), LevelWidth);
                symbols += LevelLines[3][line].size() - LevelLines[3][line].count(' ');
            }
            QCOMPARE(symbols, 2);
        }
        QCOMPARE(height, tallest);
        QCOMPARE(width, widest);
    }
};

QUOBIX_TEST(TestDisplaceProperties)
#include "tst_DisplaceProperties.moc"
