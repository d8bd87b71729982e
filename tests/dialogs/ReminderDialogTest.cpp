// The reminder dialog and the To Do dialogs driven by scripts: what the reminder dialog proposes
// for a record with and without a reminder, the due dates OK refuses, Delete and Cancel, adding
// and deleting To Do items, and the ways the reminder dialog is opened.
#include "cli/CliFixture.h"
#include "support/WindowFixture.h"

#include "dialogs/EntryDialogs.h"
#include "dialogs/ReminderDialogs.h"
#include "history/HistoryWindow.h"
#include "model/Dates.h"
#include "model/Globals.h"
#include "reminders/Remind.h"
#include "reminders/ToDo.h"

namespace {

// A reminder on the record as the dialog would store it.
void SetTestReminder(AHistory* h, const char* due, int notice, int type)
{
    char julian[6];
    C2J(due, julian);
    SetJDate(h, julian);
    SetRemTime(h, notice);
    SetRemType(h, type);
    h->Remind = 1;
}

std::string DueDate(const AHistory* h)
{
    return ProposeReminder(h).DueDate;
}

// The checked button of the frequency group, 0 for none; -1 when several are checked.
int CheckedFrequency(const ScriptedDialog& d)
{
    int checked = 0;
    for (int id = kRemindMonthly; id <= kRemindYearly; ++id)
        if (d.Checked(id))
            checked = checked ? -1 : id;
    return checked;
}

ToDo* FindToDo(const std::string& text)
{
    for (ToDo* t = gToDoAnchor; t; t = t->ToDoFP)
        if (RecordText(t->ToDo) == text)
            return t;
    return nullptr;
}

// The clock stands at 12/05/26.
class ReminderDialogTest : public ProgramFixture {
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        AddSampleAccounts();
        rent = RecordCheck(1, 0, CheckEntry{1200, "11/20/26", "Landlord", "", "", 1000});
        ASSERT_NE(rent, nullptr);
        windows.Messages.clear();
    }

    AHistory* rent = nullptr;
    DialogScripts dialogs;
};

TEST_F(ReminderDialogTest, ANewReminderIsProposedAMonthOnAndAnExistingOneOffersOnlyDelete)
{
    const struct {
        bool existing; const char *due, *notice; int type; bool ok, remove;
    } cases[] = {
        {false, "12/20/26", "10", kRemindMonthly, true, false},
        {true, "03/15/27", "5", kRemindQuarterly, false, true},
    };
    for (const auto& c : cases) {
        rent->Remind = 0;
        if (c.existing)
            SetTestReminder(rent, "03/15/27", 5, kRemindQuarterly);
        dialogs.Scripts.push_back([&](ScriptedDialog& d) {
            EXPECT_EQ(d.Title(), "Reminder");
            EXPECT_EQ(d.Text(1004), "Landlord");
            EXPECT_EQ(d.Text(1007) + " " + d.Text(1202), std::string(c.due) + " " + c.notice);
            EXPECT_EQ(CheckedFrequency(d), c.type) << c.due;
            EXPECT_EQ(d.Visible(1201), c.ok) << c.due;
            EXPECT_EQ(d.Visible(1002), c.remove) << c.due;
            EXPECT_EQ(d.Selected(), 1007) << c.due;
            d.Click(IDCANCEL);
        });
        EXPECT_EQ(RemindDialog(rent), 0);
        EXPECT_EQ(rent->Remind, c.existing ? 1 : 0) << "Cancel leaves the record as it was";
    }
    EXPECT_EQ(dialogs.Opened.size(), 2u);
}

TEST_F(ReminderDialogTest, OkRefusesADueDateBeforeTheDayAfterTomorrowAndStoresWhatWasChosen)
{
    dialogs.Scripts.push_back([&](ScriptedDialog& d) {
        // Today, tomorrow and no date at all keep the dialog open with the due date selected.
        for (const char* refused : {"12/05/26", "12/06/26", "13/45/26"}) {
            d.Type(1007, refused);
            d.Click(1201);
            EXPECT_FALSE(d.IsEnded()) << refused;
            EXPECT_EQ(d.Selected(), 1007) << refused;
            EXPECT_EQ(rent->Remind, 0) << refused;
        }
        EXPECT_EQ(windows.Messages.size(), 3u) << windows.AllMessages();
        d.Type(1007, "12/07/26");
        d.Type(1202, "45");
        d.Click(1205);
        EXPECT_EQ(CheckedFrequency(d), kRemindSemiAnnually);
        d.Click(1201);
    });
    EXPECT_EQ(RemindDialog(rent), 1);
    EXPECT_EQ(rent->Remind, 1);
    EXPECT_EQ(DueDate(rent), "12/07/26");
    EXPECT_EQ(GetRemTime(rent), 28);
    EXPECT_EQ(GetRemType(rent), kRemindSemiAnnually);
    EXPECT_NE(windows.Messages.front().Text.find("The due date must be in the future."), std::string::npos);
}

TEST_F(ReminderDialogTest, DeleteClearsAnExistingReminderAndCancelKeepsIt)
{
    const struct { int button, result; char remind; } cases[] = {{IDCANCEL, 0, 1}, {1002, 1, 0}};
    for (const auto& c : cases) {
        SetTestReminder(rent, "01/10/27", 10, kRemindYearly);
        gBudgetFileChanged = 0;
        dialogs.Scripts.push_back([&](ScriptedDialog& d) {
            d.PressEnter();  // OK is hidden: Enter does nothing
            EXPECT_FALSE(d.IsEnded());
            d.Click(c.button);
        });
        EXPECT_EQ(RemindDialog(rent), c.result) << c.button;
        EXPECT_EQ(rent->Remind, c.remind) << c.button;
        EXPECT_EQ(gBudgetFileChanged, c.result) << c.button;
    }
}

TEST_F(ReminderDialogTest, AToDoItemIsAddedForTheChosenDayAndAnEmptyOneIsRefused)
{
    // The calendar's selected day (0: none, today is taken), what is typed, and the item's date.
    const struct { int day; const char *text, *prompt, *date; } cases[] = {
        {0, "Buy stamps", "Enter To Do item for 12/05/26", "12/05/26"},
        {24, "Wrap presents", "Enter To Do item for 12/24/26", "12/24/26"},
    };
    for (const auto& c : cases) {
        gCalDaySelected = c.day;
        gCalMonthSelected = c.day ? 12 : 0;
        gCalYearSelected = c.day ? 26 : 0;
        windows.Messages.clear();
        dialogs.Scripts.push_back([&](ScriptedDialog& d) {
            EXPECT_EQ(d.Text(1250), c.prompt);
            d.Click(IDOK);
            EXPECT_FALSE(d.IsEnded()) << "an empty item";
            EXPECT_EQ(windows.OnlyMessage().rfind("The To Do field must be specified", 0), 0u);
            d.Type(1251, c.text);
            d.Click(IDOK);
        });
        EXPECT_EQ(HandleToDo(), 1) << c.text;
        const ToDo* item = FindToDo(c.text);
        ASSERT_NE(item, nullptr) << c.text;
        EXPECT_EQ(std::string(item->Datime, 8), c.date);
    }

    // Deleting: the item's text is shown; Cancel keeps it, OK deletes it.
    ToDo* const item = FindToDo("Buy stamps");
    for (const int button : {IDCANCEL, IDOK}) {
        dialogs.Scripts.push_back([&](ScriptedDialog& d) {
            EXPECT_EQ(d.Title(), "Delete To Do");
            EXPECT_EQ(d.Text(1252), "Buy stamps");
            d.Click(button);
        });
        EXPECT_EQ(HandleDeleteToDo(item), button == IDOK ? 1 : 0);
        EXPECT_EQ(item->Deleted, button == IDOK ? 1 : 0);
    }
}

// The dialog opens on a check just written with "Remind Me" and no reminder to take over, and on
// the record selected in a history window; the history window's button without one does nothing.
TEST_F(ReminderDialogTest, TheDialogOpensForANewCheckWithRemindMeAndForTheSelectedRecord)
{
    dialogs.Scripts.push_back([](ScriptedDialog& d) {
        d.Type(1002, "Plumber");
        d.Type(1003, "80.00");
        d.Click(1207);
        d.Click(IDOK);
    });
    dialogs.Scripts.push_back([](ScriptedDialog& d) {
        EXPECT_EQ(d.Text(1004), "Plumber");
        EXPECT_EQ(d.Text(1007), "01/05/27");  // the check's date a month on
        d.Click(1201);
    });
    HandleCheck(1, 0, nullptr);
    AHistory* const plumber = MemoryAccounts[1][0].HistoryRec;
    ASSERT_EQ(RecordText(plumber->PayToFm), "Plumber");
    EXPECT_EQ(plumber->Remind, 1);

    DisplayHistory(1, 0);
    auto* history = static_cast<QWidget*>(MemoryAccounts[1][0].HistoryWindow);
    ASSERT_NE(history, nullptr);
    const QPoint remindButton(kHistoryButtons[3].X + 16, kHistoryButtons[3].Y + 12);
    gSelectedItem = nullptr;
    Press(history, remindButton);
    gSelectedItem = rent;
    dialogs.Scripts.push_back([](ScriptedDialog& d) {
        EXPECT_EQ(d.Text(1004), "Landlord");
        d.Click(IDCANCEL);
    });
    Press(history, remindButton);
    EXPECT_EQ(dialogs.Opened, (std::vector<std::string>{"CHECK", "REMIND", "REMIND"}));
    history->hide();
}

}  // namespace
