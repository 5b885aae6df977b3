#pragma once

#include "geometry/GridGeometry.h"
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

// The symbol codes; a code also indexes SymbolNames, SymbolChars and the skins' pictures.
namespace SymbolCode {
    constexpr qint16 Floor = 0;
    constexpr qint16 Wall = 1;
    constexpr qint16 Object = 2;
    constexpr qint16 Man = 3;
    constexpr qint16 Target = 4;
    constexpr qint16 ObjectOnTarget = 5;
    constexpr qint16 ManOnTarget = 6;
    constexpr qint16 None = 7; // a character that is no symbol
}

inline QString SymbolAlphabet;
inline QString SymbolNames[7];
inline QString SymbolChars[7];

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

// Code of a level character by its place in SymbolAlphabet: 0..6 for the symbols,
// -1 for "X", -2 for any other character.
qint16 SymbolCodeOf(QChar c);

// Code of a level character by SymbolChars: 0..6, or 7 when it is none of them.
qint16 SymbolIndexOf(QChar c);

// Character positions in a line are 1-based; a position past the end reads as a blank.
QChar CharAt(const QString& line, int position);
void SetCharAt(QString& line, int position, QChar c);

// Character position of cell (1..32) in grid row (1..26).
inline int CellPosition(int row, int cell) { return 2 * cell - 1 + row % 2; }

QString TrimTrailingBlanks(const QString& text);
QString TrimLeadingBlanks(const QString& text);

} // namespace quobix
