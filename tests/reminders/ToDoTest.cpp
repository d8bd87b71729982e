// The To Do chain in date order, added one by one or read from a file; the day's list; deleting.
#include "support/FileFixture.h"

#include "model/Globals.h"
#include "model/Money.h"
#include "model/RecordStore.h"
#include "reminders/Calendar.h"
#include "reminders/ToDo.h"

#include <string>
#include <vector>

namespace {

class ToDoTest : public FileFixture {
protected:
    // The chain in order: each item's date and text.
    static std::vector<std::string> Chain()
    {
        std::vector<std::string> items;
        for (const ToDo* t = gToDoAnchor; t; t = t->ToDoFP)
            items.push_back(std::string(t->Datime) + " " + t->ToDo + (t->OverDue ? " overdue" : ""));
        return items;
    }

    static void Fill(ToDo* rec, const char* date, int k)
    {
        CopyString(date, rec->Datime);
        CopyString(std::to_string(k).c_str(), rec->ToDo);
    }
};

// An item of the first item's day goes in front of it, of other days after those of its day;
// today is 12/05/26, and earlier days move to today and become overdue.
TEST_F(ToDoTest, ReadingAFileOrdersItemsExactlyAsAddingThemOneByOne)
{
    const std::vector<std::vector<const char*>> cases = {
        {"12/10/26", "12/20/26", "12/10/26", "12/15/26", "12/15/26"},
        {"12/10/26", "12/08/26", "12/08/26", "12/20/26", "12/10/26", "12/08/26"},
        {"12/06/26", "12/30/26", "12/15/26", "12/15/26", "12/06/26", "12/15/26", "12/30/26"},
        {"01/01/25", "12/05/26", "12/07/26", "11/30/26", "12/05/26"},
        {"12/24/26", "12/24/26", "12/24/26"},
        {"garbage", "12/09/26", "", "01/02/27", "12/31/26"},
    };
    for (const auto& dates : cases) {
        ReleaseBudgetRecords();
        for (size_t k = 0; k < dates.size(); ++k) {
            ToDo* rec = NewToDoRecord();
            Fill(rec, dates[k], static_cast<int>(k));
            AddToDoRecord(rec);
        }
        const std::vector<std::string> oneByOne = Chain();
        if (&dates == &cases[0]) {
            EXPECT_EQ(oneByOne, (std::vector<std::string>{"12/10/26 2", "12/10/26 0", "12/15/26 3", "12/15/26 4",
                                                          "12/20/26 1"}));
        }

        ReleaseBudgetRecords();  // the same items read from a file
        std::vector<ToDo> block(dates.size());
        for (size_t k = 0; k < dates.size(); ++k)
            Fill(&block[k], dates[k], static_cast<int>(k));
        AddToDoRecords(block.data(), block.size());
        EXPECT_EQ(Chain(), oneByOne) << dates[0];
        EXPECT_EQ(gToDoAnchorLast->ToDoFP, nullptr);
        ReleaseBudgetRecords();
    }
}

// Items go to the day picked in the calendar, or today; an empty text is refused and a long one
// cut to the field's 63 characters. The day's list holds that day's items that are not deleted.
TEST_F(ToDoTest, TheListShowsTheDayPickedInTheCalendar)
{
    const std::string longest(kToDoChars, 'x');
    gCalDay = 5, gCalMonth = 12, gCalYear = 26;
    auto pick9th = [] { return CalendarClick(3 * 24 + 5, 40 + 20 + 5); };  // 12/09/26: Wednesday, second row
    const struct { bool pick; std::string text; int ok; } cases[] = {
        {false, "Call the bank", 1}, {true, "Pay rent", 1}, {true, longest + "yz", 1}, {false, "", 0}};
    for (const auto& c : cases) {
        gCalDaySelected = gCalMonthSelected = gCalYearSelected = 0;
        if (c.pick) {
            ASSERT_EQ(pick9th(), CalendarAction::ShowReminders);
        }
        host.Messages.clear();
        gBudgetFileChanged = 0;
        EXPECT_EQ(RecordToDo(c.text), c.ok) << c.text;
        EXPECT_EQ(gBudgetFileChanged, c.ok);
        EXPECT_EQ(host.OnlyMessage(), c.ok ? "" : "The To Do field must be specified\r\r\r\rPlease try again.");
    }
    EXPECT_EQ(Chain(),
              (std::vector<std::string>{"12/05/26 Call the bank", "12/09/26 Pay rent", "12/09/26 " + longest}));

    auto listed = [] {
        std::vector<std::string> texts;
        for (const ToDo* item : GenerateToDoListData())
            texts.push_back(item->ToDo);
        return texts;
    };
    gCalDaySelected = 0;
    EXPECT_EQ(listed(), std::vector<std::string>{"Call the bank"});
    ASSERT_EQ(pick9th(), CalendarAction::ShowReminders);
    EXPECT_EQ(listed(), (std::vector<std::string>{"Pay rent", longest}));
    EXPECT_EQ(gToDoAnchor->Display, 0);
    DeleteToDo(gToDoAnchor->ToDoFP);
    EXPECT_EQ(listed(), std::vector<std::string>{longest});
}

// A deleted item is not saved; items whose day has passed are read as the day of opening's,
// marked overdue, in the order they were saved.
TEST_F(ToDoTest, DeletedItemsAreNotSavedAndPastItemsMoveToTheDayOfOpening)
{
    for (const char* date : {"12/05/26", "12/07/26", "12/07/26", "12/09/26"}) {
        ToDo* rec = NewToDoRecord();
        Fill(rec, date, 0);
        CopyString(date, rec->ToDo);
        AddToDoRecord(rec);
    }
    DeleteToDo(gToDoAnchor->ToDoFP);
    CopyString("kept", gToDoAnchor->ToDoFP->ToDoFP->ToDo);
    const std::string path = PathOf("todo.bgt");
    ASSERT_EQ(SaveAs(path), 1) << host.AllMessages();
    UnlockAllBudgetFiles();

    host.Clock = {2026, 12, 8, 9, 0, 0};
    ASSERT_EQ(Open(path), 1) << host.AllMessages();
    EXPECT_EQ(Chain(), (std::vector<std::string>{"12/08/26 12/05/26 overdue", "12/08/26 kept overdue",
                                                 "12/09/26 12/09/26"}));
    EXPECT_EQ(gBudget.NumberOfToDoRecords, 3);
}

// The list stops at the count a budget file can hold; deleted items do not count.
TEST_F(ToDoTest, AFullListRefusesAnotherItemUntilOneIsDeleted)
{
    for (int k = 1; k < kMostToDoRecords; ++k) {
        ToDo* rec = NewToDoRecord();
        Fill(rec, "12/05/26", k);
        AddToDoRecord(rec);
    }
    ASSERT_EQ(RecordToDo("last one"), 1) << host.AllMessages();
    host.Messages.clear();
    gBudgetFileChanged = 0;
    EXPECT_EQ(RecordToDo("one more"), 0);
    EXPECT_NE(host.AllMessages().find("The To Do list is full."), std::string::npos) << host.AllMessages();
    EXPECT_EQ(gBudgetFileChanged, 0);
    DeleteToDo(gToDoAnchor);
    EXPECT_EQ(RecordToDo("one more"), 1) << host.AllMessages();
}

}  // namespace
