#pragma once

#include "windows/frmHelpPage.h"

namespace quobix {

// Help page 1: the grid, the skins and the two ways of selecting a symbol.
class frmHelp1 : public frmHelpPage {
    Q_OBJECT
public:
    explicit frmHelp1(QWidget* parent = nullptr);
};

} // namespace quobix
