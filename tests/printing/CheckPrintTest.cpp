// Check printing without windows: the amount in words, the field texts of a record, the setup
// check and which selected record Print Check prints.
#include "ledger/LedgerFixture.h"

#include "model/Money.h"
#include "printing/CheckPrint.h"

#include <string>

namespace {

struct WordsCase {
    int places;
    int32_t amount;
    const char* words;
};

TEST(WordAmountTest, SpellsTheWholeUnitsAndTheFractionInTheBudgetsPlaces)
{
    const WordsCase cases[] = {
        {2, 123456, "one thousand two hundred thirty four and 56/100"},
        {2, 5, "and 05/100"},
        {2, 0, "and 00/100"},
        {2, 100000, "one thousand and 00/100"},
        {2, 1000000, "ten thousand and 00/100"},
        {2, 1500000, "fifteen thousand and 00/100"},
        {2, 100000000, "one  million and 00/100"},
        {2, 2000000000, "twenty  million and 00/100"},
        {2, 11100, "one hundred eleven and 00/100"},
        {2, 2000, "twenty and 00/100"},
        {2, 2100, "twenty one and 00/100"},
        {2, 10100, "one hundred one and 00/100"},
        {2, 1911999, "nineteen thousand one hundred nineteen and 99/100"},
        {2, INT32_MAX, "twenty one  million four hundred seventy four thousand eight hundred thirty six and 47/100"},
        // The fraction follows the places the amount in figures is written with.
        {0, 1234, "one thousand two hundred thirty four"},
        {0, 0, "zero"},
        {0, INT32_MAX,
         "two  billion one hundred forty seven  million four hundred eighty three thousand six hundred forty seven"},
        {1, 12345, "one thousand two hundred thirty four and 5/10"},
        {1, 7, "and 7/10"},
        {3, 1234567, "one thousand two hundred thirty four and 567/1000"},
        {3, 5, "and 005/1000"},
        {4, 123456, "twelve and 3456/10000"},
    };
    for (const WordsCase& c : cases) {
        gIntRec.DecimalPlaces = static_cast<signed char>(c.places);
        EXPECT_EQ(GetWordAmount(c.amount), c.words) << c.amount << " with " << c.places << " places";
    }
    gIntRec.DecimalPlaces = 2;
}

// Every character counts 10 pixels.
class TenPixels : public TextMeasure {
public:
    int TextWidth(const char*, int length) const override { return 10 * length; }
};

TEST(CheckScaleTest, LayoutUnitsSpreadOverThePrintableAreaAndTextsCutToTheirBox)
{
    int sx = 0, sy = 0;
    CheckScale(4800, 6600, &sx, &sy);
    EXPECT_EQ(sx, 7);
    EXPECT_EQ(sy, 8);
    CheckScale(300, 300, &sx, &sy);  // a tiny page still prints one pixel a unit
    EXPECT_EQ(sx, 1);
    EXPECT_EQ(sy, 1);

    const TenPixels measure;
    EXPECT_EQ(SetMaxText(measure, "abcdef", 60), "abcdef");
    EXPECT_EQ(SetMaxText(measure, "abcdef", 53), "abcd");  // at most 49 pixels once cut
    EXPECT_EQ(SetMaxText(measure, "abcdef", 3), "");
}

// A host whose printer prints every page and counts them.
class PrintingHost : public ScriptedHost {
public:
    int PrintCheckPage() override { return ++Pages; }
    int Pages = 0;
};

class CheckPrintTest : public LedgerFixture {
protected:
    void SetUp() override
    {
        LedgerFixture::SetUp();
        SetHost(&printer);
        InitPrint();
        RecordTestAccount(1, 0, "Rent");
        Deposit(1, 0, 500000);
        check = RecordCheck(1, 0,
                            {.Amount = 123456, .Datime = "04/05/07", .PayTo = "Landlord", .Memo = "Unit 4",
                             .Number = 1042});
        ASSERT_NE(check, nullptr);
        printer.Messages.clear();
    }

    void Select(AHistory* rec)
    {
        gSelectedItem = rec;
        rec->Selected = 1;
    }

    PrintingHost printer;
    AHistory* check = nullptr;
};

TEST_F(CheckPrintTest, FieldTextsComeFromTheRecordInTheBudgetsForms)
{
    PrintCheckData(check);
    const char* expected[kPrintFields] = {"Landlord", "1,234.56", "ONE THOUSAND TWO HUNDRED THIRTY FOUR AND 56/100",
                                          "Unit 4",   "04/05/07", "5",
                                          "Apr",      "07",       "1042",
                                          ""};
    for (int field = 0; field < kPrintFields; ++field)
        EXPECT_STREQ(PItems[field].PrintString, expected[field]) << PrintFieldLabel(field);

    gBudget.UseDollar = 1;
    gIntRec.Flag1 = kIntDayMonthYear;
    gIntRec.DateSeperator = '.';
    PrintCheckData(check);
    EXPECT_STREQ(PItems[kPrintAmount].PrintString, "$1,234.56");
    EXPECT_STREQ(PItems[kPrintDate].PrintString, "05.04.07");
}

TEST_F(CheckPrintTest, SetupNeedsPayToAmountWordsAndADate)
{
    struct SetupCase {
        std::vector<int> cleared;
        std::vector<int> placed;
        const char* error;  // "" when the layout can print
    };
    const SetupCase cases[] = {
        {{}, {}, ""},
        {{kPrintPayTo}, {}, "Setup Error 1"},
        {{kPrintAmount}, {}, "Setup Error 1"},
        {{kPrintWordAmount, kPrintDate}, {}, "Setup Error 1"},
        {{kPrintDate}, {kPrintDay}, "Setup Error 2"},
        {{kPrintDate}, {kPrintMonth}, "Setup Error 2"},
        {{kPrintDate}, {kPrintDay, kPrintMonth}, ""},
        {{kPrintMemo}, {}, ""},
    };
    for (const SetupCase& c : cases) {
        SetDefaultCheckLayout();
        for (int field : c.cleared)
            gBudget.PrintField[field] = RECT{0, 0, 0, 0};
        for (int field : c.placed)
            gBudget.PrintField[field] = RECT{10, 200, 60, 220};
        printer.Messages.clear();
        EXPECT_EQ(CheckPrintSetup(), c.error[0] ? 0 : 1) << c.error;
        const std::string message = printer.OnlyMessage();
        EXPECT_EQ(message.rfind(c.error, 0), 0u) << message;
        if (c.error[0]) {
            EXPECT_NE(message.find("Go to Check Setup under the file menu."), std::string::npos);
        }
    }
}

TEST_F(CheckPrintTest, PrintCheckPrintsOnlyTheCheckSelectedNow)
{
    // Nothing selected, and a record its list has let go since.
    EXPECT_EQ(BudgetPrintCheck(), 0);
    check->Selected = 0;
    gSelectedItem = check;
    EXPECT_EQ(BudgetPrintCheck(), 0);
    ASSERT_EQ(printer.Messages.size(), 2u);
    for (const CapturedMessage& m : printer.Messages)
        EXPECT_EQ(m.Text.rfind("A check needs to be selected.", 0), 0u) << m.Text;
    EXPECT_EQ(printer.Pages, 0);

    // A deposit is passed over without a word; the command line says why.
    printer.Messages.clear();
    Select(MemoryAccounts[1][0].HistoryRec->HistoryFP);
    EXPECT_EQ(BudgetPrintCheck(), 0);
    EXPECT_TRUE(printer.Messages.empty()) << printer.AllMessages();
    EXPECT_EQ(PrintNamedCheck(MemoryAccounts[1][0].HistoryRec->HistoryFP), 0);
    EXPECT_EQ(printer.OnlyMessage().rfind("Only checks, debits and ATM withdrawals can be printed.", 0), 0u);
    EXPECT_EQ(printer.Pages, 0);

    // A printed page marks the check and the budget.
    Select(check);
    gBudgetFileChanged = 0;
    EXPECT_EQ(BudgetPrintCheck(), 1);
    EXPECT_EQ(check->PrintFlag, 1);
    EXPECT_EQ(gBudgetFileChanged, 1);
    EXPECT_EQ(printer.Pages, 1);
    EXPECT_STREQ(PItems[kPrintPayTo].PrintString, "Landlord");
}

}  // namespace
