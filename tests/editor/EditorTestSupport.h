#pragma once

#include "editor/frmQuobixEditorZN.h"

#include <QPoint>
#include <memory>

// A fresh main window over freshly initialised globals.
std::unique_ptr<quobix::frmQuobixEditorZN> MakeMainWindow();

// The three counts recomputed from the grid text.
struct Counts {
    int objects = 0;
    int targets = 0;
    int men = 0;
    bool operator==(const Counts& o) const
    {
        return objects == o.objects && targets == o.targets && men == o.men;
    }
};
Counts Recount();
Counts ShownCounts();

// Whether (dx, dy), relative to a cell picture's corner, lies inside the cell's outline.
bool InsideCellOutline(int dx, int dy);

// A point well inside cell (row, cell), and the centre of palette slot s.
QPoint CellCentre(int row, int cell);
QPoint PaletteCentre(int slot);
