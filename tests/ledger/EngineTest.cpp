// The rules of money going out and coming in, the pay totals, the account lookups, where a new
// account goes, and the fields and dates the user types.
#include "LedgerFixture.h"

#include "ledger/Budget.h"
#include "ledger/Recording.h"
#include "model/Dates.h"
#include "model/Globals.h"
#include "model/Initialize.h"
#include "model/Money.h"

#include <cstring>
#include <functional>
#include <tuple>

namespace {

class EngineTest : public LedgerFixture {
protected:
    void SetUp() override
    {
        LedgerFixture::SetUp();
        RecordTestAccount(1, 0, "Food");
        RecordTestAccount(2, 0, "Savings", true);
        RecordTestAccount(3, 0, "Rent");
    }
};

// A withdrawal of 150.00 from `Mi` holding `held`: savings may not go below 0, "Available" may,
// and the Checkbook (holding `book`) as the preferences allow.
TEST_F(EngineTest, WithdrawalsGoBelow0OnlyWhereTheRulesAllow)
{
    const std::string negative = "Your checkbook is about to go negative\r\rDo you want to continue?";
    // message: "" for none.
    const struct { int Mi; int32_t held, book; bool allow, warn; int answer; bool recorded; std::string message; } cases[] = {
        {0, 10000, 10000, false, false, IDNO, false,
         "This transaction would cause your\r\rCheckbook to go negative.\r\rPlease try again."},
        {0, 10000, 10000, true, false, IDNO, true, ""},
        {0, 10000, 10000, true, true, IDYES, true, negative},
        {0, 10000, 10000, true, true, IDNO, false, negative},
        {0, -5000, -5000, true, true, IDYES, true, "Your checkbook is negative\r\rDo you want to continue?"},
        {0, 15000, 15000, false, true, IDNO, true, ""},
        {0, 0, 50000, false, false, IDNO, true, ""},
        {2, 10000, 50000, false, false, IDNO, false,
         "This transaction would cause your\r\rSavings account to go negative.\r\rPlease try again."},
    };
    for (const auto& c : cases) {
        gBudget.CheckbookNegativeFlag = c.allow;
        gBudget.CheckbookWarnFlag = c.warn;
        Accounts[c.Mi][0].Balance = c.held;
        Accounts[0][1].Balance = c.book;
        host.Messages.clear();
        host.Answers = {c.answer};
        const int records = Accounts[c.Mi][0].NumberOfHistoryRecords;
        EXPECT_EQ(Check(c.Mi, 0, 15000, 0) != nullptr, c.recorded) << c.Mi << " " << c.held;
        EXPECT_EQ(host.Messages.empty() ? "" : host.Messages[0].Text, c.message) << c.Mi << " " << c.held;
        EXPECT_EQ(Accounts[c.Mi][0].NumberOfHistoryRecords - records, c.recorded ? 1 : 0);
    }
    // Savings checks have no number, and take none.
    Accounts[2][0].Balance = 20000;
    EXPECT_EQ(Check(2, 0, 100, 777)->CheckID, 0);
    EXPECT_EQ(gBudget.HighestIdent, 1000);
}

TEST_F(EngineTest, DepositsStopShortOfAMillionInTheCheckbook)
{
    Deposit(1, 0, 99999900);
    EXPECT_EQ(Deposit(3, 0, 100), nullptr);
    EXPECT_EQ(host.OnlyMessage(), "The number:     $1,000,000.00     is out of range.\r\rPlease try again.");
    EXPECT_EQ(Accounts[3][0].NumberOfHistoryRecords, 0);
    EXPECT_NE(Deposit(3, 0, 99), nullptr);
    EXPECT_EQ(Accounts[0][1].Balance, 99999999);
    EXPECT_EQ(Deposit(2, 0, 1), nullptr);  // the ceiling counts the Checkbook even for savings
}

TEST_F(EngineTest, NoBalanceLeavesThe32BitRange)
{
    Accounts[2][0].Balance = INT32_MAX - 10;  // savings escape the ceiling
    EXPECT_EQ(Deposit(2, 0, 11), nullptr);
    EXPECT_EQ(host.OnlyMessage(), "The number:     $0.11     is out of range.\r\rPlease try again.");
    EXPECT_EQ(Accounts[2][0].Balance, INT32_MAX - 10);
    EXPECT_EQ(Accounts[2][0].NumberOfHistoryRecords, 0);
    EXPECT_NE(Deposit(2, 0, 10), nullptr);
}

TEST_F(EngineTest, ATransferTheReceivingSideWouldRefuseIsNotStarted)
{
    Accounts[2][0].Balance = 5000000;
    Deposit(1, 0, 99999000);
    // From savings into the checkbook past the ceiling: nothing is recorded on either side.
    EXPECT_EQ(RecordTransfer(2, 0, 1, 0, 5000, "12/02/26", ""), nullptr);
    EXPECT_EQ(host.OnlyMessage(), "The number:     $1,000,040.00     is out of range.\r\rPlease try again.");
    EXPECT_EQ(Accounts[2][0].NumberOfHistoryRecords, 0);
    EXPECT_EQ(Accounts[2][0].Balance, 5000000);
    EXPECT_EQ(Accounts[1][0].NumberOfHistoryRecords, 1);
}

TEST_F(EngineTest, PayTotalsCountTheExtraPaysAsTheirShareOfTheYear)
{
    gBudget.NumberOfPayers = 1;
    gBudget.PayType[0] = 1004;  // weekly
    gBudget.PayAmount[0] = 10000;
    for (int k = 0; k < 5; ++k)
        Accounts[1][0].PayAmount[0][k] = 1000;
    int16_t percent = 0;
    int32_t monthly = 0;
    TotalMonthly(1, 0, &percent, &monthly);
    EXPECT_EQ(std::tuple(TotalPay(), monthly, percent), std::tuple(43333, 4333, int16_t{9}));

    gBudget.PayType[0] = 1005;  // bi-weekly
    gBudget.PayAmount[0] = 100000;
    for (int k = 0; k < 3; ++k)
        Accounts[1][0].PayAmount[0][k] = 10000;
    RecordTestAccount(1, 1, "Snacks");
    Accounts[1][1].PayAmount[0][0] = 500;
    TotalMonthly(1, 0, &percent, &monthly);
    EXPECT_EQ(std::tuple(TotalPay(), monthly, percent), std::tuple(216666, 21666, int16_t{9}));
    TotalSubMonthly(1, &percent, &monthly);
    EXPECT_EQ(monthly, 22166);

    const int pays[][2] = {{1004, 5}, {1012, 3}, {1020, 2}, {1007, 1}, {1003, 0}};
    for (const auto& p : pays)
        EXPECT_EQ(GetMaxPays(p[0]), p[1]) << p[0];

    Recalculate();
    EXPECT_EQ(Accounts[0][0].PayAmount[0][0], 100000 - 10000 - 500);
    EXPECT_EQ(Accounts[0][0].PayAmount[0][2], 100000 - 10000);
}

// A budget holding pay amounts and allocations whose monthly sums do not fit an amount: each sum
// is refused with the range message where it is used, never wrapped.
TEST_F(EngineTest, PaySumsBeyondAnAmountAreRefusedNotWrapped)
{
    gBudget.NumberOfPayers = 1;
    gBudget.PayType[0] = 1004;  // weekly: four pays and a third a month
    int16_t percent = 1;
    int32_t monthly = 1;
    const auto allocate = [](int32_t amount) {
        for (int k = 0; k < kPaysPerMonth; ++k)
            Accounts[1][0].PayAmount[0][k] = amount;
    };
    const struct { const char* what; int32_t pay, allocation; int monthlyResult; } cases[] = {
        {"the income", INT32_MAX / 2, 0, 0},
        {"an account's monthly total", 10000, INT32_MAX / 4, 0},
        {"the share of the income in percent", 1, 10000, 0},
        {"in range", 10000, 1000, 1},
    };
    for (const auto& c : cases) {
        gBudget.PayAmount[0] = c.pay;
        allocate(c.allocation);
        host.Messages.clear();
        EXPECT_EQ(TotalMonthly(1, 0, &percent, &monthly), c.monthlyResult) << c.what;
        EXPECT_EQ(TotalSubMonthly(1, &percent, &monthly), c.monthlyResult) << c.what;
        EXPECT_EQ(monthly, c.monthlyResult ? 4333 : 0) << c.what;
        EXPECT_EQ(host.Messages.size(), c.monthlyResult ? 0u : 2u) << host.AllMessages();
        for (const auto& m : host.Messages)
            EXPECT_EQ(m.Title, "Range Error") << c.what;
    }
    gBudget.PayAmount[0] = INT32_MAX / 2;
    host.Messages.clear();
    EXPECT_EQ(TotalPay(), 0);
    EXPECT_EQ(host.OnlyMessage(), "The number:     $46,528,812.33     is out of range.\r\rPlease try again.");

    // What a pay leaves Available: Food and Rent together are given more than an amount holds.
    gBudget.PayAmount[0] = 10000;
    allocate(INT32_MAX);
    const int32_t table[kPayers][kPaysPerMonth] = {{INT32_MAX}};
    const ARecord rent = Accounts[3][0];
    host.Messages.clear();
    EXPECT_EQ(RecordAccountSetup(3, 0, "Rent", false, table), 0);
    EXPECT_EQ(std::memcmp(&rent, &Accounts[3][0], sizeof rent), 0);
    Accounts[3][0].PayAmount[0][0] = INT32_MAX;
    EXPECT_EQ(Recalculate(), 0);
    EXPECT_EQ(Accounts[0][0].PayAmount[0][0], 0);
    EXPECT_EQ(host.Messages.size(), 2u);
}

TEST_F(EngineTest, AccountsAreFoundByNameCategoryAndSubName)
{
    RecordTestAccount(3, 1, "Electric");
    RecordTestAccount(3, 2, "Water");
    CopyString("Utilities", Accounts[3][0].SubName);
    const struct { const char* main; const char* sub; int found, Mi, Si; } cases[] = {
        {"Rent", "", 1, 3, 0}, {"Rent", "Water", 1, 3, 2}, {"Utilities", "Electric", 1, 3, 1},
        {"Utilities", "", 0, -1, -1}, {"rent", "", 0, -1, -1}, {"", "Water", 0, -1, -1},
        {"Rent", "Gas", 0, -1, -1}, {"Available", "", 1, 0, 0},
    };
    for (const auto& c : cases) {
        int Mi = -1, Si = -1;
        EXPECT_EQ(FindAccountName(c.main, c.sub, &Mi, &Si), c.found) << c.main << "/" << c.sub;
        EXPECT_EQ(Mi, c.Mi) << c.main << "/" << c.sub;
        EXPECT_EQ(Si, c.Si) << c.main << "/" << c.sub;
    }
}

// Where New Account puts an account: the selection, else the window in front, decides.
TEST_F(EngineTest, NewAccountTakesTheSlotTheSelectionOrTheWindowInFrontOffers)
{
    for (int Si = 0; Si < kSlots; ++Si)
        RecordTestAccount(6, Si, ("Full " + std::to_string(Si)).c_str());
    RecordTestAccount(3, 1, "Electric");
    const FrontWindow main{FrontWindow::Main}, other{FrontWindow::Other};
    const auto window = [](int row) { return FrontWindow{FrontWindow::SubAccounts, row}; };
    const std::string none = "There are no empty account boxes.\r\r\r\rPlease try again.";
    // slot: "Mi,Si" chosen, or "" for none.
    const struct { int m, s; FrontWindow front; std::string slot, message; } cases[] = {
        {-1, -1, main, "4,0", ""},          {0, 1, main, "4,0", ""},  // the Checkbook's row: as nothing
        {-1, -1, window(3), "3,2", ""},     {-1, -1, window(6), "", none},
        {-1, -1, other, "", ""},            {-1, -1, FrontWindow{}, "", ""},
        {1, 0, main, "1,1", ""},            {5, 0, main, "5,0", ""},
        {6, -1, main, "", none},            {3, 4, window(3), "3,4", ""},
        {3, 1, window(3), "", "Account already exists.\r\r\r\rPlease try again."},
        {26, 0, main, "", ""},              {3, 7, window(3), "", ""},
    };
    for (const auto& c : cases) {
        host.Messages.clear();
        int Mi = -1, Si = -1;
        const int chosen = ChooseNewAccountSlot(c.m, c.s, c.front, &Mi, &Si);
        EXPECT_EQ(chosen ? std::to_string(Mi) + "," + std::to_string(Si) : "", c.slot) << c.m << "," << c.s;
        EXPECT_EQ(host.OnlyMessage(), c.message) << c.m << "," << c.s;
    }

    // A sub account of "Available" is refused whatever the window.
    int Si = -1;
    EXPECT_EQ(ChooseSubAccountSlot(0, &Si), 0);
    EXPECT_EQ(host.AllMessages(), "Input Error: You can not create a sub account\r\rto the Available account.\r\r"
                                  "Please try again.");
    host.Messages.clear();
    for (int Mi = 1; Mi < kMainAccounts; ++Mi)
        Accounts[Mi][0].Valid = 1;
    int Mi = -1;
    EXPECT_EQ(ChooseNewAccountSlot(-1, -1, main, &Mi, &Si), 0);
    EXPECT_EQ(host.OnlyMessage(), none);

    // The investment view: the selected investment account when free, else the first free one.
    host.Messages.clear();
    Invest[1].Valid = Invest[3].Valid = 1;
    const struct { int m, chosen, Ii; std::string message; } invest[] = {
        {-1, 1, 2, ""}, {4, 1, 4, ""}, {3, 0, -1, "Account already exists.\r\r\r\rPlease try again."}};
    for (const auto& c : invest) {
        host.Messages.clear();
        int Ii = -1;
        EXPECT_EQ(ChooseNewInvestAccount(c.m, &Ii), c.chosen) << c.m;
        EXPECT_EQ(Ii, c.Ii) << c.m;
        EXPECT_EQ(host.OnlyMessage(), c.message) << c.m;
    }
}

// The readers the dialogs and budget-cli share, with the dialogs' messages, where budget-cli's
// tables do not reach them: an empty allocation is 0, a category needs a name, a check number is
// digits alone up to 2,147,483,647.
TEST_F(EngineTest, TypedFieldsAreReadWithTheDialogsMessages)
{
    const auto checkNumber = [](const std::string& text, int64_t* v) {
        uint32_t number = 0;
        const int ok = ReadCheckNumber(text, &number);
        *v = number;
        return ok;
    };
    const std::string number = "Number Conversion Error: The number:     ", range = "Range Error: The number:     ";
    // message: the start of what is shown, "" for nothing.
    const struct { const char* what; std::function<int(const std::string&, int64_t*)> read; std::string text;
                   int ok; int64_t value; std::string message; } cases[] = {
        {"allocation",
         [](const std::string& text, int64_t* v) {
             int32_t amount = -1;
             const int ok = ReadAllocation(text, &amount);
             *v = amount;
             return ok;
         },
         "", 1, 0, ""},
        {"category", [](const std::string& text, int64_t*) { return RecordCategoryName(3, text); }, "", 0, -1,
         "Input Error: The Name field must be specified\r\r\r\r"},
        {"check number", checkNumber, "", 0, 0, number + "     is invalid."},
        {"check number", checkNumber, "+5", 0, 0, number + "+5"},
        {"check number", checkNumber, " 5", 0, 0, number + " 5"},
        {"check number", checkNumber, "99999999999999999999", 0, 0, range + "99999999999999999999"},
    };
    for (const auto& c : cases) {
        host.Messages.clear();
        int64_t value = -1;
        EXPECT_EQ(c.read(c.text, &value), c.ok) << c.what << " \"" << c.text << "\"";
        EXPECT_EQ(value, c.value) << c.what << " \"" << c.text << "\"";
        const std::string shown = host.AllMessages();
        EXPECT_EQ(shown.substr(0, c.message.size()), c.message) << c.what << " \"" << c.text << "\"";
        EXPECT_EQ(shown.empty(), c.message.empty()) << shown;
    }
    uint64_t read = 0;
    EXPECT_EQ(ReadDigits("256", 255, &read), Digits::TooLarge);

    // The category name is cut to its field; a budget opened without one is titled, unchanged.
    EXPECT_EQ(RecordCategoryName(3, "Utilities and more"), 1);
    EXPECT_STREQ(Accounts[3][0].SubName, "Utilities and m");
    RecordTestAccount(1, 1, "Bread");
    gBudgetFileChanged = 0;
    for (int Mi : {1, 2, 3})
        TitleUnnamedCategory(Mi);
    EXPECT_EQ(std::string(Accounts[1][0].SubName) + "|" + Accounts[2][0].SubName + "|" + Accounts[3][0].SubName,
              "Category Name||Utilities and m");
    EXPECT_EQ(gBudgetFileChanged, 0);

    // Allocations wait for a pay source.
    host.Messages.clear();
    gBudget.NumberOfPayers = 0;
    EXPECT_EQ(AllocationsAllowed(), 0);
    EXPECT_EQ(host.AllMessages(), "Input Error: pYou can not allocate funds\r\rBefore you define your pay's\r\r"
                                  "Please try again.");
}

TEST_F(EngineTest, HitTestsFindTheBoxUnderAPoint)
{
    const struct { POINT p; int flag, position; } mainCases[] = {
        {{432, 22}, 1, 0}, {{555, 85}, 1, 0}, {{556, 85}, 1, -1}, {{4, 110}, 1, 1}, {{4, 110}, 0, 1},
        {{252, 110}, 1, 3}, {{128, 110}, 1, 2}, {{500, 429}, 0, 25}, {{500, 429}, 1, -1}, {{3, 110}, 0, -1},
    };
    for (const auto& c : mainCases)
        EXPECT_EQ(ValidMainAccount(c.p, c.flag), c.position) << c.p.x << "," << c.p.y;
    RecordTestAccount(1, 4, "Gum");
    EXPECT_EQ(ValidSubAccount(1, POINT{146, 16}, 1), 0);
    EXPECT_EQ(ValidSubAccount(1, POINT{22, 144}, 1), 4);
    EXPECT_EQ(ValidSubAccount(1, POINT{146, 144}, 1), -1);
    EXPECT_EQ(ValidSubAccount(1, POINT{146, 144}, 0), 5);
}

TEST(InputDatesTest, TypedDatesAreCompletedFromToday)
{
    ScriptedHost host;
    host.Clock = LocalTime{2002, 3, 15, 10, 0, 0};
    SetHost(&host);
    // stored: "" when refused.
    const struct { int order; char separator; const char* typed; const char* stored; } cases[] = {
        {0, '/', "7", "03/07/02"}, {0, '/', "12", "03/12/02"}, {0, '/', "123", "03/12/02"},
        {0, '/', "4/1", "04/01/02"}, {0, '/', "12/25/01", "12/25/01"}, {0, '/', "1/5/01", "01/05/01"},
        {0, '/', "2/30", ""}, {0, '/', "1/5/2001", ""}, {0, '/', "1/2/3/4", ""}, {0, '/', "", ""},
        {0, '/', "x", ""}, {kIntDayMonthYear, '/', "25/12", "12/25/02"}, {kIntDayMonthYear, '/', "5/4", "04/05/02"},
        {kIntDayMonthYear, '.', "31.12.01", "12/31/01"}, {kIntYearMonthDay, '/', "01/12/25", "12/25/01"},
        {kIntYearMonthDay, '/', "12/25", "12/25/02"}, {0, '.', "03.15.02", "03/15/02"}, {0, '.', "3.7", "03/07/02"},
    };
    for (const auto& c : cases) {
        gIntRec.Flag1 = static_cast<signed char>(c.order);
        gIntRec.DateSeperator = c.separator;
        char out[kDatimeSize] = "unchanged";
        const int ok = ConvertInputDatime(c.typed, out);
        EXPECT_EQ(ok, c.stored[0] != 0) << c.typed;
        EXPECT_STREQ(out, ok ? c.stored : "unchanged") << c.typed;
    }
    SetHost(nullptr);
}

}  // namespace
