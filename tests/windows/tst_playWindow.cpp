#include "common/TestRegistry.h"
#include "common/TestSupport.h"
#include "windows/WindowsTestSupport.h"

#include "game/GamePosition.h"
#include "level/LevelState.h"
#include "windows/frmPlay.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace quobix;
using namespace quobix::game;

// The play window on a level of one row: man, floor, object, floor, target.
class TestPlayWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<frmPlay> window;
    QStringList edited;

    int Man() const { return window->Position().Man(); }

private slots:
    void init()
    {
        modQuobixEditorZN::InitGlobals();
        SetGrid({ " # # # # # # #", "# @   $   . #", " # # # # # # #" }, 5);
        edited = GridText();
        window = std::make_unique<frmPlay>(nullptr, GamePosition::FromLevelLines());
        window->show();
    }

    void cleanup() { window.reset(); }

    void keysUndoRedoAndSolved()
    {
        MessageRecorder recorder;
        const int start = Man();
        QTest::keyClick(window.get(), Qt::Key_D); // a step east
        QTest::keyClick(window.get(), Qt::Key_6); // the keypad's east: a push
        QCOMPARE(Man(), CellIndex(6, 4));
        QCOMPARE(window->lblStatus->text(),
            QStringLiteral("Moves = 2    Pushes = 1    Objects on target = 0 of 1"));
        QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(Man(), start);
        QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(window->MoveCount(), 1);
        QTest::keyClick(window.get(), Qt::Key_Q); // a wall to the north-west: nothing
        QCOMPARE(window->MoveCount(), 1);
        QTest::keyClick(window.get(), Qt::Key_D);
        QTest::keyClick(window.get(), Qt::Key_D);
        QVERIFY(window->Position().IsSolved());
        QCOMPARE(recorder.texts(), QStringList { "Solved in 3 moves and 2 pushes." });
        QCOMPARE(GridText(), edited); // the level being edited stays as it was
    }

    void clicksWalkAndPush()
    {
        QTest::mouseClick(window.get(), Qt::LeftButton, {}, CellCentre(6, 3));
        QCOMPARE(Man(), CellIndex(6, 3));
        QTest::mouseClick(window.get(), Qt::LeftButton, {}, CellCentre(6, 4)); // the object
        QCOMPARE(Man(), CellIndex(6, 4));
        QCOMPARE(window->PushCount(), 1);
    }

    void menuRefusesAnUnplayableLevel_data()
    {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("message");
        QTest::newRow("invalid") << QStringList {}
                                 << "This level is invalid: it needs exactly one man, as many "
                                    "objects as targets and at least one target.";
        QTest::newRow("open") << QStringList { " # # #", "# @ $ .", " # # #" }
                              << "The man can walk off the grid: this level is open.\r"
                                 "Close it with walls first.";
    }

    void menuRefusesAnUnplayableLevel()
    {
        QFETCH(QStringList, rows);
        QFETCH(QString, message);
        auto main = ShownMainWindow();
        SetGrid(rows, 5);
        for (QAction* item : { main->mnuPlay, main->mnuSolve }) {
            MessageRecorder recorder;
            item->trigger(); // a window would wait here: only the message may come
            QCOMPARE(recorder.texts(), QStringList { message });
        }
    }

    void queuedSolutionSteps()
    {
        window->QueueMoves({ { Direction::East, false }, { Direction::East, true } });
        QVERIFY(window->cmdRedo->isEnabled());
        window->cmdRedo->click();
        window->cmdRedo->click();
        QCOMPARE(window->PushCount(), 1);
        QVERIFY(!window->cmdRedo->isEnabled());
    }
};

QUOBIX_TEST(TestPlayWindow)
#include "tst_playWindow.moc"
