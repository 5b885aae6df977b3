#include "common/GuiSupport.h"
#include "common/TestRegistry.h"

#include "editor/GridCanvas.h"
#include "game/SolverSettings.h"
#include "windows/frmAboutQuobixEdit.h"
#include "windows/frmHelpPage.h"
#include "windows/frmLevelInfo.h"
#include "windows/frmPlay.h"
#include "windows/frmQBX.h"
#include "windows/frmSolveProgress.h"
#include "windows/frmSolverLimits.h"

#include <QAction>
#include <QClipboard>
#include <QDoubleSpinBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTest>
#include <QTextDocument>

using namespace quobix;

namespace {
const QStringList Level { " # # # # # # #", "# @   $   . #", " # # # # # # #" };
const QString Ps(QChar::ParagraphSeparator);

// The top comment, the author and the bottom comment.
using Texts = QStringList;

QString FieldText(const QPlainTextEdit* f) { return f->document()->toRawText().replace(Ps, "\n"); }

// The texts as the fields show them: "\n" between lines.
Texts InFields(Texts texts) { return texts.replaceInStrings(CRLF, LF).replaceInStrings(Ps, LF); }

// Types into whatever has the focus: characters, and keys named in braces ("{Ctrl+A}").
void Type(const QString& keys)
{
    static const QRegularExpression token(QStringLiteral("(?s)\\{([^}]+)\\}|."));
    for (const QRegularExpressionMatch& key : token.globalMatch(keys)) {
        if (key.hasCaptured(1))
            QTest::keySequence(QApplication::focusWidget(), QKeySequence(key.captured(1)));
        else
            QTest::keyClick(QApplication::focusWidget(), key.captured(0).at(0).toLatin1());
    }
}

void Row(const char* name, const Texts& before, const QString& keys = {}, Texts after = {})
{
    QTest::newRow(name) << before << keys << (after.isEmpty() ? before : after);
}
}

// The windows the main window's Level and Help menus open.
class TestMenuWindows : public QObject {
    Q_OBJECT

    std::unique_ptr<frmQuobixEditorZN> window;
    LevelDocument& L() const { return window->Level(); }
    QMap<int, QImage> pictures; // each help page's, as drawn

    // True when a click sent through the window system (which a modal window blocks) placed a wall.
    bool ClickReachesMainWindow()
    {
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
            window->Canvas()->mapTo(window.get(), CellCentre(4, 4)));
        return CharAt(L().LevelLines[1][4], geometry::Cell { 4, 4 }.TextColumn())
            == QLatin1Char('#');
    }

    // While a help page or the About window is open, the main window takes no input.
    void CheckModal(QDialog* open)
    {
        QCOMPARE(open->parentWidget(), window.get());
        QVERIFY(!ClickReachesMainWindow());
    }

    // Opens a window with item and acts on it with step, which must close it.
    template <typename T> void Run(QAction* item, std::function<void(T*)> step)
    {
        ModalScript script;
        script.Then<T>(step);
        item->trigger();
        QVERIFY(script.Finished());
    }

    // Checks a help page, then clicks the button captioned action, "close"s it or types "{keys}".
    void OnPage(frmHelpPage* page, const QString& action)
    {
        CheckModal(page);
        // The picture is painted unscaled at the top left.
        const QImage art = page->Picture().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage shown = page->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown.copy(0, 0, 639, 500), art.copy(0, 0, 639, 500));
        pictures[page->Page()] = art;
        QPushButton* chosen = nullptr;
        for (QPushButton* button : page->findChildren<QPushButton*>())
            if (button->text().remove(QLatin1Char('&')) == action)
                chosen = button;
        if (chosen)
            QTest::mouseClick(chosen, Qt::LeftButton);
        else if (action == QLatin1String("close"))
            page->close();
        else
            Type(action);
    }

    // Opens Level, Info..., types keys, closes it with the close box and returns what it showed.
    Texts EditInfo(const QString& keys = {})
    {
        Texts shown;
        Run<frmLevelInfo>(window->mnuInfo, [&](frmLevelInfo* info) {
            shown = { FieldText(info->txtTopComment), info->txtAuthor->text(),
                FieldText(info->txtBottomComment) };
            Type(keys);
            info->close();
        });
        return shown;
    }

    // Opens Level, View..., tries to type over the text, copies it all; returns what it showed.
    QStringList OpenView(QString* text = nullptr)
    {
        QStringList shown;
        Run<frmQBX>(window->mnuQBX, [&](frmQBX* view) {
            // The rows line up as hexagons only in a fixed-pitch font.
            QVERIFY(QFontInfo(view->txtLevel->font()).fixedPitch());
            QGuiApplication::clipboard()->setText(QStringLiteral("pasted"));
            view->txtLevel->setFocus();
            Type("a{Return}{Del}{Backspace}{Ctrl+A}{Ctrl+X}{Ctrl+V}{Ctrl+A}{Ctrl+C}");
            shown = view->txtLevel->toPlainText().split(QLatin1Char('\n'));
            if (text)
                *text = view->LevelText();
            view->close();
        });
        return shown;
    }

private slots:
    void initTestCase() { SubstituteFonts(); }
    void init() { window = MainWindow(); }
    void cleanup() { window.reset(); }

    void helpLeafing_data()
    {
        QTest::addColumn<QString>("actions");
        QTest::addColumn<QString>("pages");
        // clang-format off
        QTest::newRow("every page") << "Next Next Next Next Previous Previous Previous Previous Cancel"
                                    << "1 2 3 4 5 4 3 2 1";
        QTest::newRow("Cancel on the last page") << "Next Next Next Next Cancel" << "1 2 3 4 5";
        QTest::newRow("access keys") << "{Alt+N} {Alt+N} {Alt+P} {Alt+C}" << "1 2 3 2";
        QTest::newRow("Return on the first button") << "{Return} {Return} Cancel" << "1 2 3";
        QTest::newRow("close box") << "Next close" << "1 2";
        QTest::newRow("Escape") << "Next {Esc}" << "1 2";
        // clang-format on
    }

    void helpLeafing()
    {
        QFETCH(QString, actions);
        QFETCH(QString, pages);
        // Opened twice: the help starts again at page 1.
        for (int round = 0; round < 2; ++round) {
            ModalScript script;
            for (const QString& action : actions.split(QLatin1Char(' ')))
                script.Then<frmHelpPage>([=](frmHelpPage* page) { OnPage(page, action); });
            window->mnuHelp->trigger();
            QVERIFY(script.Finished());
            QCOMPARE(script.met.join(QLatin1Char(' ')).remove(QStringLiteral("frmHelp")), pages);
        }
        QVERIFY(ClickReachesMainWindow());
        for (const QImage& picture : pictures) // every page has a picture of its own
            QCOMPARE(pictures.values().count(picture), 1);
    }

    void about()
    {
        Run<frmAboutQuobixEdit>(window->mnuAbout, [this](frmAboutQuobixEdit* about) {
            CheckModal(about);
            // Several lines each, broken with the label's own line break.
            for (QLabel* label : { about->lbl1about, about->lbl2about, about->lbl3About })
                QVERIFY(label->text().count(LF) >= 3 && !label->text().contains(CR));
            const QRegularExpression versionAndDate("version [\\d.]+\\s+\\d{4}-\\d\\d-\\d\\d");
            QVERIFY(about->lbl3About->text().contains(versionAndDate));
            QCOMPARE(QApplication::focusWidget(), about->cmdAbout);
            QTest::keyClick(about, Qt::Key_Return); // OK is the default
        });
        QVERIFY(ClickReachesMainWindow());
    }

    // Keys are typed from the author field, which has the focus when the window opens.
    void infoKeepsTheTexts_data()
    {
        QTest::addColumn<Texts>("before");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<Texts>("after");
        // clang-format off
        Row("blanks and blank lines", { "First\r\n\r\n  in  \r\nlast\r\n", "  Ann  ", "\r\nend\r\n\r\n" });
        Row("author longer than a line field's limit", { "", QString(40000, 'a'), "" });
        Row("paragraph separator in a comment", { "one" + Ps + "two", "", Ps });
        Row("cleared and typed", { "old", "A", "" }, "\b{Tab}{Tab}{Ctrl+A}a\rb ", { "a\r\nb ", "", "" });
        Row("Tab order: author, bottom, top", { "", "", "" }, "x{Tab}y{Tab}z{Tab}{End}!", { "z", "x!", "y" });
        // clang-format on
    }

    void infoKeepsTheTexts()
    {
        QFETCH(Texts, before);
        QFETCH(QString, keys);
        QFETCH(Texts, after);
        L().SetTexts(before[1], before[0], before[2]);
        QCOMPARE(EditInfo(keys), InFields(before));
        QCOMPARE((Texts { L().TopComment, L().Author, L().BottomComment }), after);
        // Shown again as typed, and kept as they are when closed untouched.
        QCOMPARE(EditInfo(), InFields(after));
        QCOMPARE((Texts { L().TopComment, L().Author, L().BottomComment }), after);
    }

    // Typing is refused, copying works, and the view shows the level as it is when opened: every
    // row at full width, down to the last.
    void viewShowsTheGrid()
    {
        QCOMPARE(OpenView(), QStringList(26, QString(64, QLatin1Char(' '))));
        SetGrid(L(), { "# $ . @ #", QString(" #").repeated(32), QString(". ").repeated(32) }, 24);
        const QStringList grid = L().GridRows();
        QString text;
        QCOMPARE(OpenView(&text), grid);
        QCOMPARE(QGuiApplication::clipboard()->text().split(QLatin1Char('\n')), grid);
        QCOMPARE(text, grid.join(CRLF));
        QCOMPARE(L().GridRows(), grid); // the view leaves the level alone
    }

    // The play window on a level of one row: man, floor, object, floor, target. A click walks
    // and pushes as one step, a key is one move; Restart waits for Redo; the solved level stops
    // the man until a step is undone.
    void playSteps()
    {
        SetGrid(L(), Level, 5);
        const QStringList edited = L().GridRows();
        MessageRecorder recorder;
        Run<frmPlay>(window->mnuPlay, [&recorder](frmPlay* play) {
            QCOMPARE(play->windowTitle(), "Play Level");
            const auto at = [play] {
                const game::GamePosition& p = play->Position();
                QString where;
                for (int c = 2; c <= 6; ++c)
                    where += p.Man() == game::CellIndex(6, c) ? '@'
                        : p.HasObject(game::CellIndex(6, c))  ? '$'
                                                              : '_';
                return where + QString::number(play->MoveCount());
            };
            const auto key
                = [play](Qt::Key k, Qt::KeyboardModifiers m = {}) { QTest::keyClick(play, k, m); };
            QTest::mouseClick(play, Qt::LeftButton, {}, CellCentre(6, 4)); // walk up and push
            QCOMPARE(at(), "__@$_2");
            QCOMPARE(play->lblStatus->text(),
                QStringLiteral("Moves = 2    Pushes = 1    Objects on target = 0 of 1"));
            key(Qt::Key_Z, Qt::ControlModifier); // the whole walk
            QCOMPARE(at(), "@_$__0");
            key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
            QCOMPARE(at(), "__@$_2");
            key(Qt::Key_Left);
            key(Qt::Key_Up); // no direction on this grid
            key(Qt::Key_Right); // a step in front of the object
            QCOMPARE(at(), "__@$_4");
            key(Qt::Key_Z, Qt::ControlModifier); // one key, one move: the object stays
            QCOMPARE(at(), "_@_$_3");
            play->cmdRestart->click();
            QCOMPARE(at(), "@_$__0");
            QVERIFY(!play->cmdUndo->isEnabled());
            for (const char* expected : { "__@$_2", "_@_$_3", "__@$_4" }) {
                play->cmdRedo->click();
                QCOMPARE(at(), expected);
            }
            QVERIFY(recorder.calls.isEmpty());
            key(Qt::Key_D); // the last push
            QCOMPARE(recorder.texts(), QStringList { "Solved in 2 pushes and 5 moves." });
            QCOMPARE(recorder.calls[0].title, "Level Solved");
            QCOMPARE(recorder.calls[0].icon, MsgIcon::Information);
            QVERIFY(play->Finished() && play->lblStatus->text().startsWith("Solved    Moves = 5"));
            key(Qt::Key_A);
            QTest::mouseClick(play, Qt::LeftButton, {}, CellCentre(6, 2));
            QCOMPARE(at(), "___@$5");
            play->cmdUndo->click();
            QVERIFY(!play->Finished() && !play->lblStatus->text().contains("Solved"));
            QCOMPARE(at(), "__@$_4");
            play->close();
        });
        QCOMPARE(L().GridRows(), edited); // the level being edited stays as it was
    }

    // Solve finds the solution; the play window replays it, stops at a key, and steps through
    // it again with Redo after Restart.
    void solveThenReplay()
    {
        SetGrid(L(), Level, 5);
        L().LevelFileName = "line.qbx";
        MessageRecorder recorder;
        recorder.answers << vbYes;
        ModalScript script;
        script
            .Then<frmSolveProgress>([](frmSolveProgress*) {}) // closes itself once solved
            .Then<frmPlay>([](frmPlay* play) {
                QCOMPARE(play->windowTitle(), "Play Level: line.qbx");
                play->cmdReplay->click();
                QCOMPARE(play->cmdReplay->text(), "Pause");
                QTRY_VERIFY_WITH_TIMEOUT(play->MoveCount() == 1, 2000);
                QTest::keyClick(play, Qt::Key_D); // stops the replay, and only that
                QVERIFY(!play->Replaying());
                QCOMPARE(play->MoveCount(), 1);
                play->cmdReplay->click();
                QTRY_VERIFY_WITH_TIMEOUT(play->Finished(), 2000);
                QVERIFY(!play->Replaying() && !play->cmdReplay->isEnabled());
                play->cmdRestart->click();
                for (int step = 0; step < 3; ++step) {
                    QVERIFY(play->cmdRedo->isEnabled() && !play->Position().IsSolved());
                    play->cmdRedo->click();
                }
                QVERIFY(!play->cmdRedo->isEnabled() && play->Finished());
                play->cmdSolve->click();
                play->close();
            });
        window->mnuSolve->trigger();
        QVERIFY(script.Finished());
        QCOMPARE(recorder.texts(),
            (QStringList { "Solved in 2 pushes and 3 moves:\rdDD\rPlay the solution?",
                "Solved in 2 pushes and 3 moves.", "Solved in 2 pushes and 3 moves.",
                "This level is already solved." }));
    }

    // A level whose objects all stand on targets: Solve says so and opens no window.
    void solveAnAlreadySolvedLevel()
    {
        SetGrid(L(), { " # # # #", "# @ * #", " # # # #" }, 5);
        MessageRecorder recorder;
        ModalScript script;
        window->mnuSolve->trigger();
        QVERIFY(script.Finished() && script.met.isEmpty());
        QCOMPARE(recorder.texts(), QStringList { "This level is already solved." });
        QCOMPARE(recorder.calls[0].title, "Solve Level");
        QCOMPARE(recorder.calls[0].icon, MsgIcon::Information);
        QCOMPARE(recorder.calls[0].buttons, MsgButtons::OK);
    }

    // The limits are kept in the settings, within the command line's ranges; Cancel keeps them.
    void solverLimits()
    {
        const auto edit = [this](double seconds, int mib, bool ok) {
            Run<frmSolverLimits>(window->mnuSolverLimits, [=](frmSolverLimits* limits) {
                QCOMPARE(limits->txtMemory->maximum(), 16777216);
                QVERIFY(limits->txtSeconds->minimum() > 0 && limits->txtMemory->minimum() == 1);
                limits->txtSeconds->setValue(seconds);
                limits->txtMemory->setValue(mib);
                (ok ? limits->cmdOK : limits->cmdCancel)->click();
            });
            const game::SolverLimits stored = game::StoredSolverLimits();
            return std::pair(stored.seconds, int(stored.memoryBytes >> 20));
        };
        QCOMPARE(edit(1, 1, false), std::pair(60.0, 1024));
        QCOMPARE(edit(0.5, 16, true), std::pair(0.5, 16));
        QCOMPARE(edit(60, 1024, true), std::pair(60.0, 1024));
    }

    void playRefusesAnUnplayableLevel_data()
    {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("message");
        const QString invalid = "This level is invalid: it needs exactly one man, as many objects "
                                "as targets and at least one target.";
        const QString open
            = "The man can walk off the grid: this level is open.\rClose it with walls first.";
        QTest::newRow("invalid") << QStringList {} << invalid;
        QTest::newRow("open") << QStringList { " # # #", "# @ $ .", " # # #" } << open;
    }

    void playRefusesAnUnplayableLevel()
    {
        QFETCH(QStringList, rows);
        QFETCH(QString, message);
        SetGrid(L(), rows, 5);
        for (QAction* item : { window->mnuPlay, window->mnuSolve }) {
            MessageRecorder recorder;
            item->trigger(); // a window would wait here: only the message may come
            QCOMPARE(recorder.texts(), QStringList { message });
        }
    }
};

QUOBIX_TEST(TestMenuWindows)
#include "tst_menuWindows.moc"
