#pragma once

#include <QImage>
#include <QString>
#include <QVector>
#include <vector>

namespace skingen {

// A picture as palette indices. Index 0 is always white, the colour the GIF marks transparent.
struct IndexedPicture {
    int width = 0;
    int height = 0;
    QVector<QRgb> palette;
    std::vector<unsigned char> pixels;

    QImage toImage() const;
};

// At most 256 colours, chosen the same way every run. White stays white and nothing else
// becomes white; with too many colours the most frequent ones are kept exactly and the rest
// are shared out by median cut.
IndexedPicture Quantise(const QImage& image);

// A GIF89a with a 256-entry global colour table and white marked transparent.
// Returns an error text, empty on success.
QString WriteGif(const QString& path, const IndexedPicture& picture);

} // namespace skingen
