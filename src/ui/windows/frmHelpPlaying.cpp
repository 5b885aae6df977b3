#include "windows/frmHelpPlaying.h"

namespace quobix {

frmHelpPlaying::frmHelpPlaying(QWidget* parent)
    : frmHelpPage(PageNumber, parent)
{
    AddCancel(585);
}

} // namespace quobix
