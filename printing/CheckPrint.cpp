// Check printing without windows: the fields, their texts, the amount in words and the rules of
// what may be printed.
#include "printing/CheckPrint.h"

#include "ledger/Undo.h"
#include "model/Dates.h"
#include "model/Globals.h"
#include "model/Host.h"
#include "model/Initialize.h"
#include "model/Messages.h"
#include "model/Money.h"
#include "model/Selection.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

PrintRecord PItems[kPrintFields];

namespace {

struct FieldStart {
    const char* Label;
    const char* Sample;
};

constexpr FieldStart kFieldStarts[kPrintFields] = {
    {"Pay To", "United States Internal Revenue Service"},
    {"Amount", "1,234.56"},
    {"Wrd Amt", "One thousand two hundred thirty four and 56/xxx"},
    {"Memo", "123-45-6789 and 234-56-7890"},
    {"Date", "04/15/99"},
    {"Day", "15"},
    {"Month", "Apr."},
    {"Year", "99"},
    {"Ident", "10001"},
    {"Signature", ""},
};

// The words of 0 to 19, and of the tens 20 to 90; each ends in one blank.
void Handle1To19(int value, std::string& out)
{
    static constexpr const char* kWords[20] = {
        "zero ",    "one ",     "two ",     "three ",    "four ",     "five ",    "six ",
        "seven ",   "eight ",   "nine ",    "ten ",      "eleven ",   "twelve ",  "thirteen ",
        "fourteen ", "fifteen ", "sixteen ", "seventeen ", "eighteen ", "nineteen "};
    out += kWords[value];
}

void Handle10(int tens, std::string& out)
{
    static constexpr const char* kWords[10] = {"",       "",       "twenty ",  "thirty ", "forty ",
                                               "fifty ", "sixty ", "seventy ", "eighty ", "ninety "};
    out += kWords[tens];
}

// A group of 0 to 999: hundreds, then the rest; 0 adds nothing.
void Handle100(int value, std::string& out)
{
    if (value >= 100) {
        Handle1To19(value / 100, out);
        out += "hundred ";
        value %= 100;
    }
    if (value == 0)
        return;
    if (value < 20) {
        Handle1To19(value, out);
        return;
    }
    Handle10(value / 10, out);
    if (value % 10)
        Handle1To19(value % 10, out);
}

// The date part of a record's Datime (up to its blank; the rest may hold a reminder).
std::string DatePart(const AHistory* theHPtr)
{
    const std::string datime = RecordText(theHPtr->Datime);
    return datime.substr(0, datime.find(' '));
}

void SetField(int field, const std::string& text)
{
    CopyString(text.c_str(), PItems[field].PrintString);
}

}  // namespace

void InitPrint()
{
    for (int i = 0; i < kPrintFields; ++i) {
        PrintRecord& item = PItems[i];
        item.Selected = 0;
        item.Start = POINT{0, 0};
        item.Button = RECT{kPrintButtonWidth * i, 0, kPrintButtonWidth * i + kPrintButtonWidth, kPrintStripHeight};
        CopyString(kFieldStarts[i].Label, item.ButtonLabel);
        CopyString(kFieldStarts[i].Sample, item.PrintString);
    }
    SetDefaultCheckLayout();
}

const char* PrintFieldLabel(int field)
{
    return field >= 0 && field < kPrintFields ? kFieldStarts[field].Label : "";
}

bool BoxPlaced(int field)
{
    return field >= 0 && field < kPrintFields && gBudget.PrintField[field].top != 0;
}

std::string GetWordAmount(int32_t amt)
{
    const int places = FractionPlaces();
    int64_t unit = 1;
    for (int k = 0; k < places; ++k)
        unit *= 10;
    const int64_t magnitude = amt < 0 ? -static_cast<int64_t>(amt) : amt;
    int64_t whole = magnitude / unit;
    const int64_t fraction = magnitude % unit;

    std::string out;
    // Without decimal places the whole units reach two billion.
    if (whole >= 1000000000) {
        Handle100(static_cast<int>(whole / 1000000000), out);
        out += " billion ";
        whole %= 1000000000;
    }
    if (whole >= 1000000) {
        Handle100(static_cast<int>(whole / 1000000), out);
        out += " million ";
        whole %= 1000000;
    }
    if (whole >= 1000) {
        Handle100(static_cast<int>(whole / 1000), out);
        out += "thousand ";
        whole %= 1000;
    }
    if (whole > 0)
        Handle100(static_cast<int>(whole), out);

    if (places == 0) {
        // No fraction to write: the words end the text.
        if (out.empty())
            Handle1To19(0, out);
        out.pop_back();
        return out;
    }
    std::string digits = std::to_string(fraction);
    digits.insert(0, static_cast<size_t>(places) - digits.size(), '0');
    return out + "and " + digits + "/" + std::to_string(unit);
}

void GetWordAmount(int32_t amt, char* thePassedText, size_t size)
{
    CopyString(GetWordAmount(amt).c_str(), thePassedText, size);
}

void PrintCheckData(const AHistory* theHPtr)
{
    SetField(kPrintPayTo, RecordText(theHPtr->PayToFm));

    char amount[kAmountTextSize];
    I2S(theHPtr->Amt, amount, gBudget.UseDollar ? 0 : 1);
    SetField(kPrintAmount, amount);

    const std::string words = GetWordAmount(theHPtr->Amt);
    std::string upper(words.size() + 1, '\0');
    LowerToUpper(words.c_str(), upper.data());
    SetField(kPrintWordAmount, upper.c_str());

    SetField(kPrintMemo, RecordText(theHPtr->Memo));

    const std::string date = DatePart(theHPtr);
    char display[kDatimeSize] = {};
    ConvertDateFormat(date.c_str(), display);
    SetField(kPrintDate, display);
    SetField(kPrintDay, std::to_string(GetDay(date.c_str())));
    char month[8] = {};
    GetWordMonth(GetMonth(date.c_str()), month);
    SetField(kPrintMonth, month);
    char year[4];
    std::snprintf(year, sizeof year, "%02d", GetYear(date.c_str()) % 100);
    SetField(kPrintYear, year);
    SetField(kPrintIdent, std::to_string(theHPtr->CheckID));
    gBudgetFileChanged = 1;
}

int CheckPrintSetup()
{
    const char* error = nullptr;
    if (!BoxPlaced(kPrintPayTo) || !BoxPlaced(kPrintAmount) || !BoxPlaced(kPrintWordAmount))
        error = "Setup Error 1";
    else if (!BoxPlaced(kPrintDate) && (!BoxPlaced(kPrintDay) || !BoxPlaced(kPrintMonth)))
        error = "Setup Error 2";
    if (!error)
        return 1;
    HandleStandardError(error, "Check setup has not been completed.", "Go to Check Setup under the file menu.", "");
    return 0;
}

bool PrintableCheck(const AHistory* theHPtr)
{
    const AHistory& h = *theHPtr;
    const bool ordinary = !h.TransferFlag && !h.PayFlag && !h.LogRecord && !h.UnDone && !h.Archived && !h.Savings;
    return ordinary && h.TypeFlag;
}

int PrintCheck(AHistory* theHPtr)
{
    PrintCheckData(theHPtr);
    if (!GetHost().PrintCheckPage())
        return 0;
    theHPtr->PrintFlag = 1;
    gBudgetFileChanged = 1;
    ForceAccountImageUpdate(theHPtr->Mi, theHPtr->Si);  // the printer mark in its lists
    return 1;
}

int BudgetPrintCheck()
{
    // Only a record that is selected now: gSelectedItem keeps the last one chosen after its list
    // let it go.
    AHistory* rec = gSelectedItem && gSelectedItem->Selected ? gSelectedItem : nullptr;
    if (!rec) {
        HandleSelectionError("A check needs to be selected.", "");
        return 0;
    }
    if (RefuseFoundCopy(rec) || !CheckPrintSetup() || !PrintableCheck(rec))
        return 0;
    return PrintCheck(rec);
}

int PrintNamedCheck(AHistory* theHPtr)
{
    if (RefuseFoundCopy(theHPtr) || !CheckPrintSetup())
        return 0;
    if (!PrintableCheck(theHPtr)) {
        HandleSelectionError("Only checks, debits and ATM withdrawals can be printed.", "");
        return 0;
    }
    return PrintCheck(theHPtr);
}

void CheckScale(int printableWidth, int printableHeight, int* sx, int* sy)
{
    *sx = std::max(1, printableWidth / 9 / 72);
    *sy = std::max(1, printableHeight / 11 / 72);
}

std::string SetMaxText(const TextMeasure& hdc, const std::string& text, int width)
{
    const int length = static_cast<int>(text.size());
    if (hdc.TextWidth(text.data(), length) <= width)
        return text;
    int fits = length - 1;
    while (fits > 0 && hdc.TextWidth(text.data(), fits) > width - 4)
        --fits;
    return text.substr(0, static_cast<size_t>(std::max(fits, 0)));
}
