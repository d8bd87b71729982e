// Clearing and setting the selection of account boxes.
#include "model/Selection.h"

#include "model/Globals.h"
#include "model/Host.h"

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
