#pragma once

#include "level/LevelState.h"
#include "level/modText.h"
#include "messages/LoadSaveState.h"

#include <QByteArray>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

// Helpers shared by the level file tests.

// Lines as a file written by the editor holds them: each ending in CR LF.
inline QByteArray CrLfLines(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toUtf8() + "\r\n";
    return bytes;
}

inline QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

inline bool WriteFileBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Points CurrentFolder and FileName at name inside dir.
inline void UseFile(const QTemporaryDir& dir, const QString& name)
{
    quobix::CurrentFolder = dir.path() + QLatin1Char('/');
    quobix::FileName = name;
}

// The grid's level as the writer receives it: used rows, margin cut, trailing blanks cut.
inline QStringList ExtractedGrid()
{
    using namespace quobix;
    modText::FindUsedLines();
    if (FirstUsedLine == 0)
        return {};
    modText::ExtractLevel(true);
    QStringList rows;
    for (int k = 1; k <= LevelHeight; ++k)
        rows << LevelLines[2][k];
    return rows;
}
