// The reminder dialog driven by scripts: what it offers for a record with and without a reminder,
// the due dates OK refuses, and the ways it is opened. (The To Do dialogs: ReminderWindowTest.)
#include "cli/CliFixture.h"
#include "support/WindowFixture.h"

#include "dialogs/EntryDialogs.h"
#include "dialogs/ReminderDialogs.h"
#include "history/HistoryWindow.h"
#include "model/Globals.h"

namespace {

// The checked button of the frequency group, 0 for none; -1 when several are checked.
int CheckedFrequency(const ScriptedDialog& d)
{
    int checked = 0;
    for (int id = kRemindMonthly; id <= kRemindYearly; ++id)
        if (d.Checked(id))
            checked = checked ? -1 : id;
    return checked;
}

// The clock stands at 12/05/26; the rent check was written on 11/20/26.
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

// A new reminder is proposed a month after the record's date and has nothing to delete; an
// existing one is shown and can only be deleted (Enter, with OK hidden, does nothing).
TEST_F(ReminderDialogTest, ANewReminderIsProposedAMonthOnAndAnExistingOneCanOnlyBeDeleted)
{
    const struct {
        bool existing; const char *due, *notice; int type; int button, result; char remind;
    } cases[] = {
        {false, "12/20/26", "10", kRemindMonthly, IDCANCEL, 0, 0},
        {true, "03/15/27", "5", kRemindQuarterly, 1002, 1, 0},
        {true, "03/15/27", "5", kRemindQuarterly, IDCANCEL, 0, 1},
    };
    for (const auto& c : cases) {
        rent->Remind = 0;
        if (c.existing)
            SetTestReminder(rent, "03/15/27", 5, kRemindQuarterly);
        dialogs.Scripts.push_back([&](ScriptedDialog& d) {
            EXPECT_EQ(d.Text(1004) + " " + d.Text(1007) + " " + d.Text(1202),
                      std::string("Landlord ") + c.due + " " + c.notice);
            EXPECT_EQ(CheckedFrequency(d), c.type) << c.due;
            EXPECT_EQ(std::pair(d.Visible(1201), d.Visible(1002)), std::pair(!c.existing, c.existing)) << c.due;
            if (c.existing) {
                d.PressEnter();  // OK is hidden
                EXPECT_FALSE(d.IsEnded());
            }
            d.Click(c.button);
        });
        EXPECT_EQ(RemindDialog(rent), c.result) << c.button;
        EXPECT_EQ(rent->Remind, c.remind) << c.button;
    }
}

// OK refuses tomorrow, keeping the dialog open with the due date selected, and stores what was chosen.
TEST_F(ReminderDialogTest, OkRefusesADueDateBeforeTheDayAfterTomorrowAndStoresWhatWasChosen)
{
    dialogs.Scripts.push_back([&](ScriptedDialog& d) {
        d.Type(1007, "12/06/26");
        d.Click(1201);
        EXPECT_FALSE(d.IsEnded());
        EXPECT_EQ(d.Selected(), 1007);
        EXPECT_EQ(std::tuple(windows.Messages.size(), rent->Remind), std::tuple(1u, char{0})) << windows.AllMessages();
        d.Type(1007, "12/07/26");
        d.Type(1202, "45");
        d.Click(1205);
        d.Click(1201);
    });
    EXPECT_EQ(RemindDialog(rent), 1);
    EXPECT_EQ(std::tuple(rent->Remind, std::string(ProposeReminder(rent).DueDate), GetRemTime(rent), GetRemType(rent)),
              std::tuple(char{1}, "12/07/26", 28, kRemindSemiAnnually));
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
        EXPECT_EQ(d.Text(1004) + " " + d.Text(1007), "Plumber 01/05/27");  // the check's date a month on
        d.Click(1201);
    });
    HandleCheck(1, 0, nullptr);
    const AHistory* plumber = MemoryAccounts[1][0].HistoryRec;
    EXPECT_EQ(RecordText(plumber->PayToFm) + " " + std::to_string(plumber->Remind), "Plumber 1");

    DisplayHistory(1, 0);
    auto* history = static_cast<QWidget*>(MemoryAccounts[1][0].HistoryWindow);
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
