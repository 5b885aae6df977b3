#include "windows/frmPlay.h"

#include "editor/GridCanvas.h"
#include "editor/modQuobixEditorZN.h"
#include "game/SolutionNotation.h"
#include "game/SolverSettings.h"
#include "geometry/GridGeometry.h"
#include "platform/MessageSeam.h"
#include "skins/SkinState.h"
#include "windows/DialogSupport.h"
#include "windows/frmSolveProgress.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

namespace quobix {

using game::Direction;
using game::GameMove;
using game::GamePosition;

namespace {
    constexpr int PictureHeight = 530;
    constexpr int ButtonTop = PictureHeight + 56;

    const QString SolveTitle = QStringLiteral("Solve Level");

    // Says why a level cannot be played; true when it can.
    bool Playable(const GamePosition& level, const QString& title)
    {
        switch (level.Check()) {
        case game::Playability::Invalid:
            ShowMessageBox(QStringLiteral("This level is invalid: it needs exactly one man, as "
                                          "many objects as targets and at least one target."),
                title, MsgButtons::OK, MsgIcon::Exclamation);
            return false;
        case game::Playability::Open:
            ShowMessageBox(QStringLiteral("The man can walk off the grid: this level is open."
                                          "\rClose it with walls first."),
                title, MsgButtons::OK, MsgIcon::Exclamation);
            return false;
        case game::Playability::Playable:
            break;
        }
        return true;
    }

    // True (and says so) when every object already stands on a target: nothing to solve.
    bool AlreadySolved(const GamePosition& level)
    {
        if (!level.IsSolved())
            return false;
        ShowMessageBox(QStringLiteral("This level is already solved."), SolveTitle, MsgButtons::OK,
            MsgIcon::Information);
        return true;
    }

    // Tells the outcome of a search that found nothing; nothing for a search the user cancelled.
    void ReportNoSolution(const game::SolveResult& result, const game::SolverLimits& limits)
    {
        QString text;
        if (result.outcome == game::SolveOutcome::Unsolvable)
            text = QStringLiteral("This level cannot be solved from here.");
        else if (result.limit == game::SolveLimit::Time)
            text = QStringLiteral("The solver gave up at its time limit of %1 s.")
                       .arg(limits.seconds);
        else if (result.limit == game::SolveLimit::Memory)
            text = QStringLiteral("The solver gave up at its memory limit of %1 MiB.")
                       .arg(limits.memoryBytes >> 20);
        if (!text.isEmpty())
            ShowMessageBox(text, SolveTitle, MsgButtons::OK, MsgIcon::Exclamation);
    }

    // The solution in lines of 60 letters, so that a long one keeps the message box narrow;
    // copied, the line breaks are white space that a solution may hold.
    QString Broken(const QString& solution)
    {
        QStringList lines;
        for (qsizetype i = 0; i < solution.size(); i += 60)
            lines << solution.mid(i, 60);
        return lines.join(QLatin1Char('\r'));
    }

    QPushButton* Button(QWidget* parent, const char* caption, int x, int width)
    {
        auto* button = new QPushButton(QString::fromUtf8(caption), parent);
        button->setGeometry(x, ButtonTop, width, 28);
        // The keys belong to the man, never to a button.
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoDefault(false);
        return button;
    }
}

frmPlay::frmPlay(QWidget* parent, const GamePosition& start, const QString& levelName)
    : QDialog(parent)
    , start(start)
    , position(start)
    , picture(GridCanvas::ClientWidth, PictureHeight, QImage::Format_RGB32)
{
    DialogSupport::SetUpFixedDialog(this,
        levelName.isEmpty() ? QStringLiteral("Play Level")
                            : QStringLiteral("Play Level: ") + levelName,
        GridCanvas::ClientWidth, ButtonTop + 36);
    setFocusPolicy(Qt::StrongFocus);
    lblStatus = new QLabel(this);
    lblStatus->setGeometry(8, PictureHeight + 4, GridCanvas::ClientWidth - 16, 22);
    lblKeys = new QLabel(QStringLiteral("Keys: Q E A D Z C or keypad 7 9 4 6 1 3 \u2013 \u2190 "
                                        "\u2192 go west and east, \u2191 \u2193 have no direction "
                                        "on this grid \u2013 click: walk or push"),
        this);
    lblKeys->setGeometry(8, PictureHeight + 28, GridCanvas::ClientWidth - 16, 22);
    cmdUndo = Button(this, "Undo", 8, 80);
    cmdRedo = Button(this, "Redo / Step", 96, 100);
    cmdReplay = Button(this, "Replay", 204, 80);
    cmdRestart = Button(this, "Restart", 292, 80);
    cmdSolve = Button(this, "Solve", 380, 80);
    cmdClose = Button(this, "Close", GridCanvas::ClientWidth - 88, 80);
    connect(cmdUndo, &QPushButton::clicked, this, &frmPlay::cmdUndo_Click);
    connect(cmdRedo, &QPushButton::clicked, this, &frmPlay::cmdRedo_Click);
    connect(cmdReplay, &QPushButton::clicked, this, &frmPlay::cmdReplay_Click);
    connect(cmdRestart, &QPushButton::clicked, this, &frmPlay::cmdRestart_Click);
    connect(cmdSolve, &QPushButton::clicked, this, &frmPlay::cmdSolve_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);
    replay = new QTimer(this);
    replay->setInterval(1000 / ReplaySpeed);
    connect(replay, &QTimer::timeout, this, [this] {
        const bool wasSolved = position.IsSolved();
        if (finished || !RedoOne())
            StopReplay();
        AfterMoves(wasSolved);
    });
    Redraw();
    ShowStatus();
}

void frmPlay::PlayLevel(QWidget* parent, const LevelDocument& document)
{
    const GamePosition level = GamePosition::FromLevel(document);
    if (!Playable(level, QStringLiteral("Play Level")))
        return;
    frmPlay window(parent, level, document.LevelFileName);
    window.exec();
}

void frmPlay::SolveLevel(QWidget* parent, const LevelDocument& document)
{
    const GamePosition level = GamePosition::FromLevel(document);
    if (!Playable(level, SolveTitle) || AlreadySolved(level))
        return;
    const game::SolverLimits limits = game::StoredSolverLimits();
    const game::SolveResult result = frmSolveProgress::Run(parent, level, limits);
    if (result.outcome != game::SolveOutcome::Solved) {
        ReportNoSolution(result, limits);
        return;
    }
    if (ShowMessageBox(QStringLiteral("Solved in %1 pushes and %2 moves:\r%3\rPlay the solution?")
                           .arg(result.pushes)
                           .arg(result.moves)
                           .arg(Broken(result.solution)),
            SolveTitle, MsgButtons::YesNo, MsgIcon::Question)
        != vbYes)
        return;
    frmPlay window(parent, level, document.LevelFileName);
    window.QueueMoves(game::ParseSolution(result.solution).value_or(std::vector<GameMove> {}));
    window.exec();
}

void frmPlay::QueueMoves(const std::vector<GameMove>& moves)
{
    history.resize(done);
    endsStep.resize(done);
    history.insert(history.end(), moves.begin(), moves.end());
    endsStep.insert(endsStep.end(), moves.size(), true);
    ShowStatus();
}

int frmPlay::PushCount() const
{
    return static_cast<int>(
        std::count_if(history.begin(), history.begin() + static_cast<std::ptrdiff_t>(done),
            [](const GameMove& move) { return move.push; }));
}

bool frmPlay::Replaying() const { return replay->isActive(); }

void frmPlay::Walk(const std::vector<Direction>& directions)
{
    if (finished || directions.empty())
        return;
    const bool wasSolved = position.IsSolved();
    const std::size_t before = done;
    for (Direction direction : directions) {
        GameMove move {};
        if (!position.Apply(direction, &move))
            break;
        // A move of its own ends the moves waiting for Redo, unless it is the next of them.
        if (done < history.size() && history[done] == move) {
            ++done;
            continue;
        }
        history.resize(done);
        endsStep.resize(done);
        history.push_back(move);
        endsStep.push_back(false);
        ++done;
    }
    if (done == before)
        return;
    endsStep[done - 1] = true;
    AfterMoves(wasSolved);
}

bool frmPlay::MoveMan(Direction direction)
{
    const std::size_t before = done;
    Walk({ direction });
    return done != before;
}

void frmPlay::ClickCell(int row, int cell)
{
    const int index = game::CellIndex(row, cell);
    if (!position.HasObject(index)) {
        Walk(position.WalkTo(index).value_or(std::vector<Direction> {}));
        return;
    }
    // An object: the man walks up to it by the shortest way from which he can push it, and
    // pushes it once.
    std::optional<std::vector<Direction>> best;
    for (Direction d : geometry::AllDirections) {
        const int from = game::NeighbourIndex(index, geometry::Opposite(d));
        const int to = game::NeighbourIndex(index, d);
        if (from < 0 || to < 0 || position.IsWall(to) || position.HasObject(to))
            continue;
        auto walk = position.WalkTo(from);
        if (!walk || (best && best->size() <= walk->size() + 1))
            continue;
        walk->push_back(d);
        best = std::move(walk);
    }
    if (best)
        Walk(*best);
}

void frmPlay::UndoOne()
{
    do
        position.Undo(history[--done]);
    while (done > 0 && !endsStep[done - 1]);
}

bool frmPlay::RedoOne()
{
    if (done == history.size() || !position.Apply(history[done].direction))
        return false;
    ++done;
    return true;
}

void frmPlay::StopReplay()
{
    replay->stop();
    ShowStatus();
}

void frmPlay::cmdUndo_Click()
{
    StopReplay();
    if (done == 0)
        return;
    UndoOne();
    finished = false;
    AfterMoves(true);
}

void frmPlay::cmdRedo_Click()
{
    StopReplay();
    if (finished)
        return;
    const bool wasSolved = position.IsSolved();
    while (RedoOne() && !endsStep[done - 1]) { }
    AfterMoves(wasSolved);
}

void frmPlay::cmdReplay_Click()
{
    if (Replaying())
        StopReplay();
    else if (!finished && done < history.size())
        replay->start();
    ShowStatus();
}

void frmPlay::cmdRestart_Click()
{
    // Every move is taken back and waits for Redo, as Undo pressed until the start.
    StopReplay();
    position = start;
    done = 0;
    finished = false;
    AfterMoves(true);
}

void frmPlay::cmdSolve_Click()
{
    StopReplay();
    if (AlreadySolved(position))
        return;
    const game::SolverLimits limits = game::StoredSolverLimits();
    const game::SolveResult result = frmSolveProgress::Run(this, position, limits);
    if (result.outcome != game::SolveOutcome::Solved) {
        ReportNoSolution(result, limits);
        return;
    }
    QueueMoves(game::ParseSolution(result.solution).value_or(std::vector<GameMove> {}));
    solutionNote
        = QStringLiteral("Solution: %1 pushes and %2 moves, played by Redo / Step or Replay.")
              .arg(result.pushes)
              .arg(result.moves);
    ShowStatus();
}

void frmPlay::AfterMoves(bool wasSolved)
{
    Redraw();
    if (!wasSolved && position.IsSolved() && !finished) {
        replay->stop();
        finished = true;
        ShowStatus();
        ShowMessageBox(
            QStringLiteral("Solved in %1 pushes and %2 moves.").arg(PushCount()).arg(MoveCount()),
            QStringLiteral("Level Solved"), MsgButtons::OK, MsgIcon::Information);
    }
    ShowStatus();
}

void frmPlay::Redraw()
{
    picture.fill(palette().color(QPalette::Button));
    if (SkinPictures[EmptyGridPicture]) {
        QPainter painter(&picture);
        painter.drawImage(geometry::GridPictureLeft, 0, *SkinPictures[EmptyGridPicture]);
    }
    for (int index = 0; index < game::GridCellTotal; ++index) {
        const qint16 code = SymbolCodeOf(position.SymbolAt(index));
        if (code <= 0 || !SkinPictures[code])
            continue; // the empty grid already shows the floor
        const QPoint corner = game::CellOfIndex(index).Corner();
        GridCanvas::PaintCellOn(picture, *SkinPictures[code], corner.x(), corner.y());
    }
    update(0, 0, picture.width(), picture.height());
}

void frmPlay::ShowStatus()
{
    QString text = QStringLiteral("Moves = %1    Pushes = %2    Objects on target = %3 of %4")
                       .arg(MoveCount())
                       .arg(PushCount())
                       .arg(position.ObjectsOnTargets())
                       .arg(position.ObjectCount());
    if (finished)
        text.prepend(QStringLiteral("Solved    "));
    else if (done < history.size() && !solutionNote.isEmpty())
        text += QStringLiteral("      ") + solutionNote;
    lblStatus->setText(text);
    const bool waiting = !finished && done < history.size();
    cmdUndo->setEnabled(done > 0);
    cmdRedo->setEnabled(waiting);
    cmdReplay->setEnabled(waiting || Replaying());
    cmdReplay->setText(Replaying() ? QStringLiteral("Pause") : QStringLiteral("Replay"));
}

void frmPlay::keyPressEvent(QKeyEvent* event)
{
    // Any key stops a replay, and does nothing else.
    if (Replaying()) {
        StopReplay();
        return;
    }
    // Ctrl+Z, and Ctrl+Shift+Z or Ctrl+Y, whatever the platform's own keys are.
    const QKeyCombination key = event->keyCombination();
    if (event->matches(QKeySequence::Undo) || key == (Qt::CTRL | Qt::Key_Z)) {
        cmdUndo_Click();
        return;
    }
    if (event->matches(QKeySequence::Redo) || key == (Qt::CTRL | Qt::SHIFT | Qt::Key_Z)
        || key == (Qt::CTRL | Qt::Key_Y)) {
        cmdRedo_Click();
        return;
    }
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
        QDialog::keyPressEvent(event);
        return;
    }
    // The keypad's digits, also as the keys they are without Num Lock, and the letters that
    // sit around S as the six neighbours sit around a hexagon.
    switch (event->key()) {
    case Qt::Key_7:
    case Qt::Key_Home:
    case Qt::Key_Q:
        MoveMan(Direction::NorthWest);
        break;
    case Qt::Key_9:
    case Qt::Key_PageUp:
    case Qt::Key_E:
        MoveMan(Direction::NorthEast);
        break;
    case Qt::Key_4:
    case Qt::Key_Left:
    case Qt::Key_A:
        MoveMan(Direction::West);
        break;
    case Qt::Key_6:
    case Qt::Key_Right:
    case Qt::Key_D:
        MoveMan(Direction::East);
        break;
    case Qt::Key_1:
    case Qt::Key_End:
    case Qt::Key_Z:
        MoveMan(Direction::SouthWest);
        break;
    case Qt::Key_3:
    case Qt::Key_PageDown:
    case Qt::Key_C:
        MoveMan(Direction::SouthEast);
        break;
    default:
        QDialog::keyPressEvent(event);
    }
}

void frmPlay::mousePressEvent(QMouseEvent* event)
{
    if (Replaying()) {
        StopReplay();
        return;
    }
    const QPointF p = event->position();
    if (event->button() != Qt::LeftButton || p.y() <= 0 || p.y() >= geometry::GridBottom)
        return;
    if (const auto hit = geometry::CellAt(p))
        ClickCell(hit->cell.row, hit->cell.cell);
}

void frmPlay::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(0, 0, picture);
}

} // namespace quobix
