// The Archive dialog (the File menu's "Archive...") and the Export dialog of an account's or an
// investment's history: they show and read their fields; what qualifies, the names offered and
// the writing are the file code's (files/Archive.h, files/TextExport.h).
#pragma once

// Runs "ARCHIVE": five boxes, from the top the Remainder and the years from five to two years
// ago, each with the records it would take ("2024 - 30 records"); an entry without records is
// unticked and disabled. OK archives the ticked entries in order, each into a file the user
// chooses; a cancelled or failed file keeps the dialog open with the entries already archived
// shown as done. Cancel leaves everything as it was.
void BudgetArchive();

// Runs "EXPORT" on slot (Mi, Si): the range from the account's oldest record to today and
// whether transfers go too; OK writes the history to a text or CSV file the user chooses. An
// account without history is told so and nothing opens.
void ExportHistory(int Mi, int Si);

// The same for investment account Ii, without the transfer box; an investment whose history
// holds only price updates writes nothing.
void ExportInvestHistory(int Ii);
