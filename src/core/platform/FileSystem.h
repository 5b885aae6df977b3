#pragma once

#include "platform/RunTimeError.h"

#include <QString>
#include <QStringList>

class QFile;

// Folders, drives and the process's current folder, in the platform's own notation.
namespace quobix::FileSystem {

// The folder in native form, ending in the platform's separator.
QString WithSeparator(const QString& folder);

// The program's own folder, or the user's home folder for an installed program or one whose
// folder cannot be written.
QString StartFolder();

// The drive of a folder: "C:" where the system has drive letters, else its volume's root ("/").
QString DriveOf(const QString& folder);

// Drives where the system has them, else the roots of the mounted, ready volumes, "/" first.
QStringList Drives();

// Makes folder the process's current folder; false when it cannot be entered.
bool SetCurrentFolder(const QString& folder);

// Opens path for reading only when it names a regular file (a FIFO would block the program, a
// device may have no end) and gives its size; false with the error otherwise.
bool OpenRegularFile(QFile& file, const QString& path, qint64& size, RunTimeError& error);

// The size of an open file now, or -1.
qint64 CurrentSize(const QFile& file);

// True when a level may be written to path: nothing is there yet, or a regular file is; a
// folder, a FIFO or a device is refused (false with the error), never replaced or written into.
bool MayReplace(const QString& path, RunTimeError& error);

// Writes content as the whole of the file at path. An existing file is replaced only once the
// new one is complete and flushed; on any failure it stays as it was, no temporary file is left
// and the error says why.
bool ReplaceFile(const QString& path, const QByteArray& content, RunTimeError& error);

} // namespace quobix::FileSystem
