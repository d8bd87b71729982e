// The lock that keeps two programs from working on the same budget file: a lock file beside the
// budget, held from opening until the budget is closed. A lock left by a program that ended
// without releasing it is recognised as stale and taken over.
#pragma once

// Locks the budget at `path` for this program. 1 when locked (or when the folder cannot hold a
// lock file, as on read-only media); 0 after telling the user that another program has it open.
int LockBudgetFile(const char* path);

// Releases the lock of the budget at `path` if this program holds it.
void UnlockBudgetFile(const char* path);

// Releases every lock this program holds.
void UnlockAllBudgetFiles();

// 1 when this program holds the lock of the budget at `path`.
int BudgetFileLocked(const char* path);
