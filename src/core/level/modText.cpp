#include "level/modText.h"

#include "level/LevelDocument.h"
#include "messages/modMessages.h"

namespace quobix::modText {

void ClearLines(LevelDocument& level, qint16 Buffer, qint16 FromLine, qint16 ToLine)
{
    const QString blanks(LineWidth, QLatin1Char(' '));
    for (int line = FromLine; line <= ToLine; ++line)
        level.LevelLines[Buffer][line] = blanks;
}

void FindUsedLines(LevelDocument& level)
{
    const QString blanks(LineWidth, QLatin1Char(' '));
    auto& FirstUsedLine = level.FirstUsedLine;
    FirstUsedLine = 0;
    for (qint16 line = 1; line <= GridRows; ++line) {
        if (level.LevelLines[1][line] != blanks) {
            FirstUsedLine = line;
            break;
        }
    }
    if (FirstUsedLine == 0)
        return;
    for (qint16 line = GridRows; line >= 1; --line) {
        if (level.LevelLines[1][line] != blanks) {
            level.LastUsedLine = line;
            break;
        }
    }
}

void ExtractLevel(LevelDocument& level, bool Unpadded)
{
    auto& LevelLines = level.LevelLines;
    auto& LeftMargin = level.LeftMargin;
    auto& LevelHeight = level.LevelHeight;
    auto& LevelWidth = level.LevelWidth;
    auto& MarginLine = level.MarginLine;
    LeftMargin = LineWidth;
    LevelHeight = 0;
    LevelWidth = 0;
    MarginLine = 0;
    for (qint16 i = level.FirstUsedLine; i <= level.LastUsedLine; ++i) {
        ++LevelHeight;
        QString& line = LevelLines[2][LevelHeight];
        line = TrimTrailingBlanks(LevelLines[1][i]);
        const auto n = static_cast<qint16>(line.size());
        if (n > LevelWidth)
            LevelWidth = n;
        if (n != 0) {
            const auto b = static_cast<qint16>(n - TrimLeadingBlanks(line).size());
            if (b < LeftMargin) {
                LeftMargin = b;
                MarginLine = i;
            }
        }
    }
    MarginLine = static_cast<qint16>(MarginLine - level.FirstUsedLine + 1);
    if (LeftMargin != 0) {
        LevelWidth = static_cast<qint16>(LevelWidth - LeftMargin);
        for (int k = 1; k <= LevelHeight; ++k) {
            QString& line = LevelLines[2][k];
            if (!line.isEmpty())
                line.remove(0, LeftMargin);
        }
    }
    if (!Unpadded) {
        for (int k = 1; k <= LevelHeight; ++k) {
            QString& line = LevelLines[2][k];
            line = line.leftJustified(LevelWidth, QLatin1Char(' '), true);
        }
    }
}

qint16 CheckLevelBeforeSave(LevelDocument& level)
{
    FindUsedLines(level);
    if (level.FirstUsedLine == 0) {
        modMessages::ShowEmptyGridError();
        return vbNo;
    }
    if (level.IsValid()) {
        ExtractLevel(level, true);
        return vbYes;
    }
    const qint16 answer = modMessages::AskSaveInvalidLevel();
    if (answer == vbYes)
        ExtractLevel(level, true);
    return answer;
}

void PrepareLevelForDisplace(LevelDocument& level)
{
    FindUsedLines(level);
    if (level.FirstUsedLine != 0)
        ExtractLevel(level, false);
}

void CopyBuffer(LevelDocument& level, qint16 FromBuffer, qint16 ToBuffer)
{
    for (int line = 1; line <= level.LevelHeight; ++line)
        level.LevelLines[ToBuffer][line] = level.LevelLines[FromBuffer][line];
}

} // namespace quobix::modText
