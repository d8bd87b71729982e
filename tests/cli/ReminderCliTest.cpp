// budget-cli's reminders, remind, todo and calendar, and "Remind Me" on check and deposit: what
// they print and leave in the file, and that a refusal leaves the file as it was.
#include "CliFixture.h"

#include "ledger/Recording.h"
#include "model/Globals.h"
#include "reminders/Remind.h"

#include <string>
#include <vector>

namespace {

class ReminderCliTest : public CliFixture {
protected:
    // Rent's history: a check to Power on 11/20/26 with a quarterly reminder due 12/20/26 made due
    // 28 days before (so due since 11/22), then a check to the landlord, the newest.
    void SetUp() override
    {
        CliFixture::SetUp();
        AddSampleAccounts();
        CheckEntry entry;
        entry.Amount = 4510;
        entry.Datime = "11/20/26";
        entry.PayTo = "Power";
        AHistory* power = RecordCheck(1, 0, entry);
        ASSERT_EQ(SetReminder(power, "12/20/26", "28", kRemindQuarterly), 1) << host.AllMessages();
        entry.PayTo = "Landlord";
        entry.Amount = 50000;
        ASSERT_TRUE(RecordCheck(1, 0, entry));
        SaveAndClose();
    }

    CliRun On(std::vector<std::string> args)
    {
        args.insert(args.begin() + 1, path);
        return Run(args);
    }

    // Rent's records as read back, newest first: payee and its reminder's due date, notice and type.
    std::vector<std::string> RentReminders()
    {
        Reopen();
        std::vector<std::string> shown;
        for (const AHistory* h = MemoryAccounts[1][0].HistoryRec; h; h = h->HistoryFP) {
            std::string line = h->PayToFm;
            if (h->Remind) {
                char julian[6], date[kDatimeSize];
                GetJDate(h, julian);
                julian[5] = 0;
                J2C(julian, date);
                line += std::string(" ") + date + " " + std::to_string(GetRemTime(h)) + " " +
                        ReminderLetter(GetRemType(h));
            }
            shown.push_back(line);
        }
        UnlockAllBudgetFiles();
        ReleaseBudgetRecords();
        return shown;
    }
};

TEST_F(ReminderCliTest, RemindersMoveOnAndTheDayListsFollow)
{
    EXPECT_EQ(On({"reminders"}).out, "12/20/26  Q  Power  $45.10\n");
    EXPECT_EQ(On({"reminders", "--today", "11/21/26"}).out, "No reminders are due.\n");
    EXPECT_EQ(On({"reminders", "--today", "11/22"}).out, "12/20/26  Q  Power  $45.10\n");

    // Remind Me moves the reminder on a quarter from its due date.
    CliRun run = On({"check", "Rent", "45.10", "--to", "Power", "--remind"});
    EXPECT_EQ(run.code, kExitOk) << run.err;
    EXPECT_EQ(run.err, "Reminder: due 03/20/27, 28 days before, quarterly.\n");
    EXPECT_EQ(RentReminders(), (std::vector<std::string>{"Power 03/20/27 28 Q", "Landlord", "Power"}));
    EXPECT_EQ(On({"reminders"}).out, "No reminders are due.\n");
    EXPECT_EQ(On({"reminders", "--today", "2/20/27"}).out, "03/20/27  Q  Power  $45.10\n");

    // A new reminder for a payee without one; a check without --remind clears the one it follows.
    run = On({"deposit", "Rent", "20", "--from", "Mom", "--remind", "--due", "12/31", "--every", "yearly"});
    EXPECT_EQ(run.code, kExitOk) << run.err;
    EXPECT_EQ(run.err, "Reminder: due 12/31/26, 10 days before, yearly.\n");
    run = On({"check", "Rent", "45.10", "--to", "Power"});
    EXPECT_EQ(run.err, "Reminder: the reminder due 03/20/27 is cleared (--remind moves it on).\n");
    EXPECT_EQ(On({"remind", "Rent", "1", "--delete"}).code, kExitOk);
    EXPECT_EQ(On({"remind", "Rent", "0", "--due", "1/15/27", "--notice", "45", "--every", "semi-annually"}).code,
              kExitOk);
    EXPECT_EQ(RentReminders(),
              (std::vector<std::string>{"Power 01/15/27 28 S", "Mom", "Power", "Landlord", "Power"}));

    // The calendar marks the notice and due days, To Do items, and today in brackets.
    ASSERT_EQ(On({"todo", "add", "Call the bank"}).code, kExitOk);
    ASSERT_EQ(On({"todo", "add", "Pay rent", "--day", "12/18/26"}).code, kExitOk);
    ASSERT_EQ(On({"todo", "add", "Renew the lease", "--day", "12/18/26"}).code, kExitOk);
    EXPECT_EQ(On({"calendar"}).out,
              "             Dec 2026\n"
              "  S    M    T    W    T    F    S\n"
              "            1    2    3    4  [ 5*]\n"
              "  6    7    8    9   10   11   12\n"
              " 13   14   15   16   17   18n  19\n"
              " 20   21   22   23   24   25   26\n"
              " 27   28   29   30   31\n"
              "* To Do   ! overdue To Do   n notice   R due   [ ] today\n");
    for (const char* month : {"1/2027", "01/27"}) {
        const std::string january = On({"calendar", "--month", month}).out;
        EXPECT_EQ(january.substr(0, 22), "             Jan 2027\n") << month;
        EXPECT_NE(january.find("\n  3    4    5    6    7    8    9\n"), std::string::npos) << january;
        EXPECT_NE(january.find("\n 10   11   12   13   14   15R  16\n"), std::string::npos) << january;
    }

    EXPECT_EQ(On({"todo", "--day", "12/18"}).out, "To Do items for 12/18/26\n0  Pay rent\n1  Renew the lease\n");
    run = On({"todo", "delete", "0", "--day", "12/18/26"});
    EXPECT_EQ(run.code, kExitOk) << run.err;
    EXPECT_EQ(On({"todo", "--day", "12/18/26"}).out, "To Do items for 12/18/26\n0  Renew the lease\n");
    EXPECT_EQ(On({"todo"}).out, "To Do items for 12/05/26\n0  Call the bank\n");
    Reopen();
    EXPECT_EQ(gBudget.NumberOfToDoRecords, 2);
}

// Exit 1 with the program's message, exit 2 for what the command line cannot take; none saves, and
// a check or deposit whose reminder is refused is not recorded.
TEST_F(ReminderCliTest, RefusalsLeaveTheFileAsItWas)
{
    const struct { std::vector<std::string> args; int code; std::string message; } cases[] = {
        {{"remind", "Rent", "0", "--due", "12/06/26"}, 1, "Error: Reminder Date Error.\nThe due date must be"},
        {{"remind", "Rent", "0", "--due", "2/30"}, 1, "Date Conversion Error: The date/time:     2/30     is"},
        {{"remind", "Rent", "0", "--due", "1234567890123456"}, 1, "Date Conversion Error: The date/time:     1234"},
        {{"remind", "Rent", "0", "--delete"}, 1, "Selection Error: Record 0 of Rent has no reminder."},
        {{"remind", "Rent", "1", "--due", "12/31/26"}, 1, "Selection Error: Record 1 of Rent has a reminder, due 12/20/26."},
        {{"remind", "Rent", "0"}, 2, "budget-cli: --due D is required"},
        {{"remind", "Rent", "1", "--delete", "--notice", "5"}, 2, "budget-cli: --delete takes no"},
        {{"remind", "Rent", "0", "--due", "12/31/26", "--every", "weekly"}, 2, "budget-cli: --every takes"},
        {{"remind", "Rent", "0", "--due", "12/31/26", "--notice", "ten"}, 2, "budget-cli: --notice takes"},
        {{"remind", "Rent", "2", "--due", "12/31/26"}, 2, "budget-cli: Rent has no record 2"},
        {{"check", "Rent", "10", "--to", "Gas", "--remind"}, 2, "budget-cli: --remind needs --due"},
        {{"check", "Rent", "10", "--to", "Gas", "--remind", "--due", "12/6"}, 1, "Error: Reminder Date Error."},
        {{"check", "Rent", "10", "--to", "Gas", "--due", "12/31/26"}, 2, "budget-cli: --due, --notice and --every go"},
        {{"check", "Rent", "10", "--to", "Power", "--remind", "--due", "12/31"}, 2,
         "budget-cli: the reminder of an earlier record to this payee moves on (due 12/20/26)"},
        {{"debit", "Rent", "10", "--to", "Gas", "--remind"}, 2, "budget-cli: --remind needs --due"},
        {{"deposit", "Rent", "10", "--from", "Mom", "--remind", "--due", "12/31", "--every", "daily"}, 2,
         "budget-cli: --every takes"},
        {{"reminders", "--today", "13/45/26"}, 1, "Date Conversion Error"},
        {{"todo", "add", ""}, 1, "Input Error: The To Do field must be specified"},
        {{"todo", "add", "X", "--day", "12/32"}, 1, "Date Conversion Error"},
        {{"todo", "add"}, 2, "budget-cli: todo FILE add TEXT"},
        {{"todo", "delete", "x"}, 2, "budget-cli: todo FILE delete K"},
        {{"todo", "delete", "0"}, 2, "budget-cli: there is no To Do item 0 for 12/05/26"},
        {{"todo", "tidy"}, 2, "budget-cli: todo takes add TEXT or delete K"},
        {{"calendar", "--month", "13/26"}, 2, "budget-cli: --month takes"},
        {{"calendar", "--month", "12/2100"}, 2, "budget-cli: --month takes"},
        {{"calendar", "--month", "1/1999"}, 2, "budget-cli: --month takes"},
        {{"calendar", "--month", "1/7"}, 2, "budget-cli: --month takes"},
    };
    for (const auto& c : cases) {
        const std::string what = c.args[0] + " ... " + c.args.back();
        const CliRun run = RunOn(c.args);
        EXPECT_EQ(run.code, c.code) << what << ": " << run.err;
        EXPECT_EQ(run.err.substr(0, c.message.size()), c.message) << what;
        ExpectUnsaved(what);
    }
}

}  // namespace
