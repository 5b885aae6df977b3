#include "common/TestRegistry.h"
#include "common/TestSupport.h"

#include "files/LevelNotation.h"
#include "files/modLoadOrSave.h"
#include "level/modText.h"
#include "messages/modMessages.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>
#include <sys/stat.h>
#include <tuple>

using namespace quobix;

namespace {
const QString TooManyLines = "The level doesn't fit within the grid (number of lines > 26).";
const QString TooManyCells
    = "The level doesn't fit within the grid (number of cells per line > 32).";
const QString QbxFormat = "The level doesn't fit within the grid (qbx format error(s)).";
const QString NoLevel = "No quobix level found within the file.";
const QString Data = QUOBIX_TEST_DATA "/";
const QByteArray Level = "# # #| * . #|# $ + #";

// Lines written "a|b", each ending in CR LF as the editor writes them.
QByteArray Lines(QByteArray text) { return text.replace('|', "\r\n") + "\r\n"; }

// Rows "a|b" of a QBX level with targets on its first row, its odd rows at column 1 or 2.
QByteArray QbxRows(int count, int cells, bool oddRowsAtColumnOne = true)
{
    QByteArrayList rows;
    for (int k = 1; k <= count; ++k)
        rows << ((k % 2 == 1) == oddRowsAtColumnOne ? "" : " ")
                + QByteArray(k == 1 ? ". " : "# ").repeated(cells - 1) + (k == 1 ? "." : "#");
    return rows.join('|');
}

// The grid's level as the writer receives it, its rows in file order when upside down.
QString ExtractedGrid(LevelDocument& level, bool upsideDown = false)
{
    modText::FindUsedLines(level);
    modText::ExtractLevel(level, true);
    QStringList rows;
    for (int k = 1; k <= level.LevelHeight; ++k)
        rows.insert(upsideDown ? 0 : rows.size(), level.LevelLines[2][k]);
    return rows.join('|');
}

QStringList Texts(const LevelDocument& level)
{
    return { level.TopComment, level.Author, level.BottomComment };
}
QStringList LevelAndTexts(const LevelDocument& level) { return level.GridRows() + Texts(level); }

// Texts written "top/author/bottom" (those missing blank), their lines "a|b".
QStringList TextsOf(QString t) { return (t.replace('|', "\r\n") + "//").split('/').mid(0, 3); }

// Loads or saves path, in the notation that its name tells; the messages' texts "a/b".
LoadResult Load(const QString& path)
{
    const QFileInfo file(path);
    return modLoadOrSave::LoadLevel(
        file.path() + '/', file.fileName(), modLoadOrSave::FileTypeOfName(file.fileName()));
}
SaveResult Save(LevelDocument& level, const QString& path, bool flipBack = false)
{
    return modLoadOrSave::SaveLevel(level, path, modLoadOrSave::FileTypeOfName(path), flipBack);
}
QString Texts(const QList<Message>& messages)
{
    QStringList texts;
    for (const Message& message : messages)
        texts << message.text;
    return texts.join('/');
}

// clang-format off
struct ReadCase { QByteArray file; QString name, rows, messages; QStringList texts; bool flipped; };
struct WriteCase { QString level, file; QByteArray bytes; qint16 flip = 0; QString texts = {}, back = {}; };
struct FaultCase { bool saving; QString file; int number; QString more = {};
                   qint64 sizeLimit = -1; bool asNobody = false; };
// clang-format on

// A file that loads: grid rows "a|b" (upside down when flipped) and texts (see TextsOf).
void Loads(const char* tag, QByteArray file, QString rows, QString texts = {},
    const char* name = "level.qbx", bool flipped = false)
{
    QTest::newRow(tag) << ReadCase { file, name, rows, {}, TextsOf(texts), flipped };
}

// A file that is refused with messages "a/b".
void Refused(const char* tag, QByteArray file, QString messages, const char* name = "level.qbx")
{
    QTest::newRow(tag) << ReadCase { file, name, {}, messages, {}, false };
}

// A level (tests/data file or rows "a|b") saved as file, flip answering the flip-back
// question; empty expected, texts or back: bytes not compared, its own texts, texts as saved.
void Writes(const char* tag, const WriteCase& c) { QTest::newRow(tag) << c; }

// A load or a save of file failing with errno number (and more), under a size limit or as nobody.
void Fails(const char* tag, const FaultCase& c) { QTest::newRow(tag) << c; }
}

class TestLevelFiles : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    LevelDocument level;

private slots:
    void init()
    {
        chmod(QFile::encodeName(dir.filePath("locked")).constData(), 0755);
        QVERIFY(QDir(dir.path()).removeRecursively() && QDir().mkpath(dir.path()));
        level = LevelDocument();
        SetGrid(level, { " #", "# @" }, 5);
        level.SetTexts("old Ann", "old top", "old end");
    }

    void reads_data()
    {
        QTest::addColumn<ReadCase>("c");
        const int sixteenMiB = LevelNotation::MaxLevelFileBytes - Lines(Level).size();
        const QByteArray far(100000, ' '), junk("\0\x01\xFF#", 4), mark("\xEF\xBB\xBF");
        QByteArray upright; // every second row a cell to the left undoes the shear: 40 columns
        for (int k = 1; k <= 26; ++k)
            upright += QByteArray((26 - k) / 2, ' ') + QByteArray(20, k == 1 ? '.' : '#') + "\r\n";
        // clang-format off
        Loads("author keyword in any case", Lines("aUtHoR:  Ann  |" + Level), Level, "/Ann");
        Loads("blank before keyword is comment", Lines(" Author: Ann|" + Level), Level, " Author: Ann");
        Loads("bare keyword is comment", Lines("Author:   |" + Level + "|AUTHOR: Bob"), Level, "Author:/Bob");
        Loads("2nd author is comment", Lines(Level + "|Author: Ann|Author: Bob"), Level, "/Ann/Author: Bob");
        Loads("author line inside the level", Lines("# # #|Author: Ann| * . #|# $ + #"), Level, "/Ann");
        Loads("level in the bottom comment", Lines(Level + "|next:|" + Level), Level, "//next:|" + Level);
        Loads("X is no level character", Lines("X #|" + Level), Level, "X #");
        Refused("level-looking comment line", Lines(".....||" + Level), QbxFormat, "levelxsb");
        Loads("blank lines", Lines("||a|||b|||# # #||# $ @ #|||c||d||"), "# # #||# $ @ #", "a|||b//c||d");
        Refused("28 rows", Lines(QbxRows(28, 2)), TooManyLines + "/" + TooManyLines);
        Refused("20 rows, 8 blank lines, 1 row", Lines(QbxRows(20, 2) + "|||||||||# #"), TooManyLines);
        Refused("65540 blank lines", Lines("# #" + QByteArray(65541, '|') + "# #"), TooManyLines);
        Loads("xsb", Lines("Author: Ann| ####|#.$@#|####"), " # # # #|# . $ @ #| # # # #", "/Ann", "level.XSB");
        Refused("xsb read as qbx", Lines(" ####|#.$@#|####"), QbxFormat, "level.xsb.qbx");
        Refused("no level line", Lines("|words only||Author: Ann"), NoLevel);
        Refused("empty file", "", NoLevel, "level.xsb");
        Loads("line ends CR, CR LF, LF and LF CR", "top\r# #\rbot\r\r\n\n\rx\n\ry", "# #", "top//bot||||x||y");
        Loads("two marks, first skipped", mark + mark + Lines("x|# #"), "# #", QStringLiteral("\uFEFFx"));
        Loads("mark, then latin-1", mark + Lines("Author: Ren\xE9|# #"), "# #", "/Ren\u00E9");
        Loads("cut sequence at the end is latin-1", "# #\r\na\xE2\x82", "# #", "//a\u00E2\u0082");
        Loads("nul and binary junk are comment", junk + "\r\n# #", "# #", QString::fromLatin1(junk));
        Loads("32 cells far right, margin cut", far + QByteArray(" .").repeated(32), QbxRows(1, 32));
        Refused("33 cells", QByteArray("# ").repeated(33), TooManyCells);
        Loads("far right xsb", far + "#\r\n" + far + " #", "#|   #", "", "level.XsB");
        Loads("long comment line", QByteArray(1 << 20, 'a') + "\r\n# #", "# #", QString(1 << 20, 'a'));
        Refused("xsb shear of 88 columns", Lines(QByteArray(32, '#')).repeated(26), TooManyCells, "level.xsb");
        Loads("xsb shear that fits", upright, QbxRows(26, 20), "", "level.xsb");
        Loads("full, margin row odd: flipped", Lines(QbxRows(26, 32)), QbxRows(26, 32), "", "level.qbx", true);
        Loads("full, margin row even: as read", Lines(QbxRows(26, 32, false)), QbxRows(26, 32, false));
        Loads("16 MiB", Lines(Level) + QByteArray(sixteenMiB, '\0'), Level, "//" + QString(sixteenMiB, '\0'));
        // clang-format on
    }

    void reads()
    {
        QFETCH(ReadCase, c);
        WriteFile(dir.filePath(c.name), c.file);
        LoadResult read = Load(dir.filePath(c.name));
        QCOMPARE(Texts(read.messages), c.messages);
        QCOMPARE(read.ok, c.messages.isEmpty());
        if (!read.ok)
            return;
        LevelDocument& got = read.level;
        QCOMPARE(Texts(got), c.texts);
        QCOMPARE(got.FlippedOnLoad, c.flipped);
        QCOMPARE(got.LevelFlipped, c.flipped);
        QCOMPARE(got.LevelFileName.toLower(), c.name.toLower().replace(".xsb", ".qbx"));
        for (const QString& line : got.GridRows())
            QCOMPARE(line.size(), 64);
        QCOMPARE(ExtractedGrid(got, got.FlippedOnLoad), c.rows);
        // Centred: the gaps above and below differ by at most the one row that parity costs.
        QVERIFY(qAbs((got.FirstUsedLine - 1) - (GridRows - got.LastUsedLine)) <= 1);
    }

    void writes_data()
    {
        QTest::addColumn<WriteCase>("c");
        const QString untidy = "||Top line  ||second|/  Ann Lee  /|first| ||last  ||";
        const QString tidy = "Top line||second/Ann Lee/first|||last", full = QbxRows(26, 32, false);
        const auto data = [](const QString& name) { return ReadFile(Data + name); };
        const QByteArray two = "# #| # #", rene = "Ren\xC3\xA9 \xF0\x9F\x98\x80";
        const auto upended = Lines("  # # #||# $ @ # # # #| # $ . . #|  # # # #||Author: Bo");
        // clang-format off
        Writes("hall qbx to xsb", { "hall.qbx", "out.xsb", data("hall.xsb") });
        Writes("hall xsb to qbx", { "hall.xsb", "out.qbx", data("hall.qbx") });
        Writes("tower (margin row odd, blank row) xsb to qbx", { "tower.xsb", "out.qbx", data("tower.qbx") });
        Writes("tower flipped, qbx flipped back", { "tower.qbx", "out.qbx", upended, vbYes });
        Writes("tower flipped, qbx as it is", { "tower.qbx", "out.qbx", data("tower.qbx"), vbNo });
        Writes("tower flipped, xsb flipped back", { "tower.qbx", "out.xsb", data("tower-flipped.xsb"), vbYes });
        Writes("tower flipped, xsb as it is", { "tower.qbx", "out.xsb", data("tower.xsb"), vbNo });
        Writes("full grid qbx, untidy texts", { full, "out.qbx", {}, 0, untidy, tidy });
        Writes("full grid xsb, untidy texts", { full, "out.xsb", {}, 0, untidy, tidy });
        Writes("blank texts are not written", { two, "out.qbx", Lines(two), 0, "   /  / ", "//" });
        Writes("top comment of several lines", { two, "out.qbx", Lines("a|b|c||# #| # #"), 0, "a|b|c" });
        Writes("blank grid row inside", { "# #||# #", "out.qbx", Lines("# #||# #||Author: Ann"), 0, "/Ann" });
        Writes("lone LF and CR", { two, "out.qbx", Lines("a|b||# #| # #||c|d"), 0, "a\nb//c\rd", "a|b//c|d" });
        Writes("utf-8 without mark", { "# #", "out.qbx", Lines("# #||Author: " + rene), 0, "/" + rene });
        // clang-format on
    }

    void writes()
    {
        QFETCH(WriteCase, c);
        if (!c.level.contains('#')) {
            const LoadResult read = Load(Data + c.level);
            QVERIFY(read.ok);
            level = read.level;
        } else { // a full grid from row 1, a small level from row 10
            SetGrid(level, c.level.split('|'), c.level.count('|') == GridRows - 1 ? 1 : 10);
        }
        const QStringList texts = c.texts.isEmpty() ? Texts(level) : TextsOf(c.texts);
        level.SetTexts(texts[1], texts[0], texts[2]);
        const QStringList back = c.back.isEmpty() ? texts : TextsOf(c.back);
        const QStringList grid = level.GridRows();
        const QString rows = ExtractedGrid(level);
        const QString path = dir.filePath(c.file), again = dir.filePath("again-" + c.file);
        QVERIFY(WriteFile(path, QByteArray(5000, 'x'))); // a longer old file, which must go whole
        level.LevelFlipped = c.flip != 0;
        QVERIFY(Save(level, path, c.flip == vbYes).ok);
        QCOMPARE(level.LevelFlipped, c.flip == vbYes); // declined once, never asked again
        QCOMPARE(level.GridRows(), grid);
        // Saved again from buffer 2 as the Save button does.
        QVERIFY(Save(level, again, c.flip == vbYes).ok);
        QCOMPARE(ReadFile(again), ReadFile(path));
        if (!c.bytes.isEmpty())
            QCOMPARE(ReadFile(path), c.bytes);
        LoadResult read = Load(path);
        QVERIFY(read.ok);
        QCOMPARE(Texts(read.level), back);
        QCOMPARE(ExtractedGrid(read.level, c.flip == vbYes), rows);
    }

    // Pasted text is QBX when it reads as QBX, otherwise XSB; its messages are those of a load.
    void pastedText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("rows"); // as extracted; the notation, or the messages
        QTest::addColumn<QString>("notation");
        const auto row = [](const char* tag, const char* text, const char* rows, const char* how) {
            QTest::newRow(tag) << QString(text) << QString(rows) << QString(how);
        };
        // clang-format off
        row("qbx", " # # #\n# @ $ . #\n # # #", " # # #|# @ $ . #| # # #", "qbx");
        row("xsb", " ###\n#@$.#\n###", " # # #|# @ $ . #| # # #", "xsb");
        row("one row, cells apart", "# @ $ . #", "# @ $ . #", "qbx");
        row("one row, cells packed", "#@$.#", "# @ $ . #", "xsb");
        row("rows of one cell, offset", " #\n#\n #", " #|#| #", "qbx");
        row("rows of one cell, in line", "#\n#\n#", "#| #|  #", "xsb");
        row("rows apart but not offset", "# # #\n# # #", "#   #   #| #   #   #", "xsb");
        row("CR line ends", " # #\r# @ #\r # #", " # #|# @ #| # #", "qbx");
        row("CR LF ends, trailing blanks", "top  \r\n\r\n###   \r\n#@#  \r\n", "# # #| # @ #", "xsb");
        row("no level row", "just words\nAuthor: Ann", "No quobix level found within the file.", "");
        row("too wide either way", QByteArray("# ").repeated(33).constData(),
            "The level doesn't fit within the grid (number of cells per line > 32).", "");
        // clang-format on
    }

    void pastedText()
    {
        QFETCH(QString, text);
        QFETCH(QString, rows);
        QFETCH(QString, notation);
        qint16 used = 0;
        LoadResult read = modLoadOrSave::ReadLevelText(text, &used);
        QCOMPARE(read.ok ? ExtractedGrid(read.level) : Texts(read.messages), rows);
        if (read.ok)
            QCOMPARE(used == XsbFile ? "xsb" : "qbx", notation);
    }

    // Copied in either notation and pasted, a level comes back with its texts; its file stays.
    void copiedLevelsPasteBack()
    {
        for (const char* name : { "hall.qbx", "tower.xsb", "../../levels/honeycomb.qbx" }) {
            const LoadResult file = Load(Data + name);
            QVERIFY(file.ok);
            for (qint16 notation : { QbxFile, XsbFile }) {
                const QByteArray bytes = modLoadOrSave::LevelFileBytes(file.level, notation);
                QVERIFY(bytes.endsWith("\r\n") && !bytes.contains("\n\n"));
                qint16 used = 0;
                LoadResult pasted = modLoadOrSave::ReadLevelText(
                    QString::fromUtf8(bytes).replace("\r\n", "\n"), &used);
                QVERIFY(pasted.ok);
                QCOMPARE(used, notation);
                QCOMPARE(pasted.level.GridRows(), file.level.GridRows());
                QCOMPARE(Texts(pasted.level), Texts(file.level));
            }
        }
        QCOMPARE(modLoadOrSave::LevelFileBytes(LevelDocument(), QbxFile), QByteArray());
    }

    // Real faults, each in a child process: a full disk is a file size limit that makes write(2)
    // fail, an unwritable folder one that nobody cannot write; a blocking read times out.
    void faultsKeepEverything_data()
    {
        QTest::addColumn<FaultCase>("c");
        const char* const notRegular = " (not a regular file)";
        // clang-format off
        Fails("load missing file", { false, "missing.qbx", ENOENT });
        Fails("load from missing folder", { false, "nowhere/x.qbx", ENOENT });
        Fails("load from folder through a file", { false, "keep.qbx/x.qbx", ENOTDIR });
        Fails("load folder", { false, "folder", EISDIR });
        Fails("load fifo", { false, "pipe.qbx", EINVAL, notRegular });
        Fails("load device, through a link", { false, "zero.qbx", EINVAL, notRegular });
        Fails("load size that lies", { false, "status.qbx", EIO, " (the file changed while it was read)" });
        Fails("load over 16 MiB", { false, "huge.qbx", EFBIG, " (over 16 MiB)" });
        Fails("save on full disk, over a qbx file", { true, "keep.qbx", EFBIG, "", 20 });
        Fails("save on full disk, over an xsb file", { true, "keep.xsb", EFBIG, "", 20 });
        Fails("save on full disk, new qbx file", { true, "new.qbx", EFBIG, "", 20 });
        Fails("save on full disk, new xsb file", { true, "new.xsb", EFBIG, "", 20 });
        Fails("save on full disk at once", { true, "keep.qbx", EFBIG, "", 0 });
        Fails("save over a folder", { true, "folder", EISDIR });
        Fails("save over a fifo", { true, "pipe.qbx", EINVAL, notRegular });
        Fails("save in folder removed after the dialog", { true, "gone/keep.qbx", ENOENT });
        Fails("save in folder through a file", { true, "keep.qbx/x.qbx", ENOTDIR });
        Fails("save over writable file in a locked folder", { true, "locked/keep.qbx", EACCES, "", -1, true });
        Fails("save over another's file in a sticky folder", { true, "sticky/keep.qbx", EPERM, "", -1, true });
        // clang-format on
    }

    void faultsKeepEverything()
    {
        QFETCH(FaultCase, c);
        const QByteArray old = QByteArray("old level\r\n\0\xFF", 13).repeated(30); // a cut shows
        const QDir root(dir.path());
        QVERIFY(root.mkpath("locked") && root.mkpath("sticky") && root.mkpath("folder"));
        const char* const olds[] { "keep.qbx", "keep.xsb", "locked/keep.qbx", "sticky/keep.qbx" };
        for (const char* name : olds)
            WriteFile(root.filePath(name), old);
        WriteFile(root.filePath("huge.qbx"), {});
        QVERIFY(QFile::resize(root.filePath("huge.qbx"), LevelNotation::MaxLevelFileBytes + 1));
        QVERIFY(mkfifo(QFile::encodeName(root.filePath("pipe.qbx")).constData(), 0644) == 0);
        QFile::link("/dev/zero", root.filePath("zero.qbx"));
        QFile::link("/proc/self/status", root.filePath("status.qbx")); // size 0, yet content
        // Nobody may add to locked nor replace others' files in sticky; old files are writable.
        for (const auto& [path, mode] : { std::pair { ".", 0755 }, { "locked", 0555 },
                 { "locked/keep.qbx", 0666 }, { "sticky", 01777 }, { "sticky/keep.qbx", 0666 } })
            QVERIFY(chmod(QFile::encodeName(root.filePath(path)).constData(), mode) == 0);
        const auto all = QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot;
        const auto tree = [&] { // where a temporary file would lie: beside its target
            return root.entryList(all) + QDir(root.filePath("locked")).entryList(all)
                + QDir(root.filePath("sticky")).entryList(all);
        };
        const QStringList files = tree();
        ExtractedGrid(level);
        const QStringList before = LevelAndTexts(level);
        const QString path = dir.filePath(c.file),
                      error = QString::fromLocal8Bit(strerror(c.number));
        const auto child = [&] {
            const auto [ok, messages] = c.saving ? Save(level, path) : [&] {
                auto r = Load(path);
                return SaveResult { r.ok, r.messages };
            }();
            return QString::number(ok) + '|' + Texts(messages) + '|' + messages.value(0).title
                + (LevelAndTexts(level) == before ? "" : " <changed>");
        };
        QCOMPARE(RunInChild(child, { c.sizeLimit, c.asNobody, 10 }),
            QString("0|Error %1: %2%3 was generated while %4 %5|%6")
                .arg(QString::number(c.number), error, c.more, c.saving ? "saving" : "loading",
                    path, c.saving ? "Saving Error" : "Loading Error"));
        for (const char* name : olds)
            QCOMPARE(ReadFile(root.filePath(name)), old);
        QCOMPARE(tree(), files); // no temporary file left behind
        QVERIFY(QFileInfo(root.filePath("folder")).isDir());
        QVERIFY(!QFileInfo(root.filePath("pipe.qbx")).isFile());
    }
};

QUOBIX_TEST(TestLevelFiles)
#include "tst_LevelFiles.moc"
