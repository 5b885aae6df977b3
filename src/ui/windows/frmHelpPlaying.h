#pragma once

#include "windows/frmHelpPage.h"

namespace quobix {

// The help page of its own for playing and solving: the play keys, the mouse, undo and redo in
// both windows, the solution letters, the recent levels and the command line.
class frmHelpPlaying : public frmHelpPage {
    Q_OBJECT
public:
    static constexpr qint16 PageNumber = 6;

    explicit frmHelpPlaying(QWidget* parent = nullptr);
};

} // namespace quobix
