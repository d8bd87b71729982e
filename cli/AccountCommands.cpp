#include "cli/AccountCommands.h"

#include "cli/CommandSupport.h"
#include "cli/ConsoleText.h"

#include "ledger/Accounts.h"
#include "ledger/Recording.h"

namespace {

// The slot ACCOUNT names, which must hold an account.
int FindValidAccount(const CommandArgs& args, Slot& slot, ConsoleHost& host)
{
    if (const int code = FindAccount(args.Operands[1], slot, host); code != kExitOk)
        return code;
    if (!Accounts[slot.Mi][slot.Si].Valid)
        return Refuse("There is no account at position " + std::to_string(slot.Mi) + "," + std::to_string(slot.Si) +
                      ".");
    return kExitOk;
}

}  // namespace

int RunNote(const CommandArgs& args, std::ostream& out, ConsoleHost& host)
{
    const bool text = args.Operands.size() > 2;
    if (text && args.Has("--delete"))
        return UsageError(host, "give TEXT or --delete, not both");
    if (!text && !args.Has("--delete")) {
        if (!OpenNamedBudget(args.Operands[0], host, BudgetAccess::Read))
            return kExitRefused;
        Slot slot;
        if (const int code = FindValidAccount(args, slot, host); code != kExitOk)
            return code;
        const std::string note = RecordText(Accounts[slot.Mi][slot.Si].Note);
        out << ConsoleText(note, LineBreaks::Note) << (note.empty() ? "" : "\n");
        return kExitOk;
    }
    return WithBudget(args, host, [&] {
        Slot slot;
        if (const int code = FindValidAccount(args, slot, host); code != kExitOk)
            return code;
        RecordNote(slot.Mi, slot.Si, text ? args.Operands[2].c_str() : "");
        return kExitOk;
    });
}

int RunDeleteAccount(const CommandArgs& args, std::ostream&, ConsoleHost& host)
{
    if (args.Value("--history-file").empty())
        return UsageError(host, "--history-file PATH is required");
    return WithBudget(args, host, [&] {
        Slot slot;
        if (const int code = FindAccount(args.Operands[1], slot, host); code != kExitOk)
            return code;
        host.ChosenPath = args.Value("--history-file");
        const int messages = host.MessageCount;
        if (DeleteAccount(slot.Mi, slot.Si))
            return kExitOk;
        if (host.MessageCount == messages)
            host.Note("Delete Account: nothing deleted.");
        return kExitRefused;
    });
}
