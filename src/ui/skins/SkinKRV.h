#pragma once

#include "skins/SkinWindow.h"

namespace quobix {

class SkinKRV : public SkinWindow {
    Q_OBJECT
public:
    SkinKRV()
        : SkinWindow(QStringLiteral(":/skins/krv"))
    {
    }
};

} // namespace quobix
