#include "editor/modQuobixEditorZN.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quobix level editor"));
    return quobix::modQuobixEditorZN::Main();
}
