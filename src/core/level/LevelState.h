#pragma once

#include "geometry/Cell.h"
#include "level/Symbols.h"
#include "platform/MessageSeam.h"

#include <QString>
#include <QtGlobal>

// The level being edited and everything that describes it. One instance for the whole
// program; windows and procedures hand data to each other through these names.
namespace quobix {

constexpr int BufferCount = 4;
constexpr int BufferLines = 52;

// Indexed (buffer 1..4, line 1..52); index 0 of both stays unused.
inline QString LevelLines[BufferCount + 1][BufferLines + 1];
inline qint16 LineWidth = 0;

inline qint16 CurrentSymbol = 0;
inline qint16 ObjectCount = 0;
inline qint16 TargetCount = 0;
inline qint16 ManCount = 0;

inline qint16 FirstUsedLine = 0;
inline qint16 LastUsedLine = 0;
inline qint16 LevelHeight = 0;
inline qint16 LevelWidth = 0;
inline int LeftMargin = 0; // a row read from a file may start far out
inline qint16 MarginLine = 0;

inline QString LevelFolder;
inline QString LevelFileName;
inline QString Author;
inline QString TopComment;
inline QString BottomComment;
inline bool LevelFlipped = false;
inline bool FlippedOnLoad = false;

inline QString CR;
inline QString LF;
inline QString CRLF;

// Empties every piece of level state and sets the constants and symbol tables.
void InitLevelState();

// Character positions in a line are 1-based; a position past the end reads as a blank.
QChar CharAt(const QString& line, int position);
void SetCharAt(QString& line, int position, QChar c);

QString TrimTrailingBlanks(const QString& text);
QString TrimLeadingBlanks(const QString& text);

} // namespace quobix
