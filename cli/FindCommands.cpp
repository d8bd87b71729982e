// budget-cli find: reads the criteria as the Find dialog reads its fields and lists every hit in
// the order Find Next shows them, without changing the budget.
#include "cli/FindCommands.h"

#include "cli/ConsoleText.h"
#include "find/Find.h"
#include "model/Dates.h"
#include "model/Globals.h"
#include "model/Money.h"

#include <cstring>
#include <string>

const char kFindUsage[] =
    "find FILE [--payee T] [--for T] [--memo T] [--month M] [--year YY] [--amount A] [--balance A] "
    "[--number N] [--tax] [--or] [--ignore-case]";
const char kFindHelp[] =
    "Lists every transaction of the budget accounts that the criteria select, as Find and Find Next\n"
    "step through them (account by account, newest first). One line per transaction, the fields\n"
    "separated by tabs: the account (NAME or MAIN/SUB), its record number N as undo and edit count\n"
    "them (0 = the newest), the date, the kind (check, debit, atm, deposit, pay, transfer; undone\n"
    "ones marked so), the payee and the amount. The budget is only read, never changed.\n\n"
    "--payee, --for and --memo select the transactions whose field contains the text (with\n"
    "--ignore-case in any letter case); --month a month by its name (the first three letters count)\n"
    "or number; --year a year as 24 or 2024; --amount and --balance exactly that amount or running\n"
    "balance (a balance may be below zero), in the budget's money format; --number a check number;\n"
    "--tax the taxable transactions. Every criterion given must hold, or with --or any one of them;\n"
    "without criteria every transaction is listed (with --or none). A criterion that cannot be read\n"
    "is refused with the Find dialog's message.";
const char kFindOptions[] = "--payee= --for= --memo= --month= --year= --amount= --balance= --number= --tax --or --ignore-case";

namespace {

std::string AccountText(int Mi, int Si)
{
    const std::string name = RecordText(Accounts[Mi][Si].Name);
    return Si == 0 ? name : RecordText(Accounts[Mi][0].Name) + "/" + name;
}

std::string KindText(const AHistory& h)
{
    std::string kind;
    if (h.TransferFlag)
        kind = "transfer";
    else if (!h.TypeFlag)
        kind = h.PayFlag ? "pay" : "deposit";
    else if (h.ATM == kWithdrawalATM)
        kind = "atm";
    else if (h.ATM == kWithdrawalDebit)
        kind = "debit";
    else
        kind = "check";
    return h.UnDone ? kind + " (undone)" : kind;
}

std::string DateText(const AHistory& h)
{
    char date[kDatimeSize] = {};
    std::memcpy(date, h.Datime, 8);
    char shown[kDatimeSize] = {};
    ConvertDateFormat(date, shown);
    return shown;
}

// The other account of a transfer is its payee, as Transaction Details shows it.
std::string PayeeText(const AHistory& h)
{
    return h.TransferFlag ? RecordText(h.AccountName) + " Account" : RecordText(h.PayToFm);
}

std::string AmountText(int32_t amount)
{
    char text[kAmountTextSize];
    I2S(amount, text, 1);
    return text;
}

}  // namespace

int RunFind(const CommandArgs& args, std::ostream& out, ConsoleHost& host)
{
    if (!OpenNamedBudget(args.Operands[0], host, BudgetAccess::Read))
        return kExitRefused;
    // Read with the budget's money format, as the dialog reads its fields.
    const FindTexts texts{.Payee = args.Value("--payee"),
                          .For = args.Value("--for"),
                          .Memo = args.Value("--memo"),
                          .Amount = args.Value("--amount"),
                          .Balance = args.Value("--balance"),
                          .Number = args.Value("--number"),
                          .Month = args.Value("--month"),
                          .Year = args.Value("--year"),
                          .Tax = args.Has("--tax"),
                          .Or = args.Has("--or"),
                          .IgnoreCase = args.Has("--ignore-case")};
    FindCriteria criteria;
    if (ReadFindCriteria(texts, criteria) != FindField::None)
        return kExitRefused;
    gFindCriteria = criteria;
    for (const ListedHit& hit : ListFindHits()) {
        const AHistory& h = *hit.Record;
        out << ConsoleText(AccountText(hit.Mi, hit.Si)) << '\t' << hit.Index << '\t' << ConsoleText(DateText(h))
            << '\t' << KindText(h) << '\t' << ConsoleText(PayeeText(h)) << '\t' << ConsoleText(AmountText(h.Amt))
            << '\n';
    }
    return kExitOk;
}
