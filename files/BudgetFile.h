// Opening, saving and closing the budget file, with the file choosers and the save question.
#pragma once

#include <cstdint>

// Opens a budget: flag 1 asks for the file first, flag 0 opens gBudgetFileName. 1 on success.
// The budget is locked against other programs, and gBudgetFileName becomes the file's resolved
// path (symbolic links and ".." resolved), where saves go.
int OpenBudget(int flag);

// Opens gBudgetFileName to be read only: without taking or heeding its lock, since a save
// replaces the file in one step and a reader always sees one whole version. A save of a budget
// opened so takes the lock first.
int OpenBudgetToRead();

// Save and Save As; nonzero when the file was written.
int BudgetSave();
int BudgetSaveAs();

// 1 when the budget may be closed (saved, or the user declined); 0 when the user cancelled or
// the save failed.
int BudgetClose();

// Closes the budget and, if that is allowed, ends the program.
void BudgetQuit();

// "Save current changes in NAME" with Yes, No and Cancel; returns the button.
int AskAboutSave(const char* name);

// Writes the whole budget to a new file that then atomically replaces gBudgetFileName; the
// previous file is kept beside it as NAME.bak. A budget the checks found damaged is written only
// after the user confirms it once more. 1 when the new file is in place.
int BudgetSwapFiles();

// The file choosers; 1 when the user chose a file (path and title in the buffers of
// kPathSize bytes).
int BudgetFileOpenDlg(char* fileName, char* titleName);
int BudgetFileSaveDlg(const char* offeredName, char* fileName, char* titleName);
int BudgetTextFileSaveDlg(const char* offeredName, char* fileName, char* titleName);

// The name offered by Save As: "Budget" and the current year for a never-saved budget,
// otherwise its title.
void CreateBudgetName(char* out, int flag);
