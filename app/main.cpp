// budget: the desktop program.
#include "app/Startup.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Budget");
    Program program = CreateProgram();
    if (!StartProgram(program, app.arguments().mid(1)))
        return 0;
    return app.exec();
}
