#include "dialogs/frmLoadOrSaveInfo.h"

#include "dialogs/frmLoadOrSave.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QTimer>

namespace quobix {

frmLoadOrSaveInfo::frmLoadOrSaveInfo(
    QWidget* parent, bool loading, const QString& path, std::function<void()> work)
    : QDialog(parent)
    , work(std::move(work))
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(354, 96);
    Label1 = new QLabel(this);
    Label1->setGeometry(11, 22, 335, 54);
    Label1->setFont(QFont(QStringLiteral("Arial"), 10));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Form_Load(loading, path);
}

void frmLoadOrSaveInfo::Run(
    QWidget* parent, qint16 mode, const QString& path, const std::function<void()>& work)
{
    frmLoadOrSaveInfo window(parent, mode == frmLoadOrSave::LoadMode, path, work);
    window.exec();
}

void frmLoadOrSaveInfo::Form_Load(bool loading, const QString& path)
{
    setWindowTitle(loading ? QStringLiteral("Loading...") : QStringLiteral("Saving..."));
    Label1->setText(
        (loading ? QStringLiteral("Loading level ") : QStringLiteral("Saving level ")) + path);
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
    if (work)
        work();
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
