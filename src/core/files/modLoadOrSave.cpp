#include "files/modLoadOrSave.h"

#include "displace/modDisplace.h"
#include "files/LevelNotation.h"
#include "level/LevelState.h"
#include "messages/LoadSaveState.h"
#include "messages/modMessages.h"
#include "platform/FileSystem.h"
#include "platform/MessageSeam.h"
#include "platform/RunTimeError.h"

#include <QFile>
#include <QSaveFile>
#include <QStringList>
#include <algorithm>
#include <cerrno>
#include <limits>

namespace quobix::modLoadOrSave {

namespace {
    using namespace LevelNotation;

    // Rows grow with the file (an XSB row doubles), so their width is measured in int and only
    // narrowed to LevelWidth once it is known to fit the grid.
    int ReadWidth = 0;

    void ResetReader()
    {
        LoadOrSaveOK = true;
        ReadRowCount = 0;
        PendingBlankLines = 0;
        LevelWidth = 0;
        LastUsedLine = 0;
        ReadWidth = 0;
        LevelStarted = false;
        ReadLine.clear();
        ReadTopComment.clear();
        ReadBottomComment.clear();
        ReadAuthor.clear();
        FlippedOnLoad = false;
    }

    // The whole file, or false with Err set.
    bool ReadWholeFile(const QString& path, QByteArray& bytes)
    {
        QFile file;
        qint64 size = 0;
        if (!FileSystem::OpenRegularFile(file, path, size))
            return false;
        if (size > MaxLevelFileBytes) {
            RecordSystemError(EFBIG, QStringLiteral("over 16 MiB"));
            return false;
        }
        bytes.resize(size);
        qint64 got = 0;
        while (got < size) {
            errno = 0;
            const qint64 n = file.read(bytes.data() + got, size - got);
            if (n < 0) {
                RecordFileError(file, errno);
                return false;
            }
            if (n == 0)
                break;
            got += n;
        }
        // A file that shrank, grew or was rewritten meanwhile would be read half old, half new.
        char more;
        if (got != size || file.read(&more, 1) != 0 || FileSystem::CurrentSize(file) != size) {
            RecordSystemError(EIO, QStringLiteral("the file changed while it was read"));
            return false;
        }
        return true;
    }

    void StoreLevelRow()
    {
        const int pending = ReadRowCount != 0 ? PendingBlankLines : 0;
        if (ReadRowCount + pending + 1 > GridRows) {
            modMessages::ShowTooManyLines();
            LoadOrSaveOK = false;
            return;
        }
        for (int i = 0; i < pending; ++i)
            LevelLines[2][++ReadRowCount].clear();
        PendingBlankLines = 0;
        ++ReadRowCount;
        QString& row = LevelLines[2][ReadRowCount];
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

    // Pads the rows to a common width, cuts their common margin and finds the margin row; false
    // when the level is wider than the grid.
    bool NormaliseRows()
    {
        const int n = ReadRowCount;
        const int width = ReadWidth;
        int margin = width;
        int marginRow = 0;
        for (int k = 1; k <= n; ++k) {
            const QString& row = LevelLines[2][k];
            const int lead = LeadingBlanks(row);
            const int indentation = lead == row.size() ? width : lead;
            if (indentation < margin) {
                margin = indentation;
                marginRow = k;
            }
        }
        MarginLine = static_cast<qint16>(marginRow);
        if (width - margin > LineWidth) {
            modMessages::ShowTooManyCellsPerLine();
            LoadOrSaveOK = false;
            return false;
        }
        // Cut before padding, so a row far out to the right never grows in memory.
        for (int k = 1; k <= n; ++k) {
            QString& row = LevelLines[2][k];
            row = row.mid(margin).leftJustified(width - margin, QLatin1Char(' '));
        }
        LevelWidth = static_cast<qint16>(width - margin);
        LeftMargin = margin;
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
        if (!LoadOrSaveOK)
            return;
        if (ReadRowCount == 0) {
            modMessages::ShowNoLevelFound();
            LoadOrSaveOK = false;
            return;
        }
        LastUsedLine = ReadRowCount;
        if (!NormaliseRows())
            return;
        if (LevelFileType != XsbFile) {
            for (int k = 1; k <= ReadRowCount; ++k) {
                if (!IsInterleaved(LevelLines[2][k], k, MarginLine)) {
                    modMessages::ShowQbxFormatError();
                    LoadOrSaveOK = false;
                    return;
                }
            }
        }
        modDisplace::CenterLevelInGrid();
        Author = ReadAuthor;
        TopComment = ReadTopComment;
        BottomComment = ReadBottomComment;
    }

    // Buffer 2 rows 1..n become XSB rows, through buffer 3; flipping back mirrors the QBX rows
    // first, since reversing XSB rows would shear the level the wrong way.
    void ConvertRowsToXsb(bool flipBack)
    {
        const int n = LevelHeight;
        if (n < 1)
            return;
        const int m = flipBack ? n + 1 - MarginLine : MarginLine;
        for (int k = 1; k <= n; ++k) {
            const int source = flipBack ? n + 1 - k : k;
            LevelLines[3][k] = QString(XsbShift(n, k, m), QLatin1Char(' ')) + LevelLines[2][source];
        }
        for (int k = 1; k <= n; ++k)
            LevelLines[2][k] = OddPositions(LevelLines[3][k]);
        int cut = std::numeric_limits<int>::max();
        for (int k = 1; k <= n; ++k)
            cut = std::min(cut, LeadingBlanks(LevelLines[2][k]));
        LeftMargin = cut;
        for (int k = 1; k <= n; ++k)
            LevelLines[2][k] = TrimTrailingBlanks(LevelLines[2][k].mid(cut));
    }

    // The file's lines; a comment is one entry that may hold several lines.
    QStringList LinesToWrite(bool flipBack)
    {
        QStringList lines;
        if (!TrimTrailingBlanks(TopComment).isEmpty())
            lines << WithCrLf(TopComment) << QString();
        const int n = LevelHeight;
        if (LevelFileType == XsbFile) {
            // The conversion works in buffer 2; the extracted rows go back afterwards, so that a
            // save repeated after a failure (the dialog stays open) converts the level again,
            // not its XSB form.
            QStringList extracted;
            for (int k = 1; k <= n; ++k)
                extracted << LevelLines[2][k];
            ConvertRowsToXsb(flipBack);
            for (int k = 1; k <= n; ++k) {
                lines << LevelLines[2][k];
                LevelLines[2][k] = extracted[k - 1];
            }
        } else {
            for (int k = 1; k <= n; ++k)
                lines << LevelLines[2][flipBack ? n + 1 - k : k];
        }
        if (!TrimTrailingBlanks(Author).isEmpty())
            lines << QString() << WithCrLf(QStringLiteral("Author: ") + Author);
        if (!TrimTrailingBlanks(BottomComment).isEmpty())
            lines << QString() << WithCrLf(BottomComment);
        return lines;
    }

    void SavingFailed()
    {
        LoadOrSaveOK = false;
        modMessages::ShowSavingError();
    }
}

void ReadLevelFile()
{
    ResetReader();
    QByteArray bytes;
    if (!ReadWholeFile(CurrentFolder + FileName, bytes)) {
        LoadOrSaveOK = false;
        modMessages::ShowLoadingError();
        return;
    }
    SortLevelText(bytes);
}

void ReadLevelBytes(const QByteArray& bytes)
{
    ResetReader();
    SortLevelText(bytes);
}

void AddCommentLine()
{
    if (LevelStarted)
        AddBottomCommentLine();
    else
        AddTopCommentLine();
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

void WriteLevelFile()
{
    LoadOrSaveOK = true;
    // Asked before anything is opened, so that no file waits on the user's answer.
    UserAnswer = vbNo;
    if (LevelFlipped) {
        modMessages::AskFlipBackBeforeSaving();
        if (UserAnswer == vbNo)
            LevelFlipped = false;
    }
    const QStringList lines = LinesToWrite(UserAnswer == vbYes);

    QByteArray content;
    for (const QString& line : lines)
        content += line.toUtf8() + "\r\n";

    const QString path = CurrentFolder + FileName;
    if (!FileSystem::MayReplace(path)) {
        SavingFailed();
        return;
    }
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) {
        RecordFileError(file, errno);
        SavingFailed();
        return;
    }
    // write() only fills Qt's buffer: the real write happens in flush(), whose failure (a full
    // disk) commit() would not report, so it is checked here before anything is renamed.
    errno = 0;
    if (file.write(content) != content.size() || !file.flush()) {
        RecordFileError(file, errno);
        file.cancelWriting();
        SavingFailed();
        return;
    }
    errno = 0;
    if (!file.commit()) {
        RecordFileError(file, errno);
        SavingFailed();
    }
}

void TakeLoadedFileAsOwn()
{
    if (LevelFileType == XsbFile)
        FileName = FileName.left(FileName.size() - 3) + QStringLiteral("qbx");
    LevelFolder = CurrentFolder;
    LevelFileName = FileName;
    LevelFlipped = FlippedOnLoad;
}

qint16 FileTypeOfName(const QString& name)
{
    return name.endsWith(QLatin1String(".xsb"), Qt::CaseInsensitive) ? XsbFile : QbxFile;
}

} // namespace quobix::modLoadOrSave
