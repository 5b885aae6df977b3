#pragma once

#include "game/GamePosition.h"
#include "game/Solver.h"

#include <QDialog>
#include <QImage>
#include <vector>

class QLabel;
class QPushButton;
class QTimer;

namespace quobix {

class LevelDocument;

// Plays a copy of the level: the man moves by keys (keypad 7 9 4 6 1 3, or Q E A D Z C) or by
// clicks (a free cell he walks to, an object he walks up to and pushes); every step can be undone
// and redone, and a solution found by the solver waits to be stepped through with Redo or played
// with Replay.
class frmPlay : public QDialog {
    Q_OBJECT
public:
    // levelName titles the window; a level without a file has none.
    frmPlay(QWidget* parent, const game::GamePosition& start, const QString& levelName = {});

    // Opens the play window on a copy of a level, or says why the level cannot be played.
    static void PlayLevel(QWidget* parent, const LevelDocument& level);
    // Solves a level and offers to play the solution.
    static void SolveLevel(QWidget* parent, const LevelDocument& level);

    // Replaces the moves that Redo would play with these, one step each.
    void QueueMoves(const std::vector<game::GameMove>& moves);

    const game::GamePosition& Position() const { return position; }
    int MoveCount() const { return static_cast<int>(done); }
    int PushCount() const;
    // After the "Level Solved" notice: the man stays where he is until a step is undone.
    bool Finished() const { return finished; }
    bool Replaying() const;
    const QImage& Picture() const { return picture; }

    QLabel* lblStatus;
    QLabel* lblKeys;
    QPushButton* cmdUndo;
    QPushButton* cmdRedo;
    QPushButton* cmdReplay;
    QPushButton* cmdRestart;
    QPushButton* cmdSolve;
    QPushButton* cmdClose;

    // Moves per second of Replay.
    static constexpr int ReplaySpeed = 8;

public slots:
    bool MoveMan(game::Direction direction);
    // A click on a cell of the grid.
    void ClickCell(int row, int cell);
    void cmdUndo_Click();
    void cmdRedo_Click();
    void cmdReplay_Click();
    void cmdRestart_Click();
    void cmdSolve_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Makes moves as one step, the moves waiting for Redo kept when they are the same.
    void Walk(const std::vector<game::Direction>& directions);
    bool RedoOne();
    void UndoOne();
    void StopReplay();
    void AfterMoves(bool wasSolved);
    void Redraw();
    void ShowStatus();

    game::GamePosition start;
    game::GamePosition position;
    // The moves made and those waiting for Redo; endsStep marks the last move of each step.
    std::vector<game::GameMove> history;
    std::vector<bool> endsStep;
    std::size_t done = 0; // moves of history made
    bool finished = false;
    QString solutionNote;
    QImage picture;
    QTimer* replay;
};

} // namespace quobix
