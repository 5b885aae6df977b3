#include "common/TestRegistry.h"
#include "common/TestSupport.h"
#include "editor/EditorTestSupport.h"

#include "editor/GridCanvas.h"
#include "level/LevelState.h"

#include <QAction>
#include <QLineEdit>
#include <QTest>
#include <QUndoStack>
#include <functional>

using namespace quobix;

namespace {
void Click(QWidget* canvas, Qt::MouseButton button, QPoint at)
{
    QTest::mouseClick(canvas, button, Qt::NoModifier, at);
}

// What undo and redo must bring back exactly: the grid, the counts shown and the flip flags.
struct Shown {
    QStringList grid;
    QStringList counts;
    bool flippedOnLoad, levelFlipped;
    bool operator==(const Shown& o) const
    {
        return grid == o.grid && counts == o.counts && flippedOnLoad == o.flippedOnLoad
            && levelFlipped == o.levelFlipped;
    }
};
}

class TestUndo : public QObject {
    Q_OBJECT

    std::unique_ptr<frmQuobixEditorZN> window;

    Shown Now() const
    {
        return { GridText(),
            { window->txtObjects->text(), window->txtTargets->text(), window->txtMen->text() },
            FlippedOnLoad, LevelFlipped };
    }

private slots:
    void init() { window = MakeMainWindow(); }
    void cleanup() { window.reset(); }

    // Every action is one step, named by what it did; undoing all of them gives back the empty
    // grid and redoing them the same level, state by state.
    void everyActionIsOneStep()
    {
        QWidget* canvas = window->Canvas();
        const auto pick = [&](int slot) { Click(canvas, Qt::LeftButton, PaletteCentre(slot)); };
        const QList<std::pair<QString, std::function<void()>>> actions {
            { "Paint",
                [&] {
                    pick(2);
                    Click(canvas, Qt::LeftButton, CellCentre(5, 5));
                } },
            { "Paint",
                [&] {
                    pick(1);
                    QTest::mousePress(canvas, Qt::LeftButton, {}, CellCentre(8, 2));
                    for (int cell = 3; cell <= 9; ++cell)
                        QTest::mouseMove(canvas, CellCentre(8, cell));
                    QTest::mouseRelease(canvas, Qt::LeftButton, {}, CellCentre(8, 9));
                } },
            { "Paint",
                [&] {
                    pick(3);
                    Click(canvas, Qt::LeftButton, CellCentre(10, 10));
                } },
            // The second man removes the first: one step for both.
            { "Paint",
                [&] {
                    pick(6);
                    Click(canvas, Qt::RightButton, CellCentre(12, 12));
                } },
            { "Clear", [&] { window->mnuClear->trigger(); } },
            { "Paint",
                [&] {
                    pick(4);
                    Click(canvas, Qt::LeftButton, CellCentre(1, 1));
                } },
            { "New", [&] { window->mnuNew->trigger(); } },
        };
        QList<Shown> states { Now() };
        for (const auto& [name, act] : actions) {
            act();
            QCOMPARE(window->mnuUndo->text(), "&Undo " + name);
            states << Now();
        }
        QCOMPARE(window->UndoStack()->count(), actions.size());
        QCOMPARE(states[4].counts, (QStringList { "Objects = 1", "Targets = 1", "Men = 1" }));
        for (int k = actions.size() - 1; k >= 0; --k) {
            window->mnuUndo->trigger();
            QVERIFY2(Now() == states[k], qPrintable(QString::number(k)));
        }
        QVERIFY(!window->mnuUndo->isEnabled());
        for (int k = 1; k <= actions.size(); ++k) {
            window->mnuRedo->trigger();
            QVERIFY2(Now() == states[k], qPrintable(QString::number(k)));
        }
        QVERIFY(!window->mnuRedo->isEnabled());
        // A click that changes nothing is no step.
        Click(canvas, Qt::LeftButton, QPoint(300, 545));
        QCOMPARE(window->UndoStack()->count(), actions.size());
    }

    void flipFlagsComeBack()
    {
        SetGrid({ " # # #" }, 5);
        window->ShowLevelInGrid();
        FlippedOnLoad = LevelFlipped = true;
        const Shown before = Now();
        window->mnuNew->trigger();
        QVERIFY(!LevelFlipped);
        window->mnuUndo->trigger();
        QVERIFY(Now() == before);
        QVERIFY(LevelFileName.isEmpty()); // the file stays forgotten
    }
};

QUOBIX_TEST(TestUndo)
#include "tst_undo.moc"
