// Check printing without windows: the ten check fields and their texts, the amount in words, the
// setup check, which records may be printed, and the scale from layout units to printer pixels.
// Drawing the page is the printer layer's (printing/CheckPage.h), reached through the host.
#pragma once

#include "model/Records.h"
#include "model/TextMeasure.h"

#include <cstddef>
#include <cstdint>
#include <string>

// The check fields, in the order of their buttons and of gBudget.PrintField.
enum PrintFieldIndex {
    kPrintPayTo,
    kPrintAmount,
    kPrintWordAmount,
    kPrintMemo,
    kPrintDate,
    kPrintDay,
    kPrintMonth,
    kPrintYear,
    kPrintIdent,
    kPrintSignature,
    kPrintFields
};

// The print window: a strip of ten 64-unit buttons over the data area, where the boxes are laid
// out in units of the data area's pixels.
constexpr int kPrintWindowWidth = 648;
constexpr int kPrintWindowHeight = 300;
constexpr int kPrintStripHeight = 20;
constexpr int kPrintButtonWidth = 64;
constexpr int kPrintDataHeight = kPrintWindowHeight - kPrintStripHeight;

// One check field as the print window shows it.
struct PrintRecord {
    RECT Button;            // its button in the strip
    POINT Start;            // the mouse at the last step of a drag of its box
    char ButtonLabel[16];
    signed char Selected;   // the button is pressed (at most one is)
    char PrintString[100];  // the text shown and printed
};

// The fields for the whole run; their texts are the samples until a check is printed, then that
// check's.
extern PrintRecord PItems[kPrintFields];

// The start-up state: buttons placed and un-pressed, captions and sample texts, and the default
// layout in gBudget (an opened budget replaces it with its own).
void InitPrint();

// The caption of a field's button ("Pay To", "Amount", ...).
const char* PrintFieldLabel(int field);

// Whether the field's box is placed (a box whose top is 0 is not).
bool BoxPlaced(int field);

// The amount in words as a check spells it, lower case, each word followed by one blank: the
// whole units, then "and " and the fraction over its unit in the budget's decimal places
// ("and 56/100" with two places, "and 5/10" with one). With no decimal places nothing follows the
// words of the whole units. A negative amount is spelled by its magnitude.
std::string GetWordAmount(int32_t amt);
// The same into a buffer of `size` bytes, cut to it.
void GetWordAmount(int32_t amt, char* thePassedText, size_t size);

// Fills the ten texts from a history record (payee, amount in figures and in words, memo, date
// and its parts, check number) and marks the budget changed.
void PrintCheckData(const AHistory* theHPtr);

// 1 when the layout can print a check (Pay To, Amount and the amount in words placed, and the
// Date or both Day and Month); otherwise tells "Setup Error 1" or "Setup Error 2" and returns 0.
int CheckPrintSetup();

// Whether a record is a check, debit or ATM withdrawal of its own (not a transfer, pay, log entry,
// undone, archived or savings record): the only records a check is printed from.
bool PrintableCheck(const AHistory* theHPtr);

// Prints the check of a record through the host (the page, or the PDF where no printer is);
// on success the record counts as printed and the budget as changed. 1 when printed.
int PrintCheck(AHistory* theHPtr);

// Print Check (menu, Ctrl+P, the history window's print button): the record selected now, if it
// is a check that may be printed and the layout is set up. 1 when printed.
int BudgetPrintCheck();

// The same for a given record, as the command line names it: an unsuitable record is refused with
// a message instead of passed over.
int PrintNamedCheck(AHistory* theHPtr);

// Device pixels per layout unit on a printable area of width x height pixels: the layout is a
// frame 9 inches of 72 units wide and 11 inches high spread over the area; each at least 1.
void CheckScale(int printableWidth, int printableHeight, int* sx, int* sy);

// The text cut to fit `width` pixels: whole when it fits, else the longest leading part whose
// width is at most `width` less 4 (possibly nothing).
std::string SetMaxText(const TextMeasure& hdc, const std::string& text, int width);
