// Drawing speed of the main window: a whole-grid redraw of a level with every cell used, and one
// step of drag painting (hit test, one cell drawn, recount, status texts).
#include "BenchSupport.h"
#include "geometry/GridGeometry.h"

#include "editor/frmQuobixEditorZN.h"
#include "editor/modQuobixEditorZN.h"

#include <QApplication>

using namespace quobix;

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    modQuobixEditorZN::InitGlobals();
    frmQuobixEditorZN window;

    // All 832 cells hold a symbol other than Floor.
    const QString symbols = QStringLiteral("#$@.*+");
    for (int r = 1; r <= GridRows; ++r)
        for (int c = 1; c <= GridCells; ++c)
            SetCharAt(window.Level().LevelLines[1][r], geometry::Cell { r, c }.TextColumn(),
                symbols[(r + c) % symbols.size()]);
    bench::TimeRuns("ShowLevelInGrid, 832 cells", 300, [&] { window.ShowLevelInGrid(); });

    // Drag across row 13 back and forth: every step enters a new cell.
    window.Form_MouseDown(1, 0, 33.f, 254.f);
    int step = 0;
    bench::TimeRuns("drag-paint step", 20000, [&] {
        const int cell = step++ % 62;
        const int c = cell < 31 ? cell + 1 : 62 - cell;
        window.Form_MouseMove(1, 0, float(geometry::Cell { 13, c }.Centre().x()), 254.f);
    });
    window.Form_MouseUp(1, 0, 0.f, 0.f);
    return 0;
}
