#include "displace/modDisplace.h"

#include "displace/DisplaceState.h"
#include "level/LevelState.h"
#include "level/modText.h"

namespace quobix::modDisplace {

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

} // namespace quobix::modDisplace
