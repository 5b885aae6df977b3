#include "game/SolutionNotation.h"

namespace quobix::game {

namespace {
    // In the order of Direction.
    constexpr char StepLetters[] = "qeadzc";
}

QChar LetterOf(const GameMove& move)
{
    const QChar letter = QLatin1Char(StepLetters[static_cast<int>(move.direction)]);
    return move.push ? letter.toUpper() : letter;
}

std::optional<GameMove> MoveOfLetter(QChar letter)
{
    const QChar lower = letter.toLower();
    for (Direction d : geometry::AllDirections)
        if (lower == QLatin1Char(StepLetters[static_cast<int>(d)]))
            return GameMove { d, letter != lower };
    return std::nullopt;
}

QString FormatSolution(const std::vector<GameMove>& moves)
{
    QString text;
    text.reserve(static_cast<qsizetype>(moves.size()));
    for (const GameMove& move : moves)
        text += LetterOf(move);
    return text;
}

std::optional<std::vector<GameMove>> ParseSolution(const QString& text)
{
    std::vector<GameMove> moves;
    for (QChar ch : text) {
        if (ch.isSpace())
            continue;
        const auto move = MoveOfLetter(ch);
        if (!move)
            return std::nullopt;
        moves.push_back(*move);
    }
    return moves;
}

bool Replay(GamePosition& position, const std::vector<GameMove>& moves)
{
    for (const GameMove& move : moves) {
        const auto legal = position.MoveIn(move.direction);
        if (!legal || legal->push != move.push)
            return false;
        position.Apply(move.direction);
    }
    return true;
}

} // namespace quobix::game
