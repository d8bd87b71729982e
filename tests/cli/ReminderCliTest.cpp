// budget-cli's reminders, remind, todo and calendar, and "Remind Me" on check and deposit: a refusal
// leaves the file as it was. (What they print and record: the golden script reminders.cli.)
#include "CliFixture.h"

#include "ledger/Recording.h"
#include "model/Globals.h"
#include "reminders/Remind.h"

#include <string>
#include <vector>

namespace {

class ReminderCliTest : public CliFixture {
protected:
    // Rent's history: a check to Power with a reminder due 12/20/26, then a check to the landlord.
    void SetUp() override
    {
        CliFixture::SetUp();
        AddSampleAccounts();
        AHistory* power = RecordCheck(1, 0, {.Amount = 4510, .Datime = "11/20/26", .PayTo = "Power"});
        ASSERT_EQ(SetReminder(power, "12/20/26", "28", kRemindQuarterly), 1) << host.AllMessages();
        ASSERT_TRUE(RecordCheck(1, 0, {.Amount = 50000, .Datime = "11/20/26", .PayTo = "Landlord"}));
        SaveAndClose();
    }
};

// Exit 1 with the program's message, exit 2 for what the command line cannot take; none saves, and
// a check or deposit whose reminder is refused is not recorded (more refusals: reminders.cli).
TEST_F(ReminderCliTest, RefusalsLeaveTheFileAsItWas)
{
    const struct { std::vector<std::string> args; int code; std::string message; } cases[] = {
        {{"remind", "Rent", "0", "--due", "12/06/26"}, 1, "Error: Reminder Date Error.\nThe due date must be"},
        {{"remind", "Rent", "0", "--due", "2/30"}, 1, "Date Conversion Error: The date/time:     2/30     is"},
        {{"remind", "Rent", "0", "--due", "1234567890123456"}, 1, "Date Conversion Error: The date/time:     1234"},
        {{"remind", "Rent", "0"}, 2, "budget-cli: --due D is required"},
        {{"remind", "Rent", "1", "--delete", "--notice", "5"}, 2, "budget-cli: --delete takes no"},
        {{"remind", "Rent", "0", "--due", "12/31/26", "--every", "weekly"}, 2, "budget-cli: --every takes"},
        {{"remind", "Rent", "0", "--due", "12/31/26", "--notice", "ten"}, 2, "budget-cli: --notice takes"},
        {{"remind", "Rent", "2", "--due", "12/31/26"}, 2, "budget-cli: Rent has no record 2"},
        {{"check", "Rent", "10", "--to", "Gas", "--remind"}, 2, "budget-cli: --remind needs --due"},
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
