#pragma once

#include <QString>
#include <QtGlobal>

// State of the load/save flow: set by the menu commands and the load/save dialog, read by the
// level reader and writer.
namespace quobix {

constexpr qint16 LoadMode = 1;
constexpr qint16 SaveMode = 2;
constexpr qint16 QbxFile = 1;
constexpr qint16 XsbFile = 2;

inline qint16 LoadOrSaveMode = 0; // LoadMode or SaveMode
inline bool LoadOrSaveOK = false;
inline QString CurrentDrive; // "C:" where the system has drive letters, else a volume root
inline QString CurrentFolder; // always ends in the platform's separator
inline QString FileName;
inline qint16 LevelFileType = QbxFile; // QbxFile or XsbFile

void InitLoadSaveState();

} // namespace quobix
