#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

// The rules of the two level file notations that the reader and the writer share: how a file's
// bytes become text and lines, what kind a line is, and how QBX and XSB rows map to each other.
namespace quobix::LevelNotation {

// The largest level file the reader accepts; a level with its comments is a few kilobytes.
constexpr qint64 MaxLevelFileBytes = 16 * 1024 * 1024;

// One leading UTF-8 byte-order mark is skipped; the rest is UTF-8 when it is valid UTF-8 and
// Latin-1 otherwise, so that no byte of a file from another program is lost.
QString DecodeLevelText(const QByteArray& bytes);

// The line that starts at position, without its end (CR LF, LF or CR; the last line needs none).
// Moves position past the line end; false once the text is used up.
bool NextLine(QStringView text, qsizetype& position, QStringView& line);

// Non-empty and made of the seven level characters only.
bool IsLevelLine(QStringView line);

// The first seven characters are "AUTHOR:" in any mix of case.
bool HasAuthorKeyword(QStringView line);

// What follows the keyword of an author line, without blanks around it.
QString AuthorOf(QStringView line);

// Row k of an XSB level (1-based, blank rows counted) in QBX form, trailing blanks cut.
QString XsbRowToQbx(QStringView row, int k);

// Blanks put in front of QBX row k of n before its odd positions become an XSB row; marginRow
// (whose first character stands in column 1) always gets an even shift, so no cell is lost.
int XsbShift(int n, int k, int marginRow);

// The characters at positions 1, 3, 5, ...
QString OddPositions(QStringView text);

// Blanks at the front; a text of blanks only counts with its whole length.
int LeadingBlanks(QStringView text);

// Row k of a normalised QBX level keeps the columns between its cells blank: the even columns
// when marginRow + k is even, the odd columns otherwise.
bool IsInterleaved(QStringView row, int k, int marginRow);

// Every line break of text (CR LF, a lone LF or a lone CR) as CR LF.
QString WithCrLf(const QString& text);

} // namespace quobix::LevelNotation
