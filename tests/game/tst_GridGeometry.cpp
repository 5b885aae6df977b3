#include "common/TestRegistry.h"

#include "geometry/GridGeometry.h"
#include "level/LevelState.h"

#include <QTest>

using namespace quobix::geometry;

Q_DECLARE_METATYPE(Direction)

class TestGridGeometry : public QObject {
    Q_OBJECT

private slots:
    void neighbour_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("cell");
        QTest::addColumn<Direction>("direction");
        QTest::addColumn<int>("toRow"); // 0: past the edge
        QTest::addColumn<int>("toCell");
        // An odd row stands half a cell right: above and below it touches c and c + 1.
        QTest::newRow("odd NW") << 5 << 10 << Direction::NorthWest << 4 << 10;
        QTest::newRow("odd NE") << 5 << 10 << Direction::NorthEast << 4 << 11;
        QTest::newRow("odd W") << 5 << 10 << Direction::West << 5 << 9;
        QTest::newRow("odd E") << 5 << 10 << Direction::East << 5 << 11;
        QTest::newRow("odd SW") << 5 << 10 << Direction::SouthWest << 6 << 10;
        QTest::newRow("odd SE") << 5 << 10 << Direction::SouthEast << 6 << 11;
        // An even row touches c - 1 and c.
        QTest::newRow("even NW") << 6 << 10 << Direction::NorthWest << 5 << 9;
        QTest::newRow("even NE") << 6 << 10 << Direction::NorthEast << 5 << 10;
        QTest::newRow("even SW") << 6 << 10 << Direction::SouthWest << 7 << 9;
        QTest::newRow("even SE") << 6 << 10 << Direction::SouthEast << 7 << 10;
        QTest::newRow("row 1 NE") << 1 << 5 << Direction::NorthEast << 0 << 0;
        QTest::newRow("row 26 SW") << 26 << 5 << Direction::SouthWest << 0 << 0;
        QTest::newRow("cell 1 W") << 7 << 1 << Direction::West << 0 << 0;
        QTest::newRow("cell 32 E") << 8 << 32 << Direction::East << 0 << 0;
        QTest::newRow("odd cell 32 SE") << 7 << 32 << Direction::SouthEast << 0 << 0;
        QTest::newRow("odd cell 1 SW") << 7 << 1 << Direction::SouthWest << 8 << 1;
        QTest::newRow("even cell 1 NW") << 8 << 1 << Direction::NorthWest << 0 << 0;
        QTest::newRow("even cell 32 NE") << 8 << 32 << Direction::NorthEast << 7 << 32;
    }

    void neighbour()
    {
        QFETCH(int, row);
        QFETCH(int, cell);
        QFETCH(Direction, direction);
        QFETCH(int, toRow);
        QFETCH(int, toCell);
        const auto next = Neighbour(row, cell, direction);
        QCOMPARE(next.has_value(), toRow != 0);
        if (next)
            QCOMPARE((*next), (GridCell { toRow, toCell }));
    }

    void everyStepLeadsBack()
    {
        // Touching is mutual: the opposite direction returns to the start, over the whole grid.
        for (int row = 1; row <= quobix::GridRows; ++row)
            for (int cell = 1; cell <= quobix::GridCells; ++cell)
                for (Direction d : AllDirections)
                    if (const auto next = Neighbour(row, cell, d)) {
                        const auto back = Neighbour(next->row, next->cell, Opposite(d));
                        QVERIFY(back && *back == (GridCell { row, cell }));
                    }
    }
};

QUOBIX_TEST(TestGridGeometry)
#include "tst_GridGeometry.moc"
