// Reminders on history records.
#include "reminders/Remind.h"

// The reminder window lists due reminders; reading a budget announces every record here.
void CheckReminder(AHistory* theHPtr)
{
    (void)theHPtr;
}
