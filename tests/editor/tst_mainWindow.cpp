#include "common/GuiSupport.h"
#include "common/TestRegistry.h"

#include "editor/GridCanvas.h"
#include "skins/SkinState.h"

#include <QAction>
#include <QLineEdit>
#include <QTest>
#include <QUndoStack>

using namespace quobix;

namespace {
QChar CellChar(const LevelDocument& level, int row, int cell)
{
    return CharAt(level.LevelLines[1][row], geometry::Cell { row, cell }.TextColumn());
}
QPoint Corner(int row, int cell) { return geometry::Cell { row, cell }.Corner(); }
const QImage& PictureOf(QChar symbol) { return *SkinPictures[SymbolCodeOf(symbol)]; }

// The cell whose picture's interior holds the point, found by brute force; row 0 when none does.
std::pair<int, int> EnclosingCell(int x, int y)
{
    for (int row = std::max(1, (y - 26) / 20); row <= std::min(GridRows, y / 20 + 1); ++row)
        for (int cell = 1; cell <= GridCells; ++cell)
            if (PartOfCellPicture(x - Corner(row, cell).x(), y - Corner(row, cell).y())
                == PicturePart::Interior)
                return { row, cell };
    return { 0, 0 };
}

// The status counts as the grid text gives them.
QStringList Recount(const LevelDocument& level)
{
    const QString text = level.GridRows().join(QString());
    const auto count = [&](const QString& symbols) {
        return QString::number(
            std::count_if(text.begin(), text.end(), [&](QChar c) { return symbols.contains(c); }));
    };
    return { "Objects = " + count("$*"), "Targets = " + count(".*+"), "Men = " + count("@+") };
}

// The empty grid with no symbol counted, and the flip flags given.
QStringList Empty(const char* flags)
{
    return QStringList(GridRows, QString(64, ' '))
        + QStringList { "Objects = 0", "Targets = 0", "Men = 0", flags };
}
}

class TestMainWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<frmQuobixEditorZN> window;
    GridCanvas* canvas = nullptr;

    LevelDocument& L() const { return window->Level(); }

    void Click(Qt::MouseButton button, QPoint at) { QTest::mouseClick(canvas, button, {}, at); }
    void Pick(int slot) { Click(Qt::LeftButton, PaletteCentre(slot)); }
    // Picks slot unless it is negative, then presses button on the cell and drags along the row.
    void Stroke(int slot, Qt::MouseButton button, int row, int cell, int to = 0)
    {
        if (slot >= 0)
            Pick(slot);
        QTest::mousePress(canvas, button, {}, CellCentre(row, cell));
        while (cell < to)
            QTest::mouseMove(canvas, CellCentre(row, ++cell));
        QTest::mouseRelease(canvas, button, {}, CellCentre(row, cell));
    }
    // What undo and redo must bring back: the grid, the counts shown and the flip flags.
    QStringList Now() const
    {
        return L().GridRows() << window->txtObjects->text() << window->txtTargets->text()
                              << window->txtMen->text()
                              << QString::number(L().FlippedOnLoad)
            + QString::number(L().LevelFlipped);
    }
    // The first pixel inside the hexagon at corner of the canvas that differs from picture's
    // pixels at its top left, or "" when none does.
    QString Mismatch(QPoint corner, const QImage& picture) const
    {
        for (int y = 0; y < 28; ++y)
            for (int x = 0; x < 25; ++x)
                if (PartOfCellPicture(x, y) == PicturePart::Interior
                    && canvas->Backing().pixel(corner + QPoint(x, y)) != picture.pixel(x, y))
                    return QString::asprintf("(%d, %d) at (%d, %d)", x, y, corner.x(), corner.y());
        return {};
    }

private slots:
    void init()
    {
        window = MainWindow(false);
        canvas = window->Canvas();
    }
    void cleanup() { window.reset(); }

    // Every point of the grid band selects the cell whose outline encloses it, none on an outline
    // or outside; halves round to even offsets from the grid's left edge (odd x) and to even y.
    void exhaustiveOverTheGridBand()
    {
        const auto check = [](float x, float y, int atX, int atY) {
            const auto [row, cell] = EnclosingCell(atX, atY);
            const auto hit = geometry::CellAt(QPointF(x, y));
            if (hit ? hit->cell != geometry::Cell { row, cell } : row != 0)
                QFAIL(qPrintable(QString::asprintf("(%g, %g): expected %d/%d, got %d/%d", x, y, row,
                    cell, hit ? hit->cell.row : 0, hit ? hit->cell.cell : 0)));
        };
        for (int y = 1; y < 527; ++y)
            for (int x = -30; x <= 820; ++x) {
                check(x, y, x, y);
                check(x + 0.5f, y, x & 1 ? x : x + 1, y);
                check(x, y + 0.5f, x, y & 1 ? y + 1 : y);
                if (QTest::currentTestFailed())
                    return;
            }
    }

    void paletteTest_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QString>("selected");
        // clang-format off
        QTest::newRow("slot 6 at its right edge") << QPoint(192, 540) << "Man on target selected";
        QTest::newRow("slot 6 right edge near the top") << QPoint(192, 532) << "";
        QTest::newRow("top point") << QPoint(28 * 3 + 12, 530) << "Man selected";
        QTest::newRow("outline corner beside the top") << QPoint(28 * 3 + 10, 530) << "";
        QTest::newRow("bottom point") << QPoint(13, 557) << "Floor selected";
        QTest::newRow("gap between slots") << QPoint(26, 544) << "";
        QTest::newRow("right of the palette") << QPoint(300, 545) << "";
        // The slanted outline is two pixels wide and belongs to the slot.
        QTest::newRow("slanted outline, outer pixel") << QPoint(56 + 6, 533) << "Object selected";
        QTest::newRow("just outside the slanted outline") << QPoint(56 + 5, 533) << "";
        // clang-format on
    }

    void paletteTest()
    {
        QFETCH(QPoint, at);
        QFETCH(QString, selected);
        Click(Qt::LeftButton, at);
        QCOMPARE(window->txtSelected->text(), selected.isEmpty() ? "Wall selected" : selected);
        QCOMPARE(window->txtRowAndCell->text(), selected.isEmpty() ? "Invalid location" : "");
    }

    // The selected symbol is placed by either button; only a left press drags, and not with a
    // man; only a left release ends the drag. A drag paints every cell it enters and shows where
    // the mouse is, also outside the canvas. Status fields show the start of a long text.
    void clicksAndDrags()
    {
        Pick(2);
        Click(Qt::LeftButton, CellCentre(3, 12));
        Click(Qt::RightButton, CellCentre(4, 1));
        QCOMPARE(QString(CellChar(L(), 3, 12)) + CellChar(L(), 4, 1), QStringLiteral("$$"));
        QCOMPARE(window->txtXandY->text(), QStringLiteral("X = 21, Y = 74"));
        for (const auto& [slot, button] : { std::pair { 3, Qt::LeftButton },
                 std::pair { 6, Qt::LeftButton }, std::pair { 1, Qt::RightButton } }) {
            Stroke(slot, button, 5, 5, 6);
            QCOMPARE(CellChar(L(), 5, 6), QLatin1Char(' '));
        }
        // The middle button does nothing at all.
        Click(Qt::MiddleButton, CellCentre(6, 6));
        QCOMPARE(CellChar(L(), 6, 6), QLatin1Char(' '));
        QCOMPARE(window->txtRowAndCell->text(), QStringLiteral("Row = 5, Cell = 5"));

        QTest::mousePress(canvas, Qt::LeftButton, {}, CellCentre(9, 1));
        for (Qt::MouseButton other : { Qt::RightButton, Qt::MiddleButton })
            QTest::mouseRelease(canvas, other, {}, CellCentre(9, 1));
        for (int x = CellCentre(9, 1).x(); x <= CellCentre(9, 6).x(); x += 3)
            QTest::mouseMove(canvas, QPoint(x, CellCentre(9, 1).y()));
        QTest::mouseMove(canvas, QPoint(-5, 600));
        QCOMPARE(window->txtXandY->text(), QStringLiteral("X =-5, Y = 600"));
        QTest::mouseRelease(canvas, Qt::LeftButton, {}, QPoint(-5, 600));
        QTest::mouseMove(canvas, CellCentre(9, 8));
        QCOMPARE(L().LevelLines[1][9], QStringLiteral(" #").repeated(6).leftJustified(64));
        // In sequential mode the palette does nothing; choosing the checked mode keeps it.
        window->mnuSequential->trigger();
        window->mnuSequential->trigger();
        QVERIFY(window->mnuSequential->isChecked() && !window->mnuPick->isChecked());
        Click(Qt::RightButton, CellCentre(9, 9));
        Pick(2);
        QCOMPARE(window->txtRowAndCell->text(), QStringLiteral("Invalid location"));
        QCOMPARE(window->txtSelected->text(), QStringLiteral("Man on target selected"));
        // A text longer than its field shows its start; the end is what gets clipped.
        window->txtMen->setText(QStringLiteral("Men = 123456789012345678901234567890"));
        QCOMPARE(window->txtMen->cursorPosition(), 0);
    }

    // Every symbol, and a foreign character, replaced in every way by a click that may drag into
    // the next cell, which holds another: a picked symbol is placed and dragged, but a picked man
    // is not dragged and removes every other man, leaving his target; a stepped symbol is the
    // next or previous one (a foreign character steps as Floor). The counts stay true.
    void everyReplacement()
    {
        const QString cycle = QStringLiteral(" #$@.*+"), symbols = cycle + 'X';
        for (int k = 0; k < symbols.size(); ++k)
            for (int way = 0; way < 9; ++way) { // pick slot 0..6, or step forwards or backwards
                const QChar old = symbols[k], next = symbols[(k + 3) % symbols.size()];
                SetGrid(L(), { QStringLiteral(" %1 %2 %1").arg(old, next) }, 3);
                (way < 7 ? window->mnuPick : window->mnuSequential)->trigger();
                Stroke(way < 7 ? way : -1, way == 8 ? Qt::RightButton : Qt::LeftButton, 3, 1, 2);
                const int from = std::max<int>(0, cycle.indexOf(old));
                const QChar placed = cycle[way < 7 ? way : (from + (way == 7 ? 1 : 6)) % 7];
                const bool man = placed == '@' || placed == '+';
                const auto left = [&](QChar c) {
                    return way < 7 && man && (c == '@' || c == '+') ? cycle[c == '+' ? 4 : 0] : c;
                };
                const QChar dragged = way != 8 && !man ? placed : left(next);
                const QString row = QString(" %1 %2 %3").arg(placed, dragged, left(old));
                const QString where = QString(old) + QString::number(way);
                QVERIFY2(L().LevelLines[1][3] == row.leftJustified(64), qPrintable(where));
                QVERIFY2(Now().mid(GridRows, 3) == Recount(L()), qPrintable(where));
            }
    }

    // A painted cell's hexagon is its picture whole, again and again; painted back to Floor, the
    // grid, neighbours and shared outlines included, is pixel for pixel as before.
    void paintedCellEqualsItsPicture()
    {
        SetGrid(L(), { " $ $ $", "$   $ $", " $ $ $" }, 1);
        const QImage before = canvas->Backing().copy();
        for (int round = 0; round < 3; ++round)
            for (int code : { 2, 1, 6, 4, 3, 5, 0 }) {
                Pick(code);
                Click(Qt::LeftButton, CellCentre(2, 2));
                QCOMPARE(Mismatch(Corner(2, 2), *SkinPictures[code]), QString());
            }
        QCOMPARE(canvas->Backing().copy(0, 0, 130, 90), before.copy(0, 0, 130, 90));
    }

    // The whole level is drawn down to the last row, keeping the selected symbol, and a skin
    // change redraws it, the palette and the background in the new look.
    void levelIsRedrawnInTheNewSkin()
    {
        Pick(2);
        SetGrid(L(), { " # $ @ . * +", "# . *" }, 25);
        const QImage krvLook = canvas->Backing().copy();
        SkinWindow* krv = CurrentSkin;
        for (QAction* skin : { window->mnuKRV, window->mnuTLM }) {
            skin->trigger();
            QCOMPARE(window->mnuKRV->isChecked(), skin == window->mnuKRV);
            QCOMPARE(window->mnuTLM->isChecked(), skin == window->mnuTLM);
            for (int row : { 25, 26 })
                for (int cell = 1; cell <= 6; ++cell)
                    QCOMPARE(Mismatch(Corner(row, cell), PictureOf(CellChar(L(), row, cell))),
                        QString());
            for (int slot = 0; slot < 7; ++slot)
                QCOMPARE(Mismatch(QPoint(28 * slot, 530), *SkinPictures[slot]), QString());
            QCOMPARE(SymbolPicture, SkinPictures[2]);
        }
        // Each skin is made once and then reused, with its look.
        window->mnuKRV->trigger();
        QCOMPARE(CurrentSkin, krv);
        QCOMPARE(canvas->Backing(), krvLook);
    }

    void saveChecksTheLevelFirst()
    {
        MessageRecorder recorder;
        window->mnuSave->trigger();
        window->mnuSaveAs->trigger();
        QCOMPARE(recorder.texts(), QStringList(2, QStringLiteral("You can't save an empty grid")));
    }

    // The window starts with an empty grid and history. Every action is one step, named by what
    // it did; undoing all of them gives back the empty grid and redoing them the same level,
    // state by state, the level's file and title included. Clear keeps the level's file; New
    // forgets the file and the flip, which undo brings back, and keeps the texts about the level.
    void everyActionIsOneStep()
    {
        QCOMPARE(Now(), Empty("00"));
        const QStringList metadata { "/levels/", "Ann", "top", "bottom" };
        std::tie(L().LevelFolder, L().Author, L().TopComment, L().BottomComment, L().LevelFileName)
            = std::tuple(metadata[0], metadata[1], metadata[2], metadata[3], "MINE.QBX");
        L().FlippedOnLoad = L().LevelFlipped = true;
        window->MainFormTitle();
        const QString title = QStringLiteral("Quobix level editor: Level /levels/MINE.QBX");

        const QList<std::pair<QString, std::function<void()>>> actions {
            { "Paint", [&] { Stroke(2, Qt::LeftButton, 5, 5); } },
            { "Paint", [&] { Stroke(1, Qt::LeftButton, 8, 2, 9); } },
            { "Paint", [&] { Stroke(3, Qt::LeftButton, 10, 10); } },
            // The second man removes the first: one step for both.
            { "Paint", [&] { Stroke(6, Qt::RightButton, 12, 12); } },
            { "Clear", [&] { window->mnuClear->trigger(); } },
            { "Paint", [&] { Stroke(4, Qt::LeftButton, 1, 1); } },
            { "New", [&] { window->mnuNew->trigger(); } },
        };
        QVERIFY(!window->mnuUndo->isEnabled() && !window->mnuRedo->isEnabled());
        const auto state = [&] { return Now() << window->windowTitle() << L().LevelFileName; };
        QList<QStringList> states { state() };
        for (const auto& [name, act] : actions) {
            act();
            QCOMPARE(window->mnuUndo->text(), "&Undo " + name);
            QCOMPARE(window->windowTitle(), name == "New" ? "Quobix level editor" : title);
            QCOMPARE(L().LevelFileName, name == "New" ? "" : "MINE.QBX");
            states << state();
        }
        QCOMPARE(states[4].mid(GridRows),
            (QStringList { "Objects = 1", "Targets = 1", "Men = 1", "11", title, "MINE.QBX" }));
        QCOMPARE(states[5], Empty("11") << title << "MINE.QBX");
        QCOMPARE(states[7],
            Empty("10") << "Quobix level editor"
                        << "");
        for (int k = actions.size() - 1; k >= 0; --k) {
            window->mnuUndo->trigger();
            QVERIFY2(state() == states[k], qPrintable(QString::number(k)));
        }
        QVERIFY(!window->mnuUndo->isEnabled());
        QCOMPARE(QStringList({ L().LevelFolder, L().Author, L().TopComment, L().BottomComment }),
            metadata);
        for (int k = 1; k <= actions.size(); ++k) {
            window->mnuRedo->trigger();
            QVERIFY2(state() == states[k], qPrintable(QString::number(k)));
        }
        QVERIFY(!window->mnuRedo->isEnabled());
        // Undo of a step that kept the file does not take back a save made since.
        window->mnuUndo->trigger();
        L().LevelFileName = "SAVED.QBX";
        window->mnuUndo->trigger();
        QCOMPARE(L().LevelFileName, "SAVED.QBX");
        // A click that changes nothing is no step.
        Pick(0);
        Click(Qt::LeftButton, CellCentre(3, 3));
        QCOMPARE(window->UndoStack()->count(), actions.size());
    }
};

QUOBIX_TEST(TestMainWindow)
#include "tst_mainWindow.moc"
