// The fixture every model test starts from: a scripted host with a pinned clock, the start-up
// defaults and a new, empty budget, freed afterwards.
#pragma once

#include "support/ScriptedHost.h"

#include "model/Initialize.h"
#include "model/RecordStore.h"

#include <gtest/gtest.h>

class BudgetFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetHost(&host);
        InitApp();
        NewBudget();
        host.Messages.clear();
    }
    void TearDown() override
    {
        ReleaseBudgetRecords();
        SetHost(nullptr);
    }

    ScriptedHost host;
};
