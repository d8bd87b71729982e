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
    EXPECT_EQ(Invest[0].IwPt.x, 4);
    EXPECT_EQ(Invest[3].IwPt.y, 50);
    EXPECT_EQ(gBudget.HighestIdent, 1000);
    EXPECT_EQ(gBudget.UniqueID, 1);
    EXPECT_EQ(gBudget.YearLastUsed, 26);
    EXPECT_EQ(gBudget.PayType[0], 1007);
    EXPECT_EQ(gBudget.PayType[1], 1014);
    EXPECT_EQ(gBudget.PayType[2], 1021);
    EXPECT_EQ(gBudget.MwPt.x, 4);
    EXPECT_EQ(gBudget.MwPt.y, 40);
    EXPECT_EQ(gBudget.DataFileIdent, 3);
    EXPECT_EQ(gBudget.Flag1, kBudgetHasInternational);
    EXPECT_EQ(gBudget.NegativeAmount, RGB(255, 0, 0));
    EXPECT_EQ(gBudget.StandardSub, RGB(0, 255, 255));
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

TEST_F(ModelTest, ResettingASlotKeepsItsNoteAndSubName)
{
    AddTestAccount(4, 2, "Gas", true);
    AddTestHistory(4, 2, 100, false, "x");
    CopyString("a note", Accounts[4][2].Note);
    CopyString("Car", Accounts[4][2].SubName);
    Accounts[4][2].PayAmount[2][4] = 9;
    Accounts[4][2].HFlag = 0;
    InitializeAccountRecord(4, 2);
    const ARecord& a = Accounts[4][2];
    EXPECT_FALSE(a.Valid);
    EXPECT_FALSE(a.SavingsFlag);
    EXPECT_EQ(a.Name[0], 0);
    EXPECT_EQ(a.Balance, 0);
    EXPECT_EQ(a.PayAmount[2][4], 0);
    EXPECT_EQ(a.HFlag, 1);
    EXPECT_EQ(a.HwPt.x, 25);
    EXPECT_EQ(a.SwPt.y, 60);
    EXPECT_EQ(a.NumberOfHistoryRecords, 0);
    EXPECT_STREQ(a.Note, "a note");
    EXPECT_STREQ(a.SubName, "Car");
    EXPECT_EQ(MemoryAccounts[4][2].HistoryRec, nullptr);
    EXPECT_EQ(MemoryAccounts[4][2].DisplayLines, 0);
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

TEST_F(ModelTest, WindowLookupsFindTheSlotOrNothing)
{
    int windows[3];
    MemoryAccounts[3][4].HistoryWindow = &windows[0];
    MemoryAccounts[3][4].HistoryListWindow = &windows[1];
    MemoryAccounts[7][0].SubAccountWindow = &windows[2];
    MemoryInvest[9].HistoryWindow = &windows[0];
    int Mi = -1, Si = -1;
    EXPECT_EQ(GetHistoryWindowRecord(&windows[0], &Mi, &Si), 1);
    EXPECT_EQ(Mi, 3);
    EXPECT_EQ(Si, 4);
    EXPECT_EQ(GetHistoryListWindowRecord(&windows[1], &Mi, &Si), 1);
    EXPECT_EQ(GetHistoryWindowRecord(&windows[2], &Mi, &Si), 0);
    EXPECT_EQ(GetSubAccountWindowRecord(&windows[2]), 7);
    EXPECT_EQ(GetInvestHistoryWindowRecord(&windows[0]), 9);
    EXPECT_EQ(GetInvestHistoryListWindowRecord(&windows[0]), -1);
    // No window never matches the slots that have none.
    EXPECT_EQ(GetHistoryWindowRecord(nullptr, &Mi, &Si), 0);
    EXPECT_EQ(GetSubAccountWindowRecord(nullptr), -1);
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
