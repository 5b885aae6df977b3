#pragma once

#include <QChar>
#include <QString>

// The level as text: the size of the buffers and their lines, the line breaks, and reading and
// writing characters by their 1-based position.
namespace quobix {

constexpr int BufferCount = 4;
constexpr int BufferLines = 52;
// Characters of a grid line.
constexpr int LineWidth = 64;

inline const QString CR = QStringLiteral("\r");
inline const QString LF = QStringLiteral("\n");
inline const QString CRLF = QStringLiteral("\r\n");

// Character positions in a line are 1-based; a position past the end reads as a blank.
QChar CharAt(const QString& line, int position);
void SetCharAt(QString& line, int position, QChar c);

QString TrimTrailingBlanks(const QString& text);
QString TrimLeadingBlanks(const QString& text);

} // namespace quobix
