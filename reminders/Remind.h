// Reminders on history records.
#pragma once

#include "model/Records.h"

// Lists a record whose reminder is due in Reminders (called for every record read).
void CheckReminder(AHistory* theHPtr);
