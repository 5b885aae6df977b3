#pragma once

#include "skins/SkinWindow.h"

namespace quobix {

class SkinTLM : public SkinWindow {
    Q_OBJECT
public:
    SkinTLM()
        : SkinWindow(QStringLiteral(":/skins/tlm"))
    {
    }
};

} // namespace quobix
