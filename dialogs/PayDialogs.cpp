// Pay Setup and Pay Entry: the dialogs read and show their fields; storing the sources and
// spreading the pays are the ledger's (ledger/Pay.h), shared with budget-cli.
#include "dialogs/PayDialogs.h"
#include "dialogs/EntryHelpers.h"

#include "ledger/Pay.h"
#include "model/Dates.h"
#include "model/Globals.h"
#include "model/Host.h"
#include "model/Selection.h"
#include "platform/Dialog.h"

#include <string>

namespace {

// Pay Setup: source i has its group box, name, amount and four frequency buttons from
// SourceGroup(i) on; the frequency buttons' ids are the values PayType stores.
constexpr int SourceGroup(int i) { return 1001 + 7 * i; }
constexpr int NameField(int i) { return SourceGroup(i) + 1; }
constexpr int PayAmountField(int i) { return SourceGroup(i) + 2; }
constexpr int kNextCheckField = 1023;
constexpr size_t kPayNameChars = 14;
constexpr size_t kPayAmountChars = 14;

class PaySetupDialog final : public DialogProcedure {
public:
    void Init(Dialog& dialog) override
    {
        const PaySetupEntry shown = CurrentPaySetup();
        for (int i = 0; i < kPayers; ++i) {
            dialog.SetText(NameField(i), shown.Sources[i].Name);
            dialog.SetText(PayAmountField(i), shown.Sources[i].Amount);
            holdNew[i] = shown.Sources[i].PayType;
            // A stored value outside the group's buttons ticks none of them.
            dialog.CheckRadio(PayTypeButton(i, kPayWeekly), PayTypeButton(i, kPayMonthly), holdNew[i]);
        }
        dialog.SetText(kNextCheckField, shown.NextCheck);
        dialog.FocusAndSelect(NameField(0));
    }

    void Command(Dialog& dialog, int id, int notification) override
    {
        if (notification != kClicked)
            return;
        if (id == IDOK) {
            Store(dialog);
        } else if (id == IDCANCEL) {
            dialog.End(0);
        } else if (const int i = SourceOfButton(id); i >= 0) {
            holdNew[i] = static_cast<int16_t>(id);
            dialog.CheckRadio(PayTypeButton(i, kPayWeekly), PayTypeButton(i, kPayMonthly), id);
        }
    }

private:
    // The source whose frequency button `id` is, or -1.
    static int SourceOfButton(int id)
    {
        for (int i = 0; i < kPayers; ++i)
            if (id >= PayTypeButton(i, kPayWeekly) && id <= PayTypeButton(i, kPayMonthly))
                return i;
        return -1;
    }

    void Store(Dialog& dialog)
    {
        PaySetupEntry entry;
        for (int i = 0; i < kPayers; ++i) {
            entry.Sources[i].Name = dialog.Text(NameField(i), kPayNameChars);
            entry.Sources[i].Amount = dialog.Text(PayAmountField(i), kPayAmountChars);
            entry.Sources[i].PayType = holdNew[i];
        }
        entry.NextCheck = dialog.Text(kNextCheckField);
        // Without a named source the dialog stays open without a word; a bad amount or next
        // check number has been told and gets the focus.
        int badField = -1;
        if (!RecordPaySetup(entry, &badField)) {
            if (badField == kBadNextCheck)
                dialog.FocusAndSelect(kNextCheckField);
            else if (badField >= 0)
                dialog.FocusAndSelect(PayAmountField(badField));
            return;
        }
        dialog.End(1);
    }

    // The frequency ticked in each group while the dialog is open; stored only by OK.
    int16_t holdNew[kPayers] = {};
};

class PayDialog final : public PayListDialog {
private:
    // OK with nothing ticked closes all the same; pays that would not all be taken have been
    // told and keep the dialog open.
    void Record(Dialog& dialog) override
    {
        char date[kDatimeSize];
        if (!GetDialogDatime(dialog, date, 1, kDateField))
            return;
        DialogPaySetup(dialog, date, false, ticks);
        if (RecordPayEntry(ticks, date) == kPayRefused)
            return;
        dialog.End(1);
    }
};

}  // namespace

int HandlePaySetup()
{
    PaySetupDialog procedure;
    if (RunDialog("PAYSETUP", procedure, DialogOwner()) != 1)
        return 0;
    // The Checkbook has the log entries and "Available" what the pays now leave it.
    ForceAccountImageUpdate(0, 0);
    ForceAccountImageUpdate(0, 1);
    return 1;
}

void HandlePay()
{
    if (gBudget.NumberOfPayers == 0 && !HandlePaySetup())
        return;
    PayDialog procedure;
    RunDialog("PAY", procedure, DialogOwner());
    InvalidateAccountRect(0, 0);
    InvalidateAccountRect(0, 1);
    GetHost().UpdateInfoBox();
}

void DialogPaySetup(Dialog& dialog, const char* theDatime, bool initFlag, bool ticks[kPayers])
{
    if (initFlag) {
        for (int i = 0; i < kPayers; ++i) {
            dialog.Show(kFirstPayBox + i, false);
            ticks[i] = false;
        }
    }
    for (int i = 0; i < gBudget.NumberOfPayers && i < kPayers; ++i) {
        char text[128];
        PayEntryText(i, theDatime, text);
        dialog.SetText(kFirstPayBox + i, text);
        dialog.SetChecked(kFirstPayBox + i, ticks[i]);
        dialog.Show(kFirstPayBox + i, true);
    }
}

bool ClickPayBox(Dialog& dialog, int id, bool ticks[kPayers])
{
    const int i = id - kFirstPayBox;
    if (i < 0 || i >= kPayers)
        return false;
    ticks[i] = !ticks[i];
    dialog.SetChecked(id, ticks[i]);
    return true;
}

void PayListDialog::Init(Dialog& dialog)
{
    char today[kDatimeSize];
    GetDatime(today);
    today[8] = '\0';
    DialogPaySetup(dialog, today, true, ticks);
    char shown[kDatimeSize];
    GetDisplayToday(shown);
    dialog.SetText(kDateField, shown);
}

void PayListDialog::Command(Dialog& dialog, int id, int notification)
{
    if (id == kDateField && notification == kTextChanged) {
        char date[kDatimeSize];
        if (GetDialogDatime(dialog, date, 0, kDateField))
            DialogPaySetup(dialog, date, true, ticks);
        return;
    }
    // Anything else the user does shows the Checkbook afresh.
    dialog.Invalidate(kCheckbookFrame);
    if (notification != kClicked || ClickPayBox(dialog, id, ticks))
        return;
    if (id == IDOK)
        Record(dialog);
    else if (id == IDCANCEL)
        dialog.End(0);
}

void PayListDialog::Paint(Dialog&, int id, DrawContext& dc)
{
    if (id == kCheckbookFrame)
        DrawDialogAccountBox(dc, 0, 1, 1);
}
