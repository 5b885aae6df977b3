#pragma once

#include "dialogs/frmLoadOrSave.h"
#include "files/RecentLevels.h"
#include "level/LevelDocument.h"

#include <QMainWindow>
#include <initializer_list>
#include <memory>

class QAction;
class QLineEdit;
class QMenu;
class QUndoStack;

namespace quobix {

class AnalysisPanel;
class EditHistory;
class GridCanvas;
class SkinWindow;

// The main window: the grid, the symbol palette, the status line and the menus. It holds the
// level being edited and draws it as the level tells it what changed.
class frmQuobixEditorZN : public QMainWindow {
    Q_OBJECT
public:
    explicit frmQuobixEditorZN(QWidget* parent = nullptr);
    ~frmQuobixEditorZN() override;

    // Menus and items, named as the program names them.
    QMenu* mnuFile;
    QAction* mnuNew;
    QAction* mnuLoad;
    QMenu* mnuRecent;
    QAction* mnuSave;
    QAction* mnuSaveAs;
    QAction* mnuExportPicture;
    QAction* mnuExit;
    QMenu* mnuEdit;
    QAction* mnuUndo;
    QAction* mnuRedo;
    QAction* mnuCopy;
    QAction* mnuCopyXsb;
    QAction* mnuPaste;
    QMenu* mnuLevel;
    QAction* mnuClear;
    QAction* mnuDisplace;
    QAction* mnuQBX;
    QAction* mnuInfo;
    QAction* mnuPlay;
    QAction* mnuSolve;
    QAction* mnuSolverLimits;
    QAction* mnuShowAnalysis;
    QMenu* mnuSymbols;
    QAction* mnuPick;
    QAction* mnuSequential;
    QMenu* mnuSkin;
    QAction* mnuKRV;
    QAction* mnuTLM;
    QAction* mnuBNZ;
    QMenu* mnuHlp;
    QAction* mnuHelp;
    QAction* mnuHelpPlaying;
    QAction* mnuAbout;

    QLineEdit* txtSelected;
    QLineEdit* txtXandY;
    QLineEdit* txtRowAndCell;
    QLineEdit* txtObjects;
    QLineEdit* txtTargets;
    QLineEdit* txtMen;

    GridCanvas* Canvas() const { return canvas; }
    AnalysisPanel* Analysis() const { return analysis; }
    QUndoStack* UndoStack() const { return undoStack; }
    RecentLevels& Recent() { return recent; }
    LevelDocument& Level() { return level; }
    LoadSaveState& LoadSave() { return loadSave; }

    // Mouse events of the client area, with the button's code; Shift is unused.
    static constexpr qint16 LeftButton = 1;
    static constexpr qint16 RightButton = 2;
    static constexpr qint16 MiddleButton = 4;
    void Form_MouseDown(qint16 Button, qint16 Shift, float X, float Y);
    void Form_MouseMove(qint16 Button, qint16 Shift, float X, float Y);
    void Form_MouseUp(qint16 Button, qint16 Shift, float X, float Y);

    // The counts of the level in the status line.
    void ShowStatus();

    // Drawing.
    void ShowEmptyGrid();
    void ShowSymbol(float X, float Y);
    void ShowSymbolsToSelect();
    void ShowLevelInGrid();

    // Opens a level file as Load does, without the load window: the same messages, title and
    // state; its folder is where the load window opens next. False when it was not read.
    bool OpenLevelFile(const QString& path);
    // Opens one of the recent levels; a file that is gone leaves the list.
    void OpenRecentLevel(const QString& path);
    // The recent levels' submenu as the list stands now.
    void RefreshRecentLevels();
    // A level file just loaded or saved joins the recent levels; nothing for an empty path.
    void RememberDone(const QString& path);
    void ChangeGraphics();

    // Symbol selection.
    // False when the point is between the palette's slots.
    bool PickSymbolSelection(float Xs, float Ys);
    void SequentialSymbolSelection(qint16 ButtonNr);

    void MainFormTitle();
    void SetSymbolToShow();

public slots:
    void mnuNew_Click();
    void mnuLoad_Click();
    void mnuSave_Click();
    void mnuSaveAs_Click();
    void mnuExportPicture_Click();
    void mnuCopy_Click();
    void mnuCopyXsb_Click();
    void mnuPaste_Click();
    void mnuExit_Click();
    void mnuClear_Click();
    void mnuPick_Click();
    void mnuSequential_Click();
    void mnuDisplace_Click();
    void mnuQBX_Click();
    void mnuInfo_Click();
    void mnuPlay_Click();
    void mnuSolve_Click();
    void mnuSolverLimits_Click();
    void mnuShowAnalysis_Click();
    void mnuHelp_Click();
    void mnuHelpPlaying_Click();
    void mnuAbout_Click();
    void mnuKRV_Click();
    void mnuTLM_Click();
    void mnuBNZ_Click();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // A level file dropped from a file manager opens as Load would; anything else is refused.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void Form_Load();
    void Form_Activate();
    // A level loaded becomes the one edited, with a new history; then its warnings.
    void ShowLoadedLevel(const LoadResult& loaded);
    void Form_Unload();
    // Draws what changed in the level.
    void LevelChanged(const LevelChange& change);

    void BuildMenus();
    // Shows or hides the analysis beside the grid, with the limits as the settings have them.
    void ShowAnalysis(bool shown);
    // Copy is there for a level, Paste for text on the clipboard.
    void EnableCopy();
    void EnablePaste();
    void CopyLevel(qint16 notation);
    void BuildStatusLine();
    // Puts CurrentSymbol into the cell (CurrentRow, CurrentCell), with the one-man rule when
    // symbols are picked.
    void PlaceSymbolInCell(bool oneMan);
    // The cell under a point of the grid band into CurrentRow and CurrentCell; false on an
    // outline or off the grid, which leaves them as they were.
    bool HitTest(float X, float Y);
    void ShowRowAndCell();
    static void CheckOnly(QAction* item, std::initializer_list<QAction*> group);
    // Switches to the given skin unless its item is already checked.
    void SelectSkin(QAction* item, SkinWindow* (*instance)());

    LevelDocument level;
    LoadSaveState loadSave;
    GridCanvas* canvas;
    AnalysisPanel* analysis;
    // The symbol a click places (picked, or stepped to), the cell hit last, the symbol that a
    // click or drag replaces there, and the cell a drag is in.
    qint16 CurrentSymbol = SymbolCode::Wall;
    qint16 CurrentRow = 0;
    qint16 CurrentCell = 0;
    qint16 ReplacedSymbol = 0;
    bool Dragging = false;
    qint16 DragRow = 0;
    qint16 DragCell = 0;
    QUndoStack* undoStack;
    std::unique_ptr<EditHistory> history;
    RecentLevels recent;
};

} // namespace quobix
