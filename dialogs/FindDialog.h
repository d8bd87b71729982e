// The Find dialog: its fields show the criteria of the last search, and Find, Find Next and Find
// All end it for the search they ask for.
#pragma once

// Runs dialog "FIND" over the main window. "Found Items" is emptied as it opens. Returns 1 when
// a search was asked, its criteria read and its start set (BeginFind); 0 for Cancel. A field that
// cannot be read keeps the dialog open with the focus on it.
int RunFindDialog();
