// Starts each test from a fresh, empty budget and frees it afterwards.
#include "support/BudgetFixture.h"

#include "model/Initialize.h"
#include "model/RecordStore.h"

void BudgetFixture::SetUp()
{
    SetHost(&host);
    InitApp();
    NewBudget();
    host.Messages.clear();
}

void BudgetFixture::TearDown()
{
    ReleaseBudgetRecords();
    SetHost(nullptr);
}
