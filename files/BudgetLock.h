// The lock that keeps two programs from working on the same budget file, held from opening until
// the budget is closed. Every name of one budget meets the same lock: the lock file NAME.bgt.lock
// is named after the budget's resolved path (symbolic links and ".." resolved), and the budget
// file itself is locked too, which its other names (hard links) share. A lock file that no running
// program holds (one left by a program that ended abnormally, an empty or unreadable one) is
// taken over.
#pragma once

// Locks the budget at `path` for this program. 1 when locked (or when the folder cannot hold a
// lock file, as on read-only media); 0 after telling the user why not: another program has it
// open, or something else stands where the lock file goes.
int LockBudgetFile(const char* path);

// After a save: the lock moves on to the file now at `path` (a save puts a new file there; the
// one locked before is the previous version).
void RelockBudgetFile(const char* path);

// Releases the lock of the budget at `path` if this program holds it.
void UnlockBudgetFile(const char* path);

// Releases every lock this program holds.
void UnlockAllBudgetFiles();

// 1 when this program holds the lock of the budget at `path`.
int BudgetFileLocked(const char* path);
