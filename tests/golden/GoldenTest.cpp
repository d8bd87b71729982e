// Golden tests of budget-cli: every NAME.cli in this folder is a script of commands run in order on
// one budget, and what they leave must match the expected files beside it:
//   NAME.expected.json  the budget's dump after the last command
//   NAME.expected.log   each command with what it printed, its messages and its exit code
// A difference fails with a unified diff of the lines.
//
// To accept new output after a deliberate change, run the tests with GOLDEN_UPDATE=1, e.g.
//   GOLDEN_UPDATE=1 build/tests/golden_tests
// which writes the expected files back into this folder (a missing one is written too); review
// the change with git diff before committing it.
//
// Script lines, one command each (blank lines and lines starting with # are skipped):
//   deposit Available 2500.00 --from "First Bank" --date 11/01/26
//       a budget-cli command with its operands and options, FILE left out: the budget goes
//       after the command's name. Words are split at spaces; "double quotes" keep spaces and ""
//       is an empty word. {dir} stands for the folder the budget is in. The command must
//       succeed (exit 0).
//   ! check Rent 0.00 --to Nobody
//       a command that must be refused (exit 1) and leave the budget file and its backup as
//       they were, byte for byte.
//   clock 2026-11-15 09:30
//       the clock the commands that follow read (the first command reads 2026-11-01 08:00).
//   show gifts.txt
//       puts the text file of that name in the budget's folder into the log, tabs shown as \t
//       and carriage returns as \r ending the log's line.
#include "support/FileFixture.h"
#include "support/SampleBudget.h"

#include "cli/Commands.h"
#include "files/BudgetLock.h"
#include "model/Globals.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// The unified diff of two texts by lines with three lines of context; "" when they are equal.
// Lines common to both ends are set aside first, so the matching runs over the changed middle.
std::string UnifiedDiff(const std::string& expected, const std::string& actual, const std::string& name)
{
    const std::vector<std::string> a = Lines(expected), b = Lines(actual);
    size_t head = 0;
    while (head < a.size() && head < b.size() && a[head] == b[head])
        ++head;
    size_t tail = 0;
    while (tail < a.size() - head && tail < b.size() - head && a[a.size() - 1 - tail] == b[b.size() - 1 - tail])
        ++tail;
    if (head == a.size() && head == b.size())
        return expected == actual ? "" : "--- " + name + "\n(the texts differ in their last line break)\n";

    // Each line of both texts in order: ' ' in both, '-' expected only, '+' actual only.
    struct Step { char Op; size_t A, B; };
    std::vector<Step> steps;
    for (size_t k = 0; k < head; ++k)
        steps.push_back({' ', k, k});
    const size_t n = a.size() - head - tail, m = b.size() - head - tail;
    if (n * m <= 16'000'000) {
        // Longest common subsequence of the middles, then walked from the front.
        std::vector<uint32_t> common((n + 1) * (m + 1), 0);
        auto at = [&](size_t i, size_t j) -> uint32_t& { return common[i * (m + 1) + j]; };
        for (size_t i = n; i-- > 0;)
            for (size_t j = m; j-- > 0;)
                at(i, j) = a[head + i] == b[head + j] ? at(i + 1, j + 1) + 1 : std::max(at(i + 1, j), at(i, j + 1));
        size_t i = 0, j = 0;
        while (i < n || j < m) {
            if (i < n && j < m && a[head + i] == b[head + j]) {
                steps.push_back({' ', head + i++, head + j++});
            } else if (j == m || (i < n && at(i + 1, j) >= at(i, j + 1))) {
                steps.push_back({'-', head + i++, head + j});
            } else {
                steps.push_back({'+', head + i, head + j++});
            }
        }
    } else {
        for (size_t i = 0; i < n; ++i)
            steps.push_back({'-', head + i, head});
        for (size_t j = 0; j < m; ++j)
            steps.push_back({'+', head + n, head + j});
    }
    for (size_t k = 0; k < tail; ++k)
        steps.push_back({' ', head + n + k, head + m + k});

    constexpr size_t kContext = 3;
    std::string diff = "--- " + name + " (expected)\n+++ " + name + " (actual)\n";
    size_t k = 0;
    while (k < steps.size()) {
        while (k < steps.size() && steps[k].Op == ' ')
            ++k;
        if (k == steps.size())
            break;
        // One hunk: from kContext lines before this change to kContext lines after the last
        // change that follows within twice the context.
        size_t first = k >= kContext ? k - kContext : 0, last = k;
        for (size_t scan = k; scan < steps.size() && scan <= last + 2 * kContext; ++scan)
            if (steps[scan].Op != ' ')
                last = scan;
        const size_t end = std::min(steps.size(), last + kContext + 1);
        size_t countA = 0, countB = 0;
        for (size_t s = first; s < end; ++s) {
            countA += steps[s].Op != '+';
            countB += steps[s].Op != '-';
        }
        diff += "@@ -" + std::to_string(steps[first].A + (countA ? 1 : 0)) + "," + std::to_string(countA) + " +" +
                std::to_string(steps[first].B + (countB ? 1 : 0)) + "," + std::to_string(countB) + " @@\n";
        for (size_t s = first; s < end; ++s)
            diff += steps[s].Op + (steps[s].Op == '+' ? b[steps[s].B] : a[steps[s].A]) + "\n";
        k = end;
    }
    return diff;
}

std::string ReadText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The words of a script line: split at spaces, "..." keeps spaces (and "" is an empty word).
bool SplitWords(const std::string& line, std::vector<std::string>& words)
{
    size_t k = 0;
    while (true) {
        while (k < line.size() && line[k] == ' ')
            ++k;
        if (k == line.size())
            return true;
        std::string word;
        while (k < line.size() && line[k] != ' ') {
            if (line[k] != '"') {
                word += line[k++];
                continue;
            }
            const size_t close = line.find('"', k + 1);
            if (close == std::string::npos)
                return false;
            word += line.substr(k + 1, close - k - 1);
            k = close + 1;
        }
        words.push_back(word);
    }
}

void ReplaceAll(std::string& text, const std::string& what, const std::string& with)
{
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + with.size()))
        text.replace(at, what.size(), with);
}

std::string GoldenFolder()
{
    return GOLDEN_DIR;
}

std::vector<std::string> Scripts()
{
    std::vector<std::string> names;
    for (const QString& file : QDir(QString::fromStdString(GoldenFolder())).entryList({"*.cli"}, QDir::Files))
        names.push_back(file.chopped(4).toStdString());
    return names;
}

struct CliRunResult {
    int Code;
    std::string Out;
    std::string Err;
};

class GoldenTest : public FileFixture, public ::testing::WithParamInterface<std::string> {
protected:
    // Every script starts from the tables of a program just started: a new budget keeps the notes
    // and category names the slots had, which here would be those of the script before.
    void SetUp() override
    {
        for (auto& row : Accounts)
            for (ARecord& slot : row)
                slot = ARecord{};
        for (IRecord& investment : Invest)
            investment = IRecord{};
        FileFixture::SetUp();
    }

    // Runs one command line as budget-cli does, with the clock pinned.
    CliRunResult Run(const std::vector<std::string>& args)
    {
        UnlockAllBudgetFiles();
        std::ostringstream out, err;
        ConsoleHost console(err);
        console.Clock = clock;
        const int code = RunBudgetCli(args, out, console);
        SetHost(&host);
        return {code, out.str(), err.str()};
    }

    // The expected file `path` holds `actual`; with GOLDEN_UPDATE set it is made to.
    void Compare(const std::string& path, const std::string& actual)
    {
        const char* update = std::getenv("GOLDEN_UPDATE");
        if (update && *update && std::string(update) != "0") {
            std::ofstream(path, std::ios::binary | std::ios::trunc) << actual;
            return;
        }
        if (!QFile::exists(QString::fromStdString(path))) {
            ADD_FAILURE() << path << " is missing; GOLDEN_UPDATE=1 writes it";
            return;
        }
        const std::string diff = UnifiedDiff(ReadText(path), actual, path);
        EXPECT_TRUE(diff.empty()) << diff << "(GOLDEN_UPDATE=1 accepts the new output)";
    }

    LocalTime clock{2026, 11, 1, 8, 0, 0};
};

TEST_P(GoldenTest, LeavesTheExpectedBudgetAndMessages)
{
    const std::string script = GoldenFolder() + "/" + GetParam();
    const std::string budget = PathOf("budget.bgt");
    const std::string folder = dir.path().toStdString();
    std::string log;
    int number = 0;
    for (const std::string& raw : Lines(ReadText(script + ".cli"))) {
        ++number;
        const std::string where = GetParam() + ".cli:" + std::to_string(number) + ": ";
        std::string line = raw;
        if (line.empty() || line[0] == '#')
            continue;
        if (line.rfind("clock ", 0) == 0) {
            LocalTime& c = clock;
            ASSERT_EQ(std::sscanf(line.c_str() + 6, "%d-%d-%d %d:%d", &c.Year, &c.Month, &c.Day, &c.Hour, &c.Minute), 5)
                << where << "clock YYYY-MM-DD HH:MM";
            log += line + "\n";
            continue;
        }
        if (line.rfind("show ", 0) == 0) {
            std::string text = ReadText(folder + "/" + line.substr(5));
            ReplaceAll(text, "\r", "\\r\n");
            ReplaceAll(text, "\t", "\\t");
            log += line + "\n";
            for (const std::string& shown : Lines(text))
                log += "  " + shown + "\n";
            continue;
        }
        const bool refused = line[0] == '!';
        std::vector<std::string> args;
        ASSERT_TRUE(SplitWords(refused ? line.substr(1) : line, args) && !args.empty()) << where << "unclosed quote";
        for (std::string& word : args)
            ReplaceAll(word, "{dir}", folder);
        args.insert(args.begin() + 1, budget);

        const std::vector<uint8_t> before = ReadFileBytes(budget), backup = ReadFileBytes(budget + ".bak");
        const CliRunResult run = Run(args);
        log += "$ " + line + "\n";
        for (const std::string& out : Lines(run.Out))
            log += "  " + out + "\n";
        for (const std::string& err : Lines(run.Err))
            log += "2> " + err + "\n";
        if (run.Code)
            log += "exit " + std::to_string(run.Code) + "\n";
        if (refused) {
            EXPECT_EQ(run.Code, kExitRefused) << where << run.Err;
            EXPECT_TRUE(ReadFileBytes(budget) == before && ReadFileBytes(budget + ".bak") == backup)
                << where << "the refused command changed the budget";
        } else {
            EXPECT_EQ(run.Code, kExitOk) << where << run.Err;
        }
    }
    ReplaceAll(log, folder, "{dir}");
    Compare(script + ".expected.log", log);

    const CliRunResult dump = Run({"dump", budget});
    ASSERT_EQ(dump.Code, kExitOk) << dump.Err;
    Compare(script + ".expected.json", dump.Out);
}

INSTANTIATE_TEST_SUITE_P(Scripts, GoldenTest, ::testing::ValuesIn(Scripts()),
                         [](const ::testing::TestParamInfo<std::string>& info) { return info.param; });

}  // namespace
