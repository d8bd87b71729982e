// budget-cli reconcile: reads the statement, prints what it proposes, and with --apply ticks the
// matches and clicks the balance indicator through the functions the balance window uses.
#include "cli/ReconcileCommands.h"

#include "cli/CommandSupport.h"
#include "cli/ConsoleText.h"
#include "ledger/Balance.h"
#include "model/Dates.h"
#include "model/Globals.h"
#include "model/Money.h"
#include "statements/Match.h"
#include "statements/Statement.h"

#include <cstring>
#include <iomanip>
#include <sstream>

const char kReconcileUsage[] =
    "reconcile FILE STATEMENT [--format ofx|qif|csv] [--csv-columns ROLE=NAME,...] [--date-order mdy|dmy|ymd] "
    "[--decimal SYMBOL] [--statement AMOUNT] [--apply]";

const char kReconcileHelp[] =
    "Matches the bank statement file STATEMENT (OFX or QFX, QIF, or CSV with a header line) against\n"
    "the outstanding withdrawals and deposits the balance window lists, and prints the matches, the\n"
    "statement lines that match nothing (with what each would record and the account of the newest\n"
    "record with the same payee), the lines after the statement's closing date (left out) and the\n"
    "difference that would remain. A line matches a check of its check number and amount, else a\n"
    "record of its amount and direction dated at most 7 days away (the nearest; on a tie the older);\n"
    "each record matches at most one line. Reconciled records are never offered again.\n\n"
    "With --apply the matches are ticked, the statement balance stored, and the balance indicator\n"
    "clicked: with a difference of 0 the balancing completes; otherwise the balance error exits 1\n"
    "and nothing is saved.\n\n"
    "--format: the file's kind when its name does not show it (.ofx, .qfx, .qif, .csv).\n"
    "--csv-columns: which columns hold what, as ROLE=NAME separated by commas; ROLE is date, amount,\n"
    "  debit, credit, number, payee or memo; NAME a header name or a column number from 1. Columns\n"
    "  not given are found by their common header names (Date, Amount, Debit, Credit, Check Number,\n"
    "  Description, Memo, ...).\n"
    "--date-order and --decimal: how the file writes dates whose order they do not show (12/05/26)\n"
    "  and amounts; by default as the budget's international settings.\n"
    "--statement: the statement balance (as the balance window's field takes it); by default the\n"
    "  file's closing balance, else the one stored in the budget.";

const char kReconcileOptions[] = "--format= --csv-columns= --date-order= --decimal= --statement= --apply";

namespace {

int ReadOptions(const CommandArgs& args, StatementOptions& options, ConsoleHost& host)
{
    if (args.Has("--format")) {
        const std::string format = args.Value("--format");
        if (format == "ofx" || format == "qfx")
            options.Format = StatementFormat::Ofx;
        else if (format == "qif")
            options.Format = StatementFormat::Qif;
        else if (format == "csv")
            options.Format = StatementFormat::Csv;
        else
            return UsageError(host, "--format takes ofx, qfx, qif or csv");
    }
    if (args.Has("--date-order")) {
        const std::string order = args.Value("--date-order");
        if (order == "mdy")
            options.Order = DateOrder::MonthDayYear;
        else if (order == "dmy")
            options.Order = DateOrder::DayMonthYear;
        else if (order == "ymd")
            options.Order = DateOrder::YearMonthDay;
        else
            return UsageError(host, "--date-order takes mdy, dmy or ymd");
    }
    if (args.Has("--decimal")) {
        const std::string decimal = args.Value("--decimal");
        if (decimal != "." && decimal != ",")
            return UsageError(host, "--decimal takes . or ,");
        options.Decimal = decimal[0];
    }
    std::istringstream columns(args.Value("--csv-columns"));
    for (std::string item; std::getline(columns, item, ',');) {
        const size_t equals = item.find('=');
        const std::string role = item.substr(0, equals);
        const std::string name = equals == std::string::npos ? "" : item.substr(equals + 1);
        CsvColumns& c = options.Columns;
        std::string* column = role == "date"     ? &c.Date
                              : role == "amount" ? &c.Amount
                              : role == "debit"  ? &c.Debit
                              : role == "credit" ? &c.Credit
                              : role == "number" ? &c.Number
                              : role == "payee"  ? &c.Payee
                              : role == "memo"   ? &c.Memo
                                                 : nullptr;
        if (!column || name.empty())
            return UsageError(host, "--csv-columns takes ROLE=NAME,... with ROLE date, amount, debit, credit, "
                                    "number, payee or memo, not \"" + item + "\"");
        *column = name;
    }
    return kExitOk;
}

std::string DisplayDate(const std::string& stored)
{
    char date[kDatimeSize] = {};
    std::strncpy(date, stored.c_str(), 8);
    char display[kDatimeSize] = {};
    ConvertDateFormat(date, display);
    display[8] = 0;
    return display;
}

std::string Amount(int64_t amount, bool symbol = false)
{
    char text[kAmountTextSize];
    I2SWide(amount, text, symbol ? 0 : 1);
    return text;
}

std::string AccountName(int Mi, int Si)
{
    std::string name = RecordText(Accounts[Mi][0].Name);
    if (Si > 0)
        name += "/" + RecordText(Accounts[Mi][Si].Name);
    return name;
}

// The record as the balance window lists it, with its place as balance --tick counts it.
std::string MatchedRecordText(const StatementMatch& m)
{
    int index = 0;
    if (const CBalance* w = m.Withdrawal) {
        for (const CBalance* c = gBalanceCAnchor; c && c != w; c = c->BalanceCFP)
            ++index;
        const std::string kind = w->ATM == kWithdrawalATM     ? "ATM"
                                 : w->ATM == kWithdrawalDebit ? "debit"
                                 : w->BIdent                  ? "check " + std::to_string(w->BIdent)
                                                              : "check";
        return "w" + std::to_string(index) + " " + kind + " of " + DisplayDate(w->BDatime);
    }
    for (const DBalance* d = gBalanceDAnchor; d && d != m.Deposit; d = d->BalanceDFP)
        ++index;
    return "d" + std::to_string(index) + (m.Deposit->DepositID > 0 ? " pay deposit of " : " deposit of ") +
           DisplayDate(m.Deposit->BDatime);
}

std::string LineText(const StatementLine& line)
{
    std::ostringstream text;
    text << "  " << DisplayDate(line.Date) << std::setw(14) << Amount(line.Amount) << "  " << std::left
         << std::setw(8) << (line.Number ? "#" + std::to_string(line.Number) : "") << std::setw(24) << line.Payee;
    return text.str();
}

// A line of the listing, without the padding at its end.
void PrintLine(std::ostream& out, std::string text)
{
    text.erase(text.find_last_not_of(' ') + 1);
    out << ConsoleText(text) << "\n";
}

void PrintProposal(std::ostream& out, const Statement& s, const StatementProposal& p, int32_t balance,
                   const char* balanceSource)
{
    out << "Statement: " << s.Lines.size() << " line(s), statement balance " << Amount(balance, true) << " ("
        << balanceSource << ")";
    if (!s.ClosingDate.empty())
        out << ", closing date " << DisplayDate(s.ClosingDate);
    out << "\n";
    out << "Matched (" << p.Matches.size() << "):\n";
    for (const StatementMatch& m : p.Matches)
        PrintLine(out, LineText(s.Lines[m.Line]) + "  " + MatchedRecordText(m));
    out << "Not matched (" << p.Unmatched.size() << "):\n";
    for (const UnmatchedLine& u : p.Unmatched) {
        const char* kind = u.Kind == LineKind::Deposit ? "a deposit" : u.Kind == LineKind::ATM ? "an ATM withdrawal" : "a debit";
        PrintLine(out, LineText(s.Lines[u.Line]) + "  would record " + kind +
                           (u.Mi >= 0 ? " in " + AccountName(u.Mi, u.Si) : std::string()));
    }
    if (!p.AfterClosing.empty()) {
        out << "After the closing date, left out (" << p.AfterClosing.size() << "):\n";
        for (size_t k : p.AfterClosing)
            PrintLine(out, LineText(s.Lines[k]));
    }
    out << "Difference once the matches are ticked: " << Amount(p.Difference < 0 ? -p.Difference : p.Difference, true)
        << (p.Difference == 0  ? " (balanced)"
            : p.Difference > 0 ? " (the checkbook is under)"
                               : " (the checkbook is over)")
        << "\n";
}

}  // namespace

int RunReconcile(const CommandArgs& args, std::ostream& out, ConsoleHost& host)
{
    StatementOptions options;
    if (const int code = ReadOptions(args, options, host); code != kExitOk)
        return code;
    const bool apply = args.Has("--apply");
    auto act = [&]() -> int {
        Statement statement;
        if (!ReadStatementFile(args.Operands[1], options, statement))
            return kExitRefused;
        // The statement balance the window's field would hold: given, the file's, or the stored one.
        const char* source = "stored";
        const int32_t stored = gBudget.StatementBalance;
        if (args.Has("--statement")) {
            if (!ReadStatementOption(args.Value("--statement")))
                return kExitRefused;
            source = "given";
        } else if (statement.HasClosing) {
            if (!ReadStatementOption(MoneyText(statement.ClosingBalance)))
                return kExitRefused;
            source = "the file's closing balance";
        }
        const int32_t balance = gBudget.StatementBalance;
        if (!apply)
            gBudget.StatementBalance = stored;
        const StatementProposal proposal = ProposeStatement(statement, balance);
        PrintProposal(out, statement, proposal, balance, source);
        if (!apply)
            return kExitOk;
        gBudgetFileChanged = 1;
        TickProposal(proposal);
        return CompleteBalancing(0) ? kExitOk : kExitRefused;
    };
    if (apply)
        return WithBudget(args, host, act);
    if (!OpenNamedBudget(args.Operands[0], host, BudgetAccess::Read))
        return kExitRefused;
    return act();
}
