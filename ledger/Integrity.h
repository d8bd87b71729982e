// Checks of the redundant links of a budget. They report the first fault they find and repair
// nothing; the caller decides whether to go on. A fault they report marks the budget damaged
// (gBudgetDamaged), so that it is not saved over its file without the user's word.
#pragma once

#include "model/Records.h"

// 1 when the record's Mi/Si name the slot whose chain holds it (slots that are not Valid pass).
int IntegrityCheck2(const AHistory* theHPtr, int Mi, int Si);

// 1 when every pay entry's total in the Checkbook equals its combined deposit record.
int IntegrityCheck3();

// 1 when every outstanding record's balancing record is in its chain and points back.
int IntegrityCheck4();
