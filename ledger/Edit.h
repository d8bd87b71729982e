// Changing a recorded transaction: its date, amount, texts, check number and tax mark, with the
// account, the Checkbook, the running balances of later records and the balancing records
// following. The editor's OK and the command line's edit both record through RecordEdit.
#pragma once

#include "model/Records.h"

#include <cstdint>
#include <string>

// The fields the editor offers for a record beside its date and amount.
enum EditField : int {
    kEditPayee = 1,
    kEditFor = 2,
    kEditNumber = 4,
    kEditMemo = 8,
    kEditTax = 16,
};
// A transfer: For. A deposit, a debit or a piece of a pay: payee and For (and Tax for a
// withdrawal). A check: all five. An ATM withdrawal: none.
int EditFields(const AHistory* theHPtr);

// 1 when the editor may open on the record; otherwise "You can not edit this Transaction" is
// shown and 0 returned (log entries, undone or archived records, reconciled pieces of a pay), or
// for a copy in "Found Items" the message that it is one.
int CheckEditable(const AHistory* theHPtr);

// Changes the record's amount to amt with all its consequences; 1 when the record now holds amt.
// 0 when nothing changed: refused with the program's message (a savings account, a piece of a
// pay, a transfer whose other half is not found, the Checkbook's rules), or silently for a
// reconciled record, which keeps its amount.
int EditAmt(AHistory* theHPtr, int32_t amt);

// The other half of a linked transfer, or null. The link names the slot the other half was in
// when the transfer was made; after moving accounts the half is looked for in every account.
AHistory* FindTransferPartner(const AHistory* theHPtr);

// What the editor's fields hold when OK is pressed. Fields the editor does not offer for the
// record (EditFields) are not stored.
struct EditEntry {
    int32_t Amount = 0;
    const char* Datime = "";  // stored form, 8 characters
    const char* PayTo = "";
    const char* For = "";
    const char* Memo = "";
    uint32_t Number = 0;      // check number
    bool Tax = false;
};

// Stores an edit of a record the editor may open (CheckEditable): the date, the amount through
// EditAmt, the texts, the check number and the tax mark. A piece of a combined deposit gives its
// date to every piece of the deposit, and a piece of a pay its texts too. Returns 1 when all was
// stored as asked; 0 when the amount or the check number was kept (the rest is stored all the
// same, as in the editor).
int RecordEdit(AHistory* theHPtr, const EditEntry& entry);
