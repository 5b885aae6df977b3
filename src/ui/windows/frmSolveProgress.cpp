#include "windows/frmSolveProgress.h"

#include "windows/DialogSupport.h"

#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTimer>

namespace quobix {

frmSolveProgress::frmSolveProgress(
    QWidget* parent, const game::GamePosition& start, const game::SolverLimits& limits)
    : QDialog(parent)
{
    DialogSupport::SetUpFixedDialog(this, QStringLiteral("Solving..."), 300, 110);
    lblSearched = new QLabel(this);
    lblSearched->setGeometry(12, 12, 276, 20);
    lblElapsed = new QLabel(this);
    lblElapsed->setGeometry(12, 36, 276, 20);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setGeometry(110, 70, 80, 28);
    connect(cmdCancel, &QPushButton::clicked, this, &frmSolveProgress::cmdCancel_Click);

    std::packaged_task<game::SolveResult()> task(
        [this, start, limits] { return game::Solve(start, limits, &control); });
    finished = task.get_future();
    clock.start();
    worker = std::thread(std::move(task));

    // The search has ended once its result is there; a look every 50 ms keeps the window
    // live and answers Cancel well within a tenth of a second.
    timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, [this] {
        ShowProgress();
        if (finished.wait_for(std::chrono::seconds(0)) == std::future_status::ready) {
            timer->stop();
            result = finished.get();
            accept();
        }
    });
    timer->start(50);
    ShowProgress();
}

frmSolveProgress::~frmSolveProgress()
{
    control.cancel = true;
    if (worker.joinable())
        worker.join();
}

game::SolveResult frmSolveProgress::Run(
    QWidget* parent, const game::GamePosition& start, const game::SolverLimits& limits)
{
    frmSolveProgress window(parent, start, limits);
    window.exec();
    return window.Result();
}

void frmSolveProgress::cmdCancel_Click()
{
    control.cancel = true;
    cmdCancel->setEnabled(false);
}

void frmSolveProgress::reject()
{
    // Escape and the close box cancel; the window closes when the search has stopped.
    cmdCancel_Click();
}

void frmSolveProgress::ShowProgress()
{
    lblSearched->setText(QStringLiteral("Positions searched: %1")
                             .arg(QLocale().toString(static_cast<qulonglong>(
                                 control.searched.load(std::memory_order_relaxed)))));
    lblElapsed->setText(QStringLiteral("Elapsed time: %1 s")
                            .arg(static_cast<double>(clock.elapsed()) / 1000.0, 0, 'f', 1));
}

} // namespace quobix
