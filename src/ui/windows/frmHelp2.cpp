#include "windows/frmHelp2.h"

namespace quobix {

frmHelp2::frmHelp2(QWidget* parent)
    : frmHelpPage(2, parent)
{
    AddNext(585);
    AddPrevious(527);
    AddCancel(469);
}

} // namespace quobix
