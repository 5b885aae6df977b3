#include "common/TestRegistry.h"
#include "editor/EditorTestSupport.h"
#include "geometry/GridGeometry.h"
#include "state/CoreState.h"

#include "editor/EditorState.h"
#include "editor/modQuobixEditorZN.h"
#include "level/LevelState.h"

#include <QTest>

using namespace quobix;

namespace {
bool InsideCell(int x, int y, int row, int cell)
{
    const int dx = x - geometry::CellX(row, cell);
    const int dy = y - geometry::CellY(row);
    return InsideCellOutline(dx, dy);
}

// The cell whose outline encloses the point, found by brute force; row 0 when none does.
std::pair<int, int> EnclosingCell(int x, int y)
{
    const int firstRow = std::max(1, (y - 26) / 20);
    for (int row = firstRow; row <= std::min(GridRows, y / 20 + 1); ++row)
        for (int cell = 1; cell <= GridCells; ++cell)
            if (InsideCell(x, y, row, cell))
                return { row, cell };
    return { 0, 0 };
}

std::pair<int, int> Hit(float x, float y)
{
    ValidLocation = true;
    geometry::HitTest(x, y);
    return ValidLocation ? std::make_pair(int(CurrentRow), int(CurrentCell)) : std::make_pair(0, 0);
}
}

class TestHitTest : public QObject {
    Q_OBJECT
private slots:
    void init() { InitCoreState(); }

    // Every integer point of the grid band selects exactly the cell whose outline encloses it,
    // and a point on an outline or outside every cell is an invalid location.
    void exhaustiveOverTheGridBand()
    {
        int mismatches = 0;
        QString first;
        for (int y = 1; y < 527; ++y)
            for (int x = -30; x <= 820; ++x) {
                const auto expected = EnclosingCell(x, y);
                const auto actual = Hit(float(x), float(y));
                if (expected != actual && mismatches++ == 0)
                    first = QStringLiteral("(%1, %2): expected %3/%4, got %5/%6")
                                .arg(x)
                                .arg(y)
                                .arg(expected.first)
                                .arg(expected.second)
                                .arg(actual.first)
                                .arg(actual.second);
            }
        QVERIFY2(mismatches == 0, qPrintable(first));
    }

    void boundaries_data()
    {
        QTest::addColumn<float>("x");
        QTest::addColumn<float>("y");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("cell");

        QTest::newRow("centre of row 1, cell 1") << 33.f << 14.f << 1 << 1;
        QTest::newRow("row 1 top outside its top") << 22.f << 3.f << 0 << 0;
        QTest::newRow("between two pointed bottoms") << 9.f + 12 + 24 << 20.f << 0 << 0;
        QTest::newRow("shared vertical outline") << 9.f + 24 << 30.f << 0 << 0;
        QTest::newRow("left of the first cell") << 9.f << 30.f << 0 << 0;
        QTest::newRow("right of the last cell") << 777.f << 30.f << 0 << 0;
        QTest::newRow("last cell of an odd row") << 776.f + 12 << 10.f << 1 << 32;
        QTest::newRow("left of the grid, pointed top") << 1.f << 40.f << 0 << 0;
        QTest::newRow("far left") << -100.f << 50.f << 0 << 0;
        // The upper part of a row-26 cell selects it like in every other row.
        QTest::newRow("row 26, pointed top") << 9.f + 12 << 502.f << 26 << 1;
        QTest::newRow("row 26, line 7") << 9.f + 12 << 507.f << 26 << 1;
        QTest::newRow("row 26, body") << 9.f + 12 << 515.f << 26 << 1;
        QTest::newRow("row 26, bottom tip") << 9.f + 12 << 526.f << 26 << 1;
        QTest::newRow("below row 26 between tips") << 9.f + 24 << 524.f << 0 << 0;
        // Coordinates round to the nearest integer, halves to even.
        QTest::newRow("x half rounds down to an outline") << 33.5f << 30.f << 0 << 0;
        QTest::newRow("x half rounds up into the cell") << 34.5f << 30.f << 2 << 2;
        QTest::newRow("y half rounds down, above the cell") << 23.f << 6.5f << 0 << 0;
        QTest::newRow("y half rounds up into the cell") << 23.f << 7.5f << 1 << 1;
    }

    void boundaries()
    {
        QFETCH(float, x);
        QFETCH(float, y);
        QFETCH(int, row);
        QFETCH(int, cell);
        QCOMPARE(Hit(x, y), std::make_pair(row, cell));
    }
};

QUOBIX_TEST(TestHitTest)
#include "tst_hitTest.moc"
