// The preferences and international settings: what a record may hold so that amounts and dates
// read back as they are shown, and what applying the preferences keeps and rebuilds.
#include "LedgerFixture.h"

#include "ledger/Settings.h"
#include "model/Dates.h"
#include "model/Globals.h"
#include "model/Money.h"

#include <string>
#include <vector>

namespace {

class SettingsTest : public LedgerFixture {};

struct IntRow {
    const char* currency;
    char decimal, group;
    int places, groupSize, flags;
    char separator;
};

International Record(const IntRow& r)
{
    International rec{};
    CopyString(r.currency, rec.DollarSymbol);
    rec.DecimalSymbol = r.decimal;
    rec.GroupSymbol = r.group;
    rec.DecimalPlaces = static_cast<signed char>(r.places);
    rec.GroupSize = static_cast<signed char>(r.groupSize);
    rec.Flag1 = static_cast<signed char>(r.flags);
    rec.DateSeperator = r.separator;
    return rec;
}

constexpr int kAfter = kIntSymbolAfter;
constexpr int kSpace = kIntSymbolSpace;
constexpr int kDMY = kIntDayMonthYear;
constexpr int kYMD = kIntYearMonthDay;

TEST_F(SettingsTest, CollidingSymbolsAndOutOfRangeCountsAreRefusedAtTheirField)
{
    const struct { IntRow row; IntField field; } cases[] = {
        {{"$", '\0', ',', 2, 3, 0, '/'}, IntField::DecimalSymbol},  // the cents would vanish
        {{"$", ' ', ',', 2, 3, 0, '/'}, IntField::DecimalSymbol},
        {{"$", '5', ',', 2, 3, 0, '/'}, IntField::DecimalSymbol},
        {{"$", '.', ',', 5, 3, 0, '/'}, IntField::DecimalPlaces},
        {{"$", ',', ',', 2, 3, 0, '/'}, IntField::GroupSymbol},  // 12,50 would be 1,250.00
        {{"$", '.', '-', 2, 3, 0, '/'}, IntField::GroupSymbol},  // the sign would be skipped
        {{"$", '.', ',', 2, 10, 0, '/'}, IntField::GroupSize},
        {{"Fr.", '.', ',', 2, 3, 0, '/'}, IntField::Currency},  // 12.50 would be 1,250.00
        {{"$'", ',', '\'', 2, 3, 0, '/'}, IntField::Currency},
        {{"N1", '.', ',', 2, 3, 0, '/'}, IntField::Currency},
        {{"$", '.', ',', 2, 3, 0, '\0'}, IntField::DateSeparator},
        {{"$", '.', ',', 2, 3, 0, '1'}, IntField::DateSeparator},
    };
    for (const auto& c : cases) {
        const IntProblem problem = CheckInternational(Record(c.row));
        EXPECT_EQ(problem.Field, c.field) << c.row.currency << " '" << c.row.decimal << "' '" << c.row.group << "'";
        EXPECT_FALSE(problem.Text.empty());
    }

    // Applying a refused record tells why and keeps the settings.
    const International before = gIntRec;
    gBudgetFileChanged = 0;
    EXPECT_EQ(ApplyInternational(Record(cases[4].row)).Field, IntField::GroupSymbol);
    EXPECT_NE(host.OnlyMessage().find("group symbol"), std::string::npos);
    EXPECT_EQ(gIntRec.DecimalSymbol, before.DecimalSymbol);
    EXPECT_EQ(gIntRec.GroupSymbol, before.GroupSymbol);
    EXPECT_EQ(gBudgetFileChanged, 0);
}

// Each accepted record: a typed amount and date are read, shown in the record's form, and what
// is shown reads back to the same amount and date.
TEST_F(SettingsTest, AmountsAndDatesReadBackAsTheyAreShown)
{
    gBudget.CheckbookNegativeFlag = 1;
    const struct {
        IntRow row;
        const char* typed;
        int32_t amount;
        const char* shown;
        const char* date;  // 31 December 2001 as typed and shown
    } cases[] = {
        {{"$", '.', ',', 2, 3, 0, '/'}, "1234.56", 123456, "$1,234.56", "12/31/01"},
        {{"DM", ',', '.', 2, 3, kAfter | kSpace | kDMY, '.'}, "-1.234,5", -123450, "-1.234,50 DM", "31.12.01"},
        {{"kr", ',', ' ', 2, 3, kAfter | kYMD, '-'}, "1 234 567", 123456700, "1 234 567,00kr", "01-12-31"},
        {{"Fr.", ',', '\'', 2, 3, kSpace, '/'}, "Fr. 12,5", 1250, "Fr. 12,50", "12/31/01"},
        {{"$", '.', ',', 0, 3, 0, '/'}, "1,234", 1234, "$1,234.", "12/31/01"},
        {{"$", '.', '\0', 3, 3, 0, '/'}, "1234.5", 1234500, "$1234.500", "12/31/01"},
        {{"$", '.', ',', 2, 0, 0, '/'}, "1234", 123400, "$1234.00", "12/31/01"},
        {{"$", '.', ',', 2, 3, kDMY | kYMD, '/'}, "5", 500, "$5.00", "31/12/01"},  // day first wins
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shown);
        const International rec = Record(c.row);
        ASSERT_EQ(CheckInternational(rec).Field, IntField::None) << CheckInternational(rec).Text;
        ASSERT_EQ(ApplyInternational(rec).Field, IntField::None);

        int32_t amount = 0;
        EXPECT_EQ(S2I(c.typed, &amount), c.amount < 0 ? kS2INegative : kS2IValid);
        EXPECT_EQ(amount, c.amount);
        EXPECT_EQ(MoneyText(amount), c.shown);
        amount = 0;
        S2I(c.shown, &amount);
        EXPECT_EQ(amount, c.amount);

        char stored[kDatimeSize] = "";
        char shown[kDatimeSize] = "";
        EXPECT_EQ(ConvertInputDatime(c.date, stored), 1);
        EXPECT_STREQ(stored, "12/31/01");
        ConvertDateFormat(stored, shown);
        EXPECT_STREQ(shown, c.date);
    }
    EXPECT_TRUE(host.Messages.empty()) << host.AllMessages();
}

TEST_F(SettingsTest, PreferencesKeepTheWarningOnlyWhenAllowedAndTheOtherBits)
{
    constexpr int kOtherBits = kBudgetHasInternational | 0x40;
    gBudget.Flag1 = static_cast<signed char>(kOtherBits);
    gBudgetFileChanged = 0;
    ApplyPreferences({.Allow = false, .Warn = true, .Dollar = true, .Debit = true, .CalendarAtStart = true});
    EXPECT_EQ(gBudget.CheckbookWarnFlag, 0);
    EXPECT_EQ(gBudget.Flag1, kOtherBits | kBudgetCalendarAtStart);
    EXPECT_EQ(gBudgetFileChanged, 1);

    ApplyPreferences({.Allow = true, .Warn = true, .SortByDate = true});
    const Preferences read = ReadPreferences();
    EXPECT_TRUE(read.Allow && read.Warn && read.SortByDate);
    EXPECT_FALSE(read.Dollar || read.Debit || read.CalendarAtStart);
    EXPECT_EQ(gBudget.Flag1, kOtherBits | kBudgetSortByDate);
}

TEST_F(SettingsTest, ChangingTheSortOrderRebuildsTheWithdrawalChain)
{
    RecordTestAccount(1, 0, "Food");
    Deposit(1, 0, 100000);
    Check(1, 0, 1000, 100, "12/01/26");
    Debit(1, 0, 2000, "12/05/26");
    auto order = [] {
        std::vector<int32_t> amounts;
        for (const CBalance* c = gBalanceCAnchor; c; c = c->BalanceCFP)
            amounts.push_back(c->BAmount);
        return amounts;
    };
    ASSERT_EQ(order(), (std::vector<int32_t>{2000, 1000}));  // by type: debits before checks
    Preferences prefs = ReadPreferences();
    prefs.SortByDate = true;
    ApplyPreferences(prefs);
    EXPECT_EQ(order(), (std::vector<int32_t>{1000, 2000}));
    prefs.SortByDate = false;
    ApplyPreferences(prefs);
    EXPECT_EQ(order(), (std::vector<int32_t>{2000, 1000}));
}

}  // namespace
