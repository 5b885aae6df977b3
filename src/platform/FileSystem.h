#pragma once

#include <QString>
#include <QStringList>

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

} // namespace quobix::FileSystem
