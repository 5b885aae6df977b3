#include "common/TestRegistry.h"
#include "game/GameTestSupport.h"

#include "game/SolutionNotation.h"
#include "geometry/GridGeometry.h"

#include <QHash>
#include <QTest>

using namespace quobix::game;
using quobix::geometry::AllDirections;
using quobix::geometry::Cell;

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
    // Every neighbour's picture sits one cell away: 24 pixels along the row, or 20 pixels up or
    // down with half a cell (12 pixels) of shear; a direction with no such cell on the grid has
    // no neighbour.
    void neighboursAreOneCellApart()
    {
        const QPoint away[]
            = { { -12, -20 }, { 12, -20 }, { -24, 0 }, { 24, 0 }, { -12, 20 }, { 12, 20 } };
        QHash<QPoint, Cell> atCorner;
        for (int index = 0; index < GridCellTotal; ++index)
            atCorner.insert(Cell::OfIndex(index).Corner(), Cell::OfIndex(index));
        for (int index = 0; index < GridCellTotal; ++index)
            for (Direction d : AllDirections) {
                const Cell here = Cell::OfIndex(index);
                const auto expected = atCorner.find(here.Corner() + away[int(d)]);
                const auto next = here.Neighbour(d);
                QVERIFY2(expected == atCorner.end() ? !next : next && *next == *expected,
                    qPrintable(
                        QStringLiteral("%1,%2 %3").arg(here.row).arg(here.cell).arg(int(d))));
                QCOMPARE(NeighbourIndex(index, d), next ? next->Index() : -1);
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
