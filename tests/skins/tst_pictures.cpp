#include "common/TestRegistry.h"
#include "geometry/GridGeometry.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTest>

namespace {

const QStringList Skins { QStringLiteral("krv"), QStringLiteral("tlm"), QStringLiteral("bnz") };
const QStringList Symbols { QStringLiteral("Floor"), QStringLiteral("Wall"),
    QStringLiteral("Object"), QStringLiteral("Man"), QStringLiteral("Target"),
    QStringLiteral("ObjectOnTarget"), QStringLiteral("ManOnTarget") };

constexpr QRgb White = 0xffffffff;

QString PicturePath(const QString& skin, const QString& name)
{
    return QStringLiteral(QUOBIX_TEST_DATA "/../../src/ui/skins/pictures/%1/%2.gif")
        .arg(skin, name);
}

// Where a pixel of a 25 x 28 cell picture lies, written out from the editor's side: the interior
// is the mask the editor whitens before it ANDs a picture in, the outline is what cells share.
enum class Part { Outside, Outline, Interior };

Part PartAt(int x, int y)
{
    // Inclusive interior columns of rows 0..13; rows 14..27 mirror them.
    static const int interior[14][2]
        = { { 1, 0 }, { 11, 13 }, { 10, 14 }, { 8, 16 }, { 7, 17 }, { 5, 19 }, { 4, 20 }, { 2, 22 },
              { 1, 23 }, { 1, 23 }, { 1, 23 }, { 1, 23 }, { 1, 23 }, { 1, 23 } };
    // First column of the left outline in rows 0..13; the right outline mirrors it.
    static const int outline[14] = { 11, 9, 8, 6, 5, 3, 2, 0, 0, 0, 0, 0, 0, 0 };
    const int row = y < 14 ? y : 27 - y;
    if (x >= interior[row][0] && x <= interior[row][1])
        return Part::Interior;
    const int column = x <= 12 ? x : 24 - x;
    const int width = row == 0 ? 3 : row < 8 ? 2 : 1;
    if (column >= outline[row] && column < outline[row] + width)
        return Part::Outline;
    return Part::Outside;
}

QPoint CellOrigin(int row, int column)
{
    using namespace quobix::geometry;
    return QPoint(CellX(row, column) - GridPictureLeft, CellY(row));
}

// Qt reads the transparent index as alpha 0; painting over white gives back the white it stands
// for, whatever colour Qt leaves in those pixels.
QImage ReadFlat(const QString& path)
{
    const QImage read(path);
    if (read.isNull())
        return read;
    QImage flat(read.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, read);
    return flat;
}

QString Where(int x, int y) { return QStringLiteral(" at %1,%2").arg(x).arg(y); }

} // namespace

class TestPictures : public QObject {
    Q_OBJECT

private slots:
    void fileFormat_data();
    void fileFormat();
    void symbolShape_data();
    void symbolShape();
    void symbolsDiffer_data();
    void symbolsDiffer();
    void gridCells_data();
    void gridCells();
};

void TestPictures::fileFormat_data()
{
    QTest::addColumn<QString>("skin");
    QTest::addColumn<QString>("name");
    for (const QString& skin : Skins) {
        for (const QString& name : Symbols + QStringList { QStringLiteral("Grid") })
            QTest::newRow(qPrintable(skin + QLatin1Char('/') + name)) << skin << name;
    }
}

void TestPictures::fileFormat()
{
    QFETCH(QString, skin);
    QFETCH(QString, name);
    QFile file(PicturePath(skin, name));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    const QByteArray bytes = file.readAll();
    const auto byte = [&bytes](int i) { return i < bytes.size() ? quint8(bytes[i]) : -1; };

    QCOMPARE(bytes.left(6), QByteArray("GIF89a"));
    const bool grid = name == QLatin1String("Grid");
    QCOMPARE(byte(6) | byte(7) << 8, grid ? 790 : 25);
    QCOMPARE(byte(8) | byte(9) << 8, grid ? 528 : 28);
    const int packed = byte(10);
    QVERIFY2(packed & 0x80, "no global colour table");
    QCOMPARE(packed & 0x07, 7); // 2^(7+1) = 256 entries

    // Walk the extensions before the first image to find the transparent index; it must be the
    // white that fills the corners, or the corners would not AND away.
    constexpr int tableStart = 13;
    int at = tableStart + 3 * 256;
    int transparent = -1;
    while (byte(at) == 0x21) {
        const int label = byte(at + 1);
        if (label == 0xf9 && byte(at + 2) == 4 && (byte(at + 3) & 1))
            transparent = byte(at + 6);
        at += 2;
        while (byte(at) > 0)
            at += 1 + byte(at);
        QVERIFY2(byte(at) == 0, "file ends inside an extension");
        ++at;
    }
    QCOMPARE(byte(at), 0x2c); // the image descriptor
    QVERIFY2(transparent >= 0, "no transparent colour");
    const int entry = tableStart + 3 * transparent;
    QCOMPARE(QList<int>({ byte(entry), byte(entry + 1), byte(entry + 2) }),
        QList<int>({ 255, 255, 255 }));

    QImage image(file.fileName());
    QVERIFY2(!image.isNull(), "Qt cannot read it");
    QCOMPARE(image.size(), grid ? QSize(790, 528) : QSize(25, 28));
}

void TestPictures::symbolShape_data()
{
    QTest::addColumn<QString>("skin");
    QTest::addColumn<QString>("name");
    for (const QString& skin : Skins) {
        for (const QString& name : Symbols)
            QTest::newRow(qPrintable(skin + QLatin1Char('/') + name)) << skin << name;
    }
}

void TestPictures::symbolShape()
{
    QFETCH(QString, skin);
    QFETCH(QString, name);
    const QImage image = ReadFlat(PicturePath(skin, name));
    QCOMPARE(image.size(), QSize(25, 28));
    QString fault;
    for (int y = 0; y < 28 && fault.isEmpty(); ++y) {
        for (int x = 0; x < 25 && fault.isEmpty(); ++x) {
            const bool white = image.pixel(x, y) == White;
            switch (PartAt(x, y)) {
            case Part::Outside:
                // The editor ANDs the whole rectangle into the grid; anything but pure white
                // here would stain the neighbouring cells.
                if (!white)
                    fault = QStringLiteral("not white outside the hexagon") + Where(x, y);
                break;
            case Part::Outline:
                if (white)
                    fault = QStringLiteral("gap in the outline") + Where(x, y);
                break;
            case Part::Interior:
                // The interior is whitened first, so white in the picture shows what is below.
                if (white)
                    fault = QStringLiteral("white inside the hexagon") + Where(x, y);
                break;
            }
        }
    }
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
}

void TestPictures::symbolsDiffer_data()
{
    QTest::addColumn<QString>("skin");
    for (const QString& skin : Skins)
        QTest::newRow(qPrintable(skin)) << skin;
}

void TestPictures::symbolsDiffer()
{
    // Two symbols that look alike in the same skin make a level unreadable.
    QFETCH(QString, skin);
    QList<QImage> images;
    for (const QString& name : Symbols)
        images << ReadFlat(PicturePath(skin, name));
    for (int i = 0; i < images.size(); ++i) {
        for (int j = i + 1; j < images.size(); ++j) {
            int different = 0;
            for (int y = 0; y < 28; ++y) {
                for (int x = 0; x < 25; ++x)
                    different += images[i].pixel(x, y) != images[j].pixel(x, y);
            }
            QVERIFY2(different >= 40,
                qPrintable(Symbols[i] + QStringLiteral(" and ") + Symbols[j]
                    + QStringLiteral(" differ in %1 pixels only").arg(different)));
        }
    }
}

void TestPictures::gridCells_data()
{
    QTest::addColumn<QString>("skin");
    for (const QString& skin : Skins)
        QTest::newRow(qPrintable(skin)) << skin;
}

void TestPictures::gridCells()
{
    // An untouched cell of the grid and a cell painted with Floor must be indistinguishable,
    // outline included, in every one of the 26 x 32 cells.
    QFETCH(QString, skin);
    const QImage grid = ReadFlat(PicturePath(skin, QStringLiteral("Grid")));
    const QImage floor = ReadFlat(PicturePath(skin, QStringLiteral("Floor")));
    QCOMPARE(grid.size(), QSize(790, 528));
    QCOMPARE(floor.size(), QSize(25, 28));
    const bool darkOutline = skin != QLatin1String("tlm");

    QImage covered(grid.size(), QImage::Format_Grayscale8);
    covered.fill(0);
    QString fault;
    for (int row = 1; row <= 26 && fault.isEmpty(); ++row) {
        for (int column = 1; column <= 32 && fault.isEmpty(); ++column) {
            const QPoint origin = CellOrigin(row, column);
            for (int y = 0; y < 28 && fault.isEmpty(); ++y) {
                for (int x = 0; x < 25 && fault.isEmpty(); ++x) {
                    const Part part = PartAt(x, y);
                    if (part == Part::Outside)
                        continue;
                    const QPoint at = origin + QPoint(x, y);
                    const QRgb pixel = grid.pixel(at);
                    const auto where = [&] {
                        return QStringLiteral(" in cell %1,%2").arg(row).arg(column) + Where(x, y);
                    };
                    if (part == Part::Outline && pixel == White)
                        fault = QStringLiteral("gap in the outline") + where();
                    else if (part == Part::Outline && darkOutline && qGray(pixel) >= 64)
                        fault = QStringLiteral("pale outline") + where();
                    else if (pixel != floor.pixel(x, y))
                        fault = QStringLiteral("differs from Floor") + where();
                    covered.scanLine(at.y())[at.x()] = 1;
                }
            }
        }
    }
    QVERIFY2(fault.isEmpty(), qPrintable(fault));

    // Around the cells the grid is one plain colour: white on the light skins, and on the dark
    // skin its floor colour, so that the board has no frame.
    const QRgb margin = darkOutline ? White : floor.pixel(12, 14);
    for (int y = 0; y < grid.height() && fault.isEmpty(); ++y) {
        for (int x = 0; x < grid.width() && fault.isEmpty(); ++x) {
            if (!covered.constScanLine(y)[x] && grid.pixel(x, y) != margin)
                fault = QStringLiteral("stray colour outside the cells") + Where(x, y);
        }
    }
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
}

QUOBIX_TEST(TestPictures)

#include "tst_pictures.moc"
