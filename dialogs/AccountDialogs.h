// Account Setup (name, savings flag and the allocation each pay puts into the account), the New
// Account command that picks the slot for it, new sub accounts and the category name dialog.
#pragma once

#include "ledger/Recording.h"

#include <functional>

class QWidget;

// The New Account command, once the shell has told what the window in front is: picks the slot
// from the first selection and `front`, then opens the right dialog over `owner` (the window in
// front). Nothing happens with no window in front or another kind of window.
void NewAccount(FrontWindow front, QWidget* owner);

// Creates the first free sub account 1 to 6 of main account Mi; the first one of a row also asks
// for the category name, then the sub-account window opens.
void NewSubAccount(int Mi);

// Opens main account Mi's sub-account window in front once a sub account was made in its row.
// The shell, which owns those windows, installs it; with none installed no window opens.
void SetShowSubAccounts(std::function<void(int Mi)> show);

// "Account Setup" for slot (Mi, Si), new or existing; 1 when it was stored.
int RunAccountSetup(int Mi, int Si);

// The category name of main account Mi's sub accounts ("SUBACCOUNT"); 1 when it was stored.
int RunSubAccountDialog(int Mi);
