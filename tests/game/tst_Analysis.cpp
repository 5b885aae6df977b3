#include "common/TestRegistry.h"
#include "game/GameTestSupport.h"

#include "game/Analysis.h"
#include "game/SolutionNotation.h"

#include <QRandomGenerator>
#include <QTest>
#include <deque>
#include <set>

using namespace quobix::game;

namespace {
// The dead cells by brute force: from every floor cell, every place of the man and every
// position of that one object and the man is searched until the object stands on a target.
std::array<bool, GridCellTotal> DeadByBruteForce(const GamePosition& level)
{
    std::set<int> area { level.Man() }; // the man's area, objects not in his way
    for (std::deque<int> todo { level.Man() }; !todo.empty(); todo.pop_front())
        for (Direction d : quobix::geometry::AllDirections) {
            const int next = NeighbourIndex(todo.front(), d);
            if (next >= 0 && !level.IsWall(next) && area.insert(next).second)
                todo.push_back(next);
        }
    std::array<bool, GridCellTotal> dead {};
    for (int cell = 0; cell < GridCellTotal; ++cell) {
        if ((!area.count(cell) && !level.HasObject(cell)) || level.IsTarget(cell))
            continue;
        std::set<std::pair<int, int>> seen; // (object, man)
        std::deque<std::pair<int, int>> todo;
        for (int man : area)
            if (man != cell && seen.insert({ cell, man }).second)
                todo.push_back({ cell, man });
        bool reached = false;
        for (; !todo.empty() && !reached; todo.pop_front()) {
            const auto [object, man] = todo.front();
            reached = level.IsTarget(object);
            for (Direction d : quobix::geometry::AllDirections) {
                const int next = NeighbourIndex(man, d);
                if (next < 0 || level.IsWall(next))
                    continue;
                std::pair<int, int> after { object, next };
                if (next == object) {
                    const int beyond = NeighbourIndex(object, d);
                    if (beyond < 0 || level.IsWall(beyond))
                        continue;
                    after = { beyond, object };
                }
                if (seen.insert(after).second)
                    todo.push_back(after);
            }
        }
        dead[cell] = !reached;
    }
    return dead;
}

// A closed room of 7 rows of 9 cells with walls, targets and objects scattered at random.
GamePosition RandomRoom(QRandomGenerator& random)
{
    QStringList rows;
    for (int r = 0; r < 9; ++r) {
        QString row;
        for (int c = 0; c < 11; ++c) {
            const bool border = r == 0 || r == 8 || c == 0 || c == 10;
            const int roll = random.bounded(20);
            row += border || roll < 5 ? '#' : roll < 7 ? '.' : roll < 9 ? '$' : ' ';
        }
        rows << row;
    }
    rows[1 + random.bounded(7)][1 + random.bounded(9)] = '@';
    return Level(rows);
}
}

class TestAnalysis : public QObject {
    Q_OBJECT

private slots:
    void validityInWords()
    {
        const struct {
            int men, objects, targets;
            const char* words;
        } cases[] = { { 1, 3, 3, "Valid" }, { 2, 3, 3, "2 men" }, { 0, 1, 1, "no man" },
            { 1, 5, 6, "5 objects, 6 targets" }, { 1, 0, 0, "no target" },
            { 1, 1, 0, "1 object, no target" }, { 3, 1, 2, "3 men; 1 object, 2 targets" } };
        for (const auto& c : cases)
            QCOMPARE(ValidityText(c.men, c.objects, c.targets), c.words);
    }

    // The rule, against a search of every position of one object and the man: a pull back from
    // the targets that ignores the man's way round the object would call some of these alive.
    void deadCellsAsBruteForceFinds()
    {
        QList<GamePosition> levels { Level(
                                         Rows("#########|#.  $   #|# ### # #|#  @    #|#########")),
            // A dead end that an object enters and cannot leave, and a target behind a pillar.
            Level(Rows("########|#. #   #|# # @ ##|#   $ .#|########")) };
        QRandomGenerator random(20261207);
        for (int k = 0; k < 60; ++k)
            levels << RandomRoom(random);
        int dead = 0;
        for (const GamePosition& level : levels) {
            const DeadCells found = FindDeadCells(level);
            QCOMPARE(found.dead, DeadByBruteForce(level));
            dead += found.count;
            QCOMPARE(found.count, int(std::count(found.dead.begin(), found.dead.end(), true)));
        }
        QVERIFY(dead > 100); // the rooms have traps enough to tell the rules apart
    }

    // Objects off target that can never move again, or stand on a dead cell, are framed.
    void stuckObjects()
    {
        // Two objects side by side against the top wall, one free object, one on a target.
        const GamePosition level = Level(Rows("#######|# $$ *#|#  $ .#|# . @.#|#######"));
        const std::vector<int> stuck = StuckObjects(level, FindDeadCells(level));
        QCOMPARE(stuck, (std::vector<int> { CellIndex(3, 3), CellIndex(3, 4) }));
    }

    // Pushes of the upper object, the lower twice, then the upper again: two changes.
    void objectChanges()
    {
        const GamePosition level = Level(Rows("######|#@$ .#|# $ .#|######"));
        QCOMPARE(ObjectChanges(level, ParseSolution("DazDDqD").value()), 2);
        QCOMPARE(ObjectChanges(level, ParseSolution("DazD").value()), 1);
    }
};

QUOBIX_TEST(TestAnalysis)
#include "tst_Analysis.moc"
