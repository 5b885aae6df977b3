#include "common/TestRegistry.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // The recent levels and any other setting go to a folder of the run's own.
    QTemporaryDir settings;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    return RunRegisteredTests(argc, argv);
}
