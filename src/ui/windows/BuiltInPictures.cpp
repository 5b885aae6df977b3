#include "windows/BuiltInPictures.h"

static void RegisterBuiltInPictures()
{
    // The pictures live in a static library; the linker would drop their registration.
    Q_INIT_RESOURCE(skins);
    Q_INIT_RESOURCE(displace);
    Q_INIT_RESOURCE(windows);
}

namespace quobix::BuiltInPictures {

void Init()
{
    static const bool registered = (RegisterBuiltInPictures(), true);
    Q_UNUSED(registered);
}

QPixmap Picture(const QString& name)
{
    Init();
    return QPixmap(QStringLiteral(":/windows/") + name + QStringLiteral(".png"));
}

} // namespace quobix::BuiltInPictures
