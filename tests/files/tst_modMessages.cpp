#include "common/TestRegistry.h"
#include "common/TestSupport.h"

#include "level/LevelState.h"
#include "messages/LoadSaveState.h"
#include "messages/modMessages.h"
#include "platform/RunTimeError.h"

#include <QTest>

using namespace quobix;

Q_DECLARE_METATYPE(quobix::MsgButtons)
Q_DECLARE_METATYPE(quobix::MsgIcon)

class TestModMessages : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        ResetCoreState();
        CurrentFolder = QStringLiteral("/levels/");
        FileName = QStringLiteral("maze.qbx");
        RecordSystemError(2);
    }

    void routines_data()
    {
        QTest::addColumn<int>("routine");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::addColumn<MsgButtons>("buttons");
        QTest::addColumn<MsgIcon>("icon");

        const auto ok = MsgButtons::OK;
        const auto yesNo = MsgButtons::YesNo;
        const auto critical = MsgIcon::Critical;
        const auto warning = MsgIcon::Exclamation;
        const QString loadError = QStringLiteral("Level Load Error");
        int i = 0;
        QTest::newRow("AskOverwriteLevel")
            << i++ << "Level /levels/maze.qbx already exists\rOverwrite?"
            << "Saving Warning..." << yesNo << warning;
        QTest::newRow("ShowSavingError")
            << i++
            << "Error 2: No such file or directory was generated while saving /levels/maze.qbx"
            << "Saving Error" << ok << critical;
        QTest::newRow("ShowLoadingError")
            << i++
            << "Error 2: No such file or directory was generated while loading /levels/maze.qbx"
            << "Loading Error" << ok << critical;
        QTest::newRow("ShowEmptyGridError") << i++ << "You can't save an empty grid"
                                            << "Saving Error" << ok << critical;
        QTest::newRow("ShowInvalidLoadFileName")
            << i++ << "Invalid filename: maze.qbx" << loadError << ok << critical;
        QTest::newRow("ShowNoLevelFound")
            << i++ << "No quobix level found within the file." << loadError << ok << critical;
        QTest::newRow("ShowTooManyCellsPerLine")
            << i++ << "The level doesn't fit within the grid (number of cells per line > 32)."
            << loadError << ok << critical;
        QTest::newRow("ShowQbxFormatError")
            << i++ << "The level doesn't fit within the grid (qbx format error(s))." << loadError
            << ok << critical;
        QTest::newRow("ShowInvalidSaveFileName") << i++ << "Invalid filename: maze.qbx"
                                                 << "Level Save Error" << ok << critical;
        QTest::newRow("ShowTooManyLines")
            << i++ << "The level doesn't fit within the grid (number of lines > 26)." << loadError
            << ok << critical;
        QTest::newRow("ShowNoDisplacementPossible") << i++ << "No displacements possible."
                                                    << "Displace Level" << ok << critical;
        QTest::newRow("ShowLoadedLevelInvalid") << i++ << "The loaded level is invalid."
                                                << "Load Level Warning" << ok << warning;
        QTest::newRow("AskSaveInvalidLevel") << i++ << "This level is invalid.\rSave it anyway?"
                                             << "Saving Warning..." << yesNo << warning;
        QTest::newRow("AskFlipBackBeforeSaving")
            << i++ << "The level was vertically flipped after loading.\rFlip it back before saving?"
            << "Save Level" << yesNo << MsgIcon::Question;
    }

    void routines()
    {
        QFETCH(int, routine);
        QFETCH(QString, text);
        QFETCH(QString, title);
        QFETCH(MsgButtons, buttons);
        QFETCH(MsgIcon, icon);

        void (*const all[])() = { modMessages::AskOverwriteLevel, modMessages::ShowSavingError,
            modMessages::ShowLoadingError, modMessages::ShowEmptyGridError,
            modMessages::ShowInvalidLoadFileName, modMessages::ShowNoLevelFound,
            modMessages::ShowTooManyCellsPerLine, modMessages::ShowQbxFormatError,
            modMessages::ShowInvalidSaveFileName, modMessages::ShowTooManyLines,
            modMessages::ShowNoDisplacementPossible, modMessages::ShowLoadedLevelInvalid,
            modMessages::AskSaveInvalidLevel, modMessages::AskFlipBackBeforeSaving };

        // Questions store the answer; the other boxes leave UserAnswer alone.
        for (qint16 answer : { vbYes, vbNo }) {
            MessageRecorder recorder;
            recorder.answers = { answer };
            UserAnswer = 99;
            all[routine]();
            QCOMPARE(recorder.calls.size(), 1);
            QCOMPARE(recorder.calls[0].text, text);
            QCOMPARE(recorder.calls[0].title, title);
            QCOMPARE(recorder.calls[0].buttons, buttons);
            QCOMPARE(recorder.calls[0].icon, icon);
            QCOMPARE(UserAnswer, buttons == MsgButtons::YesNo ? answer : 99);
        }
    }

    void emptyFileNameShowsNothingAfterTheColon()
    {
        MessageRecorder recorder;
        FileName.clear();
        modMessages::ShowInvalidLoadFileName();
        QCOMPARE(recorder.texts(), QStringList { QStringLiteral("Invalid filename: ") });
    }
};

QUOBIX_TEST(TestModMessages)
#include "tst_modMessages.moc"
