#pragma once

#include <QString>

// The start-up module: the program's entry, the start values and the skin pictures table.
namespace quobix::modQuobixEditorZN {

// Sets every global to its start value and opens the main window, with levelFile loaded when
// one is given; returns the exit code.
// A QApplication must exist.
int Main(const QString& levelFile = {});

// The built-in pictures and skin KRV, the skin a new main window starts with.
void InitGlobals();

// The fonts the windows name, replaced by the free fonts that match their metrics.
void SubstituteFonts();

// Fills SkinPictures from CurrentSkin, looking its pictures up by name.
void LoadSkinPictures();

} // namespace quobix::modQuobixEditorZN
