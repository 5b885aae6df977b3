#pragma once

#include "editor/frmQuobixEditorZN.h"
#include "editor/modQuobixEditorZN.h"
#include "geometry/GridGeometry.h"

#include <QApplication>
#include <QFont>
#include <QPoint>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>
#include <memory>

// A fresh, shown main window over freshly initialised globals.
inline std::unique_ptr<quobix::frmQuobixEditorZN> ShownMainWindow()
{
    quobix::modQuobixEditorZN::InitGlobals();
    auto window = std::make_unique<quobix::frmQuobixEditorZN>();
    window->show();
    return window;
}

// A point well inside cell (row, cell) of the main window's canvas.
inline QPoint CellCentre(int row, int cell) { return quobix::geometry::CellCentre(row, cell); }

// The fonts the program names, replaced as the editor replaces them at start-up.
inline void SubstituteFonts()
{
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
}

// Acts on modal windows as they open, one step per window in order. A step names the window's
// class and acts on it; its action is expected to close the window. A window that no step
// expects is closed and recorded, so that a test never hangs on it.
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

    // Class names of the modal windows met, in order.
    QStringList met;
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
        if (steps.empty() || !steps.front()(window)) {
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
    int stale = 0;
};
