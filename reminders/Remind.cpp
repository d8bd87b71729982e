// Reminders on history records.
#include "reminders/Remind.h"

// The reminder window lists due reminders; reading a budget announces every record here.
void CheckReminder(AHistory* theHPtr)
{
    (void)theHPtr;
}

// The reminder dialog asks for the due date and kind; until reminders are kept, a recorded
// transaction announces itself here and nothing is set.
void HandleReminder(AHistory* theHPtr, int remFlag)
{
    (void)theHPtr;
    (void)remFlag;
}
