#pragma once

#include "skins/SkinWindow.h"

namespace quobix {

class SkinBNZ : public SkinWindow {
    Q_OBJECT
public:
    SkinBNZ()
        : SkinWindow(QStringLiteral(":/skins/bnz"))
    {
    }
};

} // namespace quobix
