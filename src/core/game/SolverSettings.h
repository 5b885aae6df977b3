#pragma once

#include "game/Solver.h"

#include <QString>
#include <QtGlobal>

// The solver's limits for the windows, kept in the user's settings, and the ranges that the
// windows and the command line accept.
namespace quobix::game {

constexpr qulonglong MaxMemoryMiB = 1ull << 24;
// The time the analysis beside the grid gives the solver, unless the settings say otherwise.
constexpr double DefaultAnalysisSeconds = 10.0;

// Finite and above 0.
bool IsTimeLimit(double seconds);
bool IsMemoryLimit(qulonglong mib);

// The stored limits; a missing or unusable value is its default (60 s, 1024 MiB).
SolverLimits StoredSolverLimits();
void StoreSolverLimits(const SolverLimits& limits);

// The analysis beside the grid: whether it is shown, and the time it gives the solver (the
// memory is the solver's).
bool StoredAnalysisShown();
void StoreAnalysisShown(bool shown);
double StoredAnalysisSeconds();
void StoreAnalysisSeconds(double seconds);

} // namespace quobix::game
