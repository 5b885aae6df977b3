#include "common/TestRegistry.h"
#include "common/TestSupport.h"

#include "messages/modMessages.h"

#include <QTest>
#include <functional>

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
        const QString name = "maze.qbx";
        const RunTimeError error { 2, "No such file or directory" };
        // clang-format off
        const struct { std::function<qint16()> show; QString title; MsgButtons buttons; MsgIcon icon; QString text; } boxes[] = {
            { [&] { return AskOverwriteLevel(name); }, "Saving Warning...", yesNo, warn, "Level maze.qbx already exists\rOverwrite?" },
            { [&] { return Show(SavingError(name, error)); }, "Saving Error", ok, stop, "Error 2: No such file or directory was generated while saving maze.qbx" },
            { [&] { return Show(LoadingError(name, error)); }, "Loading Error", ok, stop, "Error 2: No such file or directory was generated while loading maze.qbx" },
            { [] { ShowEmptyGridError(); return vbOK; }, "Saving Error", ok, stop, {} },
            { [&] { ShowInvalidLoadFileName(name); return vbOK; }, "Level Load Error", ok, stop, "Invalid filename: maze.qbx" },
            { [] { return Show(NoLevelFound()); }, "Level Load Error", ok, stop, {} },
            { [] { return Show(TooManyCellsPerLine()); }, "Level Load Error", ok, stop, {} },
            { [] { return Show(QbxFormatError()); }, "Level Load Error", ok, stop, {} },
            { [&] { ShowInvalidSaveFileName(name); return vbOK; }, "Level Save Error", ok, stop, "Invalid filename: maze.qbx" },
            { [] { return Show(TooManyLines()); }, "Level Load Error", ok, stop, {} },
            { [] { ShowNoDisplacementPossible(); return vbOK; }, "Displace Level", ok, stop, {} },
            { [] { ShowLoadedLevelInvalid(); return vbOK; }, "Load Level Warning", ok, warn, {} },
            { [] { return Show(FlippedToFit()); }, "Level Load Warning", ok, warn, {} },
            { AskSaveInvalidLevel, "Saving Warning...", yesNo, warn, {} },
            { AskFlipBackBeforeSaving, "Save Level", yesNo, MsgIcon::Question, {} },
        };
        // clang-format on
        for (const auto& box : boxes) {
            // A question returns the answer; any other box is answered OK.
            for (qint16 answer : { vbYes, vbNo }) {
                MessageRecorder recorder;
                recorder.answers = { answer };
                QCOMPARE(box.show(), box.buttons == yesNo ? answer : vbOK);
                QCOMPARE(recorder.calls.size(), 1);
                const RecordedMessage got = recorder.calls[0];
                QCOMPARE(got.title, box.title);
                QVERIFY2(got.buttons == box.buttons && got.icon == box.icon, qPrintable(box.title));
                QVERIFY(box.text.isEmpty() || got.text == box.text);
            }
        }
    }
};

QUOBIX_TEST(TestModMessages)
#include "tst_modMessages.moc"
