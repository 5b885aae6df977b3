// Paints the six help pages from screenshots of the editor's own windows, taken offscreen.
//
//   helpgen <folder>   writes <folder>/help1.png .. help6.png

#include "HelpPages.h"
#include "editor/modQuobixEditorZN.h"

#include <QApplication>
#include <QFileInfo>
#include <cstdio>

int main(int argc, char** argv)
{
    // The same pictures on every machine: no desktop, no screen scaling, no theme.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", "1");
    qunsetenv("QT_STYLE_OVERRIDE");
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    quobix::modQuobixEditorZN::SubstituteFonts();

    if (argc != 2) {
        std::fprintf(stderr, "usage: helpgen <output-folder>\n");
        return 2;
    }
    // The editor's start-up moves the current folder to the program's own.
    const QString folder = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
    const QString error = helpgen::WriteHelpPages(folder);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "helpgen: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
