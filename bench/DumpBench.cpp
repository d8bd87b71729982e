// budget-cli dump on large budgets: the peak memory and time of the command itself, run as a
// child process with its output thrown away, and the time of writing the JSON alone.
//
// Each benchmark takes the number of history records (spread over all slots of the grid) as its
// argument. BUDGET_CLI=/path/to/budget-cli runs another build of the command (an older one, to
// compare); by default the one built beside this program runs.
#include "cli/Dump.h"
#include "files/BudgetFile.h"
#include "model/Globals.h"
#include "model/Initialize.h"
#include "model/Money.h"
#include "support/SampleBudget.h"

#include "BenchSupport.h"

#include <QFile>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <map>
#include <ostream>
#include <streambuf>
#include <string>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char** environ;

namespace {

// One generated budget file per record count, saved once through the program's own save.
std::string LargeBudgetFile(int records, benchmark::State& state)
{
    static std::map<int, std::string> files;
    if (const auto found = files.find(records); found != files.end())
        return found->second;
    NewBudget();
    BuildLargeTestBudget(records);
    const std::string path = SaveBudgetAs("dump-" + std::to_string(records) + ".bgt", state);
    if (!path.empty())
        files[records] = path;
    return path;
}

double Megabytes(double bytes)
{
    return bytes / (1024.0 * 1024.0);
}

// Runs `budget-cli dump FILE` with standard output going to /dev/null; false when it could not
// run or failed. `peakKilobytes` is the child's largest resident set.
bool RunDumpCommand(const std::string& path, long& peakKilobytes, benchmark::State& state)
{
    const char* program = std::getenv("BUDGET_CLI");
    if (!program || !*program)
        program = BUDGET_CLI_PATH;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    char* argv[] = {const_cast<char*>(program), const_cast<char*>("dump"), const_cast<char*>(path.c_str()), nullptr};
    pid_t child = 0;
    const int spawned = posix_spawn(&child, program, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        state.SkipWithError((std::string("cannot run ") + program).c_str());
        return false;
    }
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        state.SkipWithError("budget-cli dump failed");
        return false;
    }
    peakKilobytes = usage.ru_maxrss;
    return true;
}

// The whole command: start, open (read and check the file), write the JSON, end.
void BM_DumpCommand(benchmark::State& state)
{
    const std::string path = LargeBudgetFile(static_cast<int>(state.range(0)), state);
    if (path.empty())
        return;
    long peak = 0;
    for (auto _ : state)
        if (!RunDumpCommand(path, peak, state))
            return;
    const double fileBytes = static_cast<double>(QFile(QString::fromStdString(path)).size());
    state.counters["file_MB"] = Megabytes(fileBytes);
    state.counters["peak_RSS_MB"] = Megabytes(static_cast<double>(peak) * 1024.0);
}

// Counts what is written and keeps none of it.
class CountingBuffer : public std::streambuf {
public:
    long long Count = 0;

protected:
    int overflow(int c) override
    {
        ++Count;
        return c;
    }
    std::streamsize xsputn(const char*, std::streamsize n) override
    {
        Count += n;
        return n;
    }
};

// Writing the JSON of the open budget, without the command's start and open.
void BM_DumpJson(benchmark::State& state)
{
    const std::string path = LargeBudgetFile(static_cast<int>(state.range(0)), state);
    if (path.empty())
        return;
    CopyString(path.c_str(), gBudgetFileName);
    if (!OpenQuietly(state))
        return;
    CountingBuffer counted;
    std::ostream out(&counted);
    for (auto _ : state)
        WriteBudgetJson(out);
    state.SetBytesProcessed(counted.Count);
    state.counters["json_MB"] = Megabytes(static_cast<double>(counted.Count) / static_cast<double>(state.iterations()));
}

}  // namespace

BENCHMARK(BM_DumpCommand)->Arg(30000)->Arg(300000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_DumpJson)->Arg(30000)->Arg(300000)->Unit(benchmark::kMillisecond);
