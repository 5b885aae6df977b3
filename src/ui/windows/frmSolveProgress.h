#pragma once

#include "game/Solver.h"

#include <QDialog>
#include <QElapsedTimer>
#include <future>
#include <thread>

class QLabel;
class QPushButton;
class QTimer;

namespace quobix {

// Runs the solver on a worker thread while it shows the positions searched and the time
// spent; Cancel (or closing the window) stops the search within a fraction of a second.
class frmSolveProgress : public QDialog {
    Q_OBJECT
public:
    frmSolveProgress(
        QWidget* parent, const game::GamePosition& start, const game::SolverLimits& limits);
    ~frmSolveProgress() override;

    // Shows the window until the search ends; a cancelled search gives up with Cancelled.
    static game::SolveResult Run(
        QWidget* parent, const game::GamePosition& start, const game::SolverLimits& limits);

    game::SolveResult Result() const { return result; }

    QLabel* lblSearched;
    QLabel* lblElapsed;
    QPushButton* cmdCancel;

public slots:
    void cmdCancel_Click();

protected:
    void reject() override;

private:
    void ShowProgress();

    game::SolveControl control;
    std::future<game::SolveResult> finished;
    std::thread worker;
    game::SolveResult result;
    QElapsedTimer clock;
    QTimer* timer;
};

} // namespace quobix
