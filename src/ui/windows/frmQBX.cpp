#include "windows/frmQBX.h"

#include "windows/DialogSupport.h"

#include "level/LevelState.h"

#include <QPlainTextEdit>

namespace quobix {

frmQBX::frmQBX(QWidget* parent)
    : QDialog(parent)
{
    DialogSupport::SetUpFixedDialog(this, QStringLiteral("Level in qbx format"), 543, 425);

    txtLevel = new QPlainTextEdit(this);
    txtLevel->setGeometry(0, 0, 542, 424);
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(9.75);
    font.setBold(true);
    txtLevel->setFont(font);
    // Wrapping would break the rows apart and hide the hexagonal layout.
    txtLevel->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtLevel->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtLevel->setReadOnly(true);
    txtLevel->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    txtLevel->setUndoRedoEnabled(false);

    Form_Load();
}

void frmQBX::Form_Load() { ShowLevelText(); }

void frmQBX::ShowLevelText()
{
    txtLevel->clear();
    QString t = LevelLines[1][1];
    for (int n = 2; n <= GridRows; ++n)
        t += CRLF + LevelLines[1][n];
    levelText = t;
    txtLevel->setPlainText(QString(levelText).replace(CRLF, QStringLiteral("\n")));
}

} // namespace quobix
