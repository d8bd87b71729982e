// Moving accounts between grid positions, the checks before an account may be deleted, and
// emptying its slot.
#pragma once

#include <cstdint>

// Moves the account at (fm1, fm2) to (to1, to2), exchanging it with whatever is there.
void SwitchAccounts(int fm1, int fm2, int to1, int to2);
// Exchanges two slots; flag 1 when one is a main position and the other a sub position.
void SwitchAccountRecord(int fm1, int fm2, int to1, int to2, int flag);
// Sets Mi and Si of every record of the slot's chain to the slot's position.
void ResetHistoryIndex(int Mi, int Si);
// Refuses what may not be deleted; otherwise runs the deletion dialog. Returns its result.
int DeleteAccount(int Mi, int Si);

// What deleting slot (Mi, Si) would move to "Available": its balance (below 0 for an overdrawn
// account, which "Available" then covers), or 0 for a savings account.
int32_t CloseoutAmount(int Mi, int Si);
// The records of slot (Mi, Si), every one of its chain: what deleting it writes to its history
// file.
int HistoryRecordCount(int Mi, int Si);

// The parts of a confirmed deletion (files/TextExport.h RecordDeleteAccount runs them around
// writing the history file). First, whether the slot may be emptied: its closeout is an amount
// and what the pays leave "Available" without its allocations stays one; 0 after the message.
int DeletionFits(int Mi, int Si);
// Then, with the history kept, the slot is emptied: the balance of an account in the checkbook
// moves to "Available" ("Account Closeout."), the Checkbook's history notes the deletion and the
// slot is reset. 1 when done; 0 when the closeout was refused (told), the account left as it was.
int CloseAccount(int Mi, int Si);
