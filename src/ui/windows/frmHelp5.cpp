#include "windows/frmHelp5.h"

namespace quobix {

frmHelp5::frmHelp5(QWidget* parent)
    : frmHelpPage(5, parent)
{
    AddCancel(528);
    AddPrevious(585);
}

} // namespace quobix
