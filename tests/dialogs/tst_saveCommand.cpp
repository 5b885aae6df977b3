#include "common/TestRegistry.h"
#include "common/TestSupport.h"
#include "dialogs/DialogTestSupport.h"

#include "dialogs/frmLoadOrSave.h"
#include "editor/frmQuobixEditorZN.h"
#include "editor/modQuobixEditorZN.h"
#include "level/LevelState.h"
#include "messages/LoadSaveState.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

using namespace quobix;

class TestSaveCommand : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    QString folder;
    std::unique_ptr<frmQuobixEditorZN> window;

    void DrawValidLevel()
    {
        SetGrid(
            { QStringLiteral(" # # #"), QStringLiteral("# $ . #"), QStringLiteral(" # @ #") }, 5);
        window->ShowLevelInGrid();
    }

private slots:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        modQuobixEditorZN::InitGlobals();
        window = std::make_unique<frmQuobixEditorZN>();
        folder = dir->path() + QLatin1Char('/');
        CurrentFolder = folder;
        DrawValidLevel();
    }

    void cleanup()
    {
        window.reset();
        QDir::setCurrent(QDir::tempPath());
        dir.reset();
    }

    void withoutAFileItActsAsSaveAs()
    {
        QString caption;
        WhenShown<frmLoadOrSave>([&caption](frmLoadOrSave* dialog) {
            caption = dialog->windowTitle();
            dialog->cmdCancelLoadSave_Click();
        });
        window->mnuSave->trigger();
        QCOMPARE(caption, QStringLiteral("Save Level"));
    }

    void asksOnlyWhenTheFileExists()
    {
        MessageRecorder recorder;
        LevelFolder = folder;
        LevelFileName = QStringLiteral("mine.qbx");
        window->mnuSave->trigger(); // no such file yet: written without a question
        QCOMPARE(recorder.texts(), QStringList());
        const QByteArray written = ReadFile(folder + QStringLiteral("mine.qbx"));
        QCOMPARE(written, QByteArray(" # # #\r\n# $ . #\r\n # @ #\r\n"));

        WriteFile(folder + QStringLiteral("mine.qbx"), "old");
        recorder.answers = { 7 };
        window->mnuSave->trigger();
        QCOMPARE(recorder.texts(),
            QStringList { "Level " + folder + "mine.qbx already exists\rOverwrite?" });
        QCOMPARE(ReadFile(folder + QStringLiteral("mine.qbx")), QByteArray("old"));

        recorder.answers = { 6 };
        window->mnuSave->trigger();
        QCOMPARE(ReadFile(folder + QStringLiteral("mine.qbx")), written);
        QCOMPARE(window->windowTitle(),
            QStringLiteral("Quobix level editor: Level ") + folder + QStringLiteral("mine.qbx"));
    }

    void somethingInTheWayIsAskedAboutAndReported()
    {
        // A folder of that name exists: it is asked about, and the failure is reported.
        MessageRecorder recorder;
        recorder.answers = { 6 };
        QDir(folder).mkdir(QStringLiteral("mine.qbx"));
        LevelFolder = folder;
        LevelFileName = QStringLiteral("mine.qbx");
        window->mnuSave->trigger();
        QCOMPARE(recorder.calls.size(), 2);
        QCOMPARE(recorder.calls[1].title, QStringLiteral("Saving Error"));
        QVERIFY(recorder.calls[1].text.endsWith(
            QStringLiteral(" was generated while saving ") + folder + QStringLiteral("mine.qbx")));
        QVERIFY(!LoadOrSaveOK);
    }

    void theExtensionNamesTheNotation()
    {
        MessageRecorder recorder;
        // Saved as XSB through the dialog; the dialog then goes back to QBX.
        WhenShown<frmLoadOrSave>([](frmLoadOrSave* dialog) {
            dialog->cmbLevelType->setCurrentIndex(1);
            dialog->cmbLevelType_Click();
            dialog->txtLevel->setText(QStringLiteral("mine"));
            dialog->cmdSaveLevel_Click();
        });
        window->mnuSaveAs->trigger();
        QCOMPARE(LevelFileName, QStringLiteral("mine.xsb"));
        QCOMPARE(LevelFileType, 1);
        const QByteArray xsb = ReadFile(folder + QStringLiteral("mine.xsb"));
        QCOMPARE(xsb, QByteArray(" ###\r\n#$.#\r\n#@#\r\n"));

        // Save writes the same notation into the same file, not QBX.
        QFile::remove(folder + QStringLiteral("mine.xsb"));
        window->mnuSave->trigger();
        QCOMPARE(ReadFile(folder + QStringLiteral("mine.xsb")), xsb);
        QCOMPARE(recorder.texts(), QStringList());
    }
};

QUOBIX_TEST(TestSaveCommand)
#include "tst_saveCommand.moc"
