// budget-cli export and archive: the Export dialog's range and the Archive dialog's entries, read
// and run through the same functions as the dialogs.
#include "cli/ExportCommands.h"

#include "cli/CommandSupport.h"
#include "cli/ConsoleText.h"
#include "cli/InvestCommands.h"
#include "files/Archive.h"
#include "files/FileAccess.h"
#include "files/TextExport.h"
#include "investments/InvestRecording.h"
#include "model/Messages.h"

#include <string>

const char kExportUsage[] =
    "export FILE ACCOUNT --to PATH [--from DATE] [--until DATE] [--transfers] [--csv] [--investment]";
const char kExportHelp[] =
    "Writes the history of ACCOUNT to the file PATH as the Export dialog does (an existing file is\n"
    "not replaced): one line per record from the newest, the records dated from --from to --until\n"
    "(both included; by default from the oldest record to today, as the dialog proposes), transfers\n"
    "only with --transfers. The lines are tab-separated text ending in a carriage return; with\n"
    "--csv, or a PATH ending in .csv, comma-separated values for spreadsheets instead: a header\n"
    "line, dates in the budget's display form, amounts as plain numbers, lines ending in CR LF.\n"
    "With --investment ACCOUNT names an investment account (its name or @II); its price updates\n"
    "are left out, and one holding only price updates has nothing to export (exit 1). The budget\n"
    "is only read, never changed.\n\n"
    "ACCOUNT names an account as the deposit dialog's account fields do: a main account's name,\n"
    "CATEGORY/SUB, the Checkbook, or a grid position @MI,SI. DATE is read as the dialog's date\n"
    "fields read it.";
const char kExportOptions[] = "--to= --from= --until= --transfers --csv --investment";

const char kArchiveUsage[] = "archive FILE [--year YYYY|remainder ... --dir DIR]";
const char kArchiveHelp[] =
    "Without options lists the five entries of the Archive dialog as it shows them, from the top:\n"
    "the Remainder (the records made six or more years ago), then the years from five to two years\n"
    "ago, each with the number of records that may be archived (records that touch the checkbook\n"
    "once reconciled). The budget is only read.\n\n"
    "With --year (repeated for several entries: a year the dialog lists, or remainder) and --dir,\n"
    "archives those entries as the dialog's OK does: each into its own file in the folder DIR\n"
    "under the name the dialog offers (\"Archived data for 2024.txt\", \"Remaining Years.txt\"),\n"
    "then takes the records out of the budget and saves it. An entry without records, a year not\n"
    "offered, or a file that exists already is refused before anything is written. Should a file\n"
    "fail, the entries before it stay archived and the budget is saved with them (exit 1).";
const char kArchiveOptions[] = "--year=+ --dir=";

namespace {

std::string EntryName(int entry)
{
    return entry == kRemainderEntry ? "the Remainder" : std::to_string(gArchive[entry].Year);
}

bool IsSlotAccount(int Mi, int Si)
{
    return Accounts[Mi][Si].Valid || Accounts[Mi][Si].CheckbookRecord;
}

// The account ACCOUNT names: (Mi, Si), or (Ii, kInvestmentSlot) with --investment.
int FindExported(const CommandArgs& args, ConsoleHost& host, int& Mi, int& Si)
{
    if (args.Has("--investment")) {
        Si = kInvestmentSlot;
        return FindInvestmentAccount(args.Operands[1], Mi, host);
    }
    Slot slot;
    if (const int code = FindAccount(args.Operands[1], slot, host); code != kExitOk)
        return code;
    if (!IsSlotAccount(slot.Mi, slot.Si))
        return Refuse("There is no account at position @" + std::to_string(slot.Mi) + "," + std::to_string(slot.Si) +
                      ".");
    Mi = slot.Mi;
    Si = slot.Si;
    return kExitOk;
}

// The archive entry a --year value names; -1 after the message when the dialog offers none.
int EntryNamed(const std::string& value)
{
    std::string lower;
    for (const char c : value)
        lower += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    if (lower == "remainder")
        return kRemainderEntry;
    unsigned year = 0;
    if (ParseNumber(value, year))
        for (int k = 0; k < kRemainderEntry; ++k)
            if (gArchive[k].Year == static_cast<int>(year))
                return k;
    std::string offered;
    for (int k = 0; k < kRemainderEntry; ++k)
        offered += std::to_string(gArchive[k].Year) + (k + 1 < kRemainderEntry ? ", " : " and remainder");
    HandleInputError((value + " is no entry of the archive.").c_str(), ("The archive offers " + offered + ".").c_str());
    return -1;
}

int ListArchive(const CommandArgs& args, std::ostream& out, ConsoleHost& host)
{
    if (!OpenNamedBudget(args.Operands[0], host, BudgetAccess::Read))
        return kExitRefused;
    CountArchiveData();
    for (int k = kRemainderEntry; k >= 0; --k)
        out << ArchiveEntryText(k) << '\n';
    return kExitOk;
}

}  // namespace

int RunExport(const CommandArgs& args, std::ostream&, ConsoleHost& host)
{
    if (args.Value("--to").empty())
        return UsageError(host, "--to PATH is required");
    if (args.Has("--investment") && args.Has("--transfers"))
        return UsageError(host, "--transfers is for budget accounts; an investment has no transfers");
    if (!OpenNamedBudget(args.Operands[0], host, BudgetAccess::Read))
        return kExitRefused;
    int Mi = 0, Si = 0;
    if (const int code = FindExported(args, host, Mi, Si); code != kExitOk)
        return code;
    char start[kDatimeSize], end[kDatimeSize];
    if (!ProposeExportRange(Mi, Si, start, end))
        return kExitRefused;
    if ((args.Has("--from") && !ReadDateText(args.Value("--from"), start)) ||
        (args.Has("--until") && !ReadDateText(args.Value("--until"), end)))
        return kExitRefused;
    if (Si == kInvestmentSlot && InvestHistoryToKeep(Mi) == 0) {
        host.Note("Export: the history of " + RecordText(Invest[Mi].Name) +
                  " holds only price updates; nothing is written.");
        return kExitRefused;
    }
    host.ChosenPath = args.Value("--to");
    const int messages = host.MessageCount;
    if (ExportHistoryRange(Mi, Si, start, end, args.Has("--transfers"),
                           args.Has("--csv") ? ExportForm::Csv : ExportForm::ByName))
        return kExitOk;
    if (host.MessageCount == messages)
        host.Note("Export: nothing written.");
    return kExitRefused;
}

int RunArchive(const CommandArgs& args, std::ostream& out, ConsoleHost& host)
{
    const bool years = args.Has("--year");
    if (!years && !args.Has("--dir"))
        return ListArchive(args, out, host);
    if (!years || args.Value("--dir").empty())
        return UsageError(host, "--year and --dir go together");
    return WithBudget(args, host, [&] {
        CountArchiveData();
        bool chosen[kArchiveYears] = {};
        for (const std::string& value : args.Values("--year")) {
            const int entry = EntryNamed(value);
            if (entry < 0)
                return kExitRefused;
            chosen[entry] = true;
        }
        const std::string dir = args.Value("--dir");
        if (KindOfFile(dir) != FileKind::Folder) {
            host.MessageLocal("Input Error", dir + " is not a folder.");
            return kExitRefused;
        }
        auto pathOf = [&dir](int entry) { return dir + "/" + ArchiveFileName(entry); };
        int counts[kArchiveYears] = {};
        for (int k = 0; k < kArchiveYears; ++k) {
            if (!chosen[k])
                continue;
            if (gArchive[k].Count == 0) {
                HandleInputError(("There are no records to archive for " + EntryName(k) + ".").c_str(),
                                 "Choose an entry the listing shows with records.");
                return kExitRefused;
            }
            if (KindOfFile(pathOf(k)) != FileKind::Missing) {
                host.MessageLocal("Input Error", "The file " + pathOf(k) + " already exists.");
                return kExitRefused;
            }
            counts[k] = gArchive[k].Count;
        }
        for (int k = 0; k < kArchiveYears; ++k)
            gArchive[k].SetForArchive = chosen[k] ? 1 : 0;
        int done = 0;
        const int archived = ArchiveChosenEntries([&](int entry) {
            host.ChosenPath = pathOf(entry);
            done = entry;
        });
        for (int k = 0; k < kArchiveYears; ++k)
            if (chosen[k] && (archived || k < done))
                out << ConsoleLocalText(pathOf(k)) << ": " << counts[k] << " records\n";
        if (archived)
            return kExitOk;
        // What was archived is in its file: the budget lets it go, as the dialog leaves it.
        if (gBudgetFileChanged)
            BudgetSave();
        return kExitRefused;
    });
}
