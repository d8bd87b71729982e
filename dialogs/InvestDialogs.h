// The dialogs of investment accounts: naming an account ("NEWINVEST"), buying and selling shares
// ("BUYSELL"), a new price per share ("PPS") and the cost basis ("COSTBASIS"), and the deletion
// of an investment account. Each reads its fields and records through the investment recording
// functions, and asks for the account to be repainted afterwards.
#pragma once

#include "investments/InvestRecording.h"

// The control a refusal puts the focus on: the name, price or cost basis, date or share count.
int InvestFieldControl(InvestField field);

// Names (or renames) investment account Ii, 1 to 25; naming an empty slot makes the account.
// 1 when a name was stored.
int InvestAccountDialog(int Ii);
// Buys (buySell 1) or sells (0) shares of valid account Ii; nothing for any other Ii.
void HandleShareDialog(int buySell, int Ii);
// A new price per share of valid account Ii: 1 after OK, 0 after Cancel or without an account.
int PPSDialog(int Ii);
// Sets the cost basis of valid account Ii.
void CostBasisDialog(int Ii);
// The Delete Account command on investment account Ii: the delete message for a slot without an
// account, else the deletion dialog. 1 when deleted.
int DeleteInvestAccount(int Ii);
