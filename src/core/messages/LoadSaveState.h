#pragma once

#include <QString>
#include <QtGlobal>

// State of the load/save flow: set by the menu commands and the load/save dialog, read by the
// level reader and writer.
namespace quobix {

inline qint16 LoadOrSaveMode = 0; // 1 load, 2 save
inline bool LoadOrSaveOK = false;
inline QString CurrentDrive; // "C:" where the system has drive letters, else a volume root
inline QString CurrentFolder; // always ends in the platform's separator
inline QString FileName;
inline qint16 LevelFileType = 1; // 1 QBX, 2 XSB

void InitLoadSaveState();

} // namespace quobix
