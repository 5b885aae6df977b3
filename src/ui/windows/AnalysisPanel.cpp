#include "windows/AnalysisPanel.h"

#include "editor/GridCanvas.h"
#include "game/SolutionNotation.h"
#include "game/SolverSettings.h"
#include "level/LevelDocument.h"
#include "windows/frmPlay.h"

#include <QCheckBox>
#include <QClipboard>
#include <QFormLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTimer>

namespace quobix {

namespace {
    QString Number(std::uint64_t n)
    {
        return QLocale(QLocale::English, QLocale::UnitedStates)
            .toString(static_cast<qulonglong>(n));
    }

    QLabel* Value(QWidget* parent)
    {
        auto* label = new QLabel(parent);
        label->setWordWrap(true);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        return label;
    }
}

AnalysisPanel::AnalysisPanel(QWidget* parent, LevelDocument& level, GridCanvas* canvas)
    : QWidget(parent)
    , level(level)
    , canvas(canvas)
{
    setFixedWidth(PanelWidth);
    auto* form = new QFormLayout(this);
    form->setRowWrapPolicy(QFormLayout::WrapLongRows);
    auto* title = new QLabel(QStringLiteral("<b>Analysis</b>"), this);
    form->addRow(title);
    const auto row = [&](const char* caption, QLabel*& value) {
        value = Value(this);
        form->addRow(QString::fromLatin1(caption), value);
    };
    row("Validity:", lblValidity);
    row("Walls:", lblWalls);
    row("Solvability:", lblSolvability);
    row("Pushes:", lblPushes);
    row("Moves:", lblMoves);
    row("Object changes:", lblObjectChanges);
    row("Positions:", lblPositions);
    row("Dead cells:", lblDeadCells);
    chkShowDeadCells = new QCheckBox(QStringLiteral("Show dead cells"), this);
    form->addRow(chkShowDeadCells);
    cmdPlaySolution = new QPushButton(QStringLiteral("Play Solution"), this);
    cmdCopySolution = new QPushButton(QStringLiteral("Copy Solution"), this);
    form->addRow(cmdPlaySolution);
    form->addRow(cmdCopySolution);
    for (QPushButton* button : { cmdPlaySolution, cmdCopySolution }) {
        // The keys stay with the grid's window.
        button->setFocusPolicy(Qt::NoFocus);
        button->setEnabled(false);
    }
    chkShowDeadCells->setFocusPolicy(Qt::NoFocus);
    connect(cmdPlaySolution, &QPushButton::clicked, this, &AnalysisPanel::cmdPlaySolution_Click);
    connect(cmdCopySolution, &QPushButton::clicked, this, &AnalysisPanel::cmdCopySolution_Click);
    connect(chkShowDeadCells, &QCheckBox::toggled, this, &AnalysisPanel::chkShowDeadCells_Click);

    pause = new QTimer(this);
    pause->setSingleShot(true);
    pause->setInterval(PauseMilliseconds);
    connect(pause, &QTimer::timeout, this, &AnalysisPanel::StartAnalysis);
    poll = new QTimer(this);
    poll->setInterval(100);
    connect(poll, &QTimer::timeout, this, &AnalysisPanel::Poll);
    view = level.AddView([this](const LevelChange& change) { LevelChanged(change); });
    limits.seconds = game::DefaultAnalysisSeconds;
    ShowValidity();
}

AnalysisPanel::~AnalysisPanel()
{
    level.RemoveView(view);
    CancelSearch();
    for (auto& search : retired)
        search->worker.join();
}

void AnalysisPanel::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    AnalyseNow();
}

void AnalysisPanel::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    pause->stop();
    CancelSearch();
    canvas->SetMarks({}, {});
}

void AnalysisPanel::LevelChanged(const LevelChange& change)
{
    if (change.kind == LevelChange::Kind::File || change.kind == LevelChange::Kind::Texts)
        return;
    ShowValidity();
    if (!isVisible())
        return;
    // The rest waits until the level has not changed for a moment; painting stays as fast.
    CancelSearch();
    if (lblSolvability->text() != QStringLiteral("\u2026")) {
        ClearFigures();
        lblSolvability->setText(QStringLiteral("\u2026"));
        canvas->SetMarks({}, {});
    }
    pause->start();
}

void AnalysisPanel::ShowValidity()
{
    lblValidity->setText(game::ValidityText(level.ManCount, level.ObjectCount, level.TargetCount));
}

void AnalysisPanel::AnalyseNow()
{
    pause->stop();
    CancelSearch();
    StartAnalysis();
}

void AnalysisPanel::ClearFigures()
{
    for (QLabel* label : { lblPushes, lblMoves, lblObjectChanges, lblPositions })
        label->clear();
    cmdPlaySolution->setEnabled(false);
    cmdCopySolution->setEnabled(false);
    decided = false;
}

void AnalysisPanel::StartAnalysis()
{
    ClearFigures();
    ShowValidity();
    position = game::GamePosition::FromLevel(level);
    dead = {};
    stuck.clear();
    const bool oneMan = position.MenInLevel() == 1;
    const bool open = oneMan && position.ManCanLeave();
    lblWalls->setText(!oneMan ? QStringLiteral("\u2014")
            : open            ? QStringLiteral("Open")
                              : QStringLiteral("Closed"));
    if (oneMan && !open) {
        dead = game::FindDeadCells(position);
        stuck = game::StuckObjects(position, dead);
        lblDeadCells->setText(QString::number(dead.count));
    } else {
        lblDeadCells->setText(open ? QStringLiteral("Open") : QStringLiteral("\u2014"));
    }
    ShowMarks();
    if (position.Check() != game::Playability::Playable) {
        lblSolvability->setText(open ? QStringLiteral("Open") : QStringLiteral("Invalid"));
        return;
    }
    running = std::make_unique<Search>();
    Search* search = running.get();
    std::packaged_task<game::SolveResult()> task([search, start = position, limits = limits] {
        return game::Solve(start, limits, &search->control);
    });
    search->finished = task.get_future();
    search->worker = std::thread(std::move(task));
    clock.start();
    lblSolvability->setText(QStringLiteral("Searching\u2026 0 positions"));
    poll->start();
}

void AnalysisPanel::CancelSearch()
{
    if (!running)
        return;
    running->control.cancel = true;
    retired.push_back(std::move(running));
    poll->start();
}

void AnalysisPanel::Poll()
{
    const auto ready = [](Search& search) {
        return search.finished.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
    };
    for (auto it = retired.begin(); it != retired.end();) {
        if (ready(**it)) {
            (*it)->worker.join();
            it = retired.erase(it);
        } else {
            ++it;
        }
    }
    if (running) {
        lblSolvability->setText(QStringLiteral("Searching\u2026 %1 positions")
                                    .arg(Number(running->control.searched.load())));
        if (ready(*running)) {
            result = running->finished.get();
            running->worker.join();
            running.reset();
            ShowResult();
        }
    }
    if (!running && retired.empty())
        poll->stop();
}

void AnalysisPanel::ShowResult()
{
    using game::SolveOutcome;
    lblPositions->setText(Number(result.positionsSearched));
    if (result.outcome == SolveOutcome::Solved) {
        decided = true;
        const auto moves
            = game::ParseSolution(result.solution).value_or(std::vector<game::GameMove> {});
        lblSolvability->setText(QStringLiteral("Solvable: %1 %2, %3 %4")
                                    .arg(result.pushes)
                                    .arg(QLatin1String(result.pushes == 1 ? "push" : "pushes"))
                                    .arg(result.moves)
                                    .arg(QLatin1String(result.moves == 1 ? "move" : "moves")));
        lblPushes->setText(QString::number(result.pushes));
        lblMoves->setText(QString::number(result.moves));
        lblObjectChanges->setText(QString::number(game::ObjectChanges(position, moves)));
        cmdPlaySolution->setEnabled(true);
        cmdCopySolution->setEnabled(true);
    } else if (result.outcome == SolveOutcome::Unsolvable) {
        decided = true;
        lblSolvability->setText(QStringLiteral("Unsolvable"));
    } else {
        lblSolvability->setText(QStringLiteral("Not decided within %1 s").arg(limits.seconds));
    }
}

void AnalysisPanel::ShowMarks()
{
    if (!chkShowDeadCells->isChecked()) {
        canvas->SetMarks({}, {});
        return;
    }
    std::vector<int> deadCells;
    for (int cell = 0; cell < game::GridCellTotal; ++cell)
        if (dead.dead[cell])
            deadCells.push_back(cell);
    canvas->SetMarks(deadCells, stuck);
}

void AnalysisPanel::chkShowDeadCells_Click() { ShowMarks(); }

void AnalysisPanel::cmdPlaySolution_Click()
{
    if (!decided || result.outcome != game::SolveOutcome::Solved)
        return;
    frmPlay window(this->window(), position, level.LevelFileName);
    window.QueueMoves(
        game::ParseSolution(result.solution).value_or(std::vector<game::GameMove> {}));
    window.exec();
}

void AnalysisPanel::cmdCopySolution_Click()
{
    if (decided && result.outcome == game::SolveOutcome::Solved)
        QGuiApplication::clipboard()->setText(result.solution);
}

} // namespace quobix
