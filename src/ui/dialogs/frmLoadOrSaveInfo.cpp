#include "dialogs/frmLoadOrSaveInfo.h"

#include "files/modLoadOrSave.h"
#include "messages/LoadSaveState.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QTimer>

namespace quobix {

frmLoadOrSaveInfo::frmLoadOrSaveInfo(QWidget* parent)
    : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(354, 96);
    Label1 = new QLabel(this);
    Label1->setGeometry(11, 22, 335, 54);
    Label1->setFont(QFont(QStringLiteral("Arial"), 10));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Form_Load();
}

QString frmLoadOrSaveInfo::Run(QWidget* parent)
{
    const QString path = CurrentFolder + FileName;
    frmLoadOrSaveInfo window(parent);
    window.exec();
    return LoadOrSaveOK ? path : QString();
}

void frmLoadOrSaveInfo::Form_Load()
{
    const bool loading = LoadOrSaveMode == LoadMode;
    setWindowTitle(loading ? QStringLiteral("Loading...") : QStringLiteral("Saving..."));
    Label1->setText((loading ? QStringLiteral("Loading level ") : QStringLiteral("Saving level "))
        + CurrentFolder + FileName);
}

void frmLoadOrSaveInfo::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!activated) {
        activated = true;
        // Runs once the window is on screen, from the dialog's own event loop.
        QTimer::singleShot(0, this, &frmLoadOrSaveInfo::Form_Activate);
    }
}

void frmLoadOrSaveInfo::Form_Activate()
{
    QApplication::processEvents(); // paint the window before the work blocks the interface
    if (LoadOrSaveMode == LoadMode)
        modLoadOrSave::ReadLevelFile();
    else
        modLoadOrSave::WriteLevelFile();
    closingByProgram = true;
    accept();
}

void frmLoadOrSaveInfo::closeEvent(QCloseEvent* event)
{
    if (Form_QueryUnload())
        event->ignore();
    else
        QDialog::closeEvent(event);
}

void frmLoadOrSaveInfo::reject()
{
    // Escape would close the window; only the program may.
    if (!Form_QueryUnload())
        QDialog::reject();
}

} // namespace quobix
