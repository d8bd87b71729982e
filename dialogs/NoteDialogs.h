// The note of an account ("Notes") and the confirmation that deletes an account ("Delete
// Account").
#pragma once

// Opens "Notes" on slot (Mi, Si), or with invest set on investment account Mi: OK keeps the typed
// note (up to 252 characters), Delete empties it, Cancel leaves it; the account box is repainted
// afterwards, as it shows whether there is a note. Nothing happens without an account there.
void BudgetNote(int Mi, int Si, int invest);

// Opens "Delete Account" on slot (Mi, Si), whose deletion the ledger has already allowed: OK
// archives the history to a file the user chooses and empties the slot; a cancelled or failed
// file keeps the dialog open. After a deletion the windows of what is gone are put away and the
// grid is repainted. 1 when deleted, else 0. flag 1: investment account Mi, whose deletion its
// own checks have allowed; its history but the price updates goes to the file, and nothing moves
// to "Available".
int DeleteAccountDialog(int Mi, int Si, int flag);
