#include "editor/modQuobixEditorZN.h"

#include "windows/BuiltInPictures.h"

#include "editor/frmQuobixEditorZN.h"
#include "level/Symbols.h"
#include "platform/MessageSeam.h"
#include "skins/SkinKRV.h"
#include "skins/SkinState.h"

#include <QApplication>
#include <QFont>
#include <QMessageBox>
#include <QPushButton>
#include <cmath>

namespace quobix::modQuobixEditorZN {

namespace {
    qint16 ShowQtMessageBox(
        const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon)
    {
        QMessageBox box(QApplication::activeWindow());
        box.setWindowTitle(title);
        box.setText(QString(text).replace(QChar(13), QChar(10)));
        // A path or a solution in a message can be selected and copied.
        box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        box.setIcon(icon == MsgIcon::Critical  ? QMessageBox::Critical
                : icon == MsgIcon::Question    ? QMessageBox::Question
                : icon == MsgIcon::Information ? QMessageBox::Information
                                               : QMessageBox::Warning);
        if (buttons == MsgButtons::YesNo) {
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(QMessageBox::Yes);
            box.setEscapeButton(QMessageBox::No);
            return box.exec() == QMessageBox::Yes ? vbYes : vbNo;
        }
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
        return vbOK;
    }
}

int Main(const QString& levelFile)
{
    InitGlobals();
    SetMessageBoxHandler(ShowQtMessageBox);
    SubstituteFonts();

    frmQuobixEditorZN window;
    window.show();
    if (!levelFile.isEmpty())
        window.OpenLevelFile(levelFile);
    return QApplication::exec();
}

void SubstituteFonts()
{
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
}

void InitGlobals()
{
    BuiltInPictures::Init();
    CurrentSkin = SkinKRVInstance(true);
    LoadSkinPictures();
    SymbolPicture = SkinPictures[SymbolCode::Wall];
}

void LoadSkinPictures()
{
    for (int index = 0; index <= EmptyGridPicture; ++index) {
        const auto* holder
            = CurrentSkin->findChild<PictureHolder*>(QLatin1String(PictureName(index)));
        SkinPictures[index] = holder ? &holder->Picture : nullptr;
    }
}

} // namespace quobix::modQuobixEditorZN
