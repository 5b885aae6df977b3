#include "common/TestRegistry.h"
#include "common/TestSupport.h"
#include "dialogs/DialogTestSupport.h"

#include "dialogs/frmLoadOrSave.h"
#include "dialogs/frmLoadOrSaveInfo.h"
#include "editor/frmQuobixEditorZN.h"
#include "editor/modQuobixEditorZN.h"
#include "files/RecentLevels.h"
#include "level/LevelState.h"
#include "messages/LoadSaveState.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>
#include <sys/stat.h>

using namespace quobix;

namespace {
const QByteArray Maze = "A small maze\r\n\r\n # # #\r\n# $ . #\r\n # @ #\r\n\r\nAuthor: Ann\r\n";
const QByteArray MazeXsb = "###\r\n#$.#\r\n#@#\r\n";

int CountOf(QChar c)
{
    int n = 0;
    for (int r = 1; r <= GridRows; ++r)
        n += LevelLines[1][r].count(c);
    return n;
}
}

class TestLoadSaveDialog : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    QString folder;
    std::unique_ptr<frmQuobixEditorZN> window;

    void PrepareFolder()
    {
        folder = dir->path() + QLatin1Char('/');
        WriteFile(folder + QStringLiteral("maze.qbx"), Maze);
        WriteFile(folder + QStringLiteral("maze.xsb"), MazeXsb);
        WriteFile(folder + QStringLiteral("notes.qbx"), "only words\r\n");
        QDir(folder).mkdir(QStringLiteral("sub"));
    }

    // Loads name through the dialog's handlers, as File, Load... does.
    void Load(const QString& name, int type = 0)
    {
        WhenShown<frmLoadOrSave>([name, type](frmLoadOrSave* dialog) {
            dialog->cmbLevelType->setCurrentIndex(type);
            dialog->cmbLevelType_Click();
            const auto items = dialog->LevelFile->findItems(name, Qt::MatchExactly);
            if (!items.isEmpty())
                dialog->LevelFile->setCurrentItem(items.first());
            dialog->cmdLoadLevel_Click();
            if (dialog->isVisible())
                dialog->cmdCancelLoadSave_Click();
        });
        window->mnuLoad_Click();
    }

private slots:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
        modQuobixEditorZN::InitGlobals();
        window = std::make_unique<frmQuobixEditorZN>();
        PrepareFolder();
        CurrentFolder = folder;
    }

    void cleanup()
    {
        window.reset();
        QDir::setCurrent(QDir::tempPath());
        dir.reset();
    }

    void loadShowsTheLevelAndNamesTheFile()
    {
        MessageRecorder recorder;
        Load(QStringLiteral("maze.qbx"));
        QVERIFY(LoadOrSaveOK);
        QCOMPARE(recorder.texts(), QStringList());
        QCOMPARE(window->windowTitle(),
            QStringLiteral("Quobix level editor: Level ") + folder + QStringLiteral("maze.qbx"));
        QCOMPARE(CountOf(QLatin1Char('@')), 1);
        QCOMPARE(ManCount, 1);
        QCOMPARE(Author, QStringLiteral("Ann"));
        QCOMPARE(TopComment, QStringLiteral("A small maze"));
        QCOMPARE(LevelFileType, 1); // back to QBX at every close
    }

    void failedLoadLeavesTheEditorAlone()
    {
        MessageRecorder recorder;
        Load(QStringLiteral("maze.qbx"));
        const QStringList grid = GridText();
        Author = QStringLiteral("kept");
        bool stayedOpen = false;
        WhenShown<frmLoadOrSave>([&stayedOpen](frmLoadOrSave* dialog) {
            dialog->LevelFile->setCurrentItem(
                dialog->LevelFile->findItems(QStringLiteral("notes.qbx"), Qt::MatchExactly)
                    .first());
            dialog->cmdLoadLevel_Click();
            stayedOpen = dialog->isVisible();
            dialog->txtLevel->clear();
            dialog->cmdLoadLevel_Click();
            dialog->cmdCancelLoadSave_Click();
        });
        window->mnuLoad_Click();
        QVERIFY(stayedOpen);
        QCOMPARE(recorder.texts(),
            (QStringList { "No quobix level found within the file.", "Invalid filename: " }));
        QCOMPARE(GridText(), grid);
        QCOMPARE(Author, QStringLiteral("kept"));
        QCOMPARE(window->windowTitle(),
            QStringLiteral("Quobix level editor: Level ") + folder + QStringLiteral("maze.qbx"));
    }

    void xsbLevelBecomesAQbxFileName()
    {
        MessageRecorder recorder;
        Load(QStringLiteral("maze.xsb"), 1);
        QVERIFY(LoadOrSaveOK);
        QCOMPARE(LevelFileName, QStringLiteral("maze.qbx"));
        QString shownName;
        int shownType = -1;
        WhenShown<frmLoadOrSave>([&](frmLoadOrSave* dialog) {
            shownName = dialog->txtLevel->text();
            shownType = dialog->cmbLevelType->currentIndex();
            QVERIFY(dialog->txtAuthor->isEnabled());
            dialog->cmdCancelLoadSave_Click();
        });
        window->mnuSaveAs_Click();
        QCOMPARE(shownName, QStringLiteral("maze.qbx"));
        QCOMPARE(shownType, 0);
    }

    void typeSwitchInSaveMode()
    {
        LoadOrSaveMode = 2;
        FileName = QStringLiteral("maze.qbx");
        frmLoadOrSave dialog;
        dialog.cmbLevelType->setCurrentIndex(1);
        dialog.cmbLevelType_Click();
        QCOMPARE(dialog.txtLevel->text(), QStringLiteral("maze.xsb"));
        QCOMPARE(LevelFileType, 2);
        QCOMPARE(dialog.LevelFile->count(), 1); // only *.xsb files are listed
        dialog.txtLevel->setText(QStringLiteral("ab"));
        dialog.cmbLevelType->setCurrentIndex(0);
        dialog.cmbLevelType_Click();
        QCOMPARE(dialog.txtLevel->text(), QStringLiteral("ab"));
    }

    void typeSwitchInLoadMode()
    {
        LoadOrSaveMode = 1;
        frmLoadOrSave dialog;
        QVERIFY(!dialog.txtLevel->isEnabled());
        QVERIFY(!dialog.txtAuthor->isEnabled());
        dialog.LevelFile->setCurrentRow(0); // maze.qbx
        QCOMPARE(dialog.txtLevel->text(), QStringLiteral("maze.qbx"));
        dialog.cmbLevelType->setCurrentIndex(1);
        dialog.cmbLevelType_Click();
        QCOMPARE(dialog.txtLevel->text(), QStringLiteral("maze.xsb"));
        QCOMPARE(dialog.LevelFile->currentItem()->text(), QStringLiteral("maze.xsb"));
        QFile::remove(folder + QStringLiteral("maze.qbx"));
        dialog.cmbLevelType->setCurrentIndex(0);
        dialog.cmbLevelType_Click();
        QCOMPARE(dialog.txtLevel->text(), QString());
    }

    void saveCompletesTheName_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written");
        QTest::newRow("no extension") << "level"
                                      << "level.qbx";
        QTest::newRow("short name") << "ab"
                                    << "ab.qbx";
        QTest::newRow("other extension") << "level.txt"
                                         << "level.txt.qbx";
        QTest::newRow("own extension") << "new.qbx"
                                       << "new.qbx";
    }

    void saveCompletesTheName()
    {
        QFETCH(QString, typed);
        QFETCH(QString, written);
        MessageRecorder recorder;
        SetGrid(
            { QStringLiteral(" # # #"), QStringLiteral("# $ . #"), QStringLiteral(" # @ #") }, 5);
        window->ShowLevelInGrid();
        WhenShown<frmLoadOrSave>([typed](frmLoadOrSave* dialog) {
            dialog->txtLevel->setText(typed);
            dialog->txtAuthor->setText(QStringLiteral("Bo"));
            dialog->cmdSaveLevel_Click();
        });
        window->mnuSaveAs_Click();
        QCOMPARE(recorder.texts(), QStringList());
        QVERIFY(QFile::exists(folder + written));
        QCOMPARE(LevelFileName, written);
        QCOMPARE(LevelFolder, folder);
        QVERIFY(ReadFile(folder + written).endsWith("\r\nAuthor: Bo\r\n"));
        QCOMPARE(window->windowTitle(),
            QStringLiteral("Quobix level editor: Level ") + folder + written);
    }

    void saveAsksBeforeOverwriting()
    {
        MessageRecorder recorder;
        recorder.answers = { 7 };
        SetGrid({ QStringLiteral(" $ . @") }, 5);
        window->ShowLevelInGrid();
        bool stayedOpen = false;
        WhenShown<frmLoadOrSave>([this, &stayedOpen](frmLoadOrSave* dialog) {
            // A file that appeared after the list was filled is not listed, but exists.
            WriteFile(folder + QStringLiteral("late.qbx"), "keep");
            dialog->txtLevel->setText(QStringLiteral("late.qbx"));
            dialog->cmdSaveLevel_Click();
            stayedOpen = dialog->isVisible();
            dialog->txtLevel->setText(QStringLiteral("maze"));
            dialog->cmdSaveLevel_Click();
            if (dialog->isVisible())
                dialog->cmdCancelLoadSave_Click();
        });
        window->mnuSaveAs_Click();
        QVERIFY(stayedOpen);
        QCOMPARE(recorder.texts(),
            (QStringList { "Level " + folder + "late.qbx already exists\rOverwrite?",
                "Level " + folder + "maze.qbx already exists\rOverwrite?" }));
        QCOMPARE(ReadFile(folder + QStringLiteral("late.qbx")), QByteArray("keep"));
        QCOMPARE(ReadFile(folder + QStringLiteral("maze.qbx")), Maze);
    }

    void cancelKeepsEditedTexts()
    {
        SetGrid({ QStringLiteral(" $ . @") }, 5);
        window->ShowLevelInGrid();
        Author = QStringLiteral("Ann");
        WhenShown<frmLoadOrSave>([](frmLoadOrSave* dialog) {
            dialog->txtAuthor->setText(QStringLiteral("Bo"));
            dialog->txtTopComment->setPlainText(QStringLiteral("one\ntwo"));
            dialog->close();
        });
        window->mnuSaveAs_Click();
        QCOMPARE(Author, QStringLiteral("Bo"));
        QCOMPARE(TopComment, QStringLiteral("one\r\ntwo"));
        QCOMPARE(LoadOrSaveOK, false);
    }

    void cancelWithoutTypingKeepsTheTextsExactly()
    {
        SetGrid({ QStringLiteral(" $ . @") }, 5);
        window->ShowLevelInGrid();
        const QString top = QStringLiteral("one\u2029two\r\nthree");
        const QString author = QString(40000, QLatin1Char('a'));
        TopComment = top;
        Author = author;
        BottomComment = top;
        WhenShown<frmLoadOrSave>([](frmLoadOrSave* dialog) { dialog->close(); });
        window->mnuSaveAs_Click();
        QCOMPARE(TopComment, top);
        QCOMPARE(Author.size(), author.size());
        QCOMPARE(BottomComment, top);
    }

    // What a load shows after the level: the invalid-level warning (also for a man without a
    // target), the flip warning and, at the next save, the flip-back question; the row and cell
    // of an earlier click are gone.
    void loadWarnings_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("messages");
        // As wide and as tall as the grid, with its first row where an even row's cells are.
        QByteArray tall = "@ . $ " + QByteArray("# ").repeated(29) + "\r\n";
        for (int k = 2; k <= GridRows; ++k)
            tall += (k % 2 ? QByteArray("# ") : QByteArray(" #")).repeated(32) + "\r\n";
        QTest::newRow("a man, no target")
            << QByteArray(" # @ #\r\n") << QStringList { "The loaded level is invalid." };
        QTest::newRow("flipped to fit")
            << tall
            << QStringList { "The level is vertically flipped to fit within the grid.",
                   "Level %1flip.qbx already exists\rOverwrite?",
                   "The level was vertically flipped after loading.\rFlip it back before saving?" };
    }

    void loadWarnings()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, messages);
        WriteFile(folder + QStringLiteral("flip.qbx"), file);
        window->txtRowAndCell->setText(QStringLiteral("Row = 1, Cell = 1"));
        MessageRecorder recorder;
        recorder.answers << vbYes << vbYes;
        window->OpenLevelFile(folder + QStringLiteral("flip.qbx"));
        QCOMPARE(window->txtRowAndCell->text(), QString());
        if (LevelFlipped)
            window->mnuSave_Click();
        QCOMPARE(recorder.texts(), messages.replaceInStrings(QStringLiteral("%1"), folder));
    }

    // A file named on the command line opens as Load opens it, messages and title included.
    void openFromTheCommandLine_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("ownFile"); // "" when nothing is loaded
        QTest::addColumn<QString>("message");
        QTest::newRow("qbx") << "sub/../maze.qbx"
                             << "maze.qbx"
                             << "";
        QTest::newRow("xsb: its own file is a qbx file") << "maze.xsb"
                                                         << "maze.qbx"
                                                         << "";
        QTest::newRow("missing") << "sub/gone.qbx"
                                 << ""
                                 << "Error 2: No such file or directory was generated while "
                                    "loading %1sub/gone.qbx";
        QTest::newRow("no level") << "notes.qbx"
                                  << ""
                                  << "No quobix level found within the file.";
    }

    void openFromTheCommandLine()
    {
        QFETCH(QString, path);
        QFETCH(QString, ownFile);
        QFETCH(QString, message);
        QDir::setCurrent(QDir::tempPath());
        window->mnuClear->trigger();
        SetGrid({ QStringLiteral(" $ . @") }, 5);
        window->ShowLevelInGrid();
        window->mnuClear->trigger();
        MessageRecorder recorder;
        window->OpenLevelFile(folder + path);
        // A loaded level starts a new history; a failed load leaves the old one.
        QCOMPARE(window->UndoStack()->count(), ownFile.isEmpty() ? 1 : 0);
        QCOMPARE(recorder.texts().join('/'), message.arg(folder));
        QCOMPARE(window->windowTitle(),
            ownFile.isEmpty() ? QStringLiteral("Quobix level editor")
                              : "Quobix level editor: Level " + folder + ownFile);
        QCOMPARE(ManCount, ownFile.isEmpty() ? 0 : 1);
        QCOMPARE(LevelFileType, 1);
        // The load window opens where the file was.
        const QString expected = QFileInfo(folder + path).dir().absolutePath();
        bool opensThere = false;
        WhenShown<frmLoadOrSave>([&](frmLoadOrSave* dialog) {
            opensThere = dialog->FolderListPath() == QDir::cleanPath(expected);
            dialog->cmdCancelLoadSave_Click();
        });
        window->mnuLoad_Click();
        QVERIFY(opensThere);
    }

    // The last eight levels loaded or saved, newest first, kept across a restart; a level that
    // is gone leaves the list with the loading error when it is chosen.
    void recentLevels()
    {
        RecentLevels::Clear();
        MessageRecorder recorder;
        Load(QStringLiteral("maze.qbx"));
        WhenShown<frmLoadOrSave>([](frmLoadOrSave* dialog) {
            dialog->txtLevel->setText(QStringLiteral("copy"));
            dialog->cmdSaveLevel_Click();
        });
        window->mnuSaveAs_Click();
        window->OpenLevelFile(folder + QStringLiteral("maze.xsb"));
        window->OpenLevelFile(folder + QStringLiteral("maze.qbx"));
        const QStringList expected { folder + "maze.qbx", folder + "maze.xsb",
            folder + "copy.qbx" };
        QCOMPARE(RecentLevels::List(), expected);

        window = std::make_unique<frmQuobixEditorZN>(); // a restart
        QStringList captions;
        for (QAction* item : window->mnuRecent->actions())
            captions << item->text();
        QCOMPARE(captions,
            (QStringList { "&1 " + expected[0], "&2 " + expected[1], "&3 " + expected[2], "",
                "&Clear List" }));

        QVERIFY(QFile::remove(folder + QStringLiteral("copy.qbx")));
        window->mnuRecent->actions()[2]->trigger();
        QCOMPARE(recorder.texts().last(),
            "Error 2: No such file or directory was generated while loading " + folder
                + "copy.qbx");
        QCOMPARE(RecentLevels::List(), expected.mid(0, 2));
        QCOMPARE(window->mnuRecent->actions().size(), 4);

        for (int k = 0; k < 10; ++k)
            RecentLevels::Remember(folder + QString::number(k));
        QCOMPARE(RecentLevels::List().size(), RecentLevels::MaxCount);
        QCOMPARE(RecentLevels::List().first(), folder + "9");
        window->mnuRecent->actions().last()->trigger();
        QCOMPARE(RecentLevels::List(), QStringList());
        QVERIFY(!window->mnuRecent->isEnabled());
    }

    // Return in the drive or folder list chooses there only; it never loads or saves.
    void returnInTheListsOnlyChooses_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("drives");
        QTest::newRow("load, folder list") << 1 << false;
        QTest::newRow("save, folder list") << 2 << false;
        QTest::newRow("load, drive list") << 1 << true;
        QTest::newRow("save, drive list") << 2 << true;
    }

    void returnInTheListsOnlyChooses()
    {
        QFETCH(int, mode);
        QFETCH(bool, drives);
        WriteFile(folder + QStringLiteral("sub/ring.qbx"), Maze);
        SetGrid({ QStringLiteral(" $ . @") }, 5);
        window->ShowLevelInGrid();
        MessageRecorder recorder;
        bool stayedOpen = false;
        WhenShown<frmLoadOrSave>([&](frmLoadOrSave* dialog) {
            dialog->txtLevel->setText(QStringLiteral("kbsave"));
            QWidget* list = dialog->dirLevel;
            if (drives)
                list = dialog->DrvLevel;
            else
                dialog->dirLevel->setCurrentItem(
                    dialog->dirLevel->findItems(QStringLiteral("sub"), Qt::MatchEndsWith).first());
            list->setFocus();
            QTest::keyClick(list, Qt::Key_Return);
            QTest::keyClick(list, Qt::Key_Enter);
            stayedOpen = dialog->isVisible();
            dialog->cmdCancelLoadSave_Click();
        });
        mode == 1 ? window->mnuLoad_Click() : window->mnuSaveAs_Click();
        QVERIFY(stayedOpen);
        QCOMPARE(recorder.texts(), QStringList());
        QCOMPARE(CurrentFolder, drives ? folder : folder + QStringLiteral("sub/"));
        QVERIFY(!QFile::exists(folder + QStringLiteral("kbsave.qbx")));
        QVERIFY(!QFile::exists(folder + QStringLiteral("sub/kbsave.qbx")));
    }

    // Folders and files in one order whatever their case; a link counts by what it names.
    void listsHoldFoldersOnlyInOneOrder()
    {
        const QString here = folder + QStringLiteral("sorted/");
        for (const char* sub : { "beta", "Alpha" })
            QVERIFY(QDir().mkpath(here + sub));
        for (const char* name : { "b.qbx", "Z.qbx", "a2.qbx", "A.QBX" })
            WriteFile(here + name, Maze);
        QVERIFY(mkfifo(QFile::encodeName(here + "fifo").constData(), 0644) == 0);
        QVERIFY(QFile::link(here + "fifo", here + "link-to-fifo"));
        QVERIFY(QFile::link(here + "beta", here + "link-to-beta"));
        LoadOrSaveMode = 1;
        CurrentFolder = here;
        frmLoadOrSave dialog;
        QStringList subfolders, files;
        for (int row = dialog.dirLevel->currentRow() + 1; row < dialog.dirLevel->count(); ++row)
            subfolders << dialog.dirLevel->item(row)->text().trimmed();
        for (int row = 0; row < dialog.LevelFile->count(); ++row)
            files << dialog.LevelFile->item(row)->text();
        QCOMPARE(subfolders, (QStringList { "Alpha", "beta", "link-to-beta" }));
        QCOMPARE(files, (QStringList { "A.QBX", "a2.qbx", "b.qbx", "Z.qbx" }));
        dialog.reject();
    }

    void doubleClickLoadsAndSaves()
    {
        MessageRecorder recorder;
        WhenShown<frmLoadOrSave>([](frmLoadOrSave* dialog) {
            auto* item = dialog->LevelFile->findItems(QStringLiteral("maze.qbx"), Qt::MatchExactly)
                             .first();
            const QPoint at = dialog->LevelFile->visualItemRect(item).center();
            QTest::mouseClick(dialog->LevelFile->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(dialog->LevelFile->viewport(), Qt::LeftButton, {}, at);
        });
        window->mnuLoad_Click();
        QVERIFY(LoadOrSaveOK);
        QCOMPARE(LevelFileName, QStringLiteral("maze.qbx"));

        recorder.answers = { 6 };
        WhenShown<frmLoadOrSave>([](frmLoadOrSave* dialog) {
            auto* item = dialog->LevelFile->findItems(QStringLiteral("notes.qbx"), Qt::MatchExactly)
                             .first();
            const QPoint at = dialog->LevelFile->visualItemRect(item).center();
            QTest::mouseClick(dialog->LevelFile->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(dialog->LevelFile->viewport(), Qt::LeftButton, {}, at);
        });
        window->mnuSaveAs_Click();
        QVERIFY(LoadOrSaveOK);
        QCOMPARE(recorder.texts(),
            QStringList { "Level " + folder + "notes.qbx already exists\rOverwrite?" });
        QVERIFY(ReadFile(folder + QStringLiteral("notes.qbx")).contains("# $ . #"));
    }

    // The progress window names the file, refuses the user's close and Escape, and closes
    // itself once the level is read.
    void progressWindowRefusesTheUser()
    {
        MessageRecorder recorder;
        LoadOrSaveMode = 1;
        FileName = QStringLiteral("maze.qbx");
        frmLoadOrSaveInfo info;
        QCOMPARE(info.windowTitle(), QStringLiteral("Loading..."));
        QCOMPARE(info.Label1->text(), QStringLiteral("Loading level ") + folder + "maze.qbx");
        info.show();
        info.close();
        QTest::keyClick(&info, Qt::Key_Escape);
        QVERIFY(info.isVisible());
        QTRY_VERIFY(!info.isVisible());
        QVERIFY(LoadOrSaveOK);
        QCOMPARE(Author, QStringLiteral("Ann"));

        LoadOrSaveMode = 2;
        frmLoadOrSaveInfo saving;
        QCOMPARE(saving.windowTitle(), QStringLiteral("Saving..."));
        QCOMPARE(saving.Label1->text(), QStringLiteral("Saving level ") + folder + "maze.qbx");
    }

    void foldersAreFollowedAndRemembered()
    {
        LoadOrSaveMode = 1;
        {
            frmLoadOrSave dialog;
            auto items = dialog.dirLevel->findItems(QStringLiteral("sub"), Qt::MatchEndsWith);
            QVERIFY(!items.isEmpty());
            emit dialog.dirLevel->itemActivated(items.first());
            QCOMPARE(CurrentFolder, folder + QStringLiteral("sub/"));
            QCOMPARE(QDir::currentPath() + QLatin1Char('/'), CurrentFolder);
            QCOMPARE(dialog.LevelFile->count(), 0);
            dialog.reject();
        }
        frmLoadOrSave again;
        QCOMPARE(again.FolderListPath() + QLatin1Char('/'), folder + QStringLiteral("sub/"));
    }
};

QUOBIX_TEST(TestLoadSaveDialog)
#include "tst_loadSaveDialog.moc"
