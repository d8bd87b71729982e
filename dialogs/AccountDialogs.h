// Account Setup (name, savings flag and the allocation each pay puts into the account), the New
// Account command that picks the slot for it, new sub accounts and the category name dialog.
#pragma once

class QWidget;

// The New Account command: picks the slot from the first selection and the window in front,
// then opens the right dialog.
void HandleNewAccount();
// The same, issued from window `foreground` (the main window or a sub-account window); nothing
// happens without one.
void HandleNewAccountFrom(QWidget* foreground);

// Creates the first free sub account 1 to 6 of main account Mi; the first one of a row also asks
// for the category name, then the sub-account window opens.
void NewSubAccount(int Mi);

// "Account Setup" for slot (Mi, Si), new or existing; 1 when it was stored.
int RunAccountSetup(int Mi, int Si);

// The category name of main account Mi's sub accounts ("SUBACCOUNT"); 1 when it was stored.
int RunSubAccountDialog(int Mi);
