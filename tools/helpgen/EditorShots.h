#pragma once

#include <QImage>
#include <QRect>
#include <QStringList>
#include <functional>
#include <memory>

class QMenu;

namespace quobix {
class frmLoadOrSave;
class frmPlay;
class frmQuobixEditorZN;
}

namespace helpgen {

// A window's client area and the caption its title bar would show.
struct WindowShot {
    QImage image;
    QString title;
};

// The editor's real windows, driven offscreen through their handlers, as screenshots.
class EditorShots {
public:
    // Needs a QApplication; sets the editor's globals to their start values.
    EditorShots();
    ~EditorShots();

    quobix::frmQuobixEditorZN& Window() { return *window; }

    // Puts a level into the grid and draws it: one text per grid row from firstRow on, one
    // symbol character per cell from cell 1 on.
    void SetLevel(const QStringList& cellRows, int firstRow);
    // A mouse press and release at a point of the client area.
    void Click(int button, int x, int y);
    // A press at from, a drag through the points and a release at the last.
    void Drag(const QList<QPoint>& path);

    // Part of the client area: grid, palette and status line.
    QImage Client(const QRect& area) const;
    QImage Menu(QMenu* menu) const;
    // The text view of the current level.
    WindowShot TextView() const;
    // The load/save window in mode 1 (load) or 2 (save), showing the files of folder, after
    // prepare has acted on it.
    WindowShot LoadOrSaveWindow(short mode, const QString& folder,
        const std::function<void(quobix::frmLoadOrSave&)>& prepare) const;
    // The file that saving the current level as folder + name writes, as text.
    QString SavedFile(const QString& folder, const QString& name) const;
    // The message box that routine shows.
    WindowShot Message(const std::function<void()>& routine) const;
    // The displace window for the current level; a null image when the editor has none yet.
    WindowShot DisplaceWindow() const;
    // The play window on the current level, titled with levelName, after play has made its moves.
    WindowShot PlayWindow(
        const QString& levelName, const std::function<void(quobix::frmPlay&)>& play) const;

private:
    std::unique_ptr<quobix::frmQuobixEditorZN> window;
};

} // namespace helpgen
