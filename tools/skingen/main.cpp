// Paints the editor's built-in pictures. Same input, same bytes: the output is committed.
//
//   skingen <folder>               the three skins, as <folder>/krv/Floor.gif and so on
//   skingen --icons <source-root>  the displace buttons and the program icon

#include "Icons.h"
#include "Skins.h"

#include <QStringList>
#include <cstdio>

int main(int argc, char** argv)
{
    // Only QImage and QPainter on images: no application object and no display needed.
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);

    QString error;
    if (args.size() == 1 && !args[0].startsWith(QLatin1Char('-'))) {
        error = skingen::WriteSkins(args[0]);
    } else if (args.size() == 2 && args[0] == QLatin1String("--icons")) {
        error = skingen::WriteIcons(args[1]);
    } else {
        std::fprintf(
            stderr, "usage: skingen <output-folder>\n       skingen --icons <source-root>\n");
        return 2;
    }
    if (!error.isEmpty()) {
        std::fprintf(stderr, "skingen: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
