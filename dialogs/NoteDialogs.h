// The note of an account ("Notes") and the confirmation that deletes an account ("Delete
// Account").
#pragma once

// Opens "Notes" on slot (Mi, Si): OK keeps the typed note (up to 252 characters), Delete empties
// it, Cancel leaves it; the account box is repainted afterwards, as it shows whether there is a
// note. Investment accounts (invest != 0) have no notes in this program yet: nothing happens.
void BudgetNote(int Mi, int Si, int invest);

// Opens "Delete Account" on slot (Mi, Si), whose deletion the ledger has already allowed: OK
// archives the history to a file the user chooses and empties the slot; a cancelled or failed
// file keeps the dialog open. After a deletion the windows of what is gone are put away and the
// grid is repainted. 1 when deleted, else 0. flag 1 (an investment account) is not offered yet
// and gives 0.
int DeleteAccountDialog(int Mi, int Si, int flag);
