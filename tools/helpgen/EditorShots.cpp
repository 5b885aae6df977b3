#include "EditorShots.h"

#include "dialogs/frmDisplace.h"
#include "dialogs/frmLoadOrSave.h"
#include "editor/GridCanvas.h"
#include "editor/frmQuobixEditorZN.h"
#include "editor/modQuobixEditorZN.h"
#include "files/modLoadOrSave.h"
#include "game/GamePosition.h"
#include "level/modText.h"
#include "platform/MessageSeam.h"
#include "windows/frmPlay.h"
#include "windows/frmQBX.h"

#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QMessageBox>

using namespace quobix;

namespace helpgen {

namespace {
    WindowShot Grab(QWidget& widget)
    {
        widget.show();
        QApplication::processEvents();
        WindowShot shot { widget.grab().toImage().convertToFormat(QImage::Format_RGB32),
            widget.windowTitle() };
        widget.hide();
        return shot;
    }
}

EditorShots::EditorShots()
{
    modQuobixEditorZN::InitGlobals();
    // The level put in is valid; nothing may stop the run with a question.
    SetMessageBoxHandler({});
    window = std::make_unique<frmQuobixEditorZN>();
    window->show();
    QApplication::processEvents();
}

EditorShots::~EditorShots() = default;

void EditorShots::SetLevel(const QStringList& cellRows, int firstRow)
{
    LevelDocument& level = window->Level();
    for (int r = 1; r <= GridRows; ++r)
        level.LevelLines[1][r] = QString(LineWidth, QLatin1Char(' '));
    for (int i = 0; i < cellRows.size(); ++i) {
        const int row = firstRow + i;
        for (int cell = 1; cell <= cellRows[i].size(); ++cell)
            SetCharAt(level.LevelLines[1][row], geometry::Cell { row, cell }.TextColumn(),
                cellRows[i].at(cell - 1));
    }
    level.GridChanged();
}

void EditorShots::Click(int button, int x, int y)
{
    window->Form_MouseDown(
        static_cast<qint16>(button), 0, static_cast<float>(x), static_cast<float>(y));
    window->Form_MouseUp(
        static_cast<qint16>(button), 0, static_cast<float>(x), static_cast<float>(y));
}

void EditorShots::Drag(const QList<QPoint>& path)
{
    window->Form_MouseDown(1, 0, path.first().x(), path.first().y());
    for (const QPoint& p : path)
        window->Form_MouseMove(1, 0, p.x(), p.y());
    window->Form_MouseUp(1, 0, path.last().x(), path.last().y());
}

QImage EditorShots::Client(const QRect& area) const
{
    QApplication::processEvents();
    return window->Canvas()->grab().toImage().convertToFormat(QImage::Format_RGB32).copy(area);
}

QImage EditorShots::Menu(QMenu* menu) const
{
    menu->adjustSize();
    return menu->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

WindowShot EditorShots::TextView() const
{
    frmQBX view(window.get(), window->Level());
    return Grab(view);
}

WindowShot EditorShots::LoadOrSaveWindow(
    short mode, const QString& folder, const std::function<void(frmLoadOrSave&)>& prepare) const
{
    LoadSaveState& state = window->LoadSave();
    state.CurrentFolder = folder;
    frmLoadOrSave dialog(window.get(), mode, window->Level(), state);
    prepare(dialog);
    return Grab(dialog);
}

QString EditorShots::SavedFile(const QString& folder, const QString& name) const
{
    LevelDocument& level = window->Level();
    if (modText::CheckLevelBeforeSave(level) != vbYes)
        return {};
    window->LoadSave().FileName = name;
    QFile file(folder + name);
    if (!modLoadOrSave::SaveLevel(level, folder + name, QbxFile, false).ok
        || !file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

WindowShot EditorShots::Message(const std::function<void()>& routine) const
{
    WindowShot shot;
    SetMessageBoxHandler([&shot](const QString& text, const QString& title, MsgButtons buttons,
                             MsgIcon icon) -> qint16 {
        QMessageBox box;
        box.setWindowTitle(title);
        box.setText(QString(text).replace(QChar(13), QChar(10)));
        box.setIcon(icon == MsgIcon::Critical ? QMessageBox::Critical
                : icon == MsgIcon::Question   ? QMessageBox::Question
                                              : QMessageBox::Warning);
        box.setStandardButtons(
            buttons == MsgButtons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok);
        shot = Grab(box);
        return buttons == MsgButtons::YesNo ? vbNo : vbOK;
    });
    routine();
    SetMessageBoxHandler({});
    return shot;
}

WindowShot EditorShots::DisplaceWindow() const
{
    frmDisplace dialog(window.get());
    dialog.FillDisplaceChoices(modDisplace::ComputeDisplaceChoices(window->Level()));
    return Grab(dialog);
}

WindowShot EditorShots::PlayWindow(
    const QString& levelName, const std::function<void(frmPlay&)>& play) const
{
    frmPlay dialog(window.get(), game::GamePosition::FromLevel(window->Level()), levelName);
    play(dialog);
    return Grab(dialog);
}

} // namespace helpgen
