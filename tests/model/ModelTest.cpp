// A new budget, slot resets, log entries and window lookups.
#include "support/BudgetFixture.h"
#include "support/SampleBudget.h"

#include "model/Globals.h"
#include "model/Initialize.h"
#include "model/Money.h"

#include <cstring>

namespace {

class ModelTest : public BudgetFixture {};

TEST_F(ModelTest, NewBudgetHasOnlyAvailableAndTheCheckbook)
{
    int valid = 0;
    for (const auto& row : Accounts)
        for (const auto& slot : row)
            valid += slot.Valid ? 1 : 0;
    EXPECT_EQ(valid, 1);
    EXPECT_STREQ(Accounts[0][0].Name, "Available");
    EXPECT_TRUE(Accounts[0][0].Valid);
    EXPECT_EQ(Accounts[0][0].Balance, 0);
    EXPECT_STREQ(Accounts[0][1].Name, "Checkbook");
    EXPECT_TRUE(Accounts[0][1].CheckbookRecord);
    EXPECT_FALSE(Accounts[0][1].Valid);
    EXPECT_STREQ(Accounts[0][5].Name, "Found Items");
    EXPECT_STREQ(Invest[0].Name, "Portfolio");
    EXPECT_EQ(gBudget.HighestIdent, 1000);
    EXPECT_EQ(gBudget.UniqueID, 1);
    EXPECT_EQ(gBudget.YearLastUsed, 26);
    EXPECT_EQ(gBudget.PayType[2], 1021);
    EXPECT_EQ(gBudget.Flag1, kBudgetHasInternational);
    EXPECT_EQ(gNewBudgetFile, 1);
    EXPECT_EQ(gStartUpFlag, 1);
    EXPECT_EQ(gFirstSelected[0], -1);
    EXPECT_EQ(host.PaySetupRuns, 1);
    for (const auto& row : MemoryAccounts)
        for (const auto& slot : row)
            EXPECT_EQ(slot.HistoryRec, nullptr);
}

TEST_F(ModelTest, ArchiveYearsCountBackFromTwoYearsAgo)
{
    for (int k = 0; k < kArchiveYears; ++k) {
        EXPECT_EQ(gArchive[k].Year, 2024 - k);
        EXPECT_EQ(gArchive[k].Count, 0);
    }
    host.Clock.Year = 1995;
    InitApp();
    EXPECT_EQ(gArchive[0].Year, 1993);
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
    EXPECT_EQ(rec->LogRecord, 1);
    EXPECT_EQ(rec->Amt, 0);
    EXPECT_STREQ(rec->Datime, "12/05/26");
    EXPECT_STREQ(rec->RDatime, "12/05/26 18:35p");
    EXPECT_EQ(Accounts[0][1].NumberOfHistoryRecords, 2);
    EXPECT_EQ(MemoryAccounts[0][1].DisplayLines, 2);
    EXPECT_EQ(gBudgetFileChanged, 1);
}

TEST_F(ModelTest, ANewBudgetReleasesTheRecordsOfTheOldOne)
{
    BuildRichTestBudget();
    NewBudget();
    EXPECT_EQ(gToDoAnchor, nullptr);
    EXPECT_EQ(MemoryInvest[1].HistoryRec, nullptr);
    EXPECT_EQ(MemoryAccounts[1][0].HistoryRec, nullptr);
    EXPECT_STREQ(gIntRec.DollarSymbol, "$");
}

}  // namespace
