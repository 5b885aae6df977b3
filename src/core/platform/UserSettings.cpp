#include "platform/UserSettings.h"

namespace quobix {

std::unique_ptr<QSettings> UserSettings()
{
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
        QStringLiteral("quobix"), QStringLiteral("quobix-editor"));
}

} // namespace quobix
