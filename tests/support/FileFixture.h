// A fixture for tests of the budget file: a fresh budget and a temporary folder to save in.
#pragma once

#include "support/BudgetFixture.h"

#include "files/BudgetFile.h"
#include "files/BudgetImage.h"
#include "files/FileAccess.h"
#include "files/BudgetLock.h"
#include "model/Globals.h"
#include "model/Money.h"

#include <QTemporaryDir>

#include <cstdint>
#include <string>
#include <vector>

class FileFixture : public BudgetFixture {
protected:
    void TearDown() override
    {
        UnlockAllBudgetFiles();
        SetReplacingFileByteLimit(-1);
        BudgetFixture::TearDown();
    }

    std::string PathOf(const char* name) const { return dir.filePath(name).toStdString(); }
    // Save As to the path, as the user choosing it in the save dialog; returns the result.
    int SaveAs(const std::string& path)
    {
        host.SavePaths.push_back(path);
        return BudgetSaveAs();
    }
    // Opens the path as the command line does; returns OpenBudget's result.
    int Open(const std::string& path)
    {
        CopyString(path.c_str(), gBudgetFileName);
        return OpenBudget(0);
    }
    // The file image of the budget in memory.
    std::vector<uint8_t> Image()
    {
        MemoryWriter writer;
        EXPECT_EQ(WriteDataFile(writer), 1) << host.AllMessages();
        return writer.Bytes;
    }

    QTemporaryDir dir;
};
