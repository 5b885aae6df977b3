#pragma once

#include "level/LevelSnapshot.h"

#include <QString>

class QUndoStack;

namespace quobix {

class frmQuobixEditorZN;

// The main window's undo history: one step per user action, each holding the level before and
// after it. A step is opened before the action changes anything and closed after it; a step
// that changed nothing is dropped.
class EditHistory {
public:
    EditHistory(frmQuobixEditorZN* window, QUndoStack* stack);

    void Begin(const QString& name);
    // name, when given, replaces the name given to Begin: some steps are named by their result.
    void End(const QString& name = {});
    bool IsOpen() const { return open; }

    // A loaded level starts a new history.
    void Reset();

    // The most steps kept; older ones are forgotten.
    static constexpr int StepLimit = 500;

private:
    frmQuobixEditorZN* window;
    QUndoStack* stack;
    bool open = false;
    QString name;
    LevelSnapshot before;
};

} // namespace quobix
