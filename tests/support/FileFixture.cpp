// The budget file fixture.
#include "support/FileFixture.h"

#include "files/BudgetFile.h"
#include "files/BudgetImage.h"
#include "files/BudgetLock.h"
#include "model/Globals.h"
#include "model/Money.h"

void FileFixture::TearDown()
{
    UnlockAllBudgetFiles();
    SetSaveByteLimitForTesting(-1);
    BudgetFixture::TearDown();
}

std::string FileFixture::PathOf(const char* name) const
{
    return dir.filePath(name).toStdString();
}

int FileFixture::SaveAs(const std::string& path)
{
    host.SavePaths.push_back(path);
    return BudgetSaveAs();
}

int FileFixture::Open(const std::string& path)
{
    CopyString(path.c_str(), gBudgetFileName);
    return OpenBudget(0);
}

std::vector<uint8_t> FileFixture::Image()
{
    MemoryWriter writer;
    EXPECT_EQ(WriteDataFile(writer), 1) << host.AllMessages();
    return writer.Bytes;
}
