// The fixture every model test starts from: a scripted host with a pinned clock, the start-up
// defaults and a new, empty budget.
#pragma once

#include "support/ScriptedHost.h"

#include <gtest/gtest.h>

class BudgetFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    ScriptedHost host;
};
