#include "game/SolveCommand.h"

#include "files/modLoadOrSave.h"
#include "game/Analysis.h"
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

std::optional<GamePosition> LoadLevelFile(const QString& file)
{
    const QFileInfo info(file);
    const QString folder = FileSystem::WithSeparator(info.absolutePath());
    const QString name = info.fileName();
    const LoadResult loaded
        = modLoadOrSave::LoadLevel(folder, name, modLoadOrSave::FileTypeOfName(name));
    for (const Message& message : loaded.messages)
        Show(message);
    if (!loaded.ok)
        return std::nullopt;
    return GamePosition::FromLevel(loaded.level);
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
        const auto level = LoadLevelFile(file);
        if (!level) {
            out << "not read";
        } else {
            switch (level->Check()) {
            case Playability::Invalid:
                modMessages::ShowLoadedLevelInvalid();
                out << "invalid level";
                break;
            case Playability::Open:
                out << "open level (the man can walk off the grid)";
                break;
            case Playability::Playable:
                result = Solve(*level, limits);
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

int RunAnalyseCommand(
    const QStringList& files, const SolverLimits& limits, QTextStream& out, QTextStream& err)
{
    int undecided = 0;
    for (const QString& file : files) {
        SetMessageBoxHandler(StreamMessageHandler(err, file + QStringLiteral(": ")));
        out << file << ": ";
        bool decided = false;
        if (const auto level = LoadLevelFile(file))
            out << AnalysisLine(*level, limits, decided);
        else
            out << "not read";
        out << Qt::endl;
        undecided += !decided;
    }
    return undecided == 0 ? 0 : 1;
}

MessageBoxHandler StreamMessageHandler(QTextStream& err, const QString& prefix)
{
    return [&err, prefix](const QString& text, const QString& title, MsgButtons buttons, MsgIcon) {
        err << prefix << title << ": " << QString(text).replace(QChar(13), QChar(10)) << Qt::endl;
        return buttons == MsgButtons::YesNo ? vbNo : vbOK;
    };
}

} // namespace quobix::game
