// Recording a bank statement line that matched no outstanding record: what it enters (a debit or
// an ATM withdrawal for money out, a deposit for money in, with the bank's texts) into the account
// the user chose, through the recording functions the transaction dialogs use, ticked at once.
#pragma once

#include "model/Records.h"
#include "statements/Match.h"
#include "statements/Statement.h"

#include <cstdint>
#include <string>

// What a line enters, as the transaction dialog's fields would hold it.
struct LineEntry {
    LineKind Kind = LineKind::Debit;
    int32_t Amount = 0;  // the magnitude of the line's amount
    std::string Datime;  // stored form "MM/DD/YY"
    std::string Payee;   // the To (or Received from) field; an ATM withdrawal's is the engine's own
    std::string For;
};

// The entry of a line of kind `kind`: the bank's payee (cut to the payee field) as the To or
// Received from text, its memo as the For text; a line without a payee takes its memo as the
// payee, and one without either "Unknown".
LineEntry EntryOfLine(const StatementLine& line, LineKind kind);

// Whether statement lines may be recorded into slot (Mi, Si): a valid account whose transactions
// go through the checkbook (no savings account; the Checkbook itself is no account to record in).
bool TakesStatementLines(int Mi, int Si);

// Records the line as `kind` says into (Mi, Si) and ticks its new balancing record, as a click
// on its line in the balance window does. Returns the new record, or null after a message with
// nothing recorded: no account chosen (Mi below 0) or one that is gone, a savings account, an
// amount the dialogs would refuse (0, or beyond what the Checkbook holds), or the engine's own
// refusals (the withdrawal lacks money and the offered transfer is cancelled, ...).
AHistory* RecordStatementLine(const StatementLine& line, LineKind kind, int Mi, int Si);
