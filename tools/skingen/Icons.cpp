#include "Icons.h"

#include "Render.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QSaveFile>
#include <QTransform>
#include <cmath>
#include <functional>

namespace skingen {

namespace {

    constexpr double Pi = 3.14159265358979323846;

    constexpr int ButtonSize = 21;
    const QPointF ButtonCentre(10.5, 10.5);
    const QColor Ink(38, 42, 54);

    // An arrow pointing up with its tip at the origin: a head and a shaft, one outline so that
    // the antialiasing has no seam where they meet.
    QPainterPath Arrow(double length, double headLength, double headWidth, double shaftWidth)
    {
        QPainterPath path;
        path.moveTo(0, 0);
        path.lineTo(headWidth / 2, headLength);
        path.lineTo(shaftWidth / 2, headLength);
        path.lineTo(shaftWidth / 2, length);
        path.lineTo(-shaftWidth / 2, length);
        path.lineTo(-shaftWidth / 2, headLength);
        path.lineTo(-headWidth / 2, headLength);
        path.closeSubpath();
        return path;
    }

    // Heads at both ends of one shaft, pointing up and down.
    QPainterPath DoubleArrow(double length, double headLength, double headWidth, double shaft)
    {
        const double half = length / 2;
        QPainterPath path;
        path.moveTo(0, -half);
        path.lineTo(headWidth / 2, -half + headLength);
        path.lineTo(shaft / 2, -half + headLength);
        path.lineTo(shaft / 2, half - headLength);
        path.lineTo(headWidth / 2, half - headLength);
        path.lineTo(0, half);
        path.lineTo(-headWidth / 2, half - headLength);
        path.lineTo(-shaft / 2, half - headLength);
        path.lineTo(-shaft / 2, -half + headLength);
        path.lineTo(-headWidth / 2, -half + headLength);
        path.closeSubpath();
        return path;
    }

    void FillPath(QPainter& p, const QPainterPath& path, const QTransform& place)
    {
        p.setPen(Qt::NoPen);
        p.setBrush(Ink);
        p.drawPath(place.map(path));
    }

    // Direction 0 is north, then clockwise in steps of 45 degrees.
    void PaintDirection(QPainter& p, int direction)
    {
        // Diagonal arrows run along the longer diagonal of the square, so they get a little
        // more length to look as strong as the straight ones.
        const bool diagonal = direction % 2 == 1;
        const double length = diagonal ? 17.0 : 16.0;
        QTransform place;
        place.translate(ButtonCentre.x(), ButtonCentre.y());
        place.rotate(45.0 * direction);
        place.translate(0, -length / 2);
        FillPath(p, Arrow(length, 7.0, 12.0, 4.0), place);
    }

    void PaintCentre(QPainter& p)
    {
        p.setPen(Qt::NoPen);
        p.setBrush(Ink);
        p.drawRect(QRectF(8, 8, 5, 5));
        for (int side = 0; side < 4; ++side) {
            QTransform place;
            place.translate(ButtonCentre.x(), ButtonCentre.y());
            place.rotate(90.0 * side);
            // Pointing inwards: tip just short of the square, tail at the button's edge.
            place.translate(0, -3.8);
            place.rotate(180);
            FillPath(p, Arrow(6.2, 3.6, 6.4, 2.0), place);
        }
    }

    void PaintRotate(QPainter& p)
    {
        const double radius = 6.2;
        // Clockwise from the right all the way round to the top, leaving a gap for the
        // head to point into.
        constexpr double start = 0, sweep = -270;
        QPainterPath arc;
        const QRectF box(
            ButtonCentre.x() - radius, ButtonCentre.y() - radius, 2 * radius, 2 * radius);
        arc.arcMoveTo(box, start);
        arc.arcTo(box, start, sweep);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Ink, 2.6, Qt::SolidLine, Qt::FlatCap));
        p.drawPath(arc);

        // Qt's angles run anticlockwise with y up; turn the arrow from pointing up to the
        // clockwise tangent at the end of the arc.
        const double end = (start + sweep) * Pi / 180.0;
        const QPointF at(
            ButtonCentre.x() + radius * std::cos(end), ButtonCentre.y() - radius * std::sin(end));
        QTransform place;
        place.translate(at.x(), at.y());
        place.rotate(180.0 - (start + sweep));
        place.translate(0, -4.4);
        QPainterPath head;
        head.moveTo(0, 0);
        head.lineTo(3.9, 5.8);
        head.lineTo(-3.9, 5.8);
        head.closeSubpath();
        FillPath(p, head, place);
    }

    void PaintFlip(QPainter& p, bool vertical)
    {
        QTransform place;
        place.translate(ButtonCentre.x(), ButtonCentre.y());
        if (!vertical)
            place.rotate(90);
        FillPath(p, DoubleArrow(18.0, 6.5, 11.0, 3.6), place);
    }

    QString SavePng(const QImage& image, const QString& path)
    {
        if (!QDir().mkpath(QFileInfo(path).absolutePath()))
            return QStringLiteral("cannot make the folder of %1").arg(path);
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly)
            || !image.convertToFormat(QImage::Format_ARGB32).save(&file, "PNG") || !file.commit())
            return QStringLiteral("%1: %2").arg(path, file.errorString());
        return {};
    }

    // The program's mark: three hexagonal cells, one a wall and two with the balls of the game.
    void PaintMark(QPainter& p, const QRectF& area)
    {
        const double root3 = std::sqrt(3.0);
        // Three cells in a triangle are 2·√3 radii wide and 3.5 radii high, plus the outline.
        const double radius = std::min(area.width() / (2 * root3 + 0.3), area.height() / 3.8);
        const QPointF middle = area.center();
        const double outline = std::max(radius * 0.14, 0.9);

        const auto hexagon = [&](QPointF centre) {
            QPolygonF shape;
            for (int i = 0; i < 6; ++i) {
                const double angle = (60.0 * i - 90.0) * Pi / 180.0;
                shape << centre + QPointF(std::cos(angle), std::sin(angle)) * radius;
            }
            return shape;
        };
        const QPointF top = middle + QPointF(0, -0.75 * radius);
        const QPointF left = middle + QPointF(-root3 / 2 * radius, 0.75 * radius);
        const QPointF right = middle + QPointF(root3 / 2 * radius, 0.75 * radius);

        const auto cell = [&](QPointF centre, const QColor& fill) {
            p.setPen(
                QPen(QColor(28, 30, 36), outline, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
            p.setBrush(fill);
            p.drawPolygon(hexagon(centre));
        };
        cell(top, QColor(0, 153, 204));
        cell(left, QColor(221, 221, 221));
        cell(right, QColor(0, 187, 0));

        // The wall cell gets a lit upper edge so that it reads as raised even at 16 pixels.
        p.setPen(Qt::NoPen);
        QLinearGradient lit(top + QPointF(0, -radius), top + QPointF(0, radius));
        lit.setColorAt(0.0, QColor(120, 206, 240));
        lit.setColorAt(0.55, QColor(0, 153, 204, 0));
        p.setBrush(lit);
        p.drawPolygon(hexagon(top));

        const auto ball
            = [&](QPointF centre, const QColor& light, const QColor& body, const QColor& dark) {
                  const double r = radius * 0.56;
                  QRadialGradient shade(centre, r, centre + QPointF(-0.38 * r, -0.42 * r));
                  shade.setColorAt(0.0, light);
                  shade.setColorAt(0.55, body);
                  shade.setColorAt(1.0, dark);
                  p.setPen(Qt::NoPen);
                  p.setBrush(shade);
                  p.drawEllipse(centre, r, r);
              };
        ball(left, QColor(255, 176, 160), QColor(222, 32, 28), QColor(128, 0, 0));
        ball(right, QColor(255, 248, 196), QColor(246, 206, 28), QColor(176, 124, 0));
    }

} // namespace

QString WriteIcons(const QString& sourceRoot)
{
    const QDir root(sourceRoot);
    struct Button {
        const char* name;
        std::function<void(QPainter&)> paint;
    };
    const Button buttons[] = {
        { "center", PaintCentre },
        { "n", [](QPainter& p) { PaintDirection(p, 0); } },
        { "ne", [](QPainter& p) { PaintDirection(p, 1); } },
        { "e", [](QPainter& p) { PaintDirection(p, 2); } },
        { "se", [](QPainter& p) { PaintDirection(p, 3); } },
        { "s", [](QPainter& p) { PaintDirection(p, 4); } },
        { "sw", [](QPainter& p) { PaintDirection(p, 5); } },
        { "w", [](QPainter& p) { PaintDirection(p, 6); } },
        { "nw", [](QPainter& p) { PaintDirection(p, 7); } },
        { "rotate", PaintRotate },
        { "flipv", [](QPainter& p) { PaintFlip(p, true); } },
        { "fliph", [](QPainter& p) { PaintFlip(p, false); } },
    };
    for (const Button& button : buttons) {
        const QImage image = Render(ButtonSize, ButtonSize, Qt::transparent, button.paint);
        const QString error = SavePng(image,
            root.filePath(QStringLiteral("src/ui/dialogs/pictures/%1.png").arg(button.name)));
        if (!error.isEmpty())
            return error;
    }

    const auto mark = [](int width, int height) {
        return Render(width, height, Qt::transparent,
            [&](QPainter& p) { PaintMark(p, QRectF(0, 0, width, height)); });
    };
    QString error
        = SavePng(mark(32, 24), root.filePath(QStringLiteral("src/ui/windows/pictures/icon.png")));
    for (int size : { 16, 32, 48, 64, 128, 256 }) {
        if (!error.isEmpty())
            return error;
        error = SavePng(mark(size, size),
            root.filePath(
                QStringLiteral("packaging/icons/hicolor/%1x%1/apps/quobix-editor.png").arg(size)));
    }
    return error;
}

} // namespace skingen
