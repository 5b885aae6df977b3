#pragma once

#include "windows/frmHelpPage.h"

namespace quobix {

// Help page 2: placing symbols, the status line, the counts and a new level.
class frmHelp2 : public frmHelpPage {
    Q_OBJECT
public:
    explicit frmHelp2(QWidget* parent = nullptr);
};

} // namespace quobix
