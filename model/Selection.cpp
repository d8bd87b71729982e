// Clearing and setting the selection of account boxes.
#include "model/Selection.h"

#include "model/Globals.h"
#include "model/Host.h"
#include "model/Messages.h"

void ResetSelect(int Mi, int Si)
{
    gFirstSelected[0] = Mi;
    gFirstSelected[1] = Si;
    gSecondSelected[0] = gSecondSelected[1] = -1;
    for (int m = 0; m < kMainAccounts; ++m)
        for (int s = 0; s < kSlots; ++s)
            if (Accounts[m][s].SelectFlag && !(m == Mi && s == Si)) {
                Accounts[m][s].SelectFlag = 0;
                ForceAccountImageUpdate(m, s);
            }
}

void InvalidateAccountRect(int Mi, int Si)
{
    gFirstSelected[0] = gFirstSelected[1] = -1;
    gSecondSelected[0] = gSecondSelected[1] = -1;
    if (Mi >= 0 && Mi < kMainAccounts && Si >= 0 && Si < kSlots)
        Accounts[Mi][Si].SelectFlag = 0;
    ForceAccountImageUpdate(Mi, Si);
}

void ForceAccountImageUpdate(int Mi, int Si)
{
    GetHost().InvalidateAccount(Mi, Si);
}

int32_t SelectedAmount(int Mi, int Si)
{
    const ARecord& a = Accounts[Mi][Si];
    if (Si == 0 && a.NumberOfSubAccounts > 0) {
        int64_t total = 0;
        for (int s = 0; s < kSlots; ++s)
            if (Accounts[Mi][s].Valid)
                total += Accounts[Mi][s].Balance;
        return static_cast<int32_t>(total);
    }
    return a.Balance;
}

void SelectOne(int Mi, int Si)
{
    if (Accounts[Mi][Si].SelectFlag) {
        Accounts[Mi][Si].SelectFlag = 0;
        ResetSelect(-1, -1);
        gSelectTotal = 0;
        return;
    }
    Accounts[Mi][Si].SelectFlag = 1;
    ResetSelect(Mi, Si);
    gSelectTotal = SelectedAmount(Mi, Si);
}

void SelectMultiple(int Mi, int Si)
{
    ARecord& a = Accounts[Mi][Si];
    if (a.SelectFlag) {
        a.SelectFlag = 0;
        if (gFirstSelected[0] == Mi && gFirstSelected[1] == Si)
            gFirstSelected[0] = gFirstSelected[1] = -1;
        if (gSecondSelected[0] == Mi && gSecondSelected[1] == Si)
            gSecondSelected[0] = gSecondSelected[1] = -1;
        gSelectTotal -= SelectedAmount(Mi, Si);
    } else {
        a.SelectFlag = 1;
        if (gFirstSelected[0] < 0) {
            gFirstSelected[0] = Mi;
            gFirstSelected[1] = Si;
            gSecondSelected[0] = gSecondSelected[1] = -1;
            gSelectTotal = SelectedAmount(Mi, Si);
        } else {
            gSecondSelected[0] = Mi;
            gSecondSelected[1] = Si;
            gSelectTotal += SelectedAmount(Mi, Si);
        }
    }
    // The Checkbook never takes part in a multiple selection.
    if (Accounts[0][1].SelectFlag) {
        Accounts[0][1].SelectFlag = 0;
        ForceAccountImageUpdate(0, 1);
    }
}

int16_t GetSelected(int* Mi, int* Si, int checkbook, int error)
{
    if (gFirstSelected[0] < 0) {
        if (error)
            HandleSelectionError("An account needs to be selected.", "");
        return 0;
    }
    *Mi = gFirstSelected[0];
    *Si = gFirstSelected[1];
    if (gMainInvest)
        return 3;
    if (*Mi == 0 && *Si == 1) {
        if (checkbook)
            return 2;
        if (error)
            HandleSelectionError("The Checkbook may not be", "selected for this transaction.");
        return 0;
    }
    return 1;
}

int Get2Selected(int* Mi1, int* Si1, int* Mi2, int* Si2)
{
    if (gFirstSelected[0] < 0 || gSecondSelected[0] < 0) {
        HandleSelectionError("Two accounts need to be selected.", "");
        return 0;
    }
    *Mi1 = gFirstSelected[0];
    *Si1 = gFirstSelected[1];
    *Mi2 = gSecondSelected[0];
    *Si2 = gSecondSelected[1];
    return 1;
}

int CheckItemSelected()
{
    if (gSelectedItem)
        return 1;
    HandleSelectionError("You must select a transaction to undo.", "");
    return 0;
}
