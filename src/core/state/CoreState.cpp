#include "state/CoreState.h"

#include "displace/DisplaceState.h"
#include "level/LevelState.h"
#include "messages/LoadSaveState.h"

namespace quobix {

void InitCoreState()
{
    InitLevelState();
    InitLoadSaveState();
    InitDisplaceState();
}

} // namespace quobix
