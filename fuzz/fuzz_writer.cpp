// Writes a level made from arbitrary bytes (grid, comments, author) in both notations and reads
// it back: the level's rows, the comments and the author must come back exactly.

#include "files/modLoadOrSave.h"
#include "level/modText.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace quobix;

namespace {

void Require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "fuzz_writer: %s\n", what);
        std::abort();
    }
}

class Bytes {
public:
    Bytes(const uint8_t* data, size_t size)
        : data(data)
        , size(size)
    {
    }
    bool empty() const { return at >= size; }
    int next() { return at < size ? data[at++] : 0; }

private:
    const uint8_t* data;
    size_t size;
    size_t at = 0;
};

// Characters a comment may hold, beyond the level characters: letters from other scripts, a
// no-break space, the paragraph and line separators and a NUL all have to survive.
const char16_t Palette[] = u"ab Z9:#$@.*+-\u00E9\u00A0\u20AC\u2028\u2029\u0085\u0000";

// One text of up to 40 characters; a byte of 255 breaks the line where lines are allowed.
QString Text(Bytes& in, bool lines)
{
    QString text;
    for (int n = in.next() % 41; n > 0 && !in.empty(); --n) {
        const int b = in.next();
        if (lines && b == 255)
            text += QStringLiteral("\r\n");
        else
            text += QChar(Palette[b % (sizeof Palette / sizeof Palette[0])]);
    }
    return text;
}

// A comment as a file keeps it: every line starts with a letter, so it is never taken for a
// level row or an author line, has no trailing blanks, and no blank line at either end.
QString CommentText(Bytes& in)
{
    QStringList lines = Text(in, true).split(QStringLiteral("\r\n"));
    for (QString& line : lines)
        line = line.isEmpty() ? line : TrimTrailingBlanks(QLatin1Char('c') + line);
    while (!lines.isEmpty() && lines.front().isEmpty())
        lines.removeFirst();
    while (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    return lines.join(QStringLiteral("\r\n"));
}

QString AuthorText(Bytes& in)
{
    QString author = Text(in, false);
    while (!author.isEmpty() && author.front() == QLatin1Char(' '))
        author.remove(0, 1);
    return TrimTrailingBlanks(author);
}

QStringList ExtractedRows(LevelDocument& level)
{
    modText::FindUsedLines(level);
    modText::ExtractLevel(level, true);
    QStringList rows;
    for (int k = 1; k <= level.LevelHeight; ++k)
        rows << level.LevelLines[2][k];
    return rows;
}

void WriteAndReadBack(LevelDocument level, const QString& folder, qint16 type,
    const QStringList& rows, const QString& top, const QString& author, const QString& bottom)
{
    const QString name
        = type == XsbFile ? QStringLiteral("level.xsb") : QStringLiteral("level.qbx");
    ExtractedRows(level);
    level.SetTexts(author, top, bottom);
    Require(modLoadOrSave::SaveLevel(level, folder + name, type, false).ok,
        "a level could not be written");

    LoadResult read = modLoadOrSave::LoadLevel(folder, name, type);
    Require(read.ok, "a written level could not be read");
    QStringList back = ExtractedRows(read.level);
    if (read.level.FlippedOnLoad)
        std::reverse(back.begin(), back.end());
    Require(back == rows, "the level's rows changed");
    Require(read.level.TopComment == top, "the top comment changed");
    Require(read.level.Author == author, "the author changed");
    Require(read.level.BottomComment == bottom, "the bottom comment changed");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const QString folder = [] {
        const QString path = QDir::tempPath() + QStringLiteral("/fuzz_writer_")
            + QString::number(QCoreApplication::applicationPid());
        QDir().mkpath(path);
        return path + QLatin1Char('/');
    }();
    Bytes in(data, size);
    LevelDocument level;

    // A block of cells somewhere in the grid; blanks (floor or empty) are most common.
    const int height = 1 + in.next() % GridRows;
    const int width = 1 + in.next() % GridCells;
    const int firstRow = 1 + in.next() % (GridRows - height + 1);
    const int firstCell = 1 + in.next() % (GridCells - width + 1);
    for (int row = firstRow; row < firstRow + height; ++row)
        for (int cell = firstCell; cell < firstCell + width; ++cell)
            level.Place({ row, cell }, static_cast<qint16>(std::max(0, in.next() % 10 - 3)), false);
    modText::FindUsedLines(level);
    if (level.FirstUsedLine == 0)
        return 0;
    const QString top = CommentText(in);
    const QString author = AuthorText(in);
    const QString bottom = CommentText(in);
    const QStringList rows = ExtractedRows(level);
    for (qint16 type : { QbxFile, XsbFile })
        WriteAndReadBack(level, folder, type, rows, top, author, bottom);
    return 0;
}
