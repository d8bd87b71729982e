// Undoing a recorded check, withdrawal or deposit that is not yet reconciled: the record stays,
// marked undone, and balances, running balances and the balancing chains are put back.
#pragma once

#include "model/Records.h"

#include <cstdint>

// A copy in "Found Items" only shows a transaction: undoing, editing it or setting a reminder
// on it is refused with a message (1); 0 for any other record.
int RefuseFoundCopy(const AHistory* theHPtr);
// "Found Items" is no account: writing a check, making a deposit or setting it up there is refused
// with the same message (1); 0 for any other slot.
int RefuseFoundItems(int Mi, int Si);
// Undoes the selected record (gSelectedItem) if it belongs to slot (Mi, Si); a copy in
// "Found Items" is refused.
void BudgetUndo(int Mi, int Si);
void HandleCBalanceUndo(AHistory* theHPtr);
void HandleDBalanceUndo(AHistory* theHPtr);
void HandleDBalanceMultipleUndo(DBalance* theDPtr);
// Corrects the running balances of a slot's chain from the newest record down to theHPtr.
void HandleHistoryUndoUpdate(AHistory* theHPtr, int32_t amt, int Mi, int Si, int flag);
