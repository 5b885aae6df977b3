#include "common/TestRegistry.h"
#include "common/TestSupport.h"
#include "files/LevelFileSupport.h"

#include "files/modLoadOrSave.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTest>
#include <algorithm>
#include <cerrno>

using namespace quobix;

namespace {
// Grid rows of the levels kept under tests/data; hall's margin row is its 2nd, tower's its 3rd.
const QStringList HallRows { " # # # #", "# . $ @ #", " # # # #" };
const QStringList TowerRows { "  # # # #", " # $ . . #", "# $ @ # # # #", "", "  # # #" };

QStringList Indented(const QStringList& rows, int by)
{
    QStringList result;
    for (const QString& row : rows)
        result << (row.isEmpty() ? row : QString(by, ' ') + row);
    return result;
}

// Hall lies on grid rows 3..5 (row 3 odd: cells on even positions), tower on rows 6..10.
void SetHall()
{
    SetGrid(Indented(HallRows, 10), 3);
    TopComment = QStringLiteral("Hall of one box\r\nSecond line of the top");
    Author = QStringLiteral("Ann Example");
    BottomComment = QStringLiteral("Bottom one\r\n\r\nBottom two");
}

void SetTower()
{
    SetGrid(Indented(TowerRows, 4), 6);
    Author = QStringLiteral("Bo");
}

// Every grid row used, as a 26 x 64 level.
void SetFullGrid()
{
    QStringList rows;
    for (int r = 1; r <= GridRows; ++r)
        rows << (r % 2 ? " " + QString("# ").repeated(31) + "." : QString("$ ").repeated(32));
    SetGrid(rows, 1);
}

// A save file that runs out of space after a number of bytes.
class FullDiskFile : public QSaveFile {
public:
    FullDiskFile(const QString& path, qint64 room)
        : QSaveFile(path)
        , room(room)
    {
    }

protected:
    qint64 writeData(const char* data, qint64 size) override
    {
        if (size > room) {
            setErrorString(QStringLiteral("No space left on device"));
            errno = ENOSPC;
            return -1;
        }
        room -= size;
        return QSaveFile::writeData(data, size);
    }

private:
    qint64 room;
};

struct FactoryReset {
    ~FactoryReset() { modLoadOrSave::SetSaveFileFactory({}); }
};
}

class TestWriteLevelFile : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    // Extracts the grid and writes it into name with the given notation.
    void Save(const QString& name, int type)
    {
        ExtractedGrid();
        UseFile(dir, name);
        LevelFileType = static_cast<qint16>(type);
        modLoadOrSave::WriteLevelFile();
    }

    void Load(const QString& name, int type)
    {
        UseFile(dir, name);
        LevelFileType = static_cast<qint16>(type);
        modLoadOrSave::ReadLevelFile();
    }

    QStringList FilesInDir() const { return QDir(dir.path()).entryList(QDir::Files); }

private slots:
    void init()
    {
        ResetCoreState();
        QVERIFY(dir.isValid());
        QDir(dir.path()).removeRecursively();
        QVERIFY(QDir().mkpath(dir.path()));
    }

    void expectedFiles_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("file");
        QTest::newRow("hall qbx") << 0 << 1 << "hall.qbx";
        QTest::newRow("hall xsb") << 0 << 2 << "hall.xsb";
        QTest::newRow("tower qbx") << 1 << 1 << "tower.qbx";
        QTest::newRow("tower xsb") << 1 << 2 << "tower.xsb";
    }

    void expectedFiles()
    {
        QFETCH(int, level);
        QFETCH(int, type);
        QFETCH(QString, file);
        const QString expectedPath = QStringLiteral(QUOBIX_TEST_DATA "/") + file;
        level == 0 ? SetHall() : SetTower();
        const QStringList rows = ExtractedGrid();
        const QString top = TopComment, author = Author, bottom = BottomComment;

        MessageRecorder recorder;
        Save(file, type);
        QVERIFY(LoadOrSaveOK);
        QCOMPARE(FileBytes(dir.filePath(file)), FileBytes(expectedPath));

        // The committed file reads back as the level it was written from.
        ResetCoreState();
        CurrentFolder = QStringLiteral(QUOBIX_TEST_DATA "/");
        FileName = file;
        LevelFileType = static_cast<qint16>(type);
        modLoadOrSave::ReadLevelFile();
        QVERIFY(LoadOrSaveOK);
        QCOMPARE(ExtractedGrid(), rows);
        QCOMPARE(TopComment, top);
        QCOMPARE(Author, author);
        QCOMPARE(BottomComment, bottom);
        QVERIFY(recorder.calls.isEmpty());
    }

    void roundTrip_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("type");
        for (int type = 1; type <= 2; ++type) {
            const char* notation = type == 1 ? "qbx" : "xsb";
            QTest::addRow("%s, margin row even", notation) << 0 << type;
            QTest::addRow("%s, margin row odd, blank row", notation) << 1 << type;
            QTest::addRow("%s, whole grid", notation) << 2 << type;
        }
    }

    void roundTrip()
    {
        QFETCH(int, level);
        QFETCH(int, type);
        level == 0 ? SetHall() : level == 1 ? SetTower() : SetFullGrid();
        const QStringList grid = GridText();
        const QStringList rows = ExtractedGrid();
        // Blank lines at the edges of a comment, trailing blanks and blanks around the author
        // are what a file does not keep.
        TopComment = QStringLiteral("\r\n\r\nTop line  \r\n\r\nsecond\r\n");
        Author = QStringLiteral("  Ann Lee  ");
        BottomComment = QStringLiteral("\r\nfirst\r\n \r\n\r\nlast  \r\n\r\n");

        MessageRecorder recorder;
        Save("trip.lvl", type);
        QVERIFY(LoadOrSaveOK);
        ResetCoreState();
        Load("trip.lvl", type);
        QVERIFY(LoadOrSaveOK);
        QVERIFY(recorder.calls.isEmpty());
        QCOMPARE(TopComment, QStringLiteral("Top line\r\n\r\nsecond"));
        QCOMPARE(Author, QStringLiteral("Ann Lee"));
        QCOMPARE(BottomComment, QStringLiteral("first\r\n\r\n\r\nlast"));
        if (level == 2)
            QCOMPARE(GridText(), grid);
        QCOMPARE(ExtractedGrid(), rows);
        QVERIFY(qAbs((FirstUsedLine - 1) - (GridRows - LastUsedLine)) <= 1);
    }

    void layout_data()
    {
        QTest::addColumn<QStringList>("grid");
        QTest::addColumn<QString>("top");
        QTest::addColumn<QString>("author");
        QTest::addColumn<QString>("bottom");
        QTest::addColumn<QStringList>("lines");

        const QStringList level { "# #", " # #" };
        QTest::newRow("no author, no comments") << level << ""
                                                << ""
                                                << "" << QStringList { "# #", " # #" };
        QTest::newRow("blank texts are not written") << level << "   "
                                                     << "  "
                                                     << " " << QStringList { "# #", " # #" };
        QTest::newRow("top comment of several lines")
            << level << "one\r\ntwo\r\nthree"
            << ""
            << "" << QStringList { "one", "two", "three", "", "# #", " # #" };
        QTest::newRow("blank grid row inside")
            << QStringList { "# #", "", "# #" } << ""
            << "Ann"
            << "" << QStringList { "# #", "", "# #", "", "Author: Ann" };
        QTest::newRow("lone line feeds become CR LF")
            << level << "one\ntwo"
            << ""
            << "three\rfour"
            << QStringList { "one", "two", "", "# #", " # #", "", "three", "four" };
    }

    void layout()
    {
        QFETCH(QStringList, grid);
        QFETCH(QString, top);
        QFETCH(QString, author);
        QFETCH(QString, bottom);
        QFETCH(QStringList, lines);
        SetGrid(Indented(grid, 20), 10);
        TopComment = top;
        Author = author;
        BottomComment = bottom;
        MessageRecorder recorder;
        Save("layout.qbx", 1);
        QVERIFY(LoadOrSaveOK);
        QCOMPARE(FileBytes(dir.filePath("layout.qbx")), CrLfLines(lines));
    }

    void flipBack_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<qint16>("answer");
        QTest::addColumn<QString>("expected"); // the file under tests/data, or "" for rows
        QTest::newRow("qbx, yes") << 1 << vbYes << "";
        QTest::newRow("qbx, no") << 1 << vbNo << "";
        QTest::newRow("xsb, yes: mirrored") << 2 << vbYes << "tower-flipped.xsb";
        QTest::newRow("xsb, no") << 2 << vbNo << "tower.xsb";
    }

    void flipBack()
    {
        QFETCH(int, type);
        QFETCH(qint16, answer);
        QFETCH(QString, expected);
        SetTower();
        const QStringList grid = GridText();
        const QStringList rows = ExtractedGrid();
        LevelFlipped = true;
        MessageRecorder recorder;
        recorder.answers << answer;
        int questionsBeforeOpen = -1;
        FactoryReset reset;
        modLoadOrSave::SetSaveFileFactory([&](const QString& path) {
            questionsBeforeOpen = recorder.calls.size();
            return std::make_unique<QSaveFile>(path);
        });
        Save("flip.lvl", type);
        QVERIFY(LoadOrSaveOK);
        QCOMPARE(questionsBeforeOpen, 1);
        QCOMPARE(recorder.calls[0].title, QStringLiteral("Save Level"));
        QCOMPARE(LevelFlipped, answer == vbYes);
        QCOMPARE(GridText(), grid);

        // Declining stops the question; accepting asks again at the next save.
        recorder.answers << answer;
        Save("again.lvl", type);
        QCOMPARE(recorder.calls.size(), answer == vbYes ? 2 : 1);
        QCOMPARE(FileBytes(dir.filePath("again.lvl")), FileBytes(dir.filePath("flip.lvl")));

        if (!expected.isEmpty()) {
            QCOMPARE(FileBytes(dir.filePath("flip.lvl")),
                FileBytes(QStringLiteral(QUOBIX_TEST_DATA "/") + expected));
        }
        // Read back, the file holds the level upside down exactly when the answer was yes.
        QStringList mirrored = rows;
        if (answer == vbYes)
            std::reverse(mirrored.begin(), mirrored.end());
        ResetCoreState();
        Load("flip.lvl", type);
        QVERIFY(LoadOrSaveOK);
        QCOMPARE(ExtractedGrid(), mirrored);
    }

    void failuresKeepTheOldFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<qint64>("room"); // bytes the device takes before it fails; -1 none
        QTest::addColumn<QString>("error");
        const QString full = QStringLiteral("Error %1: No space left on device").arg(ENOSPC);
        QTest::newRow("disk full at once") << "old.qbx" << qint64(0) << full;
        QTest::newRow("disk full after the top comment") << "old.qbx" << qint64(41) << full;
        QTest::newRow("disk full before the last line") << "old.qbx" << qint64(120) << full;
        QTest::newRow("missing folder")
            << "nowhere/old.qbx" << qint64(-1)
            << QStringLiteral("Error %1: No such file or directory").arg(ENOENT);
        QTest::newRow("folder through a file")
            << "old.qbx/x.qbx" << qint64(-1)
            << QStringLiteral("Error %1: Not a directory").arg(ENOTDIR);
        QTest::newRow("target is a folder")
            << "folder" << qint64(-1)
            << QStringLiteral("Error %1: Filename refers to a directory")
                   .arg(int(QFileDevice::WriteError));
    }

    void failuresKeepTheOldFile()
    {
        QFETCH(QString, name);
        QFETCH(qint64, room);
        QFETCH(QString, error);
        const QByteArray old("old level\r\n\0\xFF", 13);
        QVERIFY(WriteFileBytes(dir.filePath("old.qbx"), old));
        QVERIFY(QDir(dir.path()).mkpath("folder"));
        FactoryReset reset;
        if (room >= 0) {
            modLoadOrSave::SetSaveFileFactory(
                [room](const QString& path) { return std::make_unique<FullDiskFile>(path, room); });
        }
        SetHall();
        MessageRecorder recorder;
        Save(name, 1);
        QVERIFY(!LoadOrSaveOK);
        QCOMPARE(recorder.texts(),
            QStringList { error + " was generated while saving " + dir.path() + "/" + name });
        QCOMPARE(recorder.calls[0].title, QStringLiteral("Saving Error"));
        QCOMPARE(FileBytes(dir.filePath("old.qbx")), old);
        QCOMPARE(FilesInDir(), QStringList { "old.qbx" }); // no half-written copy left behind
        QVERIFY(QFileInfo(dir.filePath("folder")).isDir());
    }

    void saveRepeatedAfterFailure()
    {
        // The dialog stays open after a failed save, and its Save button writes buffer 2 again.
        SetTower();
        MessageRecorder recorder;
        Save("nowhere/tower.xsb", 2);
        QVERIFY(!LoadOrSaveOK);
        UseFile(dir, "tower.xsb");
        modLoadOrSave::WriteLevelFile();
        QVERIFY(LoadOrSaveOK);
        QCOMPARE(FileBytes(dir.filePath("tower.xsb")),
            FileBytes(QStringLiteral(QUOBIX_TEST_DATA "/tower.xsb")));
    }

    void replacesTheOldFileWhole()
    {
        QVERIFY(WriteFileBytes(dir.filePath("old.qbx"), QByteArray(5000, 'x')));
        SetGrid({ "# #" }, 2);
        MessageRecorder recorder;
        Save("old.qbx", 1);
        QVERIFY(LoadOrSaveOK);
        QCOMPARE(FileBytes(dir.filePath("old.qbx")), QByteArray("# #\r\n"));
    }

    void writesUtf8WithoutMark()
    {
        SetGrid({ "# #" }, 2);
        Author = QStringLiteral("Ren\u00E9 \U0001F600");
        MessageRecorder recorder;
        Save("utf8.qbx", 1);
        QCOMPARE(FileBytes(dir.filePath("utf8.qbx")),
            QByteArray("# #\r\n\r\nAuthor: Ren\xC3\xA9 \xF0\x9F\x98\x80\r\n"));
    }
};

QUOBIX_TEST(TestWriteLevelFile)
#include "tst_WriteLevelFile.moc"
