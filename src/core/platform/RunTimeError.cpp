#include "platform/RunTimeError.h"

#include <QFileDevice>
#include <cstring>

namespace quobix {

RunTimeError FileError(const QFileDevice& file, int errnoAtFailure)
{
    if (errnoAtFailure != 0)
        return SystemError(errnoAtFailure);
    RunTimeError error { static_cast<int>(file.error()), file.errorString() };
    if (error.Description.isEmpty())
        error.Description = QStringLiteral("Unknown error");
    return error;
}

RunTimeError SystemError(int number, const QString& more)
{
    RunTimeError error { number, QString::fromLocal8Bit(std::strerror(number)) };
    if (!more.isEmpty())
        error.Description += QStringLiteral(" (") + more + QLatin1Char(')');
    return error;
}

} // namespace quobix
