#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// Reading a level file into the grid and writing the extracted level into a file, in the QBX or
// the XSB notation (LevelFileType). Both report through LoadOrSaveOK and the message routines.
namespace quobix::modLoadOrSave {

// Working state of the reader; every read starts by resetting it.
inline QString ReadLine; // the line just read, trailing blanks cut
// A file may hold millions of blank lines in a row, so this count is wider than 16 bits.
inline int PendingBlankLines = 0;
inline QString ReadTopComment; // lines joined by CRLF
inline QString ReadBottomComment;
inline QString ReadAuthor;
inline qint16 ReadRowCount = 0; // rows stored in buffer 2, blank rows inside the level counted
inline bool LevelStarted = false;

// Reads CurrentFolder + FileName into buffer 2, checks it against the grid and centres it into
// buffer 1; Author, TopComment and BottomComment change only when the whole read succeeds.
void ReadLevelFile();

// The same read on bytes already in memory (the file's whole content).
void ReadLevelBytes(const QByteArray& bytes);

void AddCommentLine();
void AddTopCommentLine();
void AddBottomCommentLine();
void AddBlankLinesToTopComment();
void AddBlankLinesToBottomComment();

// Writes buffer 2 rows 1..LevelHeight (as ExtractLevel leaves them unpadded) with author and
// comments into CurrentFolder + FileName. An existing file is replaced only once the new one is
// complete; on any failure it stays as it was.
void WriteLevelFile();

// After a successful read of CurrentFolder + FileName: that file becomes the level's own. The
// level's own file is a QBX file, so Save writes an XSB level next to the file it came from.
void TakeLoadedFileAsOwn();

// The notation a file name asks for: 2 (XSB) for a ".xsb" name in any case, else 1 (QBX).
qint16 FileTypeOfName(const QString& name);

} // namespace quobix::modLoadOrSave
