// The transaction dialogs driven by scripts: dates and amounts, the faces and prefills of Write
// Check, the Available Transfer a check may need, deposits, transfers, and that a dialog leaves
// the same records as the command line.
#include "cli/CliFixture.h"
#include "support/WindowFixture.h"

#include "dialogs/EntryDialogs.h"
#include "files/BudgetFile.h"
#include "model/Globals.h"

#include <tuple>

namespace {

// Types the fields, clicks the boxes, then OK.
Script Fill(std::vector<std::pair<int, std::string>> fields, std::vector<int> clicks = {})
{
    return [=](ScriptedDialog& d) {
        for (const auto& [id, text] : fields)
            d.Type(id, text);
        for (int id : clicks)
            d.Click(id);
        d.Click(IDOK);
    };
}

// The program's windows and host: a withdrawal lacking money offers the transfer dialog.
class EntryDialogTest : public ProgramFixture {
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        AddSampleAccounts();  // the next check number is 1000
    }
    // A fresh budget for the next row of a table.
    void Restart()
    {
        TearDown();
        windows = WindowHost();
        SetUp();
    }
    static AHistory* Newest(int Mi, int Si) { return MemoryAccounts[Mi][Si].HistoryRec; }

    DialogScripts script;
};

// (Which dates and amounts are read, and their range: the model's and the ledger's tests.)
TEST_F(EntryDialogTest, TheShownDateReadsBackAndAFaultyFieldIsSelected)
{
    // The date order and separator, the amount and the date typed (null: the date the dialog
    // shows), and the stored date recorded or the message's title with the faulty field.
    const struct { int order; char separator; const char *amount, *date, *result; int focus; } cases[] = {
        {0, '/', "1", nullptr, "12/05/26", 0},  // the shown date reads back in every form
        {0, '.', "1", nullptr, "12/05/26", 0},
        {kIntDayMonthYear, '/', "1", nullptr, "12/05/26", 0},
        {kIntYearMonthDay, '/', "1", nullptr, "12/05/26", 0},
        {0, '/', "1", "2/30", "Date Conversion Error", 1007},
        {0, '/', "-5.00", "2/30", "Money Conversion Error", 1003},  // the amount is read first
    };
    for (const auto& c : cases) {
        Restart();
        const std::string row = std::string(c.amount) + " " + (c.date ? c.date : "(shown)");
        gIntRec.Flag1 = static_cast<int16_t>(c.order);
        gIntRec.DateSeperator = c.separator;
        script.Scripts.push_back([&](ScriptedDialog& d) {
            d.Type(1003, c.amount);
            if (c.date)
                d.Type(1007, c.date);
            d.Click(IDOK);
            if (!d.IsEnded()) {
                EXPECT_EQ(d.Selected(), c.focus) << row;
                d.Click(IDCANCEL);
            }
        });
        HandleATM(1, 0);
        const AHistory* rec = Newest(1, 0);
        if (c.focus) {
            EXPECT_EQ(windows.Messages.size() == 1 ? windows.Messages[0].Title : windows.AllMessages(), c.result);
            EXPECT_EQ(rec, nullptr) << row;
        } else {
            ASSERT_NE(rec, nullptr) << row << windows.AllMessages();
            EXPECT_EQ(std::string(rec->Datime, 8), c.result) << row;
        }
    }
}

// A 50.00 check on Rent holding 30.00 asks for 20.00 from Available.
TEST_F(EntryDialogTest, ACheckLackingMoneyOffersTheAvailableTransfer)
{
    const struct { Script answer; int32_t rent, available; } cases[] = {
        {[](ScriptedDialog& d) { d.Click(IDOK); }, 0, 8000},
        {[](ScriptedDialog& d) { d.Type(1003, "10.00"); d.Click(IDOK); }, -1000, 9000},
        {[](ScriptedDialog& d) { d.Click(1031); }, -2000, 10000},  // Cancel Available Transfer Only
        {[](ScriptedDialog& d) { d.Click(IDCANCEL); }, 3000, 10000},
    };
    for (const auto& c : cases) {
        Restart();
        Accounts[1][0].Balance = 3000;
        Accounts[0][1].Balance = 18000;
        script.Scripts = {Fill({{1002, "Landlord"}, {1003, "50.00"}}), [&](ScriptedDialog& d) {
                              EXPECT_EQ(d.Text(1003), "$20.00");
                              EXPECT_FALSE(d.Visible(1004));
                              c.answer(d);
                          }};
        HandleCheck(1, 0, nullptr);
        const std::string row = std::to_string(c.rent);
        EXPECT_EQ(std::pair(Accounts[1][0].Balance, Accounts[0][0].Balance), std::pair(c.rent, c.available)) << row;
        EXPECT_EQ(Newest(1, 0) != nullptr, c.rent != 3000) << "the check is recorded unless cancelled";
        if (c.available != 10000) {
            EXPECT_STREQ(Newest(0, 0)->For, "Available Transfer") << row;
        }
    }
}

// The record a check or deposit repeats (a reminder's) is the dialog's while it runs; none is left
// behind for what opens next, when the record may be gone, and the dialog context is as it was.
TEST_F(EntryDialogTest, TheRecordADialogRepeatsIsItsOnlyWhileItRuns)
{
    AHistory* const check = RecordCheck(1, 0, CheckEntry{1200, "11/20/26", "Landlord", "", "", 1000});
    AHistory* const deposit = RecordDeposit(2, 1, 2500, "Employer", "11/01/26", "", false);
    const struct { const char* name; void (*open)(int, int, void*); int Mi, Si; AHistory* record; } cases[] = {
        {"check", HandleCheck, 1, 0, check},
        {"deposit", HandleDeposit, 2, 1, deposit},
    };
    for (const auto& c : cases) {
        gMi = 5;
        gSi = 3;
        gDflag1 = 7;
        const AHistory* seen = nullptr;
        script.Scripts.push_back([&](ScriptedDialog& d) { seen = gHPtr; d.Click(IDCANCEL); });
        c.open(c.Mi, c.Si, c.record);
        EXPECT_EQ(seen, c.record) << c.name;
        EXPECT_EQ(gHPtr, nullptr) << c.name;
        EXPECT_EQ(std::tuple(gMi, gSi, gDflag1), std::tuple(5, 3, 7)) << c.name;
    }
}

TEST_F(EntryDialogTest, WriteCheckShowsItsFaceAndRepeatsTheNewestMatchingRecord)
{
    RecordCheck(1, 0, CheckEntry{1200, "11/20/26", "Landlord", "December", "Flat 4", 1000, false, true})->Remind = 1;
    AHistory* const card = RecordCheck(1, 0, CheckEntry{500, "11/21/26", "Card shop", "", "", 0, true});
    RecordATM(1, 0, 2000, "11/22/26");
    RecordTransfer(1, 0, 2, 1, 100, "11/23/26", "Fuel");
    RecordCheck(3, 0, CheckEntry{300, "11/24/26", "Bank", "", "", 0});
    gBudget.HighestIdent = -2;  // shown as the unsigned number it is stored as
    // The number is null where it is hidden.
    const struct {
        bool debit; int Mi; AHistory* repeat; const char *payee, *amount, *number; bool taxAndRemind;
    } cases[] = {
        {false, 1, nullptr, "Landlord", "$12.00", "4294967294", true},
        {true, 1, nullptr, "Card shop", "$5.00", nullptr, false},
        {false, 1, card, "Card shop", "$5.00", "4294967294", false},  // a reminder's record
        {false, 3, nullptr, "Bank", "$3.00", nullptr, false},
        {false, 2, nullptr, "", "$0.00", "4294967294", false},  // Car has no history
    };
    for (const auto& c : cases) {
        gBudget.Debit = c.debit;
        script.Scripts.push_back([&](ScriptedDialog& d) {
            EXPECT_EQ(d.Title(), c.debit ? "Write Debit" : "Write Check");
            EXPECT_EQ(d.Text(1013), c.debit ? "Pay to" : "Pay to the order of:");
            EXPECT_EQ(d.Text(1002) + " " + d.Text(1003) + " " + d.Text(1007),
                      std::string(c.payee) + " " + c.amount + " 12/05/26");
            EXPECT_EQ(d.Visible(1006) ? d.Text(1006) : "hidden", c.number ? c.number : "hidden") << c.payee;
            EXPECT_EQ(d.Visible(1016), c.number != nullptr) << c.payee;
            for (int id : {1009, 1015, 1005})
                EXPECT_EQ(d.Visible(id), !c.debit) << c.payee << " control " << id;
            EXPECT_EQ(d.Checked(1008), c.taxAndRemind) << c.payee;
            EXPECT_EQ(d.Checked(1207), c.taxAndRemind) << c.payee;
            EXPECT_EQ(d.Selected(), 1002) << c.payee;
            d.Click(IDCANCEL);
        });
        HandleCheck(c.Mi, 0, c.repeat);
    }
    EXPECT_EQ(script.Opened.size(), 5u);
    EXPECT_EQ(Newest(1, 0)->TransferFlag, 1) << "Cancel records nothing";
}

// (The words of the refusals: the ledger's and the message tests.)
TEST_F(EntryDialogTest, OkTellsTheFirstFaultAndRecordsOnlyWhenAllIsValid)
{
    script.Scripts.push_back([&](ScriptedDialog& d) {
        d.Type(1003, "abc");
        d.Type(1006, "12x");
        d.Click(IDOK);
        EXPECT_EQ(d.Selected(), 1003) << "the amount is read before the number";
        d.Type(1003, "10");
        d.Click(IDOK);
        EXPECT_EQ(windows.Messages.size(), 2u);  // the empty To field
        d.Type(1002, "Owner");
        for (const char* bad : {"12x", "0"}) {  // not a number, out of range
            d.Type(1006, bad);
            d.Click(IDOK);
            EXPECT_EQ(d.Selected(), 1006) << bad;
        }
        d.Type(1006, "1000");
        gBudget.PrintField[0] = RECT{0, 0, 0, 0};  // no Pay To box: no check can be printed
        d.Click(1009);  // Print: the layout is checked first, so nothing is recorded
        EXPECT_FALSE(d.IsEnded());
        EXPECT_EQ(Newest(1, 0), nullptr);
        d.Click(IDOK);
    });
    HandleCheck(1, 0, nullptr);
    ASSERT_NE(Newest(1, 0), nullptr);
    EXPECT_EQ(windows.Messages.size(), 5u) << windows.AllMessages();
    EXPECT_EQ(gBudget.HighestIdent, 1001);
}

TEST_F(EntryDialogTest, DepositsAndUserTransfersRepeatTheirLastRecords)
{
    RecordDeposit(1, 0, 25000, "Employer", "11/01/26", "Bonus", false)->Remind = 1;
    RecordTransfer(2, 1, 1, 0, 1234, "11/02/26", "Fuel back");
    script.Scripts.push_back([&](ScriptedDialog& d) {
        EXPECT_EQ(d.Text(1001) + " " + d.Text(1003) + " " + d.Text(1004), "Employer $250.00 Bonus");
        EXPECT_TRUE(d.Checked(1207));
        d.Type(1001, "");
        d.Click(IDOK);
        EXPECT_EQ(windows.Messages.size(), 1u);  // the empty From field
        d.Type(1001, "Lottery");
        d.Type(1003, "999100.00");  // the Checkbook would pass 1,000,000.00
        d.Click(IDOK);
    });
    HandleDeposit(1, 0, nullptr);
    EXPECT_EQ(windows.Messages.size(), 2u) << "the engine told the refusal";
    EXPECT_EQ(Newest(1, 0)->TransferFlag, 1) << "no deposit recorded";

    // A user transfer repeats the last transfer of the account money leaves.
    script.Scripts.push_back([](ScriptedDialog& d) {
        EXPECT_EQ(d.Text(1003) + " " + d.Text(1004), "$12.34 Fuel back");
        EXPECT_FALSE(d.Visible(1031));
        d.Click(IDOK);
    });
    EXPECT_EQ(HandleTransfer(2, 1, 1, 0, 0, 0), 1);
    EXPECT_EQ(Accounts[1][0].Balance, 80000 + 25000 + 2 * 1234);
    EXPECT_EQ(HandleTransfer(2, 1, 5, 0, 0, 0), 0) << "no account there";
    EXPECT_EQ(script.Opened, (std::vector<std::string>{"DEPOSIT", "TRANSFER"}));
}

// The same budget file changed once by a dialog and once by the command line reads back the same.
class EntryDialogCliTest : public CliFixture {
protected:
    void SetUp() override
    {
        CliFixture::SetUp();
        AddSampleAccounts();
        SaveAndClose();
    }

    // The engine's offer of a transfer from "Available" opens the transfer dialog, as on the desktop.
    struct : ScriptedHost {
        int RunAvailableTransfer(int Mi, int Si, int32_t amount) override
        {
            return HandleTransfer(0, 0, Mi, Si, 1, amount);
        }
    } dialogs;
};

TEST_F(EntryDialogCliTest, DialogsAndTheCommandLineLeaveTheSameRecords)
{
    const std::string payee(70, 'p');
    const struct { std::vector<std::string> args; std::function<void()> open; std::vector<Script> scripts; } cases[] = {
        {{"check", "Rent", "125.50", "--to", payee, "--for", "Dec", "--memo", "Flat 4", "--tax", "--date", "12/1"},
         [] { HandleCheck(1, 0, nullptr); },
         {Fill({{1002, payee}, {1003, "125.50"}, {1004, "Dec"}, {1005, "Flat 4"}, {1007, "12/1"}}, {1008})}},
        {{"debit", "Car/Gas", "20", "--to", "Station"},
         [] { gBudget.Debit = 1; HandleCheck(2, 1, nullptr); gBudget.Debit = 0; },
         {Fill({{1002, "Station"}, {1003, "20"}})}},
        {{"check", "Savings", "100", "--to", "Bank"}, [] { HandleCheck(3, 0, nullptr); },
         {Fill({{1002, "Bank"}, {1003, "100"}})}},
        {{"check", "Car/Gas", "80", "--to", "S", "--shortfall", "transfer"}, [] { HandleCheck(2, 1, nullptr); },
         {Fill({{1002, "S"}, {1003, "80"}}), Fill({})}},
        {{"atm", "Rent", "40", "--date", "3"}, [] { HandleATM(1, 0); }, {Fill({{1003, "40"}, {1007, "3"}})}},
        {{"deposit", "Rent", "10.25", "--from", "Refund", "--for", "Tax"}, [] { HandleDeposit(1, 0, nullptr); },
         {Fill({{1001, "Refund"}, {1003, "10.25"}, {1004, "Tax"}})}},
        {{"transfer", "Rent", "Car/Gas", "30", "--for", "Fuel"}, [] { HandleTransfer(1, 0, 2, 1, 0, 0); },
         {Fill({{1003, "30"}, {1004, "Fuel"}})}},
    };
    const QJsonObject before = Dump(path);
    for (const auto& c : cases) {
        const CliRun run = RunOn(c.args);
        ASSERT_EQ(run.code, 0) << run.err;
        const QJsonObject byCommand = Dump(path);
        EXPECT_FALSE(byCommand == before) << c.args[0];

        PutBack();
        UnlockAllBudgetFiles();
        SetHost(&dialogs);
        dialogs.Messages.clear();
        ASSERT_EQ(Open(path), 1) << dialogs.AllMessages();
        DialogScripts script;
        script.Scripts.assign(c.scripts.begin(), c.scripts.end());
        c.open();
        EXPECT_TRUE(dialogs.Messages.empty()) << dialogs.AllMessages();
        ASSERT_EQ(BudgetSave(), 1);
        ASSERT_EQ(BudgetClose(), 1);
        EXPECT_EQ(QJsonDocument(Dump(path)).toJson().toStdString(), QJsonDocument(byCommand).toJson().toStdString())
            << c.args[0] << " " << c.args[1];
    }
}

}  // namespace
