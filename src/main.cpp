#include "editor/LevelPicture.h"
#include "editor/modQuobixEditorZN.h"
#include "game/SolveCommand.h"
#include "game/SolverSettings.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QTextStream>

namespace {

constexpr int UsageError = 2;

// The whole command line.
struct CommandLine {
    QCommandLineOption solve { QStringLiteral("solve"),
        QStringLiteral("Solve each level FILE without a window and print one line per file.") };
    QCommandLineOption timeLimit { QStringLiteral("time-limit"),
        QStringLiteral("Seconds the solver may spend on one level, above 0 (default 60)."),
        QStringLiteral("SECONDS"), QStringLiteral("60") };
    QCommandLineOption memoryLimit { QStringLiteral("memory-limit"),
        QStringLiteral("MiB of positions the solver may store, 1 to 16777216 (default 1024)."),
        QStringLiteral("MIB"), QStringLiteral("1024") };
    QCommandLineOption analyse { QStringLiteral("analyse"),
        QStringLiteral(
            "Analyse each level FILE without a window: one line per file, "
            "\"FILE: Invalid: <what is wrong>\", \"FILE: Open\", "
            "\"FILE: Solvable, <p> pushes, <m> moves, <c> object changes, <n> positions, "
            "<d> dead cells\", \"FILE: Unsolvable, <n> positions, <d> dead cells\" or "
            "\"FILE: Not decided within <s> s, ...\" (default time limit 10 s).") };
    QCommandLineOption exportPicture { QStringLiteral("export-picture"),
        QStringLiteral("Write the level of FILE as a PNG picture OUT, without a window: "
                       "quobix-editor --export-picture FILE OUT.") };
    QCommandLineParser parser;

    CommandLine()
    {
        parser.setApplicationDescription(
            QStringLiteral("Draws, plays and solves levels of Quobix, a box-pushing puzzle on a "
                           "hexagonal grid."));
        parser.addHelpOption();
        parser.addVersionOption();
        parser.addOptions({ solve, analyse, timeLimit, memoryLimit, exportPicture });
        parser.addPositionalArgument(QStringLiteral("FILE"),
            QStringLiteral("A level file (*.qbx, *.xsb) to open; with --solve or --analyse, any "
                           "number."),
            QStringLiteral("[FILE...]"));
    }
};

// The arguments without the toolkit's own window options (-style fusion, -platform xcb, ...),
// which the window's application takes for itself later.
QStringList ProgramArguments(int argc, char** argv)
{
    static const QStringList valued { "platform", "platformpluginpath", "platformtheme", "plugin",
        "qwindowgeometry", "qwindowicon", "qwindowtitle", "session", "display", "style",
        "stylesheet", "geometry", "title" };
    static const QStringList flags { "reverse", "widgetcount", "nograb", "dograb", "sync" };
    QStringList arguments { QString::fromLocal8Bit(argv[0]) };
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        if (argument == QLatin1String("--")) {
            for (; i < argc; ++i)
                arguments << QString::fromLocal8Bit(argv[i]);
            break;
        }
        QString name = argument;
        while (name.startsWith(QLatin1Char('-')))
            name.remove(0, 1);
        if (name == argument) {
            arguments << argument;
        } else if (flags.contains(name)) {
            continue;
        } else if (valued.contains(name.section(QLatin1Char('='), 0, 0))) {
            if (!name.contains(QLatin1Char('=')))
                ++i; // the value follows
        } else {
            arguments << argument;
        }
    }
    return arguments;
}

int Refuse(const QString& text)
{
    QTextStream(stderr) << "quobix-editor: " << text << Qt::endl;
    return UsageError;
}

// The solver's limits from the command line, or a message saying which one is wrong.
QString ReadLimits(const CommandLine& line, quobix::game::SolverLimits& limits)
{
    using namespace quobix::game;
    bool ok = false;
    const double seconds = line.parser.value(line.timeLimit).toDouble(&ok);
    if (!ok || !IsTimeLimit(seconds))
        return QStringLiteral("--time-limit takes a number of seconds above 0.");
    const qulonglong mib = line.parser.value(line.memoryLimit).toULongLong(&ok);
    if (!ok || !IsMemoryLimit(mib))
        return QStringLiteral("--memory-limit takes a whole number of MiB from 1 to %1.")
            .arg(MaxMemoryMiB);
    limits.seconds = seconds;
    limits.memoryBytes = static_cast<std::size_t>(mib) << 20;
    return QString();
}

void SetUpApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("quobix-editor"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUOBIX_VERSION));
}

} // namespace

int main(int argc, char** argv)
{
    // Every mistake in the command line is answered before a window, or a display, is needed.
    CommandLine line;
    if (!line.parser.parse(ProgramArguments(argc, argv))) {
        QTextStream(stderr) << "quobix-editor: " << line.parser.errorText() << Qt::endl
                            << "Try quobix-editor --help." << Qt::endl;
        return 1;
    }
    for (const char* answer : { "help", "help-all", "version" })
        if (line.parser.isSet(QString::fromLatin1(answer))) {
            QCoreApplication app(argc, argv);
            SetUpApplication();
            // Prints the answer and ends the program.
            line.parser.process({ QString::fromLocal8Bit(argv[0]),
                QStringLiteral("--") + QString::fromLatin1(answer) });
        }
    QStringList files = line.parser.positionalArguments();
    const bool solving = line.parser.isSet(line.solve);
    const bool analysing = line.parser.isSet(line.analyse);
    if (solving + analysing + line.parser.isSet(line.exportPicture) > 1)
        return Refuse(QStringLiteral("--solve, --analyse and --export-picture go one at a time."));
    for (const QCommandLineOption* limit : { &line.timeLimit, &line.memoryLimit })
        if (!solving && !analysing && line.parser.isSet(*limit))
            return Refuse(QStringLiteral("--%1 goes with --solve or --analyse (see --help).")
                              .arg(limit->names().constFirst()));
    if (solving || analysing) {
        quobix::game::SolverLimits limits;
        const QString wrong = ReadLimits(line, limits);
        if (!wrong.isEmpty())
            return Refuse(wrong);
        // An analysis answers sooner than a solve: it is the one the editor runs while drawing.
        if (analysing && !line.parser.isSet(line.timeLimit))
            limits.seconds = quobix::game::DefaultAnalysisSeconds;
        if (files.isEmpty())
            return Refuse(QStringLiteral("--%1 needs at least one level FILE (see --help).")
                              .arg(solving ? "solve" : "analyse"));
        QCoreApplication app(argc, argv);
        SetUpApplication();
        QTextStream out(stdout);
        QTextStream err(stderr);
        return solving ? quobix::game::RunSolveCommand(files, limits, out, err)
                       : quobix::game::RunAnalyseCommand(files, limits, out, err);
    }
    if (line.parser.isSet(line.exportPicture)) {
        if (files.size() != 2)
            return Refuse(QStringLiteral("--export-picture takes a level FILE and a picture OUT."));
        // The picture is drawn, never shown: no display is needed.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication app(argc, argv);
        SetUpApplication();
        QTextStream err(stderr);
        return quobix::LevelPicture::ExportCommand(files[0], files[1], err);
    }
    if (files.size() > 1)
        return Refuse(QStringLiteral("one level file at a time (see --help)."));
    // The editor moves to its own folder as it starts: a relative name is the shell's.
    if (!files.isEmpty())
        files[0] = QFileInfo(files[0]).absoluteFilePath();

    QApplication app(argc, argv);
    SetUpApplication();
    QApplication::setApplicationName(QStringLiteral("Quobix level editor"));
    return quobix::modQuobixEditorZN::Main(files.value(0));
}
