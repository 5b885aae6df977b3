#include "common/TestRegistry.h"
#include "common/TestSupport.h"

#include "displace/DisplaceState.h"
#include "displace/modDisplace.h"
#include "level/LevelState.h"
#include "level/modText.h"

#include <QTest>

using namespace quobix;

namespace {

// The 26 grid lines that rows placed from firstRow give.
QStringList Grid(const QStringList& rows, int firstRow)
{
    QStringList grid;
    for (int line = 1; line <= GridRows; ++line) {
        const int k = line - firstRow;
        const QString text = k >= 0 && k < rows.size() ? rows[k] : QString();
        grid << text.leftJustified(64, QLatin1Char(' '), true);
    }
    return grid;
}

// One symbol per line of a level that spans all 26 lines: odd lines at column 2k, even lines at
// 2k + 1, so the level has LeftMargin 2k - 1 and width 2.
QStringList Column(int k)
{
    const QString symbols = QStringLiteral("#$.@*+");
    QStringList rows;
    for (int line = 1; line <= GridRows; ++line) {
        const int column = 2 * k + (line % 2 == 0 ? 1 : 0);
        rows << QString(column - 1, QLatin1Char(' ')) + symbols[line % symbols.size()];
    }
    return rows;
}

} // namespace

class TestModDisplace : public QObject {
    Q_OBJECT

private slots:
    void init() { ResetCoreState(); }

    void centerLevelInGrid_data()
    {
        QTest::addColumn<QStringList>("level");
        QTest::addColumn<int>("marginLine");
        QTest::addColumn<int>("firstRow");
        const QString a = QStringLiteral("# $ . @ # ");
        const QString b = QStringLiteral(" # * + # #");
        QTest::newRow("margin line 1") << QStringList { a, b, a } << 1 << 13;
        QTest::newRow("margin line 2") << QStringList { b, a, b } << 2 << 12;
    }

    void centerLevelInGrid()
    {
        QFETCH(QStringList, level);
        QFETCH(int, marginLine);
        QFETCH(int, firstRow);
        for (int i = 0; i < level.size(); ++i)
            LevelLines[2][i + 1] = level[i];
        LastUsedLine = 3;
        LevelWidth = 10;
        MarginLine = static_cast<qint16>(marginLine);
        modDisplace::CenterLevelInGrid();
        for (QString& line : level)
            line.prepend(QString(27, QLatin1Char(' ')));
        QCOMPARE(GridText(), Grid(level, firstRow));
        QVERIFY(!FlippedOnLoad);
    }

    void fullLevelPlacedByMarginParity_data()
    {
        QTest::addColumn<int>("marginLine");
        QTest::addColumn<bool>("flipped");
        QTest::newRow("odd margin line: upside down") << 3 << true;
        QTest::newRow("even margin line: unchanged") << 2 << false;
    }

    void fullLevelPlacedByMarginParity()
    {
        QFETCH(int, marginLine);
        QFETCH(bool, flipped);
        QStringList level;
        for (int i = 1; i <= GridRows; ++i) {
            level << QString::number(i).leftJustified(64, QLatin1Char('#'));
            LevelLines[2][i] = level.last();
        }
        LastUsedLine = 26;
        LevelWidth = 64;
        MarginLine = static_cast<qint16>(marginLine);
        modDisplace::CenterLevelInGrid();
        if (flipped)
            std::reverse(level.begin(), level.end());
        QCOMPARE(GridText(), level);
        QCOMPARE(FlippedOnLoad, flipped);
        QCOMPARE(TopOffset, 0);
        QCOMPARE(LeftOffset, 0);
    }

    void shifts_data()
    {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("firstRow");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("expectedFirstRow");

        QStringList tall(24);
        tall.first() = QStringLiteral(" # #");
        tall.last() = QStringLiteral("#");
        const QStringList small { QStringLiteral(" # $"), QStringLiteral("@ .") };
        QTest::newRow("north 2 from line 3") << tall << 3 << 1 << "2" << tall << 1;
        QTest::newRow("east 1") << small << 5 << 3 << "1" << QStringList { "   # $", "  @ ." } << 5;
        QTest::newRow("north-east 1")
            << small << 5 << 2 << "1" << QStringList { "  # $", " @ ." } << 4;
    }

    void shifts()
    {
        QFETCH(QStringList, rows);
        QFETCH(int, firstRow);
        QFETCH(int, index);
        QFETCH(QString, amount);
        QFETCH(QStringList, expected);
        QFETCH(int, expectedFirstRow);
        SetGrid(rows, firstRow);
        QVERIFY(modDisplace::ComputeDisplaceChoices().items[index].contains(amount));
        modDisplace::PerformDisplacement(index, amount);
        QCOMPARE(GridText(), Grid(expected, expectedFirstRow));
        QCOMPARE(DisplaceAmount, amount.toInt());
    }

    void flipVerticallyGrowsOddRange_data()
    {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("firstRow");
        QTest::addColumn<int>("expectedFirstRow");
        const QStringList oddStart { " #", "$", " .", "@" };
        const QStringList evenStart { "#", " $", ".", " @" };
        QTest::newRow("lines 3..6: grows down") << oddStart << 3 << 4;
        QTest::newRow("lines 12..15, tie: grows down") << evenStart << 12 << 13;
        QTest::newRow("lines 20..23: grows up") << evenStart << 20 << 19;
    }

    void flipVerticallyGrowsOddRange()
    {
        QFETCH(QStringList, rows);
        QFETCH(int, firstRow);
        QFETCH(int, expectedFirstRow);
        SetGrid(rows, firstRow);
        modDisplace::FlipLevelVertically();
        std::reverse(rows.begin(), rows.end());
        QCOMPARE(GridText(), Grid(rows, expectedFirstRow));
    }

    void flipVerticallyFullHeight_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("move");
        QTest::newRow("more room right") << 5 << 1;
        QTest::newRow("tie goes left") << 16 << -1;
        QTest::newRow("more room left") << 25 << -1;
    }

    void flipVerticallyFullHeight()
    {
        QFETCH(int, k);
        QFETCH(int, move);
        const QStringList before = Column(k);
        SetGrid(before);
        modDisplace::FlipLevelVertically();
        // Line i holds old line 27 - i, moved one column so that its cells keep their parity.
        QStringList expected;
        for (int line = GridRows; line >= 1; --line)
            expected << (move > 0 ? ' ' + before[line - 1] : before[line - 1].mid(1));
        QCOMPARE(GridText(), Grid(expected, 1));
    }

    void flipHorizontallyEvenWidth_data()
    {
        QTest::addColumn<int>("margin");
        QTest::addColumn<QStringList>("expected");
        const QString to10(10, QLatin1Char(' '));
        const QString to29(29, QLatin1Char(' '));
        QTest::newRow("margin 10: columns 11..15")
            << 10 << QStringList { to10 + " .", to10 + "  # $" };
        QTest::newRow("margin 30, tie: columns 30..34")
            << 30 << QStringList { to29 + ".", to29 + " # $" };
    }

    void flipHorizontallyEvenWidth()
    {
        // Width 4: the span grows by one column so that it has a middle column to mirror about.
        QFETCH(int, margin);
        QFETCH(QStringList, expected);
        const QString blanks(margin, QLatin1Char(' '));
        SetGrid({ blanks + "   .", blanks + "$ #" }, 5);
        modDisplace::FlipLevelHorizontally();
        QCOMPARE(GridText(), Grid(expected, 5));
    }

    void flipHorizontallyFullWidth_data()
    {
        QTest::addColumn<int>("firstRow");
        QTest::addColumn<int>("expectedFirstRow");
        QTest::newRow("more room below: down") << 10 << 11;
        QTest::newRow("tie: down") << 13 << 14;
        QTest::newRow("more room above: up") << 20 << 19;
    }

    void flipHorizontallyFullWidth()
    {
        QFETCH(int, firstRow);
        QFETCH(int, expectedFirstRow);
        // Column 1 and column 64 hold cells on lines of opposite parity.
        const QString left = QStringLiteral("#");
        const QString right = QString(63, ' ') + '$';
        const bool evenFirst = firstRow % 2 == 0;
        SetGrid(evenFirst ? QStringList { left, right } : QStringList { right, left }, firstRow);
        modDisplace::FlipLevelHorizontally();
        const QString mirroredLeft = QString(63, ' ') + '#';
        const QString mirroredRight = QStringLiteral("$");
        QCOMPARE(GridText(),
            Grid(evenFirst ? QStringList { mirroredLeft, mirroredRight }
                           : QStringList { mirroredRight, mirroredLeft },
                expectedFirstRow));
    }

    void rotateRowOfThree_data()
    {
        QTest::addColumn<int>("turns");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("marginLine");
        QTest::newRow("60") << 1 << QStringList { "#  ", " $ ", "  ." } << 1;
        QTest::newRow("120") << 2 << QStringList { "  #", " $ ", ".  " } << 3;
        QTest::newRow("180") << 3 << QStringList { ". $ #" } << 1;
    }

    void rotateRowOfThree()
    {
        QFETCH(int, turns);
        QFETCH(QStringList, expected);
        QFETCH(int, marginLine);
        LevelLines[3][1] = QStringLiteral("# $ .");
        LevelHeight = 1;
        LevelWidth = 5;
        for (int k = 0; k < turns; ++k)
            modDisplace::RotateBy60Degrees();
        QStringList lines;
        for (int i = 1; i <= LevelHeight; ++i)
            lines << LevelLines[3][i];
        QCOMPARE(lines, expected);
        QCOMPARE(LevelWidth, expected.first().size());
        QCOMPARE(LastUsedLine, LevelHeight);
        QCOMPARE(MarginLine, marginLine);
    }

    void wideFlatLevelOffersOnly180()
    {
        QString row;
        for (int i = 0; i < 30; ++i)
            row += QString(QStringLiteral("#$.@*+")[i % 6]) + ' ';
        SetGrid({ ' ' + row }, 13);
        QCOMPARE(modDisplace::ComputeDisplaceChoices().items[9], QStringList { "180°" });
        modDisplace::PerformDisplacement(9, QStringLiteral("180°"));
        QCOMPARE(DisplaceAmount, 3);
        std::reverse(row.begin(), row.end());
        QCOMPARE(GridText()[12].trimmed(), row.trimmed());
    }

    void rotationFillingGrid_data()
    {
        QTest::addColumn<QStringList>("level");
        QTest::addColumn<bool>("offered");
        // Both turn by 60 degrees into exactly 26 lines of 64 characters; the first would start
        // with a cell on an odd line, which only an upside-down placement could put on the grid.
        QStringList odd(26);
        odd[0] = QString(51, ' ') + '#';
        odd[25] = "# " + QString(48, ' ') + '$';
        QStringList even(26);
        even[0] = QString(61, ' ') + '#';
        even[21] = QStringLiteral("$");
        even[22] = QStringLiteral(" .");
        even[25] = QString(46, ' ') + '@';
        QTest::newRow("odd margin line: not offered") << odd << false;
        QTest::newRow("even margin line: offered") << even << true;
    }

    void rotationFillingGrid()
    {
        QFETCH(QStringList, level);
        QFETCH(bool, offered);
        for (const bool flag : { false, true }) {
            FlippedOnLoad = flag;
            SetGrid(level);
            QCOMPARE(modDisplace::ComputeDisplaceChoices().items[9].contains("60°"), offered);
            modDisplace::PerformDisplacement(9, QStringLiteral("60°"));
            QCOMPARE(FlippedOnLoad, flag);
            if (!offered) {
                QCOMPARE(GridText(), Grid(level, 1));
                continue;
            }
            const auto choices = modDisplace::ComputeDisplaceChoices();
            QCOMPARE(LevelHeight, 26);
            QCOMPARE(LevelWidth, 64);
            QVERIFY(!choices.possible);
            QVERIFY(!DisplacePossible);
        }
    }

    void choices_data()
    {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("firstRow");
        QTest::addColumn<int>("index");
        QTest::addColumn<QStringList>("items");
        const QStringList top { "   # #", "    #" };
        const QStringList second { "  # #", "   #" };
        QTest::newRow("first line 1: north") << top << 1 << 1 << QStringList();
        QTest::newRow("first line 1: north-east") << top << 1 << 2 << QStringList();
        QTest::newRow("first line 1: north-west") << top << 1 << 8 << QStringList();
        QTest::newRow("first line 2: north") << second << 2 << 1 << QStringList();
        QTest::newRow("first line 2: north-east") << second << 2 << 2 << QStringList { "1" };
        QTest::newRow("first line 2: north-west") << second << 2 << 8 << QStringList { "1" };
        QTest::newRow("margin 0: west") << QStringList { "# # #" } << 10 << 7 << QStringList();
        QTest::newRow("margin 0: south-west") << QStringList { "# #" } << 10 << 6 << QStringList();
        QTest::newRow("margin 0: north-west") << QStringList { "# #" } << 10 << 8 << QStringList();
        QTest::newRow("margin 1: west") << QStringList { " # #" } << 11 << 7 << QStringList();
        QTest::newRow("margin 1: south-west")
            << QStringList { " # #" } << 11 << 6 << QStringList { "1" };
        QTest::newRow("margin 1: north-west")
            << QStringList { " # #" } << 11 << 8 << QStringList { "1" };
        QTest::newRow("5 blank lines above: north")
            << QStringList { "  # #" } << 6 << 1 << QStringList { "2", "4" };
        QTest::newRow("4 blank lines below: south")
            << QStringList { "  # #" } << 22 << 5 << QStringList { "2", "4" };
        QTest::newRow("3 free columns right: east")
            << QStringList { QString(58, ' ') + "# #" } << 12 << 3 << QStringList { "1" };
    }

    void choices()
    {
        QFETCH(QStringList, rows);
        QFETCH(int, firstRow);
        QFETCH(int, index);
        QFETCH(QStringList, items);
        SetGrid(rows, firstRow);
        const auto choices = modDisplace::ComputeDisplaceChoices();
        QVERIFY(choices.possible);
        QCOMPARE(choices.items[index], items);
    }

    void nothingPossible()
    {
        SetGrid({});
        QVERIFY(!modDisplace::ComputeDisplaceChoices().possible); // empty grid
        QStringList full;
        for (int line = 1; line <= GridRows; ++line)
            full << (line % 2 == 0 ? "#" : QString(63, ' ') + '#');
        SetGrid(full);
        const auto choices = modDisplace::ComputeDisplaceChoices();
        QVERIFY(!choices.possible);
        QVERIFY(!DisplacePossible);
        for (const QStringList& items : choices.items)
            QVERIFY(items.isEmpty());
        // Neither mirror has a line or column to move into: the level stays.
        modDisplace::FlipLevelVertically();
        modDisplace::FlipLevelHorizontally();
        QCOMPARE(GridText(), Grid(full, 1));
    }

    void unreadableListTextChangesNothing()
    {
        SetGrid({ "  # #" }, 6);
        const QStringList before = GridText();
        for (const int index : { 1, 3, 9 })
            modDisplace::PerformDisplacement(index, QString());
        modDisplace::PerformDisplacement(9, QStringLiteral("x60"));
        QCOMPARE(GridText(), before);
    }
};

QUOBIX_TEST(TestModDisplace)
#include "tst_modDisplace.moc"
