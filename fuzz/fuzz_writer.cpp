// Writes a level made from arbitrary bytes (grid, comments, author) in both notations and reads
// it back: the level's rows, the comments and the author must come back exactly.

#include "displace/DisplaceState.h"
#include "files/modLoadOrSave.h"
#include "level/LevelState.h"
#include "level/modText.h"
#include "messages/LoadSaveState.h"
#include "state/CoreState.h"

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

QStringList ExtractedRows()
{
    modText::FindUsedLines();
    modText::ExtractLevel(true);
    QStringList rows;
    for (int k = 1; k <= LevelHeight; ++k)
        rows << LevelLines[2][k];
    return rows;
}

void WriteAndReadBack(const QString& folder, qint16 type, const QStringList& rows,
    const QString& top, const QString& author, const QString& bottom)
{
    CurrentFolder = folder;
    FileName = type == 2 ? QStringLiteral("level.xsb") : QStringLiteral("level.qbx");
    LevelFileType = type;
    LevelFlipped = false;
    ExtractedRows();
    TopComment = top;
    Author = author;
    BottomComment = bottom;
    modLoadOrSave::WriteLevelFile();
    Require(LoadOrSaveOK, "a level could not be written");

    Author.clear();
    TopComment.clear();
    BottomComment.clear();
    modLoadOrSave::ReadLevelFile();
    Require(LoadOrSaveOK, "a written level could not be read");
    QStringList back = ExtractedRows();
    if (FlippedOnLoad)
        std::reverse(back.begin(), back.end());
    Require(back == rows, "the level's rows changed");
    Require(TopComment == top, "the top comment changed");
    Require(Author == author, "the author changed");
    Require(BottomComment == bottom, "the bottom comment changed");
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
    InitCoreState();

    // A block of cells somewhere in the grid; blanks (floor or empty) are most common.
    const int height = 1 + in.next() % GridRows;
    const int width = 1 + in.next() % GridCells;
    const int firstRow = 1 + in.next() % (GridRows - height + 1);
    const int firstCell = 1 + in.next() % (GridCells - width + 1);
    for (int row = 1; row <= GridRows; ++row)
        LevelLines[1][row] = QString(LineWidth, QLatin1Char(' '));
    for (int row = firstRow; row < firstRow + height; ++row)
        for (int cell = firstCell; cell < firstCell + width; ++cell)
            SetCharAt(LevelLines[1][row], geometry::Cell { row, cell }.TextColumn(),
                SymbolChar(static_cast<qint16>(std::max(0, in.next() % 10 - 3))));
    modText::FindUsedLines();
    if (FirstUsedLine == 0)
        return 0;
    const QString top = CommentText(in);
    const QString author = AuthorText(in);
    const QString bottom = CommentText(in);
    const QStringList rows = ExtractedRows();
    const QStringList grid(std::begin(LevelLines[1]) + 1, std::begin(LevelLines[1]) + 27);

    for (qint16 type : { qint16(1), qint16(2) }) {
        for (int row = 1; row <= GridRows; ++row)
            LevelLines[1][row] = grid[row - 1];
        WriteAndReadBack(folder, type, rows, top, author, bottom);
    }
    return 0;
}
