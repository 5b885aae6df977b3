#include "common/TestRegistry.h"
#include "common/TestSupport.h"
#include "editor/EditorTestSupport.h"
#include "geometry/GridGeometry.h"

#include "editor/GridCanvas.h"
#include "level/LevelState.h"
#include "skins/SkinKRV.h"
#include "skins/SkinState.h"

#include <QAction>
#include <QLineEdit>
#include <QTest>

using namespace quobix;

namespace {
QPoint Corner(int row, int cell) { return { geometry::CellX(row, cell), geometry::CellY(row) }; }

// The first pixel inside the cell's outline that differs from the picture, or "" when none.
QString InteriorMismatch(const QImage& screen, QPoint corner, const QImage& picture)
{
    for (int dy = 1; dy <= 26; ++dy)
        for (int dx = 0; dx <= 24; ++dx)
            if (InsideCellOutline(dx, dy)
                && screen.pixel(corner + QPoint(dx, dy)) != picture.pixel(dx, dy))
                return QStringLiteral("(%1, %2)").arg(dx).arg(dy);
    return {};
}
}

class TestDrawing : public QObject {
    Q_OBJECT
private slots:
    // A cell's hexagon is replaced whole, again and again, while the outline it shares with
    // its neighbours survives.
    void redrawnCellEqualsItsPicture()
    {
        auto window = MakeMainWindow();
        const QImage& screen = window->Canvas()->Backing();
        const QPoint corner = Corner(6, 10);
        QImage before = screen.copy();
        for (int round = 0; round < 3; ++round)
            for (qint16 code : { 2, 1, 6, 4, 3, 5, 0 }) {
                SymbolPicture = SkinPictures[code];
                window->ShowSymbol(float(corner.x()), float(corner.y()));
                const QString mismatch = InteriorMismatch(screen, corner, *SkinPictures[code]);
                QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
            }
        // Back to Floor: the picture is pixel for pixel the empty grid again.
        for (int y = corner.y() - 30; y < corner.y() + 60; ++y)
            for (int x = corner.x() - 30; x < corner.x() + 60; ++x)
                QVERIFY2(screen.pixel(x, y) == before.pixel(x, y),
                    qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
    }

    void neighboursKeepTheirLook()
    {
        auto window = MakeMainWindow();
        SetGrid(
            { QStringLiteral(" $ $ $"), QStringLiteral("$ $ $ $"), QStringLiteral(" $ $ $") }, 1);
        window->ShowLevelInGrid();
        const QImage& screen = window->Canvas()->Backing();
        const QImage before = screen.copy();
        SymbolPicture = SkinPictures[1];
        window->ShowSymbol(float(Corner(2, 2).x()), float(Corner(2, 2).y()));
        for (int row = 1; row <= 3; ++row)
            for (int cell = 1; cell <= 4; ++cell) {
                if (row == 2 && cell == 2)
                    continue;
                const QPoint corner = Corner(row, cell);
                for (int dy = 1; dy <= 26; ++dy)
                    for (int dx = 0; dx <= 24; ++dx)
                        if (InsideCellOutline(dx, dy))
                            QCOMPARE(screen.pixel(corner + QPoint(dx, dy)),
                                before.pixel(corner + QPoint(dx, dy)));
            }
    }

    void wholeGridRedrawShowsEveryCell()
    {
        auto window = MakeMainWindow();
        SetGrid({ QStringLiteral(" # $ @ . * +") }, 25);
        SetGrid({ QStringLiteral(" # $ @ . * +"), QStringLiteral("# . *") }, 25);
        window->ShowLevelInGrid();
        const QImage& screen = window->Canvas()->Backing();
        for (int cell = 1; cell <= 6; ++cell)
            QVERIFY(InteriorMismatch(screen, Corner(25, cell), *SkinPictures[cell]).isEmpty());
        QVERIFY(InteriorMismatch(screen, Corner(26, 2), *SkinPictures[4]).isEmpty());
        QCOMPARE(window->txtTargets->text(), QStringLiteral("Targets = 5"));
    }

    void skinChangeRedrawsTheLevelInTheNewLook()
    {
        auto window = MakeMainWindow();
        SetGrid({ QStringLiteral(" * @ #") }, 13);
        window->ShowLevelInGrid();
        CurrentSymbol = 2;
        window->SetSymbolToShow();
        const QImage krvLook = window->Canvas()->Backing().copy();
        SkinWindow* krv = CurrentSkin;

        window->mnuTLM->trigger();
        QVERIFY(window->mnuTLM->isChecked() && !window->mnuKRV->isChecked());
        const QImage& screen = window->Canvas()->Backing();
        QCOMPARE(screen.pixel(100, 100), SkinPictures[7]->pixel(96, 100));
        for (int cell = 1; cell <= 3; ++cell) {
            const int code = SymbolCodeOf(CharAt(LevelLines[1][13], CellPosition(13, cell)));
            QVERIFY(InteriorMismatch(screen, Corner(13, cell), *SkinPictures[code]).isEmpty());
        }
        for (int slot = 0; slot < 7; ++slot)
            QVERIFY(
                InteriorMismatch(screen, QPoint(28 * slot, 530), *SkinPictures[slot]).isEmpty());
        QCOMPARE(window->txtSelected->text(), QStringLiteral("Object selected"));
        QCOMPARE(window->txtTargets->text(), QStringLiteral("Targets = 1"));
        QCOMPARE(SymbolPicture, SkinPictures[2]);

        window->mnuKRV->trigger();
        QCOMPARE(CurrentSkin, krv); // made once at start-up, then reused
        QCOMPARE(window->Canvas()->Backing(), krvLook);
    }

    void choosingTheCheckedSkinRepaintsNothing()
    {
        auto window = MakeMainWindow();
        QImage& screen = window->Canvas()->Backing();
        screen.setPixel(100, 100, qRgb(1, 2, 3));
        window->mnuKRV->trigger();
        QVERIFY(window->mnuKRV->isChecked());
        QCOMPARE(screen.pixel(100, 100), qRgb(1, 2, 3));
    }
};

QUOBIX_TEST(TestDrawing)
#include "tst_drawing.moc"
