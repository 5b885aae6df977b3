#include "editor/EditorTestSupport.h"

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

QPoint CellCentre(int row, int cell)
{
    return { 9 + 12 * (row % 2) + 24 * (cell - 1) + 12, 20 * (row - 1) + 14 };
}

QPoint PaletteCentre(int slot) { return { 28 * slot + 12, 530 + 14 }; }
