#include "common/TestRegistry.h"
#include "game/GameTestSupport.h"

#include "game/SolutionNotation.h"
#include "geometry/GridGeometry.h"

#include <QTest>

using namespace quobix::game;
using quobix::geometry::AllDirections;
using quobix::geometry::GridCell;
using quobix::geometry::Neighbour;

Q_DECLARE_METATYPE(Playability)

namespace {
// Directions in the tables by the letters of the keyboard's hexagon: q e / a d / z c.
Direction Dir(char letter) { return AllDirections[QByteArray("qeadzc").indexOf(letter)]; }

void Rule(const char* name, const char* level, char direction, const char* after, int firstRow = 3)
{
    QTest::newRow(name) << Rows(level) << direction << (*after ? Rows(after) : QStringList {})
                        << firstRow;
}

void Check(const char* name, const char* level, Playability expected)
{
    QTest::newRow(name) << Rows(level) << expected;
}
}

class TestGamePosition : public QObject {
    Q_OBJECT

private slots:
    void neighbour()
    {
        // An odd row stands half a cell right: above and below it touches c and c + 1; an even
        // row touches c - 1 and c. Row 0: past the edge.
        const struct {
            int row, cell;
            char direction;
            int toRow, toCell;
        } cases[] = {
            // clang-format off
            { 5, 10, 'q', 4, 10 }, { 5, 10, 'e', 4, 11 }, { 5, 10, 'a', 5, 9 }, { 5, 10, 'd', 5, 11 },
            { 5, 10, 'z', 6, 10 }, { 5, 10, 'c', 6, 11 }, { 6, 10, 'q', 5, 9 }, { 6, 10, 'c', 7, 10 },
            { 1, 5, 'e', 0, 0 }, { 26, 5, 'z', 0, 0 }, { 7, 1, 'a', 0, 0 }, { 8, 32, 'd', 0, 0 },
            { 7, 32, 'c', 0, 0 }, { 7, 1, 'z', 8, 1 }, { 8, 1, 'q', 0, 0 }, { 8, 32, 'e', 7, 32 },
            // clang-format on
        };
        for (const auto& c : cases) {
            const auto next = Neighbour(c.row, c.cell, Dir(c.direction));
            const GridCell expected { c.toRow, c.toCell };
            QVERIFY2(next ? *next == expected : c.toRow == 0,
                qPrintable(QStringLiteral("%1,%2 %3").arg(c.row).arg(c.cell).arg(c.direction)));
        }
        // Touching is mutual: the opposite direction returns to the start, over the whole grid.
        for (int r = 1; r <= quobix::GridRows; ++r)
            for (int c = 1; c <= quobix::GridCells; ++c)
                for (Direction d : AllDirections)
                    if (const auto step = Neighbour(r, c, d)) {
                        const auto back = Neighbour(step->row, step->cell, Opposite(d));
                        QVERIFY(back && *back == (GridCell { r, c }));
                    }
    }

    void rules_data()
    {
        QTest::addColumn<QStringList>("level");
        QTest::addColumn<char>("direction");
        QTest::addColumn<QStringList>("after"); // empty: the move is not allowed
        QTest::addColumn<int>("firstRow");
        // Row 3 first: an odd row, so that the rows' shifts are as the comments say.
        Rule("step", "#@ .#", 'd', "# @.#");
        Rule("step onto target", "#.@#", 'a', "#+ #");
        Rule("into a wall", "#@#", 'd', "");
        Rule("push", "#@$ #", 'd', "# @$#");
        Rule("push onto target", "#@$.#", 'd', "# @*#");
        Rule("push off target", "#@* #", 'd', "# +$#");
        Rule("push into a wall", "#@$#", 'd', "");
        Rule("two objects in a row", "#@$$ #", 'd', "");
        // From the odd row 3 south-east goes to the same cell number, from the even row 4 too.
        Rule("push SE across rows", "#@  #|# $ #|#   #", 'c', "#   #|# @ #|# $ #");
        Rule("push NW into a wall", "##  #|# $ #|# @ #", 'q', "");
        Rule("push NE", "#   #|# $ #|#@  #", 'e', "# $ #|# @ #|#   #");
        Rule("off the grid, north", "@ $.", 'q', "", 1);
        Rule("off the grid, west", "@ $.", 'a', "", 1);
    }

    void rules()
    {
        QFETCH(QStringList, level);
        QFETCH(char, direction);
        QFETCH(QStringList, after);
        QFETCH(int, firstRow);
        const GamePosition start = Level(level, firstRow);
        GamePosition position = start;
        GameMove made {};
        QCOMPARE(position.Apply(Dir(direction), &made), !after.isEmpty());
        if (after.isEmpty()) {
            QVERIFY(position == start);
            return;
        }
        QVERIFY(position == Level(after, firstRow));
        bool objectMoved = false;
        for (int i = 0; i < GridCellTotal; ++i)
            objectMoved = objectMoved || start.HasObject(i) != position.HasObject(i);
        QCOMPARE(made.push, objectMoved);
        position.Undo(made);
        QVERIFY(position == start);
    }

    void check_data()
    {
        QTest::addColumn<QStringList>("level");
        QTest::addColumn<Playability>("expected");
        Check("closed", "#####|#@$.#|#####", Playability::Playable);
        Check("gap in the wall", "## ##|#@$.#|#####", Playability::Open);
        Check("an object closes no gap", "##*##|#@$.#|#####", Playability::Open);
        Check("two men", "#####|#@$.@#|######", Playability::Invalid);
        Check("no target", "#####|#@  #|#####", Playability::Invalid);
        Check("more objects", "#####|#@$$.#|######", Playability::Invalid);
    }

    void check()
    {
        QFETCH(QStringList, level);
        QFETCH(Playability, expected);
        QCOMPARE(Level(level).Check(), expected);
        // On the grid's edge the man walks off, whatever the walls say.
        if (expected == Playability::Playable)
            QCOMPARE(Level(level.mid(1), 1).Check(), Playability::Open);
    }

    void walkAroundAnObject()
    {
        const GamePosition position = Level({ "#######", "#@$  .#", "#     #", "#######" });
        const auto walk = position.WalkTo(CellIndex(3, 4));
        // Round the object through the row below: three steps, that replay to the cell.
        QVERIFY(walk && walk->size() == 3);
        std::vector<GameMove> moves;
        for (Direction d : *walk)
            moves.push_back({ d, false });
        GamePosition walked = position;
        QVERIFY(Replay(walked, moves));
        QCOMPARE(walked.Man(), CellIndex(3, 4));
        QVERIFY(!position.WalkTo(CellIndex(3, 3))); // the object's own cell
    }

    void notation()
    {
        // "-": no solution. Blanks are skipped; the case tells a push from a step.
        const char* const cases[][2] = { { "qeadzc", "qeadzc" }, { "QEADZC", "QEADZC" },
            { "a d\r\nD", "adD" }, { "adx", "-" }, { "", "" } };
        for (const auto& [text, formatted] : cases) {
            const auto moves = ParseSolution(QString::fromLatin1(text));
            QCOMPARE(moves ? FormatSolution(*moves) : QStringLiteral("-"), QString(formatted));
        }
        const GamePosition start = Level({ "#####", "#@$.#", "#####" });
        GamePosition position = start;
        QVERIFY(!Replay(position, *ParseSolution("d"))); // a push written as a step
        position = start;
        QVERIFY(Replay(position, *ParseSolution("D")));
        QVERIFY(position.IsSolved());
        QCOMPARE(position.ObjectsOnTargets(), 1);
    }
};

QUOBIX_TEST(TestGamePosition)
#include "tst_GamePosition.moc"
