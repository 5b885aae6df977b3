#include "common/TestRegistry.h"
#include "common/TestSupport.h"
#include "game/GameTestSupport.h"

#include "game/PositionStore.h"
#include "game/SolutionNotation.h"
#include "game/SolveCommand.h"
#include "game/Solver.h"
#include "game/SolverBoard.h"

#include <QByteArray>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <array>
#include <chrono>
#include <cstring>
#include <future>
#include <thread>

using namespace quobix;
using namespace quobix::game;

namespace {

QString SampleLevel(const char* name)
{
    return QStringLiteral(QUOBIX_TEST_DATA "/../../levels/") + QLatin1String(name);
}

// A closed room and a blind passage, one cell wide, with an object in it: the man can only
// push it further in, so no solution exists.
const QStringList SmallTrap = Rows("#########|#. .#####|# @$ $  #|#   #####|#########");

}

class TestSolver : public QObject {
    Q_OBJECT

private slots:

    void optimal_data()
    {
        QTest::addColumn<QStringList>("level"); // empty: the sample level named by the row
        // The fewest pushes, found once by PlainPushSearch (minutes for the larger levels);
        // -1: found by it now.
        QTest::addColumn<int>("pushes");
        // clang-format off
        QTest::newRow("first-steps.qbx") << QStringList {} << -1;
        QTest::newRow("ring.qbx") << QStringList {} << -1;
        QTest::newRow("honeycomb.xsb") << QStringList {} << 9;
        QTest::newRow("full-grid.qbx") << QStringList {} << 2;
        QTest::newRow("around a pillar") << Rows("########|#  .   #|# $# @ #|#  $ . #|########") << -1;
        QTest::newRow("two rows") << Rows("########|#.   $ #|# $ @ .#|########") << -1;
        // Two levels where a search led on by a bound that overestimates takes the long way.
        QTest::newRow("nearest target is wrong") << Rows("#########|#     . #|#     $@#|#   $.  #|"
                                                         "# #     #|#       #|#########") << -1;
        QTest::newRow("detour") << Rows("#########|###   .##|#@  # # #|#  ###. #|"
                                        "# $  $  #|# # # # #|#########") << -1;
        QTest::newRow("three objects") << Rows("########|#. $   #|#. $ # #|#. $ @ #|########") << -1;
        // Without partial expansion, these come out in the fewest pushes only if a position
        // found again by fewer pushes takes the lower count.
        QTest::newRow("found again, shorter") << Rows("#######|## # .#|#  .$ #|## $ ##|#  $.@#|#######") << -1;
        QTest::newRow("found again, two targets") << Rows("#########|#    .  #|## $  .$#|#   ## @#|#     ###|#########") << -1;
        // Pushes that part the man's area in two.
        QTest::newRow("parted area") << Rows("#########|#########|######  #|##@$ . ##|# *#.####|#   $####|##*#  ###|# *# ####|## ######|#########") << -1;
        QTest::newRow("parted area, five objects") << Rows("##########|##########|###.######|# # ######|#   $##  #|###     .#|##### $#$#|####+$. ##|####*   ##|##### # ##|#######  #|##########") << -1;
        QTest::newRow("six objects in passages") << Rows("##########|##########|### #  ###|### # # ##|###$  ##.#|#   #  . #|#  #. # ##|##      .#|#####@$$ #|#####    #|##     $ #|##*##$# ##|######.###|####  ####|##########") << 15;
        QTest::newRow("six objects, a long way") << Rows("#############|###### ######|####### #####|## # #   ####|###   $# ## #|## #@$ # # ##|# #   $    .#|#*.    #  $##|###. $# ##  #|## . ####  ##|####.########|#############") << 16;
        QTest::newRow("five objects in passages") << Rows("#############|#############|#######@#####|## ###$$.####|###    # ####|## #$  # # ##|###     $   #|# .    #  .##|### $ #.##  #|##.  ####  ##|#############") << 14;
        QTest::newRow("five objects in a room") << Rows("#############|#############|#####   #####|####   $ ####|# ##    $ ###|#  #.      ##|##  .    #  #|###   ..   ##|#### $    . #|####    $ ###|######  $ ###|######    ###|########  @ #|#########   #|#############") << 14;
        // clang-format on
    }

    void optimal()
    {
        QFETCH(QStringList, level);
        QFETCH(int, pushes);
        GamePosition start = Level(level);
        if (level.isEmpty()) {
            const auto sample = LoadLevelFile(SampleLevel(QTest::currentDataTag()));
            QVERIFY(sample);
            start = *sample;
        }
        const SolveResult result = Solve(start, SolverLimits {});
        QCOMPARE(result.outcome, SolveOutcome::Solved);
        QCOMPARE(result.pushes, pushes >= 0 ? pushes : PlainPushSearch(start).Pushes());
        // The letters replay by the rules to a solved position, and count what they say.
        GamePosition replay = start;
        const auto moves = ParseSolution(result.solution);
        QVERIFY(moves && Replay(replay, *moves));
        QVERIFY(replay.IsSolved());
        QCOMPARE(result.moves, static_cast<int>(moves->size()));
        QCOMPARE(result.pushes,
            static_cast<int>(std::count_if(
                moves->begin(), moves->end(), [](const GameMove& m) { return m.push; })));
        // Each technique can be switched off to measure what it brings; none may change the
        // push count.
        for (bool SolverTechniques::*technique :
            { &SolverTechniques::startChecks, &SolverTechniques::corrals,
                &SolverTechniques::partialExpansion, &SolverTechniques::incrementalBound,
                &SolverTechniques::localArea, &SolverTechniques::ordering }) {
            SolverTechniques without;
            without.*technique = false;
            const SolveResult other = Solve(start, SolverLimits {}, without);
            QCOMPARE(other.outcome, SolveOutcome::Solved);
            QCOMPARE(other.pushes, result.pushes);
        }
    }

    // On every position from which the level can be solved, the bound is at most the fewest
    // pushes left, and one push brings the bound its assignment would have from scratch.
    void boundNeverOverestimates_data()
    {
        QTest::addColumn<QStringList>("level");
        QTest::newRow("around a pillar") << Rows("########|#  .   #|# $# @ #|#  $ . #|########");
        QTest::newRow("nearest target is wrong") << Rows("#######|#   . #|#   $@#|# $.  #|#######");
        QTest::newRow("three objects") << Rows("#######|#. $  #|#. $# #|#. $@ #|#######");
        QTest::newRow("trap") << SmallTrap;
    }

    void boundNeverOverestimates()
    {
        QFETCH(QStringList, level);
        const GamePosition start = Level(level);
        const SolverBoard board(start);
        const PlainPushSearch plain(start);
        Assignment work, fresh;
        auto cellsOf = [&](const PlainPushSearch::Key& key) {
            std::vector<int> cells;
            for (auto at = key.begin(); at + 1 != key.end(); ++at)
                cells.push_back(board.CellOfGridIndex(*at));
            return cells;
        };
        int tight = 0;
        for (const auto& [key, left] : plain.DistancesToSolved()) {
            const std::vector<int> cells = cellsOf(key);
            const int n = static_cast<int>(cells.size());
            const int bound = board.LowerBound(cells.data(), n, work);
            QVERIFY2(bound <= left, qPrintable(QStringLiteral("%1 > %2").arg(bound).arg(left)));
            tight += bound == left;
            for (const PlainPushSearch::Key& after : plain.Moves(key, true)) {
                const std::vector<int> next = cellsOf(after);
                int i = 0;
                while (std::binary_search(next.begin(), next.end(), cells[i]))
                    ++i;
                int moved = 0;
                while (std::binary_search(cells.begin(), cells.end(), next[moved]))
                    ++moved;
                const int exact = board.LowerBound(next.data(), n, fresh);
                QCOMPARE(work.TryRow(i, board.DistanceRow(next[moved])), exact);
                QVERIFY(work.RowBound(i, board.DistanceRow(next[moved])) <= exact);
            }
        }
        QVERIFY(tight > 10);
    }

    void unsolvable_data()
    {
        QTest::addColumn<QStringList>("level");
        QTest::addColumn<bool>("searches"); // false: decided before any search
        // clang-format off
        QTest::newRow("object in a corner") << Rows("######|#$ @.#|######") << false;
        // Every object the man can reach is on a target: not "solved, pushes 0".
        QTest::newRow("object out of reach") << Rows("#########|#@ *  . #|#########|# $ #####|#########") << false;
        QTest::newRow("trap") << SmallTrap << false;
        QTest::newRow("jammed") << Rows("########|########|## *####|# @ ####|# #$   #|### $.##|#####  #|#####.##|########") << true;
        // clang-format on
    }

    void unsolvable()
    {
        QFETCH(QStringList, level);
        QFETCH(bool, searches);
        const SolveResult result = Solve(Level(level), SolverLimits {});
        QCOMPARE(result.outcome, SolveOutcome::Unsolvable);
        QCOMPARE(result.positionsSearched > 0, searches);
        QCOMPARE(PlainPushSearch(Level(level)).Pushes(), -1);
    }

    void givesUpAtEachLimit()
    {
        const GamePosition level = Level(HardLevel());
        for (const auto& [limits, limit] :
            { std::pair { SolverLimits { 0.2, 1 << 30 }, SolveLimit::Time },
                std::pair { SolverLimits { 60, 1 << 18 }, SolveLimit::Memory } }) {
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

    // Through every growth of its index the store finds each position it holds, and no other.
    void storeFindsWhatItHolds()
    {
        constexpr int Bytes = 5;
        PositionStore store(Bytes, std::size_t(1) << 30, nullptr);
        auto key = [](std::uint32_t n) {
            std::array<unsigned char, Bytes> bytes {};
            std::memcpy(bytes.data(), &n, sizeof n);
            return bytes;
        };
        auto find = [&](std::uint32_t n) {
            const auto k = key(n);
            store.PrefetchSlot(PositionStore::Hash(k.data(), Bytes));
            store.PrefetchRecord(PositionStore::Hash(k.data(), Bytes));
            return store.Find(k.data(), PositionStore::Hash(k.data(), Bytes));
        };
        for (std::uint32_t n = 0; n < 300000; ++n) {
            const auto k = key(n * 7);
            QCOMPARE(store.Add(k.data(), PositionStore::Hash(k.data(), Bytes), int(n % 100), 0), n);
        }
        for (std::uint32_t n = 0; n < 300000; ++n) {
            QCOMPARE(find(n * 7), n);
            QCOMPARE(store.Pushes(n), int(n % 100));
            QCOMPARE(find(n * 7 + 1), PositionStore::None);
        }
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
        Write("large.qbx", QbxText(HardLevel()));
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
