#include "platform/MessageSeam.h"

namespace quobix {

namespace {
    // The seam's binding: the editor binds real boxes once, a test its recorder.
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
