#pragma once

#include <QImage>
#include <QPainter>
#include <QString>

namespace helpgen {

// A help page being laid out: white paper, headings, wrapped text and framed screenshots.
class PageCanvas {
public:
    explicit PageCanvas(QSize size);

    void Title(const QString& text);
    // Wraps html (bold, italics, line breaks, short lists) into the column at (x, y); returns
    // the y just below it.
    int Text(int x, int y, int width, const QString& html);
    // Draws a screenshot with a thin frame; returns where it landed, frame excluded.
    QRect Shot(const QImage& shot, int x, int y);
    // A screenshot of a window, with a title bar carrying its caption above it; returns the
    // whole window's place.
    QRect Window(const QImage& shot, const QString& title, int x, int y);
    // A small caption centred under a screenshot; returns the y below it.
    int Caption(const QRect& under, const QString& text);
    // A cell of the grid's shape, pointed at top and bottom; radius runs from centre to corner.
    void Hexagon(QPointF centre, double radius, const QColor& fill);
    // A ball, as the skins draw the man.
    void Ball(QPointF centre, double radius, const QColor& colour);
    // One line of text placed in box as flags say.
    void Label(const QRectF& box, int flags, const QString& text, int pixels, bool bold = false,
        const QColor& colour = QColor(0x20, 0x20, 0x20));

    QImage Result();

private:
    QImage paper;
    QPainter painter;
};

} // namespace helpgen
