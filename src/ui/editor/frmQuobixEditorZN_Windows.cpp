#include "editor/frmQuobixEditorZN.h"

#include "windows/frmAboutQuobixEdit.h"
#include "windows/frmHelpPage.h"
#include "windows/frmLevelInfo.h"
#include "windows/frmPlay.h"
#include "windows/frmQBX.h"

namespace quobix {

// Each window is created afresh, so that it loads from the level as it is now.

void frmQuobixEditorZN::mnuQBX_Click()
{
    frmQBX window(this);
    window.exec();
}

void frmQuobixEditorZN::mnuInfo_Click()
{
    frmLevelInfo window(this);
    window.exec();
}

// Both play on a copy: the level being edited never changes.
void frmQuobixEditorZN::mnuPlay_Click() { frmPlay::PlayLevel(this); }

void frmQuobixEditorZN::mnuSolve_Click() { frmPlay::SolveLevel(this); }

void frmQuobixEditorZN::mnuHelp_Click() { frmHelpPage::ShowHelp(this); }

void frmQuobixEditorZN::mnuAbout_Click()
{
    frmAboutQuobixEdit window(this);
    window.exec();
}

} // namespace quobix
