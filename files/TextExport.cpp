// An account's or investment's history as a text file, and the deletions that keep the history so.
#include "files/TextExport.h"

#include "files/BudgetFile.h"
#include "files/FileAccess.h"
#include "investments/Invest.h"
#include "investments/InvestRecording.h"
#include "ledger/Accounts.h"
#include "model/Dates.h"
#include "model/Globals.h"
#include "model/Messages.h"
#include "model/Money.h"

namespace {

constexpr char kTab = '\t';
constexpr char kLineEnd = '\r';

// The date part of a record's Datime in the display form.
std::string DisplayDate(const char (&datime)[16])
{
    char date[9] = {};
    CopyString(RecordText(datime).substr(0, 8).c_str(), date);
    char out[kDatimeSize] = {};
    ConvertDateFormat(date, out);
    return out;
}

const char* KindText(const AHistory& rec)
{
    if (rec.PayFlag)
        return "Pay";
    if (rec.TransferFlag)
        return rec.XferFm ? "Transfered To:" : "Transfered From:";
    if (!rec.TypeFlag)
        return "Deposit";
    switch (rec.ATM) {
    case kWithdrawalATM:
        return "ATM";
    case kWithdrawalDebit:
        return "Debit";
    default:
        return "Check";
    }
}

struct ExportSettings {
    bool range = false;
    bool transfers = true;
};

const AHistory* Next(const AHistory* rec) { return rec->HistoryFP; }
const IHistory* Next(const IHistory* rec) { return rec->InvestFP; }
std::string LineOf(const AHistory& rec) { return FormatHistoryTextRecord(rec); }
std::string LineOf(const IHistory& rec) { return FormatInvestTextRecord(rec); }

// Asks for the file (offering `offered`), then writes the line of every record of the chain
// from `first` that `take` accepts.
template <typename Record, typename Take>
int WriteChainToTextFile(const std::string& offered, const Record* first, Take take)
{
    char fileName[kPathSize] = {};
    char titleName[kPathSize] = {};
    if (!BudgetTextFileSaveDlg(offered.c_str(), fileName, titleName))
        return 0;
    // Written beside its place and put there whole, so that a full disk leaves no part of it to
    // stand in the way of the next try.
    ReplacingFile file;
    if (!file.Open(fileName)) {
        HandleFileError(("Unable to create text file.\r\r" + PathText(fileName)).c_str());
        return 0;
    }
    std::string lines;
    auto written = [&file, &lines](size_t atLeast) {
        if (lines.size() < atLeast)
            return true;
        const bool done = file.Write(reinterpret_cast<const uint8_t*>(lines.data()), lines.size());
        lines.clear();
        return done;
    };
    bool ok = true;
    for (const Record* rec = first; rec && ok; rec = Next(rec)) {
        if (!take(*rec))
            continue;
        lines += LineOf(*rec);
        ok = written(1 << 16);
    }
    if (!ok || !written(0) || !file.Commit()) {
        file.Cancel();
        HandleFileError(("Unable to write text file.\r\r" + PathText(fileName)).c_str());
        return 0;
    }
    return 1;
}

// Si -1: investment Mi, whose price updates are no trades and stay out.
int WriteSlotHistory(int Mi, int Si, ExportSettings settings)
{
    if (Si == kInvestmentSlot) {
        const std::string offered = RecordText(Invest[Mi].Name) + std::to_string(Mi);
        return WriteChainToTextFile(offered, MemoryInvest[Mi].HistoryRec, [settings](const IHistory& rec) {
            return !rec.PPSUpdate && (!settings.range || CheckExportDates(rec.Datime));
        });
    }
    const std::string offered = RecordText(Accounts[Mi][Si].Name) + std::to_string(Mi) + std::to_string(Si);
    return WriteChainToTextFile(offered, MemoryAccounts[Mi][Si].HistoryRec, [settings](const AHistory& rec) {
        return (!settings.range || CheckExportDates(rec.Datime)) && (!rec.TransferFlag || settings.transfers);
    });
}

}  // namespace

std::string FormatHistoryTextRecord(const AHistory& rec)
{
    if (rec.LogRecord)
        return DisplayDate(rec.Datime) + kTab + " Pay " + kTab + RecordText(rec.PayToFm) + kLineEnd;
    const ARecord& slot = Accounts[rec.Mi][rec.Si];
    std::string line = RecordText(slot.Name) + kTab + DisplayDate(rec.Datime) + kTab + KindText(rec) + kTab;
    line += rec.TransferFlag ? RecordText(rec.AccountName) : RecordText(rec.PayToFm);
    line += kTab + MoneyText(rec.Amt) + kTab + RecordText(rec.For);
    const bool check = rec.TypeFlag && !rec.TransferFlag && !rec.PayFlag && rec.ATM != kWithdrawalATM && rec.ATM != kWithdrawalDebit;
    if (check)
        line += kTab + std::to_string(rec.CheckID) + kTab + RecordText(rec.Memo) + kTab;
    return line + kLineEnd;
}

std::string FormatInvestTextRecord(const IHistory& rec)
{
    char shares[kAmountTextSize];
    char price[kAmountTextSize];
    char total[kAmountTextSize];
    Display3Digits(rec.NumberOfShares, shares, 1);
    Display3Digits(rec.CostPerShare, price, 0);
    Display3Digits(rec.TotalShares, total, 1);
    return RecordText(Invest[rec.Ii].Name) + kTab + DisplayDate(rec.Datime) + kTab + (rec.TypeFlag ? "Sold" : "Bought") +
           kTab + shares + kTab + price + kTab + total + kTab + kLineEnd;
}

int CheckExportDates(const char* datime)
{
    char date[9] = {};
    for (int i = 0; i < 8 && datime[i]; ++i)
        date[i] = datime[i];
    if (CompareCDates(date, gExportStartDate, 0) < 0)
        return 0;
    return CompareCDates(date, gExportEndDate, 0) <= 0 ? 1 : 0;
}

int WriteHistoryToTextFile(int Mi, int Si)
{
    return WriteSlotHistory(Mi, Si, {.range = gExportFlag != 0, .transfers = gExportTransfer != 0});
}

int WriteWholeHistoryToTextFile(int Mi, int Si)
{
    return WriteSlotHistory(Mi, Si, {});
}

int RecordDeleteAccount(int Mi, int Si)
{
    if (!DeletionFits(Mi, Si))
        return 0;
    // Every record leaves with the account, so all of them are kept in the file, transfers
    // and pay pieces included.
    if (MemoryAccounts[Mi][Si].HistoryRec && !WriteWholeHistoryToTextFile(Mi, Si))
        return 0;
    return CloseAccount(Mi, Si);
}

int RecordDeleteInvestAccount(int Ii)
{
    if (!InvestDeletable(Ii))
        return 0;
    if (InvestHistoryToKeep(Ii) > 0 && !WriteWholeHistoryToTextFile(Ii, kInvestmentSlot))
        return 0;
    CloseInvestAccount(Ii);
    return 1;
}
