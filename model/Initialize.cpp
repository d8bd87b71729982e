// Making and resetting the model: slots, investments, a new budget and the start-up defaults.
#include "model/Initialize.h"

#include "model/Dates.h"
#include "model/Globals.h"
#include "model/Host.h"
#include "model/Money.h"
#include "model/RecordStore.h"

#include <cstring>

namespace {

// Pay frequency buttons of the pay setup dialog chosen for "monthly", per payer.
constexpr int16_t kMonthlyPayType[kPayers] = {1007, 1014, 1021};

void ResetSelections()
{
    gFirstSelected[0] = gFirstSelected[1] = -1;
    gSecondSelected[0] = gSecondSelected[1] = -1;
}

}  // namespace

void InitializeAccountRecord(int Mi, int Si)
{
    ARecord& a = Accounts[Mi][Si];
    std::memset(a.PayAmount, 0, sizeof a.PayAmount);
    a.Balance = 0;
    a.HwPt = {25, 50};
    a.SwPt = {35, 60};
    a.NumberOfSubAccounts = 0;
    a.NumberOfHistoryRecords = 0;
    a.Valid = 0;
    a.Name[0] = 0;
    for (auto& name : a.PayName)
        name[0] = 0;
    a.SelectFlag = 0;
    a.SavingsFlag = 0;
    a.FoundFlag = 0;
    a.Flag2 = 0;
    a.HFlag = 1;
    InitializeMemoryAccountRecord(Mi, Si);
}

void InitializeMemoryAccountRecord(int Mi, int Si)
{
    MemoryAccounts[Mi][Si] = CoreRecord{};
    ++gHistoryShape;
}

void InitializeInvestRecord(int Ii)
{
    IRecord& r = Invest[Ii];
    r.CostPerShare = 0;
    r.NumberOfShares = 0;
    r.AmountPaid = 0;
    r.NumberOfHistoryRecords = 0;
    r.IwPt = {25, 50};
    r.Valid = 0;
    r.SelectFlag = 0;
    r.Name[0] = 0;
    InitializeMemoryInvestRecord(Ii);
}

void InitializeMemoryInvestRecord(int Ii)
{
    MemoryInvest[Ii] = ICoreRecord{};
}

void GetAccountData()
{
    for (int Mi = 0; Mi < kMainAccounts; ++Mi)
        for (int Si = 0; Si < kSlots; ++Si)
            InitializeAccountRecord(Mi, Si);
    CopyString("Available", Accounts[0][0].Name);
    Accounts[0][0].Valid = 1;
    CopyString("Checkbook", Accounts[0][1].Name);
    Accounts[0][1].CheckbookRecord = 1;
    CopyString("Found Items", Accounts[0][5].Name);
    for (int Ii = 0; Ii < kInvestments; ++Ii)
        InitializeInvestRecord(Ii);
    CopyString("Portfolio", Invest[0].Name);
    Invest[0].IwPt = {4, 40};
}

void ClearBudgetPointers()
{
    ReleaseBudgetRecords();
}

void SetInternationalDefaults(International& rec)
{
    rec = International{};
    CopyString("$", rec.DollarSymbol);
    rec.DecimalSymbol = '.';
    rec.GroupSymbol = ',';
    rec.DateSeperator = '/';
    rec.DecimalPlaces = 2;
    rec.GroupSize = 3;
}

void InitApp()
{
    gMainInvest = 0;
    gIi = gSi2 = gMi2 = gSi = gMi = 0;
    ResetSelections();
    gBoxFlag = 0;
    gMoveMi = gMoveSi = -1;
    gMoveMod = gMouse = gMoveFlag = 0;

    // Archive years: a two-digit year below 91 is 20xx, otherwise 19xx.
    char now[kDatimeSize];
    GetDatime(now);
    now[8] = 0;  // the date part alone: the date routines refuse a time
    const int yy = GetYear(now);
    const int year = yy < 91 ? 2000 + yy : 1900 + yy;
    for (int k = 0; k < kArchiveYears; ++k)
        gArchive[k] = Archive{0, static_cast<int16_t>(year - 2 - k), 0, 0};
    gArchiveDataAvailable = 0;

    ClearBudgetPointers();
    const LocalTime today = GetHost().Now();
    gCalDay = today.Day;
    gCalMonth = today.Month;
    gCalYear = today.Year % 100;
    gCalDaySelected = gCalMonthSelected = gCalYearSelected = 0;
    gCheckDisplayLines = gDepositDisplayLines = 0;
    gBalanceZero = gBXDepositTotal = gBDepositTotal = gBCheckTotal = gBXCheckTotal = 0;

    GetAccountData();

    gBudget.Standard = RGB(255, 255, 255);
    gBudget.StandardSub = RGB(0, 255, 255);
    gBudget.PositiveAmount = RGB(255, 255, 255);
    gBudget.NegativeAmount = RGB(255, 0, 0);
    gBudget.SavingsAccount = RGB(0, 255, 0);
    gBudget.SelectedStandard = RGB(0, 0, 0);
    gBudget.SelectedStandardSub = RGB(0, 255, 255);
    gBudget.SelectedPositiveAmount = RGB(0, 0, 0);
    gBudget.SelectedNegativeAmount = RGB(255, 0, 0);
    gBudget.SelectedSavingsAccount = RGB(0, 255, 0);

    SetInternationalDefaults(gIntRec);
    gBudget.Flag1 |= kBudgetHasInternational;
}

void SetDefaultCheckLayout()
{
    static constexpr RECT kDefaultBoxes[5] = {
        {83, 78, 420, 98}, {429, 80, 510, 100}, {34, 106, 420, 126}, {50, 175, 280, 195}, {334, 34, 425, 54}};
    for (RECT& box : gBudget.PrintField)
        box = RECT{0, 0, 0, 0};
    for (int i = 0; i < 5; ++i)
        gBudget.PrintField[i] = kDefaultBoxes[i];
}

void NewBudget()
{
    gBudget.ResourceFileIdent = 3;
    gBudget.DataFileIdent = 3;
    gBudget.CheckbookNegativeFlag = 0;
    gBudget.CheckbookWarnFlag = 0;
    gBudget.UseDollar = 0;
    gBudget.HFontSet = 0;
    gBudget.PFontSet = 0;
    gBudget.Debit = 0;
    gBudget.Flag1 = 0;
    for (auto& name : gBudget.PayName)
        name[0] = 0;

    char now[kDatimeSize];
    GetDatime(now);
    now[8] = 0;
    gBudget.YearLastUsed = static_cast<int16_t>(GetYear(now));
    for (int p = 0; p < kPayers; ++p) {
        gBudget.PayAmount[p] = 0;
        gBudget.PayType[p] = kMonthlyPayType[p];
    }
    gBudget.NumberOfPayers = 0;
    gBudget.HighestIdent = 1000;
    gBudget.UniqueID = 1;
    gBudget.StatementBalance = 0;
    gBudget.MwPt = {4, 40};
    SetDefaultCheckLayout();

    ClearBudgetPointers();
    GetAccountData();
    // Account setup keeps notes and category names; a new budget starts without those of any
    // budget before it.
    for (auto& row : Accounts)
        for (auto& slot : row) {
            std::memset(slot.Note, 0, sizeof slot.Note);
            std::memset(slot.SubName, 0, sizeof slot.SubName);
        }
    for (auto& inv : Invest)
        std::memset(inv.Note, 0, sizeof inv.Note);

    GetHost().RunNewBudgetPaySetup();

    ResetSelections();
    SetInternationalDefaults(gIntRec);
    gBudget.Flag1 |= kBudgetHasInternational;
    gNewBudgetFile = 1;
    gBudgetDamaged = 0;
    gStartUpFlag = 1;
}

AHistory* CheckbookLogRecord(const char* theText)
{
    AHistory* rec = NewHistoryRecord();
    CoreRecord& book = MemoryAccounts[0][1];
    rec->HistoryFP = book.HistoryRec;
    book.HistoryRec = rec;
    ++gHistoryShape;
    Accounts[0][1].NumberOfHistoryRecords++;
    book.DisplayLines++;

    GetDatime(rec->RDatime);
    std::memcpy(rec->Datime, rec->RDatime, 8);
    rec->Datime[8] = 0;
    CopyString(theText, rec->PayToFm, 63);  // at most 62 characters and the terminator
    // The record names the Checkbook's own slot, like every record of a chain.
    rec->Mi = 0;
    rec->Si = 1;
    rec->LogRecord = 1;
    gBudgetFileChanged = 1;
    return rec;
}

int GetHistoryWindowRecord(WindowHandle theWindow, int* Mi, int* Si)
{
    if (!theWindow)
        return 0;
    for (int m = 0; m < kMainAccounts; ++m)
        for (int s = 0; s < kSlots; ++s)
            if (MemoryAccounts[m][s].HistoryWindow == theWindow) {
                *Mi = m;
                *Si = s;
                return 1;
            }
    return 0;
}

int GetHistoryListWindowRecord(WindowHandle theWindow, int* Mi, int* Si)
{
    if (!theWindow)
        return 0;
    for (int m = 0; m < kMainAccounts; ++m)
        for (int s = 0; s < kSlots; ++s)
            if (MemoryAccounts[m][s].HistoryListWindow == theWindow) {
                *Mi = m;
                *Si = s;
                return 1;
            }
    return 0;
}

int GetInvestHistoryWindowRecord(WindowHandle theWindow)
{
    if (!theWindow)
        return -1;
    for (int i = 1; i < kInvestments; ++i)
        if (MemoryInvest[i].HistoryWindow == theWindow)
            return i;
    return -1;
}

int GetInvestHistoryListWindowRecord(WindowHandle theWindow)
{
    if (!theWindow)
        return -1;
    for (int i = 1; i < kInvestments; ++i)
        if (MemoryInvest[i].HistoryListWindow == theWindow)
            return i;
    return -1;
}

int GetSubAccountWindowRecord(WindowHandle theWindow)
{
    if (!theWindow)
        return -1;
    for (int m = 1; m < kMainAccounts; ++m)
        if (MemoryAccounts[m][0].SubAccountWindow == theWindow)
            return m;
    return -1;
}
