#pragma once

// One procedure per message box of the file operations and level checks. The questions leave
// the answer (6 Yes, 7 No) in UserAnswer.
namespace quobix::modMessages {

void AskOverwriteLevel();
void ShowSavingError();
void ShowLoadingError();
void ShowEmptyGridError();
void ShowInvalidLoadFileName();
void ShowNoLevelFound();
void ShowTooManyCellsPerLine();
void ShowQbxFormatError();
void ShowInvalidSaveFileName();
void ShowTooManyLines();
void ShowNoDisplacementPossible();
void ShowLoadedLevelInvalid();
void AskSaveInvalidLevel();
void AskFlipBackBeforeSaving();

} // namespace quobix::modMessages
