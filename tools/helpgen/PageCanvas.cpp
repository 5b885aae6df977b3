#include "PageCanvas.h"

#include <QAbstractTextDocumentLayout>
#include <QTextDocument>
#include <QtMath>
#include <cmath>

namespace helpgen {

namespace {
    QFont PageFont(int pixels, bool bold = false)
    {
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPixelSize(pixels);
        font.setBold(bold);
        font.setHintingPreference(QFont::PreferFullHinting);
        return font;
    }

    const QColor Ink(0x20, 0x20, 0x20);
    const QColor Heading(0x1f, 0x3a, 0x6e);
}

PageCanvas::PageCanvas(QSize size)
    : paper(size, QImage::Format_RGB32)
{
    paper.fill(Qt::white);
    painter.begin(&paper);
    painter.setRenderHint(QPainter::TextAntialiasing);
}

void PageCanvas::Title(const QString& text)
{
    painter.setFont(PageFont(17, true));
    painter.setPen(Heading);
    painter.drawText(QRect(10, 6, paper.width() - 20, 24), Qt::AlignLeft | Qt::AlignVCenter, text);
    painter.fillRect(10, 31, paper.width() - 20, 1, Heading);
}

int PageCanvas::Text(int x, int y, int width, const QString& html)
{
    QTextDocument document;
    document.setDocumentMargin(0);
    document.setDefaultFont(PageFont(12));
    document.setDefaultStyleSheet(QStringLiteral(
        "h3 { color: #1f3a6e; font-size: 13px; margin-top: 0px; margin-bottom: 2px; }"
        "p { margin-top: 0px; margin-bottom: 5px; }"
        "ul { margin-top: 0px; margin-bottom: 5px; margin-left: 0px; -qt-list-indent: 1; }"
        "li { margin-bottom: 1px; }"
        "code { font-family: 'Liberation Mono'; }"));
    document.setTextWidth(width);
    document.setHtml(
        QStringLiteral("<div style='color:#202020'>") + html + QStringLiteral("</div>"));
    painter.save();
    painter.translate(x, y);
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, Ink);
    document.documentLayout()->draw(&painter, context);
    painter.restore();
    return y + static_cast<int>(document.size().height());
}

QRect PageCanvas::Shot(const QImage& shot, int x, int y)
{
    painter.drawImage(x, y, shot);
    painter.setPen(QColor(0x90, 0x90, 0x90));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(x - 1, y - 1, shot.width() + 1, shot.height() + 1);
    return { x, y, shot.width(), shot.height() };
}

QRect PageCanvas::Window(const QImage& shot, const QString& title, int x, int y)
{
    constexpr int bar = 18;
    painter.fillRect(x, y, shot.width(), bar, Heading);
    painter.setFont(PageFont(11, true));
    painter.setPen(Qt::white);
    painter.drawText(
        QRect(x + 5, y, shot.width() - 10, bar), Qt::AlignLeft | Qt::AlignVCenter, title);
    Shot(shot, x, y + bar);
    return { x, y, shot.width(), shot.height() + bar };
}

int PageCanvas::Caption(const QRect& under, const QString& text)
{
    painter.setFont(PageFont(11));
    painter.setPen(QColor(0x50, 0x50, 0x50));
    const QRect box(under.left() - 40, under.bottom() + 3, under.width() + 80, 15);
    painter.drawText(box, Qt::AlignHCenter | Qt::AlignTop, text);
    return box.bottom() + 1;
}

void PageCanvas::Hexagon(QPointF centre, double radius, const QColor& fill)
{
    QPolygonF corners;
    for (int k = 0; k < 6; ++k) {
        const double angle = qDegreesToRadians(90.0 + 60.0 * k);
        corners << centre + QPointF(radius * std::cos(angle), -radius * std::sin(angle));
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Heading, 1.2));
    painter.setBrush(fill);
    painter.drawPolygon(corners);
    painter.restore();
}

void PageCanvas::Ball(QPointF centre, double radius, const QColor& colour)
{
    QRadialGradient shine(centre - QPointF(radius / 3, radius / 3), radius * 1.3);
    shine.setColorAt(0, colour.lighter(170));
    shine.setColorAt(1, colour.darker(130));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour.darker(160), 1));
    painter.setBrush(shine);
    painter.drawEllipse(centre, radius, radius);
    painter.restore();
}

void PageCanvas::Label(
    const QRectF& box, int flags, const QString& text, int pixels, bool bold, const QColor& colour)
{
    painter.setFont(PageFont(pixels, bold));
    painter.setPen(colour);
    painter.drawText(box, flags, text);
}

QImage PageCanvas::Result()
{
    painter.end();
    return paper;
}

} // namespace helpgen
