// The Archive and Export dialogs: their boxes and fields over the file code's archive and export.
#include "dialogs/ArchiveDialogs.h"

#include "dialogs/EntryHelpers.h"
#include "files/Archive.h"
#include "files/TextExport.h"
#include "model/Dates.h"
#include "model/Globals.h"
#include "model/Host.h"
#include "platform/Dialog.h"

namespace {

// Archive: entry k's box; entry 0 at the bottom, the Remainder (1005) at the top.
constexpr int kFirstEntryBox = 1001;

// Export
constexpr int kStartField = 1260;
constexpr int kEndField = 1261;
constexpr int kTransferBox = 1262;

class ArchiveDialog final : public DialogProcedure {
public:
    void Init(Dialog& dialog) override
    {
        for (int k = 0; k < kArchiveYears; ++k)
            kept[k] = gArchive[k].SetForArchive;
        // What reconciling or undoing changed since the budget was read is counted in.
        CountArchiveData();
        ShowEntries(dialog);
    }

    void Command(Dialog& dialog, int id, int notification) override
    {
        if (notification != kClicked)
            return;
        if (id >= kFirstEntryBox && id < kFirstEntryBox + kArchiveYears) {
            dialog.SetChecked(id, !dialog.Checked(id));
        } else if (id == IDOK) {
            for (int k = 0; k < kArchiveYears; ++k)
                gArchive[k].SetForArchive = dialog.Checked(kFirstEntryBox + k) ? 1 : 0;
            if (ArchiveChosenEntries())
                dialog.End(1);
            else
                ShowEntries(dialog);  // what was archived before the file that failed is done
        } else if (id == IDCANCEL) {
            for (int k = 0; k < kArchiveYears; ++k)
                gArchive[k].SetForArchive = kept[k];
            dialog.End(0);
        }
    }

private:
    // Each box with its entry's text; one without records can be neither ticked nor archived.
    static void ShowEntries(Dialog& dialog)
    {
        for (int k = 0; k < kArchiveYears; ++k) {
            const int box = kFirstEntryBox + k;
            const bool offered = gArchive[k].Count > 0;
            dialog.SetText(box, ArchiveEntryText(k));
            if (!offered)
                dialog.SetChecked(box, false);
            dialog.Enable(box, offered);
        }
    }

    char kept[kArchiveYears] = {};
};

class ExportDialog final : public DialogProcedure {
public:
    void Init(Dialog& dialog) override
    {
        Mi = gMi;
        Si = gSi;
        char start[kDatimeSize], end[kDatimeSize];
        if (!ProposeExportRange(Mi, Si, start, end)) {
            dialog.End(0);
            return;
        }
        char shown[kDatimeSize];
        ConvertDateFormat(start, shown);
        dialog.SetText(kStartField, shown);
        ConvertDateFormat(end, shown);
        dialog.SetText(kEndField, shown);
        if (Si == kInvestmentSlot)
            dialog.Show(kTransferBox, false);
    }

    void Command(Dialog& dialog, int id, int notification) override
    {
        if (notification != kClicked)
            return;
        if (id == kTransferBox) {
            dialog.SetChecked(id, !dialog.Checked(id));
        } else if (id == IDOK) {
            char start[kDatimeSize], end[kDatimeSize];
            if (!GetDialogDatime(dialog, start, 1, kStartField) || !GetDialogDatime(dialog, end, 1, kEndField))
                return;
            // A cancelled or failed file closes the dialog all the same: the export is over.
            ExportHistoryRange(Mi, Si, start, end, Si != kInvestmentSlot && dialog.Checked(kTransferBox));
            dialog.End(1);
        } else if (id == IDCANCEL) {
            dialog.End(0);
        }
    }

private:
    int Mi = 0;
    int Si = 0;
};

}  // namespace

void BudgetArchive()
{
    ArchiveDialog procedure;
    RunDialog("ARCHIVE", procedure, DialogOwner());
}

void ExportHistory(int Mi, int Si)
{
    const DialogContext context(Mi, Si);
    ExportDialog procedure;
    RunDialog("EXPORT", procedure, DialogOwner());
}

void ExportInvestHistory(int Ii)
{
    ExportHistory(Ii, kInvestmentSlot);
}
