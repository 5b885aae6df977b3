#pragma once

#include "game/GamePosition.h"

#include <QString>
#include <optional>
#include <vector>

// A solution written as letters, one per move: q e a d z c for north-west, north-east, west,
// east, south-west and south-east (the keys around S, as the six neighbours sit around a
// hexagon), lower case for a step and upper case for a push.
namespace quobix::game {

QChar LetterOf(const GameMove& move);
std::optional<GameMove> MoveOfLetter(QChar letter);

QString FormatSolution(const std::vector<GameMove>& moves);
// Letters to moves; white space is skipped, any other character makes the text no solution.
std::optional<std::vector<GameMove>> ParseSolution(const QString& text);

// Plays the moves from the position; false at the first move that the rules forbid or whose
// case does not tell what it does (a step written as a push, or a push as a step).
bool Replay(GamePosition& position, const std::vector<GameMove>& moves);

} // namespace quobix::game
