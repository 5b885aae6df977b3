#include "common/TestRegistry.h"
#include "common/TestSupport.h"
#include "editor/EditorTestSupport.h"

#include "editor/EditorState.h"
#include "editor/GridCanvas.h"
#include "level/LevelState.h"

#include <QAction>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QTest>

using namespace quobix;

namespace {
QChar CellChar(int row, int cell) { return CharAt(LevelLines[1][row], CellPosition(row, cell)); }

void Click(QWidget* canvas, Qt::MouseButton button, QPoint at)
{
    QTest::mouseClick(canvas, button, Qt::NoModifier, at);
}

void Pick(QWidget* canvas, int slot) { Click(canvas, Qt::LeftButton, PaletteCentre(slot)); }
}

class TestMouseEditing : public QObject {
    Q_OBJECT
private slots:
    void pickingPlacesTheSelectedSymbol()
    {
        auto window = MakeMainWindow();
        auto* canvas = window->Canvas();
        Pick(canvas, 2);
        QCOMPARE(window->txtSelected->text(), QStringLiteral("Object selected"));
        Click(canvas, Qt::LeftButton, CellCentre(3, 12));
        QCOMPARE(CellChar(3, 12), QLatin1Char('$'));
        QCOMPARE(window->txtRowAndCell->text(), QStringLiteral("Row = 3, Cell = 12"));
        QCOMPARE(window->txtXandY->text(), QStringLiteral("X = 297, Y = 54"));
        QCOMPARE(window->txtObjects->text(), QStringLiteral("Objects = 1"));
        // The right button places the selected symbol too, without starting a drag.
        Click(canvas, Qt::RightButton, CellCentre(4, 1));
        QCOMPARE(CellChar(4, 1), QLatin1Char('$'));
        QVERIFY(!Dragging);
        // Outside every cell and palette slot nothing changes.
        Click(canvas, Qt::LeftButton, QPoint(300, 545));
        QCOMPARE(window->txtRowAndCell->text(), QStringLiteral("Invalid location"));
        QCOMPARE(window->txtSelected->text(), QStringLiteral("Object selected"));
    }

    void paletteTest_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QString>("selected");
        QTest::newRow("slot 6 at its right edge") << QPoint(192, 540) << "Man on target selected";
        QTest::newRow("slot 6 right edge near the top") << QPoint(192, 532) << "";
        QTest::newRow("top point") << QPoint(28 * 3 + 12, 530) << "Man selected";
        QTest::newRow("outline corner beside the top") << QPoint(28 * 3 + 10, 530) << "";
        QTest::newRow("bottom point") << QPoint(13, 557) << "Floor selected";
        QTest::newRow("gap between slots") << QPoint(26, 544) << "";
        // The slanted outline is two pixels wide and belongs to the slot.
        QTest::newRow("slanted outline, outer pixel") << QPoint(56 + 6, 533) << "Object selected";
        QTest::newRow("just outside the slanted outline") << QPoint(56 + 5, 533) << "";
    }

    void paletteTest()
    {
        QFETCH(QPoint, at);
        QFETCH(QString, selected);
        auto window = MakeMainWindow();
        Click(window->Canvas(), Qt::LeftButton, at);
        if (selected.isEmpty()) {
            QCOMPARE(window->txtRowAndCell->text(), QStringLiteral("Invalid location"));
            QCOMPARE(window->txtSelected->text(), QStringLiteral("Wall selected"));
        } else {
            QCOMPARE(window->txtSelected->text(), selected);
            QCOMPARE(window->txtRowAndCell->text(), QString());
        }
    }

    void dragPaintsEachEnteredCellOnce()
    {
        auto window = MakeMainWindow();
        auto* canvas = window->Canvas();
        QTest::mousePress(canvas, Qt::LeftButton, Qt::NoModifier, CellCentre(5, 1));
        QVERIFY(Dragging);
        int painted = 0;
        // Count cell writes through the counts: walls change none, so watch the grid text.
        for (int x = CellCentre(5, 1).x(); x <= CellCentre(5, 6).x(); x += 3) {
            const QString before = LevelLines[1][5];
            QMouseEvent move(QEvent::MouseMove, QPointF(x, CellCentre(5, 1).y()),
                canvas->mapToGlobal(QPointF(x, CellCentre(5, 1).y())), Qt::NoButton, Qt::LeftButton,
                Qt::NoModifier);
            QApplication::sendEvent(canvas, &move);
            if (LevelLines[1][5] != before)
                ++painted;
        }
        QTest::mouseRelease(canvas, Qt::LeftButton, Qt::NoModifier, CellCentre(5, 6));
        QVERIFY(!Dragging);
        QCOMPARE(painted, 5);
        for (int c = 1; c <= 6; ++c)
            QCOMPARE(CellChar(5, c), QLatin1Char('#'));
        QCOMPARE(CellChar(5, 7), QLatin1Char(' '));
    }

    // Only a left press drags, and not with a man; only a left release ends the drag.
    void dragsStartAndEnd()
    {
        auto window = MakeMainWindow();
        auto* canvas = window->Canvas();
        for (int man : { 3, 6 }) {
            Pick(canvas, man);
            QTest::mousePress(canvas, Qt::LeftButton, Qt::NoModifier, CellCentre(5, 5));
            QVERIFY(!Dragging);
            QTest::mouseRelease(canvas, Qt::LeftButton, Qt::NoModifier, CellCentre(5, 5));
        }
        Pick(canvas, 1);
        QTest::mousePress(canvas, Qt::RightButton, Qt::NoModifier, CellCentre(5, 7));
        QVERIFY(!Dragging);
        QTest::mouseRelease(canvas, Qt::RightButton, Qt::NoModifier, CellCentre(5, 7));
        // The middle button does nothing at all.
        Click(canvas, Qt::MiddleButton, CellCentre(6, 6));
        QCOMPARE(CellChar(6, 6), QLatin1Char(' '));
        QCOMPARE(window->txtRowAndCell->text(), QStringLiteral("Row = 5, Cell = 7"));

        QTest::mousePress(canvas, Qt::LeftButton, Qt::NoModifier, CellCentre(9, 1));
        for (Qt::MouseButton other : { Qt::RightButton, Qt::MiddleButton })
            QTest::mouseRelease(canvas, other, Qt::NoModifier, CellCentre(9, 1));
        QVERIFY(Dragging);
        QTest::mouseMove(canvas, CellCentre(9, 2));
        QCOMPARE(CellChar(9, 2), QLatin1Char('#'));
        QTest::mouseRelease(canvas, Qt::LeftButton, Qt::NoModifier, CellCentre(9, 2));
        QVERIFY(!Dragging);
    }

    void oneManWhenPicking_data()
    {
        QTest::addColumn<QString>("row");
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("clickedCell");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("targets");
        // Row 3 (odd): cell c is at position 2c.
        QTest::newRow("man moves, floor stays") << " @" << 3 << 3 << "     @" << 0;
        QTest::newRow("man on target leaves the target") << " +" << 3 << 3 << " .   @" << 1;
        QTest::newRow("man on target onto the man") << " @" << 6 << 1 << " +" << 1;
        QTest::newRow("man onto a man on target") << " +" << 3 << 1 << " @" << 0;
        QTest::newRow("two men both removed") << " @   +" << 3 << 2 << "   @ ." << 1;
    }

    void oneManWhenPicking()
    {
        QFETCH(QString, row);
        QFETCH(int, slot);
        QFETCH(int, clickedCell);
        QFETCH(QString, expected);
        QFETCH(int, targets);
        auto window = MakeMainWindow();
        SetGrid({ row }, 3);
        window->ShowLevelInGrid();
        Pick(window->Canvas(), slot);
        Click(window->Canvas(), Qt::LeftButton, CellCentre(3, clickedCell));
        QCOMPARE(LevelLines[1][3], expected.leftJustified(64));
        QCOMPARE(ManCount, 1);
        QCOMPARE(TargetCount, targets);
        QCOMPARE(ShownCounts(), Recount());
        QCOMPARE(window->txtMen->text(), QStringLiteral("Men = 1"));
    }

    void sequentialStepping()
    {
        auto window = MakeMainWindow();
        auto* canvas = window->Canvas();
        window->mnuSequential->trigger();
        const QString forwards = QStringLiteral("#$@.*+ ");
        for (QChar expected : forwards) {
            Click(canvas, Qt::LeftButton, CellCentre(8, 8));
            QCOMPARE(CellChar(8, 8), expected);
            QCOMPARE(ShownCounts(), Recount());
        }
        Click(canvas, Qt::RightButton, CellCentre(8, 8));
        QCOMPARE(CellChar(8, 8), QLatin1Char('+'));
        QCOMPARE(window->txtSelected->text(), QStringLiteral("Man on target selected"));
        Click(canvas, Qt::RightButton, CellCentre(8, 8));
        QCOMPARE(CellChar(8, 8), QLatin1Char('*'));
        // Several men are allowed in this mode.
        Click(canvas, Qt::RightButton, CellCentre(9, 9));
        Click(canvas, Qt::RightButton, CellCentre(10, 9));
        QCOMPARE(window->txtMen->text(), QStringLiteral("Men = 2"));
        // The palette does nothing here.
        Click(canvas, Qt::LeftButton, PaletteCentre(2));
        QCOMPARE(window->txtRowAndCell->text(), QStringLiteral("Invalid location"));
        QCOMPARE(window->txtSelected->text(), QStringLiteral("Man on target selected"));

        // A character that is no symbol steps as Floor would, both ways.
        for (const auto& [button, expected] :
            { std::pair { Qt::LeftButton, '#' }, std::pair { Qt::RightButton, '+' } }) {
            SetGrid({ "", " X" }, 10);
            window->ShowLevelInGrid();
            Click(canvas, button, CellCentre(11, 1));
            QCOMPARE(CellChar(11, 1), QLatin1Char(expected));
        }
    }

    // A count of three digits still shows the field's start; the end is what gets clipped.
    void statusFieldsShowTheirStart()
    {
        auto window = MakeMainWindow();
        window->mnuSequential->trigger();
        QStringList rows;
        for (int row = 1; row <= 4; ++row)
            rows << (row % 2 ? QStringLiteral(" +") : QStringLiteral("+ ")).repeated(26);
        SetGrid(rows, 1);
        window->ShowLevelInGrid();
        Click(window->Canvas(), Qt::RightButton, CellCentre(6, 1));
        QCOMPARE(window->txtMen->text(), QStringLiteral("Men = 105"));
        for (QLineEdit* field : { window->txtSelected, window->txtXandY, window->txtRowAndCell,
                 window->txtObjects, window->txtTargets, window->txtMen })
            QCOMPARE(field->cursorPosition(), 0);
    }

    // Every pair of old and new symbols, and a foreign character, keeps the counts true.
    void countsFollowEveryReplacement()
    {
        auto window = MakeMainWindow();
        const QString symbols = QStringLiteral(" #$@.*+X");
        for (QChar old : symbols) {
            for (int slot = 0; slot < 7; ++slot) {
                SetGrid({ QString(QLatin1Char(' ')) + old }, 3);
                window->ShowLevelInGrid();
                Pick(window->Canvas(), slot);
                Click(window->Canvas(), Qt::LeftButton, CellCentre(3, 1));
                QCOMPARE(CellChar(3, 1), SymbolChars[slot].at(0));
                QVERIFY2(ShownCounts() == Recount(),
                    qPrintable(QStringLiteral("%1 -> %2").arg(old).arg(slot)));
            }
        }
    }

    void randomEditsKeepTheCountsTrue()
    {
        auto window = MakeMainWindow();
        auto* canvas = window->Canvas();
        QRandomGenerator random(20261206);
        for (int step = 0; step < 600; ++step) {
            switch (random.bounded(6)) {
            case 0:
                Pick(canvas, random.bounded(7));
                break;
            case 1:
                (random.bounded(2) ? window->mnuPick : window->mnuSequential)->trigger();
                break;
            default: {
                const QPoint at(random.bounded(800), random.bounded(560));
                const auto button = random.bounded(2) ? Qt::LeftButton : Qt::RightButton;
                QTest::mousePress(canvas, button, Qt::NoModifier, at);
                const QPoint to(random.bounded(800), random.bounded(527));
                QTest::mouseMove(canvas, to);
                QMouseEvent move(QEvent::MouseMove, QPointF(to), canvas->mapToGlobal(QPointF(to)),
                    Qt::NoButton, button, Qt::NoModifier);
                QApplication::sendEvent(canvas, &move);
                QTest::mouseRelease(canvas, button, Qt::NoModifier, to);
            }
            }
            QVERIFY2(ShownCounts() == Recount(), qPrintable(QString::number(step)));
        }
    }
};

QUOBIX_TEST(TestMouseEditing)
#include "tst_mouseEditing.moc"
