// Balancing records of the checkbook's outstanding transactions.
#pragma once

#include "model/Records.h"

// Makes the balancing record of an outstanding checkbook transaction and puts it in its chain.
void CreateBalanceRecord(AHistory* theHPtr);
