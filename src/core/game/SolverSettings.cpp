#include "game/SolverSettings.h"

#include "platform/UserSettings.h"

#include <cmath>

namespace quobix::game {

namespace {
    const QString TimeKey = QStringLiteral("solver/timeLimitSeconds");
    const QString MemoryKey = QStringLiteral("solver/memoryLimitMiB");
    const QString ShownKey = QStringLiteral("analysis/shown");
    const QString AnalysisTimeKey = QStringLiteral("analysis/timeLimitSeconds");
}

bool IsTimeLimit(double seconds) { return std::isfinite(seconds) && seconds > 0; }

bool IsMemoryLimit(qulonglong mib) { return mib >= 1 && mib <= MaxMemoryMiB; }

SolverLimits StoredSolverLimits()
{
    SolverLimits limits;
    const auto settings = UserSettings();
    bool ok = false;
    const double seconds = settings->value(TimeKey).toDouble(&ok);
    if (ok && IsTimeLimit(seconds))
        limits.seconds = seconds;
    const qulonglong mib = settings->value(MemoryKey).toULongLong(&ok);
    if (ok && IsMemoryLimit(mib))
        limits.memoryBytes = static_cast<std::size_t>(mib) << 20;
    return limits;
}

void StoreSolverLimits(const SolverLimits& limits)
{
    const auto settings = UserSettings();
    settings->setValue(TimeKey, limits.seconds);
    settings->setValue(MemoryKey, static_cast<qulonglong>(limits.memoryBytes >> 20));
}

bool StoredAnalysisShown() { return UserSettings()->value(ShownKey, false).toBool(); }

void StoreAnalysisShown(bool shown) { UserSettings()->setValue(ShownKey, shown); }

double StoredAnalysisSeconds()
{
    bool ok = false;
    const double seconds = UserSettings()->value(AnalysisTimeKey).toDouble(&ok);
    return ok && IsTimeLimit(seconds) ? seconds : DefaultAnalysisSeconds;
}

void StoreAnalysisSeconds(double seconds) { UserSettings()->setValue(AnalysisTimeKey, seconds); }

} // namespace quobix::game
