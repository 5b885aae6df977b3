#include "editor/GridCanvas.h"

#include "editor/frmQuobixEditorZN.h"
#include "geometry/Cell.h"
#include "geometry/GridGeometry.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace quobix {

namespace {
    qint16 ButtonCode(Qt::MouseButton button)
    {
        switch (button) {
        case Qt::LeftButton:
            return frmQuobixEditorZN::LeftButton;
        case Qt::RightButton:
            return frmQuobixEditorZN::RightButton;
        case Qt::MiddleButton:
            return frmQuobixEditorZN::MiddleButton;
        default:
            return 8; // none the editor answers
        }
    }

}

GridCanvas::GridCanvas(frmQuobixEditorZN* owner)
    : QWidget(owner)
    , owner(owner)
    , backing(ClientWidth, ClientHeight, QImage::Format_RGB32)
{
    setFixedSize(ClientWidth, ClientHeight);
    backing.fill(palette().color(QPalette::Button));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void GridCanvas::PaintPicture(const QImage& picture, int x, int y)
{
    QPainter painter(&backing);
    painter.drawImage(x, y, picture);
    update(QRect(x, y, picture.width(), picture.height()));
}

void GridCanvas::PaintCell(const QImage& picture, int x, int y)
{
    PaintCellOn(backing, picture, x, y);
    if (!deferUpdates)
        update(QRect(x, y, picture.width(), picture.height()));
}

void GridCanvas::PaintCellOn(QImage& backing, const QImage& picture, int x, int y)
{
    // White over the interior, then AND, in one pass over the picture's box. Lines 7 and 20
    // are whitened from column 2 to 22: every pixel inside the outline goes, so nothing of the
    // cell's former symbol can survive. Inside the interior white AND picture is the picture.
    const QImage source = picture.format() == QImage::Format_RGB32
        ? picture
        : picture.convertToFormat(QImage::Format_RGB32);
    const int firstColumn = std::max(0, -x);
    const int endColumn = std::min(source.width(), backing.width() - x);
    uchar* bits = backing.bits();
    const qsizetype stride = backing.bytesPerLine();
    for (int line = std::max(0, -y); line < std::min(source.height(), backing.height() - y);
         ++line) {
        const geometry::Span inside = line < geometry::CellPictureHeight
            ? geometry::InsideSpans[line]
            : geometry::Span { 1, 0 };
        const int from = inside.first;
        const int to = inside.last;
        auto* screen = reinterpret_cast<QRgb*>(bits + (y + line) * stride) + x;
        const auto* pixels = reinterpret_cast<const QRgb*>(source.constScanLine(line));
        for (int column = firstColumn; column < endColumn; ++column)
            screen[column]
                = column >= from && column <= to ? pixels[column] : screen[column] & pixels[column];
    }
}

void GridCanvas::SetMarks(std::vector<int> hatch, std::vector<int> frame)
{
    if (hatch == hatched && frame == framed)
        return;
    hatched = std::move(hatch);
    framed = std::move(frame);
    update();
}

void GridCanvas::SetDeferUpdates(bool defer)
{
    deferUpdates = defer;
    if (!defer)
        update();
}

void GridCanvas::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    // On a high-density screen the pixel art is scaled by whole factors, without smoothing.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    // At a whole device pixel ratio this maps every image pixel to a square of screen pixels.
    painter.drawImage(event->rect(), backing, event->rect());
    if (!HasMarks())
        return;
    // The hexagon just inside a cell's outline.
    const QPolygon inside({ { 12, 1 }, { 23, 8 }, { 23, 19 }, { 12, 26 }, { 1, 19 }, { 1, 8 } });
    const auto corner = [](int index) { return geometry::Cell::OfIndex(index).Corner(); };
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QBrush(QColor(200, 60, 60, 150), Qt::BDiagPattern));
    for (int index : hatched)
        painter.drawPolygon(inside.translated(corner(index)));
    painter.setPen(QPen(QColor(220, 0, 0), 2));
    painter.setBrush(Qt::NoBrush);
    for (int index : framed)
        painter.drawPolygon(inside.translated(corner(index)));
}

void GridCanvas::mousePressEvent(QMouseEvent* event)
{
    const QPointF p = event->position();
    owner->Form_MouseDown(
        ButtonCode(event->button()), 0, static_cast<float>(p.x()), static_cast<float>(p.y()));
}

void GridCanvas::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF p = event->position();
    owner->Form_MouseMove(
        ButtonCode(event->button()), 0, static_cast<float>(p.x()), static_cast<float>(p.y()));
}

void GridCanvas::mouseReleaseEvent(QMouseEvent* event)
{
    const QPointF p = event->position();
    owner->Form_MouseUp(
        ButtonCode(event->button()), 0, static_cast<float>(p.x()), static_cast<float>(p.y()));
}

} // namespace quobix
