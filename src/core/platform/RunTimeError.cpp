#include "platform/RunTimeError.h"

#include <QFileDevice>
#include <cstring>

namespace quobix {

void RecordFileError(const QFileDevice& file, int errnoAtFailure)
{
    if (errnoAtFailure != 0) {
        RecordSystemError(errnoAtFailure);
        return;
    }
    Err.Number = static_cast<int>(file.error());
    Err.Description = file.errorString();
    if (Err.Description.isEmpty())
        Err.Description = QStringLiteral("Unknown error");
}

void RecordSystemError(int number, const QString& more)
{
    Err.Number = number;
    Err.Description = QString::fromLocal8Bit(std::strerror(number));
    if (!more.isEmpty())
        Err.Description += QStringLiteral(" (") + more + QLatin1Char(')');
}

} // namespace quobix
