#pragma once

#include <QString>

class QDialog;
class QPlainTextEdit;

// What the program's fixed-size windows and comment fields share.
namespace quobix::DialogSupport {

// A window with a title and a close box, whose client area never changes size.
void SetUpFixedDialog(QDialog* dialog, const QString& title, int width, int height);

// Multi-line fields break lines with "\n"; the level's texts keep CR LF.
QString TextToField(const QString& text);
// The field's raw text, because the plain text would turn no-break spaces into blanks.
QString TextFromField(const QPlainTextEdit* field);

} // namespace quobix::DialogSupport
