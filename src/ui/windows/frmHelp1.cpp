#include "windows/frmHelp1.h"

namespace quobix {

frmHelp1::frmHelp1(QWidget* parent)
    : frmHelpPage(1, parent)
{
    AddNext(585);
    AddCancel(529);
}

} // namespace quobix
