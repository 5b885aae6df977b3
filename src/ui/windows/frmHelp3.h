#pragma once

#include "windows/frmHelpPage.h"

namespace quobix {

// Help page 3: displacing the level and viewing it as text.
class frmHelp3 : public frmHelpPage {
    Q_OBJECT
public:
    explicit frmHelp3(QWidget* parent = nullptr);
};

} // namespace quobix
