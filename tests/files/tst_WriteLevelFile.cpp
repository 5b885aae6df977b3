#include "common/TestRegistry.h"
#include "common/TestSupport.h"
#include "files/LevelFileSupport.h"

#include "files/modLoadOrSave.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QTest>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>

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

    QStringList FilesInTree() const
    {
        QStringList names;
        QDirIterator it(dir.path(), QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot,
            QDirIterator::Subdirectories);
        while (it.hasNext())
            names << it.next();
        names.sort();
        return names;
    }

private slots:
    void init()
    {
        ResetCoreState();
        QVERIFY(dir.isValid());
        chmod(QFile::encodeName(dir.filePath("locked")).constData(), 0755);
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
        QStringList filesWhileAsked { "<not asked>" };
        recorder.onMessage = [&] { filesWhileAsked = FilesInDir(); };
        Save("flip.lvl", type);
        QVERIFY(LoadOrSaveOK);
        QCOMPARE(filesWhileAsked, QStringList()); // asked before anything was opened
        recorder.onMessage = {};
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

    // Real faults, each in a child process: a full disk is a file size limit that makes the
    // real write(2) fail, and an unwritable folder is one the user nobody cannot write.
    void failuresKeepTheOldFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("type");
        QTest::addColumn<qint64>("sizeLimit");
        QTest::addColumn<bool>("asNobody");
        QTest::addColumn<QString>("error");
        const auto error = [](int number) {
            return QStringLiteral("Error %1: %2")
                .arg(number)
                .arg(QString::fromLocal8Bit(strerror(number)));
        };
        // clang-format off
        QTest::newRow("full disk, over a qbx file") << "keep.qbx" << 1 << qint64(100) << false << error(EFBIG);
        QTest::newRow("full disk, over an xsb file") << "keep.xsb" << 2 << qint64(100) << false << error(EFBIG);
        QTest::newRow("full disk, new qbx file") << "new.qbx" << 1 << qint64(100) << false << error(EFBIG);
        QTest::newRow("full disk, new xsb file") << "new.xsb" << 2 << qint64(100) << false << error(EFBIG);
        QTest::newRow("full disk at once") << "keep.qbx" << 1 << qint64(0) << false << error(EFBIG);
        QTest::newRow("target is a folder") << "folder" << 1 << qint64(-1) << false << error(EISDIR);
        QTest::newRow("target is a fifo") << "pipe.qbx" << 1 << qint64(-1) << false << error(EINVAL) + " (not a regular file)";
        QTest::newRow("folder removed after the dialog") << "gone/keep.qbx" << 1 << qint64(-1) << false << error(ENOENT);
        QTest::newRow("folder through a file") << "keep.qbx/x.qbx" << 1 << qint64(-1) << false << error(ENOTDIR);
        QTest::newRow("writable file, folder takes no new file") << "locked/keep.qbx" << 1 << qint64(-1) << true << error(EACCES);
        // clang-format on
    }

    void failuresKeepTheOldFile()
    {
        QFETCH(QString, name);
        QFETCH(int, type);
        QFETCH(qint64, sizeLimit);
        QFETCH(bool, asNobody);
        QFETCH(QString, error);
        // A few hundred bytes of old level, so that a cut file would show.
        const QByteArray old = QByteArray("old level\r\n\0\xFF", 13).repeated(30);
        const QDir root(dir.path());
        for (const char* file : { "keep.qbx", "keep.xsb", "locked/keep.qbx" }) {
            QVERIFY(root.mkpath(QFileInfo(root.filePath(file)).path()));
            QVERIFY(WriteFileBytes(root.filePath(file), old));
        }
        QVERIFY(root.mkpath("folder"));
        QVERIFY(mkfifo(QFile::encodeName(root.filePath("pipe.qbx")).constData(), 0644) == 0);
        // The folder nobody may enter but not write; the old file inside is writable to all.
        for (const auto& [path, mode] : { std::pair { dir.path(), 0755 },
                 { root.filePath("locked"), 0555 }, { root.filePath("locked/keep.qbx"), 0666 } })
            QVERIFY(chmod(QFile::encodeName(path).constData(), mode) == 0);
        const QStringList before = FilesInTree();
        SetHall();
        ExtractedGrid();
        UseFile(dir, name);
        LevelFileType = static_cast<qint16>(type);
        root.mkpath("gone");
        QVERIFY(QDir(root.filePath("gone")).removeRecursively());

        const QString answer = RunInChild(
            [] {
                MessageRecorder recorder;
                modLoadOrSave::WriteLevelFile();
                return QStringLiteral("%1|%2|%3")
                    .arg(LoadOrSaveOK)
                    .arg(recorder.texts().join('/'))
                    .arg(recorder.calls.value(0).title);
            },
            { sizeLimit, asNobody });
        QCOMPARE(answer,
            QStringLiteral("0|%1 was generated while saving %2/%3|Saving Error")
                .arg(error, dir.path(), name));
        for (const char* file : { "keep.qbx", "keep.xsb", "locked/keep.qbx" })
            QCOMPARE(FileBytes(root.filePath(file)), old);
        QCOMPARE(FilesInTree(), before); // no temporary file left behind
        QVERIFY(QFileInfo(root.filePath("folder")).isDir());
        QCOMPARE(QFileInfo(root.filePath("pipe.qbx")).isFile(), false);
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
