#include "editor/EditorTestSupport.h"
#include "geometry/GridGeometry.h"

#include "editor/modQuobixEditorZN.h"
#include "level/LevelState.h"

using namespace quobix;

std::unique_ptr<frmQuobixEditorZN> MakeMainWindow()
{
    modQuobixEditorZN::InitGlobals();
    return std::make_unique<frmQuobixEditorZN>();
}

Counts Recount()
{
    Counts c;
    for (int r = 1; r <= GridRows; ++r)
        for (int cell = 1; cell <= GridCells; ++cell)
            switch (SymbolIndexOf(CharAt(LevelLines[1][r], CellPosition(r, cell)))) {
            case 2:
                ++c.objects;
                break;
            case 3:
                ++c.men;
                break;
            case 4:
                ++c.targets;
                break;
            case 5:
                ++c.objects;
                ++c.targets;
                break;
            case 6:
                ++c.men;
                ++c.targets;
                break;
            default:
                break;
            }
    return c;
}

Counts ShownCounts() { return { ObjectCount, TargetCount, ManCount }; }

bool InsideCellOutline(int dx, int dy)
{
    // Inclusive column spans of the interior, lines 1..26 of a 25 x 28 cell picture.
    static constexpr int Spans[27][2] = { { 0, -1 }, { 11, 13 }, { 10, 14 }, { 8, 16 }, { 7, 17 },
        { 5, 19 }, { 4, 20 }, { 2, 22 }, { 1, 23 }, { 1, 23 }, { 1, 23 }, { 1, 23 }, { 1, 23 },
        { 1, 23 }, { 1, 23 }, { 1, 23 }, { 1, 23 }, { 1, 23 }, { 1, 23 }, { 1, 23 }, { 2, 22 },
        { 4, 20 }, { 5, 19 }, { 7, 17 }, { 8, 16 }, { 10, 14 }, { 11, 13 } };
    return dy >= 1 && dy <= 26 && dx >= Spans[dy][0] && dx <= Spans[dy][1];
}

QPoint CellCentre(int row, int cell) { return quobix::geometry::CellCentre(row, cell); }

QPoint PaletteCentre(int slot) { return { 28 * slot + 12, 530 + 14 }; }
