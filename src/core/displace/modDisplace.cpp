#include "displace/modDisplace.h"

#include "displace/DisplaceState.h"
#include "level/LevelDocument.h"
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

    void WriteRotatedLevel(
        LevelDocument& level, const RotationFrame& frame, int fromLines, int fromWidth)
    {
        // Work lines as wide as the turned level: it can be wider than a grid line.
        for (int R = 1; R <= frame.height; ++R)
            level.LevelLines[4][R] = QString(frame.width, Blank);
        for (int L = 1; L <= fromLines; ++L) {
            const QString& line = level.LevelLines[3][L];
            const int end = std::min(fromWidth, static_cast<int>(line.size()));
            for (int C = 1; C <= end; ++C) {
                const QChar c = line.at(C - 1);
                if (c == Blank)
                    continue;
                const int R = 1 + (L + C - frame.sMin) / 2;
                const int K = 1 + (C - 3 * L - frame.tMin) / 2;
                level.LevelLines[4][R][K - 1] = c;
            }
        }
        level.MarginLine = 0;
        for (int R = 1; R <= frame.height; ++R) {
            level.LevelLines[3][R] = level.LevelLines[4][R];
            if (level.MarginLine == 0 && level.LevelLines[3][R].at(0) != Blank)
                level.MarginLine = static_cast<qint16>(R);
        }
        level.LevelHeight = static_cast<qint16>(frame.height);
        level.LastUsedLine = level.LevelHeight;
        level.LevelWidth = static_cast<qint16>(frame.width);
    }

    // The level turned into buffer 3 can be centred without the upside-down placement, which would
    // mirror it instead of turning it.
    bool RotatedLevelFitsGrid(const LevelDocument& level)
    {
        if (level.LevelHeight > GridRows || level.LevelWidth > LineWidth)
            return false;
        return !(level.LevelHeight == GridRows && level.LevelWidth == LineWidth
            && level.MarginLine % 2 == 1);
    }

    // A displacement is no load: the flag that reports a flip on loading stays as it was.
    void CenterKeepingLoadFlip(LevelDocument& level)
    {
        const bool flippedOnLoad = level.FlippedOnLoad;
        CenterLevelInGrid(level);
        level.FlippedOnLoad = flippedOnLoad;
    }

    // The largest amount of a direction and the step between its list items (its first item).
    struct AmountRange {
        int limit;
        int step;
    };

    AmountRange OfferedAmounts(const LevelDocument& level, int index)
    {
        const int rightFree = LineWidth - level.LevelWidth - level.LeftMargin;
        const int above = level.FirstUsedLine - 1;
        const int below = GridRows - level.LastUsedLine;
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
            return { std::min<int>(level.LeftMargin, below), 1 };
        case DisplaceCommand::West:
            return { level.LeftMargin / 2, 1 };
        default: // north-west
            return { std::min<int>(level.LeftMargin, above), 1 };
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

void CenterLevelInGrid(LevelDocument& level)
{
    const qint16 n = level.LastUsedLine;
    const qint16 w = level.LevelWidth;
    const qint16 r = level.MarginLine;
    qint16 TopOffset = 0;
    qint16 LeftOffset = 0;
    if (n == GridRows && w == LineWidth) {
        if (r % 2 == 1) {
            for (int i = 1; i <= GridRows; ++i)
                level.LevelLines[1][i] = level.LevelLines[2][GridRows + 1 - i];
            level.FlippedOnLoad = true;
        } else {
            for (int i = 1; i <= GridRows; ++i)
                level.LevelLines[1][i] = level.LevelLines[2][i];
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
    modText::ClearLines(level, 1, 1, TopOffset);
    const QString blanks(LineWidth, QLatin1Char(' '));
    for (int i = 1; i <= n; ++i)
        level.LevelLines[1][TopOffset + i]
            = (QString(LeftOffset, QLatin1Char(' ')) + level.LevelLines[2][i] + blanks)
                  .left(LineWidth);
    modText::ClearLines(level, 1, static_cast<qint16>(TopOffset + n + 1), GridRows);
}

void CenterLevel(LevelDocument& level)
{
    modText::PrepareLevelForDisplace(level);
    if (level.FirstUsedLine == 0)
        return;
    level.LastUsedLine = level.LevelHeight;
    CenterKeepingLoadFlip(level);
}

void ShiftLevel(LevelDocument& level, qint16 LineShift, qint16 ColumnShift)
{
    // Bounded so that no shift reaches outside the table.
    const int lines = std::clamp<int>(LineShift, -GridRows, GridRows);
    const int columns = std::clamp<int>(ColumnShift, -LineWidth, LineWidth);
    if (lines != 0) {
        level.LevelHeight = GridRows;
        modText::CopyBuffer(level, 1, 2);
        if (lines < 0) {
            const int u = -lines;
            for (int i = 1 + u; i <= GridRows; ++i)
                level.LevelLines[1][i - u] = level.LevelLines[2][i];
            modText::ClearLines(level, 1, static_cast<qint16>(GridRows + 1 - u), GridRows);
        } else {
            const int d = lines;
            modText::ClearLines(level, 1, 1, static_cast<qint16>(d));
            for (int i = 1; i <= GridRows - d; ++i)
                level.LevelLines[1][i + d] = level.LevelLines[2][i];
        }
    }
    if (columns == 0)
        return;
    const QString blanks(std::abs(columns), Blank);
    for (int i = 1; i <= GridRows; ++i) {
        QString& line = level.LevelLines[1][i];
        if (columns < 0)
            line = line.right(LineWidth + columns) + blanks;
        else
            line = blanks + line.left(LineWidth - columns);
    }
}

void FlipLevelVertically(LevelDocument& level)
{
    modText::PrepareLevelForDisplace(level);
    if (level.FirstUsedLine == 0)
        return;
    const int rightFree = LineWidth - level.LevelWidth - level.LeftMargin;
    if (level.FirstUsedLine == 1 && level.LastUsedLine == GridRows) {
        // Line i goes to 27 - i, which changes its parity: every line also moves one column.
        if (level.LeftMargin == 0 && rightFree == 0)
            return;
        for (int i = 1; i <= GridRows; ++i) {
            const QString& line = level.LevelLines[1][i];
            level.LevelLines[2][i] = rightFree <= level.LeftMargin
                ? line.mid(1) + Blank
                : Blank + line.left(LineWidth - 1);
        }
        for (int i = 1; i <= GridRows; ++i)
            level.LevelLines[1][i] = level.LevelLines[2][GridRows + 1 - i];
        return;
    }
    level.LevelHeight = GridRows;
    modText::CopyBuffer(level, 1, 2);
    int f = level.FirstUsedLine;
    int l = level.LastUsedLine;
    // Mirrored about a line only when f + l is even; otherwise lines would change parity.
    if ((f + l) % 2 == 1) {
        if (f - 1 <= GridRows - l)
            level.LastUsedLine = static_cast<qint16>(++l);
        else
            level.FirstUsedLine = static_cast<qint16>(--f);
    }
    for (int i = f; i <= (f + l) / 2 - 1; ++i) {
        level.LevelLines[1][i] = level.LevelLines[2][f + l - i];
        level.LevelLines[1][f + l - i] = level.LevelLines[2][i];
    }
}

void FlipLevelHorizontally(LevelDocument& level)
{
    modText::PrepareLevelForDisplace(level);
    if (level.FirstUsedLine == 0)
        return;
    if (level.LevelWidth == LineWidth) {
        // Column C goes to 65 - C, which changes its parity: the level also moves one line.
        if (level.FirstUsedLine == 1 && level.LastUsedLine == GridRows)
            return;
        const QString blanks(LineWidth, Blank);
        if (level.FirstUsedLine - 1 > GridRows - level.LastUsedLine) {
            for (int i = 2; i <= GridRows; ++i)
                level.LevelLines[2][i - 1] = level.LevelLines[1][i];
            level.LevelLines[2][GridRows] = blanks;
            --level.FirstUsedLine;
            --level.LastUsedLine;
        } else {
            level.LevelLines[2][1] = blanks;
            for (int i = 1; i <= GridRows - 1; ++i)
                level.LevelLines[2][i + 1] = level.LevelLines[1][i];
            ++level.FirstUsedLine;
            ++level.LastUsedLine;
        }
        for (int i = 1; i <= GridRows; ++i) {
            level.LevelLines[1][i] = level.LevelLines[2][i];
            if (i >= level.FirstUsedLine && i <= level.LastUsedLine)
                std::reverse(level.LevelLines[1][i].begin(), level.LevelLines[1][i].end());
        }
        return;
    }
    const int rightFree = LineWidth - level.LevelWidth - level.LeftMargin;
    level.LevelHeight = GridRows;
    modText::CopyBuffer(level, 1, 2);
    modText::ClearLines(level, 1, 1, GridRows);
    int m = level.LeftMargin;
    int w = level.LevelWidth;
    // Mirrored about a column only when the span is odd; otherwise columns would change parity.
    if (w % 2 == 0) {
        if (m >= rightFree)
            --m;
        ++w;
        level.LeftMargin = m;
        level.LevelWidth = static_cast<qint16>(w);
    }
    for (int i = level.FirstUsedLine; i <= level.LastUsedLine; ++i) {
        const QString& from = level.LevelLines[2][i];
        QString& to = level.LevelLines[1][i];
        for (int k = 1; k <= w; ++k)
            to[m + w - k] = CharAt(from, m + k);
    }
}

void RotateBy60Degrees(LevelDocument& level)
{
    const int n = std::clamp<int>(level.LevelHeight, 0, BufferLines);
    const int w = level.LevelWidth;
    int sMin = 0, sMax = 0, tMin = 0, tMax = 0;
    bool found = false;
    for (int L = 1; L <= n; ++L) {
        const QString& line = level.LevelLines[3][L];
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
    WriteRotatedLevel(level, frame, n, w);
}

void RotateLevel(LevelDocument& level, qint16 DisplaceAmount)
{
    if (DisplaceAmount < 1 || DisplaceAmount > 5)
        return;
    modText::PrepareLevelForDisplace(level);
    if (level.FirstUsedLine == 0)
        return;
    modText::CopyBuffer(level, 2, 3);
    for (int k = 1; k <= DisplaceAmount; ++k)
        RotateBy60Degrees(level);
    if (!RotatedLevelFitsGrid(level))
        return;
    modText::CopyBuffer(level, 3, 2);
    CenterKeepingLoadFlip(level);
}

DisplaceChoices ComputeDisplaceChoices(LevelDocument& level)
{
    DisplaceChoices choices;
    modText::PrepareLevelForDisplace(level);
    choices.possible = level.FirstUsedLine != 0
        && !(level.LevelHeight == GridRows && level.LevelWidth == LineWidth);
    if (!choices.possible)
        return choices;
    for (int index = 1; index <= 8; ++index) {
        const AmountRange range = OfferedAmounts(level, index);
        for (int amount = range.step; amount <= range.limit; amount += range.step)
            choices.items[index] << QString::number(amount);
    }
    modText::CopyBuffer(level, 2, 3);
    for (int k = 1; k <= 5; ++k) {
        RotateBy60Degrees(level);
        if (RotatedLevelFitsGrid(level))
            choices.items[DisplaceCommand::Rotate] << QString::number(60 * k) + QChar(0x00B0);
    }
    return choices;
}

void PerformDisplacement(LevelDocument& level, int Index, const QString& ListText)
{
    using namespace DisplaceCommand;
    switch (Index) {
    case Centre:
        CenterLevel(level);
        break;
    case Rotate: {
        const int angle = LeadingNumber(ListText);
        if (angle >= 0)
            RotateLevel(level, static_cast<qint16>(angle / 60));
        break;
    }
    case MirrorTopToBottom:
        FlipLevelVertically(level);
        break;
    case MirrorLeftToRight:
        FlipLevelHorizontally(level);
        break;
    default: {
        bool ok = false;
        const int amount = ListText.toInt(&ok);
        if (Index < North || Index > NorthWest || !ok || amount < 0 || amount > LineWidth)
            break;
        const auto DisplaceAmount = static_cast<qint16>(amount);
        const DirectionShift& unit = Directions[Index];
        ShiftLevel(level, static_cast<qint16>(unit.lines * DisplaceAmount),
            static_cast<qint16>(unit.columns * DisplaceAmount));
    }
    }
    level.GridChanged();
}

} // namespace quobix::modDisplace
