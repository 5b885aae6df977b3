#include "windows/frmHelp3.h"

namespace quobix {

frmHelp3::frmHelp3(QWidget* parent)
    : frmHelpPage(3, parent)
{
    AddNext(585);
    AddPrevious(527);
    AddCancel(469);
}

} // namespace quobix
