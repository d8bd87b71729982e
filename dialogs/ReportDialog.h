// "Print Report...": the "Reports" dialog, in which one of the three reports is chosen and then
// printed.
#pragma once

// Opens "Reports" with "Income Distribution" chosen; OK prints the chosen report (on the printer,
// or into a PDF file where there is none), Cancel prints nothing.
void BudgetReport();
