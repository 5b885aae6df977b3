#include "windows/frmHelp4.h"

namespace quobix {

frmHelp4::frmHelp4(QWidget* parent)
    : frmHelpPage(4, parent)
{
    AddNext(585);
    AddPrevious(527);
    AddCancel(469);
}

} // namespace quobix
