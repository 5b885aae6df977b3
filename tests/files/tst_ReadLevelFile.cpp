#include "common/TestRegistry.h"
#include "common/TestSupport.h"
#include "files/LevelFileSupport.h"

#include "files/LevelNotation.h"
#include "files/modLoadOrSave.h"

#include <QDir>
#include <QTest>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>

using namespace quobix;

namespace {
const QString TooManyLines
    = QStringLiteral("The level doesn't fit within the grid (number of lines > 26).");
const QString TooManyCells
    = QStringLiteral("The level doesn't fit within the grid (number of cells per line > 32).");
const QString QbxFormat
    = QStringLiteral("The level doesn't fit within the grid (qbx format error(s)).");
const QString NoLevel = QStringLiteral("No quobix level found within the file.");

// A small QBX level: cells of rows 1 and 3 on odd columns, of row 2 on even ones.
const QStringList Level { "# # #", " # . #", "# $ @ #" };

QByteArray Lines(const QStringList& lines) { return CrLfLines(lines); }

// Alternating QBX rows, as many as asked.
QStringList QbxRows(int count)
{
    QStringList rows;
    for (int k = 1; k <= count; ++k)
        rows << (k % 2 ? "# #" : " # #");
    return rows;
}
}

class TestReadLevelFile : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QStringList oldGrid;

    // Reads bytes as a file of the given notation, starting from a known level and texts.
    void Load(const QByteArray& bytes, int type = 1)
    {
        QVERIFY(WriteFileBytes(dir.filePath("level.lvl"), bytes));
        UseFile(dir, "level.lvl");
        LevelFileType = static_cast<qint16>(type);
        modLoadOrSave::ReadLevelFile();
    }

    void VerifyUnchanged()
    {
        QVERIFY(!LoadOrSaveOK);
        QCOMPARE(GridText(), oldGrid);
        QCOMPARE(Author, QStringLiteral("old author"));
        QCOMPARE(TopComment, QStringLiteral("old top"));
        QCOMPARE(BottomComment, QStringLiteral("old bottom"));
    }

private slots:
    void init()
    {
        ResetCoreState();
        QVERIFY(dir.isValid());
        SetGrid({ " #", "# @" }, 5);
        oldGrid = GridText();
        Author = QStringLiteral("old author");
        TopComment = QStringLiteral("old top");
        BottomComment = QStringLiteral("old bottom");
    }

    void sortsLines_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("type");
        QTest::addColumn<QStringList>("rows"); // empty: the load fails
        QTest::addColumn<QString>("author");
        QTest::addColumn<QString>("top");
        QTest::addColumn<QString>("bottom");
        QTest::addColumn<QStringList>("messages");

        const QStringList none;
        QTest::newRow("level alone") << Lines(Level) << 1 << Level << ""
                                     << ""
                                     << "" << none;
        QTest::newRow("level indented by 4")
            << Lines({ "    # # #", "     # . #", "    # $ @ #" }) << 1 << Level << ""
            << ""
            << "" << none;
        QTest::newRow("author keyword in any case")
            << Lines(QStringList { "aUtHoR:  Ann  " } + Level) << 1 << Level << "Ann"
            << ""
            << "" << none;
        QTest::newRow("blank before keyword is comment")
            << Lines(QStringList { " Author: Ann" } + Level) << 1 << Level << ""
            << " Author: Ann"
            << "" << none;
        QTest::newRow("keyword without text is comment, a later one counts")
            << Lines(QStringList { "Author:   " } + Level + QStringList { "AUTHOR: Bob" }) << 1
            << Level << "Bob"
            << "Author:"
            << "" << none;
        QTest::newRow("second author line is comment")
            << Lines(Level + QStringList { "Author: Ann", "Author: Bob" }) << 1 << Level << "Ann"
            << ""
            << "Author: Bob" << none;
        QTest::newRow("author line inside the level")
            << Lines({ Level[0], "Author: Ann", Level[1], Level[2] }) << 1 << Level << "Ann"
            << ""
            << "" << none;
        QTest::newRow("level lines after the bottom comment began")
            << Lines(Level + QStringList { "next level:" } + Level) << 1 << Level << ""
            << ""
            << "next level:\r\n# # #\r\n # . #\r\n# $ @ #" << none;
        QTest::newRow("level-looking comment line")
            << Lines(QStringList { ".....", "" } + Level) << 1 << none << ""
            << ""
            << "" << QStringList { QbxFormat };
        QTest::newRow("blank lines") << Lines({ "", "", "top one", "", "", "top two", "", "",
            "# # #", "", "# $ @ #", "", "", "bottom one", "", "bottom two", "", "" })
                                     << 1 << QStringList { "# # #", "", "# $ @ #" } << ""
                                     << "top one\r\n\r\n\r\ntop two"
                                     << "bottom one\r\n\r\nbottom two" << none;
        QTest::newRow("26 rows") << Lines(QbxRows(26)) << 1 << QbxRows(26) << ""
                                 << ""
                                 << "" << none;
        QTest::newRow("27 rows") << Lines(QbxRows(27)) << 1 << none << ""
                                 << ""
                                 << "" << QStringList { TooManyLines };
        QTest::newRow("28 rows") << Lines(QbxRows(28)) << 1 << none << ""
                                 << ""
                                 << "" << QStringList { TooManyLines, TooManyLines };
        QTest::newRow("20 rows, 8 blank lines, 1 row")
            << Lines(QbxRows(20) + QStringList(8, QString()) + QStringList { "# #" }) << 1 << none
            << ""
            << ""
            << "" << QStringList { TooManyLines };
        QTest::newRow("more blank lines than 16 bits count")
            << Lines(QStringList { "# #" } + QStringList(65540, QString()) + QStringList { "# #" })
            << 1 << none << ""
            << ""
            << "" << QStringList { TooManyLines };
        QTest::newRow("xsb") << Lines({ "Author: Ann", " ####", "#.$@#", "####" }) << 2
                             << QStringList { " # # # #", "# . $ @ #", " # # # #" } << "Ann"
                             << ""
                             << "" << none;
        QTest::newRow("xsb read as qbx") << Lines({ " ####", "#.$@#", "####" }) << 1 << none << ""
                                         << ""
                                         << "" << QStringList { QbxFormat };
        QTest::newRow("no level line")
            << Lines({ "", "words only", "", "Author: Ann" }) << 1 << none << ""
            << ""
            << "" << QStringList { NoLevel };
        QTest::newRow("empty file") << QByteArray() << 2 << none << ""
                                    << ""
                                    << "" << QStringList { NoLevel };
        QTest::newRow("lf line ends")
            << QByteArray("top\n# # #\n # . #\n# $ @ #") << 1 << Level << ""
            << "top"
            << "" << none;
        QTest::newRow("cr line ends")
            << QByteArray("top\r# # #\r # . #\r# $ @ #\r") << 1 << Level << ""
            << "top"
            << "" << none;
        QTest::newRow("byte-order mark skipped")
            << "\xEF\xBB\xBF" + Lines(QStringList { "Author: Ann" } + Level) << 1 << Level << "Ann"
            << ""
            << "" << none;
        QTest::newRow("latin-1 author") << Lines(Level) + "Author: Ren\xE9\r\n"
                                        << 1 << Level << "Ren\u00E9"
                                        << ""
                                        << "" << none;
        QTest::newRow("utf-8 author") << Lines(Level) + "Author: Ren\xC3\xA9\r\n"
                                      << 1 << Level << "Ren\u00E9"
                                      << ""
                                      << "" << none;
        QTest::newRow("nul and binary junk are comment")
            << QByteArray("\0\x01\xFF#\r\n", 6) + Lines(Level) << 1 << Level << ""
            << QString::fromLatin1("\0\x01\xFF#", 4) << "" << none;
    }

    void sortsLines()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, type);
        QFETCH(QStringList, rows);
        QFETCH(QString, author);
        QFETCH(QString, top);
        QFETCH(QString, bottom);
        QFETCH(QStringList, messages);

        MessageRecorder recorder;
        Load(file, type);
        QCOMPARE(recorder.texts(), messages);
        if (rows.isEmpty()) {
            VerifyUnchanged();
            return;
        }
        QVERIFY(LoadOrSaveOK);
        QCOMPARE(Author, author);
        QCOMPARE(TopComment, top);
        QCOMPARE(BottomComment, bottom);
        QCOMPARE(ExtractedGrid(), rows);
        // Centred: the gaps above and below differ by at most the one row that parity costs.
        QVERIFY(qAbs((FirstUsedLine - 1) - (GridRows - LastUsedLine)) <= 1);
    }

    void wideRows_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("fits");
        QTest::addColumn<int>("margin"); // the margin cut from the file's rows; -1 not checked

        QByteArray farRight(100000, ' ');
        QTest::newRow("far right, one cell") << farRight + "#" << 1 << true << 100000;
        QTest::newRow("far right xsb") << farRight + "#\r\n" + farRight + " #" << 2 << true << -1;
        QTest::newRow("33 cells") << QByteArray("# ").repeated(33) << 1 << false << -1;
        QTest::newRow("32 cells") << QByteArray("# ").repeated(32) << 1 << true << -1;
        QTest::newRow("32 cells, margin cut")
            << farRight + QByteArray(" #").repeated(32) << 1 << true << -1;
        QTest::newRow("long comment line")
            << QByteArray(1 << 20, 'a') + "\r\n# #" << 1 << true << -1;

        // An XSB level of 26 rows of 32 cells shears 25 columns: 88 > 64.
        QByteArray sheared;
        QByteArray upright;
        for (int k = 1; k <= 26; ++k) {
            sheared += QByteArray(32, '#') + "\r\n";
            // Moving every second row one cell left undoes the shear: 40 columns wide.
            upright += QByteArray((26 - k) / 2, ' ') + QByteArray(20, '#') + "\r\n";
        }
        QTest::newRow("xsb shear too wide") << sheared << 2 << false << -1;
        QTest::newRow("xsb shear that fits") << upright << 2 << true << -1;
    }

    void wideRows()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, type);
        QFETCH(bool, fits);
        QFETCH(int, margin);
        MessageRecorder recorder;
        Load(file, type);
        QCOMPARE(LoadOrSaveOK, fits);
        QCOMPARE(recorder.texts(), fits ? QStringList() : QStringList { TooManyCells });
        if (!fits)
            VerifyUnchanged();
        if (margin >= 0)
            QCOMPARE(LeftMargin, margin);
        for (const QString& line : GridText())
            QCOMPARE(line.size(), 64);
    }

    void fullGridFlipsWhenItMust_data()
    {
        QTest::addColumn<bool>("firstRowAtColumnOne");
        QTest::newRow("margin row odd: flipped") << true;
        QTest::newRow("margin row even: as read") << false;
    }

    void fullGridFlipsWhenItMust()
    {
        // 26 rows of 64 characters fit the grid only with the margin row on an even grid row.
        QFETCH(bool, firstRowAtColumnOne);
        const QString cellsOdd = QString("# ").repeated(31) + "@";
        const QString cellsEven = " " + QString("# ").repeated(31) + "$";
        QStringList rows;
        for (int k = 1; k <= 26; ++k)
            rows << ((k % 2 == 1) == firstRowAtColumnOne ? cellsOdd : cellsEven);
        rows[0].replace('#', '.');
        MessageRecorder recorder;
        Load(Lines(rows));
        QVERIFY(LoadOrSaveOK);
        QCOMPARE(FlippedOnLoad, firstRowAtColumnOne);
        QStringList expected;
        for (const QString& row : rows)
            expected << row.leftJustified(64);
        if (firstRowAtColumnOne)
            std::reverse(expected.begin(), expected.end());
        QCOMPARE(GridText(), expected);
    }

    // Each read runs in a child process, so a read that would block shows as a time-out.
    void fileErrors_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("error");
        const auto error = [](int number, const char* more = "") {
            return QStringLiteral("Error %1: %2%3")
                .arg(number)
                .arg(QString::fromLocal8Bit(strerror(number)), QLatin1String(more));
        };
        const char* special = " (not a regular file)";
        // clang-format off
        QTest::newRow("missing file") << "missing.qbx" << error(ENOENT);
        QTest::newRow("missing folder") << "nowhere/x.qbx" << error(ENOENT);
        QTest::newRow("folder through a file") << "file/x.qbx" << error(ENOTDIR);
        QTest::newRow("folder") << "folder" << error(EISDIR);
        QTest::newRow("fifo") << "pipe.qbx" << error(EINVAL, special);
        QTest::newRow("device, through a link") << "zero.qbx" << error(EINVAL, special);
        QTest::newRow("size that is not the content") << "status.qbx" << error(EIO, " (the file changed while it was read)");
        QTest::newRow("over 16 MiB") << "huge.qbx" << error(EFBIG, " (over 16 MiB)");
        // clang-format on
    }

    void fileErrors()
    {
        QFETCH(QString, name);
        QFETCH(QString, error);
        QVERIFY(WriteFileBytes(dir.filePath("file"), "# #"));
        QVERIFY(QDir(dir.path()).mkpath("folder"));
        QFile huge(dir.filePath("huge.qbx"));
        QVERIFY(huge.open(QIODevice::WriteOnly));
        QVERIFY(huge.resize(LevelNotation::MaxLevelFileBytes + 1));
        huge.close();
        QFile::remove(dir.filePath("pipe.qbx"));
        QVERIFY(mkfifo(QFile::encodeName(dir.filePath("pipe.qbx")).constData(), 0644) == 0);
        QFile::link("/dev/zero", dir.filePath("zero.qbx"));
        // A file of size 0 that still has content, as a file being rewritten may look.
        QFile::link("/proc/self/status", dir.filePath("status.qbx"));

        ChildLimits limits;
        limits.timeoutSeconds = 10;
        const QString answer = RunInChild(
            [&] {
                MessageRecorder recorder;
                UseFile(dir, name);
                modLoadOrSave::ReadLevelFile();
                const bool unchanged = !LoadOrSaveOK && GridText() == oldGrid
                    && Author == QLatin1String("old author")
                    && TopComment == QLatin1String("old top")
                    && BottomComment == QLatin1String("old bottom");
                return recorder.texts().join('/') + '|' + recorder.calls.value(0).title
                    + (unchanged ? "" : " <level changed>");
            },
            limits);
        QCOMPARE(answer,
            error + " was generated while loading " + dir.path() + "/" + name + "|Loading Error");
    }

    void sixteenMiBIsRead()
    {
        QFile file(dir.filePath("big.qbx"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.write(Lines(Level)) > 0);
        QVERIFY(file.resize(LevelNotation::MaxLevelFileBytes));
        file.close();
        MessageRecorder recorder;
        UseFile(dir, "big.qbx");
        modLoadOrSave::ReadLevelFile();
        QVERIFY(LoadOrSaveOK);
        QCOMPARE(ExtractedGrid(), Level);
        QCOMPARE(static_cast<qint64>(BottomComment.size()),
            LevelNotation::MaxLevelFileBytes - Lines(Level).size());
    }
};

QUOBIX_TEST(TestReadLevelFile)
#include "tst_ReadLevelFile.moc"
