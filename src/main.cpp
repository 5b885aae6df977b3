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
        parser.setApplicationDescription(
            QStringLiteral("Draws, plays and solves levels of Quobix, a box-pushing puzzle on a "
                           "hexagonal grid."));
        parser.addHelpOption();
        parser.addVersionOption();
        parser.addOptions({ solve, timeLimit, memoryLimit });
        parser.addPositionalArgument(QStringLiteral("FILE"),
            QStringLiteral("A level file (*.qbx, *.xsb) to open; with --solve, any number."),
            QStringLiteral("[FILE...]"));
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

// Whether the command line is answered without a window: solving, help, the version, or an
// error in the options. Such a run needs no display.
bool NeedsNoWindow(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        for (const char* name : { "--solve", "--help", "-h", "--help-all", "--version", "-v" })
            if (std::strcmp(argv[i], name) == 0)
                return true;
    return false;
}

void SetUpApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("quobix-editor"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUOBIX_VERSION));
}

} // namespace

int main(int argc, char** argv)
{
    if (NeedsNoWindow(argc, argv)) {
        QCoreApplication app(argc, argv);
        SetUpApplication();
        CommandLine line;
        line.parser.process(app); // answers --help and --version itself
        return SolveFiles(line);
    }
    QApplication app(argc, argv);
    SetUpApplication();
    CommandLine line;
    line.parser.process(app);
    const QStringList files = line.parser.positionalArguments();
    if (files.size() > 1) {
        QTextStream(stderr) << "quobix-editor: one level file at a time (see --help)." << Qt::endl;
        return 2;
    }
    QApplication::setApplicationName(QStringLiteral("Quobix level editor"));
    return quobix::modQuobixEditorZN::Main(files.value(0));
}
