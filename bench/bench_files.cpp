#include "BenchSupport.h"
#include "state/CoreState.h"

#include "displace/DisplaceState.h"
#include "files/modLoadOrSave.h"
#include "level/LevelState.h"
#include "level/modText.h"
#include "messages/LoadSaveState.h"

#include <QTemporaryDir>
#include <cstdio>

using namespace quobix;

namespace {

// A comment of about the given size, in lines of 80 characters that read as comment lines.
QString Comment(int bytes)
{
    QString text;
    text.reserve(bytes + 100);
    for (int i = 0; text.size() < bytes; ++i) {
        if (i != 0)
            text += CRLF;
        text += QStringLiteral("Note %1: ").arg(i, 6, 10, QLatin1Char('0'));
        text += QString(80 - 13, QLatin1Char(static_cast<char>('a' + i % 26)));
    }
    return text;
}

// Every cell of the grid used: the largest level a file can hold.
void SetFullGrid()
{
    const QString symbols = QStringLiteral("#$.@*+ ");
    for (int line = 1; line <= GridRows; ++line) {
        QString text(LineWidth, QLatin1Char(' '));
        for (int column = 1; column <= LineWidth; ++column)
            if ((line + column) % 2 == 1)
                text[column - 1] = symbols[(line * 5 + column) % symbols.size()];
        LevelLines[1][line] = text;
    }
}

} // namespace

// Reading and writing the largest level with 1, 2 and 4 MB of comments in both notations; the
// times per megabyte should stay about the same (linear), with 1 MB at 20 ms or less.
int main()
{
    InitCoreState();
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    CurrentFolder = dir.path() + QLatin1Char('/');
    SetFullGrid();
    Author = QStringLiteral("Bench Mark");

    for (int type = 1; type <= 2; ++type) {
        for (int megabytes : { 1, 2, 4 }) {
            const int bytes = megabytes * 1000 * 1000;
            TopComment = Comment(bytes / 2);
            BottomComment = Comment(bytes / 2);
            LevelFileType = static_cast<qint16>(type);
            FileName = QStringLiteral("bench%1.%2").arg(megabytes).arg(type == 1 ? "qbx" : "xsb");
            const char* notation = type == 1 ? "qbx" : "xsb";
            char name[64];

            std::snprintf(name, sizeof name, "WriteLevelFile %s, %d MB", notation, megabytes);
            const auto write = bench::TimeRuns(name, 15, [] {
                modText::FindUsedLines();
                modText::ExtractLevel(true);
                modLoadOrSave::WriteLevelFile();
            });
            std::snprintf(name, sizeof name, "ReadLevelFile %s, %d MB", notation, megabytes);
            const auto read = bench::TimeRuns(name, 15, [] { modLoadOrSave::ReadLevelFile(); });
            if (!LoadOrSaveOK)
                return 1;
            std::printf("  per MB: write %.2f ms, read %.2f ms%s\n",
                write.medianMicroseconds / 1000.0 / megabytes,
                read.medianMicroseconds / 1000.0 / megabytes,
                megabytes == 1
                    ? (write.medianMicroseconds <= 20000.0 && read.medianMicroseconds <= 20000.0
                            ? "; goal <= 20 ms at 1 MB: met"
                            : "; goal <= 20 ms at 1 MB: missed")
                    : "");
        }
    }
    return 0;
}
