// The "Reports" dialog and the printing of the report chosen in it.
#include "dialogs/ReportDialog.h"

#include "dialogs/EntryHelpers.h"
#include "model/Host.h"
#include "platform/Dialog.h"
#include "printing/ReportPrint.h"

namespace {

constexpr int kBudgetStatistics = 1240;
constexpr int kInvestments = 1241;
constexpr int kIncomeDistribution = 1242;

class ReportDialog final : public DialogProcedure {
public:
    void Init(Dialog& dialog) override
    {
        lastClicked = kIncomeDistribution;
        dialog.CheckRadio(kBudgetStatistics, kIncomeDistribution, lastClicked);
    }

    void Command(Dialog& dialog, int id, int notification) override
    {
        if (notification != kClicked)
            return;
        switch (id) {
        case kBudgetStatistics:
        case kInvestments:
        case kIncomeDistribution:
            lastClicked = id;
            dialog.CheckRadio(kBudgetStatistics, kIncomeDistribution, id);
            break;
        case IDOK:
            dialog.End(1);
            break;
        case IDCANCEL:
            dialog.End(0);
            break;
        default:
            break;
        }
    }

    ReportKind Chosen() const
    {
        switch (lastClicked) {
        case kBudgetStatistics:
            return ReportKind::BudgetStatistics;
        case kInvestments:
            return ReportKind::Investments;
        default:
            return ReportKind::IncomeDistribution;
        }
    }

private:
    int lastClicked = kIncomeDistribution;
};

}  // namespace

void BudgetReport()
{
    ReportDialog procedure;
    // The report is printed once the dialog has closed, so a "Save as PDF" chooser opens over
    // the main window.
    if (RunDialog("REPORT", procedure, DialogOwner()) == 1)
        PrintReport(procedure.Chosen(), PrintTarget::PrinterOrPdf);
}
