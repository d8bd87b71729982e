// A new budget and its log entries.
#include "support/BudgetFixture.h"

#include "model/Globals.h"
#include "model/Initialize.h"
#include "model/Money.h"

#include <cstring>
#include <string>
#include <tuple>

namespace {

class ModelTest : public BudgetFixture {};

TEST_F(ModelTest, NewBudgetHasOnlyAvailableAndTheCheckbook)
{
    int valid = 0;
    for (const auto& row : Accounts)
        for (const auto& slot : row)
            valid += slot.Valid ? 1 : 0;
    EXPECT_TRUE(valid == 1 && Accounts[0][0].Valid && Accounts[0][0].Balance == 0);
    EXPECT_TRUE(Accounts[0][1].CheckbookRecord && !Accounts[0][1].Valid);
    EXPECT_EQ(std::string(Accounts[0][0].Name) + "/" + Accounts[0][1].Name + "/" + Accounts[0][5].Name + "/" +
                  Invest[0].Name,
              "Available/Checkbook/Found Items/Portfolio");
    EXPECT_EQ((std::tuple<int, int, int, int, int>(gBudget.HighestIdent, gBudget.UniqueID, gBudget.YearLastUsed,
                                                   gBudget.PayType[2], gBudget.Flag1)),
              std::tuple(1000, 1, 26, 1021, int{kBudgetHasInternational}));
    EXPECT_EQ(std::tuple(gNewBudgetFile, gStartUpFlag, gFirstSelected[0], host.PaySetupRuns), std::tuple(1, 1, -1, 1));
    for (const auto& row : MemoryAccounts)
        for (const auto& slot : row)
            EXPECT_EQ(slot.HistoryRec, nullptr);

    // Nothing of a budget before it: notes and category names included.
    CopyString("Old note", Accounts[3][0].Note);
    CopyString("Old title", Accounts[3][0].SubName);
    CopyString("Old shares", Invest[2].Note);
    NewBudget();
    EXPECT_EQ(std::string(Accounts[3][0].Note) + Accounts[3][0].SubName + Invest[2].Note, "");
}

TEST_F(ModelTest, LogEntryGoesToTheHeadOfTheCheckbookDatedToday)
{
    gBudgetFileChanged = 0;
    CheckbookLogRecord("first");
    const std::string longText(80, 'x');
    AHistory* rec = CheckbookLogRecord(longText.c_str());
    EXPECT_EQ(MemoryAccounts[0][1].HistoryRec, rec);
    EXPECT_STREQ(rec->HistoryFP->PayToFm, "first");
    EXPECT_EQ(std::strlen(rec->PayToFm), 62u);
    EXPECT_EQ(std::tuple(rec->LogRecord, rec->Amt, std::string(rec->Datime), std::string(rec->RDatime)),
              std::tuple(char{1}, 0, "12/05/26", "12/05/26 18:35p"));
    EXPECT_EQ(std::tuple(Accounts[0][1].NumberOfHistoryRecords, MemoryAccounts[0][1].DisplayLines, gBudgetFileChanged),
              std::tuple(2, 2, 1));
}

}  // namespace
