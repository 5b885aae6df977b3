#include "files/modLoadOrSave.h"

#include "displace/modDisplace.h"
#include "files/LevelNotation.h"
#include "level/modText.h"
#include "messages/modMessages.h"
#include "platform/FileSystem.h"
#include "platform/MessageSeam.h"
#include "platform/RunTimeError.h"

#include <QFile>
#include <QStringList>
#include <algorithm>
#include <cerrno>
#include <limits>

namespace quobix::modLoadOrSave {

namespace {
    using namespace LevelNotation;

    // One read of a level file: the lines sorted into the top comment, the author, the level
    // rows (in buffer 2 of the new level) and the bottom comment.
    struct Reader {
        Reader(LoadResult& result, qint16 notation)
            : level(result.level)
            , LevelFileType(notation)
            , result(result)
        {
        }

        LevelDocument& level;
        qint16 LevelFileType;
        LoadResult& result;

        QString ReadLine; // the line just read, trailing blanks cut
        // A file may hold millions of blank lines in a row, so this count is wider than 16 bits.
        int PendingBlankLines = 0;
        QString ReadTopComment; // lines joined by CRLF
        QString ReadBottomComment;
        QString ReadAuthor;
        qint16 ReadRowCount = 0; // rows stored in buffer 2, blank rows inside the level counted
        bool LevelStarted = false;
        // Rows grow with the file (an XSB row doubles), so their width is measured in int and
        // only narrowed to LevelWidth once it is known to fit the grid.
        int ReadWidth = 0;
        bool failed = false;

        void Fail(const Message& message)
        {
            result.messages << message;
            failed = true;
        }

        void AddTopCommentLine()
        {
            if (PendingBlankLines != 0)
                AddBlankLinesToTopComment();
            if (!ReadTopComment.isEmpty())
                ReadTopComment += CRLF;
            ReadTopComment += ReadLine;
        }

        void AddBottomCommentLine()
        {
            if (PendingBlankLines != 0)
                AddBlankLinesToBottomComment();
            if (!ReadBottomComment.isEmpty())
                ReadBottomComment += CRLF;
            ReadBottomComment += ReadLine;
        }

        void AddBlankLinesToTopComment()
        {
            if (!ReadTopComment.isEmpty())
                ReadTopComment += CRLF.repeated(PendingBlankLines);
            PendingBlankLines = 0;
        }

        void AddBlankLinesToBottomComment()
        {
            if (!ReadBottomComment.isEmpty())
                ReadBottomComment += CRLF.repeated(PendingBlankLines);
            PendingBlankLines = 0;
        }

        void AddCommentLine()
        {
            if (LevelStarted)
                AddBottomCommentLine();
            else
                AddTopCommentLine();
        }

        void StoreLevelRow()
        {
            const int pending = ReadRowCount != 0 ? PendingBlankLines : 0;
            if (ReadRowCount + pending + 1 > GridRows) {
                Fail(modMessages::TooManyLines());
                return;
            }
            for (int i = 0; i < pending; ++i)
                level.LevelLines[2][++ReadRowCount].clear();
            PendingBlankLines = 0;
            ++ReadRowCount;
            QString& row = level.LevelLines[2][ReadRowCount];
            row = LevelFileType == XsbFile ? XsbRowToQbx(ReadLine, ReadRowCount) : ReadLine;
            LevelStarted = true;
            ReadWidth = std::max(ReadWidth, static_cast<int>(row.size()));
        }

        void SortReadLine()
        {
            if (ReadLine.isEmpty()) {
                ++PendingBlankLines;
                return;
            }
            if (!IsLevelLine(ReadLine)) {
                if (HasAuthorKeyword(ReadLine) && ReadAuthor.isEmpty()) {
                    ReadAuthor = AuthorOf(ReadLine);
                    if (ReadAuthor.isEmpty())
                        AddCommentLine();
                } else {
                    AddCommentLine();
                }
                return;
            }
            if (!ReadBottomComment.isEmpty()) {
                AddBottomCommentLine();
                return;
            }
            StoreLevelRow();
        }

        // Pads the rows to a common width, cuts their common margin and finds the margin row;
        // false when the level is wider than the grid.
        bool NormaliseRows()
        {
            const int n = ReadRowCount;
            const int width = ReadWidth;
            int margin = width;
            int marginRow = 0;
            for (int k = 1; k <= n; ++k) {
                const QString& row = level.LevelLines[2][k];
                const int lead = LeadingBlanks(row);
                const int indentation = lead == row.size() ? width : lead;
                if (indentation < margin) {
                    margin = indentation;
                    marginRow = k;
                }
            }
            level.MarginLine = static_cast<qint16>(marginRow);
            if (width - margin > LineWidth) {
                Fail(modMessages::TooManyCellsPerLine());
                return false;
            }
            // Cut before padding, so a row far out to the right never grows in memory.
            for (int k = 1; k <= n; ++k) {
                QString& row = level.LevelLines[2][k];
                row = row.mid(margin).leftJustified(width - margin, QLatin1Char(' '));
            }
            level.LevelWidth = static_cast<qint16>(width - margin);
            level.LeftMargin = margin;
            return true;
        }

        void SortLevelText(const QByteArray& bytes)
        {
            const QString text = DecodeLevelText(bytes);
            qsizetype position = 0;
            QStringView line;
            while (NextLine(text, position, line)) {
                while (!line.isEmpty() && line.back() == QLatin1Char(' '))
                    line.chop(1);
                ReadLine = line.toString();
                SortReadLine();
            }
            if (failed)
                return;
            if (ReadRowCount == 0) {
                Fail(modMessages::NoLevelFound());
                return;
            }
            level.LastUsedLine = ReadRowCount;
            if (!NormaliseRows())
                return;
            if (LevelFileType != XsbFile) {
                for (int k = 1; k <= ReadRowCount; ++k) {
                    if (!IsInterleaved(level.LevelLines[2][k], k, level.MarginLine)) {
                        Fail(modMessages::QbxFormatError());
                        return;
                    }
                }
            }
            modDisplace::CenterLevelInGrid(level);
            level.Author = ReadAuthor;
            level.TopComment = ReadTopComment;
            level.BottomComment = ReadBottomComment;
        }
    };

    // The whole file, or false with the error.
    bool ReadWholeFile(const QString& path, QByteArray& bytes, RunTimeError& error)
    {
        QFile file;
        qint64 size = 0;
        if (!FileSystem::OpenRegularFile(file, path, size, error))
            return false;
        if (size > MaxLevelFileBytes) {
            error = SystemError(EFBIG, QStringLiteral("over 16 MiB"));
            return false;
        }
        bytes.resize(size);
        qint64 got = 0;
        while (got < size) {
            errno = 0;
            const qint64 n = file.read(bytes.data() + got, size - got);
            if (n < 0) {
                error = FileError(file, errno);
                return false;
            }
            if (n == 0)
                break;
            got += n;
        }
        // A file that shrank, grew or was rewritten meanwhile would be read half old, half new.
        char more;
        if (got != size || file.read(&more, 1) != 0 || FileSystem::CurrentSize(file) != size) {
            error = SystemError(EIO, QStringLiteral("the file changed while it was read"));
            return false;
        }
        return true;
    }

    // Buffer 2 rows 1..n become XSB rows, through buffer 3; flipping back mirrors the QBX rows
    // first, since reversing XSB rows would shear the level the wrong way.
    void ConvertRowsToXsb(LevelDocument& level, bool flipBack)
    {
        auto& LevelLines = level.LevelLines;
        const int n = level.LevelHeight;
        if (n < 1)
            return;
        const int m = flipBack ? n + 1 - level.MarginLine : level.MarginLine;
        for (int k = 1; k <= n; ++k) {
            const int source = flipBack ? n + 1 - k : k;
            LevelLines[3][k] = QString(XsbShift(n, k, m), QLatin1Char(' ')) + LevelLines[2][source];
        }
        for (int k = 1; k <= n; ++k)
            LevelLines[2][k] = OddPositions(LevelLines[3][k]);
        int cut = std::numeric_limits<int>::max();
        for (int k = 1; k <= n; ++k)
            cut = std::min(cut, LeadingBlanks(LevelLines[2][k]));
        level.LeftMargin = cut;
        for (int k = 1; k <= n; ++k)
            LevelLines[2][k] = TrimTrailingBlanks(LevelLines[2][k].mid(cut));
    }

    // The file's lines; a comment is one entry that may hold several lines.
    QStringList LinesToWrite(LevelDocument& level, qint16 LevelFileType, bool flipBack)
    {
        auto& LevelLines = level.LevelLines;
        QStringList lines;
        if (!TrimTrailingBlanks(level.TopComment).isEmpty())
            lines << WithCrLf(level.TopComment) << QString();
        const int n = level.LevelHeight;
        if (LevelFileType == XsbFile) {
            // The conversion works in buffer 2; the extracted rows go back afterwards, so that a
            // save repeated after a failure (the dialog stays open) converts the level again,
            // not its XSB form.
            QStringList extracted;
            for (int k = 1; k <= n; ++k)
                extracted << LevelLines[2][k];
            ConvertRowsToXsb(level, flipBack);
            for (int k = 1; k <= n; ++k) {
                lines << LevelLines[2][k];
                LevelLines[2][k] = extracted[k - 1];
            }
        } else {
            for (int k = 1; k <= n; ++k)
                lines << LevelLines[2][flipBack ? n + 1 - k : k];
        }
        if (!TrimTrailingBlanks(level.Author).isEmpty())
            lines << QString() << WithCrLf(QStringLiteral("Author: ") + level.Author);
        if (!TrimTrailingBlanks(level.BottomComment).isEmpty())
            lines << QString() << WithCrLf(level.BottomComment);
        return lines;
    }

    LoadResult Read(const QByteArray& bytes, qint16 notation)
    {
        LoadResult result;
        Reader reader(result, notation);
        reader.SortLevelText(bytes);
        result.ok = !reader.failed;
        if (!result.ok)
            return result;
        LevelDocument& level = result.level;
        level.GridChanged();
        level.LevelFlipped = level.FlippedOnLoad;
        if (!level.IsValid())
            result.warnings << modMessages::LoadedLevelInvalid();
        if (level.LevelFlipped)
            result.warnings << modMessages::FlippedToFit();
        return result;
    }

    QByteArray FileContent(LevelDocument& level, qint16 notation, bool flipBack)
    {
        QByteArray content;
        for (const QString& line : LinesToWrite(level, notation, flipBack))
            content += line.toUtf8() + "\r\n";
        return content;
    }
}

LoadResult LoadLevel(const QString& folder, const QString& fileName, qint16 notation)
{
    const QString path = folder + fileName;
    QByteArray bytes;
    RunTimeError error;
    if (!ReadWholeFile(path, bytes, error)) {
        LoadResult result;
        result.messages << modMessages::LoadingError(path, error);
        return result;
    }
    LoadResult result = Read(bytes, notation);
    if (!result.ok)
        return result;
    LevelDocument& level = result.level;
    level.LevelFolder = folder;
    level.LevelFileName = notation == XsbFile
        ? fileName.left(fileName.size() - 3) + QStringLiteral("qbx")
        : fileName;
    return result;
}

LoadResult ReadLevelBytes(const QByteArray& bytes, qint16 notation)
{
    return Read(bytes, notation);
}

LoadResult ReadLevelText(const QString& text, qint16* notation)
{
    const QByteArray bytes = text.toUtf8();
    LoadResult result = Read(bytes, QbxFile);
    const bool packed = !result.ok && result.messages.value(0) == modMessages::QbxFormatError();
    if (packed)
        result = Read(bytes, XsbFile);
    if (notation)
        *notation = packed ? XsbFile : QbxFile;
    return result;
}

QByteArray LevelFileBytes(const LevelDocument& level, qint16 notation)
{
    LevelDocument extracted(level);
    modText::FindUsedLines(extracted);
    if (extracted.FirstUsedLine == 0)
        return {};
    modText::ExtractLevel(extracted, true);
    return FileContent(extracted, notation, false);
}

SaveResult SaveLevel(LevelDocument& level, const QString& path, qint16 notation, bool flipBack)
{
    SaveResult result;
    if (level.LevelFlipped && !flipBack)
        level.LevelFlipped = false;
    const QByteArray content = FileContent(level, notation, level.LevelFlipped && flipBack);

    RunTimeError error;
    result.ok = FileSystem::ReplaceFile(path, content, error);
    if (!result.ok)
        result.messages << modMessages::SavingError(path, error);
    return result;
}

qint16 FileTypeOfName(const QString& name)
{
    return name.endsWith(QLatin1String(".xsb"), Qt::CaseInsensitive) ? XsbFile : QbxFile;
}

} // namespace quobix::modLoadOrSave
