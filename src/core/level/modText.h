#pragma once

#include <QtGlobal>

// Clearing, measuring, extracting and copying the buffers of LevelLines.
namespace quobix::modText {

// Lines FromLine..ToLine of Buffer become LineWidth blanks; nothing when FromLine > ToLine.
void ClearLines(qint16 Buffer, qint16 FromLine, qint16 ToLine);

// First and last non-blank grid line; FirstUsedLine is 0 for an empty grid. Sets UserAnswer to 6.
void FindUsedLines();

// Copies the used grid lines into buffer 2 with the common left margin cut; Unpadded keeps the
// trimmed lengths, otherwise every line is LevelWidth long. Needs FirstUsedLine >= 1.
void ExtractLevel(bool Unpadded);

// The gate in front of every save: UserAnswer ends at 6 with the level extracted (unpadded)
// into buffer 2, or at 7 (empty grid, or the user declined to save an invalid level).
void CheckLevelBeforeSave();

void PrepareLevelForDisplace();

// Lines 1..LevelHeight of ToBuffer become copies of those of FromBuffer.
void CopyBuffer(qint16 FromBuffer, qint16 ToBuffer);

} // namespace quobix::modText
