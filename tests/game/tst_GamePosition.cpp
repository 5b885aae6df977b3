#include "common/TestRegistry.h"
#include "game/GameTestSupport.h"

#include "game/SolutionNotation.h"

#include <QTest>

using namespace quobix::game;

Q_DECLARE_METATYPE(Direction)
Q_DECLARE_METATYPE(Playability)

class TestGamePosition : public QObject {
    Q_OBJECT

private slots:
    void rules_data()
    {
        QTest::addColumn<QStringList>("level");
        QTest::addColumn<Direction>("direction");
        QTest::addColumn<QStringList>("after"); // empty: the move is not allowed
        const auto E = Direction::East;
        QTest::newRow("step") << QStringList { "#@ .#" } << E << QStringList { "# @.#" };
        QTest::newRow("step onto target")
            << QStringList { "#.@#" } << Direction::West << QStringList { "#+ #" };
        QTest::newRow("into a wall") << QStringList { "#@#" } << E << QStringList {};
        QTest::newRow("push") << QStringList { "#@$ #" } << E << QStringList { "# @$#" };
        QTest::newRow("push onto target")
            << QStringList { "#@$.#" } << E << QStringList { "# @*#" };
        QTest::newRow("push off target") << QStringList { "#@* #" } << E << QStringList { "# +$#" };
        QTest::newRow("push into a wall") << QStringList { "#@$#" } << E << QStringList {};
        QTest::newRow("two objects in a row") << QStringList { "#@$$ #" } << E << QStringList {};
        // From the odd row 3 south-east goes to the same cell number, from the even row 4 too.
        QTest::newRow("push south-east across rows") << QStringList { "#@  #", "# $ #",
            "#   #" } << Direction::SouthEast << QStringList { "#   #", "# @ #", "# $ #" };
        QTest::newRow("push north-west into a wall")
            << QStringList { "##  #", "# $ #", "# @ #" } << Direction::NorthWest << QStringList {};
        QTest::newRow("push north-east")
            << QStringList { "#   #", "# $ #", "#@  #" } << Direction::NorthEast
            << QStringList { "# $ #", "# @ #", "#   #" };
    }

    void rules()
    {
        QFETCH(QStringList, level);
        QFETCH(Direction, direction);
        QFETCH(QStringList, after);
        // Row 3 first: an odd row, so that the rows' shifts are as the comments say.
        const GamePosition start = Level(level, 3);
        GamePosition position = start;
        GameMove made {};
        QCOMPARE(position.Apply(direction, &made), !after.isEmpty());
        if (after.isEmpty()) {
            QVERIFY(position == start);
            return;
        }
        QVERIFY(position == Level(after, 3));
        bool objectMoved = false;
        for (int i = 0; i < GridCellTotal; ++i)
            objectMoved = objectMoved || start.HasObject(i) != position.HasObject(i);
        QCOMPARE(made.push, objectMoved);
        position.Undo(made);
        QVERIFY(position == start);
    }

    void noStepOffTheGrid()
    {
        GamePosition position = Level({ "@ $." }, 1);
        QVERIFY(!position.Apply(Direction::NorthWest));
        QVERIFY(!position.Apply(Direction::West));
    }

    void check_data()
    {
        QTest::addColumn<QStringList>("level");
        QTest::addColumn<Playability>("expected");
        const QStringList closed { "#####", "#@$.#", "#####" };
        QTest::newRow("closed") << closed << Playability::Playable;
        QTest::newRow("gap in the wall")
            << QStringList { "## ##", "#@$.#", "#####" } << Playability::Open;
        QTest::newRow("an object does not close a gap")
            << QStringList { "##*##", "#@$.#", "#####" } << Playability::Open;
        QTest::newRow("two men") << QStringList { "#####", "#@$.@#", "######" }
                                 << Playability::Invalid;
        QTest::newRow("no target")
            << QStringList { "#####", "#@  #", "#####" } << Playability::Invalid;
        QTest::newRow("more objects")
            << QStringList { "#####", "#@$$.#", "######" } << Playability::Invalid;
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
        QVERIFY(walk);
        // Round the object through the row below: three steps.
        QCOMPARE(walk->size(), std::size_t(3));
        GamePosition walked = position;
        QVERIFY(Replay(walked, [&] {
            std::vector<GameMove> moves;
            for (Direction d : *walk)
                moves.push_back({ d, false });
            return moves;
        }()));
        QCOMPARE(walked.Man(), CellIndex(3, 4));
        QVERIFY(!position.WalkTo(CellIndex(3, 3))); // the object's own cell
    }

    void notation_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("formatted"); // "-": no solution
        QTest::newRow("steps") << "qeadzc"
                               << "qeadzc";
        QTest::newRow("pushes") << "QEADZC"
                                << "QEADZC";
        QTest::newRow("blanks skipped") << "a d\r\nD"
                                        << "adD";
        QTest::newRow("unknown letter") << "adx"
                                        << "-";
        QTest::newRow("empty") << ""
                               << "";
    }

    void notation()
    {
        QFETCH(QString, text);
        QFETCH(QString, formatted);
        const auto moves = ParseSolution(text);
        QCOMPARE(moves ? FormatSolution(*moves) : QStringLiteral("-"), formatted);
    }

    void replayChecksTheCase()
    {
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
