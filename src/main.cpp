#include "editor/modQuobixEditorZN.h"
#include "game/SolveCommand.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTextStream>
#include <cstdio>
#include <cstring>

namespace {

// The whole command line; options that need no window are answered before any window exists.
struct CommandLine {
    QCommandLineOption solve { QStringLiteral("solve"),
        QStringLiteral("Solve each level FILE without a window and print one line per file.") };
    QCommandLineOption timeLimit { QStringLiteral("time-limit"),
        QStringLiteral("Seconds the solver may spend on one level (default 60)."),
        QStringLiteral("SECONDS"), QStringLiteral("60") };
    QCommandLineOption memoryLimit { QStringLiteral("memory-limit"),
        QStringLiteral("MiB of positions the solver may store (default 1024)."),
        QStringLiteral("MIB"), QStringLiteral("1024") };
    QCommandLineParser parser;

    CommandLine()
    {
        parser.addOptions({ solve, timeLimit, memoryLimit });
        parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("A level file."));
    }
};

int SolveFiles(const CommandLine& line)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    quobix::game::SolverLimits limits;
    bool secondsOk = false, mibOk = false;
    limits.seconds = line.parser.value(line.timeLimit).toDouble(&secondsOk);
    const qulonglong mib = line.parser.value(line.memoryLimit).toULongLong(&mibOk);
    limits.memoryBytes = static_cast<std::size_t>(mib) << 20;
    if (!secondsOk || limits.seconds <= 0 || !mibOk || mib == 0 || mib > (1ull << 24)) {
        err << "quobix-editor: the limits must be positive numbers." << Qt::endl;
        return 2;
    }
    quobix::SetMessageBoxHandler(quobix::game::StreamMessageHandler(err));
    return quobix::game::RunSolveCommand(line.parser.positionalArguments(), limits, out);
}

bool HasArgument(int argc, char** argv, const char* name)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], name) == 0)
            return true;
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    if (HasArgument(argc, argv, "--solve")) {
        QCoreApplication app(argc, argv);
        CommandLine line;
        line.parser.process(app);
        return SolveFiles(line);
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quobix level editor"));
    return quobix::modQuobixEditorZN::Main();
}
