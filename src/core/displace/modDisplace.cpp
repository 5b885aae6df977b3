#include "displace/modDisplace.h"

#include "displace/DisplaceState.h"
#include "level/LevelState.h"
#include "level/modText.h"

#include <algorithm>

namespace quobix::modDisplace {

namespace {

    const QLatin1Char Blank(' ');

    // Where one 60-degree turn puts the characters, measured before any is written: the smallest
    // L + C and C - 3L of the level and the extent of the result.
    struct RotationFrame {
        int sMin;
        int tMin;
        int height;
        int width;
    };

    void WriteRotatedLevel(const RotationFrame& frame, int fromLines, int fromWidth)
    {
        // Work lines as wide as the turned level: it can be wider than a grid line.
        for (int R = 1; R <= frame.height; ++R)
            LevelLines[4][R] = QString(frame.width, Blank);
        for (int L = 1; L <= fromLines; ++L) {
            const QString& line = LevelLines[3][L];
            const int end = std::min(fromWidth, static_cast<int>(line.size()));
            for (int C = 1; C <= end; ++C) {
                const QChar c = line.at(C - 1);
                if (c == Blank)
                    continue;
                const int R = 1 + (L + C - frame.sMin) / 2;
                const int K = 1 + (C - 3 * L - frame.tMin) / 2;
                LevelLines[4][R][K - 1] = c;
            }
        }
        MarginLine = 0;
        for (int R = 1; R <= frame.height; ++R) {
            LevelLines[3][R] = LevelLines[4][R];
            if (MarginLine == 0 && LevelLines[3][R].at(0) != Blank)
                MarginLine = static_cast<qint16>(R);
        }
        LevelHeight = static_cast<qint16>(frame.height);
        LastUsedLine = LevelHeight;
        LevelWidth = static_cast<qint16>(frame.width);
    }

    // The level turned into buffer 3 can be centred without the upside-down placement, which would
    // mirror it instead of turning it.
    bool RotatedLevelFitsGrid()
    {
        if (LevelHeight > GridRows || LevelWidth > LineWidth)
            return false;
        return !(LevelHeight == GridRows && LevelWidth == LineWidth && MarginLine % 2 == 1);
    }

    // A displacement is no load: the flag that reports a flip on loading stays as it was.
    void CenterKeepingLoadFlip()
    {
        const bool flippedOnLoad = FlippedOnLoad;
        CenterLevelInGrid();
        FlippedOnLoad = flippedOnLoad;
    }

    // The largest amount of a direction and the step between its list items (its first item).
    struct AmountRange {
        int limit;
        int step;
    };

    AmountRange OfferedAmounts(int index)
    {
        const int rightFree = LineWidth - LevelWidth - LeftMargin;
        const int above = FirstUsedLine - 1;
        const int below = GridRows - LastUsedLine;
        switch (index) {
        case DisplaceCommand::North:
            return { above, 2 };
        case DisplaceCommand::NorthEast:
            return { std::min(rightFree, above), 1 };
        case DisplaceCommand::East:
            return { rightFree / 2, 1 };
        case DisplaceCommand::SouthEast:
            return { std::min(rightFree, below), 1 };
        case DisplaceCommand::South:
            return { below, 2 };
        case DisplaceCommand::SouthWest:
            return { std::min<int>(LeftMargin, below), 1 };
        case DisplaceCommand::West:
            return { LeftMargin / 2, 1 };
        default: // north-west
            return { std::min<int>(LeftMargin, above), 1 };
        }
    }

    // The number that a list text starts with ("120" of "120°"), or -1 when it starts with none.
    int LeadingNumber(const QString& text)
    {
        int value = -1;
        for (const QChar c : text) {
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                break;
            value = std::max(value, 0) * 10 + c.digitValue();
            if (value > 9999)
                return -1;
        }
        return value;
    }

} // namespace

void CenterLevelInGrid()
{
    const qint16 n = LastUsedLine;
    const qint16 w = LevelWidth;
    const qint16 r = MarginLine;
    TopOffset = 0;
    LeftOffset = 0;
    if (n == GridRows && w == LineWidth) {
        if (r % 2 == 1) {
            for (int i = 1; i <= GridRows; ++i)
                LevelLines[1][i] = LevelLines[2][GridRows + 1 - i];
            FlippedOnLoad = true;
        } else {
            for (int i = 1; i <= GridRows; ++i)
                LevelLines[1][i] = LevelLines[2][i];
        }
        return;
    }
    TopOffset = static_cast<qint16>((GridRows - n) / 2);
    LeftOffset = static_cast<qint16>((LineWidth - w) / 2);
    if ((TopOffset + r + LeftOffset) % 2 == 1) {
        const int bottomGap = GridRows - TopOffset - n;
        const int rightGap = LineWidth - LeftOffset - w;
        if (w == LineWidth) {
            TopOffset += TopOffset < bottomGap ? 1 : -1;
        } else if (TopOffset != bottomGap) {
            if (LeftOffset == rightGap || LeftOffset > TopOffset)
                ++TopOffset;
            else
                ++LeftOffset;
        } else if (LeftOffset < rightGap) {
            ++LeftOffset;
        } else if (LeftOffset >= TopOffset) {
            --LeftOffset;
        } else {
            --TopOffset;
        }
    }
    modText::ClearLines(1, 1, TopOffset);
    const QString blanks(LineWidth, QLatin1Char(' '));
    for (int i = 1; i <= n; ++i)
        LevelLines[1][TopOffset + i]
            = (QString(LeftOffset, QLatin1Char(' ')) + LevelLines[2][i] + blanks).left(LineWidth);
    modText::ClearLines(1, static_cast<qint16>(TopOffset + n + 1), GridRows);
}

void CenterLevel()
{
    modText::PrepareLevelForDisplace();
    if (FirstUsedLine == 0)
        return;
    LastUsedLine = LevelHeight;
    CenterKeepingLoadFlip();
}

void ShiftLevel(qint16 LineShift, qint16 ColumnShift)
{
    // Bounded so that no shift reaches outside the table.
    const int lines = std::clamp<int>(LineShift, -GridRows, GridRows);
    const int columns = std::clamp<int>(ColumnShift, -LineWidth, LineWidth);
    if (lines != 0) {
        LevelHeight = GridRows;
        modText::CopyBuffer(1, 2);
        if (lines < 0) {
            const int u = -lines;
            for (int i = 1 + u; i <= GridRows; ++i)
                LevelLines[1][i - u] = LevelLines[2][i];
            modText::ClearLines(1, static_cast<qint16>(GridRows + 1 - u), GridRows);
        } else {
            const int d = lines;
            modText::ClearLines(1, 1, static_cast<qint16>(d));
            for (int i = 1; i <= GridRows - d; ++i)
                LevelLines[1][i + d] = LevelLines[2][i];
        }
    }
    if (columns == 0)
        return;
    const QString blanks(std::abs(columns), Blank);
    for (int i = 1; i <= GridRows; ++i) {
        QString& line = LevelLines[1][i];
        if (columns < 0)
            line = line.right(LineWidth + columns) + blanks;
        else
            line = blanks + line.left(LineWidth - columns);
    }
}

void FlipLevelVertically()
{
    modText::PrepareLevelForDisplace();
    if (FirstUsedLine == 0)
        return;
    const int rightFree = LineWidth - LevelWidth - LeftMargin;
    if (FirstUsedLine == 1 && LastUsedLine == GridRows) {
        // Line i goes to 27 - i, which changes its parity: every line also moves one column.
        if (LeftMargin == 0 && rightFree == 0)
            return;
        for (int i = 1; i <= GridRows; ++i) {
            const QString& line = LevelLines[1][i];
            LevelLines[2][i]
                = rightFree <= LeftMargin ? line.mid(1) + Blank : Blank + line.left(LineWidth - 1);
        }
        for (int i = 1; i <= GridRows; ++i)
            LevelLines[1][i] = LevelLines[2][GridRows + 1 - i];
        return;
    }
    LevelHeight = GridRows;
    modText::CopyBuffer(1, 2);
    int f = FirstUsedLine;
    int l = LastUsedLine;
    // Mirrored about a line only when f + l is even; otherwise lines would change parity.
    if ((f + l) % 2 == 1) {
        if (f - 1 <= GridRows - l)
            LastUsedLine = static_cast<qint16>(++l);
        else
            FirstUsedLine = static_cast<qint16>(--f);
    }
    for (int i = f; i <= (f + l) / 2 - 1; ++i) {
        LevelLines[1][i] = LevelLines[2][f + l - i];
        LevelLines[1][f + l - i] = LevelLines[2][i];
    }
}

void FlipLevelHorizontally()
{
    modText::PrepareLevelForDisplace();
    if (FirstUsedLine == 0)
        return;
    if (LevelWidth == LineWidth) {
        // Column C goes to 65 - C, which changes its parity: the level also moves one line.
        if (FirstUsedLine == 1 && LastUsedLine == GridRows)
            return;
        const QString blanks(LineWidth, Blank);
        if (FirstUsedLine - 1 > GridRows - LastUsedLine) {
            for (int i = 2; i <= GridRows; ++i)
                LevelLines[2][i - 1] = LevelLines[1][i];
            LevelLines[2][GridRows] = blanks;
            --FirstUsedLine;
            --LastUsedLine;
        } else {
            LevelLines[2][1] = blanks;
            for (int i = 1; i <= GridRows - 1; ++i)
                LevelLines[2][i + 1] = LevelLines[1][i];
            ++FirstUsedLine;
            ++LastUsedLine;
        }
        for (int i = 1; i <= GridRows; ++i) {
            LevelLines[1][i] = LevelLines[2][i];
            if (i >= FirstUsedLine && i <= LastUsedLine)
                std::reverse(LevelLines[1][i].begin(), LevelLines[1][i].end());
        }
        return;
    }
    const int rightFree = LineWidth - LevelWidth - LeftMargin;
    LevelHeight = GridRows;
    modText::CopyBuffer(1, 2);
    modText::ClearLines(1, 1, GridRows);
    int m = LeftMargin;
    int w = LevelWidth;
    // Mirrored about a column only when the span is odd; otherwise columns would change parity.
    if (w % 2 == 0) {
        if (m >= rightFree)
            --m;
        ++w;
        LeftMargin = m;
        LevelWidth = static_cast<qint16>(w);
    }
    for (int i = FirstUsedLine; i <= LastUsedLine; ++i) {
        const QString& from = LevelLines[2][i];
        QString& to = LevelLines[1][i];
        for (int k = 1; k <= w; ++k)
            to[m + w - k] = CharAt(from, m + k);
    }
}

void RotateBy60Degrees()
{
    const int n = std::clamp<int>(LevelHeight, 0, BufferLines);
    const int w = LevelWidth;
    int sMin = 0, sMax = 0, tMin = 0, tMax = 0;
    bool found = false;
    for (int L = 1; L <= n; ++L) {
        const QString& line = LevelLines[3][L];
        const int end = std::min(w, static_cast<int>(line.size()));
        for (int C = 1; C <= end; ++C) {
            if (line.at(C - 1) == Blank)
                continue;
            const int s = L + C;
            const int t = C - 3 * L;
            if (!found) {
                sMin = sMax = s;
                tMin = tMax = t;
                found = true;
            }
            sMin = std::min(sMin, s);
            sMax = std::max(sMax, s);
            tMin = std::min(tMin, t);
            tMax = std::max(tMax, t);
        }
    }
    if (!found)
        return;
    const RotationFrame frame { sMin, tMin, 1 + (sMax - sMin) / 2, 1 + (tMax - tMin) / 2 };
    // Only a level that is no turn of a grid level could need more lines than the table has.
    if (frame.height > BufferLines)
        return;
    WriteRotatedLevel(frame, n, w);
}

void RotateLevel()
{
    if (DisplaceAmount < 1 || DisplaceAmount > 5)
        return;
    modText::PrepareLevelForDisplace();
    if (FirstUsedLine == 0)
        return;
    modText::CopyBuffer(2, 3);
    for (int k = 1; k <= DisplaceAmount; ++k)
        RotateBy60Degrees();
    if (!RotatedLevelFitsGrid())
        return;
    modText::CopyBuffer(3, 2);
    CenterKeepingLoadFlip();
}

DisplaceChoices ComputeDisplaceChoices()
{
    DisplaceChoices choices;
    modText::PrepareLevelForDisplace();
    DisplacePossible = FirstUsedLine != 0 && !(LevelHeight == GridRows && LevelWidth == LineWidth);
    if (!DisplacePossible)
        return choices;
    choices.possible = true;
    for (int index = 1; index <= 8; ++index) {
        const AmountRange range = OfferedAmounts(index);
        for (int amount = range.step; amount <= range.limit; amount += range.step)
            choices.items[index] << QString::number(amount);
    }
    modText::CopyBuffer(2, 3);
    for (int k = 1; k <= 5; ++k) {
        RotateBy60Degrees();
        if (RotatedLevelFitsGrid())
            choices.items[DisplaceCommand::Rotate] << QString::number(60 * k) + QChar(0x00B0);
    }
    return choices;
}

void PerformDisplacement(int Index, const QString& ListText)
{
    using namespace DisplaceCommand;
    switch (Index) {
    case Centre:
        CenterLevel();
        return;
    case Rotate: {
        const int angle = LeadingNumber(ListText);
        if (angle < 0)
            return;
        DisplaceAmount = static_cast<qint16>(angle / 60);
        RotateLevel();
        return;
    }
    case MirrorTopToBottom:
        FlipLevelVertically();
        return;
    case MirrorLeftToRight:
        FlipLevelHorizontally();
        return;
    default:
        break;
    }
    if (Index < North || Index > NorthWest)
        return;
    bool ok = false;
    const int amount = ListText.toInt(&ok);
    if (!ok || amount < 0 || amount > LineWidth)
        return;
    DisplaceAmount = static_cast<qint16>(amount);
    const DirectionShift& unit = Directions[Index];
    ShiftLevel(static_cast<qint16>(unit.lines * DisplaceAmount),
        static_cast<qint16>(unit.columns * DisplaceAmount));
}

} // namespace quobix::modDisplace
