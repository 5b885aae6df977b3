#pragma once

#include <QString>

class QDialog;
class QLineEdit;
class QPlainTextEdit;

// What the program's fixed-size windows and comment fields share.
namespace quobix::DialogSupport {

// A window with a title and a close box, whose client area never changes size.
void SetUpFixedDialog(QDialog* dialog, const QString& title, int width, int height);

// Shows one of the level's texts (author, comments) in a field. A comment field keeps the text
// it was given, so a window closed without typing gives it back exactly (the field itself turns
// a paragraph separator into a line break); an author field takes an author of any length.
void FillField(QPlainTextEdit* field, const QString& text);
void FillField(QLineEdit* field, const QString& text);

// The text as given, or as the user changed it. Multi-line fields break lines with "\n", the
// level's texts with CR LF; no-break spaces are kept.
QString TextFromField(const QPlainTextEdit* field);
QString TextFromField(const QLineEdit* field);

} // namespace quobix::DialogSupport
