// The dialogs that record a transaction on one or two accounts: Write Check / Write Debit, ATM
// Withdrawal, Make Deposit and Transfer Funds, each opened for an account slot of the grid.
#pragma once

// Opens Write Check (or Write Debit, after gBudget.Debit) on slot (Mi, Si); theRemHPtr, when not
// null, is the history record (AHistory) a due reminder repeats. Nothing without a valid slot.
void HandleCheck(int Mi, int Si, void* theRemHPtr);
// Opens Make Deposit on slot (Mi, Si); theRemHPtr as for HandleCheck.
void HandleDeposit(int Mi, int Si, void* theRemHPtr);
// Opens ATM Withdrawal on slot (Mi, Si).
void HandleATM(int Mi, int Si);

// Opens Transfer Funds from slot (Mi1, Si1) to slot (Mi2, Si2) proposing `amt`. With `flag` set
// it is the Available Transfer a withdrawal lacking money asks for, offered while the
// withdrawal's own dialog is open. Returns 1 after OK or "Cancel Available Transfer Only", 0
// after Cancel or without a dialog (an index negative or a slot not valid).
int HandleTransfer(int Mi1, int Si1, int Mi2, int Si2, int flag, int amt);
