// A fixture for tests of the budget file: a fresh budget and a temporary folder to save in.
#pragma once

#include "support/BudgetFixture.h"

#include <QTemporaryDir>

#include <cstdint>
#include <string>
#include <vector>

class FileFixture : public BudgetFixture {
protected:
    void TearDown() override;

    std::string PathOf(const char* name) const;
    // Save As to the path, as the user choosing it in the save dialog; returns the result.
    int SaveAs(const std::string& path);
    // Opens the path as the command line does; returns OpenBudget's result.
    int Open(const std::string& path);
    // The file image of the budget in memory.
    std::vector<uint8_t> Image();

    QTemporaryDir dir;
};
