#pragma once

#include <QString>

class QFileDevice;

// A failed file operation: its number and description, as the error messages show them.
namespace quobix {

struct RunTimeError {
    int Number = 0;
    QString Description;
};

// The error of a failed operation on a file: the operating system's error number and its own
// description when there is one (errnoAtFailure), otherwise Qt's code and Qt's string, so that a
// number is never shown with another error's text.
RunTimeError FileError(const QFileDevice& file, int errnoAtFailure);

// The operating system's error number with its description; more, when given, is added in
// brackets ("Invalid argument (not a regular file)").
RunTimeError SystemError(int number, const QString& more = {});

} // namespace quobix
