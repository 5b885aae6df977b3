#include "windows/frmQBX.h"

#include "windows/DialogSupport.h"

#include "level/LevelDocument.h"

#include <QPlainTextEdit>

namespace quobix {

frmQBX::frmQBX(QWidget* parent, const LevelDocument& level)
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

    ShowLevelText(level);
}

void frmQBX::ShowLevelText(const LevelDocument& level)
{
    txtLevel->clear();
    QString t = level.LevelLines[1][1];
    for (int n = 2; n <= GridRows; ++n)
        t += CRLF + level.LevelLines[1][n];
    levelText = t;
    txtLevel->setPlainText(QString(levelText).replace(CRLF, QStringLiteral("\n")));
}

} // namespace quobix
