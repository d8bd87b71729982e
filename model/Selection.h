// The selection of account boxes in the main and sub-account windows.
#pragma once

// First selection = (Mi, Si), second = none; every other marked slot is unmarked and repainted.
// ResetSelect(-1, -1) clears everything.
void ResetSelect(int Mi, int Si);

// Clears both selections and the slot's mark, then asks for every view of it to be repainted.
void InvalidateAccountRect(int Mi, int Si);
// Asks for every view of the slot (and the Checkbook, "Available" and balance panes) to be
// repainted, leaving the selection alone.
void ForceAccountImageUpdate(int Mi, int Si);
