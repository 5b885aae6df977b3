#include "windows/DialogSupport.h"

#include "level/LevelState.h"

#include <QDialog>
#include <QPlainTextEdit>
#include <QTextDocument>

namespace quobix::DialogSupport {

void SetUpFixedDialog(QDialog* dialog, const QString& title, int width, int height)
{
    dialog->setWindowTitle(title);
    dialog->setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
        | Qt::WindowCloseButtonHint);
    dialog->setFixedSize(width, height);
}

QString TextToField(const QString& text)
{
    return QString(text).replace(CRLF, QStringLiteral("\n"));
}

QString TextFromField(const QPlainTextEdit* field)
{
    return field->document()->toRawText().replace(QChar::ParagraphSeparator, CRLF);
}

} // namespace quobix::DialogSupport
