#pragma once

#include "files/RecentLevels.h"

#include <QMainWindow>
#include <initializer_list>
#include <memory>

class QAction;
class QLineEdit;
class QMenu;
class QUndoStack;

namespace quobix {

class EditHistory;
class GridCanvas;
class SkinWindow;

// The main window: the grid, the symbol palette, the status line and the menus.
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
    QAction* mnuExit;
    QMenu* mnuEdit;
    QAction* mnuUndo;
    QAction* mnuRedo;
    QMenu* mnuLevel;
    QAction* mnuClear;
    QAction* mnuDisplace;
    QAction* mnuQBX;
    QAction* mnuInfo;
    QAction* mnuPlay;
    QAction* mnuSolve;
    QAction* mnuSolverLimits;
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
    QUndoStack* UndoStack() const { return undoStack; }
    RecentLevels& Recent() { return recent; }

    // Mouse events of the client area, with the button's code; Shift is unused.
    static constexpr qint16 LeftButton = 1;
    static constexpr qint16 RightButton = 2;
    static constexpr qint16 MiddleButton = 4;
    void Form_MouseDown(qint16 Button, qint16 Shift, float X, float Y);
    void Form_MouseMove(qint16 Button, qint16 Shift, float X, float Y);
    void Form_MouseUp(qint16 Button, qint16 Shift, float X, float Y);

    // Status counters.
    void TakeSymbolFromStatus();
    void AddSymbolToStatus();
    void AdaptStatus();
    void ShowStatus();

    // Drawing.
    void ShowEmptyGrid();
    void ShowSymbol(float X, float Y);
    void ShowSymbolsToSelect();
    void ShowLevelInGrid();
    void FromTextToGrid();

    // Opens a level file as Load does, without the load window: the same messages, title and
    // state; its folder is where the load window opens next.
    void OpenLevelFile(const QString& path);
    // Opens one of the recent levels; a file that is gone leaves the list.
    void OpenRecentLevel(const QString& path);
    // The recent levels' submenu as the list stands now.
    void RefreshRecentLevels();
    // A level file just loaded or saved joins the recent levels; nothing for an empty path.
    void RememberDone(const QString& path);
    void ChangeGraphics();

    // Symbol selection.
    void RemoveMenIfAlreadyExists();
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
    void mnuHelp_Click();
    void mnuHelpPlaying_Click();
    void mnuAbout_Click();
    void mnuKRV_Click();
    void mnuTLM_Click();
    void mnuBNZ_Click();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void Form_Activate();
    // After a load: the level drawn and counted, with its warnings.
    void ShowLoadedLevel();
    void Form_Unload();

    void BuildMenus();
    void BuildStatusLine();
    // Draws SymbolPicture in the cell (CurrentRow, CurrentCell), writes CurrentSymbol's
    // character there and updates the counts.
    void PlaceSymbolInCell();
    // The cell under a point of the grid band into CurrentRow and CurrentCell; false on an
    // outline or off the grid, which leaves them as they were.
    bool HitTest(float X, float Y);
    void ShowRowAndCell();
    static void CheckOnly(QAction* item, std::initializer_list<QAction*> group);
    // Switches to the given skin unless its item is already checked.
    void SelectSkin(QAction* item, SkinWindow* (*instance)());

    GridCanvas* canvas;
    // The cell hit last, the symbol that a click or drag replaces there, and the cell a drag is in.
    qint16 CurrentRow = 0;
    qint16 CurrentCell = 0;
    qint16 ReplacedSymbol = 0;
    bool Dragging = false;
    qint16 DragRow = 0;
    qint16 DragCell = 0;
    // True while ShowLevelInGrid draws cell after cell: the status fields, which show only
    // the end result, are written once when it has finished.
    bool redrawingWholeGrid = false;
    QUndoStack* undoStack;
    std::unique_ptr<EditHistory> history;
    RecentLevels recent;
};

} // namespace quobix
