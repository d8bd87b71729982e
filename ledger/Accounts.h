// Moving accounts between grid positions, and the checks before an account may be deleted.
#pragma once

// Moves the account at (fm1, fm2) to (to1, to2), exchanging it with whatever is there.
void SwitchAccounts(int fm1, int fm2, int to1, int to2);
// Exchanges two slots; flag 1 when one is a main position and the other a sub position.
void SwitchAccountRecord(int fm1, int fm2, int to1, int to2, int flag);
// Sets Mi and Si of every record of the slot's chain to the slot's position.
void ResetHistoryIndex(int Mi, int Si);
// Refuses what may not be deleted; otherwise runs the deletion dialog. Returns its result.
int DeleteAccount(int Mi, int Si);
