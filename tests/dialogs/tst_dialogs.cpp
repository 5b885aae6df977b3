#include "common/GuiSupport.h"
#include "common/TestRegistry.h"

#include "dialogs/frmDisplace.h"
#include "dialogs/frmLoadOrSave.h"
#include "dialogs/frmLoadOrSaveInfo.h"
#include "displace/DisplaceState.h"
#include "displace/modDisplace.h"
#include "editor/GridCanvas.h"
#include "editor/LevelPicture.h"
#include "files/RecentLevels.h"

#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>
#include <optional>
#include <sys/stat.h>

using namespace quobix;

namespace {

// clang-format off
const QByteArray Maze = "A small maze\r\n\r\n # # #\r\n# $ . #\r\n # @ #\r\n\r\nAuthor: Ann\r\n";
// The level DrawLevel draws, as Save writes it in each notation.
const QByteArray Qbx = " # # #\r\n# $ . #\r\n # @ #\r\n", Xsb = " ###\r\n#$.#\r\n#@#\r\n";
const QString Gone = "Error 2: No such file or directory was generated while loading ";
// A name typed, the type chosen (0 QBX, 1 XSB) and the file then written.
struct Naming { QString typed; int type; QString written; };
// Saving over maze.qbx: way 0 Save As and Save button, 1 double click, 2 Save; what is there 0 a
// listed file, 1 a file not listed, 2 a folder; the answer and the file after.
struct Overwrite { int way, what; qint16 answer; QByteArray after; };
// Opened by name, written first unless bytes is empty; ownFile "" if nothing loads; %1 the folder.
struct Opening { QString path; QByteArray bytes; QString ownFile, messages; };
// clang-format on

// Chooses the type as the user does; returns the name the dialog then shows.
QString Type(frmLoadOrSave* dialog, int type)
{
    dialog->cmbLevelType->setCurrentIndex(type);
    dialog->cmbLevelType_Click();
    return dialog->txtLevel->text();
}

QListWidgetItem* Item(frmLoadOrSave* dialog, const QString& name)
{
    return dialog->LevelFile->findItems(name, Qt::MatchExactly).value(0);
}

void DoubleClick(frmLoadOrSave* dialog, const QString& name)
{
    const QPoint at = dialog->LevelFile->visualItemRect(Item(dialog, name)).center();
    QTest::mouseClick(dialog->LevelFile->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(dialog->LevelFile->viewport(), Qt::LeftButton, {}, at);
}

// From line 6 on, where the characters of its rows stand on cells.
const QStringList Small { "", "", "", "", "", "  # $ . @", "   # # #" };

QStringList Items(const QComboBox* list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    return items;
}

void Click(frmDisplace* d, int index) { QTest::mouseClick(d->cmdDisplace[index], Qt::LeftButton); }

void Close(frmDisplace* dialog) { dialog->close(); }

} // namespace

Q_DECLARE_METATYPE(Naming)
Q_DECLARE_METATYPE(Overwrite)
Q_DECLARE_METATYPE(Opening)

class TestLoadSaveDialog : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    QString folder;
    std::unique_ptr<frmQuobixEditorZN> window;
    LevelDocument& L() const { return window->Level(); }
    std::optional<MessageRecorder> recorder;

    QString Title(const QString& file) const
    {
        return "Quobix level editor" + (file.isEmpty() ? QString() : ": Level " + folder + file);
    }

    // Opens the load or save dialog by command, lets step act on it and cancels what stays open.
    void Dialog(QAction* command, const std::function<void(frmLoadOrSave*)>& step)
    {
        ModalScript script;
        script.Then<frmLoadOrSave>([&](frmLoadOrSave* dialog) {
            step(dialog);
            if (dialog->isVisible())
                dialog->cmdCancelLoadSave_Click();
        });
        command->trigger();
        QVERIFY(script.Finished());
    }

    void DrawLevel() { SetGrid(L(), { " # # #", "# $ . #", " # @ #" }); }

private slots:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        window = MainWindow();
        recorder.emplace();
        folder = window->LoadSave().CurrentFolder = dir->path() + QLatin1Char('/');
        WriteFile(folder + "maze.qbx", Maze);
        WriteFile(folder + "maze.xsb", "###\r\n#$.#\r\n#@#\r\n");
        WriteFile(folder + "notes.qbx", "only words\r\n");
        QDir(folder).mkdir("sub");
    }

    void cleanup()
    {
        window.reset();
        recorder.reset();
        QDir::setCurrent(QDir::tempPath());
        dir.reset();
    }

    // The file list names the file, the type picks that name's file of the type (or none), a double
    // click loads it, an XSB level's own file is QBX. Cancel keeps the texts exactly when nothing
    // was typed, and keeps what was typed; a failed load leaves dialog and editor alone.
    void loadThroughTheDialog()
    {
        Dialog(window->mnuLoad, [this](frmLoadOrSave* dialog) {
            QVERIFY(!dialog->txtLevel->isEnabled() && !dialog->txtAuthor->isEnabled());
            dialog->LevelFile->setCurrentRow(0);
            QCOMPARE(dialog->txtLevel->text(), QStringLiteral("maze.qbx"));
            QCOMPARE(Type(dialog, 1), QStringLiteral("maze.xsb"));
            QCOMPARE(dialog->LevelFile->currentItem(), Item(dialog, "maze.xsb"));
            QFile::remove(folder + "maze.qbx");
            QCOMPARE(Type(dialog, 0), QString());
            Type(dialog, 1);
            DoubleClick(dialog, "maze.xsb");
        });
        QCOMPARE(window->windowTitle(), Title("maze.qbx"));
        QCOMPARE(L().ManCount, 1);
        const QString top = QStringLiteral("one\u2029two\r\nthree"), author(40000, 'a');
        L().SetTexts(author, top, top);
        Dialog(window->mnuSaveAs, [](frmLoadOrSave* d) { // the type is back to QBX at every close
            QCOMPARE(d->txtLevel->text() + d->cmbLevelType->currentText(), "maze.qbx*.qbx");
        });
        QVERIFY(L().TopComment == top && L().Author == author && L().BottomComment == top);
        Dialog(window->mnuSaveAs, [](frmLoadOrSave* dialog) {
            dialog->txtAuthor->setText(QStringLiteral("Bo"));
            dialog->txtTopComment->setPlainText(QStringLiteral("one\ntwo"));
            dialog->close();
        });
        QCOMPARE(
            (QStringList { L().TopComment, L().Author }), (QStringList { "one\r\ntwo", "Bo" }));

        const QStringList grid = L().GridRows();
        Dialog(window->mnuLoad, [](frmLoadOrSave* dialog) {
            dialog->LevelFile->setCurrentItem(Item(dialog, "notes.qbx"));
            dialog->cmdLoadLevel_Click();
            QVERIFY(dialog->isVisible());
            dialog->txtLevel->clear();
            dialog->cmdLoadLevel_Click();
        });
        QCOMPARE(recorder->texts().join('/'),
            "No quobix level found within the file./Invalid filename: ");
        QCOMPARE(L().GridRows(), grid);
        QCOMPARE(L().Author, QStringLiteral("Bo"));
        QCOMPARE(window->windowTitle(), Title("maze.qbx"));
    }

    // Save without a file of its own is Save As; the name gets the type's extension and the type
    // lists only its files; Save then writes the same notation into the same file.
    void saveNamesTheFile_data()
    {
        QTest::addColumn<Naming>("c");
        QTest::newRow("no extension") << Naming { "level", 0, "level.qbx" };
        QTest::newRow("other extension") << Naming { "level.txt", 0, "level.txt.qbx" };
        QTest::newRow("own extension") << Naming { "new.qbx", 0, "new.qbx" };
        QTest::newRow("xsb: the name follows the type") << Naming { "new.qbx", 1, "new.xsb" };
    }

    void saveNamesTheFile()
    {
        QFETCH(Naming, c);
        DrawLevel();
        Dialog(window->mnuSave, [&c](frmLoadOrSave* dialog) {
            dialog->txtLevel->setText(c.typed);
            Type(dialog, c.type);
            QCOMPARE(dialog->LevelFile->count(), 2 - c.type);
            dialog->txtAuthor->setText(QStringLiteral("Bo"));
            dialog->cmdSaveLevel_Click();
        });
        QCOMPARE(window->windowTitle(), Title(c.written));
        const QByteArray bytes = ReadFile(folder + c.written);
        QCOMPARE(bytes, (c.type ? Xsb : Qbx) + "\r\nAuthor: Bo\r\n");
        QVERIFY(QFile::remove(folder + c.written));
        window->mnuSave->trigger();
        QCOMPARE(ReadFile(folder + c.written), bytes);
        QCOMPARE(recorder->texts(), QStringList());
    }

    // Saving asks before overwriting anything of the name: a listed file, one added after the list
    // was filled, a folder (its failure then reported). No keeps file and dialog, Yes writes.
    void saveAsksBeforeOverwriting_data()
    {
        QTest::addColumn<Overwrite>("c");
        QTest::newRow("Save As, No") << Overwrite { 0, 0, vbNo, Maze };
        QTest::newRow("Save As, a file not listed, No") << Overwrite { 0, 1, vbNo, Maze };
        QTest::newRow("double click, Yes") << Overwrite { 1, 0, vbYes, Qbx };
        QTest::newRow("Save, No") << Overwrite { 2, 0, vbNo, Maze };
        QTest::newRow("Save, Yes") << Overwrite { 2, 0, vbYes, Qbx };
        QTest::newRow("Save, a folder, Yes") << Overwrite { 2, 2, vbYes, {} };
    }

    void saveAsksBeforeOverwriting()
    {
        QFETCH(Overwrite, c);
        const QString path = folder + "maze.qbx";
        QVERIFY(c.what == 0
            || (QFile::remove(path) && (c.what == 1 || QDir(folder).mkdir("maze.qbx"))));
        recorder->answers = { c.answer };
        DrawLevel();
        L().LevelFolder = folder;
        L().LevelFileName = QStringLiteral("maze.qbx");
        bool stayedOpen = false;
        if (c.way == 2)
            window->mnuSave->trigger();
        else
            Dialog(window->mnuSaveAs, [&](frmLoadOrSave* dialog) {
                if (c.what == 1)
                    WriteFile(path, Maze);
                dialog->txtLevel->setText(QStringLiteral("maze"));
                c.way == 1 ? DoubleClick(dialog, "maze.qbx") : dialog->cmdSaveLevel_Click();
                stayedOpen = dialog->isVisible();
            });
        const QString failed = "/Error 21: Is a directory was generated while saving " + path;
        QCOMPARE(recorder->texts().join('/'),
            "Level " + path + " already exists\rOverwrite?" + (c.what == 2 ? failed : ""));
        QCOMPARE(ReadFile(path), c.after);
        QCOMPARE(stayedOpen, c.answer == vbNo && c.way != 2);
    }

    // A file opened by name (command line) loads as Load does, with its messages: invalid level
    // (also a man without a target), the flip warning and, at the next save, the flip-back
    // question. An earlier click's row and cell go, and Load then opens in the file's folder.
    void openByName_data()
    {
        QTest::addColumn<Opening>("c");
        // As wide and as tall as the grid, with its first row where an even row's cells are.
        QByteArray tall = "@ . $ " + QByteArray("# ").repeated(29) + "\r\n";
        for (int k = 2; k <= GridRows; ++k)
            tall += (k % 2 ? QByteArray("# ") : QByteArray(" #")).repeated(32) + "\r\n";
        const QString flip = "The level is vertically flipped to fit within the grid./Level "
                             "%1flip.qbx already exists\rOverwrite?/The level was vertically "
                             "flipped after loading.\rFlip it back before saving?";
        const auto Opens = [](const char* tag, const Opening& c) { QTest::newRow(tag) << c; };
        // clang-format off
        Opens("qbx", { "sub/../maze.qbx", {}, "maze.qbx", "" });
        Opens("xsb: its own file is a qbx file", { "maze.xsb", {}, "maze.qbx", "" });
        Opens("missing", { "sub/gone.qbx", {}, "", Gone + "%1sub/gone.qbx" });
        Opens("a man, no target", { "man.qbx", " # @ #\r\n", "man.qbx", "The loaded level is invalid." });
        Opens("fewer objects", { "few.qbx", " # @ $ . . #\r\n", "few.qbx", "The loaded level is invalid." });
        Opens("flipped to fit", { "flip.qbx", tall, "flip.qbx", flip });
        // clang-format on
    }

    void openByName()
    {
        QFETCH(Opening, c);
        if (!c.bytes.isEmpty())
            WriteFile(folder + c.path, c.bytes);
        DrawLevel();
        window->mnuClear->trigger();
        window->txtRowAndCell->setText(QStringLiteral("Row = 1, Cell = 1"));
        recorder->answers = { vbYes, vbYes };
        window->OpenLevelFile(folder + c.path);
        // A loaded level starts a new history; a failed load leaves the old one.
        QCOMPARE(window->UndoStack()->count(), c.ownFile.isEmpty() ? 1 : 0);
        QCOMPARE(window->windowTitle(), Title(c.ownFile));
        QCOMPARE(L().ManCount, c.ownFile.isEmpty() ? 0 : 1);
        QCOMPARE(window->txtRowAndCell->text().isEmpty(), !c.ownFile.isEmpty());
        if (L().LevelFlipped)
            window->mnuSave->trigger();
        QCOMPARE(recorder->texts().join('/'), c.messages.replace("%1", folder));
        const QString there = QDir::cleanPath(QFileInfo(folder + c.path).absolutePath());
        Dialog(window->mnuLoad, [&](frmLoadOrSave* d) { QCOMPARE(d->FolderListPath(), there); });
    }

    // The levels last loaded or saved, newest first, kept across a restart; a level that
    // is gone leaves the list with the loading error when it is chosen.
    void recentLevels()
    {
        window->Recent().Clear();
        window->OpenLevelFile(folder + "maze.qbx");
        Dialog(window->mnuSaveAs, [](frmLoadOrSave* dialog) {
            dialog->txtLevel->setText(QStringLiteral("copy"));
            dialog->cmdSaveLevel_Click();
        });
        window->OpenLevelFile(folder + "maze.xsb");
        window->OpenLevelFile(folder + "maze.qbx");
        const QStringList recent { folder + "maze.qbx", folder + "maze.xsb", folder + "copy.qbx" };

        window = MainWindow(); // a restart
        QStringList captions;
        for (QAction* item : window->mnuRecent->actions())
            captions << item->text();
        QCOMPARE(captions.join('|'),
            QString("&1 %1|&2 %2|&3 %3||&Clear List").arg(recent[0], recent[1], recent[2]));

        QVERIFY(QFile::remove(folder + "copy.qbx"));
        window->mnuRecent->actions()[2]->trigger();
        QCOMPARE(recorder->texts().last(), Gone + recent[2]);
        QCOMPARE(window->Recent().List(), recent.mid(0, 2));
        QCOMPARE(window->mnuRecent->actions().size(), 4);
        window->mnuRecent->actions().last()->trigger();
        QCOMPARE(window->Recent().List(), QStringList());
        QVERIFY(!window->mnuRecent->isEnabled());
        QCOMPARE(RecentLevels().List(), QStringList()); // also after a restart
        const QString ini
            = QSettings(QSettings::IniFormat, QSettings::UserScope, "quobix", "quobix-editor")
                  .fileName();
        QVERIFY(ReadFile(ini).contains("recentLevels=\n"));
    }

    // A list edited by hand, filled past its cap, names with "&" and settings that cannot be
    // written: the menu shows each file once, as it is named, and keeps the session's list.
    void recentLevelsKept()
    {
        QStringList names;
        for (int k = 1; k <= 10; ++k)
            WriteFile(folder + (names << QString("rock&roll %1.qbx").arg(k)).last(), Maze);
        QSettings settings(QSettings::IniFormat, QSettings::UserScope, "quobix", "quobix-editor");
        settings.setValue("recentLevels",
            QStringList {
                "", folder + names[0], folder + "sub/../" + names[0], " ", folder + names[1] });
        settings.sync();
        window = MainWindow();
        QCOMPARE(window->Recent().List(), (QStringList { folder + names[0], folder + names[1] }));
        QCOMPARE(window->mnuRecent->actions()[0]->text(),
            "&1 " + QString(folder).replace("&", "&&") + "rock&&roll 1.qbx");

        // Settings in a folder that is a file: nothing can be stored, the session keeps its list.
        const QString stored = settings.fileName();
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder + "maze.qbx");
        for (const QString& name : names)
            window->OpenLevelFile(folder + name);
        QStringList newest;
        for (int k = 9; k >= 2; --k)
            newest << folder + names[k];
        QCOMPARE(window->Recent().List(), newest);
        QCOMPARE(window->mnuRecent->actions().size(), 8 + 2);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
            QFileInfo(stored).path().section('/', 0, -2));
        QCOMPARE(RecentLevels().List().size(), 2); // what could not be stored stayed out
    }

    // Return in the drive or folder list chooses there only; it never loads or saves. A folder
    // chosen becomes the current one and the next dialog opens there. Folders and files are
    // listed in one order whatever their case; a link to a folder is a folder, a fifo no file.
    void returnInTheListsOnlyChooses_data()
    {
        QTest::addColumn<bool>("save");
        QTest::addColumn<bool>("drives");
        QTest::newRow("save, folder list") << true << false;
        QTest::newRow("load, drive list") << false << true;
    }

    void returnInTheListsOnlyChooses()
    {
        QFETCH(bool, save);
        QFETCH(bool, drives);
        const QString sub = folder + "sub/";
        QVERIFY(QDir(sub).mkdir("Beta") && QDir(sub).mkdir("alpha"));
        for (const char* name : { "b.qbx", "Z.qbx", "a2.qbx", "A.QBX" })
            WriteFile(sub + name, Maze);
        QVERIFY(mkfifo(QFile::encodeName(sub + "fifo.qbx").constData(), 0644) == 0);
        QVERIFY(QFile::link(sub + "Beta", sub + "link-to-Beta"));
        DrawLevel();
        QStringList listed;
        Dialog(save ? window->mnuSaveAs : window->mnuLoad, [&](frmLoadOrSave* d) {
            d->txtLevel->setText(QStringLiteral("kbsave"));
            QWidget* list = drives ? static_cast<QWidget*>(d->DrvLevel) : d->dirLevel;
            if (!drives)
                d->dirLevel->setCurrentItem(
                    d->dirLevel->findItems("sub", Qt::MatchEndsWith).value(0));
            list->setFocus();
            QTest::keyClick(list, Qt::Key_Return);
            QTest::keyClick(list, Qt::Key_Enter);
            for (int row = d->dirLevel->currentRow() + 1; row < d->dirLevel->count(); ++row)
                listed << d->dirLevel->item(row)->text().trimmed();
            for (int row = 0; row < d->LevelFile->count(); ++row)
                listed << d->LevelFile->item(row)->text();
        });
        const QString there = drives ? folder : sub;
        QCOMPARE(recorder->texts(), QStringList());
        QCOMPARE(listed.join(' '),
            drives ? "sub maze.qbx notes.qbx" : "alpha Beta link-to-Beta A.QBX a2.qbx b.qbx Z.qbx");
        QVERIFY(window->LoadSave().CurrentFolder == there && QDir::currentPath() + '/' == there);
        QVERIFY(!QFile::exists(folder + "kbsave.qbx") && !QFile::exists(sub + "kbsave.qbx"));
        Dialog(
            window->mnuLoad, [&](frmLoadOrSave* d) { QCOMPARE(d->FolderListPath() + '/', there); });
    }

    // The progress window names the file, refuses close and Escape, and closes once it has read.
    void progressWindowRefusesTheUser()
    {
        bool read = false;
        frmLoadOrSaveInfo info(nullptr, true, folder + "maze.qbx", [&read] { read = true; });
        QCOMPARE(info.Label1->text(), "Loading level " + folder + "maze.qbx");
        info.show();
        info.close();
        QTest::keyClick(&info, Qt::Key_Escape);
        QVERIFY(info.isVisible());
        QTRY_VERIFY(!info.isVisible());
        QVERIFY(read);
    }
};

QUOBIX_TEST(TestLoadSaveDialog)

class TestDisplaceDialog : public QObject {
    Q_OBJECT

    std::unique_ptr<frmQuobixEditorZN> window;
    LevelDocument& L() const { return window->Level(); }

    // Whether the canvas shows buffer 1: drawing it again changes nothing.
    bool CanvasShowsGrid() const
    {
        const QImage shown = window->Canvas()->Backing().copy();
        window->ShowLevelInGrid();
        return window->Canvas()->Backing() == shown;
    }

private slots:
    void init() { window = MainWindow(); }
    void cleanup() { window.reset(); }

    // The lists show what ComputeDisplaceChoices offers (tests/displace checks it), no leftovers.
    void listsAndButtonsFollowTheLevel_data()
    {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("firstRow");
        QTest::newRow("first line 1") << QStringList { "   # #", "    #" } << 1;
        QTest::newRow("left margin 0") << QStringList { "# # #" } << 10;
    }

    void listsAndButtonsFollowTheLevel()
    {
        QFETCH(QStringList, rows);
        QFETCH(int, firstRow);
        frmDisplace dialog;
        // Filled first for a level that allows every direction, so nothing can be left over.
        SetGrid(L(), { "  # #" }, 12);
        dialog.FillDisplaceChoices(modDisplace::ComputeDisplaceChoices(L()));
        SetGrid(L(), rows, firstRow);
        const modDisplace::DisplaceChoices choices = modDisplace::ComputeDisplaceChoices(L());
        dialog.FillDisplaceChoices(choices);
        for (int index = 1; index <= 9; ++index) {
            const QStringList& expected = choices.items[index];
            QCOMPARE(Items(dialog.cmbDisplace[index]), expected);
            QCOMPARE(dialog.cmbDisplace[index]->currentIndex(), expected.isEmpty() ? -1 : 0);
            QCOMPARE(dialog.cmbDisplace[index]->isEnabled(), !expected.isEmpty());
            QCOMPARE(dialog.cmdDisplace[index]->isEnabled(), !expected.isEmpty());
        }
    }

    // East by "2", then a rotation: each click displaces once, the dialog comes back where the user
    // left it, each step is undone on its own by its name, and the next command starts afresh.
    void clickDisplacesOnceAndTheDialogComesBackInPlace()
    {
        SetGrid(L(), { "      # $ . @", "       # # #" }, 6); // Small, east by 2
        const QStringList shifted = L().GridRows();
        SetGrid(L(), Small);
        const QStringList start = L().GridRows();
        QStringList shown;
        ModalScript script;
        script
            .Then<frmDisplace>([&](frmDisplace* dialog) {
                dialog->cmbDisplace[3]->setCurrentIndex(1);
                dialog->move(200, 150);
                Click(dialog, DisplaceCommand::East);
            })
            .Then<frmDisplace>([&](frmDisplace* dialog) {
                shown = L().GridRows();
                Click(dialog, DisplaceCommand::Rotate);
            })
            .Then<frmDisplace>(Close);
        window->mnuDisplace->trigger();
        QCOMPARE(shown, shifted);
        QVERIFY(L().GridRows() != shifted && CanvasShowsGrid());

        QCOMPARE(window->UndoStack()->count(), 2);
        QCOMPARE(window->mnuUndo->text(), QStringLiteral("&Undo Rotate"));
        window->mnuUndo->trigger();
        QCOMPARE(L().GridRows(), shifted);
        QCOMPARE(window->mnuUndo->text(), QStringLiteral("&Undo Shift"));
        window->mnuUndo->trigger();
        QCOMPARE(L().GridRows(), start);

        script.Then<frmDisplace>(Close);
        window->mnuDisplace->trigger();
        QVERIFY(script.Finished());
        const QPoint begin(DisplaceStartLeft / 15, DisplaceStartTop / 15), left(200, 150);
        QCOMPARE(script.positions, (QList<QPoint> { begin, left, left, begin }));
    }

    // Enter acts on what has the focus: a list performs its own displacement with the amount it
    // shows, as a click on its button does, and a button is pressed.
    void enterActsOnTheFocus_data()
    {
        QTest::addColumn<int>("index"); // a list's when it has one, else a button's
        QTest::addColumn<int>("key");
        QTest::newRow("Enter in the north list") << 1 << int(Qt::Key_Enter);
        QTest::newRow("Return in the angle list") << 9 << int(Qt::Key_Return);
        QTest::newRow("Return on a mirror button") << 10 << int(Qt::Key_Return);
        QTest::newRow("Enter on the centre button") << 0 << int(Qt::Key_Enter);
    }

    void enterActsOnTheFocus()
    {
        QFETCH(int, index);
        QFETCH(int, key);
        const auto displaced = [&](bool byKey) {
            SetGrid(L(), Small);
            ModalScript script;
            script.Then<frmDisplace>([&](frmDisplace* dialog) {
                QComboBox* list = dialog->cmbDisplace.value(index);
                QWidget* target = list ? static_cast<QWidget*>(list) : dialog->cmdDisplace[index];
                if (list)
                    list->setCurrentIndex(list->count() - 1);
                target->setFocus();
                byKey ? QTest::keyClick(target, Qt::Key(key)) : Click(dialog, index);
            });
            script.Then<frmDisplace>(Close);
            window->mnuDisplace->trigger();
            return script.Finished() ? L().GridRows() : QStringList();
        };
        const QStringList clicked = displaced(false);
        SetGrid(L(), Small);
        QVERIFY(!clicked.isEmpty() && clicked != L().GridRows());
        QCOMPARE(displaced(true), clicked);
    }

    // A command ends when the user closes the dialog, a rotation leaves nothing to displace, or
    // there is nothing to start with; one that showed the dialog draws the grid again once.
    void commandEnds_data()
    {
        QTest::addColumn<QStringList>("level");
        QTest::addColumn<int>("action"); // 0 Escape, 1 rotate by 60°; -1 not shown
        QTest::addColumn<QString>("messages"); // text|title of each critical OK box
        QStringList full;
        for (int line = 1; line <= GridRows; ++line)
            full << (line % 2 == 0 ? QStringLiteral("#") : QString(63, ' ') + '#');
        // Turned by 60° it is exactly 26 lines of 64.
        const QStringList turning = QStringList { QString(61, ' ') + '#' } + QStringList(20)
            + QStringList { "$", " .", "", "", QString(46, ' ') + '@' };
        const QString none = QStringLiteral("No displacements possible.|Displace Level");
        // clang-format off
        QTest::newRow("Escape") << Small << 0 << QString();
        QTest::newRow("rotation filling the grid") << turning << 1 << none;
        QTest::newRow("empty grid") << QStringList() << -1 << "There's nothing to displace.|Level rotation";
        QTest::newRow("level filling the grid") << full << -1 << none;
        // clang-format on
    }

    void commandEnds()
    {
        QFETCH(QStringList, level);
        QFETCH(int, action);
        QFETCH(QString, messages);
        // Put into the text only, bypassing the views: the canvas shows it once it is drawn again.
        for (int line = 1; line <= GridRows; ++line)
            L().LevelLines[1][line] = level.value(line - 1).leftJustified(64);
        const QStringList grid = L().GridRows();
        MessageRecorder recorder;
        ModalScript script;
        script.Then<frmDisplace>([action](frmDisplace* dialog) {
            dialog->cmbDisplace[9]->setCurrentText(QStringLiteral("60°"));
            action == 0 ? QTest::keyClick(dialog, Qt::Key_Escape) : Click(dialog, 9);
        });
        window->mnuDisplace->trigger();
        QCOMPARE(script.met.size(), action < 0 ? 0 : 1);
        QStringList shown;
        for (const RecordedMessage& m : recorder.calls)
            shown << m.text + '|' + m.title
                    + (m.icon == MsgIcon::Critical && m.buttons == MsgButtons::OK ? "" : "?");
        QCOMPARE(shown.join('/'), messages);
        if (action < 0)
            return;
        QCOMPARE(L().GridRows() != grid, action == 1);
        QVERIFY(CanvasShowsGrid());
    }
};

QUOBIX_TEST(TestDisplaceDialog)

// Levels in and out the way designers share them: the clipboard, a file dropped on the window, a
// picture of the level.
class TestSharing : public QObject {
    Q_OBJECT

    std::unique_ptr<frmQuobixEditorZN> window;
    std::unique_ptr<QTemporaryDir> dir;
    LevelDocument& L() const { return window->Level(); }

    void Key(int key) { QTest::keyClick(window.get(), Qt::Key(key), Qt::ControlModifier); }

    // A drop of a local file on the window; true when the window took it.
    bool Drop(const QString& path)
    {
        QMimeData data;
        data.setUrls({ QUrl::fromLocalFile(path) });
        QDragEnterEvent enter({ 10, 10 }, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(window.get(), &enter);
        QDropEvent drop({ 10, 10 }, Qt::CopyAction, &data, Qt::LeftButton, {});
        if (enter.isAccepted())
            QApplication::sendEvent(window.get(), &drop);
        return enter.isAccepted() && drop.isAccepted();
    }

private slots:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        window = MainWindow();
        QApplication::setActiveWindow(window.get());
        QGuiApplication::clipboard()->clear();
    }
    void cleanup() { window.reset(); }

    // Ctrl+C puts the level on the clipboard as Save writes it; Ctrl+V reads it back as one
    // undoable step that leaves the level without a file. Text that is no level is refused with
    // Load's message; an empty clipboard leaves Paste disabled.
    void copyAndPaste()
    {
        const LoadResult hall = modLoadOrSave::LoadLevel(QUOBIX_TEST_DATA "/", "hall.qbx", QbxFile);
        L() = hall.level;
        QVERIFY(window->mnuCopy->isEnabled() && !window->mnuPaste->isEnabled());
        Key(Qt::Key_C);
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        QCOMPARE(data->data("application/x-quobix-qbx"), ReadFile(QUOBIX_TEST_DATA "/hall.qbx"));
        QCOMPARE(data->text(),
            QString::fromUtf8(ReadFile(QUOBIX_TEST_DATA "/hall.qbx")).replace("\r\n", "\n"));
        window->mnuCopyXsb->trigger();
        QCOMPARE(QGuiApplication::clipboard()->mimeData()->data("application/x-quobix-xsb"),
            ReadFile(QUOBIX_TEST_DATA "/hall.xsb"));
        window->mnuNew->trigger();
        QVERIFY(!window->mnuCopy->isEnabled() && window->mnuPaste->isEnabled());
        // Text from elsewhere, in the packed notation.
        QGuiApplication::clipboard()->setText(
            QString::fromUtf8(ReadFile(QUOBIX_TEST_DATA "/hall.xsb")));
        Key(Qt::Key_V);
        QCOMPARE(L().GridRows(), hall.level.GridRows());
        QCOMPARE((QStringList { L().TopComment, L().Author, L().LevelFileName }),
            (QStringList { hall.level.TopComment, hall.level.Author, "" }));
        QCOMPARE(window->windowTitle(), "Quobix level editor");
        QCOMPARE(window->mnuUndo->text(), "&Undo Paste");
        window->mnuUndo->trigger();
        QVERIFY(!L().HasLevel());

        MessageRecorder recorder;
        QGuiApplication::clipboard()->setText("just words");
        Key(Qt::Key_V);
        QCOMPARE(recorder.calls.size(), 1);
        QCOMPARE(recorder.calls[0].text + '|' + recorder.calls[0].title,
            "No quobix level found within the file.|Level Load Error");
        QGuiApplication::clipboard()->setText(" \n ");
        QVERIFY(!window->mnuPaste->isEnabled());
    }

    // A level file dropped opens as Load would; another file is refused and changes nothing.
    void dropFiles()
    {
        const QString folder = dir->path() + '/';
        QVERIFY(QFile::copy(QUOBIX_TEST_DATA "/hall.xsb", folder + "hall.XSB"));
        WriteFile(folder + "notes.txt", " # # #\r\n# $ . #\r\n # @ #\r\n");
        QVERIFY(!Drop(folder + "notes.txt"));
        QVERIFY(!L().HasLevel());
        QVERIFY(Drop(folder + "hall.XSB"));
        QCOMPARE(window->windowTitle(), "Quobix level editor: Level " + folder + "hall.qbx");
        QCOMPARE(window->Recent().List().value(0), folder + "hall.XSB");
        QCOMPARE(window->UndoStack()->count(), 0);
    }

    // File, Export Picture... writes the used part of the grid, one cell around, as drawn.
    void exportPicture()
    {
        SetGrid(L(), { " # # #", "# $ . #", " # @ #" }, 5);
        const QString path = dir->path() + "/level";
        ModalScript script;
        script.Then<QFileDialog>([&](QFileDialog* dialog) {
            dialog->selectFile(path);
            QMetaObject::invokeMethod(dialog, "accept");
        });
        window->mnuExportPicture->trigger();
        QVERIFY(script.Finished());
        const QImage written(path + ".png");
        const QRect area = LevelPicture::Area(L());
        // Rows 5 to 7 and one row around; cells 1 to 4 of row 6 and one cell around, the grid's
        // picture ending on the left.
        QCOMPARE(area, QRect(QPoint(4, 60), QPoint(129, 167)));
        QCOMPARE(
            written.convertToFormat(QImage::Format_RGB32), window->Canvas()->Backing().copy(area));
        L().Clear();
        QCOMPARE(LevelPicture::Picture(L()).size(), QSize(790, 528));
    }
};

QUOBIX_TEST(TestSharing)
#include "tst_dialogs.moc"
