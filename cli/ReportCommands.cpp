// budget-cli report: prints the budget statistics, investment or income distribution report as
// Print Report... prints it, into a PDF file; the budget is only read.
#include "cli/ReportCommands.h"

#include "cli/CommandSupport.h"
#include "model/Messages.h"

#include <string>

const char kReportUsage[] = "report FILE budget|invest|income --pdf OUT.pdf";
const char kReportOptions[] = "--pdf=";
const char kReportHelp[] =
    "Prints a report as Print Report... does, into the PDF file OUT.pdf (an existing file is not\n"
    "replaced), with the budget's print font on the grid of its average character width and line\n"
    "height. budget: the budget statistics, each account's expenses, deposits and their percentage\n"
    "of this year and last year; invest: each investment account's shares, price per share, cost\n"
    "basis, market value and price date, with the totals; income: the monthly amount pay\n"
    "distribution gives each account and its share of the monthly pay. Accounts are listed in grid\n"
    "order, sub accounts under their category; savings accounts are left out. A main account with\n"
    "its sub accounts is not split over two pages. The budget is only read.";

int RunReport(const CommandArgs& args, std::ostream&, ConsoleHost& host)
{
    const std::string& which = args.Operands[1];
    ReportKind kind = ReportKind::BudgetStatistics;
    if (which == "invest")
        kind = ReportKind::Investments;
    else if (which == "income")
        kind = ReportKind::IncomeDistribution;
    else if (which != "budget")
        return UsageError(host, "the report is budget, invest or income");
    if (args.Value("--pdf").empty())
        return UsageError(host, "--pdf OUT.pdf is required");
    if (!OpenNamedBudget(args.Operands[0], host, BudgetAccess::Read))
        return kExitRefused;
    if (!host.OnPrintReport) {  // a build without the print library
        HandlePrintError(0, "Unable to get PrintDC");
        return kExitRefused;
    }
    host.ChosenPath = args.Value("--pdf");
    return host.OnPrintReport(kind) ? kExitOk : kExitRefused;
}
