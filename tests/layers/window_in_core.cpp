// Must not compile: the core reaches no header of the windows.
#include "editor/GridCanvas.h"
