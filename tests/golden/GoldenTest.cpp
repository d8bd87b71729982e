// Golden tests of budget-cli: every NAME.cli in this folder is a script of commands run in order on
// one budget, and what they leave must match the expected files beside it:
//   NAME.expected.json  the budget's dump after the last command
//   NAME.expected.log   each command with what it printed, its messages and its exit code
// A difference fails showing the first lines that differ.
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
#include "cli/CliFixture.h"

#include <QDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace {

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// Where two texts first differ, with the lines around it in each (- expected, + actual); "" when they
// are equal. GOLDEN_UPDATE=1 and git diff show every difference.
std::string FirstDifference(const std::string& expected, const std::string& actual, const std::string& name)
{
    if (expected == actual)
        return "";
    const std::vector<std::string> a = Lines(expected), b = Lines(actual);
    size_t line = 0;
    while (line < a.size() && line < b.size() && a[line] == b[line])
        ++line;
    std::string text = name + " differs from line " + std::to_string(line + 1) + " on:\n";
    for (const auto& [mark, lines] : {std::pair{"- ", &a}, {"+ ", &b}})
        for (size_t k = line >= 3 ? line - 3 : 0; k < std::min(lines->size(), line + 4); ++k)
            text += mark + (*lines)[k] + "\n";
    return text;
}

std::string ReadText(const std::string& path)
{
    const std::vector<uint8_t> bytes = ReadFileBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

// The words of a script line: split at spaces, "..." keeps spaces (and "" is an empty word); false
// for an unclosed quote.
bool SplitWords(const std::string& line, std::vector<std::string>& words)
{
    bool quoted = false, inWord = false;
    std::string word;
    for (const char c : line + ' ') {
        if (c == ' ' && !quoted) {
            if (inWord)
                words.push_back(word);
            word.clear();
            inWord = false;
        } else {
            quoted ^= c == '"';
            word += c == '"' ? "" : std::string(1, c);
            inWord = true;
        }
    }
    return !quoted;
}

void ReplaceAll(std::string& text, const std::string& what, const std::string& with)
{
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + with.size()))
        text.replace(at, what.size(), with);
}

std::vector<std::string> Scripts()
{
    std::vector<std::string> names;
    for (const QString& file : QDir(GOLDEN_DIR).entryList({"*.cli"}, QDir::Files))
        names.push_back(file.chopped(4).toStdString());
    return names;
}

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
    CliRun Run(const std::vector<std::string>& args)
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
        const std::string diff = FirstDifference(ReadText(path), actual, path);
        EXPECT_TRUE(diff.empty()) << diff << "(GOLDEN_UPDATE=1 accepts the new output)";
    }

    LocalTime clock{2026, 11, 1, 8, 0, 0};
};

TEST_P(GoldenTest, LeavesTheExpectedBudgetAndMessages)
{
    const std::string script = std::string(GOLDEN_DIR) + "/" + GetParam();
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
        const CliRun run = Run(args);
        log += "$ " + line + "\n";
        for (const std::string& out : Lines(run.out))
            log += "  " + out + "\n";
        for (const std::string& err : Lines(run.err))
            log += "2> " + err + "\n";
        if (run.code)
            log += "exit " + std::to_string(run.code) + "\n";
        if (refused) {
            EXPECT_EQ(run.code, kExitRefused) << where << run.err;
            EXPECT_TRUE(ReadFileBytes(budget) == before && ReadFileBytes(budget + ".bak") == backup)
                << where << "the refused command changed the budget";
        } else {
            EXPECT_EQ(run.code, kExitOk) << where << run.err;
        }
    }
    ReplaceAll(log, folder, "{dir}");
    Compare(script + ".expected.log", log);

    const CliRun dump = Run({"dump", budget});
    ASSERT_EQ(dump.code, kExitOk) << dump.err;
    Compare(script + ".expected.json", dump.out);
}

INSTANTIATE_TEST_SUITE_P(Scripts, GoldenTest, ::testing::ValuesIn(Scripts()),
                         [](const ::testing::TestParamInfo<std::string>& info) { return info.param; });

}  // namespace
