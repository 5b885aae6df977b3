#include "BenchSupport.h"

#include "dialogs/frmDisplace.h"
#include "displace/modDisplace.h"
#include "level/LevelDocument.h"

#include <QApplication>
#include <cstdio>

using namespace quobix;

// The dialog's preparation on the largest level that can still move: every cell of lines
// 1..25 between columns 2 and 63, which makes the five trial turns as large as they get.
int main(int argc, char** argv)
{
    // The dialog needs no screen to be filled.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    LevelDocument level;
    const QString symbols = QStringLiteral("#$.@*+");
    for (int line = 1; line <= GridRows; ++line) {
        QString text(LineWidth, QLatin1Char(' '));
        for (int column = 2; column <= 63 && line <= 25; ++column)
            if ((line + column) % 2 == 1)
                text[column - 1] = symbols[(line * 7 + column) % symbols.size()];
        level.LevelLines[1][line] = text;
    }

    int offered = 0;
    const auto timing = bench::TimeRuns("ComputeDisplaceChoices (near-full level)", 2000,
        [&] { offered = modDisplace::ComputeDisplaceChoices(level).items[9].size(); });
    std::printf("angles offered: %d; goal median <= 1000 us: %s\n", offered,
        timing.medianMicroseconds <= 1000.0 ? "met" : "missed");

    // What the user waits for between a click and the dialog's return, less the redraw: the
    // Displace command builds and fills a fresh dialog for every showing.
    bench::TimeRuns("new dialog + FillDisplaceChoices", 500, [&] {
        frmDisplace dialog;
        dialog.FillDisplaceChoices(modDisplace::ComputeDisplaceChoices(level));
    });

    bench::TimeRuns(
        "RotateLevel 180 (near-full level)", 2000, [&] { modDisplace::RotateLevel(level, 3); });
    return 0;
}
