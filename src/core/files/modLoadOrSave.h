#pragma once

#include "level/LevelDocument.h"
#include "platform/MessageSeam.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>

namespace quobix {

// The two notations of a level file.
constexpr qint16 QbxFile = 1;
constexpr qint16 XsbFile = 2;

struct LoadResult {
    bool ok = false;
    LevelDocument level; // on success: the level centred in its grid, with its texts and file
    QList<Message> messages; // why the read failed
    QList<Message> warnings; // to say once the level is shown: it is invalid, or flipped to fit
};

struct SaveResult {
    bool ok = false;
    QList<Message> messages; // why the write failed
};

} // namespace quobix

// Reading a level file into a level and writing a level into a file, in the QBX or the XSB
// notation. Both are operations that return their messages instead of showing them.
namespace quobix::modLoadOrSave {

// Reads folder + fileName in a notation into a new level. The file becomes the level's own; an
// XSB level's own file is the QBX file of the same name beside it, so Save never overwrites the
// XSB file.
LoadResult LoadLevel(const QString& folder, const QString& fileName, qint16 notation);

// The same read of a file's whole content already in memory; the level has no file.
LoadResult ReadLevelBytes(const QByteArray& bytes, qint16 notation);

// A level given as text (pasted), read as QBX when it reads as QBX: the cells of each row on
// every second column, neighbouring rows offset by one column. Text that fails only that test is
// read as XSB, with its cells packed. notation, when given, receives the notation used.
LoadResult ReadLevelText(const QString& text, qint16* notation = nullptr);

// The bytes Save would write for the level as it stands in the grid (never flipped back): its
// texts and rows, each line ending in CR LF; empty for an empty grid.
QByteArray LevelFileBytes(const LevelDocument& level, qint16 notation);

// Writes rows 1..LevelHeight of buffer 2 (as CheckLevelBeforeSave extracts them) with the author
// and comments into path. flipBack is the answer to the question whether a level flipped on
// loading goes back as it was read; a No clears LevelFlipped. An existing file is replaced only
// once the new one is complete; on any failure it stays as it was.
SaveResult SaveLevel(LevelDocument& level, const QString& path, qint16 notation, bool flipBack);

// The notation a file name asks for: XSB for a ".xsb" name in any case, else QBX.
qint16 FileTypeOfName(const QString& name);

} // namespace quobix::modLoadOrSave
