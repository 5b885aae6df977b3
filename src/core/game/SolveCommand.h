#pragma once

#include "game/Solver.h"
#include "platform/MessageSeam.h"

#include <QStringList>
#include <QTextStream>
#include <optional>

// Solving level files without a window: quobix-editor --solve FILE...
namespace quobix::game {

// The level of a file as Load reads it, its notation from its name; nothing after the reader
// has shown its messages.
std::optional<GamePosition> LoadLevelFile(const QString& file);

// Loads each file as Load does (the same reader, state and messages) and solves its level,
// writing one line per file to out: the file, then "solved" with pushes, moves and the
// solution, "unsolvable", "gave up" with the limit, or why the level was not solved.
// The messages of the reader go to err, each line beginning with the file's name. Returns 0 when
// every level was solved, else 1.
int RunSolveCommand(
    const QStringList& files, const SolverLimits& limits, QTextStream& out, QTextStream& err);

// quobix-editor --analyse FILE...: one line per file, the file's name and the verdict of
// AnalysisLine. Returns 0 when every level was read and decided (invalid and open levels are
// decided too), else 1.
int RunAnalyseCommand(
    const QStringList& files, const SolverLimits& limits, QTextStream& out, QTextStream& err);

// A message handler for a program without windows: writes "prefix title: text" lines to err and
// answers OK, or No to a question.
MessageBoxHandler StreamMessageHandler(QTextStream& err, const QString& prefix = {});

} // namespace quobix::game
