// What a bank statement proposes for balancing: each statement line matched to at most one
// outstanding balancing record and each record to at most one line, the lines that match
// nothing with what they would record, and the difference that would remain. Nothing is
// changed until the proposal is ticked.
#pragma once

#include "model/Records.h"
#include "statements/Statement.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// How far apart the dates of a line and a record matched by amount may be.
constexpr int kMatchDays = 7;

struct StatementMatch {
    size_t Line = 0;                  // index into the statement's lines
    CBalance* Withdrawal = nullptr;   // one of these two is set
    DBalance* Deposit = nullptr;
    bool ByNumber = false;            // matched by check number and amount
};

// What a line that matched nothing would record.
enum class LineKind { Debit, ATM, Deposit };

struct UnmatchedLine {
    size_t Line = 0;
    LineKind Kind = LineKind::Debit;
    int Mi = -1;  // the account offered: that of the newest record with the same payee, or -1
    int Si = -1;
};

struct StatementProposal {
    std::vector<StatementMatch> Matches;    // in the order of the statement's lines
    std::vector<UnmatchedLine> Unmatched;   // the same
    std::vector<size_t> AfterClosing;       // lines dated after the closing date, left out
    // Statement balance + outstanding deposits - outstanding withdrawals - Checkbook, once the
    // matches are ticked beside the ticks already there: 0 when the balancing would complete.
    int64_t Difference = 0;
};

// Matches the statement's lines to the outstanding balancing records: first by check number and
// equal amount; then by equal amount and direction with the nearest date within kMatchDays days
// (ties: the older record). A line with a check number is not matched by amount to a check with
// another number. `statementBalance` is the balance the difference is computed from.
StatementProposal ProposeStatement(const Statement& statement, int32_t statementBalance);

// Ticks the matched records as clicks on their lines in the balance window do.
void TickProposal(const StatementProposal& proposal);
