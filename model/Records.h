// The records of a budget: accounts, history, investments, To Do entries, settings and
// balancing records. Their file images (sizes and offsets) are described in RecordLayout.h.
#pragma once

#include <cstddef>
#include <cstdint>

// Window handles are opaque to the core; the desktop program stores its own pointers here.
using WindowHandle = void*;

// Sizes of the grid and the text fields.
constexpr int kMainAccounts = 26;       // Mi 0 to 25
constexpr int kSlots = 7;               // Si 0 to 6
constexpr int kInvestments = 26;        // Ii 0 to 25
constexpr int kPayers = 3;
constexpr int kPaysPerMonth = 5;
constexpr int kArchiveYears = 5;
constexpr int kReminderSlots = 50;
constexpr int kDepositArraySize = 555;  // pieces of a combined pay deposit
constexpr int kPathSize = 260;

// The slot of "Found Items", which holds copies of the hits of Find All: never an account, never
// saved.
constexpr int kFoundMi = 0;
constexpr int kFoundSi = 5;

struct POINT {
    int32_t x;
    int32_t y;
};

struct RECT {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
};

using COLORREF = uint32_t;  // 0x00BBGGRR

constexpr COLORREF RGB(int r, int g, int b)
{
    return static_cast<COLORREF>((r & 0xff) | ((g & 0xff) << 8) | ((b & 0xff) << 16));
}

// A font description as the file stores it (60 bytes).
struct LOGFONT {
    int32_t lfHeight;
    int32_t lfWidth;
    int32_t lfEscapement;
    int32_t lfOrientation;
    int32_t lfWeight;
    uint8_t lfItalic;
    uint8_t lfUnderline;
    uint8_t lfStrikeOut;
    uint8_t lfCharSet;
    uint8_t lfOutPrecision;
    uint8_t lfClipPrecision;
    uint8_t lfQuality;
    uint8_t lfPitchAndFamily;
    char lfFaceName[32];
};

struct CBalance;
struct DBalance;

// One transaction of an account (228 bytes in the file).
struct AHistory {
    AHistory* HistoryFP;   // next (older) record of the same account
    void* BalanceRec;      // CBalance when TypeFlag is set, DBalance when not; null once reconciled
    int32_t Balance;       // running balance after this transaction
    int32_t Amt;           // always positive; TypeFlag gives the direction
    int32_t CheckID;
    int32_t PayID;
    int16_t Mi;
    int16_t Si;
    char AccountName[16];
    char Datime[16];       // not always terminated: reminders pack their data into 9 to 15
    char RDatime[16];
    char PayToFm[64];
    char Memo[32];         // text, or on linked transfers the binary link
    char For[32];
    char LogRecord;
    char TypeFlag;         // 1 = money out
    char PayFlag;
    char TransferFlag;
    char XferFm;
    char TaxFlag;
    char PrintFlag;
    char BalanceFlag;
    char Savings;
    char UnDone;
    char Archived;
    char Checked;
    char Marked;
    char MultiDeposit;
    unsigned char ATM;     // the kind of a withdrawal: kWithdrawalCheck, kWithdrawalATM or kWithdrawalDebit
    char Found;
    char HFlag;
    char Selected;
    char Tri;
    char Remind;
    char Unused2;
    char Unused3;
};

// The kind of a withdrawal (AHistory::ATM, CBalance::ATM); deposits have kWithdrawalCheck.
constexpr unsigned char kWithdrawalCheck = 0;
constexpr unsigned char kWithdrawalATM = 1;
constexpr unsigned char kWithdrawalDebit = 255;

// One account slot of the grid (432 bytes in the file).
struct ARecord {
    int32_t Balance;
    int32_t PayAmount[kPayers][kPaysPerMonth];
    POINT HwPt;
    POINT SwPt;
    int32_t NumberOfHistoryRecords;
    int16_t NumberOfSubAccounts;
    char Name[16];
    char SubName[16];
    char PayName[kPayers][16];
    char SelectFlag;
    char SavingsFlag;
    char Valid;
    char CheckbookRecord;
    char HFlag;
    char FoundFlag;
    char Flag2;
    char Note[256];
};

// How much of a typed text the dialogs take; longer text is cut without a word, and budget-cli
// cuts what it is given to the same lengths. Each is the record field it is stored in less its
// terminator, except where the dialog's edit takes less: Account Setup's name edit one character
// less, and the Notes edit four less.
constexpr size_t kPayeeChars = sizeof(AHistory::PayToFm) - 1;    // Pay to, Received from
constexpr size_t kForChars = sizeof(AHistory::For) - 1;          // For
constexpr size_t kMemoChars = sizeof(AHistory::Memo) - 1;        // Memo
constexpr size_t kNameChars = sizeof(ARecord::Name) - 1;         // an account's name in a Multiple Deposit row
constexpr size_t kCategoryChars = sizeof(ARecord::SubName) - 1;  // the category name of a row's sub accounts
constexpr size_t kAccountNameChars = kNameChars - 1;             // an account's name in Account Setup
constexpr size_t kNoteChars = sizeof(ARecord::Note) - 4;         // an account's note

// The in-memory companion of an account slot; never stored.
struct CoreRecord {
    AHistory* HistoryRec;
    WindowHandle HistoryWindow;
    WindowHandle HistoryListWindow;
    WindowHandle SubAccountWindow;
    int32_t DisplayLines;
    int32_t VPayAmt;
    int VPayExpanded;
};

// Budget-wide settings (444 bytes in the file).
struct ABudget {
    LOGFONT HistoryFont;
    LOGFONT PrintFont;
    int32_t PrintFontSize;
    RECT PrintField[10];
    COLORREF Standard;
    COLORREF StandardSub;
    COLORREF PositiveAmount;
    COLORREF NegativeAmount;
    COLORREF SavingsAccount;
    COLORREF SelectedStandard;
    COLORREF SelectedStandardSub;
    COLORREF SelectedPositiveAmount;
    COLORREF SelectedNegativeAmount;
    COLORREF SelectedSavingsAccount;
    int32_t HighestIdent;
    int16_t Unused1;
    int16_t NumberOfToDoRecords;
    int32_t StatementBalance;
    int32_t UniqueID;
    int32_t PayAmount[kPayers];
    int32_t PrintWidth;
    int32_t PrintHeight;
    POINT PwPt;
    POINT MwPt;
    int16_t PayType[kPayers];
    int16_t NumberOfPayers;
    int16_t YearLastUsed;
    signed char ResourceFileIdent;
    signed char DataFileIdent;
    char PayName[kPayers][16];
    char CheckbookNegativeFlag;
    char CheckbookWarnFlag;
    char UseDollar;
    char HFontSet;
    char PFontSet;
    char Debit;
    signed char Flag1;
};

// Bits of ABudget::Flag1.
constexpr int kBudgetSortByDate = 1;
constexpr int kBudgetHasInternational = 2;
constexpr int kBudgetCalendarAtStart = 4;

// International settings (12 bytes, kept inside the Checkbook slot's SubName in the file).
struct International {
    char DollarSymbol[4];
    char DecimalSymbol;
    char GroupSymbol;
    char DateSeperator;
    signed char DecimalPlaces;
    signed char GroupSize;
    signed char Flag1;
    char Unused1;
    char Unused2;
};

// Bits of International::Flag1.
constexpr int kIntSymbolAfter = 1;
constexpr int kIntDayMonthYear = 2;
constexpr int kIntYearMonthDay = 4;
constexpr int kIntSymbolSpace = 8;

// One investment (320 bytes in the file).
struct IRecord {
    int32_t CostPerShare;
    int32_t NumberOfShares;
    int32_t AmountPaid;
    POINT IwPt;
    int32_t NumberOfHistoryRecords;
    char Name[16];
    char Datime[16];
    char SelectFlag;
    char Valid;
    char Flag1;
    char Flag2;
    char Flag3;
    char Flag4;
    char Note[256];
};

struct IHistory;

// The in-memory companion of an investment; never stored.
struct ICoreRecord {
    IHistory* HistoryRec;
    WindowHandle HistoryWindow;
    WindowHandle HistoryListWindow;
    int32_t DisplayLines;
};

// One investment transaction (60 bytes in the file).
struct IHistory {
    IHistory* InvestFP;
    int32_t CostPerShare;
    int32_t NumberOfShares;
    int32_t TotalShares;
    int16_t Ii;
    char Datime[16];
    char RDatime[16];
    char TypeFlag;   // set = shares sold
    char PPSUpdate;
    char Archived;
    char UnDone;
    char Unused1;
    char Unused2;
    char Unused3;
    char Unused4;
};

// One To Do entry (100 bytes in the file).
struct ToDo {
    ToDo* ToDoFP;
    char Datime[16];
    int32_t Deleted;
    int32_t Display;
    int32_t OverDue;
    int32_t UnUsed1;
    char ToDo[64];
};

// Archive bookkeeping for one year; never stored.
struct Archive {
    int32_t Count;
    int16_t Year;
    char SetForArchive;
    char Remainder;
};

// One outstanding withdrawal of the checkbook.
struct CBalance {
    CBalance* BalanceCFP;
    AHistory* HistoryRec;
    int32_t BAmount;
    int32_t BIdent;
    char BDatime[16];
    char BChecked;
    unsigned char ATM;
    char Flag2;
    char Flag3;
};

// One outstanding deposit of the checkbook; a combined pay deposit lists its pieces in theArray.
struct DBalance {
    DBalance* BalanceDFP;
    AHistory* HistoryRec;
    AHistory** theArray;   // ArraySize entries (at least kDepositArraySize), or null
    int32_t ArraySize;
    int32_t ArrayUsed;     // entries taken, from the start
    int32_t BAmount;
    int32_t DepositID;
    int32_t BIdent;
    char BDatime[16];
    char BChecked;
    char Flag1;
    char Flag2;
    char Flag3;
};
