// Balancing records of the checkbook's outstanding transactions.
#include "ledger/Balance.h"

void CreateBalanceRecord(AHistory* theHPtr)
{
    // The balancing chains are built by the ledger; until then an outstanding transaction keeps
    // its tick in Checked, so a budget read and saved again loses nothing.
    (void)theHPtr;
}
