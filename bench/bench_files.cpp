#include "BenchSupport.h"

#include "files/modLoadOrSave.h"
#include "level/modText.h"

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
void SetFullGrid(LevelDocument& level)
{
    const QString symbols = QStringLiteral("#$.@*+ ");
    for (int line = 1; line <= GridRows; ++line) {
        QString text(LineWidth, QLatin1Char(' '));
        for (int column = 1; column <= LineWidth; ++column)
            if ((line + column) % 2 == 1)
                text[column - 1] = symbols[(line * 5 + column) % symbols.size()];
        level.LevelLines[1][line] = text;
    }
}

} // namespace

// Reading and writing the largest level with 1, 2 and 4 MB of comments in both notations; the
// times per megabyte should stay about the same (linear), with 1 MB at 20 ms or less.
int main()
{
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    const QString folder = dir.path() + QLatin1Char('/');
    LevelDocument level;
    SetFullGrid(level);
    level.Author = QStringLiteral("Bench Mark");

    for (int type = 1; type <= 2; ++type) {
        for (int megabytes : { 1, 2, 4 }) {
            const int bytes = megabytes * 1000 * 1000;
            level.TopComment = Comment(bytes / 2);
            level.BottomComment = Comment(bytes / 2);
            const auto type16 = static_cast<qint16>(type);
            const QString file
                = QStringLiteral("bench%1.%2").arg(megabytes).arg(type == 1 ? "qbx" : "xsb");
            const char* notation = type == 1 ? "qbx" : "xsb";
            char name[64];

            std::snprintf(name, sizeof name, "SaveLevel %s, %d MB", notation, megabytes);
            bool ok = true;
            const auto write = bench::TimeRuns(name, 15, [&] {
                modText::FindUsedLines(level);
                modText::ExtractLevel(level, true);
                ok = ok && modLoadOrSave::SaveLevel(level, folder + file, type16, false).ok;
            });
            std::snprintf(name, sizeof name, "LoadLevel %s, %d MB", notation, megabytes);
            // The level read replaces the one kept, as in the editor, which holds its texts.
            LoadResult kept;
            const auto read = bench::TimeRuns(name, 15, [&] {
                LoadResult loaded = modLoadOrSave::LoadLevel(folder, file, type16);
                ok = ok && loaded.ok;
                kept = loaded;
            });
            if (!ok)
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
