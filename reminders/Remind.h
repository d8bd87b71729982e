// Reminders on history records.
#pragma once

#include "model/Records.h"

// Lists a record whose reminder is due in Reminders (called for every record read).
void CheckReminder(AHistory* theHPtr);

// Sets, moves or clears the reminder of a newly recorded check or deposit (remFlag: the "Remind
// Me" box).
void HandleReminder(AHistory* theHPtr, int remFlag);
