#include "windows/DialogSupport.h"

#include "level/LevelText.h"

#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <limits>

namespace quobix::DialogSupport {

void SetUpFixedDialog(QDialog* dialog, const QString& title, int width, int height)
{
    dialog->setWindowTitle(title);
    dialog->setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
        | Qt::WindowCloseButtonHint);
    dialog->setFixedSize(width, height);
}

namespace {
    const char* const GivenText = "quobixGivenText";
    const char* const ShownText = "quobixShownText";
}

void FillField(QPlainTextEdit* field, const QString& text)
{
    field->setPlainText(QString(text).replace(CRLF, QStringLiteral("\n")));
    field->setProperty(GivenText, text);
    field->setProperty(ShownText, field->document()->toRawText());
}

void FillField(QLineEdit* field, const QString& text)
{
    field->setMaxLength(std::numeric_limits<int>::max());
    field->setText(text);
}

QString TextFromField(const QPlainTextEdit* field)
{
    const QString shown = field->document()->toRawText();
    if (shown == field->property(ShownText).toString())
        return field->property(GivenText).toString();
    return QString(shown).replace(QChar::ParagraphSeparator, CRLF);
}

QString TextFromField(const QLineEdit* field) { return field->text(); }

} // namespace quobix::DialogSupport
