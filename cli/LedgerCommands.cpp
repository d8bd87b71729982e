// The commands that change a budget. Each reads its operands in the order the matching dialog
// reads its fields, shows the dialog's messages, and records through the dialog's own function.
#include "cli/LedgerCommands.h"

#include "cli/CommandSupport.h"
#include "cli/ReminderCommands.h"

#include "files/BudgetFile.h"
#include "ledger/Accounts.h"
#include "ledger/Balance.h"
#include "ledger/Budget.h"
#include "ledger/Edit.h"
#include "ledger/Recording.h"
#include "ledger/Undo.h"
#include "model/Dates.h"
#include "model/Globals.h"
#include "model/Messages.h"
#include "model/Money.h"

#include <cstring>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string PositionText(Slot slot)
{
    return std::to_string(slot.Mi) + "," + std::to_string(slot.Si);
}

// "@MI,SI" with MI 0 to 25 and SI 0 to 6.
bool ParsePosition(const std::string& text, Slot& slot)
{
    const size_t comma = text.find(',');
    unsigned mi = 0, si = 0;
    if (text.empty() || text[0] != '@' || comma == std::string::npos || !ParseNumber(text.substr(1, comma - 1), mi) ||
        !ParseNumber(text.substr(comma + 1), si) || mi >= kMainAccounts || si >= kSlots)
        return false;
    slot = {static_cast<int>(mi), static_cast<int>(si)};
    return true;
}

}  // namespace

int UsageError(ConsoleHost& host, const std::string& why)
{
    host.Note("budget-cli: " + why);
    return kExitUsage;
}

int Refuse(const std::string& msg1, const std::string& msg2)
{
    HandleSelectionError(msg1.c_str(), msg2.c_str());
    return kExitRefused;
}

namespace {

// The slots that answer to a name as the deposit dialog's account fields look it up: without a
// sub-account name, the main accounts of that name; with one, the slots of that name in the main
// accounts whose name or category name is the first. The dialog takes the first of them.
std::vector<Slot> AccountsNamed(const char* mainName, const char* subName)
{
    std::vector<Slot> found;
    if (!mainName[0])
        return found;
    for (int Mi = 0; Mi < kMainAccounts; ++Mi) {
        const ARecord& main = Accounts[Mi][0];
        if (!subName[0]) {
            if (CString(mainName, main.Name))
                found.push_back({Mi, 0});
            continue;
        }
        if (CString(mainName, main.Name) || CString(mainName, main.SubName))
            for (int Si = 0; Si < kSlots; ++Si)
                if (CString(subName, Accounts[Mi][Si].Name))
                    found.push_back({Mi, Si});
    }
    return found;
}

// The one slot of `found`; two or more are refused with their positions, so the user can give one.
int OneAccount(const std::vector<Slot>& found, const std::string& ref, Slot& slot)
{
    if (found.size() == 1) {
        slot = found.front();
        return kExitOk;
    }
    std::string positions;
    for (const Slot& s : found)
        positions += (positions.empty() ? "" : ", ") + ("@" + PositionText(s));
    return Refuse(std::to_string(found.size()) + " accounts are named " + ref + ":",
                  positions + ". Give the position of the one you mean.");
}

}  // namespace

// The slot an account reference names: a position as it is (an account there or not), or an
// account found by its names as the deposit dialog's 15-character account fields find it. A
// name with "/" is tried whole first, then as CATEGORY/SUB.
int FindAccount(const std::string& ref, Slot& slot, ConsoleHost& host)
{
    if (!ref.empty() && ref[0] == '@') {
        if (ParsePosition(ref, slot))
            return kExitOk;
        return UsageError(host, ref + " is not a position @MI,SI (MI 0 to 25, SI 0 to 6)");
    }
    char mainName[16];
    char subName[16] = "";
    CopyString(ref.c_str(), mainName);
    if (const std::vector<Slot> found = AccountsNamed(mainName, subName); !found.empty())
        return OneAccount(found, mainName, slot);
    const size_t slash = ref.find('/');
    if (slash != std::string::npos) {
        CopyString(ref.substr(0, slash).c_str(), mainName);
        CopyString(ref.substr(slash + 1).c_str(), subName);
        if (const std::vector<Slot> found = AccountsNamed(mainName, subName); !found.empty())
            return OneAccount(found, std::string(mainName) + "/" + subName, slot);
    }
    // The Checkbook is no main account, so the lookup by name never finds it; named, it is
    // refused where it may not be used instead of being reported missing.
    if (ref == Accounts[kCheckbook.Mi][kCheckbook.Si].Name) {
        slot = kCheckbook;
        return kExitOk;
    }
    return Refuse("There is no account named " + std::string(mainName) + (subName[0] ? "/" : "") + subName + ".");
}

int RefuseAmbiguousRowName(const std::string& account, const std::string& sub)
{
    char mainName[16];
    char subName[16];
    CopyString(account.c_str(), mainName);
    CopyString(sub.c_str(), subName);
    const std::vector<Slot> found = AccountsNamed(mainName, subName);
    Slot slot;
    return found.size() > 1 ? OneAccount(found, std::string(mainName) + (subName[0] ? "/" : "") + subName, slot)
                            : kExitOk;
}

bool AmountTextFits(const std::string& text, size_t chars)
{
    if (text.size() <= chars)
        return true;
    HandleDollarConversionError(text.c_str());
    return false;
}

bool ReadAmount(const std::string& text, int32_t& amount)
{
    return AmountTextFits(text) && ReadDialogAmount(text.c_str(), &amount) == 1;
}

bool ReadDateText(const std::string& text, char (&datime)[kDatimeSize])
{
    if (text.size() > kAmountDateChars) {
        HandleDatimeConversionError(text.c_str());
        return false;
    }
    return ReadDialogDatime(text.c_str(), datime) == 1;
}

bool ReadDate(const CommandArgs& args, char (&datime)[kDatimeSize])
{
    if (!args.Has("--date")) {
        GetDatime(datime);
        datime[8] = 0;
        return true;
    }
    return ReadDateText(args.Value("--date"), datime);
}

namespace {

int RefuseEmptyPosition(Slot slot)
{
    return Refuse("There is no account at position " + PositionText(slot) + ".");
}

// An account a transaction may be on, as taking the selection for a transaction allows it:
// any account but the Checkbook.
int FindTransactionAccount(const std::string& ref, Slot& slot, ConsoleHost& host)
{
    if (const int code = FindAccount(ref, slot, host); code != kExitOk)
        return code;
    if (slot == kCheckbook)
        return Refuse("The Checkbook may not be", "selected for this transaction.");
    if (!Accounts[slot.Mi][slot.Si].Valid)
        return RefuseEmptyPosition(slot);
    return kExitOk;
}

}  // namespace

// Record N of ACCOUNT's history, counted from 0 (the newest), as a history window lists it.
int FindRecord(const CommandArgs& args, unsigned index, ConsoleHost& host, Slot& slot, AHistory*& record)
{
    if (const int code = FindAccount(args.Operands[1], slot, host); code != kExitOk)
        return code;
    if (slot != kCheckbook && !Accounts[slot.Mi][slot.Si].Valid)
        return RefuseEmptyPosition(slot);
    record = MemoryAccounts[slot.Mi][slot.Si].HistoryRec;
    for (unsigned k = 0; record && k < index; ++k)
        record = record->HistoryFP;
    if (!record)
        return UsageError(host, args.Operands[1] + " has no record " + args.Operands[2]);
    return kExitOk;
}

namespace {

// The account, amount and date of a one-account transaction, read in the order its dialog
// reads them.
struct Transaction {
    Slot slot;
    int32_t amount = 0;
    char datime[kDatimeSize] = {};
};

// Opens FILE, reads the transaction and hands it to `record`, which returns the exit code;
// the budget is saved only when that is success.
template <typename Record>
int WithTransaction(const CommandArgs& args, ConsoleHost& host, Record record)
{
    return WithBudget(args, host, [&] {
        Transaction t;
        if (const int code = FindTransactionAccount(args.Operands[1], t.slot, host); code != kExitOk)
            return code;
        if (!ReadAmount(args.Operands[2], t.amount) || !ReadDate(args, t.datime))
            return kExitRefused;
        return record(t);
    });
}

// The Write Check dialog's OK in either face.
int RecordCheckOrDebit(const CommandArgs& args, ConsoleHost& host, bool debit)
{
    return WithTransaction(args, host, [&](const Transaction& t) {
        const auto& [slot, amount, datime] = t;
        const Field<kPayeeChars + 1> payTo(args.Value("--to"));
        if (!PayToGiven(payTo.Text))
            return kExitRefused;
        const Field<kForChars + 1> xfor(args.Value("--for"));
        const Field<kMemoChars + 1> memo(args.Value("--memo"));
        CheckEntry entry;
        entry.Amount = amount;
        entry.Datime = datime;
        entry.PayTo = payTo.Text;
        entry.For = xfor.Text;
        entry.Debit = debit;
        entry.Tax = args.Has("--tax");
        AHistory* prior = nullptr;
        if (const int code = ReadRemindMe(args, slot, payTo.Text, host, &entry.Remind, &prior); code != kExitOk)
            return code;
        if (!debit) {
            entry.Memo = memo.Text;
            if (Accounts[slot.Mi][slot.Si].SavingsFlag) {
                if (args.Has("--number"))
                    return UsageError(host, "a savings account's checks have no number");
            } else {
                const std::string next = std::to_string(static_cast<uint32_t>(gBudget.HighestIdent));
                if (!ReadCheckNumber(args.Value("--number", next), &entry.Number))
                    return kExitRefused;
            }
        }
        const AHistory* rec = RecordCheck(slot.Mi, slot.Si, entry);
        TellRemindMe(rec, prior, entry.Remind, host);
        return rec ? kExitOk : kExitRefused;
    });
}

// Both kinds of balancing record, walked alike.
CBalance* Next(CBalance* record)
{
    return record->BalanceCFP;
}
DBalance* Next(DBalance* record)
{
    return record->BalanceDFP;
}

template <typename Record>
void TickAll(Record* first)
{
    for (Record* r = first; r; r = Next(r))
        SetBalanceTick(r, true);
}

template <typename Record>
bool TickNth(Record* first, unsigned n)
{
    while (first && n--)
        first = Next(first);
    if (first)
        SetBalanceTick(first, true);
    return first != nullptr;
}

// Ticks what --tick lists: "all", or withdrawals wK and deposits dK counted from 0 in the order
// the balance window lists them.
int TickOutstanding(const std::string& list, ConsoleHost& host)
{
    if (list == "all") {
        TickAll(gBalanceCAnchor);
        TickAll(gBalanceDAnchor);
        return kExitOk;
    }
    std::istringstream items(list);
    for (std::string item; std::getline(items, item, ',');) {
        unsigned index = 0;
        if (item.size() < 2 || (item[0] != 'w' && item[0] != 'd') || !ParseNumber(item.substr(1), index))
            return UsageError(host, "--tick takes all or a list such as w0,w3,d1, not \"" + item + "\"");
        const bool ticked = item[0] == 'w' ? TickNth(gBalanceCAnchor, index) : TickNth(gBalanceDAnchor, index);
        if (!ticked)
            return UsageError(host, "there is no outstanding " + std::string(item[0] == 'w' ? "withdrawal " : "deposit ") +
                                        item);
    }
    return kExitOk;
}

constexpr const char* kSavingsUsage =
    "--savings is for a main account; a sub account is savings when its main account is";

// Where add-account puts the new account, as New Account chooses it: with nothing selected in
// the main window (plain, `at` is no position), as a new sub account of MAIN (--under), or with
// the box `at` selected in the window that shows it (--at).
int NewAccountSlot(const CommandArgs& args, Slot at, Slot& slot, ConsoleHost& host)
{
    if (args.Has("--under")) {
        Slot main;
        if (const int code = FindAccount(args.Value("--under"), main, host); code != kExitOk)
            return code;
        if (main.Si != 0)
            return UsageError(host, "--under takes a main account, not " + args.Value("--under"));
        if (main.Mi > 0 && !Accounts[main.Mi][0].Valid)
            return RefuseEmptyPosition(main);
        slot.Mi = main.Mi;
        return ChooseSubAccountSlot(main.Mi, &slot.Si) ? kExitOk : kExitRefused;
    }
    FrontWindow front{FrontWindow::Main};
    if (at.Si > 0) {
        // A sub-account box is selected in its row's sub-account window, which an empty main
        // account does not have.
        if (!Accounts[at.Mi][0].Valid)
            return RefuseEmptyPosition({at.Mi, 0});
        front = {FrontWindow::SubAccounts, at.Mi};
    }
    return ChooseNewAccountSlot(at.Mi, at.Si, front, &slot.Mi, &slot.Si) ? kExitOk : kExitRefused;
}

}  // namespace

int RunAddAccount(const CommandArgs& args, std::ostream&, ConsoleHost& host)
{
    Slot at;
    if (args.Has("--at") && args.Has("--under"))
        return UsageError(host, "--at and --under exclude each other");
    if (args.Has("--at") && (!ParsePosition("@" + args.Value("--at"), at) || at.Mi == 0))
        return UsageError(host, "--at takes a position MI,SI with MI 1 to 25 and SI 0 to 6");
    if (args.Has("--savings") && (args.Has("--under") || at.Si > 0))
        return UsageError(host, kSavingsUsage);
    return WithBudget(args, host, [&] {
        Slot slot;
        if (const int code = NewAccountSlot(args, at, slot, host); code != kExitOk)
            return code;
        if (args.Has("--savings") && slot.Si > 0)
            return UsageError(host, kSavingsUsage);
        const Field<kAccountNameChars + 1> name(args.Operands[1]);
        if (!AccountNameGiven(name.Text))
            return kExitRefused;
        int32_t payAmounts[kPayers][kPaysPerMonth];
        std::memcpy(payAmounts, Accounts[slot.Mi][slot.Si].PayAmount, sizeof payAmounts);
        if (!RecordAccountSetup(slot.Mi, slot.Si, name.Text, args.Has("--savings"), payAmounts))
            return kExitRefused;
        // No dialog asks for the category name here: the row is titled until the user names it.
        TitleUnnamedCategory(slot.Mi);
        return kExitOk;
    });
}

int RunCheck(const CommandArgs& args, std::ostream&, ConsoleHost& host)
{
    return RecordCheckOrDebit(args, host, false);
}

int RunDebit(const CommandArgs& args, std::ostream&, ConsoleHost& host)
{
    return RecordCheckOrDebit(args, host, true);
}

int RunATM(const CommandArgs& args, std::ostream&, ConsoleHost& host)
{
    return WithTransaction(args, host, [](const Transaction& t) {
        return RecordATM(t.slot.Mi, t.slot.Si, t.amount, t.datime) ? kExitOk : kExitRefused;
    });
}

int RunDeposit(const CommandArgs& args, std::ostream&, ConsoleHost& host)
{
    return WithTransaction(args, host, [&](const Transaction& t) {
        const Field<kPayeeChars + 1> from(args.Value("--from"));
        if (!FromGiven(from.Text))
            return kExitRefused;
        const Field<kForChars + 1> xfor(args.Value("--for"));
        bool remind = false;
        AHistory* prior = nullptr;
        if (const int code = ReadRemindMe(args, t.slot, from.Text, host, &remind, &prior); code != kExitOk)
            return code;
        const AHistory* rec = RecordDeposit(t.slot.Mi, t.slot.Si, t.amount, from.Text, t.datime, xfor.Text, remind);
        TellRemindMe(rec, prior, remind, host);
        return rec ? kExitOk : kExitRefused;
    });
}

int RunTransfer(const CommandArgs& args, std::ostream&, ConsoleHost& host)
{
    return WithBudget(args, host, [&] {
        Slot from, to;
        if (const int code = FindTransactionAccount(args.Operands[1], from, host); code != kExitOk)
            return code;
        if (const int code = FindTransactionAccount(args.Operands[2], to, host); code != kExitOk)
            return code;
        if (from == to)
            return Refuse("Two accounts need to be selected.");
        int32_t amount = 0;
        char datime[kDatimeSize];
        if (!ReadAmount(args.Operands[3], amount) || !ReadDate(args, datime))
            return kExitRefused;
        const Field<kForChars + 1> xfor(args.Value("--for"));
        return RecordTransfer(from.Mi, from.Si, to.Mi, to.Si, amount, datime, xfor.Text) ? kExitOk : kExitRefused;
    });
}

int RunUndo(const CommandArgs& args, std::ostream&, ConsoleHost& host)
{
    unsigned index = 0;
    if (!ParseNumber(args.Operands[2], index))
        return UsageError(host, "N counts the account's records from 0 (the newest)");
    return WithBudget(args, host, [&] {
        Slot slot;
        AHistory* record = nullptr;
        if (const int code = FindRecord(args, index, host, slot, record); code != kExitOk)
            return code;
        const int messages = host.MessageCount;
        gSelectedItem = record;
        BudgetUndo(slot.Mi, slot.Si);
        gSelectedItem = nullptr;
        if (host.MessageCount != messages)
            return kExitRefused;
        if (!record->UnDone) {
            host.Note("Undo: nothing was undone.");
            return kExitRefused;
        }
        return kExitOk;
    });
}

int RunEdit(const CommandArgs& args, std::ostream&, ConsoleHost& host)
{
    unsigned index = 0;
    if (!ParseNumber(args.Operands[2], index))
        return UsageError(host, "N counts the account's records from 0 (the newest)");
    const std::string tax = args.Value("--tax");
    if (args.Has("--tax") && tax != "on" && tax != "off")
        return UsageError(host, "--tax takes on or off");
    return WithBudget(args, host, [&] {
        Slot slot;
        AHistory* record = nullptr;
        if (const int code = FindRecord(args, index, host, slot, record); code != kExitOk)
            return code;
        if (!CheckEditable(record))
            return kExitRefused;
        // Only what the editor shows for this kind of transaction can be changed.
        static const std::pair<const char*, int> kFields[] = {
            {"--to", kEditPayee},      {"--for", kEditFor}, {"--memo", kEditMemo},
            {"--number", kEditNumber}, {"--tax", kEditTax},
        };
        const int fields = EditFields(record);
        for (const auto& [option, field] : kFields)
            if (args.Has(option) && !(fields & field))
                return UsageError(host, std::string(option) + ": the editor shows no such field for this transaction");

        // What is not given keeps what the editor shows; read in the editor's order.
        EditEntry entry;
        entry.Amount = record->Amt;
        if (args.Has("--amount") && !ReadAmount(args.Value("--amount"), entry.Amount))
            return kExitRefused;
        char datime[kDatimeSize] = {};
        std::memcpy(datime, record->Datime, 8);
        if (args.Has("--date") && !ReadDateText(args.Value("--date"), datime))
            return kExitRefused;
        entry.Datime = datime;
        const Field<kPayeeChars + 1> payTo(args.Value("--to", RecordText(record->PayToFm)));
        const Field<kForChars + 1> xfor(args.Value("--for", RecordText(record->For)));
        const Field<kMemoChars + 1> memo(args.Value("--memo", RecordText(record->Memo)));
        entry.PayTo = payTo.Text;
        entry.For = xfor.Text;
        entry.Memo = memo.Text;
        entry.Number = static_cast<uint32_t>(record->CheckID);
        if (args.Has("--number") && !ReadCheckNumber(args.Value("--number"), &entry.Number))
            return kExitRefused;
        entry.Tax = args.Has("--tax") ? tax == "on" : record->TaxFlag != 0;

        const int messages = host.MessageCount;
        if (RecordEdit(record, entry))
            return kExitOk;
        if (host.MessageCount == messages)
            host.Note("Edit: a reconciled transaction keeps its amount and check number.");
        return kExitRefused;
    });
}

int RunMove(const CommandArgs& args, std::ostream&, ConsoleHost& host)
{
    return WithBudget(args, host, [&] {
        Slot from, to;
        if (const int code = FindAccount(args.Operands[1], from, host); code != kExitOk)
            return code;
        if (const int code = FindAccount(args.Operands[2], to, host); code != kExitOk)
            return code;
        // Only account boxes take part in a move: the Checkbook's box is neither a source nor a
        // target, and the rest of the first row shows no boxes at all.
        if (from == kCheckbook || to == kCheckbook)
            return Refuse("The Checkbook may not be", "selected for this transaction.");
        if (!Accounts[from.Mi][from.Si].Valid)
            return RefuseEmptyPosition(from);
        if (to.Mi == 0 && to.Si > 1)
            return UsageError(host, "no account box is at position " + PositionText(to));
        if (to.Si > 0 && !Accounts[to.Mi][0].Valid)
            return RefuseEmptyPosition({to.Mi, 0});  // no sub-account window shows the position
        if (from == to)
            return kExitOk;
        const int messages = host.MessageCount;
        SwitchAccounts(from.Mi, from.Si, to.Mi, to.Si);
        return host.MessageCount == messages ? kExitOk : kExitRefused;
    });
}

bool ReadStatementOption(const std::string& statement)
{
    // The statement field: empty text leaves the stored statement balance, as in the window;
    // what the window ignores silently is refused here with the reason.
    if (!statement.empty() && (statement.size() > kAmountDateChars || !ReadStatementText(statement))) {
        HandleDollarConversionError(statement.c_str());
        return false;
    }
    return true;
}

int RunBalance(const CommandArgs& args, std::ostream&, ConsoleHost& host)
{
    if (!args.Has("--statement"))
        return UsageError(host, "--statement AMOUNT is required");
    return WithBudget(args, host, [&] {
        if (!ReadStatementOption(args.Value("--statement")))
            return kExitRefused;
        if (const int code = TickOutstanding(args.Value("--tick"), host); code != kExitOk)
            return code;
        return CompleteBalancing(args.Has("--force") ? 1 : 0) ? kExitOk : kExitRefused;
    });
}
