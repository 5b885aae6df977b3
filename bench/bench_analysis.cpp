// The analysis beside the grid: the dead cells of a full grid, the time from a change to a verdict
// on the sample levels and on generated rooms of 12 objects, and a drag-paint step with the panel
// open while a search runs beside it, against the same step with the panel closed.
#include "BenchSupport.h"

#include "editor/frmQuobixEditorZN.h"
#include "editor/modQuobixEditorZN.h"
#include "game/Analysis.h"
#include "game/SolveCommand.h"
#include "game/SolverSettings.h"
#include "windows/AnalysisPanel.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <atomic>
#include <thread>

using namespace quobix;
using namespace quobix::game;

namespace {

// The grid inside a wall along its edge: floor, or at random a wall in about one cell in three.
GamePosition FullGrid(bool maze)
{
    std::uint32_t seed = 12345;
    QStringList rows;
    for (int r = 1; r <= GridRows; ++r) {
        QString row(GridCells, QLatin1Char(' '));
        for (int c = 1; c <= GridCells; ++c) {
            seed = seed * 1103515245u + 12345u;
            const bool edge = r == 1 || r == GridRows || c == 1 || c == GridCells;
            row[c - 1] = edge || (maze && (seed >> 16) % 3 == 0) ? '#' : ' ';
        }
        rows << row;
    }
    rows[12][15] = '@';
    rows[3][4] = '.';
    rows[20][25] = '$';
    QStringList grid;
    for (int r = 1; r <= GridRows; ++r) {
        QString line(LineWidth, QLatin1Char(' '));
        for (int c = 1; c <= GridCells; ++c)
            SetCharAt(line, geometry::Cell { r, c }.TextColumn(), rows[r - 1][c - 1]);
        grid << line;
    }
    return GamePosition::FromRows(grid);
}

// A room of about 150 cells with 12 objects and 12 targets, none of them on the room's edge.
GamePosition Room(std::uint32_t seed)
{
    QStringList rows;
    for (int r = 0; r < 12; ++r)
        rows << (r == 0 || r == 11 ? QString(16, '#')
                                   : QStringLiteral("#") + QString(14, ' ') + '#');
    const auto place = [&](QChar symbol) {
        for (;;) {
            seed = seed * 1103515245u + 12345u;
            const int r = 2 + static_cast<int>((seed >> 8) % 8);
            const int c = 2 + static_cast<int>((seed >> 20) % 12);
            if (rows[r][c] == ' ') {
                rows[r][c] = symbol;
                return;
            }
        }
    };
    place('@');
    for (int k = 0; k < 12; ++k) {
        place('$');
        place('.');
    }
    QStringList grid;
    for (int r = 1; r <= GridRows; ++r) {
        QString line(LineWidth, QLatin1Char(' '));
        for (int c = 1; c <= 16 && r >= 5 && r < 17; ++c)
            SetCharAt(line, geometry::Cell { r, c + 5 }.TextColumn(), rows[r - 5][c - 1]);
        grid << line;
    }
    return GamePosition::FromRows(grid);
}

// The whole analysis of one level as the panel runs it once the pause has passed.
double VerdictMilliseconds(const GamePosition& level, QString& verdict)
{
    QElapsedTimer clock;
    clock.start();
    const DeadCells dead = FindDeadCells(level);
    StuckObjects(level, dead);
    SolverLimits limits;
    limits.seconds = DefaultAnalysisSeconds;
    const SolveResult result = Solve(level, limits);
    verdict = result.outcome == SolveOutcome::Solved
        ? QStringLiteral("solvable, %1 pushes").arg(result.pushes)
        : result.outcome == SolveOutcome::Unsolvable ? QStringLiteral("unsolvable")
                                                     : QStringLiteral("not decided");
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    for (const bool maze : { false, true }) {
        const GamePosition grid = FullGrid(maze);
        int dead = 0;
        const auto timing = bench::TimeRuns(
            maze ? "dead cells, full grid, a third walls" : "dead cells, full grid of floor", 200,
            [&] { dead = FindDeadCells(grid).count; });
        std::printf("  %d dead cells; goal under 1000 us: %s\n", dead,
            timing.medianMicroseconds < 1000 ? "met" : "missed");
    }

    std::printf("From a change to a verdict: the pause of %d ms, then:\n",
        AnalysisPanel::PauseMilliseconds);
    const QDir samples(QStringLiteral(QUOBIX_SOURCE_DIR "/levels"));
    for (const QString& name : samples.entryList({ "*.qbx" }, QDir::Files, QDir::Name)) {
        const auto level = LoadLevelFile(samples.filePath(name));
        if (!level || level->Check() != Playability::Playable)
            continue;
        QString verdict;
        const double ms = VerdictMilliseconds(*level, verdict);
        std::printf("  %-28s %8.2f ms  %s; goal under 300 ms with the pause: %s\n",
            qPrintable(name), ms, qPrintable(verdict),
            ms + AnalysisPanel::PauseMilliseconds < 300 ? "met" : "missed");
    }
    for (std::uint32_t seed = 1; seed <= 8; ++seed) {
        QString verdict;
        const double ms = VerdictMilliseconds(Room(seed), verdict);
        std::printf("  room of 12 objects, seed %u     %8.2f ms  %s; goal under 2 s: %s\n", seed,
            ms, qPrintable(verdict),
            ms + AnalysisPanel::PauseMilliseconds < 2000 ? "met" : "missed");
    }

    // Drag-paint steps across row 13 with the panel closed, then open while a search keeps the
    // other core busy, as the panel's own search would.
    modQuobixEditorZN::InitGlobals();
    frmQuobixEditorZN window;
    window.show();
    const auto drag = [&window](const char* name) {
        window.Form_MouseDown(1, 0, 33.f, 254.f);
        int step = 0;
        const auto timing = bench::TimeRuns(name, 20000, [&] {
            const int cell = step++ % 62;
            const int c = cell < 31 ? cell + 1 : 62 - cell;
            window.Form_MouseMove(1, 0, float(geometry::Cell { 13, c }.Centre().x()), 254.f);
        });
        window.Form_MouseUp(1, 0, 0.f, 0.f);
        return timing.medianMicroseconds;
    };
    const double closed = drag("drag-paint step, analysis closed");
    window.mnuShowAnalysis->trigger();
    std::atomic<bool> stop { false };
    std::thread search([&stop] {
        for (std::uint32_t seed = 100; !stop; ++seed) {
            SolveControl control;
            std::thread stopper([&] {
                while (!stop && control.searched < 2000000)
                    std::this_thread::sleep_for(std::chrono::milliseconds(5));
                control.cancel = true;
            });
            Solve(Room(seed), SolverLimits {}, &control);
            stopper.join();
        }
    });
    const double open = drag("drag-paint step, analysis open + search");
    stop = true;
    search.join();
    window.mnuShowAnalysis->trigger();
    std::printf("  open / closed: %.2f; goal at most 1.2: %s\n", open / closed,
        open / closed <= 1.2 ? "met" : "missed");
    return 0;
}
