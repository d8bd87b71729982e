// The dialogs that open one recorded transaction: Transaction Details shows everything about it,
// the Editor changes its date, amount and texts.
#pragma once

#include "model/Records.h"

class QWidget;

// Shows the record's details read-only (nothing for a null record).
void HandleTransactionDisplay(AHistory* theHPtr);

// Opens the Editor on the record over theWindow (nothing if either is null). Records that may not
// be edited are refused before it opens with "You can not edit this Transaction".
void BudgetEdit(AHistory* theHPtr, QWidget* theWindow);
