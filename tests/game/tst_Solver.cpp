#include "common/TestRegistry.h"
#include "common/TestSupport.h"
#include "game/GameTestSupport.h"

#include "game/SolutionNotation.h"
#include "game/SolveCommand.h"
#include "game/Solver.h"

#include <QByteArray>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>
#include <deque>
#include <future>
#include <thread>

using namespace quobix;
using namespace quobix::game;

namespace {

QString SampleLevel(const char* name)
{
    return QStringLiteral(QUOBIX_TEST_DATA "/../../levels/") + QLatin1String(name);
}

// The fewest pushes found by the plainest search there is: breadth first over every position
// of man and objects, a step costing nothing and a push one; -1 when no position is solved.
int BruteForcePushes(const GamePosition& start)
{
    auto key = [](const GamePosition& p) {
        QByteArray bytes(GridCellTotal + 2, '\0');
        for (int i = 0; i < GridCellTotal; ++i)
            bytes[i] = p.HasObject(i) ? 1 : 0;
        bytes[GridCellTotal] = static_cast<char>(p.Man() & 0xFF);
        bytes[GridCellTotal + 1] = static_cast<char>(p.Man() >> 8);
        return bytes;
    };
    QSet<QByteArray> seen;
    std::deque<std::pair<GamePosition, int>> queue { { start, 0 } };
    while (!queue.empty()) {
        const auto [position, pushes] = queue.front();
        queue.pop_front();
        if (seen.contains(key(position)))
            continue;
        seen.insert(key(position));
        if (position.IsSolved())
            return pushes;
        for (Direction d : geometry::AllDirections) {
            GamePosition next = position;
            GameMove move {};
            if (!next.Apply(d, &move))
                continue;
            if (move.push)
                queue.push_back({ next, pushes + 1 });
            else
                queue.push_front({ next, pushes });
        }
    }
    return -1;
}

// A closed room and a blind passage, one cell wide, with an object in it: the man can only
// push it further in, so no solution exists, and only a search over the other objects'
// positions shows it.
const QStringList SmallTrap = Rows("#########|#. .#####|# @$ $  #|#   #####|#########");

}

class TestSolver : public QObject {
    Q_OBJECT

private slots:

    void optimal_data()
    {
        QTest::addColumn<QStringList>("level"); // empty: the sample level named by the row
        QTest::addColumn<bool>("small"); // few enough positions for the breadth-first check
        // clang-format off
        QTest::newRow("first-steps.qbx") << QStringList {} << true;
        QTest::newRow("ring.qbx") << QStringList {} << true;
        QTest::newRow("honeycomb.xsb") << QStringList {} << false;
        QTest::newRow("full-grid.qbx") << QStringList {} << false;
        QTest::newRow("around a pillar") << Rows("########|#  .   #|# $# @ #|#  $ . #|########") << true;
        QTest::newRow("two rows") << Rows("########|#.   $ #|# $ @ .#|########") << true;
        // Two levels where a search led on by a bound that overestimates takes the long way.
        QTest::newRow("nearest target is wrong") << Rows("#########|#     . #|#     $@#|#   $.  #|"
                                                         "# #     #|#       #|#########") << true;
        QTest::newRow("detour") << Rows("#########|###   .##|#@  # # #|#  ###. #|"
                                        "# $  $  #|# # # # #|#########") << true;
        QTest::newRow("three objects") << Rows("########|#. $   #|#. $ # #|#. $ @ #|########") << true;
        // clang-format on
    }

    void optimal()
    {
        QFETCH(QStringList, level);
        QFETCH(bool, small);
        GamePosition start = Level(level);
        if (level.isEmpty()) {
            const auto sample = LoadLevelFile(SampleLevel(QTest::currentDataTag()));
            QVERIFY(sample);
            start = *sample;
        }
        const SolveResult result = Solve(start, SolverLimits {});
        QCOMPARE(result.outcome, SolveOutcome::Solved);
        if (small)
            QCOMPARE(result.pushes, BruteForcePushes(start));
        // The letters replay by the rules to a solved position, and count what they say.
        GamePosition replay = start;
        const auto moves = ParseSolution(result.solution);
        QVERIFY(moves && Replay(replay, *moves));
        QVERIFY(replay.IsSolved());
        QCOMPARE(result.moves, static_cast<int>(moves->size()));
        QCOMPARE(result.pushes,
            static_cast<int>(std::count_if(
                moves->begin(), moves->end(), [](const GameMove& m) { return m.push; })));
    }

    void unsolvable()
    {
        // The trap takes a search to know; an object in a corner is seen at once.
        for (const auto& [level, searches] :
            { std::pair { SmallTrap, true }, std::pair { Rows("######|#$ @.#|######"), false } }) {
            const SolveResult result = Solve(Level(level), SolverLimits {});
            QCOMPARE(result.outcome, SolveOutcome::Unsolvable);
            QCOMPARE(result.positionsSearched > 0, searches);
            QCOMPARE(BruteForcePushes(Level(level)), -1);
        }
    }

    void givesUpAtEachLimit()
    {
        const GamePosition level = Level(LargeTrap());
        for (const auto& [limits, limit] :
            { std::pair { SolverLimits { 0.2, 1 << 30 }, SolveLimit::Time },
                std::pair { SolverLimits { 60, 4 << 20 }, SolveLimit::Memory } }) {
            const SolveResult result = Solve(level, limits);
            QCOMPARE(result.outcome, SolveOutcome::GaveUp);
            QCOMPARE(result.limit, limit);
            QVERIFY(result.bytesStored <= limits.memoryBytes);
        }
        // Cancelled from another thread, it answers at once.
        SolveControl control;
        std::packaged_task<SolveResult()> task(
            [&] { return Solve(level, SolverLimits {}, &control); });
        std::future<SolveResult> done = task.get_future();
        std::thread worker(std::move(task));
        while (control.searched.load() == 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        control.cancel = true;
        const bool answered = done.wait_for(std::chrono::seconds(5)) == std::future_status::ready;
        worker.join();
        QVERIFY(answered);
        const SolveResult result = done.get();
        QCOMPARE(result.outcome, SolveOutcome::GaveUp);
        QCOMPARE(result.limit, SolveLimit::Cancelled);
    }
};

QUOBIX_TEST(TestSolver)

// quobix-editor --solve: one line per file on the output, messages apart, and the exit status.
class TestSolveCommand : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    void Write(const QString& name, const QByteArray& text) { WriteFile(dir.filePath(name), text); }

private slots:

    void lines_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        const auto row = [](const char* name, const char* files, const char* lines, int status,
                             const char* message = "") {
            QTest::newRow(name) << Rows(files) << Rows(lines) << status << QString(message);
        };
        const QByteArray solved = "solved.qbx: solved, pushes 1, moves 2, solution dD";
        row("solved", "solved.qbx", solved, 0);
        row("unsolvable", "corner.qbx", "corner.qbx: unsolvable", 1);
        row("no level", "words.qbx", "words.qbx: not read", 1,
            "words.qbx: Level Load Error: No quobix level found within the file.");
        row("two men", "men.xsb", "men.xsb: invalid level", 1,
            "men.xsb: Load Level Warning: The loaded level is invalid.");
        row("gave up", "large.qbx", "large.qbx: gave up, time limit 0.2 s", 1);
        row("one of two unsolved", "solved.qbx|corner.qbx", solved + "|corner.qbx: unsolvable", 1);
        row("the solved one last", "corner.qbx|solved.qbx", "corner.qbx: unsolvable|" + solved, 1);
    }

    void lines()
    {
        QFETCH(QStringList, files);
        QFETCH(QStringList, lines);
        QFETCH(int, status);
        QFETCH(QString, message);
        QVERIFY(dir.isValid());
        // QBX rows: the first holds its cells on the odd columns, the second on the even ones.
        Write("solved.qbx", " # # # # #\r\n# @   $ . #\r\n # # # # #\r\n");
        Write("corner.qbx", " # # # # #\r\n# $ @   . #\r\n # # # # #\r\n");
        Write("words.qbx", "Only words here.\r\n");
        Write("men.xsb", "######\r\n#@@$.#\r\n######\r\n");
        Write("large.qbx", QbxText(LargeTrap()));
        QStringList paths;
        for (const QString& file : files)
            paths << dir.filePath(file);

        QString output, errors;
        QTextStream out(&output), err(&errors);
        const SolverLimits limits { 0.2, std::size_t(1) << 30 };
        QCOMPARE(RunSolveCommand(paths, limits, out, err), status);
        QCOMPARE(output.replace(dir.path() + QLatin1Char('/'), QString()),
            lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
        QCOMPARE(errors.replace(dir.path() + QLatin1Char('/'), QString()),
            message.isEmpty() ? message : message + QLatin1Char('\n'));
    }
};

QUOBIX_TEST(TestSolveCommand)
#include "tst_Solver.moc"
