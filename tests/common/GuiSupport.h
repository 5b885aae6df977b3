#pragma once

// Helpers shared by the tests that need widgets: the main window, the modal-window script, the
// cell outline and whole-file reads and writes. Header only, so the core tests never link Qt
// Widgets.

#include "common/TestSupport.h"
#include "editor/frmQuobixEditorZN.h"
#include "editor/modQuobixEditorZN.h"
#include "geometry/GridGeometry.h"

#include <QApplication>
#include <QPoint>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>
#include <memory>

// A fresh main window over freshly initialised globals, shown unless asked otherwise.
inline std::unique_ptr<quobix::frmQuobixEditorZN> MainWindow(bool shown = true)
{
    quobix::modQuobixEditorZN::InitGlobals();
    auto window = std::make_unique<quobix::frmQuobixEditorZN>();
    if (shown)
        window->show();
    return window;
}

// A point well inside cell (row, cell) of the canvas, and the centre of palette slot s.
inline QPoint CellCentre(int row, int cell)
{
    return quobix::geometry::Cell { row, cell }.Centre();
}
inline QPoint PaletteCentre(int slot) { return { 28 * slot + 12, 530 + 14 }; }

using quobix::modQuobixEditorZN::SubstituteFonts;

// Where (x, y) of a 25 x 28 cell picture lies, written from the drawn hexagon and independent of
// the program's geometry: the interior is what a click selects and a picture paints, the outline
// is what neighbouring cells share.
enum class PicturePart { Outside, Outline, Interior };
inline PicturePart PartOfCellPicture(int x, int y)
{
    if (x < 0 || x > 24 || y < 0 || y > 27)
        return PicturePart::Outside;
    // Inclusive interior columns of rows 0..13, and the first column of the left outline;
    // rows 14..27 and the right half mirror them.
    static const int interior[14][2]
        = { { 1, 0 }, { 11, 13 }, { 10, 14 }, { 8, 16 }, { 7, 17 }, { 5, 19 }, { 4, 20 }, { 2, 22 },
              { 1, 23 }, { 1, 23 }, { 1, 23 }, { 1, 23 }, { 1, 23 }, { 1, 23 } };
    static const int outline[14] = { 11, 9, 8, 6, 5, 3, 2, 0, 0, 0, 0, 0, 0, 0 };
    const int row = y < 14 ? y : 27 - y;
    if (x >= interior[row][0] && x <= interior[row][1])
        return PicturePart::Interior;
    const int column = x <= 12 ? x : 24 - x;
    const int width = row == 0 ? 3 : row < 8 ? 2 : 1;
    return column >= outline[row] && column < outline[row] + width ? PicturePart::Outline
                                                                   : PicturePart::Outside;
}

// Acts on modal windows as they open, one step per window in order. A step names the window's
// class and acts on it; its action is expected to close the window. A window that no step expects
// is closed and recorded, so that a test never hangs on it. Run it before the command that opens
// the first window.
class ModalScript : public QObject {
public:
    ModalScript()
    {
        connect(&timer, &QTimer::timeout, this, &ModalScript::Poll);
        timer.start(5);
    }

    template <typename T> ModalScript& Then(std::function<void(T*)> action)
    {
        steps.push_back([action](QWidget* window) {
            auto* typed = qobject_cast<T*>(window);
            if (typed)
                action(typed);
            return typed != nullptr;
        });
        return *this;
    }

    // Class names of the modal windows met, in order, and where each stood when met.
    QStringList met;
    QList<QPoint> positions;
    bool Finished() const { return steps.empty() && !unexpected; }

private:
    void Poll()
    {
        QWidget* window = QApplication::activeModalWidget();
        if (!window || !window->isVisible())
            return;
        if (window == last.data()) {
            // An action that failed before closing its window must not leave the test waiting.
            if (++stale > 400) {
                unexpected = true;
                window->close();
            }
            return;
        }
        // Keys and focus need the window activated, which follows its showing.
        if (!window->isActiveWindow() && ++stale < 400)
            return;
        last = window;
        stale = 0;
        met << QString::fromLatin1(window->metaObject()->className()).section(QLatin1Char(':'), -1);
        positions << window->pos();
        if (steps.empty() || !steps.front()(window)) {
            // A command that keeps opening windows would otherwise run until the test times out.
            if (++unexpectedCount > 20)
                qFatal("modal windows keep opening: %s", qPrintable(met.join(QLatin1Char(' '))));
            unexpected = true;
            window->close();
            return;
        }
        steps.pop_front();
    }

    QTimer timer;
    QPointer<QWidget> last;
    std::deque<std::function<bool(QWidget*)>> steps;
    bool unexpected = false;
    int unexpectedCount = 0;
    int stale = 0;
};
