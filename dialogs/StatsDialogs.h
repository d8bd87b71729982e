// The statistics dialogs ("Account Statistics", "Main Statistics") and the Savings Calculator.
#pragma once

// Opens "Account Statistics" on slot (Mi, Si) after clearing the main window's selections; the
// account's box is repainted when it closes with OK. Nothing opens for a slot that is no account.
void HandleStats(int Mi, int Si);

// Opens "Main Statistics" with the budget's four counts.
void HandleMainStats();

// Opens the "Savings Calculator" filled from the savings accounts selected in the main window; it
// recomputes the total whenever a field changes and stores nothing in the budget.
void RunSavingsCalculator();
