#include "common/TestRegistry.h"
#include "common/TestSupport.h"

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
        LevelDocument doc;
        SetGrid(doc, c.grid.split('|'), c.first);
        modText::FindUsedLines(doc);
        modText::ExtractLevel(doc, !c.padded);
        QStringList level;
        for (int k = 1; k <= doc.LevelHeight; ++k)
            level << doc.LevelLines[2][k];
        QCOMPARE(level.join('|'), c.level);
        QCOMPARE(QString("%1 %2 %3").arg(doc.LevelWidth).arg(doc.LeftMargin).arg(doc.MarginLine),
            c.sizes);
    }

    void checkBeforeSave_data()
    {
        QTest::addColumn<QString>("grid"); // empty: an empty grid
        QTest::addColumn<qint16>("answer"); // to a question, UserAnswer after, and yes to extract
        QTest::addColumn<QString>("message");
        const QString invalid = "This level is invalid.\rSave it anyway?";
        // clang-format off
        QTest::newRow("empty grid") << "" << vbNo << "You can't save an empty grid";
        QTest::newRow("valid") << " # # #|# $ . #| # @ #" << vbYes << "";
        QTest::newRow("two men, saved anyway") << " # # #|# $ . #| # @ @" << vbYes << invalid;
        QTest::newRow("more objects, not saved") << " # # #|# $ . #| # @ $" << vbNo << invalid;
        QTest::newRow("fewer objects, not saved") << " # # #|# $ . #| # @ ." << vbNo << invalid;
        QTest::newRow("no target, not saved") << " # # #|#     #| # @ #" << vbNo << invalid;
        // clang-format on
    }

    void checkBeforeSave()
    {
        QFETCH(QString, grid);
        QFETCH(qint16, answer);
        MessageRecorder recorder;
        recorder.answers = { answer };
        LevelDocument doc;
        SetGrid(doc, grid.isEmpty() ? QStringList() : grid.split('|'), 5);
        doc.LevelLines[2][1] = "untouched";
        QCOMPARE(modText::CheckLevelBeforeSave(doc), answer);
        QTEST(recorder.texts().join('/'), "message");
        QCOMPARE(QStringList({ doc.LevelLines[2][1], doc.LevelLines[2][2], doc.LevelLines[2][3] })
                     .join('|'),
            answer == vbYes ? grid : "untouched||");
    }
};

QUOBIX_TEST(TestModText)
#include "tst_modText.moc"
