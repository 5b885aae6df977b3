#include "common/TestRegistry.h"
#include "common/TestSupport.h"
#include "game/GameTestSupport.h"

#include "game/SolveCommand.h"

#include <QTemporaryDir>
#include <QTest>

using namespace quobix;
using namespace quobix::game;

// quobix-editor --solve: one line per file on the output, messages apart, and the exit status.
class TestSolveCommand : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    void Write(const QString& name, const QByteArray& text) { WriteFile(dir.filePath(name), text); }

private slots:
    void init() { ResetCoreState(); }

    void lines_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        const auto row = [](const char* name, const char* files, const char* lines, int status,
                             const char* message = "") {
            QTest::newRow(name) << Rows(files) << Rows(lines) << status << QString(message);
        };
        const QByteArray solved = "solved.qbx: solved, pushes 1, moves 2, solution dD";
        row("solved", "solved.qbx", solved, 0);
        row("unsolvable", "corner.qbx", "corner.qbx: unsolvable", 1);
        row("no level", "words.qbx", "words.qbx: not read", 1,
            "No quobix level found within the file.");
        row("two men", "men.xsb", "men.xsb: invalid level", 1, "The loaded level is invalid.");
        row("one of two unsolved", "solved.qbx|corner.qbx", solved + "|corner.qbx: unsolvable", 1);
    }

    void lines()
    {
        QFETCH(QStringList, files);
        QFETCH(QStringList, lines);
        QFETCH(int, status);
        QFETCH(QString, message);
        QVERIFY(dir.isValid());
        // QBX rows: the first holds its cells on the odd columns, the second on the even ones.
        Write("solved.qbx", " # # # # #\r\n# @   $ . #\r\n # # # # #\r\n");
        Write("corner.qbx", " # # # # #\r\n# $ @   . #\r\n # # # # #\r\n");
        Write("words.qbx", "Only words here.\r\n");
        Write("men.xsb", "######\r\n#@@$.#\r\n######\r\n");
        QStringList paths;
        for (const QString& file : files)
            paths << dir.filePath(file);

        MessageRecorder recorder;
        QString output;
        QTextStream out(&output);
        QCOMPARE(RunSolveCommand(paths, SolverLimits {}, out), status);
        QCOMPARE(output.replace(dir.path() + QLatin1Char('/'), QString()),
            lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
        QCOMPARE(recorder.texts(), message.isEmpty() ? QStringList {} : QStringList { message });
    }

    void gaveUpNamesTheLimit()
    {
        QVERIFY(dir.isValid());
        const QString path = dir.filePath("large.qbx");
        WriteFile(path, QbxText(LargeTrap()));
        QString output;
        QTextStream out(&output);
        QCOMPARE(RunSolveCommand({ path }, SolverLimits { 0.01, std::size_t(1) << 30 }, out), 1);
        QCOMPARE(output, path + QStringLiteral(": gave up, time limit 0.01 s\n"));
    }

    void messagesGoToTheStream()
    {
        QString errors;
        QTextStream err(&errors);
        const auto handler = StreamMessageHandler(err);
        QCOMPARE(handler(QStringLiteral("One\rTwo"), QStringLiteral("Title"), MsgButtons::YesNo,
                     MsgIcon::Question),
            vbNo);
        QCOMPARE(errors, QStringLiteral("Title: One\nTwo\n"));
    }
};

QUOBIX_TEST(TestSolveCommand)
#include "tst_SolveCommand.moc"
