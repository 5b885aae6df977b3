#include "common/TestRegistry.h"
#include "common/TestSupport.h"

#include "level/LevelState.h"
#include "level/modText.h"

#include <QTest>

using namespace quobix;

class TestModText : public QObject {
    Q_OBJECT
    // Grid rows "a|b" from grid row first; buffer 2 afterwards; "width, left margin, margin row".
    // clang-format off
    struct ExtractCase { QString grid; int first; bool padded; QString level, sizes; };
    // clang-format on
private slots:
    void init() { InitCoreState(); }

    void extractLevel_data()
    {
        QTest::addColumn<ExtractCase>("c");
        const auto row = [](const char* tag, const ExtractCase& c) { QTest::newRow(tag) << c; };
        // clang-format off
        row("only line 26", { "#", 26, false, "#", "1 0 1" });
        row("blank line inside, padded", { "  # #||  # # #", 3, true, "# #  |     |# # #", "5 2 1" });
        row("margin at 1, even row", { " #   #|# #| $ . @ # #", 3, false, " #   #|# #| $ . @ # #", "10 0 2" });
        row("margin tie: the first row", { "      #|   #|    #|   # #", 10, false, "   #|#| #|# #", "4 3 2" });
        row("odd margin keeps the parity", { "   # #|    #", 3, true, "# #| # ", "3 3 1" });
        // clang-format on
    }

    void extractLevel()
    {
        QFETCH(ExtractCase, c);
        SetGrid(c.grid.split('|'), c.first);
        modText::FindUsedLines();
        modText::ExtractLevel(!c.padded);
        QStringList level;
        for (int k = 1; k <= LevelHeight; ++k)
            level << LevelLines[2][k];
        QCOMPARE(level.join('|'), c.level);
        QCOMPARE(QString("%1 %2 %3").arg(LevelWidth).arg(LeftMargin).arg(MarginLine), c.sizes);
    }

    void checkBeforeSave_data()
    {
        QTest::addColumn<QList<int>>("counts"); // men, objects, targets; no men: an empty grid
        QTest::addColumn<qint16>("answer"); // to a question, UserAnswer after, and yes to extract
        QTest::addColumn<QString>("message");
        const QString invalid = "This level is invalid.\rSave it anyway?";
        // clang-format off
        QTest::newRow("empty grid") << QList { 0, 0, 0 } << vbNo << "You can't save an empty grid";
        QTest::newRow("valid") << QList { 1, 1, 1 } << vbYes << "";
        QTest::newRow("two men, saved anyway") << QList { 2, 1, 1 } << vbYes << invalid;
        QTest::newRow("more objects, not saved") << QList { 1, 3, 2 } << vbNo << invalid;
        QTest::newRow("fewer objects, not saved") << QList { 1, 2, 3 } << vbNo << invalid;
        QTest::newRow("no target, not saved") << QList { 1, 0, 0 } << vbNo << invalid;
        // clang-format on
    }

    void checkBeforeSave()
    {
        QFETCH(QList<int>, counts);
        QFETCH(qint16, answer);
        MessageRecorder recorder;
        recorder.answers = { answer };
        SetGrid(counts[0] ? QStringList { " # # #", "# $ . #", " # @ #" } : QStringList(), 5);
        ManCount = static_cast<qint16>(counts[0]);
        ObjectCount = static_cast<qint16>(counts[1]);
        TargetCount = static_cast<qint16>(counts[2]);
        LevelLines[2][1] = "untouched";
        modText::CheckLevelBeforeSave();
        QTEST(recorder.texts().join('/'), "message");
        QCOMPARE(UserAnswer, answer);
        QCOMPARE(QStringList({ LevelLines[2][1], LevelLines[2][2], LevelLines[2][3] }).join('|'),
            answer == vbYes ? " # # #|# $ . #| # @ #" : "untouched||");
    }
};

QUOBIX_TEST(TestModText)
#include "tst_modText.moc"
