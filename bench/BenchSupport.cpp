#include "BenchSupport.h"

#include "files/BudgetFile.h"
#include "files/BudgetLock.h"
#include "model/Globals.h"
#include "model/Initialize.h"
#include "model/Money.h"
#include "model/RecordStore.h"

#include <QTemporaryDir>

#include <cstdio>

QuietHost gQuietHost;

namespace {

QTemporaryDir* gDir = nullptr;

}  // namespace

std::string PathInDir(const std::string& name)
{
    return (gDir->path() + "/").toStdString() + name;
}

std::string SaveBudgetAs(const std::string& name, benchmark::State& state)
{
    const std::string path = PathInDir(name);
    CopyString(path.c_str(), gBudgetFileName);
    gQuietHost.Messages = 0;
    if (!BudgetSwapFiles() || gQuietHost.Messages) {
        state.SkipWithError(("saving the generated budget failed: " + gQuietHost.LastMessage).c_str());
        return "";
    }
    return path;
}

bool OpenQuietly(benchmark::State& state)
{
    gQuietHost.Messages = 0;
    if (!OpenBudget(0) || gQuietHost.Messages) {
        state.SkipWithError(("opening failed: " + gQuietHost.LastMessage).c_str());
        return false;
    }
    return true;
}

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    SetHost(&gQuietHost);
    InitApp();
    QTemporaryDir dir;
    if (!dir.isValid()) {
        std::fprintf(stderr, "cannot create a temporary folder\n");
        return 1;
    }
    gDir = &dir;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    // Everything is freed and unlocked before the folder goes away.
    UnlockAllBudgetFiles();
    ReleaseBudgetRecords();
    gDir = nullptr;
    SetHost(nullptr);
    return 0;
}
