#pragma once

#include "game/Analysis.h"
#include "game/GamePosition.h"
#include "game/Solver.h"

#include <QElapsedTimer>
#include <QWidget>
#include <future>
#include <list>
#include <memory>
#include <thread>
#include <vector>

class QCheckBox;
class QLabel;
class QPushButton;
class QTimer;

namespace quobix {

class GridCanvas;
class LevelDocument;
struct LevelChange;

// The analysis beside the grid: what is wrong with the level, whether the man can walk off the
// grid, whether the level can be solved and how hard it is, and its dead cells. It follows every
// change of the level; the solver runs on a worker thread once the level has not changed for a
// short pause, and a change cancels it. The editor never waits for it.
class AnalysisPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int PanelWidth = 220;
    // Changes closer together than this are one change to the analysis.
    static constexpr int PauseMilliseconds = 200;

    AnalysisPanel(QWidget* parent, LevelDocument& level, GridCanvas* canvas);
    ~AnalysisPanel() override;

    QLabel* lblValidity;
    QLabel* lblWalls;
    QLabel* lblSolvability;
    QLabel* lblPushes;
    QLabel* lblMoves;
    QLabel* lblObjectChanges;
    QLabel* lblPositions;
    QLabel* lblDeadCells;
    QCheckBox* chkShowDeadCells;
    QPushButton* cmdPlaySolution;
    QPushButton* cmdCopySolution;

    // The search that decides the level: its limits, whether one is running, and its result.
    void SetLimits(const game::SolverLimits& limits) { this->limits = limits; }
    bool Searching() const { return running != nullptr; }
    const game::SolveResult& Result() const { return result; }
    const game::DeadCells& Dead() const { return dead; }
    const std::vector<int>& Stuck() const { return stuck; }

    // Analyses the level now, without the pause (a level shown for the first time).
    void AnalyseNow();

public slots:
    void cmdPlaySolution_Click();
    void cmdCopySolution_Click();
    void chkShowDeadCells_Click();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    struct Search {
        game::SolveControl control;
        std::future<game::SolveResult> finished;
        std::thread worker;
    };

    void LevelChanged(const LevelChange& change);
    void ShowValidity();
    void StartAnalysis();
    void CancelSearch();
    void Poll();
    void ShowResult();
    void ShowMarks();
    void ClearFigures();

    LevelDocument& level;
    GridCanvas* canvas;
    int view;
    game::SolverLimits limits;
    game::GamePosition position;
    game::DeadCells dead;
    std::vector<int> stuck;
    game::SolveResult result;
    bool decided = false;
    std::unique_ptr<Search> running;
    // Cancelled searches wind down on their own; they are joined once they have ended.
    std::list<std::unique_ptr<Search>> retired;
    QTimer* pause;
    QTimer* poll;
    QElapsedTimer clock;
};

} // namespace quobix
