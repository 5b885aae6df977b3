#include "common/TestRegistry.h"
#include "common/TestSupport.h"

#include "files/modLoadOrSave.h"
#include "level/LevelState.h"
#include "messages/LoadSaveState.h"

#include <QDir>
#include <QTest>

using namespace quobix;

// The sample levels that come with the editor: the good ones load valid, and each of the
// deliberately broken ones shows exactly its one message.
class TestSampleLevels : public QObject {
    Q_OBJECT

    static QString Folder() { return QStringLiteral(QUOBIX_TEST_DATA "/../../levels/"); }

    static bool GridIsValid()
    {
        int men = 0, objects = 0, targets = 0;
        for (int r = 1; r <= GridRows; ++r)
            for (int c = 1; c <= GridCells; ++c) {
                const QChar ch = CharAt(LevelLines[1][r], CellPosition(r, c));
                men += ch == QLatin1Char('@') || ch == QLatin1Char('+');
                objects += ch == QLatin1Char('$') || ch == QLatin1Char('*');
                targets
                    += ch == QLatin1Char('.') || ch == QLatin1Char('*') || ch == QLatin1Char('+');
            }
        return men == 1 && objects == targets && targets > 0;
    }

private slots:
    void init() { ResetCoreState(); }

    void everyLevelIsListed()
    {
        const QStringList files = QDir(Folder()).entryList({ "*.qbx", "*.xsb" }, QDir::Files);
        QCOMPARE(files.size(), 13);
    }

    void levels_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("message");
        for (const char* name : { "first-steps.qbx", "first-steps.xsb", "ring.qbx", "ring.xsb",
                 "honeycomb.qbx", "honeycomb.xsb", "full-grid.qbx" })
            QTest::newRow(name) << name << "";
        const QString invalid = QStringLiteral("The loaded level is invalid.");
        QTest::newRow("two men") << "invalid-two-men.qbx" << invalid;
        QTest::newRow("no target") << "invalid-no-target.qbx" << invalid;
        QTest::newRow("too tall")
            << "invalid-too-tall.qbx"
            << "The level doesn't fit within the grid (number of lines > 26).";
        QTest::newRow("misaligned")
            << "invalid-misaligned.qbx"
            << "The level doesn't fit within the grid (qbx format error(s)).";
        QTest::newRow("too wide")
            << "invalid-too-wide.xsb"
            << "The level doesn't fit within the grid (number of cells per line > 32).";
        QTest::newRow("comments only") << "invalid-comments-only.qbx"
                                       << "No quobix level found within the file.";
    }

    void levels()
    {
        QFETCH(QString, file);
        QFETCH(QString, message);
        MessageRecorder recorder;
        CurrentFolder = Folder();
        FileName = file;
        LevelFileType = modLoadOrSave::FileTypeOfName(file);
        modLoadOrSave::ReadLevelFile();
        QStringList shown = recorder.texts();
        if (LoadOrSaveOK && !GridIsValid())
            shown << QStringLiteral("The loaded level is invalid.");
        QCOMPARE(shown, message.isEmpty() ? QStringList() : QStringList { message });
        if (LoadOrSaveOK) {
            QVERIFY(!FlippedOnLoad);
            QCOMPARE(Author, QStringLiteral("Quobix level team"));
            QVERIFY(!TopComment.isEmpty());
        }
    }
};

QUOBIX_TEST(TestSampleLevels)
#include "tst_sampleLevels.moc"
