// budget: the desktop program.
#include "app/Startup.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Budget");
    Program program = CreateProgram();
    // The arguments Qt left (it takes its own options out of argv), as the bytes given.
    if (!StartProgram(program, argc, argv))
        return 0;
    return app.exec();
}
