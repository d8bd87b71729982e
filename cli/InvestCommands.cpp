// budget-cli invest: lists the investment accounts, or runs one action on them through the
// functions the investment dialogs record with, reading shares and prices as those dialogs do.
#include "cli/InvestCommands.h"

#include "cli/CommandSupport.h"
#include "cli/ConsoleText.h"

#include "files/TextExport.h"
#include "investments/Invest.h"
#include "investments/InvestRecording.h"
#include "model/BudgetText.h"
#include "model/Dates.h"
#include "model/Globals.h"
#include "model/Messages.h"
#include "model/Money.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <string>
#include <vector>

#define INVEST_NAME_HELP                                                                             \
    "NAME names an investment account by its name, or by its position @II (1 to 25); a name that\n" \
    "several accounts have is refused with their positions."
#define SHARES_PRICE_HELP                                                                             \
    "SHARES and PRICE are read as the share and price dialogs read them: with the default money\n"   \
    "settings three decimal places (10.5, 12.345); PRICE from 0.001 to 100,000.000. DATE is read\n" \
    "as the dialogs' date field reads it, completed from today, and defaults to today. Each is at\n"  \
    "most 15 characters, as the dialogs' fields hold."

const char kInvestUsage[] = "invest FILE [ACTION ...] [--json]";
const char kInvestOptions[] = "--json --slot= --date= --delete --history-file=";
const char kInvestHelp[] =
    "Without an ACTION lists the investment accounts and the portfolio: shares, latest price, cost\n"
    "basis, market value, performance and the date of the latest price, then when the market\n"
    "values were last all current; with --json the same as JSON, with the stored numbers (shares\n"
    "and prices in thousandths, money in cents). The actions change the budget as the investment\n"
    "dialogs do:\n"
    "  add NAME [--slot II]          name a new investment account\n"
    "  rename NAME NEW               rename one\n"
    "  buy NAME SHARES PRICE [--date DATE]\n"
    "  sell NAME SHARES PRICE [--date DATE]\n"
    "  price NAME PRICE [--date DATE]\n"
    "  cost-basis NAME AMOUNT [--date DATE]\n"
    "  note NAME [TEXT | --delete]\n"
    "  delete NAME --history-file PATH\n"
    "  swap NAME NAME\n"
    "budget-cli invest ACTION --help describes one.";

namespace {

struct Action {
    const char* Name;
    const char* Usage;
    const char* Help;
    size_t Operands;          // after the action's name
    size_t OptionalOperands;  // that may follow them
    const char* Options;      // of kInvestOptions, the ones the action takes
    int (*Run)(const CommandArgs& args, std::ostream& out, ConsoleHost& host);
};

// The operands after the action's name.
const std::string& Operand(const CommandArgs& args, size_t k)
{
    return args.Operands[2 + k];
}

// A position @II, II 1 to 25.
bool ParseInvestPosition(const std::string& text, int& Ii)
{
    unsigned n = 0;
    if (text.size() < 2 || text[0] != '@' || !ParseNumber(text.substr(1), n) || n < 1 || n >= kInvestments)
        return false;
    Ii = static_cast<int>(n);
    return true;
}

// The slot NAME names: a position as it is (an account there or not), or the one account of that
// name (as the Name field holds it).
int FindInvestSlot(const std::string& ref, int& Ii, ConsoleHost& host)
{
    if (!ref.empty() && ref[0] == '@') {
        if (ParseInvestPosition(ref, Ii))
            return kExitOk;
        return UsageError(host, ref + " is not an investment position @II (II 1 to 25)");
    }
    const Field<kInvestNameChars + 1> name(ref);
    std::vector<int> found;
    for (int k = 1; k < kInvestments; ++k)
        if (Invest[k].Valid && CString(name.Text, Invest[k].Name))
            found.push_back(k);
    if (found.size() == 1) {
        Ii = found.front();
        return kExitOk;
    }
    if (found.empty())
        return Refuse("There is no investment named " + std::string(name.Text) + ".");
    std::string positions;
    for (const int k : found)
        positions += (positions.empty() ? "@" : ", @") + std::to_string(k);
    return Refuse(std::to_string(found.size()) + " investments are named " + name.Text + ":",
                  positions + ". Give the position of the one you mean.");
}

// The account NAME names, which must exist.
int FindInvestment(const std::string& ref, int& Ii, ConsoleHost& host)
{
    if (const int code = FindInvestSlot(ref, Ii, host); code != kExitOk)
        return code;
    if (!Invest[Ii].Valid)
        return Refuse("There is no investment at position " + std::to_string(Ii) + ".");
    return kExitOk;
}

// Field text longer than the dialogs' edits hold is refused with the field's own message: what is
// left of a cut number is another number.
bool FieldFits(const std::string& text, void (*message)(const char*))
{
    if (text.size() <= kAmountDateChars)
        return true;
    message(text.c_str());
    return false;
}

// DATE as the date edit holds it: --date, or today as the dialogs offer it.
bool DateText(const CommandArgs& args, std::string& date)
{
    if (!args.Has("--date")) {
        char today[kDatimeSize];
        GetDisplayToday(today);
        date = today;
        return true;
    }
    date = args.Value("--date");
    return FieldFits(date, HandleDatimeConversionError);
}

// --- Listing -------------------------------------------------------------------------------

std::string Shares(int32_t shares)
{
    char text[kAmountTextSize];
    Display3Digits(shares, text, 1);
    return text;
}

std::string Price(int32_t price)
{
    char text[kAmountTextSize];
    Display3Digits(price, text, 0);
    return text;
}

std::string Money(int64_t amount)
{
    char text[kAmountTextSize];
    I2SWide(amount, text, 0);
    return text;
}

std::string DisplayDate(const char (&datime)[16])
{
    const std::string stored = RecordText(datime).substr(0, 8);
    char date[kDatimeSize] = {};
    if (stored.empty() || !ConvertDateFormat(stored.c_str(), date))
        return stored;
    return date;
}

// One row of the table; text is budget text, padded by its characters before it is converted.
void Row(std::ostream& out, const std::vector<std::string>& cells)
{
    static const size_t kWidths[] = {4, 16, 16, 14, 17, 17, 12, 0};
    std::string line;
    for (size_t k = 0; k < cells.size(); ++k) {
        std::string cell = cells[k];
        if (k == 0)
            cell.insert(0, kWidths[0] > cell.size() ? kWidths[0] - cell.size() : 0, ' ');
        line += cell;
        if (k + 1 < cells.size())
            line += std::string(std::max<size_t>(kWidths[k] > cell.size() ? kWidths[k] - cell.size() : 0, 1), ' ');
    }
    while (!line.empty() && line.back() == ' ')
        line.pop_back();
    out << ConsoleText(line) << "\n";
}

void ListTable(std::ostream& out)
{
    Row(out, {"Slot", "Name", "Shares", "Price", "Cost basis", "Market value", "Performance", "Date"});
    for (int Ii = 1; Ii < kInvestments; ++Ii) {
        const IRecord& r = Invest[Ii];
        if (!r.Valid)
            continue;
        const InvestFigures f = FiguresOf(Ii);
        Row(out, {std::to_string(Ii), RecordText(r.Name), Shares(r.NumberOfShares), Price(r.CostPerShare),
                  Money(f.CostBasis), Money(f.MarketValue), PerformanceText(f.Performance), DisplayDate(r.Datime)});
    }
    const InvestFigures total = FiguresOf(0);
    Row(out, {"", RecordText(Invest[0].Name), "", "", Money(total.CostBasis), Money(total.MarketValue),
              PerformanceText(total.Performance), DisplayDate(Invest[0].Datime)});
}

QString JsonText(const std::string& budgetText)
{
    return DecodeBudgetText(budgetText);
}

void ListJson(std::ostream& out, bool current)
{
    QJsonArray accounts;
    for (int Ii = 1; Ii < kInvestments; ++Ii) {
        const IRecord& r = Invest[Ii];
        if (!r.Valid)
            continue;
        const InvestFigures f = FiguresOf(Ii);
        accounts.append(QJsonObject{
            {"Ii", Ii},
            {"Name", JsonText(RecordText(r.Name))},
            {"NumberOfShares", r.NumberOfShares},
            {"CostPerShare", r.CostPerShare},
            {"AmountPaid", r.AmountPaid},
            {"MarketValue", static_cast<qint64>(f.MarketValue)},
            {"Performance", static_cast<qint64>(f.Performance)},
            {"Datime", JsonText(RecordText(r.Datime))},
            {"Note", JsonText(RecordText(r.Note))},
        });
    }
    const InvestFigures total = FiguresOf(0);
    const QJsonObject portfolio{
        {"Name", JsonText(RecordText(Invest[0].Name))},
        {"AmountPaid", Invest[0].AmountPaid},
        {"MarketValue", static_cast<qint64>(total.MarketValue)},
        {"Performance", static_cast<qint64>(total.Performance)},
        {"Datime", JsonText(RecordText(Invest[0].Datime))},
    };
    const QJsonObject all{
        {"accounts", accounts},
        {"portfolio", portfolio},
        {"current", current},
        {"info", JsonText(gInvestInfoBox)},
    };
    out << QJsonDocument(all).toJson(QJsonDocument::Indented).toStdString();
}

int List(const CommandArgs& args, std::ostream& out, ConsoleHost& host)
{
    if (!OpenNamedBudget(args.Operands[0], host, BudgetAccess::Read))
        return kExitRefused;
    // As the investment view does before it shows the portfolio; the file is not changed.
    const bool current = MarketValueCheck() == 1;
    if (args.Has("--json")) {
        ListJson(out, current);
        return kExitOk;
    }
    ListTable(out);
    out << ConsoleText(gInvestInfoBox) << "\n";
    return kExitOk;
}

// --- Actions -------------------------------------------------------------------------------

int RunAdd(const CommandArgs& args, std::ostream&, ConsoleHost& host)
{
    int at = 0;
    if (args.Has("--slot") && !ParseInvestPosition("@" + args.Value("--slot"), at))
        return UsageError(host, "--slot takes a position 1 to 25");
    return WithBudget(args, host, [&] {
        int Ii = 0;
        if (!ChooseNewInvestAccount(at, &Ii) || !RecordInvestName(Ii, Operand(args, 0)))
            return kExitRefused;
        return kExitOk;
    });
}

int RunRename(const CommandArgs& args, std::ostream&, ConsoleHost& host)
{
    return WithBudget(args, host, [&] {
        int Ii = 0;
        if (const int code = FindInvestment(Operand(args, 0), Ii, host); code != kExitOk)
            return code;
        return RecordInvestName(Ii, Operand(args, 1)) ? kExitOk : kExitRefused;
    });
}

int Trade(const CommandArgs& args, ConsoleHost& host, int buysell)
{
    const std::string& shares = Operand(args, 1);
    const std::string& price = Operand(args, 2);
    return WithBudget(args, host, [&] {
        int Ii = 0;
        if (const int code = FindInvestment(Operand(args, 0), Ii, host); code != kExitOk)
            return code;
        std::string date;
        // In the dialog's order: price, date, shares.
        if (!FieldFits(price, HandleDollarConversionError) || !DateText(args, date) ||
            !FieldFits(shares, HandleNumberConversionError))
            return kExitRefused;
        return SharePurchaseOK(buysell, Ii, price.c_str(), date.c_str(), shares.c_str()) ? kExitOk : kExitRefused;
    });
}

int RunBuy(const CommandArgs& args, std::ostream&, ConsoleHost& host)
{
    return Trade(args, host, 1);
}

int RunSell(const CommandArgs& args, std::ostream&, ConsoleHost& host)
{
    return Trade(args, host, 0);
}

// The price and cost basis dialogs: one amount and the date.
int AmountAndDate(const CommandArgs& args, ConsoleHost& host,
                  bool (*record)(int Ii, const char* amount, const char* date))
{
    const std::string& amount = Operand(args, 1);
    return WithBudget(args, host, [&] {
        int Ii = 0;
        if (const int code = FindInvestment(Operand(args, 0), Ii, host); code != kExitOk)
            return code;
        std::string date;
        if (!FieldFits(amount, HandleDollarConversionError) || !DateText(args, date))
            return kExitRefused;
        return record(Ii, amount.c_str(), date.c_str()) ? kExitOk : kExitRefused;
    });
}

int RunPrice(const CommandArgs& args, std::ostream&, ConsoleHost& host)
{
    return AmountAndDate(args, host, [](int Ii, const char* price, const char* date) {
        return PricePerShareOK(Ii, price, date) != nullptr;
    });
}

int RunCostBasis(const CommandArgs& args, std::ostream&, ConsoleHost& host)
{
    return AmountAndDate(args, host, [](int Ii, const char* amount, const char* date) {
        return CostBasisOK(Ii, amount, date) != 0;
    });
}

int RunNote(const CommandArgs& args, std::ostream& out, ConsoleHost& host)
{
    const bool text = args.Operands.size() > 3;
    if (text && args.Has("--delete"))
        return UsageError(host, "give TEXT or --delete, not both");
    if (!text && !args.Has("--delete")) {
        if (!OpenNamedBudget(args.Operands[0], host, BudgetAccess::Read))
            return kExitRefused;
        int Ii = 0;
        if (const int code = FindInvestment(Operand(args, 0), Ii, host); code != kExitOk)
            return code;
        const std::string note = RecordText(Invest[Ii].Note);
        out << ConsoleText(note, LineBreaks::Note) << (note.empty() ? "" : "\n");
        return kExitOk;
    }
    return WithBudget(args, host, [&] {
        int Ii = 0;
        if (const int code = FindInvestment(Operand(args, 0), Ii, host); code != kExitOk)
            return code;
        RecordInvestNote(Ii, text ? Operand(args, 1).c_str() : "");
        return kExitOk;
    });
}

int RunDelete(const CommandArgs& args, std::ostream&, ConsoleHost& host)
{
    if (args.Value("--history-file").empty())
        return UsageError(host, "--history-file PATH is required");
    return WithBudget(args, host, [&] {
        int Ii = 0;
        if (const int code = FindInvestSlot(Operand(args, 0), Ii, host); code != kExitOk)
            return code;
        host.ChosenPath = args.Value("--history-file");
        const int messages = host.MessageCount;
        if (RecordDeleteInvestAccount(Ii))
            return kExitOk;
        if (host.MessageCount == messages)
            host.Note("Delete Account: nothing deleted.");
        return kExitRefused;
    });
}

int RunSwap(const CommandArgs& args, std::ostream&, ConsoleHost& host)
{
    return WithBudget(args, host, [&] {
        int fm = 0;
        int too = 0;
        if (const int code = FindInvestment(Operand(args, 0), fm, host); code != kExitOk)
            return code;
        if (const int code = FindInvestSlot(Operand(args, 1), too, host); code != kExitOk)
            return code;
        if (fm == too)
            return UsageError(host, "swap takes two different investments");
        SwitchInvest(fm, too);
        return kExitOk;
    });
}

const Action kActions[] = {
    {"add", "invest FILE add NAME [--slot II]",
     "Names a new investment account as the New Investment Account dialog does (the name is cut\n"
     "to 15 characters and may not be empty): in the first free box, or with --slot in box II\n"
     "when it is free.",
     1, 0, "--slot=", RunAdd},
    {"rename", "invest FILE rename NAME NEW",
     "Renames an investment account as the New Investment Account dialog does (NEW is cut to 15\n"
     "characters and may not be empty).\n\n" INVEST_NAME_HELP,
     2, 0, "", RunRename},
    {"buy", "invest FILE buy NAME SHARES PRICE [--date DATE]",
     "Buys SHARES at PRICE as the Buy dialog does: the holding grows, the price becomes the latest,\n"
     "and the cost basis of the account and of the portfolio grows by the shares' value at PRICE.\n"
     "A purchase that would leave a holding, cost basis or market value (of the account or the\n"
     "portfolio) larger than an amount holds is refused.\n\n" INVEST_NAME_HELP "\n\n" SHARES_PRICE_HELP,
     3, 0, "--date=", RunBuy},
    {"sell", "invest FILE sell NAME SHARES PRICE [--date DATE]",
     "Sells SHARES at PRICE as the Sell dialog does: not more than the account holds. The cost\n"
     "basis loses the part the shares sold are of the holding (all of it when none are left); the\n"
     "portfolio's loses the same and never goes below zero.\n\n" INVEST_NAME_HELP "\n\n" SHARES_PRICE_HELP,
     3, 0, "--date=", RunSell},
    {"price", "invest FILE price NAME PRICE [--date DATE]",
     "Records a new price per share as the Price per share dialog does (a record of no shares).\n\n" INVEST_NAME_HELP
     "\n\n" SHARES_PRICE_HELP,
     2, 0, "--date=", RunPrice},
    {"cost-basis", "invest FILE cost-basis NAME AMOUNT [--date DATE]",
     "Sets the account's cost basis as the Cost basis dialog does; the portfolio's follows. AMOUNT\n"
     "is money (0.01 to 1,000,000.00 with the default settings); the date must be valid but is not\n"
     "stored.\n\n" INVEST_NAME_HELP,
     2, 0, "--date=", RunCostBasis},
    {"note", "invest FILE note NAME [TEXT | --delete]",
     "Without TEXT prints the investment's note. With TEXT stores it as the Notes dialog does (cut\n"
     "to 252 characters); --delete empties it.\n\n" INVEST_NAME_HELP,
     1, 1, "--delete", RunNote},
    {"delete", "invest FILE delete NAME --history-file PATH",
     "Deletes the investment account as the Delete Account dialog does: its history, but the price\n"
     "updates, is written to the text file PATH (an existing file is not replaced) when there is\n"
     "any; the portfolio's cost basis loses the account's; the box is emptied.\n\n" INVEST_NAME_HELP,
     1, 0, "--history-file=", RunDelete},
    {"swap", "invest FILE swap NAME NAME",
     "Exchanges two investment boxes with their histories, as dragging one onto the other does;\n"
     "the second may be an empty box, given as @II.\n\n" INVEST_NAME_HELP,
     2, 0, "", RunSwap},
};

const Action* FindAction(const std::string& name)
{
    for (const Action& a : kActions)
        if (name == a.Name)
            return &a;
    return nullptr;
}

// Whether the option is one of the action's (each is written as in kInvestOptions).
bool TakesOption(const char* options, const std::string& option)
{
    const std::string words = std::string(" ") + options + " ";
    return words.find(" " + option + " ") != std::string::npos || words.find(" " + option + "= ") != std::string::npos;
}

}  // namespace

bool PrintInvestActionHelp(const std::vector<std::string>& args, std::ostream& out)
{
    for (const std::string& a : args)
        if (const Action* action = FindAction(a)) {
            out << "Usage: budget-cli " << action->Usage << "\n\n" << action->Help << "\n";
            return true;
        }
    return false;
}

int RunInvest(const CommandArgs& args, std::ostream& out, ConsoleHost& host)
{
    const Action* action = nullptr;
    if (args.Operands.size() > 1) {
        action = FindAction(args.Operands[1]);
        if (!action)
            return UsageError(host, "invest has no action \"" + args.Operands[1] + "\"");
        const size_t given = args.Operands.size() - 2;
        if (given < action->Operands || given > action->Operands + action->OptionalOperands)
            return UsageError(host, std::string("usage: budget-cli ") + action->Usage);
    }
    for (const auto& [option, value] : args.Options) {
        (void)value;
        const bool allowed = action ? TakesOption(action->Options, option) : option == "--json";
        if (!allowed && option != "--yes" && option != "--shortfall")
            return UsageError(host, option + " is no option of invest" + (action ? std::string(" ") + action->Name : ""));
    }
    return action ? action->Run(args, out, host) : List(args, out, host);
}

int FindInvestmentAccount(const std::string& ref, int& Ii, ConsoleHost& host)
{
    return FindInvestment(ref, Ii, host);
}
