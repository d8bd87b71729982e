// The selection of account boxes in the main and sub-account windows.
#pragma once

// First selection = (Mi, Si), second = none; every other marked slot is unmarked and repainted.
// ResetSelect(-1, -1) clears everything.
void ResetSelect(int Mi, int Si);
