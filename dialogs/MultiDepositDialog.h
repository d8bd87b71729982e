// Multiple Deposit: one bank deposit split over up to three accounts, together with any of the
// pays of the pay setup, all under one deposit number.
#pragma once

// The Deposit command on the Checkbook: runs "Multiple Deposit" for today's date, then repaints
// the Checkbook.
void HandleMultiDeposit();
