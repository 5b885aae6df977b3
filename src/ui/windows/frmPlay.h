#pragma once

#include "game/GamePosition.h"
#include "game/Solver.h"

#include <QDialog>
#include <QImage>
#include <vector>

class QLabel;
class QPushButton;

namespace quobix {

// Plays a copy of the level: the man moves by keys (keypad 7 9 4 6 1 3, or Q E A D Z C) or by
// clicks (a free cell he walks to, an object next to him he pushes); every move can be undone
// and redone, and a solution found by the solver waits to be stepped through with Redo.
class frmPlay : public QDialog {
    Q_OBJECT
public:
    frmPlay(QWidget* parent, const game::GamePosition& start);

    // Opens the play window on the level being edited, or says why the level cannot be played.
    static void PlayLevel(QWidget* parent);
    // Solves the level being edited and offers to play the solution.
    static void SolveLevel(QWidget* parent);

    // Replaces the moves that Redo would play with these.
    void QueueMoves(const std::vector<game::GameMove>& moves);

    const game::GamePosition& Position() const { return position; }
    int MoveCount() const { return static_cast<int>(done); }
    int PushCount() const;
    const QImage& Picture() const { return picture; }

    QLabel* lblStatus;
    QPushButton* cmdUndo;
    QPushButton* cmdRedo;
    QPushButton* cmdRestart;
    QPushButton* cmdSolve;
    QPushButton* cmdClose;

public slots:
    bool MoveMan(game::Direction direction);
    // A click on a cell of the grid.
    void ClickCell(int row, int cell);
    void cmdUndo_Click();
    void cmdRedo_Click();
    void cmdRestart_Click();
    void cmdSolve_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void AfterMoves(bool wasSolved);
    void Redraw();
    void ShowStatus();

    game::GamePosition start;
    game::GamePosition position;
    std::vector<game::GameMove> history;
    std::size_t done = 0; // moves of history made; the rest wait for Redo
    QImage picture;
};

} // namespace quobix
