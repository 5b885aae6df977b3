#include "platform/MessageSeam.h"

namespace quobix {

namespace {
    MessageBoxHandler& Handler()
    {
        static MessageBoxHandler handler;
        return handler;
    }
}

void SetMessageBoxHandler(MessageBoxHandler handler) { Handler() = std::move(handler); }

qint16 ShowMessageBox(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon)
{
    if (Handler())
        return Handler()(text, title, buttons, icon);
    return buttons == MsgButtons::YesNo ? vbNo : vbOK;
}

} // namespace quobix
