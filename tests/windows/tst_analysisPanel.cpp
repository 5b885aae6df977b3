#include "common/GuiSupport.h"
#include "common/TestRegistry.h"

#include "editor/GridCanvas.h"
#include "game/SolverSettings.h"
#include "windows/AnalysisPanel.h"
#include "windows/frmPlay.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace quobix;

// The analysis beside the grid, as the designer sees it while drawing.
class TestAnalysisPanel : public QObject {
    Q_OBJECT

    std::unique_ptr<frmQuobixEditorZN> window;
    AnalysisPanel* panel = nullptr;

    // The panel's lines once the level has been decided (or found unplayable).
    QStringList Shown()
    {
        const auto waiting = [this] {
            const QString text = panel->lblSolvability->text();
            return text.startsWith("Searching") || text == QStringLiteral("\u2026");
        };
        QElapsedTimer clock;
        clock.start();
        while (waiting() && clock.elapsed() < 5000)
            QTest::qWait(20);
        return { panel->lblValidity->text(), panel->lblWalls->text(), panel->lblSolvability->text(),
            panel->lblDeadCells->text() };
    }

private slots:
    void init()
    {
        game::StoreAnalysisShown(false);
        window = MainWindow();
        QCOMPARE(window->width(), GridCanvas::ClientWidth); // closed, it takes no room
        window->mnuShowAnalysis->trigger();
        panel = window->Analysis();
        QVERIFY(panel->isVisible());
        QCOMPARE(window->width(), GridCanvas::ClientWidth + AnalysisPanel::PanelWidth);
    }
    void cleanup() { window.reset(); }

    void texts_data()
    {
        QTest::addColumn<QStringList>("level");
        QTest::addColumn<QStringList>("shown");
        const QStringList closed { " # # # # # #", "# @   $   . #", " # # # # # #" };
        // clang-format off
        QTest::newRow("solvable") << closed << QStringList { "Valid", "Closed", "Solvable: 2 pushes, 3 moves", "1" };
        QTest::newRow("unsolvable") << QStringList { " # # # # #", "# $ @   . #", " # # # # #" }
                                    << QStringList { "Valid", "Closed", "Unsolvable", "1" };
        QTest::newRow("open") << QStringList { " # # #", "# @ $ .", " # # #" } << QStringList { "Valid", "Open", "Open", "Open" };
        QTest::newRow("two men") << QStringList { " # # # #", "# @ $ . @ #", " # # # #" }
                                 << QStringList { "2 men", "\u2014", "Invalid", "\u2014" };
        QTest::newRow("objects and targets") << QStringList { " # # # # #", "# @ $ $ . #", " # # # # #" }
                                             << QStringList { "2 objects, 1 target", "Closed", "Invalid", "1" };
        QTest::newRow("no target") << QStringList { " # # #", "# @   #", " # # #" }
                                   << QStringList { "no target", "Closed", "Invalid", "2" };
        // clang-format on
    }

    void texts()
    {
        QFETCH(QStringList, level);
        QFETCH(QStringList, shown);
        SetGrid(window->Level(), level, 5);
        QCOMPARE(panel->lblSolvability->text(), QStringLiteral("\u2026")); // it waits for a pause
        QCOMPARE(Shown(), shown);
    }

    // A change while a search runs cancels it: only the new level's verdict ever shows.
    void changeCancelsTheSearch()
    {
        SetGrid(window->Level(), { " # # # # #", "# @ $ . #", " # # # # #" }, 5);
        panel->AnalyseNow();
        QVERIFY(panel->Searching());
        SetGrid(window->Level(), { " # # # # # #", "# @   $   . #", " # # # # # #" }, 5);
        QVERIFY(!panel->Searching());
        QStringList seen;
        for (QElapsedTimer clock; clock.isValid() || (clock.start(), true);) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            if (seen.value(seen.size() - 1) != panel->lblSolvability->text())
                seen << panel->lblSolvability->text();
            if (seen.last().startsWith("Solvable") || clock.elapsed() > 5000)
                break;
        }
        QCOMPARE(seen.last(), "Solvable: 2 pushes, 3 moves");
        QVERIFY(!seen.contains("Solvable: 1 pushes, 1 moves"));
    }

    // The marks lie over the grid: the grid's own pixels never change, and without the marks the
    // window shows them exactly as before.
    void deadCellMarks()
    {
        SetGrid(window->Level(), { " # # # # # # #", "# @   $ #   . #", " # # # # # # #" }, 5);
        panel->AnalyseNow();
        Shown();
        const QImage backing = window->Canvas()->Backing().copy();
        const QImage plain = window->Canvas()->grab().toImage();
        panel->chkShowDeadCells->click();
        QVERIFY(window->Canvas()->HasMarks());
        QVERIFY(window->Canvas()->grab().toImage() != plain);
        QCOMPARE(window->Canvas()->Backing(), backing);
        panel->chkShowDeadCells->click();
        QCOMPARE(window->Canvas()->grab().toImage(), plain);
    }

    // The proof plays in the play window, and its letters go to the clipboard.
    void playAndCopyTheSolution()
    {
        SetGrid(window->Level(), { " # # # # # #", "# @   $   . #", " # # # # # #" }, 5);
        Shown();
        panel->cmdCopySolution->click();
        QCOMPARE(QGuiApplication::clipboard()->text(), "dDD");
        ModalScript script;
        script.Then<frmPlay>([](frmPlay* play) {
            QVERIFY(play->cmdReplay->isEnabled() && play->MoveCount() == 0);
            play->cmdRedo->click();
            QCOMPARE(play->MoveCount(), 1);
            play->close();
        });
        panel->cmdPlaySolution->click();
        QVERIFY(script.Finished());
        // Shown again after a restart, as the settings remember.
        window = MainWindow();
        QVERIFY(window->mnuShowAnalysis->isChecked() && window->Analysis()->isVisible());
    }
};

QUOBIX_TEST(TestAnalysisPanel)
#include "tst_analysisPanel.moc"
