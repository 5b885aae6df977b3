#pragma once

#include "windows/frmHelpPage.h"

namespace quobix {

// Help page 4: saving a level.
class frmHelp4 : public frmHelpPage {
    Q_OBJECT
public:
    explicit frmHelp4(QWidget* parent = nullptr);
};

} // namespace quobix
