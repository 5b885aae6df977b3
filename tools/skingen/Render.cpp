#include "Render.h"

#include <QPainter>

namespace skingen {

namespace {
    constexpr int Scale = 8;
}

QImage Render(
    int width, int height, const QColor& background, const std::function<void(QPainter&)>& paint)
{
    QImage big(width * Scale, height * Scale, QImage::Format_ARGB32_Premultiplied);
    big.fill(background);
    {
        QPainter painter(&big);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(Scale, Scale);
        paint(painter);
    }

    QImage small(width, height, QImage::Format_ARGB32_Premultiplied);
    constexpr int samples = Scale * Scale;
    for (int y = 0; y < height; ++y) {
        auto* out = reinterpret_cast<QRgb*>(small.scanLine(y));
        for (int x = 0; x < width; ++x) {
            int a = 0, r = 0, g = 0, b = 0;
            for (int sy = 0; sy < Scale; ++sy) {
                const auto* in = reinterpret_cast<const QRgb*>(big.constScanLine(y * Scale + sy));
                for (int sx = 0; sx < Scale; ++sx) {
                    const QRgb p = in[x * Scale + sx];
                    a += qAlpha(p);
                    r += qRed(p);
                    g += qGreen(p);
                    b += qBlue(p);
                }
            }
            const auto mean = [](int sum) { return (sum + samples / 2) / samples; };
            out[x] = qRgba(mean(r), mean(g), mean(b), mean(a));
        }
    }
    return small;
}

} // namespace skingen
