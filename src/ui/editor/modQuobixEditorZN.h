#pragma once

// The start-up module: the program's entry, the start values, the grid hit test and the skin
// pictures table.
namespace quobix::modQuobixEditorZN {

// Sets every global to its start value and opens the main window; returns the exit code.
// A QApplication must exist.
int Main();

void InitGlobals();

// Maps a point of the grid band (0 < Y < GridBottom) to CurrentRow and CurrentCell, with
// HitOffsetX/Y relative to the cell's corner; clears ValidLocation when no cell is there.
// The caller sets ValidLocation to true first.
void HitTest(float X, float Y);

// The top left corner of the picture of cell (1..32) in grid row (1..26).
int CellX(int row, int cell);
int CellY(int row);

// Fills SkinPictures from CurrentSkin, looking its pictures up by name.
void LoadSkinPictures();

} // namespace quobix::modQuobixEditorZN
