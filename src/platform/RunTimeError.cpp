#include "platform/RunTimeError.h"

#include <QFileDevice>

namespace quobix {

void RecordFileError(const QFileDevice& file, int errnoAtFailure)
{
    Err.Number = errnoAtFailure != 0 ? errnoAtFailure : static_cast<int>(file.error());
    Err.Description = file.errorString();
    if (Err.Description.isEmpty())
        Err.Description = QStringLiteral("Unknown error");
}

void RecordError(int number, const QString& description)
{
    Err.Number = number;
    Err.Description = description;
}

} // namespace quobix
