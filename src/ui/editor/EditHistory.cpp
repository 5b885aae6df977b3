#include "editor/EditHistory.h"

#include "editor/frmQuobixEditorZN.h"

#include <QUndoCommand>
#include <QUndoStack>

namespace quobix {

namespace {
    class LevelStep : public QUndoCommand {
    public:
        LevelStep(frmQuobixEditorZN* window, const QString& name, LevelSnapshot before,
            LevelSnapshot after)
            : QUndoCommand(name)
            , window(window)
            , before(std::move(before))
            , after(std::move(after))
        {
        }

        void undo() override { Show(before); }

        void redo() override
        {
            // The action itself did the first redo.
            if (done)
                Show(after);
            done = true;
        }

    private:
        void Show(const LevelSnapshot& snapshot)
        {
            window->Level().Restore(snapshot, !before.SameFile(after));
        }

        frmQuobixEditorZN* window;
        LevelSnapshot before;
        LevelSnapshot after;
        bool done = false;
    };
}

EditHistory::EditHistory(frmQuobixEditorZN* window, QUndoStack* stack)
    : window(window)
    , stack(stack)
{
    stack->setUndoLimit(StepLimit);
}

void EditHistory::Begin(const QString& stepName)
{
    // A command chosen by key in the middle of a drag closes the drag's step first.
    End();
    open = true;
    name = stepName;
    before = window->Level().Snapshot();
}

void EditHistory::End(const QString& stepName)
{
    if (!open)
        return;
    open = false;
    if (!stepName.isEmpty())
        name = stepName;
    LevelSnapshot after = window->Level().Snapshot();
    if (after != before)
        stack->push(new LevelStep(window, name, std::move(before), std::move(after)));
}

void EditHistory::Reset()
{
    open = false;
    stack->clear();
}

} // namespace quobix
