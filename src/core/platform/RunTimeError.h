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

// Records the error of a failed operation on a file: the operating system's error number and
// its own description when there is one (errnoAtFailure), otherwise Qt's code and Qt's string,
// so that a number is never shown with another error's text.
void RecordFileError(const QFileDevice& file, int errnoAtFailure);

// Records the operating system's error number with its description; more, when given, is added
// in brackets ("Invalid argument (not a regular file)").
void RecordSystemError(int number, const QString& more = {});

} // namespace quobix
