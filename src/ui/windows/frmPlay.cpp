#include "windows/frmPlay.h"

#include "editor/EditorState.h"
#include "editor/GridCanvas.h"
#include "editor/modQuobixEditorZN.h"
#include "game/SolutionNotation.h"
#include "level/LevelState.h"
#include "platform/MessageSeam.h"
#include "skins/SkinState.h"
#include "windows/DialogSupport.h"
#include "windows/frmSolveProgress.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

namespace quobix {

using game::Direction;
using game::GameMove;
using game::GamePosition;

namespace {
    constexpr int PictureHeight = 530;

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

    // Tells the outcome of a search that found nothing; nothing for a search the user cancelled.
    void ReportNoSolution(const game::SolveResult& result, const QString& title)
    {
        const game::SolverLimits limits;
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
            ShowMessageBox(text, title, MsgButtons::OK, MsgIcon::Exclamation);
    }

    QPushButton* Button(QWidget* parent, const char* caption, int x, int width)
    {
        auto* button = new QPushButton(QString::fromUtf8(caption), parent);
        button->setGeometry(x, 562, width, 28);
        // The keys belong to the man, never to a button.
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoDefault(false);
        return button;
    }
}

frmPlay::frmPlay(QWidget* parent, const GamePosition& start)
    : QDialog(parent)
    , start(start)
    , position(start)
    , picture(GridCanvas::ClientWidth, PictureHeight, QImage::Format_RGB32)
{
    DialogSupport::SetUpFixedDialog(
        this, QStringLiteral("Play Level"), GridCanvas::ClientWidth, PictureHeight + 68);
    setFocusPolicy(Qt::StrongFocus);
    lblStatus = new QLabel(this);
    lblStatus->setGeometry(8, PictureHeight + 4, GridCanvas::ClientWidth - 16, 24);
    cmdUndo = Button(this, "Undo", 8, 80);
    cmdRedo = Button(this, "Redo / Step", 96, 100);
    cmdRestart = Button(this, "Restart", 204, 80);
    cmdSolve = Button(this, "Solve", 292, 80);
    cmdClose = Button(this, "Close", GridCanvas::ClientWidth - 88, 80);
    connect(cmdUndo, &QPushButton::clicked, this, &frmPlay::cmdUndo_Click);
    connect(cmdRedo, &QPushButton::clicked, this, &frmPlay::cmdRedo_Click);
    connect(cmdRestart, &QPushButton::clicked, this, &frmPlay::cmdRestart_Click);
    connect(cmdSolve, &QPushButton::clicked, this, &frmPlay::cmdSolve_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);
    Redraw();
    ShowStatus();
}

void frmPlay::PlayLevel(QWidget* parent)
{
    const GamePosition level = GamePosition::FromLevelLines();
    if (!Playable(level, QStringLiteral("Play Level")))
        return;
    frmPlay window(parent, level);
    window.exec();
}

void frmPlay::SolveLevel(QWidget* parent)
{
    const QString title = QStringLiteral("Solve Level");
    const GamePosition level = GamePosition::FromLevelLines();
    if (!Playable(level, title))
        return;
    const game::SolveResult result = frmSolveProgress::Run(parent, level, game::SolverLimits {});
    if (result.outcome != game::SolveOutcome::Solved) {
        ReportNoSolution(result, title);
        return;
    }
    if (ShowMessageBox(QStringLiteral("Solved in %1 pushes and %2 moves:\r%3\rPlay the solution?")
                           .arg(result.pushes)
                           .arg(result.moves)
                           .arg(result.solution),
            title, MsgButtons::YesNo, MsgIcon::Question)
        != vbYes)
        return;
    frmPlay window(parent, level);
    window.QueueMoves(game::ParseSolution(result.solution).value_or(std::vector<GameMove> {}));
    window.exec();
}

void frmPlay::QueueMoves(const std::vector<GameMove>& moves)
{
    history.resize(done);
    history.insert(history.end(), moves.begin(), moves.end());
    ShowStatus();
}

int frmPlay::PushCount() const
{
    return static_cast<int>(
        std::count_if(history.begin(), history.begin() + static_cast<std::ptrdiff_t>(done),
            [](const GameMove& move) { return move.push; }));
}

bool frmPlay::MoveMan(Direction direction)
{
    const bool wasSolved = position.IsSolved();
    GameMove move {};
    if (!position.Apply(direction, &move))
        return false;
    // A move of its own ends the moves waiting for Redo, unless it is the next of them.
    if (done < history.size() && history[done] == move) {
        ++done;
    } else {
        history.resize(done);
        history.push_back(move);
        ++done;
    }
    AfterMoves(wasSolved);
    return true;
}

void frmPlay::ClickCell(int row, int cell)
{
    const int index = game::CellIndex(row, cell);
    if (position.HasObject(index)) {
        for (Direction d : geometry::AllDirections)
            if (game::NeighbourIndex(position.Man(), d) == index) {
                MoveMan(d);
                return;
            }
        return;
    }
    for (Direction d : position.WalkTo(index).value_or(std::vector<Direction> {}))
        MoveMan(d);
}

void frmPlay::cmdUndo_Click()
{
    if (done == 0)
        return;
    position.Undo(history[--done]);
    AfterMoves(true);
}

void frmPlay::cmdRedo_Click()
{
    if (done == history.size())
        return;
    const bool wasSolved = position.IsSolved();
    if (!position.Apply(history[done].direction))
        return;
    ++done;
    AfterMoves(wasSolved);
}

void frmPlay::cmdRestart_Click()
{
    position = start;
    history.clear();
    done = 0;
    AfterMoves(true);
}

void frmPlay::cmdSolve_Click()
{
    const game::SolveResult result = frmSolveProgress::Run(this, position, game::SolverLimits {});
    if (result.outcome != game::SolveOutcome::Solved) {
        ReportNoSolution(result, QStringLiteral("Solve Level"));
        return;
    }
    QueueMoves(game::ParseSolution(result.solution).value_or(std::vector<GameMove> {}));
    lblStatus->setText(lblStatus->text()
        + QStringLiteral("      Solution: %1 pushes, %2 moves; Redo / Step plays it.")
              .arg(result.pushes)
              .arg(result.moves));
}

void frmPlay::AfterMoves(bool wasSolved)
{
    Redraw();
    ShowStatus();
    if (!wasSolved && position.IsSolved())
        ShowMessageBox(
            QStringLiteral("Solved in %1 moves and %2 pushes.").arg(MoveCount()).arg(PushCount()),
            QStringLiteral("Level Solved"), MsgButtons::OK, MsgIcon::Exclamation);
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
        const geometry::GridCell at = game::CellOfIndex(index);
        GridCanvas::PaintCellOn(picture, *SkinPictures[code], geometry::CellX(at.row, at.cell),
            geometry::CellY(at.row));
    }
    update(0, 0, picture.width(), picture.height());
}

void frmPlay::ShowStatus()
{
    lblStatus->setText(QStringLiteral("Moves = %1    Pushes = %2    Objects on target = %3 of %4")
                           .arg(MoveCount())
                           .arg(PushCount())
                           .arg(position.ObjectsOnTargets())
                           .arg(position.ObjectCount()));
    cmdUndo->setEnabled(done > 0);
    cmdRedo->setEnabled(done < history.size());
}

void frmPlay::keyPressEvent(QKeyEvent* event)
{
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
    const QPointF p = event->position();
    if (event->button() != Qt::LeftButton || p.y() <= 0 || p.y() >= GridBottom)
        return;
    // The editor's hit test reports through the editor's state; that state stays as it was.
    const qint16 row = CurrentRow, cell = CurrentCell, x = HitOffsetX, y = HitOffsetY;
    const bool valid = ValidLocation;
    ValidLocation = true;
    geometry::HitTest(static_cast<float>(p.x()), static_cast<float>(p.y()));
    const bool hit = ValidLocation;
    const int hitRow = CurrentRow, hitCell = CurrentCell;
    CurrentRow = row;
    CurrentCell = cell;
    HitOffsetX = x;
    HitOffsetY = y;
    ValidLocation = valid;
    if (hit)
        ClickCell(hitRow, hitCell);
}

void frmPlay::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(0, 0, picture);
}

} // namespace quobix
