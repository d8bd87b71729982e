// The To Do chain stays in date order, whether items are added one by one or read from a file.
#include "support/BudgetFixture.h"

#include "model/Globals.h"
#include "model/Money.h"
#include "model/RecordStore.h"
#include "reminders/ToDo.h"

#include <string>
#include <vector>

namespace {

class ToDoTest : public BudgetFixture {
protected:
    // Texts of the chain in order, each with its date.
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

        ReleaseBudgetRecords();
        std::vector<ToDo> block(dates.size());
        for (size_t k = 0; k < dates.size(); ++k)
            Fill(&block[k], dates[k], static_cast<int>(k));
        AddToDoRecords(block.data(), block.size());
        EXPECT_EQ(Chain(), oneByOne) << dates[0];
        EXPECT_EQ(gToDoAnchorLast->ToDoFP, nullptr);
        ReleaseBudgetRecords();
    }
}

}  // namespace
