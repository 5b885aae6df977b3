#include "common/TestRegistry.h"
#include "common/TestSupport.h"

#include "files/LevelNotation.h"
#include "files/modLoadOrSave.h"

#include <QTest>

using namespace quobix;
using namespace quobix::LevelNotation;

class TestLevelNotation : public QObject {
    Q_OBJECT
private slots:
    void init() { ResetCoreState(); }

    void decoding_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");

        QTest::newRow("ascii") << QByteArray("# #") << QStringLiteral("# #");
        QTest::newRow("utf-8") << QByteArray("Ren\xC3\xA9 \xF0\x9F\x98\x80")
                               << QStringLiteral("Ren\u00E9 \U0001F600");
        QTest::newRow("one mark skipped")
            << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBFx") << QStringLiteral("\uFEFFx");
        QTest::newRow("latin-1") << QByteArray("Ren\xE9") << QStringLiteral("Ren\u00E9");
        QTest::newRow("mark then latin-1")
            << QByteArray("\xEF\xBB\xBF\xE9") << QStringLiteral("\u00E9");
        QTest::newRow("overlong is latin-1")
            << QByteArray("\xC0\x80") << QStringLiteral("\u00C0\u0080");
        QTest::newRow("surrogate is latin-1")
            << QByteArray("\xED\xA0\x80") << QStringLiteral("\u00ED\u00A0\u0080");
        QTest::newRow("cut sequence at the end is latin-1")
            << QByteArray("a\xE2\x82") << QStringLiteral("a\u00E2\u0082");
        QTest::newRow("nul kept") << QByteArray("a\0b", 3) << QString::fromLatin1("a\0b", 3);
    }

    void decoding()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(DecodeLevelText(bytes), text);
    }

    void lineSplitting_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");

        QTest::newRow("empty") << QString() << QStringList();
        QTest::newRow("crlf") << QStringLiteral("a\r\nb\r\n") << QStringList { "a", "b" };
        QTest::newRow("lf") << QStringLiteral("a\nb") << QStringList { "a", "b" };
        QTest::newRow("cr") << QStringLiteral("a\rb\r") << QStringList { "a", "b" };
        QTest::newRow("mixed with empty lines")
            << QStringLiteral("a\r\r\n\n\rb") << QStringList { "a", "", "", "", "b" };
        QTest::newRow("lf cr is two ends")
            << QStringLiteral("a\n\rb") << QStringList { "a", "", "b" };
    }

    void lineSplitting()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        QStringList got;
        qsizetype position = 0;
        QStringView line;
        while (NextLine(text, position, line))
            got << line.toString();
        QCOMPARE(got, lines);
    }

    void fileTypeOfName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("type");
        QTest::newRow("xsb") << "maze.xsb" << 2;
        QTest::newRow("upper case") << "MAZE.XSB" << 2;
        QTest::newRow("mixed case") << "maze.XsB" << 2;
        QTest::newRow("qbx") << "maze.qbx" << 1;
        QTest::newRow("no dot") << "mazexsb" << 1;
        QTest::newRow("xsb inside") << "maze.xsb.qbx" << 1;
        QTest::newRow("no extension") << "maze" << 1;
    }

    void fileTypeOfName()
    {
        QFETCH(QString, name);
        QFETCH(int, type);
        QCOMPARE(modLoadOrSave::FileTypeOfName(name), type);
    }
};

QUOBIX_TEST(TestLevelNotation)
#include "tst_LevelNotation.moc"
