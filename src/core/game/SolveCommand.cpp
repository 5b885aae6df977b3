#include "game/SolveCommand.h"
#include "state/CoreState.h"

#include "displace/DisplaceState.h"
#include "files/modLoadOrSave.h"
#include "level/LevelState.h"
#include "messages/LoadSaveState.h"
#include "messages/modMessages.h"
#include "platform/FileSystem.h"

#include <QFileInfo>

namespace quobix::game {

namespace {
    QString LimitText(const SolveResult& result, const SolverLimits& limits)
    {
        switch (result.limit) {
        case SolveLimit::Time:
            return QStringLiteral("time limit %1 s").arg(limits.seconds);
        case SolveLimit::Memory:
            return QStringLiteral("memory limit %1 MiB").arg(limits.memoryBytes >> 20);
        case SolveLimit::Cancelled:
            return QStringLiteral("cancelled");
        case SolveLimit::None:
            break;
        }
        return QString();
    }
}

bool LoadLevelFile(const QString& file)
{
    InitCoreState();
    for (int line = 1; line <= GridRows; ++line)
        LevelLines[1][line] = QString(LineWidth, QLatin1Char(' '));
    const QFileInfo info(file);
    CurrentFolder = FileSystem::WithSeparator(info.absolutePath());
    FileName = info.fileName();
    LevelFileType = modLoadOrSave::FileTypeOfName(FileName);
    modLoadOrSave::ReadLevelFile();
    return LoadOrSaveOK;
}

int RunSolveCommand(
    const QStringList& files, const SolverLimits& limits, QTextStream& out, QTextStream& err)
{
    int unsolved = 0;
    for (const QString& file : files) {
        // A message about a file names it first, as its line on the output does.
        SetMessageBoxHandler(StreamMessageHandler(err, file + QStringLiteral(": ")));
        out << file << ": ";
        SolveResult result;
        if (!LoadLevelFile(file)) {
            out << "not read";
        } else {
            const GamePosition level = GamePosition::FromLevelLines();
            switch (level.Check()) {
            case Playability::Invalid:
                modMessages::ShowLoadedLevelInvalid();
                out << "invalid level";
                break;
            case Playability::Open:
                out << "open level (the man can walk off the grid)";
                break;
            case Playability::Playable:
                result = Solve(level, limits);
                if (result.outcome == SolveOutcome::Solved)
                    out << "solved, pushes " << result.pushes << ", moves " << result.moves
                        << ", solution " << result.solution;
                else if (result.outcome == SolveOutcome::Unsolvable)
                    out << "unsolvable";
                else
                    out << "gave up, " << LimitText(result, limits);
                break;
            }
        }
        out << Qt::endl;
        unsolved += result.outcome != SolveOutcome::Solved;
    }
    return unsolved == 0 ? 0 : 1;
}

MessageBoxHandler StreamMessageHandler(QTextStream& err, const QString& prefix)
{
    return [&err, prefix](const QString& text, const QString& title, MsgButtons buttons, MsgIcon) {
        err << prefix << title << ": " << QString(text).replace(QChar(13), QChar(10)) << Qt::endl;
        return buttons == MsgButtons::YesNo ? vbNo : vbOK;
    };
}

} // namespace quobix::game
