// Variable pay: a pay of any amount given out by hand. The list of accounts the Variable Pay
// window offers (main accounts with sub accounts under a heading that expands and collapses),
// the amount each account is given, what remains of the total, and the one recording of the
// window's OK that budget-cli shares.
#pragma once

#include <cstdint>
#include <string>

// The text indents of the list's rows, in pixels: main accounts and headings, and the accounts
// under a heading.
constexpr int kVPayIndent = 20;
constexpr int kVPaySubIndent = 40;

// The characters the window's edits read: date, total and the selected account's amount, and
// the payer.
constexpr size_t kVPayAmountChars = 15;
constexpr size_t kVPayFromChars = 62;

// Whether main account Mi (1 to 25) is listed: a valid account outside the savings.
bool VPayListedMain(int Mi);
// Whether slot (Mi, Si) can be given an amount: an account row of the list, listed or under a
// collapsed heading. Never "Available", the Checkbook or a savings account.
bool VPayAccount(int Mi, int Si);

// Forgets every amount and expansion (the window is made anew).
void ClearVPay();
// Prepares the list as the window opens: every heading expanded. Returns the rows listed.
int SetUpVPay();
// The rows listed now, headings and the rows of expanded headings included.
int VPayRowCount();

// Row num of the list (counted from 0 over the whole list): 1 with its slot, *flag 1 for a
// heading (slot 0 of its main account) and 0 for an account, and its text indent in *start;
// 0 when the list has no such row.
int GetVAccount(int num, int* xMi, int* xSi, int* flag, int* start);
// Expands a collapsed heading of main account Mi, or collapses an expanded one. Returns the
// rows listed afterwards.
int ToggleVPayHeading(int Mi);

// The amount of the selected account as its edit holds it: 0 (also empty) to 100,000,000.
// 1 and the amount; else 0 after the amount or range message.
int ReadVPayAmount(const std::string& text, int32_t* amount);
// Gives slot (Mi, Si) the amount, when it is an account of the list.
void SetVPayAmount(int Mi, int Si, int32_t amount);
int32_t VPayAmount(int Mi, int Si);

// The total less what the accounts of the list are given (below 0 when more is given out).
int64_t ComputeRemaining(int32_t total);

// The window's fields as typed.
struct VPayEntry {
    std::string Date;   // display form, completed as the date edits complete it
    std::string Total;
    std::string From;
};
// The field a refused OK puts the focus on.
enum class VPayField { Date, Total, From, Amount };

// The window's OK with the amounts given: the date, the total (1 to 100,000,000), the payer and
// the remainder (not below 0) are checked, and the whole pay against the deposit ceiling, the
// balances and the deposit numbers (DepositFits). Then every account with an amount is credited,
// the remainder goes to "Available" (also 0), all pieces under one new deposit number that
// balancing shows as one bank deposit, and the Checkbook gets a summary entry of the total.
// Returns the deposit number, or 0 after the message with nothing recorded (the field to focus
// in *bad).
int32_t RecordVariablePay(const VPayEntry& entry, VPayField* bad = nullptr);
