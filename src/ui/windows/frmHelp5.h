#pragma once

#include "windows/frmHelpPage.h"

namespace quobix {

// Help page 5: loading a level.
class frmHelp5 : public frmHelpPage {
    Q_OBJECT
public:
    explicit frmHelp5(QWidget* parent = nullptr);
};

} // namespace quobix
