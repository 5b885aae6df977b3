#include "common/TestRegistry.h"
#include "common/TestSupport.h"

#include "messages/LoadSaveState.h"
#include "messages/modMessages.h"

#include <QTest>

using namespace quobix;
using namespace quobix::modMessages;

// The flows see the texts of the boxes; here are their titles, buttons, icons and other texts.
class TestModMessages : public QObject {
    Q_OBJECT
private slots:
    void boxes()
    {
        const auto ok = MsgButtons::OK, yesNo = MsgButtons::YesNo;
        const auto stop = MsgIcon::Critical, warn = MsgIcon::Exclamation;
        // clang-format off
        const struct { void (*show)(); QString title; MsgButtons buttons; MsgIcon icon; QString text; } boxes[] = {
            { AskOverwriteLevel, "Saving Warning...", yesNo, warn, {} },
            { ShowSavingError, "Saving Error", ok, stop, {} },
            { ShowLoadingError, "Loading Error", ok, stop, {} },
            { ShowEmptyGridError, "Saving Error", ok, stop, {} },
            { ShowInvalidLoadFileName, "Level Load Error", ok, stop, "Invalid filename: maze.qbx" },
            { ShowNoLevelFound, "Level Load Error", ok, stop, {} },
            { ShowTooManyCellsPerLine, "Level Load Error", ok, stop, {} },
            { ShowQbxFormatError, "Level Load Error", ok, stop, {} },
            { ShowInvalidSaveFileName, "Level Save Error", ok, stop, "Invalid filename: maze.qbx" },
            { ShowTooManyLines, "Level Load Error", ok, stop, {} },
            { ShowNoDisplacementPossible, "Displace Level", ok, stop, {} },
            { ShowLoadedLevelInvalid, "Load Level Warning", ok, warn, {} },
            { AskSaveInvalidLevel, "Saving Warning...", yesNo, warn, {} },
            { AskFlipBackBeforeSaving, "Save Level", yesNo, MsgIcon::Question, {} },
        };
        // clang-format on
        FileName = "maze.qbx";
        for (const auto& box : boxes) {
            // Questions store the answer; the other boxes leave UserAnswer alone.
            for (qint16 answer : { vbYes, vbNo }) {
                MessageRecorder recorder;
                recorder.answers = { answer };
                UserAnswer = 99;
                box.show();
                QCOMPARE(recorder.calls.size(), 1);
                const RecordedMessage got = recorder.calls[0];
                QCOMPARE(got.title, box.title);
                QVERIFY2(got.buttons == box.buttons && got.icon == box.icon, qPrintable(box.title));
                QVERIFY(box.text.isEmpty() || got.text == box.text);
                QCOMPARE(UserAnswer, box.buttons == yesNo ? answer : 99);
            }
        }
    }
};

QUOBIX_TEST(TestModMessages)
#include "tst_modMessages.moc"
