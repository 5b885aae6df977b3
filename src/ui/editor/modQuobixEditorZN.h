#pragma once

// The start-up module: the program's entry, the start values and the skin pictures table.
namespace quobix::modQuobixEditorZN {

// Sets every global to its start value and opens the main window; returns the exit code.
// A QApplication must exist.
int Main();

void InitGlobals();

// Fills SkinPictures from CurrentSkin, looking its pictures up by name.
void LoadSkinPictures();

} // namespace quobix::modQuobixEditorZN
