#include "common/TestRegistry.h"
#include "common/TestSupport.h"

#include "dialogs/frmDisplace.h"
#include "displace/DisplaceState.h"
#include "editor/GridCanvas.h"
#include "editor/frmQuobixEditorZN.h"
#include "editor/modQuobixEditorZN.h"
#include "level/LevelState.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QUndoStack>
#include <functional>
#include <memory>

using namespace quobix;

namespace {

const QStringList AllAngles { "60°", "120°", "180°", "240°", "300°" };

// The items of direction list index for a range "first..last"; north and south go in steps of
// two lines. An empty range is a direction that is not offered.
QStringList Amounts(int index, const QString& range)
{
    QStringList items;
    if (range.isEmpty())
        return items;
    const QStringList ends = range.split(QStringLiteral(".."));
    const int step = index == 1 || index == 5 ? 2 : 1;
    for (int n = ends.first().toInt(); n <= ends.last().toInt(); n += step)
        items << QString::number(n);
    return items;
}

// The 26 grid lines that rows placed from firstRow give.
QStringList Grid(const QStringList& rows, int firstRow)
{
    QStringList grid;
    for (int line = 1; line <= GridRows; ++line) {
        const int k = line - firstRow;
        grid << (k >= 0 && k < rows.size() ? rows[k] : QString()).leftJustified(LineWidth, ' ');
    }
    return grid;
}

// A level that fills all 26 lines and all 64 columns.
QStringList FullLevel()
{
    QStringList full;
    for (int line = 1; line <= GridRows; ++line)
        full << (line % 2 == 0 ? QStringLiteral("#") : QString(63, ' ') + '#');
    return full;
}

// Takes part in every showing of the displace dialog during one Displace command: notes where
// the dialog opened and, once its modal loop runs, performs the step of that showing. A showing
// without a step is closed as the user would, so a faulty loop cannot hang the test.
class DisplaceDriver : public QObject {
public:
    using Step = std::function<void(frmDisplace*)>;

    explicit DisplaceDriver(QList<Step> steps = {})
        : steps(std::move(steps))
    {
        qApp->installEventFilter(this);
    }
    ~DisplaceDriver() override { qApp->removeEventFilter(this); }

    QList<QPoint> positions;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* dialog = qobject_cast<frmDisplace*>(watched);
        if (dialog && event->type() == QEvent::Show) {
            const int showing = positions.size();
            positions << dialog->pos();
            QMetaObject::invokeMethod(
                dialog,
                [this, dialog, showing] {
                    if (showing < steps.size())
                        steps[showing](dialog);
                    // No step, or one that failed half way: the user closes it.
                    if (dialog->isVisible())
                        dialog->close();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    QList<Step> steps;
};

void Click(frmDisplace* dialog, int index)
{
    QTest::mouseClick(dialog->cmdDisplace[index], Qt::LeftButton);
}

} // namespace

class TestDisplaceDialog : public QObject {
    Q_OBJECT

    std::unique_ptr<frmQuobixEditorZN> window;
    std::unique_ptr<MessageRecorder> recorder;

    QStringList ShownCounts() const
    {
        return { window->txtObjects->text(), window->txtTargets->text(), window->txtMen->text() };
    }

    // Whether the canvas shows buffer 1: drawing it again changes nothing.
    bool CanvasShowsGrid() const
    {
        const QImage shown = window->Canvas()->Backing().copy();
        window->ShowLevelInGrid();
        return window->Canvas()->Backing() == shown;
    }

private slots:
    void init()
    {
        modQuobixEditorZN::InitGlobals();
        window = std::make_unique<frmQuobixEditorZN>();
        recorder = std::make_unique<MessageRecorder>();
    }

    void cleanup()
    {
        recorder.reset();
        window.reset();
    }

    void windowAndControls()
    {
        frmDisplace dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Displace level"));
        QCOMPARE(dialog.size(), QSize(223, 129));
        QCOMPARE(dialog.cmdDisplace.size(), 12);
        for (QPushButton* button : dialog.cmdDisplace) {
            QVERIFY(button->text().isEmpty());
            QVERIFY(!button->icon().pixmap(21, 21).isNull()); // the pictures are registered
            QCOMPARE(button->size(), QSize(25, 25));
            QVERIFY(dialog.rect().contains(button->geometry()));
        }
        for (int index = 1; index <= 9; ++index) {
            QComboBox* list = dialog.cmbDisplace[index];
            QVERIFY(!list->isEditable());
            QVERIFY(list->font().bold());
            QCOMPARE(list->font().pointSizeF(), 9.75);
            QCOMPARE(list->size(), QSize(index == 9 ? 54 : 39, 24));
            QVERIFY(dialog.rect().contains(list->geometry()));
            // Each list stands left of its own button, on the same line.
            QCOMPARE(list->y(), dialog.cmdDisplace[index]->y());
            QVERIFY(list->geometry().right() < dialog.cmdDisplace[index]->x());
        }
    }

    void tabOrderRunsThroughButtonsThenLists()
    {
        frmDisplace dialog;
        QList<QWidget*> expected;
        for (QPushButton* button : dialog.cmdDisplace)
            expected << button;
        for (int index = 1; index <= 9; ++index)
            expected << dialog.cmbDisplace[index];
        QList<QWidget*> order;
        QWidget* widget = dialog.cmdDisplace[0];
        do {
            if (expected.contains(widget))
                order << widget;
            widget = widget->nextInFocusChain();
        } while (widget != dialog.cmdDisplace[0]);
        QCOMPARE(order, expected);
    }

    void listsAndButtonsFollowTheLevel_data()
    {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("firstRow");
        // Ranges of the lists north, north-east, .. north-west.
        QTest::addColumn<QStringList>("ranges");
        QTest::newRow("first line 1") << QStringList { "   # #",
            "    #" } << 1 << QStringList { "", "", "1..29", "1..24", "2..24", "1..3", "1..1", "" };
        QTest::newRow("first line 2")
            << QStringList { "  # #", "   #" } << 2
            << QStringList { "", "1..1", "1..29", "1..23", "2..22", "1..2", "1..1", "1..1" };
        QTest::newRow("left margin 0")
            << QStringList { "# # #" } << 10
            << QStringList { "2..8", "1..9", "1..29", "1..16", "2..16", "", "", "" };
        QTest::newRow("left margin 1")
            << QStringList { " # #" } << 11
            << QStringList { "2..10", "1..10", "1..30", "1..15", "2..14", "1..1", "", "1..1" };
        QTest::newRow("5 blank lines above")
            << QStringList { "  # #" } << 6
            << QStringList { "2..4", "1..5", "1..29", "1..20", "2..20", "1..2", "1..1", "1..2" };
    }

    void listsAndButtonsFollowTheLevel()
    {
        QFETCH(QStringList, rows);
        QFETCH(int, firstRow);
        QFETCH(QStringList, ranges);
        frmDisplace dialog;
        // Filled first for a level that allows every direction, so nothing can be left over.
        SetGrid({ "  # #" }, 12);
        dialog.FillDisplaceChoices();
        SetGrid(rows, firstRow);
        dialog.FillDisplaceChoices();
        QVERIFY(DisplacePossible);
        for (int index = 1; index <= 9; ++index) {
            const QStringList expected = index == 9 ? AllAngles : Amounts(index, ranges[index - 1]);
            QComboBox* list = dialog.cmbDisplace[index];
            QStringList items;
            for (int i = 0; i < list->count(); ++i)
                items << list->itemText(i);
            QCOMPARE(items, expected);
            QCOMPARE(list->currentIndex(), expected.isEmpty() ? -1 : 0);
            QCOMPARE(list->isEnabled(), !expected.isEmpty());
            QCOMPARE(dialog.cmdDisplace[index]->isEnabled(), !expected.isEmpty());
        }
        for (const int index : { 0, 10, 11 })
            QVERIFY(dialog.cmdDisplace[index]->isEnabled());
    }

    void levelFillingTheGridLeavesTheDialogAlone()
    {
        frmDisplace dialog;
        SetGrid({ "  # #" }, 6);
        dialog.FillDisplaceChoices();
        SetGrid(FullLevel());
        dialog.FillDisplaceChoices();
        QVERIFY(!DisplacePossible);
        QCOMPARE(dialog.cmbDisplace[1]->count(), 2);
        QCOMPARE(dialog.cmbDisplace[9]->count(), 5);
        QVERIFY(dialog.cmdDisplace[1]->isEnabled());
    }

    // East by the second item, "2": every character four columns to the right.
    void clickDisplacesOnceAndTheDialogComesBackInPlace()
    {
        const QStringList level { "  # $ . @", "   # # #" };
        SetGrid(level, 6);
        window->ShowLevelInGrid();
        const QStringList counts = ShownCounts();
        const QImage before = window->Canvas()->Backing().copy();
        QStringList moved;
        for (const QString& row : level)
            moved << "    " + row;

        bool unloaded = false;
        QStringList westOnReturn;
        DisplaceDriver driver({ [&](frmDisplace* dialog) {
                                   QCOMPARE(dialog->cmbDisplace[7]->count(), 1);
                                   dialog->cmbDisplace[3]->setCurrentIndex(1);
                                   dialog->move(200, 150);
                                   Click(dialog, 3);
                                   unloaded = !dialog->isVisible();
                               },
            [&](frmDisplace* dialog) {
                for (int i = 0; i < dialog->cmbDisplace[7]->count(); ++i)
                    westOnReturn << dialog->cmbDisplace[7]->itemText(i);
                dialog->close();
            } });
        window->mnuDisplace_Click();

        QVERIFY(unloaded);
        QCOMPARE(driver.positions,
            (QList<QPoint> {
                QPoint(DisplaceStartLeft / 15, DisplaceStartTop / 15), QPoint(200, 150) }));
        QCOMPARE(GridText(), Grid(moved, 6));
        QCOMPARE(westOnReturn, (QStringList { "1", "2", "3" }));
        QCOMPARE(ShownCounts(), counts);
        QVERIFY(window->Canvas()->Backing() != before);
        QVERIFY(CanvasShowsGrid());
        QVERIFY(recorder->calls.isEmpty());
    }

    // Enter acts on what has the focus: a list performs its own displacement with the amount it
    // shows, as a click on its button does, and a button is pressed; no button is the default.
    void enterActsOnTheFocus_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("onList");
        QTest::addColumn<int>("key");
        QTest::newRow("Return in the east list") << 3 << true << int(Qt::Key_Return);
        QTest::newRow("Enter in the north list") << 1 << true << int(Qt::Key_Enter);
        QTest::newRow("Return in the angle list") << 9 << true << int(Qt::Key_Return);
        QTest::newRow("Return on a mirror button") << 10 << false << int(Qt::Key_Return);
        QTest::newRow("Enter on the centre button") << 0 << false << int(Qt::Key_Enter);
    }

    void enterActsOnTheFocus()
    {
        QFETCH(int, index);
        QFETCH(bool, onList);
        QFETCH(int, key);
        const QStringList level { "  # $ . @", "   # # #" };
        bool defaultShown = false;
        const auto displaced = [&](bool byKey) {
            SetGrid(level, 6);
            window->ShowLevelInGrid();
            DisplaceDriver driver({ [&](frmDisplace* dialog) {
                if (onList) {
                    QComboBox* list = dialog->cmbDisplace[index];
                    list->setCurrentIndex(list->count() - 1);
                }
                if (!byKey) {
                    Click(dialog, index);
                    return;
                }
                QWidget* target = onList ? static_cast<QWidget*>(dialog->cmbDisplace[index])
                                         : dialog->cmdDisplace[index];
                target->setFocus();
                for (QPushButton* button : dialog->cmdDisplace)
                    defaultShown |= button->isDefault();
                QTest::keyClick(target, Qt::Key(key));
            } });
            window->mnuDisplace_Click();
            return GridText();
        };
        const QStringList clicked = displaced(false);
        QVERIFY(clicked != Grid(level, 6));
        QCOMPARE(displaced(true), clicked);
        QVERIFY(!defaultShown);
    }

    // Each displacement of one Displace command is a step of its own, named by what it did.
    void displacementsAreUndoneOneByOne()
    {
        const QStringList level { "  # $ . @", "   # # #" };
        SetGrid(level, 6);
        window->ShowLevelInGrid();
        const QStringList start = GridText();
        QStringList rotated;
        DisplaceDriver driver({ [](frmDisplace* dialog) { Click(dialog, DisplaceCommand::East); },
            [&](frmDisplace* dialog) {
                rotated = GridText();
                Click(dialog, DisplaceCommand::Rotate);
            } });
        window->mnuDisplace_Click();
        QCOMPARE(window->UndoStack()->count(), 2);
        QCOMPARE(window->mnuUndo->text(), QStringLiteral("&Undo Rotate"));
        window->mnuUndo->trigger();
        QCOMPARE(GridText(), rotated);
        QCOMPARE(window->mnuUndo->text(), QStringLiteral("&Undo Shift"));
        window->mnuUndo->trigger();
        QCOMPARE(GridText(), start);
        QCOMPARE(ShownCounts(), (QStringList { "Objects = 1", "Targets = 1", "Men = 1" }));
    }

    void eachCommandStartsAtTheStartPosition()
    {
        SetGrid({ "  # #" }, 6);
        DisplaceDriver first({ [](frmDisplace* dialog) {
            dialog->move(300, 10);
            Click(dialog, 0);
        } });
        window->mnuDisplace_Click();
        QCOMPARE(first.positions.size(), 2);
        QCOMPARE(first.positions.last(), QPoint(300, 10));
        QCOMPARE(DisplaceLeft, 300 * 15);
        QCOMPARE(DisplaceTop, 10 * 15);
        DisplaceDriver second;
        window->mnuDisplace_Click();
        QCOMPARE(second.positions,
            (QList<QPoint> { QPoint(DisplaceStartLeft / 15, DisplaceStartTop / 15) }));
    }

    void userCloseEndsTheCommandAfterOneRedraw_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::newRow("close box") << false;
        QTest::newRow("Escape") << true;
    }

    void userCloseEndsTheCommandAfterOneRedraw()
    {
        QFETCH(bool, escape);
        // Put into the text only: the counts shown stay 0 until the grid is drawn again.
        SetGrid({ "  # $ . @" }, 6);
        const QStringList grid = GridText();
        DisplaceDriver driver({ [escape](frmDisplace* dialog) {
            if (escape)
                QTest::keyClick(dialog, Qt::Key_Escape);
            else
                dialog->close();
        } });
        window->mnuDisplace_Click();
        QCOMPARE(driver.positions.size(), 1);
        QVERIFY(!DisplaceAgain);
        QCOMPARE(GridText(), grid);
        QCOMPARE(ShownCounts(),
            (QStringList { QStringLiteral("Objects = 1"), QStringLiteral("Targets = 1"),
                QStringLiteral("Men = 1") }));
        QVERIFY(CanvasShowsGrid());
    }

    void emptyGridHasNothingToDisplace()
    {
        DisplaceDriver driver;
        window->mnuDisplace_Click();
        QVERIFY(driver.positions.isEmpty());
        QCOMPARE(recorder->calls.size(), 1);
        const RecordedMessage& message = recorder->calls.first();
        QCOMPARE(message.text, QStringLiteral("There's nothing to displace."));
        QCOMPARE(message.title, QStringLiteral("Level rotation"));
        QCOMPARE(message.buttons, MsgButtons::OK);
        QCOMPARE(message.icon, MsgIcon::Critical);
    }

    void levelFillingTheGridCannotBeDisplaced()
    {
        SetGrid(FullLevel());
        DisplaceDriver driver;
        window->mnuDisplace_Click();
        QVERIFY(driver.positions.isEmpty());
        QCOMPARE(recorder->texts(), QStringList { QStringLiteral("No displacements possible.") });
        QCOMPARE(recorder->calls.first().title, QStringLiteral("Displace Level"));
    }

    // Turned by 60 degrees this level is exactly 26 lines of 64 characters.
    void rotationThatFillsTheGridEndsTheCommand()
    {
        QStringList level(26);
        level[0] = QString(61, ' ') + '#';
        level[21] = QStringLiteral("$");
        level[22] = QStringLiteral(" .");
        level[25] = QString(46, ' ') + '@';
        SetGrid(level);
        window->ShowLevelInGrid();
        const QStringList counts = ShownCounts();
        DisplaceDriver driver({ [](frmDisplace* dialog) {
            QComboBox* angles = dialog->cmbDisplace[9];
            angles->setCurrentIndex(angles->findText(QStringLiteral("60°")));
            Click(dialog, 9);
        } });
        window->mnuDisplace_Click();
        QCOMPARE(driver.positions.size(), 1);
        QCOMPARE(recorder->texts(), QStringList { QStringLiteral("No displacements possible.") });
        QCOMPARE(LevelHeight, 26);
        QCOMPARE(LevelWidth, 64);
        QCOMPARE(ShownCounts(), counts);
        QVERIFY(CanvasShowsGrid());
    }
};

QUOBIX_TEST(TestDisplaceDialog)
#include "tst_displaceDialog.moc"
