#include "editor/frmQuobixEditorZN.h"

#include "dialogs/frmDisplace.h"
#include "displace/DisplaceState.h"
#include "level/LevelState.h"
#include "level/modText.h"
#include "messages/modMessages.h"
#include "platform/MessageSeam.h"

namespace quobix {

void frmQuobixEditorZN::mnuDisplace_Click()
{
    modText::PrepareLevelForDisplace();
    if (FirstUsedLine == 0) {
        ShowMessageBox(QStringLiteral("There's nothing to displace."),
            QStringLiteral("Level rotation"), MsgButtons::OK, MsgIcon::Critical);
        return;
    }
    DisplaceAgain = true;
    DisplaceTop = DisplaceStartTop;
    DisplaceLeft = DisplaceStartLeft;
    while (DisplaceAgain) {
        // A fresh window for every showing: it is placed by its load, like a window that was
        // unloaded and loaded again.
        frmDisplace dialog(this);
        dialog.FillDisplaceChoices();
        if (!DisplacePossible) {
            modMessages::ShowNoDisplacementPossible();
            break;
        }
        // A showing that ends without an unload (the program quitting) must not start another.
        DisplaceAgain = false;
        dialog.exec();
        ShowLevelInGrid();
    }
    Form_Activate();
}

} // namespace quobix
