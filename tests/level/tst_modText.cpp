#include "common/TestRegistry.h"
#include "common/TestSupport.h"

#include "level/LevelState.h"
#include "level/modText.h"

#include <QTest>

using namespace quobix;

class TestModText : public QObject {
    Q_OBJECT

    static QStringList Buffer2()
    {
        QStringList lines;
        for (int i = 1; i <= LevelHeight; ++i)
            lines << LevelLines[2][i];
        return lines;
    }

private slots:
    void init() { ResetCoreState(); }

    void symbolLookups()
    {
        // The alphabet lookup tells "X" (-1) from foreign characters (-2); the table lookup
        // gives 7 for both.
        const QString chars = QStringLiteral(" #$@.*+");
        for (int code = 0; code < 7; ++code) {
            QCOMPARE(SymbolCodeOf(chars[code]), code);
            QCOMPARE(SymbolIndexOf(chars[code]), code);
        }
        QCOMPARE(SymbolCodeOf(QLatin1Char('X')), -1);
        QCOMPARE(SymbolCodeOf(QLatin1Char('a')), -2);
        QCOMPARE(SymbolIndexOf(QLatin1Char('X')), 7);
        QCOMPARE(SymbolIndexOf(QLatin1Char('a')), 7);
    }

    void clearLinesAndFindUsedLines()
    {
        modText::ClearLines(1, 1, 26);
        QCOMPARE(LevelLines[1][26], QString(64, QLatin1Char(' ')));
        LastUsedLine = 9;
        modText::FindUsedLines();
        QCOMPARE(FirstUsedLine, 0);
        QCOMPARE(LastUsedLine, 9); // an empty grid leaves the old value
        QCOMPARE(UserAnswer, 6);

        modText::ClearLines(1, 5, 4); // an empty range changes nothing
        QCOMPARE(LevelLines[1][5], QString(64, QLatin1Char(' ')));
    }

    void extractOnlyLine26()
    {
        SetGrid({ QStringLiteral("#") }, 26);
        modText::FindUsedLines();
        QCOMPARE(FirstUsedLine, 26);
        QCOMPARE(LastUsedLine, 26);
        modText::ExtractLevel(true);
        QCOMPARE(LevelHeight, 1);
        QCOMPARE(Buffer2(), QStringList { QStringLiteral("#") });
        QCOMPARE(MarginLine, 1);
    }

    void extractKeepsBlankLineInside()
    {
        SetGrid({ QStringLiteral("  # #"), QString(), QStringLiteral("  # # #") }, 3);
        modText::FindUsedLines();
        modText::ExtractLevel(true);
        QCOMPARE(Buffer2(), (QStringList { "# #", "", "# # #" }));
        QCOMPARE(LevelWidth, 5);
        QCOMPARE(LeftMargin, 2);

        modText::ExtractLevel(false);
        QCOMPARE(Buffer2(), (QStringList { "# #  ", "     ", "# # #" }));
    }

    void extractWithMarginAtPositionOne()
    {
        // Row 4 is even: its cells stand on the odd positions, the first at position 1.
        SetGrid(
            { QStringLiteral(" #   #"), QStringLiteral("# #"), QStringLiteral(" $ . @ # #") }, 3);
        modText::FindUsedLines();
        modText::ExtractLevel(true);
        QCOMPARE(LeftMargin, 0);
        QCOMPARE(LevelWidth, 10);
        QCOMPARE(MarginLine, 2);
        QCOMPARE(Buffer2(), (QStringList { " #   #", "# #", " $ . @ # #" }));
    }

    void tieOnSmallestMarginTakesFirstLine()
    {
        SetGrid({ QStringLiteral("      #"), QStringLiteral("   #"), QStringLiteral("    #"),
                    QStringLiteral("   # #") },
            10);
        modText::FindUsedLines();
        modText::ExtractLevel(true);
        QCOMPARE(LeftMargin, 3);
        QCOMPARE(MarginLine, 2);
    }

    void oddCutMarginKeepsParity()
    {
        // Row 3 (odd) has cells at positions 4 and 6, row 4 (even) at 5: the cut margin is 3.
        SetGrid({ QStringLiteral("   # #"), QStringLiteral("    #") }, 3);
        modText::FindUsedLines();
        modText::ExtractLevel(false);
        QCOMPARE(LeftMargin, 3);
        QCOMPARE(MarginLine, 1);
        QCOMPARE(Buffer2(), (QStringList { "# #", " # " }));
    }

    void copyBuffer()
    {
        LevelLines[2][1] = QStringLiteral("a");
        LevelLines[3][1] = QStringLiteral("b");
        LevelHeight = 0;
        modText::CopyBuffer(2, 3);
        QCOMPARE(LevelLines[3][1], QStringLiteral("b"));
        LevelHeight = 1;
        modText::CopyBuffer(2, 3);
        QCOMPARE(LevelLines[3][1], QStringLiteral("a"));
    }

    void checkBeforeSave_data()
    {
        QTest::addColumn<QStringList>("grid");
        QTest::addColumn<int>("men");
        QTest::addColumn<int>("objects");
        QTest::addColumn<int>("targets");
        QTest::addColumn<QList<qint16>>("answers");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("userAnswer");
        QTest::addColumn<bool>("extracted");

        const QStringList level { QStringLiteral(" # # #"), QStringLiteral("# $ . #"),
            QStringLiteral(" # @ #") };
        const QString invalid = QStringLiteral("This level is invalid.\rSave it anyway?");
        QTest::newRow("empty grid") << QStringList() << 0 << 0 << 0 << QList<qint16>()
                                    << "You can't save an empty grid" << 7 << false;
        QTest::newRow("valid") << level << 1 << 1 << 1 << QList<qint16>() << "" << 6 << true;
        QTest::newRow("two men, yes")
            << level << 2 << 1 << 1 << QList<qint16> { 6 } << invalid << 6 << true;
        QTest::newRow("more objects, no")
            << level << 1 << 3 << 2 << QList<qint16> { 7 } << invalid << 7 << false;
        QTest::newRow("no target, no")
            << level << 1 << 0 << 0 << QList<qint16> { 7 } << invalid << 7 << false;
    }

    void checkBeforeSave()
    {
        QFETCH(QStringList, grid);
        QFETCH(int, men);
        QFETCH(int, objects);
        QFETCH(int, targets);
        QFETCH(QList<qint16>, answers);
        QFETCH(QString, message);
        QFETCH(int, userAnswer);
        QFETCH(bool, extracted);

        MessageRecorder recorder;
        recorder.answers = answers;
        SetGrid(grid, 5);
        ManCount = static_cast<qint16>(men);
        ObjectCount = static_cast<qint16>(objects);
        TargetCount = static_cast<qint16>(targets);
        LevelLines[2][1] = QStringLiteral("untouched");
        LevelHeight = 0;

        modText::CheckLevelBeforeSave();

        QCOMPARE(recorder.texts(), message.isEmpty() ? QStringList() : QStringList { message });
        QCOMPARE(UserAnswer, userAnswer);
        QCOMPARE(LevelLines[2][1] == QStringLiteral("untouched"), !extracted);
        if (extracted) {
            QCOMPARE(Buffer2(), (QStringList { " # # #", "# $ . #", " # @ #" }));
            if (!message.isEmpty()) {
                QCOMPARE(recorder.calls[0].title, QStringLiteral("Saving Warning..."));
                QCOMPARE(recorder.calls[0].buttons, MsgButtons::YesNo);
            }
        }
    }
};

QUOBIX_TEST(TestModText)
#include "tst_modText.moc"
