// Moving accounts between grid positions, and the checks before an account may be deleted.
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
// The records deleting slot (Mi, Si) writes to its history file: all of its chain.
int ArchivedRecordCount(int Mi, int Si);

// The deletion itself, once confirmed: the history goes to a text file the user chooses, the
// balance of an account in the checkbook moves to "Available" ("Account Closeout."),
// the Checkbook's history notes the deletion and the slot is emptied. 1 when deleted; 0 when
// the file was cancelled or failed, or the closeout was refused, with nothing deleted.
int RecordDeleteAccount(int Mi, int Si);
