#include "shell/arranque.h"
#include "ui/runtime.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    ui::applyApplicationLook();
    shell::startProgram();
    if (ui::ending())
        return 0;
    return app.exec();
}
