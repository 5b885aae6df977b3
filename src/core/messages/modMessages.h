#pragma once

#include "platform/MessageSeam.h"
#include "platform/RunTimeError.h"

#include <QString>

// The message boxes of the file operations and level checks. The operations return their
// messages as data (the functions without "Show" or "Ask"); the flows show the others at once,
// and a question returns its answer (6 Yes, 7 No).
namespace quobix::modMessages {

Message SavingError(const QString& path, const RunTimeError& error);
Message LoadingError(const QString& path, const RunTimeError& error);
Message NoLevelFound();
Message TooManyCellsPerLine();
Message QbxFormatError();
Message TooManyLines();
Message LoadedLevelInvalid();
Message FlippedToFit();

qint16 AskOverwriteLevel(const QString& path);
void ShowEmptyGridError();
void ShowInvalidLoadFileName(const QString& fileName);
void ShowInvalidSaveFileName(const QString& fileName);
void ShowNoDisplacementPossible();
void ShowLoadedLevelInvalid();
qint16 AskSaveInvalidLevel();
qint16 AskFlipBackBeforeSaving();

} // namespace quobix::modMessages
