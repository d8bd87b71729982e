// The selection of account boxes in the main and sub-account windows.
#pragma once

#include <cstdint>

// First selection = (Mi, Si), second = none; every other marked slot is unmarked and repainted.
// ResetSelect(-1, -1) clears everything.
void ResetSelect(int Mi, int Si);

// Clears both selections and the slot's mark, then asks for every view of it to be repainted.
void InvalidateAccountRect(int Mi, int Si);
// Asks for every view of the slot (and the Checkbook, "Available" and balance panes) to be
// repainted, leaving the selection alone.
void ForceAccountImageUpdate(int Mi, int Si);

// The amount a selected box stands for: a category's row sum on slot 0 with sub accounts, else
// the slot's balance.
int32_t SelectedAmount(int Mi, int Si);

// A plain click: marks the slot alone, or unmarks everything when it was marked.
void SelectOne(int Mi, int Si);
// A Shift click: adds the slot as the second selection, or takes it out again.
void SelectMultiple(int Mi, int Si);

// What is selected for a command: 0 nothing usable, 1 an account, 2 the Checkbook (only when
// `checkbook` is nonzero), 3 an investment. With `error` set a missing selection is reported.
int16_t GetSelected(int* Mi, int* Si, int checkbook, int error);
// 1 with both selections, else the selection error.
int Get2Selected(int* Mi1, int* Si1, int* Mi2, int* Si2);
// 1 when a history record is selected, else the selection error.
int CheckItemSelected();
