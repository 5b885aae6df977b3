#include "windows/frmLevelInfo.h"

#include "windows/DialogSupport.h"

#include "level/LevelDocument.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <limits>

namespace quobix {

using DialogSupport::FillField;
using DialogSupport::TextFromField;

frmLevelInfo::frmLevelInfo(QWidget* parent, LevelDocument& level)
    : QDialog(parent)
    , level(level)
{
    DialogSupport::SetUpFixedDialog(this, QStringLiteral("Level Info"), 529, 401);

    QFont labelFont(QStringLiteral("Arial"));
    labelFont.setPointSizeF(8.25);
    labelFont.setBold(true);
    QFont fieldFont(QStringLiteral("Arial"));
    fieldFont.setPointSizeF(12);

    auto comment = [this, &fieldFont](const QRect& place) {
        auto* field = new QPlainTextEdit(this);
        field->setGeometry(place);
        field->setFont(fieldFont);
        field->setLineWrapMode(QPlainTextEdit::NoWrap);
        field->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        field->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        field->setTabChangesFocus(true);
        return field;
    };
    auto label = [this, &labelFont](const char* text, const QRect& place) {
        auto* l = new QLabel(QString::fromLatin1(text), this);
        l->setGeometry(place);
        l->setFont(labelFont);
        return l;
    };

    // Created in tab order: the author first, so it has the focus when the window opens.
    txtAuthor = new QLineEdit(this);
    txtAuthor->setGeometry(105, 190, 424, 24);
    txtAuthor->setFont(fieldFont);
    txtBottomComment = comment(QRect(105, 220, 424, 181));
    txtTopComment = comment(QRect(105, 0, 424, 184));
    Label8 = label("Bottom comment:", QRect(0, 222, 105, 16));
    Label2 = label("Author:", QRect(0, 192, 86, 16));
    Label1 = label("Top comment:", QRect(1, 2, 86, 16));
    setTabOrder(txtAuthor, txtBottomComment);
    setTabOrder(txtBottomComment, txtTopComment);

    Form_Load();
}

void frmLevelInfo::Form_Load()
{
    FillField(txtTopComment, level.TopComment);
    FillField(txtAuthor, level.Author);
    FillField(txtBottomComment, level.BottomComment);
    txtAuthor->setFocus();
}

void frmLevelInfo::done(int result)
{
    Form_Unload();
    QDialog::done(result);
}

void frmLevelInfo::Form_Unload()
{
    level.SetTexts(
        TextFromField(txtAuthor), TextFromField(txtTopComment), TextFromField(txtBottomComment));
}

} // namespace quobix
