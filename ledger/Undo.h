// Undoing a recorded check, withdrawal or deposit that is not yet reconciled: the record stays,
// marked undone, and balances, running balances and the balancing chains are put back.
#pragma once

#include "model/Records.h"

#include <cstdint>

// Undoes the selected record (gSelectedItem) if it belongs to slot (Mi, Si).
void BudgetUndo(int Mi, int Si);
void HandleCBalanceUndo(AHistory* theHPtr);
void HandleDBalanceUndo(AHistory* theHPtr);
void HandleDBalanceMultipleUndo(DBalance* theDPtr);
// Corrects the running balances of a slot's chain from the newest record down to theHPtr.
void HandleHistoryUndoUpdate(AHistory* theHPtr, int32_t amt, int Mi, int Si, int flag);
