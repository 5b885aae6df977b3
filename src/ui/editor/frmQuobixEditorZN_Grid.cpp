// The main window's grid: drawing, the counts shown and mouse editing. The level logic they
// call is the core's (LevelEditing, geometry).
#include "editor/frmQuobixEditorZN.h"

#include "editor/EditHistory.h"
#include "editor/GridCanvas.h"
#include "editor/modQuobixEditorZN.h"
#include "geometry/GridGeometry.h"
#include "level/LevelEditing.h"
#include "level/LevelState.h"
#include "level/modText.h"
#include "messages/modMessages.h"
#include "skins/SkinState.h"

#include <QAction>
#include <QLineEdit>
#include <cmath>

namespace quobix {

namespace {
    // A number in a status text: a blank before it unless it is negative.
    QString Num(double n)
    {
        return (n >= 0 ? QStringLiteral(" ") : QString()) + QString::number(n, 'g', 7);
    }

    using geometry::Cell;

    // Calls paint(code, x, y) for every grid cell that holds a symbol with a picture other than
    // Floor, which the empty grid already shows; "X" and foreign characters have none.
    template <typename Paint> void ForEachSymbolCell(Paint paint)
    {
        for (int r = 1; r <= GridRows; ++r)
            for (int c = 1; c <= GridCells; ++c) {
                const Cell at { r, c };
                const qint16 code = SymbolCodeOf(CharAt(LevelLines[1][r], at.TextColumn()));
                if (code > 0)
                    paint(code, static_cast<float>(at.Corner().x()),
                        static_cast<float>(at.Corner().y()));
            }
    }

    // The symbol a cell holds now: 0..6, or 7 for a character that is none.
    qint16 SymbolIn(const Cell& at)
    {
        return SymbolIndexOf(CharAt(LevelLines[1][at.row], at.TextColumn()));
    }
}

// --- Status counters ---------------------------------------------------------------------

void frmQuobixEditorZN::TakeSymbolFromStatus() { LevelEditing::TakeSymbol(ReplacedSymbol); }

void frmQuobixEditorZN::AddSymbolToStatus()
{
    LevelEditing::AddSymbol(CurrentSymbol);
    ShowStatus();
}

void frmQuobixEditorZN::AdaptStatus()
{
    TakeSymbolFromStatus();
    AddSymbolToStatus();
}

void frmQuobixEditorZN::ShowStatus()
{
    if (redrawingWholeGrid)
        return;
    txtObjects->setText(QStringLiteral("Objects =") + Num(ObjectCount));
    txtTargets->setText(QStringLiteral("Targets =") + Num(TargetCount));
    txtMen->setText(QStringLiteral("Men =") + Num(ManCount));
}

// --- Drawing -------------------------------------------------------------------------------

void frmQuobixEditorZN::ShowSymbol(float X, float Y)
{
    if (SymbolPicture)
        canvas->PaintCell(*SymbolPicture, static_cast<int>(X), static_cast<int>(Y));
}

void frmQuobixEditorZN::ShowEmptyGrid()
{
    modText::ClearLines(1, 1, GridRows);
    ObjectCount = TargetCount = ManCount = 0;
    canvas->PaintPicture(*SkinPictures[EmptyGridPicture], geometry::GridPictureLeft, 0);
    ShowStatus();
}

void frmQuobixEditorZN::ShowSymbolsToSelect()
{
    for (int slot = SymbolCode::Floor; slot <= SymbolCode::ManOnTarget; ++slot) {
        const int x = slot * geometry::PaletteSlotStep;
        SymbolPicture = SkinPictures[slot];
        ShowSymbol(static_cast<float>(x), static_cast<float>(geometry::PaletteTop));
    }
}

void frmQuobixEditorZN::ShowLevelInGrid()
{
    const qint16 remembered = CurrentSymbol;
    canvas->PaintPicture(*SkinPictures[EmptyGridPicture], geometry::GridPictureLeft, 0);
    ObjectCount = TargetCount = ManCount = 0;
    redrawingWholeGrid = true;
    canvas->SetDeferUpdates(true);
    ForEachSymbolCell([this](qint16 code, float x, float y) {
        CurrentSymbol = code;
        SetSymbolToShow();
        ShowSymbol(x, y);
        if (code != SymbolCode::Wall)
            AddSymbolToStatus();
    });
    redrawingWholeGrid = false;
    canvas->SetDeferUpdates(false);
    CurrentSymbol = remembered;
    SetSymbolToShow();
    txtXandY->clear();
    ShowStatus();
}

void frmQuobixEditorZN::FromTextToGrid()
{
    ShowLevelInGrid();
    if (!LevelEditing::IsValidLevel())
        modMessages::ShowLoadedLevelInvalid();
}

void frmQuobixEditorZN::SetSymbolToShow()
{
    SymbolPicture = SkinPictures[CurrentSymbol];
    if (redrawingWholeGrid)
        return;
    txtSelected->setText(SymbolName(CurrentSymbol) + QStringLiteral(" selected"));
    txtRowAndCell->clear();
}

void frmQuobixEditorZN::ChangeGraphics()
{
    modQuobixEditorZN::LoadSkinPictures();
    ShowSymbolsToSelect();
    canvas->PaintPicture(*SkinPictures[EmptyGridPicture], geometry::GridPictureLeft, 0);
    const qint16 remembered = CurrentSymbol;
    canvas->SetDeferUpdates(true);
    ForEachSymbolCell([this](qint16 code, float x, float y) {
        CurrentSymbol = code;
        SymbolPicture = SkinPictures[code];
        ShowSymbol(x, y);
    });
    canvas->SetDeferUpdates(false);
    CurrentSymbol = remembered;
    SymbolPicture = SkinPictures[CurrentSymbol];
}

// --- Mouse editing ---------------------------------------------------------------------------

void frmQuobixEditorZN::ShowRowAndCell()
{
    txtRowAndCell->setText(
        QStringLiteral("Row =") + Num(CurrentRow) + QStringLiteral(", Cell =") + Num(CurrentCell));
}

void frmQuobixEditorZN::PlaceSymbolInCell()
{
    const Cell at { CurrentRow, CurrentCell };
    ShowSymbol(static_cast<float>(at.Corner().x()), static_cast<float>(at.Corner().y()));
    SetCharAt(LevelLines[1][CurrentRow], at.TextColumn(), SymbolChar(CurrentSymbol));
    AdaptStatus();
}

bool frmQuobixEditorZN::HitTest(float X, float Y)
{
    const auto hit = geometry::CellAt(QPointF(X, Y));
    if (!hit)
        return false;
    CurrentRow = static_cast<qint16>(hit->cell.row);
    CurrentCell = static_cast<qint16>(hit->cell.cell);
    return true;
}

void frmQuobixEditorZN::Form_MouseDown(qint16 Button, qint16, float X, float Y)
{
    if (Button >= MiddleButton || Dragging)
        return;
    bool ValidLocation = true;
    txtXandY->setText(QStringLiteral("X =") + Num(X) + QStringLiteral(", Y =") + Num(Y));
    txtRowAndCell->clear();
    if (Y > 0 && Y < geometry::GridBottom) {
        ValidLocation = HitTest(X, Y);
        if (ValidLocation) {
            // One step from press to release: a click, or a whole stroke of a drag.
            history->Begin(QStringLiteral("Paint"));
            ShowRowAndCell();
            ReplacedSymbol = SymbolIn({ CurrentRow, CurrentCell });
            if (mnuSequential->isChecked())
                SequentialSymbolSelection(Button);
            else
                RemoveMenIfAlreadyExists();
            PlaceSymbolInCell();
            if (Button == LeftButton && CurrentSymbol != SymbolCode::Man
                && CurrentSymbol != SymbolCode::ManOnTarget) {
                Dragging = true;
                DragRow = CurrentRow;
                DragCell = CurrentCell;
            } else {
                history->End();
            }
        }
    } else if (X >= 0 && X <= geometry::PaletteRight && Y >= geometry::PaletteTop
        && Y <= geometry::PaletteBottom) {
        ValidLocation = !mnuSequential->isChecked() && PickSymbolSelection(X, Y);
    } else {
        ValidLocation = false;
    }
    if (!ValidLocation)
        txtRowAndCell->setText(QStringLiteral("Invalid location"));
}

void frmQuobixEditorZN::Form_MouseMove(qint16, qint16, float X, float Y)
{
    if (!Dragging)
        return;
    bool ValidLocation = true;
    txtXandY->setText(QStringLiteral("X =") + Num(X) + QStringLiteral(", Y =") + Num(Y));
    if (Y > 0 && Y < geometry::GridBottom) {
        ValidLocation = HitTest(X, Y);
        if (ValidLocation && (CurrentRow != DragRow || CurrentCell != DragCell)) {
            ShowRowAndCell();
            ReplacedSymbol = SymbolIn({ CurrentRow, CurrentCell });
            PlaceSymbolInCell();
            DragRow = CurrentRow;
            DragCell = CurrentCell;
        }
    } else {
        ValidLocation = false;
    }
    if (!ValidLocation)
        txtRowAndCell->setText(QStringLiteral("Invalid location"));
}

void frmQuobixEditorZN::Form_MouseUp(qint16 Button, qint16, float, float)
{
    if (Button == LeftButton) {
        Dragging = false;
        history->End();
    }
}

bool frmQuobixEditorZN::PickSymbolSelection(float Xs, float Ys)
{
    const int slot = geometry::PaletteSlotAt(QPointF(Xs, Ys));
    if (slot < 0)
        return false;
    CurrentSymbol = static_cast<qint16>(slot);
    SetSymbolToShow();
    return true;
}

void frmQuobixEditorZN::SequentialSymbolSelection(qint16 ButtonNr)
{
    // A character that is no symbol steps as Floor would.
    using namespace SymbolCode;
    qint16 s = ReplacedSymbol >= Floor && ReplacedSymbol <= ManOnTarget ? ReplacedSymbol : Floor;
    if (ButtonNr == LeftButton)
        s = s == ManOnTarget ? Floor : s + 1;
    else
        s = s == Floor ? ManOnTarget : s - 1;
    CurrentSymbol = s;
    SymbolPicture = SkinPictures[s];
    txtSelected->setText(SymbolName(s) + QStringLiteral(" selected"));
}

void frmQuobixEditorZN::RemoveMenIfAlreadyExists()
{
    const auto changed = LevelEditing::RemoveMenBeforePlacing(CurrentSymbol, ReplacedSymbol);
    for (const LevelEditing::ChangedCell& cell : changed) {
        SymbolPicture = SkinPictures[cell.symbol];
        ShowSymbol(
            static_cast<float>(cell.at.Corner().x()), static_cast<float>(cell.at.Corner().y()));
    }
    if (!changed.isEmpty())
        SymbolPicture = SkinPictures[CurrentSymbol];
}

} // namespace quobix
