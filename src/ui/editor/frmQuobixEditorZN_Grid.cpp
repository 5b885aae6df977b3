// The main window's grid: drawing the level as it changes, the counts shown and mouse editing.
// The level logic they call is the level's own (LevelDocument, geometry).
#include "editor/frmQuobixEditorZN.h"

#include "editor/EditHistory.h"
#include "editor/GridCanvas.h"
#include "editor/LevelPicture.h"
#include "editor/modQuobixEditorZN.h"
#include "geometry/GridGeometry.h"
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
}

void frmQuobixEditorZN::LevelChanged(const LevelChange& change)
{
    if (change.kind != LevelChange::Kind::File && change.kind != LevelChange::Kind::Texts)
        EnableCopy();
    switch (change.kind) {
    case LevelChange::Kind::Cells:
        for (const Cell& at : change.cells) {
            const qint16 code = level.SymbolAt(at);
            if (code == SymbolCode::None)
                continue;
            SymbolPicture = SkinPictures[code];
            ShowSymbol(static_cast<float>(at.Corner().x()), static_cast<float>(at.Corner().y()));
        }
        SymbolPicture = SkinPictures[CurrentSymbol];
        ShowStatus();
        break;
    case LevelChange::Kind::Cleared:
        ShowEmptyGrid();
        break;
    case LevelChange::Kind::Grid:
        ShowLevelInGrid();
        break;
    case LevelChange::Kind::File:
        MainFormTitle();
        break;
    case LevelChange::Kind::Texts:
        break;
    }
}

// --- Status counters ---------------------------------------------------------------------

void frmQuobixEditorZN::ShowStatus()
{
    txtObjects->setText(QStringLiteral("Objects =") + Num(level.ObjectCount));
    txtTargets->setText(QStringLiteral("Targets =") + Num(level.TargetCount));
    txtMen->setText(QStringLiteral("Men =") + Num(level.ManCount));
}

// --- Drawing -------------------------------------------------------------------------------

void frmQuobixEditorZN::ShowSymbol(float X, float Y)
{
    if (SymbolPicture)
        canvas->PaintCell(*SymbolPicture, static_cast<int>(X), static_cast<int>(Y));
}

void frmQuobixEditorZN::ShowEmptyGrid()
{
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
    LevelPicture::Draw(canvas->Backing(), level);
    canvas->update();
    SetSymbolToShow();
    txtXandY->clear();
    ShowStatus();
}

void frmQuobixEditorZN::SetSymbolToShow()
{
    SymbolPicture = SkinPictures[CurrentSymbol];
    txtSelected->setText(SymbolName(CurrentSymbol) + QStringLiteral(" selected"));
    txtRowAndCell->clear();
}

void frmQuobixEditorZN::ChangeGraphics()
{
    modQuobixEditorZN::LoadSkinPictures();
    ShowSymbolsToSelect();
    LevelPicture::Draw(canvas->Backing(), level);
    canvas->update();
    SymbolPicture = SkinPictures[CurrentSymbol];
}

// --- Mouse editing ---------------------------------------------------------------------------

void frmQuobixEditorZN::ShowRowAndCell()
{
    txtRowAndCell->setText(
        QStringLiteral("Row =") + Num(CurrentRow) + QStringLiteral(", Cell =") + Num(CurrentCell));
}

void frmQuobixEditorZN::PlaceSymbolInCell(bool oneMan)
{
    level.Place({ CurrentRow, CurrentCell }, CurrentSymbol, oneMan);
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
            ReplacedSymbol = level.SymbolAt({ CurrentRow, CurrentCell });
            const bool sequential = mnuSequential->isChecked();
            if (sequential)
                SequentialSymbolSelection(Button);
            PlaceSymbolInCell(!sequential);
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
            ReplacedSymbol = level.SymbolAt({ CurrentRow, CurrentCell });
            // A drag paints no man, so the one-man rule has nothing to do.
            PlaceSymbolInCell(false);
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

} // namespace quobix
