// Reminders: when one is due, moving it on to the next check or deposit to the same payee, what
// the reminder dialog proposes and stores, and the due list of 50 read with a budget.
#include "support/FileFixture.h"
#include "support/SampleBudget.h"

#include "model/Globals.h"
#include "model/Money.h"
#include "reminders/Remind.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

// The test host, also counting the reminder dialogs asked for and the due list's changes.
class RemindHost : public ScriptedHost {
public:
    void RunReminderDialog(AHistory* theHPtr) override { Dialogs.push_back(theHPtr); }
    void RemindersChanged() override { ++Changes; }
    std::vector<AHistory*> Dialogs;
    int Changes = 0;
};

class RemindTest : public FileFixture {
protected:
    void SetUp() override
    {
        FileFixture::SetUp();
        SetHost(&remindHost);
        Fresh();
    }

    // A new budget with the account Utilities.
    void Fresh()
    {
        ReleaseBudgetRecords();
        NewBudget();
        AddTestAccount(1, 0, "Utilities");
        gBudgetFileChanged = 0;
    }
    // A record of `payee` carrying a reminder due on `due` (stored date), `notice` days before.
    static AHistory* Reminder(int Mi, const char* payee, const char* due, int notice = 10, int type = kRemindMonthly)
    {
        AHistory* h = AddTestHistory(Mi, 0, 4510, true, payee);
        SetTestReminder(h, due, notice, type);
        return h;
    }
    static std::string Due(const AHistory* h)
    {
        char date[kDatimeSize];
        ReminderDueText(h, date);
        return date;
    }
    void Today(const char* date) { remindHost.Clock = {2000 + GetYear(date), GetMonth(date), GetDay(date), 9, 0, 0}; }
    static std::vector<AHistory*> Listed() { return {Reminders, Reminders + gRemindListCount}; }

    RemindHost remindHost;
};

// Due from the notice day (the due date less the notice) on, also after the due date; counted
// back across the ends of months and years, February 29 included. The list draws a reminder in
// red once its due date has passed.
TEST_F(RemindTest, DueFromTheNoticeDayOnAcrossMonthAndYearEnds)
{
    const struct { const char* due; int notice; const char* today; bool isDue, passed; } cases[] = {
        {"03/10/05", 10, "02/27/05", false, false}, {"03/10/05", 10, "02/28/05", true, false},
        {"03/10/05", 10, "03/10/05", true, false},  {"03/10/05", 10, "03/11/05", true, true},
        {"03/01/04", 1, "02/28/04", false, false},  {"03/01/04", 1, "02/29/04", true, false},
        {"03/01/05", 1, "02/28/05", true, false},   {"01/03/05", 5, "12/28/04", false, false},
        {"01/03/05", 5, "12/29/04", true, false},   {"01/03/06", 5, "12/28/05", false, false},
        {"01/03/06", 5, "12/29/05", true, false},   {"01/01/27", 28, "12/03/26", false, false},
        {"01/01/27", 28, "12/04/26", true, false},  {"12/06/26", 0, "12/05/26", false, false},
        {"12/05/26", 0, "12/05/26", true, false},   {"11/30/26", 0, "12/01/26", true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.due) + " on " + c.today);
        Fresh();
        AHistory* h = Reminder(1, "Power", c.due, c.notice);
        Today(c.today);
        CheckReminder(h);
        EXPECT_EQ(Listed(), c.isDue ? std::vector<AHistory*>{h} : std::vector<AHistory*>{});
        EXPECT_EQ(ReminderPassed(h, c.today), c.passed);
        h->Remind = 0;  // a record without a reminder is never listed
        EXPECT_FALSE(ReminderDue(h, c.today));
    }
}

// A reminder moves on by its period from its own due date; a day the target month lacks becomes
// that month's last day, February 29 only in leap years, and December carries into the next
// year. The dialog's proposal for a record without a reminder moves its date on a month alike.
TEST_F(RemindTest, MovingOnKeepsTheDayOrTheTargetMonthsLastDay)
{
    const struct { const char* due; int type; const char* next; } cases[] = {
        {"01/31/05", kRemindMonthly, "02/28/05"},     {"01/31/04", kRemindMonthly, "02/29/04"},
        {"01/29/05", kRemindMonthly, "02/28/05"},     {"01/28/05", kRemindMonthly, "02/28/05"},
        {"03/31/05", kRemindMonthly, "04/30/05"},     {"12/31/05", kRemindMonthly, "01/31/06"},
        {"12/15/99", kRemindMonthly, "01/15/00"},     {"11/20/05", kRemindQuarterly, "02/20/06"},
        {"11/30/05", kRemindQuarterly, "02/28/06"},   {"11/30/07", kRemindQuarterly, "02/29/08"},
        {"05/31/05", kRemindQuarterly, "08/31/05"},   {"08/31/05", kRemindSemiAnnually, "02/28/06"},
        {"12/31/05", kRemindSemiAnnually, "06/30/06"}, {"02/29/04", kRemindYearly, "02/28/05"},
        {"10/31/05", 1207, "11/30/05"},  // an unknown type moves monthly
    };
    for (const auto& c : cases) {
        Fresh();
        AHistory* last = Reminder(1, "Power", c.due, 7, c.type);
        AHistory* next = AddTestHistory(1, 0, 4510, true, "Power");
        UpdateReminder(last, next);
        EXPECT_EQ(Due(next), c.next) << c.due;
        EXPECT_EQ(std::tuple(next->Remind, GetRemTime(next), GetRemType(next), last->Remind),
                  std::tuple(char{1}, 7, c.type, char{0}))
            << c.due;

        // The dialog on a record dated the old due date proposes the day a monthly one moves to.
        if (c.type == kRemindMonthly) {
            AHistory* dated = AddTestHistory(1, 0, 100, true, "Dated");
            std::memcpy(dated->Datime, c.due, 8);
            const ReminderProposal p = ProposeReminder(dated);
            EXPECT_EQ(std::tuple(p.Existing, std::string(p.DueDate), p.Notice, p.Type),
                      std::tuple(false, std::string(c.next), 10, kRemindMonthly)) << c.due;
        }
    }

    // A reminder that is set is shown as it is, in the display order of the budget.
    gIntRec.Flag1 |= kIntDayMonthYear;
    gIntRec.DateSeperator = '.';
    AHistory* set = Reminder(2, "Gas", "01/31/05", 12, kRemindYearly);
    const ReminderProposal p = ProposeReminder(set);
    EXPECT_EQ(std::tuple(p.Existing, std::string(p.DueDate), p.Notice, p.Type),
              std::tuple(true, std::string("31.01.05"), 12, kRemindYearly));
}

// "Remind Me" moves a reminder on only from the newest older record of the same payee (exactly)
// that carries one, which then leaves the due list; an older record without one (the box pre-filled
// from another payee's record) is not read, the dialog opens for the new record instead. A clear
// box clears the older reminder, whose entry stays listed.
TEST_F(RemindTest, HandleReminderMovesOnlyAReminderThatIsSet)
{
    enum Older { None, Plain, WithReminder, OtherPayee };
    enum Result { Nothing, Dialog, Moved, Cleared };
    const struct { Older older; bool box; Result result; } cases[] = {
        {None, true, Dialog},         {None, false, Nothing},         {Plain, true, Dialog},
        {Plain, false, Nothing},      {WithReminder, false, Cleared}, {WithReminder, true, Moved},
        {OtherPayee, true, Dialog},   {OtherPayee, false, Nothing},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "older " << c.older << ", box " << c.box);
        Fresh();
        remindHost.Dialogs.clear();
        remindHost.Changes = 0;
        AHistory* first = Reminder(1, "Water", "12/01/26");
        AHistory* older = c.older == None ? nullptr : Reminder(1, c.older == OtherPayee ? "power" : "Power", "12/20/26");
        if (c.older == Plain) {
            older->Remind = 0;
            CopyString("11/20/26 09:30a", older->Datime);  // the time where a reminder keeps its fields
        }
        AHistory* third = Reminder(1, "Phone", "12/03/26");
        std::vector<AHistory*> listed = {first, third};
        if (older && older->Remind)
            listed.insert(listed.begin() + 1, older);
        std::copy(listed.begin(), listed.end(), Reminders);
        gRemindListCount = static_cast<int>(listed.size());
        const std::string olderDatime = older ? std::string(older->Datime, 16) : "";

        AHistory* rec = AddTestHistory(1, 0, 4510, true, "Power");
        HandleReminder(rec, c.box ? 1 : 0);

        EXPECT_EQ(remindHost.Dialogs, c.result == Dialog ? std::vector<AHistory*>{rec} : std::vector<AHistory*>{});
        EXPECT_EQ(rec->Remind ? Due(rec) : "none", c.result == Moved ? "01/20/27" : "none");
        if (older) {
            EXPECT_EQ(older->Remind, c.older == OtherPayee ? 1 : 0);
            EXPECT_EQ(std::string(older->Datime, 16), olderDatime);  // its date and due date stay
        }
        if (c.result == Moved)
            listed = {first, third};
        EXPECT_EQ(Listed(), listed);
        EXPECT_EQ(Reminders[gRemindListCount], nullptr);
        EXPECT_EQ(remindHost.Changes, c.result == Moved ? 1 : 0);
        EXPECT_EQ(gBudgetFileChanged, c.result == Moved || c.result == Cleared ? 1 : 0);
    }
    HandleReminder(nullptr, 1);
    EXPECT_TRUE(remindHost.Dialogs.empty());
}

// The dialog's OK: a due date at least two days after today, read as the date fields read dates;
// the notice is a number up to 28 (anything else 0). A refusal stores nothing.
TEST_F(RemindTest, SetReminderTakesADueDateTwoDaysAheadAndANoticeUpTo28)
{
    const struct { const char* today; const char* due; const char* notice; const char* stored; int days;
                   const char* message; } cases[] = {
        {"12/05/26", "12/07/26", "10", "12/07/26", 10, ""},
        {"12/05/26", "12/06/26", "10", "", 0, "Reminder Date Error.\rThe due date must be in the future.\r\rPlease try again."},
        {"12/31/26", "01/01/27", "3", "", 0, "The due date must be in the future."},
        {"12/31/26", "1/2/27", "3", "01/02/27", 3, ""},
        {"12/05/26", "9", "45", "12/09/26", 28, ""},
        {"12/05/26", "12/31", "28", "12/31/26", 28, ""},
        {"12/05/26", "12/31/26", "abc", "12/31/26", 0, ""},
        {"12/05/26", "12/31/26", "", "12/31/26", 0, ""},
        {"12/05/26", "12/31/26", "99999999999", "12/31/26", 28, ""},
        {"12/05/26", "13/01/26", "10", "", 0, "The date/time:     13/01/26     is invalid."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.due) + " on " + c.today);
        AHistory* h = AddTestHistory(1, 0, 100, true, "Power");
        CopyString("12/01/26 09:30a", h->Datime);
        Today(c.today);
        remindHost.Messages.clear();
        gBudgetFileChanged = 0;
        const int ok = SetReminder(h, c.due, c.notice, kRemindQuarterly);
        EXPECT_EQ(ok, c.stored[0] ? 1 : 0);
        if (c.message[0])
            EXPECT_NE(remindHost.OnlyMessage().find(c.message), std::string::npos) << remindHost.AllMessages();
        else
            EXPECT_TRUE(remindHost.Messages.empty()) << remindHost.AllMessages();
        if (ok) {
            EXPECT_EQ(std::tuple(Due(h), GetRemTime(h), GetRemType(h), h->Remind, gBudgetFileChanged),
                      std::tuple(std::string(c.stored), c.days, kRemindQuarterly, char{1}, 1));
        } else {
            EXPECT_EQ(std::string(h->Datime), "12/01/26 09:30a");
            EXPECT_EQ(std::tuple(h->Remind, gBudgetFileChanged), std::tuple(char{0}, 0));
        }
    }

    AHistory* h = Reminder(1, "Power", "12/20/26");
    DeleteReminder(h);
    EXPECT_EQ(std::tuple(h->Remind, gBudgetFileChanged), std::tuple(char{0}, 1));
}

// Reading a budget lists up to 50 due reminders; the rest are counted, and told once after
// opening. Opening again counts afresh.
TEST_F(RemindTest, MoreThanFiftyDueRemindersAreCountedAndToldOnce)
{
    const struct { int due; int listed; std::string message; } cases[] = {
        {50, 50, ""},
        {51, 50, "More reminders are due than the list shows.\r\r50 of 51 are listed.\r"},
        {120, 50, "More reminders are due than the list shows.\r\r50 of 120 are listed.\r"},
    };
    for (const auto& c : cases) {
        Fresh();
        for (int Mi = 2; Mi <= 8; ++Mi)
            AddTestAccount(Mi, 0, ("Account " + std::to_string(Mi)).c_str());
        for (int k = 0; k < c.due + 3; ++k)  // three are not due yet
            Reminder(1 + k % 8, "Payee", k < c.due ? "12/10/26" : "12/20/26", 5);
        const std::string path = PathOf(("due" + std::to_string(c.due) + ".bgt").c_str());
        remindHost.SavePaths.push_back(path);
        ASSERT_EQ(BudgetSaveAs(), 1) << remindHost.AllMessages();
        for (int open = 0; open < 2; ++open) {
            ASSERT_EQ(Open(path), 1) << remindHost.AllMessages();
            remindHost.Messages.clear();
            EXPECT_EQ(gRemindListCount, c.listed);
            EXPECT_EQ(gRemindSurplus, c.due - c.listed);
            TellRemindersBeyondList();
            EXPECT_EQ(remindHost.OnlyMessage(), c.message);
            UnlockAllBudgetFiles();
        }
    }
}

}  // namespace
