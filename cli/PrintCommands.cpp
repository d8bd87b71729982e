// The printing commands of budget-cli: words, layout and print-check.
#include "cli/PrintCommands.h"

#include "cli/CommandSupport.h"

#include "model/Messages.h"
#include "printing/CheckPrint.h"

#include <QByteArray>

#include <cstdio>
#include <string>
#include <vector>

const char kWordsUsage[] = "words AMOUNT [--places N]";
const char kWordsHelp[] =
    "Prints AMOUNT in words as a printed check spells it, in capitals: ONE THOUSAND TWO HUNDRED\n"
    "THIRTY FOUR AND 56/100. AMOUNT is read in the default money format with N decimal places\n"
    "(0 to 4, default 2); the fraction is written over its unit (AND 5/10 with one place), and\n"
    "with no places the words of the whole amount stand alone. No budget is read.";
const char kWordsOptions[] = "--places=";

const char kLayoutUsage[] = "layout FILE [--set FIELD LEFT TOP RIGHT BOTTOM] [--clear FIELD]";
const char kLayoutHelp[] =
    "Without options lists the ten fields of the check layout with their boxes, as Check Setup\n"
    "lays them out (in units of the print window: a printed check is a frame 648 units wide and\n"
    "792 high, of which the window shows the top 280). --set places the box of FIELD; --clear\n"
    "takes it away. FIELD is the index 0 to 9 or the caption (\"Pay To\", \"Amount\", \"Wrd Amt\",\n"
    "\"Memo\", \"Date\", \"Day\", \"Month\", \"Year\", \"Ident\", \"Signature\"). A box needs LEFT below\n"
    "RIGHT (0 to 648) and TOP below BOTTOM (TOP from 1, BOTTOM to 792). The layout is then listed.";
const char kLayoutOptions[] = "--set=5 --clear=";

const char kPrintCheckUsage[] = "print-check FILE ACCOUNT N --pdf OUT.pdf";
const char kPrintCheckHelp[] =
    "Prints record N of ACCOUNT's history (0 = the newest) as Print Check does, with the budget's\n"
    "check layout and print font, into the PDF file OUT.pdf (an existing file is not replaced),\n"
    "and marks the record printed. Refused: a layout without the Pay To, Amount and Wrd Amt boxes\n"
    "(Setup Error 1) or without Date or both Day and Month (Setup Error 2), and a record that is\n"
    "no check, debit or ATM withdrawal of its own. ACCOUNT names an account as the deposit\n"
    "dialog's account fields do, or by its position @MI,SI.";
const char kPrintCheckOptions[] = "--pdf=";

namespace {

// A whole number, possibly negative, written with digits only.
bool ParseInteger(const std::string& text, int& value)
{
    if (text.empty() || text.size() > 9)
        return false;
    bool ok = false;
    value = QByteArray::fromStdString(text).toInt(&ok, 10);
    return ok && text.find_first_not_of("-0123456789") == std::string::npos;
}

// FIELD by its index or its caption (letter case aside); -1 when it names none.
int FindField(const std::string& name)
{
    unsigned index = 0;
    if (ParseNumber(name, index))
        return index < kPrintFields ? static_cast<int>(index) : -1;
    for (int field = 0; field < kPrintFields; ++field)
        if (QByteArray::fromStdString(name).compare(PrintFieldLabel(field), Qt::CaseInsensitive) == 0)
            return field;
    return -1;
}

void ListLayout(std::ostream& out)
{
    for (int field = 0; field < kPrintFields; ++field) {
        const RECT& box = gBudget.PrintField[field];
        char line[80];
        if (BoxPlaced(field))
            std::snprintf(line, sizeof line, "%d  %-10s %4d %4d %4d %4d\n", field, PrintFieldLabel(field), box.left,
                          box.top, box.right, box.bottom);
        else
            std::snprintf(line, sizeof line, "%d  %-10s not placed\n", field, PrintFieldLabel(field));
        out << line;
    }
}

constexpr int kFrameWidth = 648;
constexpr int kFrameHeight = 792;

}  // namespace

int RunWords(const CommandArgs& args, std::ostream& out, ConsoleHost& host)
{
    unsigned places = 2;
    if (args.Has("--places") && (!ParseNumber(args.Value("--places"), places) || places > 4))
        return UsageError(host, "--places takes 0 to 4");
    gIntRec.DecimalPlaces = static_cast<signed char>(places);
    const std::string& text = args.Operands[0];
    int32_t amount = 0;
    if (text.size() > kAmountDateChars || S2I(text.c_str(), &amount) != kS2IValid) {
        HandleDollarConversionError(text.c_str());
        return kExitRefused;
    }
    const std::string words = GetWordAmount(amount);
    std::string upper(words.size() + 1, '\0');
    LowerToUpper(words.c_str(), upper.data());
    out << upper.c_str() << '\n';
    return kExitOk;
}

int RunLayout(const CommandArgs& args, std::ostream& out, ConsoleHost& host)
{
    int setField = -1, clearField = -1;
    RECT box{};
    if (args.Has("--set")) {
        const std::vector<std::string> values = args.Values("--set");
        setField = FindField(values[0]);
        if (setField < 0)
            return UsageError(host, "--set: " + values[0] + " names no field (0 to 9 or a caption)");
        int32_t* const sides[4] = {&box.left, &box.top, &box.right, &box.bottom};
        for (int k = 0; k < 4; ++k) {
            int value = 0;
            if (!ParseInteger(values[static_cast<size_t>(k) + 1], value))
                return UsageError(host, "--set: " + values[static_cast<size_t>(k) + 1] + " is not a whole number");
            *sides[k] = value;
        }
        if (box.left < 0 || box.left >= box.right || box.right > kFrameWidth || box.top < 1 ||
            box.top >= box.bottom || box.bottom > kFrameHeight)
            return UsageError(host, "--set: LEFT below RIGHT within 0 to 648, TOP below BOTTOM within 1 to 792");
    }
    if (args.Has("--clear") && (clearField = FindField(args.Value("--clear"))) < 0)
        return UsageError(host, "--clear: " + args.Value("--clear") + " names no field (0 to 9 or a caption)");

    if (setField < 0 && clearField < 0) {
        if (!OpenNamedBudget(args.Operands[0], host, BudgetAccess::Read))
            return kExitRefused;
        ListLayout(out);
        return kExitOk;
    }
    return WithBudget(args, host, [&] {
        if (clearField >= 0)
            gBudget.PrintField[clearField] = RECT{0, 0, 0, 0};
        if (setField >= 0)
            gBudget.PrintField[setField] = box;
        gBudgetFileChanged = 1;
        ListLayout(out);
        return kExitOk;
    });
}

int RunPrintCheck(const CommandArgs& args, std::ostream&, ConsoleHost& host)
{
    unsigned index = 0;
    if (!ParseNumber(args.Operands[2], index))
        return UsageError(host, "N counts the account's records from 0 (the newest)");
    if (args.Value("--pdf").empty())
        return UsageError(host, "--pdf OUT.pdf is required");
    host.ChosenPath = args.Value("--pdf");
    return WithBudget(args, host, [&] {
        Slot slot;
        AHistory* record = nullptr;
        if (const int code = FindRecord(args, index, host, slot, record); code != kExitOk)
            return code;
        return PrintNamedCheck(record) ? kExitOk : kExitRefused;
    });
}
