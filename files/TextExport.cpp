// An account's or investment's history as a text or CSV file, and the deletions that keep the
// history so.
#include "files/TextExport.h"

#include "files/BudgetFile.h"
#include "files/FileAccess.h"
#include "investments/Invest.h"
#include "investments/InvestRecording.h"
#include "ledger/Accounts.h"
#include "model/Globals.h"
#include "model/Host.h"
#include "model/Messages.h"
#include "model/Money.h"

#include <initializer_list>
#include <vector>

namespace {

constexpr char kTab = '\t';
constexpr char kLineEnd = '\r';
constexpr char kCsvLineEnd[] = "\r\n";

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

bool IsCheck(const AHistory& rec)
{
    return rec.TypeFlag && !rec.TransferFlag && !rec.PayFlag && rec.ATM != kWithdrawalATM &&
           rec.ATM != kWithdrawalDebit;
}

// A number kept in units of 10^-places as a spreadsheet reads it: "-1234.50".
std::string PlainNumber(int64_t value, int places)
{
    int64_t scale = 1;
    for (int k = 0; k < places; ++k)
        scale *= 10;
    const uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    std::string text = (value < 0 ? "-" : "") + std::to_string(magnitude / static_cast<uint64_t>(scale));
    if (places > 0) {
        std::string fraction = std::to_string(magnitude % static_cast<uint64_t>(scale));
        text += "." + std::string(static_cast<size_t>(places) - fraction.size(), '0') + fraction;
    }
    return text;
}

// One CSV field: quoted when it holds a comma, a quote or a line break, its quotes doubled.
std::string CsvField(const std::string& text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    return quoted + '"';
}

std::string CsvLine(std::initializer_list<std::string> fields)
{
    std::string line;
    bool first = true;
    for (const std::string& field : fields) {
        line += (first ? "" : ",") + CsvField(field);
        first = false;
    }
    return line + kCsvLineEnd;
}

struct ExportSettings {
    bool range = false;
    bool transfers = true;
    ExportForm form = ExportForm::Text;
    bool offerCsv = false;  // the chooser offers CSV files too
};

const AHistory* Next(const AHistory* rec) { return rec->HistoryFP; }
const IHistory* Next(const IHistory* rec) { return rec->InvestFP; }
std::string LineOf(const AHistory& rec, bool csv) { return csv ? FormatHistoryCsvRecord(rec) : FormatHistoryTextRecord(rec); }
std::string LineOf(const IHistory& rec, bool csv) { return csv ? FormatInvestCsvRecord(rec) : FormatInvestTextRecord(rec); }
constexpr bool IsInvest(const AHistory*) { return false; }
constexpr bool IsInvest(const IHistory*) { return true; }

const std::vector<FileFilter> kExportFilters = {
    {"Text Files (*.TXT)", "*.txt"},
    {"CSV Files (*.csv)", "*.csv"},
    {"All Files (*.*)", "*.*"},
};

// The export's chooser: the text chooser with CSV files offered too. False when cancelled or
// the path is too long for the program's file name buffers.
bool ChooseExportFile(const std::string& offered, std::string& path)
{
    FileChoice choice;
    choice.Filters = kExportFilters;
    choice.DefaultExtension = "txt";
    choice.OfferedName = offered;
    choice.PromptOverwrite = true;
    if (!GetHost().ChooseSaveFile(choice, path))
        return false;
    if (path.size() >= static_cast<size_t>(kPathSize)) {
        HandleInputError("The file name is too long.", "Choose a shorter name or folder.");
        return false;
    }
    return true;
}

// Asks for the file (offering `offered`), then writes the line of every record of the chain
// from `first` that `take` accepts.
template <typename Record, typename Take>
int WriteChainToTextFile(const std::string& offered, const Record* first, const ExportSettings& settings, Take take)
{
    std::string path;
    if (settings.offerCsv) {
        if (!ChooseExportFile(offered, path))
            return 0;
    } else {
        char fileName[kPathSize] = {};
        char titleName[kPathSize] = {};
        if (!BudgetTextFileSaveDlg(offered.c_str(), fileName, titleName))
            return 0;
        path = fileName;
    }
    const bool csv = settings.form == ExportForm::Csv || (settings.form == ExportForm::ByName && IsCsvFileName(path));
    RecordTextFile file;
    if (!file.Open(path, "Unable to create text file.", "Unable to write text file."))
        return 0;
    if (csv && !file.Add(CsvHeaderLine(IsInvest(first))))
        return 0;
    for (const Record* rec = first; rec; rec = Next(rec))
        if (take(*rec) && !file.Add(LineOf(*rec, csv)))
            return 0;
    return file.Finish() ? 1 : 0;
}

// Si -1: investment Mi, whose price updates are no trades and stay out.
int WriteSlotHistory(int Mi, int Si, ExportSettings settings)
{
    const std::string offered = HistoryFileName(Mi, Si);
    if (Si == kInvestmentSlot)
        return WriteChainToTextFile(offered, MemoryInvest[Mi].HistoryRec, settings, [settings](const IHistory& rec) {
            return !rec.PPSUpdate && (!settings.range || CheckExportDates(rec.Datime));
        });
    return WriteChainToTextFile(offered, MemoryAccounts[Mi][Si].HistoryRec, settings, [settings](const AHistory& rec) {
        return (!settings.range || CheckExportDates(rec.Datime)) && (!rec.TransferFlag || settings.transfers);
    });
}

// A date part (stored form) as a number that orders dates across the turn of the century: two-digit
// years 91 to 99 are the 1900s, the others the 2000s, as the archive reads them. -1 for text that
// is no date, which orders before every date.
long DateKey(const char* datime)
{
    char date[9] = {};
    for (int i = 0; i < 8 && datime[i]; ++i)
        date[i] = datime[i];
    if (!CheckDatime(date))
        return -1;
    const int yy = GetYear(date);
    return (yy < 91 ? 2000L + yy : 1900L + yy) * 10000 + GetMonth(date) * 100L + GetDay(date);
}

}  // namespace

struct RecordTextFile::Impl {
    ReplacingFile file;
    std::string path;
    std::string writeFailure;
    std::string lines;
};

RecordTextFile::RecordTextFile() : impl(std::make_unique<Impl>()) {}

RecordTextFile::~RecordTextFile() = default;

bool RecordTextFile::Open(const std::string& path, const char* createFailure, const char* writeFailure)
{
    impl->path = path;
    impl->writeFailure = writeFailure;
    if (impl->file.Open(path))
        return true;
    HandleFileError((createFailure + std::string("\r\r") + PathText(path)).c_str());
    return false;
}

bool RecordTextFile::Flush()
{
    const bool written =
        impl->file.Write(reinterpret_cast<const uint8_t*>(impl->lines.data()), impl->lines.size());
    impl->lines.clear();
    if (written)
        return true;
    impl->file.Cancel();
    HandleFileError((impl->writeFailure + "\r\r" + PathText(impl->path)).c_str());
    return false;
}

bool RecordTextFile::Add(const std::string& line)
{
    impl->lines += line;
    return impl->lines.size() < (1u << 16) || Flush();
}

bool RecordTextFile::Finish()
{
    if (!Flush())
        return false;
    if (impl->file.Commit())
        return true;
    impl->file.Cancel();
    HandleFileError((impl->writeFailure + "\r\r" + PathText(impl->path)).c_str());
    return false;
}

std::string FormatHistoryTextRecord(const AHistory& rec)
{
    if (rec.LogRecord)
        return DisplayDate(rec.Datime) + kTab + " Pay " + kTab + RecordText(rec.PayToFm) + kLineEnd;
    const ARecord& slot = Accounts[rec.Mi][rec.Si];
    std::string line = RecordText(slot.Name) + kTab + DisplayDate(rec.Datime) + kTab + KindText(rec) + kTab;
    line += rec.TransferFlag ? RecordText(rec.AccountName) : RecordText(rec.PayToFm);
    line += kTab + MoneyText(rec.Amt) + kTab + RecordText(rec.For);
    if (IsCheck(rec))
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

bool IsCsvFileName(const std::string& path)
{
    const std::string name = FileNameOf(path);
    if (name.size() < 4)
        return false;
    std::string end = name.substr(name.size() - 4);
    for (char& c : end)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return end == ".csv";
}

std::string CsvHeaderLine(bool invest)
{
    if (invest)
        return CsvLine({"Investment", "Date", "Kind", "Shares", "Price", "Total Shares"});
    return CsvLine({"Account", "Date", "Kind", "Payee", "Amount", "For", "Check Number", "Memo"});
}

std::string FormatHistoryCsvRecord(const AHistory& rec)
{
    const std::string account = RecordText(Accounts[rec.Mi][rec.Si].Name);
    const int places = FractionPlaces();
    // A log entry says what happened in its payee; a pay's summary carries the pay's amount.
    if (rec.LogRecord)
        return CsvLine({account, DisplayDate(rec.Datime), "Pay", RecordText(rec.PayToFm),
                        rec.Amt ? PlainNumber(rec.Amt, places) : "", "", "", ""});
    const bool check = IsCheck(rec);
    return CsvLine({account, DisplayDate(rec.Datime), KindText(rec),
                    rec.TransferFlag ? RecordText(rec.AccountName) : RecordText(rec.PayToFm),
                    PlainNumber(rec.Amt, places), RecordText(rec.For), check ? std::to_string(rec.CheckID) : "",
                    check ? RecordText(rec.Memo) : ""});
}

std::string FormatInvestCsvRecord(const IHistory& rec)
{
    const int places = SharePlaces();
    return CsvLine({RecordText(Invest[rec.Ii].Name), DisplayDate(rec.Datime), rec.TypeFlag ? "Sold" : "Bought",
                    PlainNumber(rec.NumberOfShares, places), PlainNumber(rec.CostPerShare, places),
                    PlainNumber(rec.TotalShares, places)});
}

std::string HistoryFileName(int Mi, int Si)
{
    std::string name = Si == kInvestmentSlot ? RecordText(Invest[Mi].Name) + std::to_string(Mi)
                                             : RecordText(Accounts[Mi][Si].Name) + std::to_string(Mi) + std::to_string(Si);
    // A name such as "Car/Gas" would lead the chooser into a folder of that name.
    std::string offered;
    for (const char c : name)
        if (c != '/' && c != '\\')
            offered += c;
    return offered;
}

int ProposeExportRange(int Mi, int Si, char (&start)[kDatimeSize], char (&end)[kDatimeSize])
{
    char today[kDatimeSize];
    GetDatime(today);
    today[8] = 0;
    CopyString(today, start);
    CopyString(today, end);
    bool any = false;
    auto earliest = [&start, &any](const char (&datime)[16]) {
        any = true;
        const long key = DateKey(datime);
        if (key >= 0 && key < DateKey(start))
            CopyString(RecordText(datime).substr(0, 8).c_str(), start);
    };
    if (Si == kInvestmentSlot)
        for (const IHistory* r = MemoryInvest[Mi].HistoryRec; r; r = r->InvestFP)
            earliest(r->Datime);
    else
        for (const AHistory* r = MemoryAccounts[Mi][Si].HistoryRec; r; r = r->HistoryFP)
            earliest(r->Datime);
    if (!any)
        HandleStandardError("There are no History Records", "to export from this account", "", "Please try again");
    return any ? 1 : 0;
}

int ExportHistoryRange(int Mi, int Si, const char* start, const char* end, bool transfers, ExportForm form)
{
    if (Si == kInvestmentSlot && InvestHistoryToKeep(Mi) == 0)
        return 1;
    CopyString(start, gExportStartDate);
    CopyString(end, gExportEndDate);
    gExportTransfer = transfers ? 1 : 0;
    gExportFlag = 1;
    const int written = WriteHistoryToTextFile(Mi, Si, form);
    gExportTransfer = 0;
    gExportFlag = 0;
    return written;
}

int CheckExportDates(const char* datime)
{
    const long date = DateKey(datime);
    return date >= DateKey(gExportStartDate) && date <= DateKey(gExportEndDate) ? 1 : 0;
}

int WriteHistoryToTextFile(int Mi, int Si, ExportForm form)
{
    return WriteSlotHistory(
        Mi, Si, {.range = gExportFlag != 0, .transfers = gExportTransfer != 0, .form = form, .offerCsv = true});
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
