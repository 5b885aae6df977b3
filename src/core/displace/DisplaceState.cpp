#include "displace/DisplaceState.h"

namespace quobix {

void InitDisplaceState()
{
    DisplaceAmount = TopOffset = LeftOffset = 0;
    DisplaceAgain = DisplacePossible = false;
    DisplaceTop = DisplaceLeft = 0;
}

} // namespace quobix
