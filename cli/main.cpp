// budget-cli: the budget engine from the command line.
#include "cli/Commands.h"

#include <QCoreApplication>

#ifdef BUDGET_CLI_PRINTING
#include "printing/CheckPage.h"
#include "printing/ReportPrint.h"

#include <QGuiApplication>
#endif

#include <cstring>
#include <iostream>
#include <memory>

namespace {

// The commands that draw pages: they need Qt's fonts and painting, on the offscreen platform
// since the command line shows no window.
bool DrawsPages(int argc, char** argv)
{
#ifdef BUDGET_CLI_PRINTING
    return argc > 1 && (std::strcmp(argv[1], "print-check") == 0 || std::strcmp(argv[1], "report") == 0);
#else
    (void)argc;
    (void)argv;
    return false;
#endif
}

#ifdef BUDGET_CLI_PRINTING
QtMessageHandler gQtMessages = nullptr;

// Qt's note that a session without a runtime folder gets one in /tmp is no concern of a budget
// command and would only clutter its standard error; every other message of Qt passes on.
void QuietRuntimeFolder(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtWarningMsg && text.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR")))
        return;
    gQtMessages(type, context, text);
}
#endif

}  // namespace

int main(int argc, char** argv)
{
    std::unique_ptr<QCoreApplication> app;
    ConsoleHost host(std::cerr);
#ifdef BUDGET_CLI_PRINTING
    if (DrawsPages(argc, argv)) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        gQtMessages = qInstallMessageHandler(QuietRuntimeFolder);
        app = std::make_unique<QGuiApplication>(argc, argv);
        host.OnPrintCheck = [] { return PrintCheckPage(PrintTarget::Pdf); };
        host.OnPrintReport = [](ReportKind kind) { return PrintReport(kind, PrintTarget::Pdf); };
    }
#endif
    if (!app)
        app = std::make_unique<QCoreApplication>(argc, argv);
    std::vector<std::string> args(argv + 1, argv + argc);
    const int code = RunBudgetCli(args, std::cout, host);
    std::cout.flush();
    return code;
}
