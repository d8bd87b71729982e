// The one definition of every global table and chain of the open budget.
#include "model/Globals.h"

ARecord Accounts[kMainAccounts][kSlots];
CoreRecord MemoryAccounts[kMainAccounts][kSlots];
IRecord Invest[kInvestments];
ICoreRecord MemoryInvest[kInvestments];
ABudget gBudget;
International gIntRec;

Archive gArchive[kArchiveYears];
int gArchiveDataAvailable = 0;
int gExportFlag = 0;
char gExportStartDate[16] = {};
char gExportEndDate[16] = {};
int gExportTransfer = 0;

AHistory* Reminders[kReminderSlots];
int16_t gRemindListCount = 0;
int gRemindSurplus = 0;
uint64_t gReminderStamp = 0;

ToDo* gToDoAnchor = nullptr;
ToDo* gToDoAnchorLast = nullptr;
CBalance* gBalanceCAnchor = nullptr;
CBalance* gBalanceCAnchorLast = nullptr;
DBalance* gBalanceDAnchor = nullptr;
DBalance* gBalanceDAnchorLast = nullptr;

int32_t gCheckDisplayLines = 0;
int32_t gDepositDisplayLines = 0;
int32_t gBalanceZero = 0;
int32_t gBCheckTotal = 0;
int32_t gBXCheckTotal = 0;
int32_t gBDepositTotal = 0;
int32_t gBXDepositTotal = 0;

AHistory* gSelectedItem = nullptr;
int gFMi = 0;
int gFSi = 0;
AHistory* gFHPtr = nullptr;

char gBudgetFileName[kPathSize];
char gBudgetTitleName[kPathSize];
int gBudgetFileChanged = 0;
int gNewBudgetFile = 0;
int gBudgetDamaged = 0;
int gStartUpFlag = 0;
int gAbout = 0;

int gMainInvest = 0;
int gFirstSelected[2] = {-1, -1};
int gSecondSelected[2] = {-1, -1};
int32_t gSelectTotal = 0;
char gInfoBox[64];
char gInvestInfoBox[64];
int gBoxFlag = 0;
uint64_t gHistoryShape = 0;

int gMoveMi = -1;
int gMoveSi = -1;
int gMoveMod = 0;
int gMouse = 0;
int gMoveFlag = 0;

int gMi = 0;
int gSi = 0;
int gMi2 = 0;
int gSi2 = 0;
int gIi = 0;
AHistory* gHPtr = nullptr;
int32_t gAmount = 0;
int gDflag1 = 0;

int gCalDay = 0;
int gCalMonth = 0;
int gCalYear = 0;
int gCalDaySelected = 0;
int gCalMonthSelected = 0;
int gCalYearSelected = 0;

int64_t gTYET = 0;
int64_t gTYDT = 0;
int64_t gTYPT = 0;
int64_t gLYET = 0;
int64_t gLYDT = 0;
int64_t gLYPT = 0;
