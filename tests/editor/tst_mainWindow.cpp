#include "common/TestRegistry.h"
#include "common/TestSupport.h"
#include "editor/EditorTestSupport.h"

#include "editor/GridCanvas.h"
#include "level/LevelState.h"
#include "messages/LoadSaveState.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

using namespace quobix;

class TestMainWindow : public QObject {
    Q_OBJECT

    static QStringList Captions(QMenu* menu)
    {
        QStringList captions;
        for (QAction* action : menu->actions())
            captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
        return captions;
    }

private slots:
    void startState()
    {
        auto window = MakeMainWindow();
        QCOMPARE(window->windowTitle(), QStringLiteral("Quobix level editor"));
        QCOMPARE(window->txtSelected->text(), QStringLiteral("Wall selected"));
        QCOMPARE(window->txtObjects->text(), QStringLiteral("Objects = 0"));
        QCOMPARE(window->txtTargets->text(), QStringLiteral("Targets = 0"));
        QCOMPARE(window->txtMen->text(), QStringLiteral("Men = 0"));
        QCOMPARE(window->txtXandY->text(), QString());
        QCOMPARE(window->txtRowAndCell->text(), QString());
        QCOMPARE(LevelFileType, 1);
        for (int r = 1; r <= GridRows; ++r)
            QCOMPARE(LevelLines[1][r], QString(64, QLatin1Char(' ')));
        // The status fields sit where the layout puts them, whole inside the client area.
        QCOMPARE(window->txtMen->geometry(), QRect(743, 537, 53, 20));
        QVERIFY(window->Canvas()->rect().contains(window->txtMen->geometry()));
    }

    void menus()
    {
        auto window = MakeMainWindow();
        QStringList titles;
        for (QAction* action : window->menuBar()->actions())
            titles << action->text();
        QCOMPARE(titles,
            (QStringList { "&File", "&Edit", "&Level", "&Symbol Selection", "S&kin", "&Help" }));
        // Nothing to undo or redo yet.
        QCOMPARE(Captions(window->mnuEdit), (QStringList { "&Undo", "&Redo" }));
        QVERIFY(!window->mnuUndo->isEnabled() && !window->mnuRedo->isEnabled());
        QCOMPARE(Captions(window->mnuFile),
            (QStringList { "&New", "-", "&Load...", "&Recent Levels", "-", "&Save", "Save &As...",
                "-", "E&xit" }));
        QCOMPARE(Captions(window->mnuLevel),
            (QStringList { "&Clear", "-", "&Displace...", "-", "QBX &text...", "-", "&Info...", "-",
                "&Play...", "S&olve..." }));
        QCOMPARE(
            Captions(window->mnuSymbols), (QStringList { "By &Picking", "&Sequential on click" }));
        QCOMPARE(Captions(window->mnuSkin), (QStringList { "&KRV", "&TLM", "&BNZ" }));
        QCOMPARE(Captions(window->mnuHlp), (QStringList { "&Help", "&About" }));
        // The platform's standard keys on top of the access keys.
        for (QAction* item : { window->mnuNew, window->mnuLoad, window->mnuSave, window->mnuSaveAs,
                 window->mnuExit })
            QVERIFY2(!item->shortcut().isEmpty(), qPrintable(item->text()));
        QCOMPARE(window->mnuSave->shortcut(), QKeySequence(QKeySequence::Save));
        QVERIFY(window->mnuPick->isChecked());
        QVERIFY(!window->mnuSequential->isChecked());
        QVERIFY(window->mnuKRV->isChecked());
        QVERIFY(!window->mnuTLM->isChecked() && !window->mnuBNZ->isChecked());
    }

    void selectionModesToggle()
    {
        auto window = MakeMainWindow();
        window->mnuSequential->trigger();
        QVERIFY(window->mnuSequential->isChecked());
        QVERIFY(!window->mnuPick->isChecked());
        window->mnuSequential->trigger(); // choosing the checked mode keeps it
        QVERIFY(window->mnuSequential->isChecked());
        window->mnuPick->trigger();
        QVERIFY(window->mnuPick->isChecked());
        QVERIFY(!window->mnuSequential->isChecked());
    }

    void titleNamesTheLevelFile()
    {
        auto window = MakeMainWindow();
        LevelFolder = QStringLiteral("/levels/");
        LevelFileName = QStringLiteral("MINE.QBX");
        window->MainFormTitle();
        QCOMPARE(
            window->windowTitle(), QStringLiteral("Quobix level editor: Level /levels/MINE.QBX"));
    }

    void newKeepsMetadataAndForgetsTheFile()
    {
        auto window = MakeMainWindow();
        LevelFolder = QStringLiteral("/levels/");
        LevelFileName = QStringLiteral("MINE.QBX");
        Author = QStringLiteral("Ann");
        TopComment = QStringLiteral("top");
        BottomComment = QStringLiteral("bottom");
        LevelFlipped = true;
        SetGrid({ QStringLiteral(" # @ $ .") }, 3);
        window->ShowLevelInGrid();
        QCOMPARE(window->txtMen->text(), QStringLiteral("Men = 1"));

        window->mnuNew->trigger();
        QCOMPARE(window->windowTitle(), QStringLiteral("Quobix level editor"));
        QCOMPARE(LevelFileName, QString());
        QVERIFY(!LevelFlipped);
        QCOMPARE(LevelFolder, QStringLiteral("/levels/"));
        QCOMPARE(Author, QStringLiteral("Ann"));
        QCOMPARE(TopComment, QStringLiteral("top"));
        QCOMPARE(BottomComment, QStringLiteral("bottom"));
        QCOMPARE(LevelLines[1][3], QString(64, QLatin1Char(' ')));
        QCOMPARE(window->txtMen->text(), QStringLiteral("Men = 0"));
    }

    void clearKeepsTheTitle()
    {
        auto window = MakeMainWindow();
        LevelFolder = QStringLiteral("/levels/");
        LevelFileName = QStringLiteral("MINE.QBX");
        window->MainFormTitle();
        SetGrid({ QStringLiteral(" $ .") }, 3);
        window->ShowLevelInGrid();
        window->mnuClear->trigger();
        QCOMPARE(LevelLines[1][3], QString(64, QLatin1Char(' ')));
        QCOMPARE(window->txtObjects->text(), QStringLiteral("Objects = 0"));
        QCOMPARE(LevelFileName, QStringLiteral("MINE.QBX"));
        QCOMPARE(
            window->windowTitle(), QStringLiteral("Quobix level editor: Level /levels/MINE.QBX"));
    }

    void statusNumbers()
    {
        auto window = MakeMainWindow();
        ObjectCount = 12;
        TargetCount = -1;
        ManCount = 0;
        window->ShowStatus();
        QCOMPARE(window->txtObjects->text(), QStringLiteral("Objects = 12"));
        QCOMPARE(window->txtTargets->text(), QStringLiteral("Targets =-1"));
        QCOMPARE(window->txtMen->text(), QStringLiteral("Men = 0"));
    }

    void saveChecksTheLevelFirst()
    {
        auto window = MakeMainWindow();
        MessageRecorder recorder;
        window->mnuSave->trigger();
        window->mnuSaveAs->trigger();
        QCOMPARE(recorder.texts(),
            (QStringList { "You can't save an empty grid", "You can't save an empty grid" }));
        QCOMPARE(UserAnswer, 7);
    }

    void wallsOnlyLevelIsReportedInvalid()
    {
        auto window = MakeMainWindow();
        MessageRecorder recorder;
        SetGrid({ QStringLiteral(" # # #"), QStringLiteral("# # # #") }, 7);
        CurrentSymbol = 4;
        window->FromTextToGrid();
        QCOMPARE(window->txtObjects->text(), QStringLiteral("Objects = 0"));
        QCOMPARE(window->txtTargets->text(), QStringLiteral("Targets = 0"));
        QCOMPARE(window->txtMen->text(), QStringLiteral("Men = 0"));
        QCOMPARE(recorder.texts(), QStringList { QStringLiteral("The loaded level is invalid.") });
        QCOMPARE(recorder.calls[0].title, QStringLiteral("Load Level Warning"));
        // The redraw keeps the selected symbol.
        QCOMPARE(CurrentSymbol, 4);
        QCOMPARE(window->txtSelected->text(), QStringLiteral("Target selected"));
    }
};

QUOBIX_TEST(TestMainWindow)
#include "tst_mainWindow.moc"
