#include "windows/WindowPictures.h"

static void RegisterWindowResources()
{
    // The pictures live in a static library; the linker would drop their registration.
    Q_INIT_RESOURCE(windows);
}

namespace quobix::WindowPictures {

void Init()
{
    static const bool registered = (RegisterWindowResources(), true);
    Q_UNUSED(registered);
}

QPixmap Picture(const QString& name)
{
    Init();
    return QPixmap(QStringLiteral(":/windows/") + name + QStringLiteral(".png"));
}

} // namespace quobix::WindowPictures
