// Finding transactions: the criteria of the Find dialog and budget-cli find, their matching
// against history records, stepping through the hits of every account, and "Found Items".
#pragma once

#include "model/Records.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The texts of the Find dialog's fields, as typed, and its three boxes.
struct FindTexts {
    std::string Payee{};
    std::string For{};
    std::string Memo{};
    std::string Amount{};
    std::string Balance{};
    std::string Number{};
    std::string Month{};
    std::string Year{};
    bool Tax = false;
    bool Or = false;
    bool IgnoreCase = false;
};

// A field of Find, to say which one a refusal is about.
enum class FindField { None, Payee, For, Memo, Month, Year, Amount, Balance, Number };

// What a search looks for. A text criterion is on when its text is not empty; the others when
// they hold a value.
struct FindCriteria {
    std::string Payee{};  // contained in PayToFm
    std::string For{};    // contained in For
    std::string Memo{};   // contained in Memo
    std::optional<int> Month{};        // 1 to 12
    std::optional<int> Year{};         // two-digit year, 0 to 99
    std::optional<int32_t> Amount{};   // exactly Amt
    std::optional<int32_t> Balance{};  // exactly the running balance
    std::optional<int32_t> Number{};   // the check number of a withdrawal
    bool Tax = false;                // TaxFlag set
    bool Or = false;                 // any criterion on suffices; otherwise every one must hold
    bool IgnoreCase = false;         // text criteria ignore the case of a to z
};

// The criteria of the last search, kept for the run so that Find Next goes on without the dialog.
extern FindCriteria gFindCriteria;
// Set when the last search was Find All.
extern int gFAll;

// Reads the dialog's texts into `criteria`, field by field in the dialog's order. A field that
// cannot be read is refused with the program's message (an invalid month, year, amount, balance
// or check number) and returned, and `criteria` is left as it was; FindField::None when all were
// read. Texts are cut to their record fields; a year is two digits (00 to 99) or four (2000 to
// 2099); a month is its number or a name of which the first three letters count.
FindField ReadFindCriteria(const FindTexts& texts, FindCriteria& criteria);

// The texts the dialog shows for criteria: amounts as money text with the currency symbol, the
// month as its short name, numbers as digits.
FindTexts FindCriteriaTexts(const FindCriteria& criteria);

// The month number (1 to 12) of a name by its first three letters, in any case; 0 for none.
int MonthToNum(const char* theText2);

// 1 when String1 occurs in String2 (ignoring the case of a to z with IgnoreCase of the criteria).
int FMatch(const char* String1, const char* String2);

// One criterion each, against the criteria of the last search (gFindCriteria).
int FMatchFmTo(const AHistory* theHPtr);
int FMatchFor(const AHistory* theHPtr);
int FMatchMemo(const AHistory* theHPtr);
int FMatchMonth(const AHistory* theHPtr);
int FMatchYear(const AHistory* theHPtr);
int FMatchAmt(const AHistory* theHPtr);
int FMatchBalance(const AHistory* theHPtr);
int FMatchIdent(const AHistory* theHPtr);
int FMatchTax(const AHistory* theHPtr);

// AND: no criterion that is on fails (so with none on, every record). OR: one that is on holds
// (so with none on, no record).
int FindAnd(const AHistory* theHPtr);
int FindOr(const AHistory* theHPtr);

// The three searches of the dialog. Find and Find All start from the first account, Find Next
// from the stored position; each empties "Found Items" first.
enum class FindStep { Find, FindNext, FindAll };
void BeginFind(FindStep step);

// One hit: the record, its account and its place in the account's history (0 = the newest).
struct FindHit {
    AHistory* Record = nullptr;
    int Mi = -1;
    int Si = -1;
};

// Searches the valid accounts in grid order, each from its newest record to its oldest, from the
// stored position (gFMi, gFSi, gFHPtr). Find and Find Next (gFAll 0): the first hit goes to
// `hit` and the position moves past it; 1. Without a hit the position goes back to the first
// slot of the main account of the last hit, and 0. Find All: every hit is collected into
// "Found Items" (DisplayFound); 1 when there was one.
int FindIt(FindHit* hit = nullptr);

// Every hit of the criteria from the first account on, in the order Find Next shows them, with
// its index in its account's history. Changes nothing.
struct ListedHit {
    const AHistory* Record = nullptr;
    int Mi = -1;
    int Si = -1;
    int Index = 0;
};
std::vector<ListedHit> ListFindHits();

// Makes "Found Items" hold a copy of every record marked Found (and takes the marks off again):
// the copies stand last hit first, carry no balancing record and are never saved. Sets the hit
// count the main window shows; returns the number of copies.
int DisplayFound();

// Takes every Found mark off and empties "Found Items", releasing its copies; the slot keeps its
// name.
void ClearFound();
