// Account Setup with its running monthly totals, the choice of the slot a new account goes into,
// new sub accounts and the category name of a row's sub accounts.
#include "dialogs/AccountDialogs.h"
#include "dialogs/EntryHelpers.h"
#include "dialogs/InvestDialogs.h"

#include "ledger/Budget.h"
#include "ledger/Pay.h"
#include "ledger/Recording.h"
#include "model/Globals.h"
#include "model/Host.h"
#include "model/Initialize.h"
#include "model/Messages.h"
#include "model/Money.h"
#include "model/Selection.h"
#include "platform/Dialog.h"

#include <string>
#include <utility>

namespace {

constexpr int kNameField = 1002;
constexpr int kSavingsBox = 1021;
constexpr int kSetupOK = 1022;
constexpr int kMonthlyText = 1038;
constexpr int kPercentText = 1039;
constexpr int kCategoryField = 1011;

// The slot that never holds an account; the running totals are worked out in it.
constexpr int kWorkMi = 0;
constexpr int kWorkSi = 6;

constexpr int PayerGroup(int j) { return 1003 + 6 * j; }
constexpr int AllocationField(int j, int k) { return 1004 + 6 * j + k; }
constexpr int AllocationLabel(int j, int k) { return 1023 + 5 * j + k; }

std::function<void(int Mi)>& ShowSubAccounts()
{
    static std::function<void(int Mi)> show;
    return show;
}

bool IsAllocationField(int id)
{
    for (int j = 0; j < kPayers; ++j)
        if (id >= AllocationField(j, 0) && id < AllocationField(j, kPaysPerMonth))
            return true;
    return false;
}

class AccountSetupDialog final : public DialogProcedure {
public:
    void Init(Dialog& dialog) override
    {
        Mi = gMi;
        Si = gSi;
        const ARecord& slot = Accounts[Mi][Si];
        subSlot = Si > 0;
        dialog.SetText(kNameField, RecordText(slot.Name));
        dialog.Enable(kSavingsBox, Si == 0 && !slot.Valid);
        dialog.SetChecked(kSavingsBox, Accounts[Mi][0].SavingsFlag != 0);
        if (Mi == 0 && Si == 0)
            dialog.Show(kSetupOK, false);
        for (int j = 0; j < gBudget.NumberOfPayers && j < kPayers; ++j) {
            dialog.SetText(PayerGroup(j), RecordText(gBudget.PayName[j]));
            const int pays = GetMaxPays(gBudget.PayType[j]);
            if (pays == 0)
                return;
            for (int k = 0; k < pays && k < kPaysPerMonth; ++k) {
                char amount[kAmountTextSize];
                I2S(slot.PayAmount[j][k], amount, 0);
                dialog.SetText(AllocationField(j, k), amount);
                dialog.SetText(AllocationLabel(j, k), "Pay#" + std::to_string(k + 1));
            }
        }
        dialog.FocusAndSelect(kNameField);
    }

    void Command(Dialog& dialog, int id, int notification) override
    {
        if (IsAllocationField(id)) {
            ShowTotals(dialog);
            return;
        }
        if (notification != kClicked)
            return;
        switch (id) {
        case kSavingsBox:
            if (!subSlot)
                dialog.SetChecked(kSavingsBox, !dialog.Checked(kSavingsBox));
            break;
        case kSetupOK:
            Store(dialog);
            break;
        case IDCANCEL:
            dialog.End(0);
            break;
        default:
            break;
        }
    }

private:
    void ShowTotals(Dialog& dialog)
    {
        if (!AllocationsAllowed()) {
            dialog.End(0);
            return;
        }
        ARecord& work = Accounts[kWorkMi][kWorkSi];
        for (int j = 0; j < kPayers; ++j) {
            for (int k = 0; k < kPaysPerMonth; ++k) {
                int32_t value = 0;
                const std::string text = dialog.Text(AllocationField(j, k), kPayEditChars);
                if (S2I(text.c_str(), &value) != kS2IValid)
                    value = 0;
                work.PayAmount[j][k] = value;
            }
        }
        int16_t percent = 0;
        int32_t monthly = 0;
        TotalMonthly(kWorkMi, kWorkSi, &percent, &monthly);
        char amount[kAmountTextSize];
        I2S(monthly, amount, 0);
        dialog.SetText(kMonthlyText, std::string("Monthly Total ") + amount);
        dialog.SetText(kPercentText, "Percent of Income " + std::to_string(percent) + "%");
    }

    void Store(Dialog& dialog)
    {
        const std::string name = dialog.Text(kNameField, kAccountNameChars);
        if (!AccountNameGiven(name)) {
            dialog.FocusAndSelect(kNameField);
            return;
        }
        int32_t amounts[kPayers][kPaysPerMonth] = {};
        for (int j = 0; j < kPayers; ++j) {
            for (int k = 0; k < kPaysPerMonth; ++k) {
                if (!ReadAllocation(dialog.Text(AllocationField(j, k), kPayEditChars), &amounts[j][k])) {
                    dialog.FocusAndSelect(AllocationField(j, k));
                    return;
                }
            }
        }
        if (!RecordAccountSetup(Mi, Si, name.c_str(), dialog.Checked(kSavingsBox), amounts))
            return;  // refused with the range message: the allocations can be corrected
        dialog.End(1);
    }

    int Mi = 0;
    int Si = 0;
    bool subSlot = false;
};

class SubAccountDialog final : public DialogProcedure {
public:
    void Init(Dialog& dialog) override
    {
        Mi = gMi;
        dialog.SetText(kCategoryField, RecordText(Accounts[Mi][0].SubName));
        dialog.FocusAndSelect(kCategoryField);
    }

    void Command(Dialog& dialog, int id, int notification) override
    {
        if (notification != kClicked)
            return;
        if (id == IDOK) {
            if (!RecordCategoryName(Mi, dialog.Text(kCategoryField, kCategoryChars))) {
                dialog.FocusAndSelect(kCategoryField);
                return;
            }
            dialog.End(1);
        } else if (id == IDCANCEL) {
            dialog.End(0);
        }
    }

private:
    int Mi = 0;
};

int RunSetupDialog(int Mi, int Si, QWidget* owner)
{
    const DialogContext context(Mi, Si);
    AccountSetupDialog procedure;
    return RunDialog("NEWACCOUNT", procedure, owner);
}

// A new main account in the free slot (Mi, 0).
void SetupMainAccount(int Mi, QWidget* owner)
{
    RunSetupDialog(Mi, 0, owner);
    InvalidateAccountRect(Mi, 0);
}

// A new sub account in the free slot (Mi, Si); the first of the row asks for the category name.
void SetupSubAccount(int Mi, int Si, QWidget* owner)
{
    if (RunSetupDialog(Mi, Si, owner) == 1) {
        if (Accounts[Mi][0].NumberOfSubAccounts == 1)
            RunSubAccountDialog(Mi);
        if (ShowSubAccounts())
            ShowSubAccounts()(Mi);
    }
    InvalidateAccountRect(Mi, Si);
    InvalidateAccountRect(Mi, 0);
}

// The window a new sub account's dialogs belong to: the one in front while the row's
// sub-account window exists, none before.
QWidget* SubAccountOwner(int Mi, QWidget* foreground)
{
    return MemoryAccounts[Mi][0].SubAccountWindow ? foreground : nullptr;
}

}  // namespace

void SetShowSubAccounts(std::function<void(int Mi)> show)
{
    ShowSubAccounts() = std::move(show);
}

void NewAccount(FrontWindow front, QWidget* owner)
{
    if (gMainInvest) {
        // Investment accounts are named with their own dialog.
        if (int Ii = 0; ChooseNewInvestAccount(gFirstSelected[0], &Ii))
            InvestAccountDialog(Ii);
        return;
    }
    int Mi = 0;
    int Si = 0;
    if (!ChooseNewAccountSlot(gFirstSelected[0], gFirstSelected[1], front, &Mi, &Si))
        return;
    if (Si == 0)
        SetupMainAccount(Mi, owner);
    else
        SetupSubAccount(Mi, Si, SubAccountOwner(Mi, owner));
}

void NewSubAccount(int Mi)
{
    if (int Si = 0; ChooseSubAccountSlot(Mi, &Si))
        SetupSubAccount(Mi, Si, SubAccountOwner(Mi, DialogOwner()));
}

int RunAccountSetup(int Mi, int Si)
{
    return RunSetupDialog(Mi, Si, DialogOwner());
}

int RunSubAccountDialog(int Mi)
{
    const DialogContext context(Mi, 0);
    SubAccountDialog procedure;
    return RunDialog("SUBACCOUNT", procedure, DialogOwner());
}
