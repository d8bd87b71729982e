// budget-cli: the budget engine from the command line.
#include "cli/Commands.h"

#include <QCoreApplication>

#include <iostream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    std::vector<std::string> args(argv + 1, argv + argc);
    ConsoleHost host(std::cerr);
    const int code = RunBudgetCli(args, std::cout, host);
    std::cout.flush();
    return code;
}
