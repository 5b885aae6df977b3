#include "level/modText.h"

#include "level/LevelEditing.h"
#include "level/LevelState.h"
#include "messages/modMessages.h"

namespace quobix::modText {

void ClearLines(qint16 Buffer, qint16 FromLine, qint16 ToLine)
{
    const QString blanks(LineWidth, QLatin1Char(' '));
    for (int line = FromLine; line <= ToLine; ++line)
        LevelLines[Buffer][line] = blanks;
}

void FindUsedLines()
{
    const QString blanks(LineWidth, QLatin1Char(' '));
    UserAnswer = vbYes;
    FirstUsedLine = 0;
    for (qint16 line = 1; line <= GridRows; ++line) {
        if (LevelLines[1][line] != blanks) {
            FirstUsedLine = line;
            break;
        }
    }
    if (FirstUsedLine == 0)
        return;
    for (qint16 line = GridRows; line >= 1; --line) {
        if (LevelLines[1][line] != blanks) {
            LastUsedLine = line;
            break;
        }
    }
}

void ExtractLevel(bool Unpadded)
{
    LeftMargin = LineWidth;
    LevelHeight = 0;
    LevelWidth = 0;
    MarginLine = 0;
    for (qint16 i = FirstUsedLine; i <= LastUsedLine; ++i) {
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
    MarginLine = static_cast<qint16>(MarginLine - FirstUsedLine + 1);
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

void CheckLevelBeforeSave()
{
    FindUsedLines();
    if (FirstUsedLine == 0) {
        modMessages::ShowEmptyGridError();
        UserAnswer = vbNo;
        return;
    }
    if (LevelEditing::IsValidLevel()) {
        ExtractLevel(true);
        return;
    }
    modMessages::AskSaveInvalidLevel();
    if (UserAnswer == vbYes)
        ExtractLevel(true);
}

void PrepareLevelForDisplace()
{
    FindUsedLines();
    if (FirstUsedLine != 0)
        ExtractLevel(false);
}

void CopyBuffer(qint16 FromBuffer, qint16 ToBuffer)
{
    for (int line = 1; line <= LevelHeight; ++line)
        LevelLines[ToBuffer][line] = LevelLines[FromBuffer][line];
}

} // namespace quobix::modText
