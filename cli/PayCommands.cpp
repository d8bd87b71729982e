// The pay commands. Each fills in the fields of its dialog and records through the dialog's OK.
#include "cli/PayCommands.h"

#include "cli/CommandSupport.h"
#include "cli/ConsoleText.h"

#include "ledger/Budget.h"
#include "ledger/Pay.h"
#include "ledger/Recording.h"
#include "model/Dates.h"

#include <cstring>
#include <string>

namespace {

const char* const kFrequencies[] = {"weekly", "bi-weekly", "semi-monthly", "monthly"};

// A pay source number N (1 to 3) of --payer, --set or --remove.
bool ReadSourceNumber(const std::string& text, int& source)
{
    unsigned n = 0;
    if (!ParseNumber(text, n) || n < 1 || n > kPayers)
        return false;
    source = static_cast<int>(n) - 1;
    return true;
}

int BadSource(ConsoleHost& host, const std::string& option)
{
    return UsageError(host, option + " takes a pay source number 1 to 3");
}

// A source the budget has: the pay setup keeps them in slots 0 up.
int RefuseUnusedSource(int source)
{
    if (source < gBudget.NumberOfPayers)
        return kExitOk;
    return Refuse("There is no pay source #" + std::to_string(source + 1) + ".");
}

// The pay boxes ticked by --payer.
int ReadTicks(const CommandArgs& args, bool (&ticked)[kPayers], ConsoleHost& host)
{
    for (const std::string& n : args.Values("--payer")) {
        int source = -1;
        if (!ReadSourceNumber(n, source))
            return BadSource(host, "--payer");
        if (ticked[source])
            return UsageError(host, "pay source " + n + " is given twice");
        ticked[source] = true;
    }
    return kExitOk;
}

// Only the boxes of sources in use can be ticked.
int RefuseUnusedTicks(const bool (&ticked)[kPayers])
{
    for (int i = 0; i < kPayers; ++i)
        if (ticked[i])
            if (const int code = RefuseUnusedSource(i); code != kExitOk)
                return code;
    return kExitOk;
}

void ListPaySources(std::ostream& out)
{
    if (gBudget.NumberOfPayers <= 0)
        out << "No pay sources.\n";
    for (int i = 0; i < gBudget.NumberOfPayers && i < kPayers; ++i) {
        char amount[kAmountTextSize];
        I2S(gBudget.PayAmount[i], amount, 0);
        const int f = PayFrequency(i);
        out << "Pay source #" << i + 1 << ": " << ConsoleText(RecordText(gBudget.PayName[i]))
            << ", " << ConsoleText(amount) << ", " << (f < 0 ? "no frequency" : kFrequencies[f]) << "\n";
    }
    out << "Next check number: " << static_cast<uint32_t>(gBudget.HighestIdent) << "\n";
}

}  // namespace

int RunPayers(const CommandArgs& args, std::ostream& out, ConsoleHost& host)
{
    int setSource = -1, removeSource = -1, frequency = -1;
    const std::vector<std::string> set = args.Values("--set");
    if (args.Has("--set")) {
        if (!ReadSourceNumber(set[0], setSource))
            return BadSource(host, "--set");
        for (int f = kPayWeekly; f <= kPayMonthly; ++f)
            if (set[3] == kFrequencies[f])
                frequency = f;
        if (frequency < 0)
            return UsageError(host, "FREQUENCY is weekly, bi-weekly, semi-monthly or monthly");
    }
    if (args.Has("--remove") && !ReadSourceNumber(args.Value("--remove"), removeSource))
        return BadSource(host, "--remove");
    if (setSource >= 0 && setSource == removeSource)
        return UsageError(host, "--set and --remove name the same pay source");

    if (!args.Has("--set") && !args.Has("--remove") && !args.Has("--next-check")) {
        if (!OpenNamedBudget(args.Operands[0], host, BudgetAccess::Read))
            return kExitRefused;
        ListPaySources(out);
        return kExitOk;
    }
    return WithBudget(args, host, [&] {
        PaySetupEntry entry = CurrentPaySetup();
        if (setSource >= 0) {
            if (!AmountTextFits(set[2], kPayEditChars))
                return kExitRefused;
            entry.Sources[setSource] = {set[1], set[2], PayTypeButton(setSource, frequency)};
        }
        if (removeSource >= 0)
            entry.Sources[removeSource].Name.clear();
        if (args.Has("--next-check"))
            entry.NextCheck = args.Value("--next-check");
        const int messages = host.MessageCount;
        if (RecordPaySetup(entry))
            return kExitOk;
        if (host.MessageCount == messages)
            host.Note("Pay Setup: at least one pay source needs a name.");
        return kExitRefused;
    });
}

int RunAllocate(const CommandArgs& args, std::ostream&, ConsoleHost& host)
{
    int source = -1;
    if (!ReadSourceNumber(args.Value("--payer"), source))
        return BadSource(host, "--payer");
    unsigned pay = 0;
    if (!ParseNumber(args.Value("--pay"), pay) || pay < 1 || pay > kPaysPerMonth)
        return UsageError(host, "--pay takes the pay of the month 1 to 5");
    return WithBudget(args, host, [&] {
        Slot slot;
        if (const int code = FindAccount(args.Operands[1], slot, host); code != kExitOk)
            return code;
        if (slot.Mi == 0)
            return Refuse("Available gets what the allocations leave;", "its allocations can not be set.");
        const ARecord& account = Accounts[slot.Mi][slot.Si];
        if (!account.Valid)
            return Refuse("There is no account at position " + std::to_string(slot.Mi) + "," +
                          std::to_string(slot.Si) + ".");
        if (!AllocationsAllowed())
            return kExitRefused;
        if (const int code = RefuseUnusedSource(source); code != kExitOk)
            return code;
        const int pays = GetMaxPays(gBudget.PayType[source]);
        if (static_cast<int>(pay) > pays)
            return Refuse("Pay source #" + std::to_string(source + 1) + " has " + std::to_string(pays) +
                          (pays == 1 ? " pay" : " pays") + " a month.");
        if (!AmountTextFits(args.Operands[2], kPayEditChars))
            return kExitRefused;
        const Field<kPayEditChars + 1> text(args.Operands[2]);
        int32_t amount = 0;
        if (!ReadAllocation(text.Text, &amount))
            return kExitRefused;
        int32_t payAmounts[kPayers][kPaysPerMonth];
        std::memcpy(payAmounts, account.PayAmount, sizeof payAmounts);
        payAmounts[source][pay - 1] = amount;
        char name[16];
        CopyString(account.Name, name);
        return RecordAccountSetup(slot.Mi, slot.Si, name, account.SavingsFlag != 0, payAmounts) ? kExitOk
                                                                                                 : kExitRefused;
    });
}

int RunPay(const CommandArgs& args, std::ostream&, ConsoleHost& host)
{
    bool ticked[kPayers] = {};
    if (!args.Has("--payer"))
        return UsageError(host, "--payer N is required");
    if (const int code = ReadTicks(args, ticked, host); code != kExitOk)
        return code;
    return WithBudget(args, host, [&] {
        char datime[kDatimeSize];
        if (const int code = RefuseUnusedTicks(ticked); code != kExitOk)
            return code;
        if (!ReadDate(args, datime))
            return kExitRefused;
        return RecordPayEntry(ticked, datime) == kPayRefused ? kExitRefused : kExitOk;
    });
}

int RunMultiDeposit(const CommandArgs& args, std::ostream& out, ConsoleHost& host)
{
    bool ticked[kPayers] = {};
    if (const int code = ReadTicks(args, ticked, host); code != kExitOk)
        return code;
    const auto groups = args.Groups.count("--row") ? args.Groups.at("--row") : std::vector<std::vector<std::string>>{};
    if (groups.size() > kMultiDepositRows)
        return UsageError(host, "the dialog has three rows; --row is given " + std::to_string(groups.size()) + " times");
    MultiDepositRow rows[kMultiDepositRows];
    for (size_t r = 0; r < groups.size(); ++r) {
        const std::vector<std::string>& g = groups[r];
        rows[r] = {g[0], g[1], g[2], g.size() > 3 ? g[3] : "", g.size() > 4 ? g[4] : ""};
    }
    return WithBudget(args, host, [&] {
        if (const int code = RefuseUnusedTicks(ticked); code != kExitOk)
            return code;
        for (const MultiDepositRow& row : rows) {
            if (row.Amount.empty())
                continue;
            if (!AmountTextFits(row.Amount))
                return kExitRefused;
            if (const int code = RefuseAmbiguousRowName(row.Account, row.SubAccount); code != kExitOk)
                return code;
        }
        char datime[kDatimeSize];
        if (!CDepositDialogOK(rows, ticked) || !ReadDate(args, datime))
            return kExitRefused;
        const int32_t number = RecordMultiDeposit(rows, ticked, datime);
        if (!number)
            return kExitRefused;
        out << "Deposit number " << number << "\n";
        return kExitOk;
    });
}
