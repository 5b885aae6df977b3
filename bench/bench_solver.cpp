#include "LevelGenerator.h"

#include "game/GamePosition.h"
#include "game/SolutionNotation.h"
#include "game/SolveCommand.h"
#include "game/Solver.h"
#include "game/SolverBoard.h"
#include "level/LevelText.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <cstdint>
#include <cstdio>
#include <sys/resource.h>

using namespace quobix;
using namespace quobix::game;

namespace {

const QString GeneratedFolder = QStringLiteral(QUOBIX_SOURCE_DIR "/bench/levels");

const char* OutcomeName(const SolveResult& result)
{
    switch (result.outcome) {
    case SolveOutcome::Solved:
        return "solved";
    case SolveOutcome::Unsolvable:
        return "unsolvable";
    case SolveOutcome::GaveUp:
        return result.limit == SolveLimit::Time ? "gave up (time)" : "gave up (memory)";
    case SolveOutcome::NotPlayable:
        break;
    }
    return "not playable";
}

double PeakResidentMiB()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void PrintHeader()
{
    std::printf("%-26s %4s %5s  %-16s %6s %5s %9s %11s %10s %10s %6s %6s %9s %8s\n", "level", "obj",
        "cells", "result", "pushes", "bound", "time s", "searched", "expanded", "stored", "M/s",
        "B/pos", "store MiB", "RSS MiB");
}

// One row of the table: the level solved (and its solution replayed) under the limits.
void Report(const QString& name, const GamePosition& level, const SolverLimits& limits,
    const SolverTechniques& techniques)
{
    const SolveResult result = Solve(level, limits, techniques);
    GamePosition replay = level;
    const auto moves = ParseSolution(result.solution);
    const bool checked = result.outcome != SolveOutcome::Solved
        || (moves && Replay(replay, *moves) && replay.IsSolved());
    const double perSecond
        = result.seconds > 0 ? static_cast<double>(result.positionsSearched) / result.seconds : 0;
    const double perPosition = result.positionsStored
        ? static_cast<double>(result.bytesStored) / static_cast<double>(result.positionsStored)
        : 0;
    const SolverBoard board(level);
    std::printf("%-26s %4d %5d  %-16s %6d %5d %9.3f %11llu %10llu %10llu %6.2f %6.1f %9.1f "
                "%8.1f%s\n",
        qPrintable(name), level.ObjectCount(), board.CellCount(), OutcomeName(result),
        result.pushes, result.startBound, result.seconds,
        static_cast<unsigned long long>(result.positionsSearched),
        static_cast<unsigned long long>(result.positionsExpanded),
        static_cast<unsigned long long>(result.positionsStored), perSecond / 1e6, perPosition,
        static_cast<double>(result.bytesStored) / (1 << 20), PeakResidentMiB(),
        checked ? "" : "  REPLAY FAILED");
    std::fflush(stdout);
}

// Writes the generated set into bench/levels as QBX files and reads each back.
int WriteLevels()
{
    QDir().mkpath(GeneratedFolder);
    for (const bench::BenchLevel& level : bench::BenchLevelSet()) {
        QByteArray text;
        for (const QString& row : level.rows)
            text += TrimTrailingBlanks(row).toUtf8() + "\r\n";
        const QString path
            = GeneratedFolder + QLatin1Char('/') + level.name + QStringLiteral(".qbx");
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
            return 1;
        file.close();
        const GamePosition made = GamePosition::FromRows(level.rows);
        const auto read = LoadLevelFile(path);
        const bool same = read && *read == made;
        std::printf("%-26s %s\n", qPrintable(level.name),
            !same                                       ? "READ BACK DIFFERS"
                : made.Check() != Playability::Playable ? "NOT PLAYABLE"
                : made.IsSolved()                       ? "ALREADY SOLVED"
                                                        : "written");
    }
    return 0;
}

} // namespace

// bench_solver [--seconds S] [--memory MIB] [--only TEXT] [--without TECHNIQUE,...]: solves the
// shipped sample levels and the generated set in bench/levels (those whose name holds TEXT) and
// prints one row each; the techniques named (start, corrals, partial, incremental, local,
// ordering) are switched off. Without --only, or with --cap-only alone, a last row checks that
// a search stops at a 32 MiB cap. bench_solver --write-levels: generates the set again.
int main(int argc, char** argv)
{
    SolverLimits limits;
    QString only;
    QStringList without;
    bool capped = true;
    for (int k = 1; k < argc; ++k) {
        const QString arg = QString::fromLocal8Bit(argv[k]);
        const QString value = k + 1 < argc ? QString::fromLocal8Bit(argv[k + 1]) : QString();
        if (arg == QLatin1String("--write-levels"))
            return WriteLevels();
        if (arg == QLatin1String("--seconds"))
            limits.seconds = value.toDouble(), ++k;
        else if (arg == QLatin1String("--memory"))
            limits.memoryBytes = value.toULongLong() << 20, ++k;
        else if (arg == QLatin1String("--only"))
            only = value, capped = false, ++k;
        else if (arg == QLatin1String("--cap-only"))
            only = QStringLiteral("no level"), capped = true;
        else if (arg == QLatin1String("--without"))
            without = value.split(QLatin1Char(',')), ++k;
    }
    SolverTechniques techniques;
    for (const auto& [name, on] : { std::pair { "start", &techniques.startChecks },
             std::pair { "corrals", &techniques.corrals },
             std::pair { "partial", &techniques.partialExpansion },
             std::pair { "incremental", &techniques.incrementalBound },
             std::pair { "local", &techniques.localArea },
             std::pair { "ordering", &techniques.ordering } })
        *on = !without.contains(QLatin1String(name));

    PrintHeader();
    const QDir samples(QStringLiteral(QUOBIX_SOURCE_DIR "/levels"));
    const QDir generated(GeneratedFolder);
    for (const QDir& folder : { samples, generated })
        for (const QString& name : folder.entryList({ "*.qbx" }, QDir::Files, QDir::Name)) {
            if (name.startsWith(QLatin1String("invalid")) || !name.contains(only))
                continue;
            if (const auto level = LoadLevelFile(folder.filePath(name)))
                Report(QString(name).remove(QStringLiteral(".qbx")), *level, limits, techniques);
        }

    // The memory cap: a search that cannot finish within 32 MiB stops there.
    const auto dense = LoadLevelFile(generated.filePath(QStringLiteral("dense-20o-100c-22.qbx")));
    if (capped && dense) {
        SolverLimits small = limits;
        small.memoryBytes = std::size_t(32) << 20;
        Report(QStringLiteral("dense-20o-100c-22, 32 MiB"), *dense, small, techniques);
    }
    return 0;
}
