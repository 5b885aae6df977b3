#include "messages/LoadSaveState.h"

namespace quobix {

void InitLoadSaveState()
{
    LoadOrSaveMode = 0;
    LoadOrSaveOK = false;
    CurrentDrive.clear();
    CurrentFolder.clear();
    FileName.clear();
    LevelFileType = QbxFile;
}

} // namespace quobix
