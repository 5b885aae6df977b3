#include "Skins.h"

#include "CellShape.h"
#include "GifWriter.h"
#include "Render.h"

#include <QDir>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <array>
#include <cmath>
#include <functional>
#include <vector>

namespace skingen {

namespace {

    constexpr double Pi = 3.14159265358979323846;

    using Layer = std::function<void(QPainter&)>;
    using OutlineColour = std::function<QRgb(int x, int y)>;

    // The middle of the cell, between pixel rows 13 and 14.
    const QPointF Centre(12.5, 14.0);
    constexpr double BallRadius = 8.0;

    // A fixed-seed generator so that the speckles land on the same pixels every run.
    class Random {
    public:
        explicit Random(quint32 seed)
            : m_state(seed)
        {
        }
        double next()
        {
            m_state = m_state * 1664525u + 1013904223u;
            return (m_state >> 8) / double(1u << 24);
        }

    private:
        quint32 m_state;
    };

    void FillHexagon(QPainter& p, double inset, const QColor& colour)
    {
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawPolygon(Hexagon(inset));
    }

    // Six sloping faces between two hexagons, one colour per side, clockwise from the
    // upper right.
    void Bevel(QPainter& p, double outer, double inner, const std::array<QColor, 6>& side)
    {
        const QPolygonF a = Hexagon(outer), b = Hexagon(inner);
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 6; ++i) {
            const int j = (i + 1) % 6;
            p.setBrush(side[i]);
            p.drawPolygon(QPolygonF({ a[i], a[j], b[j], b[i] }));
        }
    }

    struct BallLook {
        QColor light, body, dark, rim;
        QColor speckle;
        int speckles = 0;
        quint32 seed = 1;
        int shadow = 0; // alpha of the shadow on the ground
        bool gloss = false;
    };

    void PaintBall(QPainter& p, const BallLook& look)
    {
        const double r = BallRadius;
        p.setPen(Qt::NoPen);
        if (look.shadow > 0) {
            const QPointF at = Centre + QPointF(1.3, 1.6);
            QRadialGradient shade(at, r + 0.8);
            shade.setColorAt(0.0, QColor(0, 0, 0, look.shadow));
            shade.setColorAt(0.8, QColor(0, 0, 0, look.shadow * 2 / 3));
            shade.setColorAt(1.0, QColor(0, 0, 0, 0));
            p.setBrush(shade);
            p.drawEllipse(at, r + 0.8, r + 0.8);
        }

        QRadialGradient body(Centre, r, Centre + QPointF(-0.38 * r, -0.42 * r));
        body.setColorAt(0.0, look.light);
        body.setColorAt(0.55, look.body);
        body.setColorAt(1.0, look.dark);
        p.setBrush(body);
        p.drawEllipse(Centre, r, r);

        const QPointF shine = Centre + QPointF(-0.36 * r, -0.40 * r);
        Random random(look.seed);
        p.setBrush(look.speckle);
        for (int placed = 0; placed < look.speckles;) {
            const double angle = random.next() * 2 * Pi;
            const double distance = std::sqrt(random.next()) * 0.82 * r;
            const double size = 0.36 + 0.26 * random.next();
            const QPointF at = Centre + QPointF(std::cos(angle), std::sin(angle)) * distance;
            // Speckles in the highlight would look like dirt on the glass.
            if (QLineF(at, shine).length() < 0.45 * r)
                continue;
            p.drawEllipse(at, size, size);
            ++placed;
        }

        if (look.gloss) {
            // A faint reflected light along the lower right makes the ball look lacquered.
            QRadialGradient back(Centre + QPointF(0.45 * r, 0.5 * r), 0.55 * r);
            QColor glow = look.light;
            glow.setAlpha(110);
            back.setColorAt(0.0, glow);
            glow.setAlpha(0);
            back.setColorAt(1.0, glow);
            p.setBrush(back);
            p.drawEllipse(Centre, r - 0.6, r - 0.6);
        }

        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(look.rim, 0.8));
        p.drawEllipse(Centre, r - 0.4, r - 0.4);
        p.setPen(Qt::NoPen);

        // Near-white, never white: white inside the cell would let the grid show through.
        QRadialGradient spot(shine, 0.34 * r);
        spot.setColorAt(0.0, QColor(254, 254, 254, look.gloss ? 250 : 225));
        spot.setColorAt(0.45, QColor(254, 254, 254, look.gloss ? 200 : 120));
        spot.setColorAt(1.0, QColor(254, 254, 254, 0));
        p.setBrush(spot);
        p.save();
        p.translate(shine);
        p.rotate(-35);
        p.drawEllipse(QPointF(0, 0), 0.34 * r, 0.24 * r);
        p.restore();
    }

    // Flat discs for the dark skin, crisp like an old arcade screen.
    void PaintDisc(QPainter& p, const QColor& fill, const QColor& rim, double rimWidth)
    {
        p.setPen(Qt::NoPen);
        p.setBrush(rim);
        p.drawEllipse(Centre, BallRadius, BallRadius);
        p.setBrush(fill);
        p.drawEllipse(Centre, BallRadius - rimWidth, BallRadius - rimWidth);
    }

    struct Skin {
        QString folder;
        QRgb gridBackground;
        OutlineColour outline;
        Layer floor, wall, target, object, man;
    };

    QRgb Black(int, int) { return qRgb(0, 0, 0); }

    Skin Krv()
    {
        Skin s;
        s.folder = QStringLiteral("krv");
        s.gridBackground = qRgb(255, 255, 255);
        s.outline = Black;
        const QColor ground(221, 221, 221);
        s.floor = [ground](QPainter& p) { FillHexagon(p, 0, ground); };
        s.wall = [](QPainter& p) {
            FillHexagon(p, 0, QColor(0, 153, 204));
            Bevel(p, 0.3, 2.0,
                { QColor(50, 178, 222), QColor(0, 112, 160), QColor(0, 100, 146),
                    QColor(0, 128, 176), QColor(70, 188, 230), QColor(104, 204, 238) });
        };
        s.target = [ground](QPainter& p) {
            FillHexagon(p, 0, QColor(0, 187, 0));
            FillHexagon(p, 3.0, ground);
        };
        BallLook yellow;
        yellow.light = QColor(255, 248, 196);
        yellow.body = QColor(246, 206, 28);
        yellow.dark = QColor(176, 124, 0);
        yellow.rim = QColor(128, 88, 0);
        yellow.speckle = QColor(136, 80, 0, 220);
        yellow.speckles = 14;
        yellow.seed = 1907;
        yellow.shadow = 70;
        s.object = [yellow](QPainter& p) { PaintBall(p, yellow); };
        BallLook red;
        red.light = QColor(255, 176, 160);
        red.body = QColor(222, 32, 28);
        red.dark = QColor(128, 0, 0);
        red.rim = QColor(90, 0, 0);
        red.shadow = 70;
        s.man = [red](QPainter& p) { PaintBall(p, red); };
        return s;
    }

    Skin Tlm()
    {
        Skin s;
        s.folder = QStringLiteral("tlm");
        s.gridBackground = qRgb(0, 0, 0);
        // Grey dots on the six corners only; each is shared by three cells, so the empty grid
        // reads as a sparse lattice of points.
        s.outline = [](int x, int y) {
            const bool corner
                = (x == 12 && (y == 0 || y == 27)) || ((x == 0 || x == 24) && (y == 7 || y == 20));
            return corner ? qRgb(198, 198, 198) : qRgb(0, 0, 0);
        };
        s.floor = [](QPainter& p) { FillHexagon(p, 0, Qt::black); };
        s.wall = [](QPainter& p) {
            FillHexagon(p, 0, QColor(150, 150, 150));
            Bevel(p, 0.3, 4.0,
                { QColor(124, 124, 124), QColor(92, 92, 92), QColor(76, 76, 76),
                    QColor(168, 168, 168), QColor(200, 200, 200), QColor(226, 226, 226) });
        };
        const QColor olive(132, 132, 0);
        s.target = [olive](QPainter& p) {
            FillHexagon(p, 0, QColor(220, 0, 0));
            FillHexagon(p, 1.5, olive);
        };
        s.object = [](QPainter& p) { PaintDisc(p, QColor(40, 240, 40), QColor(220, 0, 0), 1.6); };
        s.man = [](QPainter& p) {
            PaintDisc(p, QColor(150, 8, 8), QColor(196, 40, 40), 1.0);
            // Checks of two by two whole pixels, so that they stay sharp at this size.
            QPainterPath disc;
            disc.addEllipse(Centre, BallRadius - 1.0, BallRadius - 1.0);
            p.save();
            p.setClipPath(disc);
            p.setBrush(QColor(88, 0, 0));
            for (int y = 4; y < 24; y += 2) {
                for (int x = 4; x < 22; x += 2) {
                    if ((x + y) % 4 == 0)
                        p.drawRect(QRectF(x, y, 2, 2));
                }
            }
            p.restore();
        };
        return s;
    }

    Skin Bnz()
    {
        Skin s;
        s.folder = QStringLiteral("bnz");
        s.gridBackground = qRgb(255, 255, 255);
        s.outline = Black;
        const QColor ground(177, 211, 234);
        s.floor = [ground](QPainter& p) { FillHexagon(p, 0, ground); };
        s.wall = [](QPainter& p) {
            // A block seen from above: top face mid blue, left face light, right face dark.
            const QPolygonF h = Hexagon(0);
            const QPointF middle(12.5, 16);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(24, 72, 156));
            p.drawPolygon(h);
            p.setBrush(QColor(118, 178, 238));
            p.drawPolygon(QPolygonF({ h[5], middle, h[3], h[4] }));
            p.setBrush(QColor(56, 126, 208));
            p.drawPolygon(QPolygonF({ h[5], h[0], h[1], middle }));
        };
        s.target = [](QPainter& p) { FillHexagon(p, 0, QColor(0, 204, 0)); };
        BallLook gold;
        gold.light = QColor(255, 244, 180);
        gold.body = QColor(232, 172, 36);
        gold.dark = QColor(150, 96, 8);
        gold.rim = QColor(110, 66, 0);
        gold.speckle = QColor(255, 236, 150, 200);
        gold.speckles = 14;
        gold.seed = 4242;
        gold.shadow = 80;
        gold.gloss = true;
        s.object = [gold](QPainter& p) { PaintBall(p, gold); };
        BallLook red;
        red.light = QColor(255, 150, 146);
        red.body = QColor(214, 18, 40);
        red.dark = QColor(112, 0, 16);
        red.rim = QColor(80, 0, 10);
        red.shadow = 80;
        red.gloss = true;
        s.man = [red](QPainter& p) { PaintBall(p, red); };
        return s;
    }

    // Content where the shape says interior, the skin's outline on the outline, white outside.
    QImage Cell(const Skin& skin, std::initializer_list<Layer> layers)
    {
        const QImage content = Render(CellWidth, CellHeight, Qt::white, [&](QPainter& p) {
            for (const Layer& layer : layers)
                layer(p);
        });
        QImage cell(CellWidth, CellHeight, QImage::Format_RGB32);
        for (int y = 0; y < CellHeight; ++y) {
            for (int x = 0; x < CellWidth; ++x) {
                QRgb colour = qRgb(255, 255, 255);
                switch (PartAt(x, y)) {
                case CellPart::Outside:
                    break;
                case CellPart::Outline:
                    colour = skin.outline(x, y);
                    break;
                case CellPart::Inside:
                    colour = content.pixel(x, y) | 0xff000000;
                    if (colour == qRgb(255, 255, 255))
                        colour = qRgb(254, 254, 254);
                    break;
                }
                cell.setPixel(x, y, colour);
            }
        }
        return cell;
    }

    // Every cell of the grid is the Floor picture; cells share their outline pixels, and a
    // shared pixel must come out the same from both sides or the grid would show seams.
    QString Grid(const Skin& skin, const QImage& floor, QImage& grid)
    {
        grid = QImage(GridWidth, GridHeight, QImage::Format_RGB32);
        grid.fill(skin.gridBackground);
        std::vector<bool> painted(size_t(GridWidth) * GridHeight, false);
        for (int row = 1; row <= GridRows; ++row) {
            for (int column = 1; column <= GridColumns; ++column) {
                const QPoint origin = CellOrigin(row, column);
                for (int y = 0; y < CellHeight; ++y) {
                    for (int x = 0; x < CellWidth; ++x) {
                        if (PartAt(x, y) == CellPart::Outside)
                            continue;
                        const QPoint at = origin + QPoint(x, y);
                        if (!grid.rect().contains(at))
                            return QStringLiteral("cell %1,%2 leaves the grid")
                                .arg(row)
                                .arg(column);
                        const QRgb colour = floor.pixel(x, y);
                        const size_t index = size_t(at.y()) * GridWidth + at.x();
                        if (painted[index] && grid.pixel(at) != colour)
                            return QStringLiteral("%1: cells disagree at %2,%3")
                                .arg(skin.folder)
                                .arg(at.x())
                                .arg(at.y());
                        painted[index] = true;
                        grid.setPixel(at, colour);
                    }
                }
            }
        }
        return {};
    }

} // namespace

QString WriteSkins(const QString& folder)
{
    for (const Skin& skin : { Krv(), Tlm(), Bnz() }) {
        const QString dir = QDir(folder).filePath(skin.folder);
        if (!QDir().mkpath(dir))
            return QStringLiteral("cannot make %1").arg(dir);
        const std::array<std::pair<const char*, QImage>, 7> symbols { {
            { "Floor", Cell(skin, { skin.floor }) },
            { "Wall", Cell(skin, { skin.wall }) },
            { "Object", Cell(skin, { skin.floor, skin.object }) },
            { "Man", Cell(skin, { skin.floor, skin.man }) },
            { "Target", Cell(skin, { skin.target }) },
            { "ObjectOnTarget", Cell(skin, { skin.target, skin.object }) },
            { "ManOnTarget", Cell(skin, { skin.target, skin.man }) },
        } };
        QImage floor;
        for (const auto& [name, image] : symbols) {
            const IndexedPicture picture = Quantise(image);
            if (floor.isNull())
                floor = picture.toImage();
            const QString error = WriteGif(
                QDir(dir).filePath(QString::fromLatin1(name) + QStringLiteral(".gif")), picture);
            if (!error.isEmpty())
                return error;
        }
        QImage grid;
        QString error = Grid(skin, floor, grid);
        if (error.isEmpty())
            error = WriteGif(QDir(dir).filePath(QStringLiteral("Grid.gif")), Quantise(grid));
        if (!error.isEmpty())
            return error;
    }
    return {};
}

} // namespace skingen
