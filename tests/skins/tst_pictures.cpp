#include "common/GuiSupport.h"
#include "common/TestRegistry.h"

#include "skins/SkinState.h"

#include <QAction>
#include <QTest>

using namespace quobix;

namespace {
constexpr QRgb White = 0xffffffff;
const QStringList Names { "Floor", "Wall", "Object", "Man", "Target", "ObjectOnTarget",
    "ManOnTarget" };
}

// The pictures of each skin as the editor holds them once the skin is chosen from the menu.
class TestPictures : public QObject {
    Q_OBJECT

private slots:
    void pictures_data()
    {
        QTest::addColumn<int>("skin");
        QTest::newRow("KRV") << 0;
        QTest::newRow("TLM") << 1;
        QTest::newRow("BNZ") << 2;
    }

    void pictures()
    {
        QFETCH(int, skin);
        {
            const auto window = MainWindow(false);
            QList<QAction*> { window->mnuKRV, window->mnuTLM, window->mnuBNZ }[skin]->trigger();
        }
        const bool darkOutline = skin != 1;
        QList<QImage> symbols;
        for (int s = 0; s < Names.size(); ++s) {
            symbols << (SkinPictures[s] ? *SkinPictures[s] : QImage());
            QCOMPARE(symbols[s].size(), QSize(25, 28));
            // The editor ANDs the whole rectangle in: anything but white outside the hexagon
            // stains the neighbours, white on the outline is a gap, white inside shows what the
            // editor whitened below. On the light skins the floor's outline is dark.
            for (int y = 0; y < 28; ++y)
                for (int x = 0; x < 25; ++x) {
                    const PicturePart kind = PartOfCellPicture(x, y);
                    const QRgb pixel = symbols[s].pixel(x, y);
                    if ((pixel == White) != (kind == PicturePart::Outside)
                        || (s == 0 && darkOutline && kind == PicturePart::Outline
                            && qGray(pixel) >= 64))
                        QFAIL(qPrintable(QString("%1 at %2,%3").arg(Names[s]).arg(x).arg(y)));
                }
        }

        // Two symbols alike in one skin would make a level unreadable.
        for (const QImage& symbol : symbols)
            QCOMPARE(symbols.count(symbol), 1);

        // The empty grid: Floor in all 26 x 32 cells and no frame: white around them on light
        // skins, the floor's colour on the dark one.
        const QImage& floor = symbols[0];
        QImage expected(790, 528, QImage::Format_RGB32);
        expected.fill(darkOutline ? White : floor.pixel(12, 14));
        for (int row = 1; row <= 26; ++row)
            for (int column = 1; column <= 32; ++column) {
                const QPoint origin = geometry::Cell { row, column }.Corner()
                    - QPoint(geometry::GridPictureLeft, 0);
                for (int y = 0; y < 28; ++y)
                    for (int x = 0; x < 25; ++x)
                        if (PartOfCellPicture(x, y) != PicturePart::Outside)
                            expected.setPixel(origin + QPoint(x, y), floor.pixel(x, y));
            }
        QCOMPARE(
            SkinPictures[EmptyGridPicture] ? *SkinPictures[EmptyGridPicture] : QImage(), expected);
    }
};

QUOBIX_TEST(TestPictures)
#include "tst_pictures.moc"
