// The archive of old records: what qualifies, the counts per year, and the archive files.
#include "files/Archive.h"

#include "files/BudgetFile.h"
#include "files/TextExport.h"
#include "model/Dates.h"
#include "model/Globals.h"
#include "model/Host.h"
#include "model/Money.h"

#include <vector>

namespace {

int YearOf(const char (&datime)[16])
{
    char date[kDatimeSize] = {};
    CopyString(RecordText(datime).substr(0, 8).c_str(), date);
    const int yy = GetYear(date);
    return yy < 91 ? 2000 + yy : 1900 + yy;
}

// The accounts an archive walks: every account and the Checkbook; never "Found Items", whose
// copies stand for records of other accounts.
bool ArchivedSlot(int Mi, int Si)
{
    if (Mi == kFoundMi && Si == kFoundSi)
        return false;
    return Accounts[Mi][Si].Valid || Accounts[Mi][Si].CheckbookRecord;
}

void Count(int year)
{
    gArchiveDataAvailable = 1;
    for (int k = 0; k < kRemainderEntry; ++k)
        if (year == gArchive[k].Year) {
            ++gArchive[k].Count;
            return;
        }
    ++gArchive[kRemainderEntry].Count;
}

// Whether a record of archive year `recordYear` takes part in the archive of `year`.
bool TakesPart(int recordYear, int year)
{
    return recordYear == year || (year == gArchive[kRemainderEntry].Year && recordYear < year);
}

// Which records leave with a line: a plain record that is no piece of a pay, or a pay's log entry.
bool GetsLine(const AHistory& r)
{
    if (r.TransferFlag || r.UnDone)
        return false;
    if (!r.LogRecord)
        return r.PayID <= 0 && !r.PayFlag;
    return r.PayID != 0 && r.PayFlag;
}

}  // namespace

int GetArchiveDataYear(const AHistory* rec)
{
    return YearOf(rec->RDatime);
}

int GetInvestArchiveDataYear(const IHistory* rec)
{
    return YearOf(rec->RDatime);
}

int DetermineValidArchiveRecord(const AHistory* rec)
{
    if (rec->Archived || GetArchiveDataYear(rec) > gArchive[0].Year)
        return 0;
    if (rec->LogRecord || rec->UnDone)
        return 1;
    if (!rec->TransferFlag) {
        const bool savings = rec->Mi >= 0 && rec->Mi < kMainAccounts && rec->Si >= 0 && rec->Si < kSlots &&
                             Accounts[rec->Mi][rec->Si].SavingsFlag;
        return savings || rec->BalanceFlag ? 1 : 0;
    }
    return !rec->Savings || rec->BalanceFlag ? 1 : 0;
}

int DetermineValidInvestArchiveRecord(const IHistory* rec)
{
    return !rec->Archived && GetInvestArchiveDataYear(rec) <= gArchive[0].Year ? 1 : 0;
}

void DetermineArchiveData(const AHistory* rec)
{
    if (DetermineValidArchiveRecord(rec))
        Count(GetArchiveDataYear(rec));
}

void DetermineInvestArchiveData(const IHistory* rec)
{
    if (DetermineValidInvestArchiveRecord(rec))
        Count(GetInvestArchiveDataYear(rec));
}

void ResetArchiveCounts()
{
    for (Archive& entry : gArchive)
        entry.Count = 0;
    gArchiveDataAvailable = 0;
}

void CountArchiveData()
{
    ResetArchiveCounts();
    for (int Mi = 0; Mi < kMainAccounts; ++Mi)
        for (int Si = 0; Si < kSlots; ++Si)
            if (ArchivedSlot(Mi, Si))
                for (const AHistory* r = MemoryAccounts[Mi][Si].HistoryRec; r; r = r->HistoryFP)
                    DetermineArchiveData(r);
    for (int Ii = 1; Ii < kInvestments; ++Ii)
        if (Invest[Ii].Valid)
            for (const IHistory* r = MemoryInvest[Ii].HistoryRec; r; r = r->InvestFP)
                DetermineInvestArchiveData(r);
}

int ArchiveEntryOfYear(int year)
{
    for (int k = 0; k < kArchiveYears; ++k)
        if (gArchive[k].Year == year)
            return k;
    return -1;
}

std::string ArchiveEntryText(int entry)
{
    const Archive& a = gArchive[entry];
    const std::string count = a.Count ? std::to_string(a.Count) : "No";
    return (entry == kRemainderEntry ? std::string("Remainder") : std::to_string(a.Year)) + " - " + count + " records";
}

std::string ArchiveFileName(int entry)
{
    if (entry == kRemainderEntry)
        return "Remaining Years.txt";
    return "Archived data for " + std::to_string(gArchive[entry].Year) + ".txt";
}

int WriteArchiveToTextFile(int year)
{
    const int entry = ArchiveEntryOfYear(year);
    if (entry < 0)
        return 0;
    char fileName[kPathSize] = {};
    char titleName[kPathSize] = {};
    if (!BudgetTextFileSaveDlg(ArchiveFileName(entry).c_str(), fileName, titleName))
        return 0;

    // The records are gathered and their lines written first: they are marked only once the file
    // is in place, so a file that fails takes nothing out of the budget.
    struct Taken {
        AHistory* Record;
        int32_t& Count;  // of the account whose chain holds it
    };
    struct TakenInvest {
        IHistory* Record;
        int32_t& Count;
    };
    std::vector<Taken> records;
    std::vector<TakenInvest> investRecords;
    RecordTextFile file;
    if (!file.Open(fileName, "Unable to create archive file.", "Unable to write archive data."))
        return 0;
    for (int Mi = 0; Mi < kMainAccounts; ++Mi)
        for (int Si = 0; Si < kSlots; ++Si) {
            if (!ArchivedSlot(Mi, Si) || Accounts[Mi][Si].NumberOfHistoryRecords <= 0)
                continue;
            for (AHistory* r = MemoryAccounts[Mi][Si].HistoryRec; r; r = r->HistoryFP) {
                if (!DetermineValidArchiveRecord(r) || !TakesPart(GetArchiveDataYear(r), year))
                    continue;
                records.push_back({r, Accounts[Mi][Si].NumberOfHistoryRecords});
                if (GetsLine(*r) && !file.Add(FormatHistoryTextRecord(*r)))
                    return 0;
            }
        }
    for (int Ii = 1; Ii < kInvestments; ++Ii) {
        if (!Invest[Ii].Valid || Invest[Ii].NumberOfHistoryRecords <= 0)
            continue;
        for (IHistory* r = MemoryInvest[Ii].HistoryRec; r; r = r->InvestFP) {
            if (!DetermineValidInvestArchiveRecord(r) || !TakesPart(GetInvestArchiveDataYear(r), year))
                continue;
            investRecords.push_back({r, Invest[Ii].NumberOfHistoryRecords});
            if (!r->UnDone && !r->PPSUpdate && !file.Add(FormatInvestTextRecord(*r)))
                return 0;
        }
    }
    if (!file.Finish())
        return 0;

    for (const Taken& t : records) {
        t.Record->Archived = 1;
        --t.Count;
    }
    for (const TakenInvest& t : investRecords) {
        t.Record->Archived = 1;
        --t.Count;
    }
    if (!records.empty() || !investRecords.empty())
        gBudgetFileChanged = 1;
    CountArchiveData();
    return 1;
}

int ArchiveChosenEntries(const std::function<void(int entry)>& beforeEach)
{
    for (int k = 0; k < kArchiveYears; ++k) {
        Archive& a = gArchive[k];
        if (!a.SetForArchive)
            continue;
        if (a.Count > 0) {
            if (beforeEach)
                beforeEach(k);
            if (!WriteArchiveToTextFile(a.Year))
                return 0;
        }
        a.SetForArchive = 0;
    }
    CopyString("Data Archived.", gInfoBox);
    GetHost().UpdateInfoBox();
    return 1;
}
