// Command handlers whose windows and dialogs are still to come: each says so.
#include "dialogs/Pending.h"

#include "model/Messages.h"

void HandleStats(int, int) { NotYet(); }
void HandleMainStats() { NotYet(); }
void PrintSetup() { NotYet(); }
void BudgetReport() { NotYet(); }
void BudgetPrintCheck() { NotYet(); }
void RunSavingsCalculator() { NotYet(); }
