#pragma once

#include <QString>

class QFileDevice;

// The file error being handled: its number and description, as the error messages show them.
namespace quobix {

struct RunTimeError {
    int Number = 0;
    QString Description;
};

inline RunTimeError Err;

// Records the error of a failed operation on a file: the operating system's error number when
// there is one (errnoAtFailure), otherwise Qt's error code, with Qt's error string.
void RecordFileError(const QFileDevice& file, int errnoAtFailure);

// Records an error that the program detects itself (for example a file that is too large).
void RecordError(int number, const QString& description);

} // namespace quobix
