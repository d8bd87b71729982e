// What the benchmarks share: a host that never waits for anyone and turns a message into a
// failed run, a temporary folder for the budgets they write, and the program's own save and
// open reporting failures to the benchmark. BenchSupport.cpp holds main().
#pragma once

#include "model/Host.h"

#include <benchmark/benchmark.h>

#include <string>

// Answers every question with No, counts messages and pins the clock.
class QuietHost : public Host {
public:
    int MessageBox(const std::string& text, const std::string&, MessageButtons buttons, MessageIcon) override
    {
        ++Messages;
        LastMessage = text;
        return buttons == MessageButtons::Ok ? IDOK : IDNO;
    }
    bool ChooseOpenFile(const FileChoice&, std::string&) override { return false; }
    bool ChooseSaveFile(const FileChoice&, std::string&) override { return false; }
    LocalTime Now() override { return LocalTime{2026, 12, 5, 18, 35, 0}; }

    int Messages = 0;
    std::string LastMessage;
};

extern QuietHost gQuietHost;

// `name` in the run's temporary folder.
std::string PathInDir(const std::string& name);

// Saves the budget in memory through the program's own save as `name` in the temporary
// folder; the path, or "" after a message (the benchmark is then skipped with it).
std::string SaveBudgetAs(const std::string& name, benchmark::State& state);

// Opens the file named in gBudgetFileName as the command line does; false after a message.
bool OpenQuietly(benchmark::State& state);
