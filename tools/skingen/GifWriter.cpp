#include "GifWriter.h"

#include <QSaveFile>
#include <algorithm>
#include <array>
#include <gif_lib.h>
#include <map>

namespace skingen {

namespace {

    constexpr QRgb White = 0xffffffff;
    constexpr int PaletteSize = 256;
    // Flat areas, outlines and bands are the most frequent colours; they must come out exact
    // because the Grid and the editor's masks compare them pixel for pixel.
    constexpr int KeptExactly = 32;

    struct Entry {
        QRgb colour;
        int count;
    };

    int Channel(QRgb c, int channel)
    {
        return channel == 0 ? qRed(c) : channel == 1 ? qGreen(c) : qBlue(c);
    }

    int Range(const std::vector<Entry>& box, int channel)
    {
        int low = 255, high = 0;
        for (const Entry& e : box) {
            low = std::min(low, Channel(e.colour, channel));
            high = std::max(high, Channel(e.colour, channel));
        }
        return high - low;
    }

    int WidestChannel(const std::vector<Entry>& box)
    {
        int best = 0;
        for (int channel = 1; channel < 3; ++channel) {
            if (Range(box, channel) > Range(box, best))
                best = channel;
        }
        return best;
    }

    QRgb Mean(const std::vector<Entry>& box)
    {
        long long r = 0, g = 0, b = 0, n = 0;
        for (const Entry& e : box) {
            r += static_cast<long long>(qRed(e.colour)) * e.count;
            g += static_cast<long long>(qGreen(e.colour)) * e.count;
            b += static_cast<long long>(qBlue(e.colour)) * e.count;
            n += e.count;
        }
        const QRgb mean = qRgb(int((r + n / 2) / n), int((g + n / 2) / n), int((b + n / 2) / n));
        return mean == White ? qRgb(254, 254, 254) : mean;
    }

    std::vector<QRgb> MedianCut(std::vector<Entry> colours, int boxes)
    {
        std::vector<std::vector<Entry>> box { std::move(colours) };
        while (static_cast<int>(box.size()) < boxes) {
            // Split the box with the widest spread; ties go to the earlier box.
            int pick = -1, pickRange = 0;
            for (int i = 0; i < static_cast<int>(box.size()); ++i) {
                const int range = Range(box[i], WidestChannel(box[i]));
                if (box[i].size() > 1 && range > pickRange) {
                    pick = i;
                    pickRange = range;
                }
            }
            if (pick < 0)
                break;
            std::vector<Entry>& split = box[pick];
            const int channel = WidestChannel(split);
            std::sort(split.begin(), split.end(), [channel](const Entry& a, const Entry& b) {
                const int ca = Channel(a.colour, channel), cb = Channel(b.colour, channel);
                return ca != cb ? ca < cb : a.colour < b.colour;
            });
            long long total = 0;
            for (const Entry& e : split)
                total += e.count;
            size_t cut = 1;
            long long running = split[0].count;
            while (cut < split.size() - 1 && running * 2 < total)
                running += split[cut++].count;
            std::vector<Entry> upper(split.begin() + cut, split.end());
            split.resize(cut);
            box.push_back(std::move(upper));
        }
        std::vector<QRgb> result;
        for (const auto& b : box)
            result.push_back(Mean(b));
        return result;
    }

    int Distance(QRgb a, QRgb b)
    {
        const int dr = qRed(a) - qRed(b), dg = qGreen(a) - qGreen(b), db = qBlue(a) - qBlue(b);
        return dr * dr + dg * dg + db * db;
    }

} // namespace

QImage IndexedPicture::toImage() const
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = palette[pixels[size_t(y) * width + x]];
    }
    return image;
}

IndexedPicture Quantise(const QImage& source)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    std::map<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            ++counts[line[x] | 0xff000000];
    }
    counts.erase(White);

    std::vector<Entry> colours;
    for (const auto& [colour, count] : counts)
        colours.push_back({ colour, count });
    std::stable_sort(colours.begin(), colours.end(),
        [](const Entry& a, const Entry& b) { return a.count > b.count; });

    IndexedPicture result;
    result.width = image.width();
    result.height = image.height();
    result.palette << White;
    if (static_cast<int>(colours.size()) < PaletteSize) {
        for (const Entry& e : colours)
            result.palette << e.colour;
    } else {
        for (int i = 0; i < KeptExactly; ++i)
            result.palette << colours[i].colour;
        const std::vector<Entry> rest(colours.begin() + KeptExactly, colours.end());
        for (QRgb c : MedianCut(rest, PaletteSize - 1 - KeptExactly))
            result.palette << c;
    }

    std::map<QRgb, unsigned char> index { { White, 0 } };
    for (const auto& [colour, count] : counts) {
        int best = 1;
        for (int i = 2; i < result.palette.size(); ++i) {
            if (Distance(colour, result.palette[i]) < Distance(colour, result.palette[best]))
                best = i;
        }
        index[colour] = static_cast<unsigned char>(best);
    }
    result.pixels.resize(size_t(result.width) * result.height);
    for (int y = 0; y < result.height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < result.width; ++x)
            result.pixels[size_t(y) * result.width + x] = index[line[x] | 0xff000000];
    }
    return result;
}

QString WriteGif(const QString& path, const IndexedPicture& picture)
{
    // giflib writes into memory and QSaveFile puts the file down, with the usual permissions and
    // never half-written.
    QByteArray bytes;
    const auto append = [](GifFileType* gif, const GifByteType* data, int length) {
        static_cast<QByteArray*>(gif->UserData)
            ->append(reinterpret_cast<const char*>(data), length);
        return length;
    };
    int error = 0;
    GifFileType* gif = EGifOpen(&bytes, append, &error);
    if (!gif)
        return QStringLiteral("%1: %2").arg(path, QString::fromUtf8(GifErrorString(error)));
    const auto fail = [&](int code) {
        int ignored = 0;
        EGifCloseFile(gif, &ignored);
        return QStringLiteral("%1: %2").arg(path, QString::fromUtf8(GifErrorString(code)));
    };

    EGifSetGifVersion(gif, true);
    // Unused entries stay black; the full table keeps every file's header the same shape.
    std::array<GifColorType, PaletteSize> table {};
    for (int i = 0; i < picture.palette.size(); ++i) {
        const QRgb c = picture.palette[i];
        table[i] = { GifByteType(qRed(c)), GifByteType(qGreen(c)), GifByteType(qBlue(c)) };
    }
    ColorMapObject* map = GifMakeMapObject(PaletteSize, table.data());
    const int put = EGifPutScreenDesc(gif, picture.width, picture.height, 8, 0, map);
    GifFreeMapObject(map);
    if (put == GIF_ERROR)
        return fail(gif->Error);

    GraphicsControlBlock control {};
    control.DisposalMode = DISPOSAL_UNSPECIFIED;
    control.UserInputFlag = false;
    control.DelayTime = 0;
    control.TransparentColor = 0;
    GifByteType extension[4];
    const size_t length = EGifGCBToExtension(&control, extension);
    if (EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, int(length), extension) == GIF_ERROR)
        return fail(gif->Error);

    if (EGifPutImageDesc(gif, 0, 0, picture.width, picture.height, false, nullptr) == GIF_ERROR)
        return fail(gif->Error);
    std::vector<GifPixelType> line(size_t(picture.width));
    for (int y = 0; y < picture.height; ++y) {
        std::copy_n(
            picture.pixels.begin() + ptrdiff_t(y) * picture.width, picture.width, line.begin());
        if (EGifPutLine(gif, line.data(), picture.width) == GIF_ERROR)
            return fail(gif->Error);
    }
    if (EGifCloseFile(gif, &error) == GIF_ERROR)
        return QStringLiteral("%1: %2").arg(path, QString::fromUtf8(GifErrorString(error)));

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return QStringLiteral("%1: %2").arg(path, file.errorString());
    return {};
}

} // namespace skingen
