#pragma once

#include <QtGlobal>

namespace quobix {
class LevelDocument;
}

// Clearing, measuring, extracting and copying the buffers of a level's LevelLines.
namespace quobix::modText {

// Lines FromLine..ToLine of Buffer become LineWidth blanks; nothing when FromLine > ToLine.
void ClearLines(LevelDocument& level, qint16 Buffer, qint16 FromLine, qint16 ToLine);

// First and last non-blank grid line; FirstUsedLine is 0 for an empty grid.
void FindUsedLines(LevelDocument& level);

// Copies the used grid lines into buffer 2 with the common left margin cut; Unpadded keeps the
// trimmed lengths, otherwise every line is LevelWidth long. Needs FirstUsedLine >= 1.
void ExtractLevel(LevelDocument& level, bool Unpadded);

// The gate in front of every save: the answer 6 (Yes) with the level extracted (unpadded) into
// buffer 2, or 7 (No) for an empty grid or when the user declined to save an invalid level.
qint16 CheckLevelBeforeSave(LevelDocument& level);

void PrepareLevelForDisplace(LevelDocument& level);

// Lines 1..LevelHeight of ToBuffer become copies of those of FromBuffer.
void CopyBuffer(LevelDocument& level, qint16 FromBuffer, qint16 ToBuffer);

} // namespace quobix::modText
