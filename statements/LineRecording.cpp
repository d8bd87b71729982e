// Recording an unmatched statement line into an account the user chose, and ticking it.
#include "statements/LineRecording.h"

#include "ledger/Balance.h"
#include "ledger/Budget.h"
#include "ledger/Recording.h"
#include "model/Globals.h"
#include "model/Messages.h"
#include "model/Money.h"

#include <algorithm>

namespace {

std::string Cut(const std::string& text, size_t chars)
{
    return text.substr(0, chars);
}

}  // namespace

LineEntry EntryOfLine(const StatementLine& line, LineKind kind)
{
    LineEntry entry;
    entry.Kind = kind;
    const int64_t magnitude = line.Amount < 0 ? -static_cast<int64_t>(line.Amount) : line.Amount;
    entry.Amount = static_cast<int32_t>(std::min<int64_t>(magnitude, INT32_MAX));
    entry.Datime = line.Date.substr(0, 8);
    if (!line.Payee.empty()) {
        entry.Payee = Cut(line.Payee, kPayeeChars);
        entry.For = Cut(line.Memo, kForChars);
    } else {
        entry.Payee = line.Memo.empty() ? "Unknown" : Cut(line.Memo, kPayeeChars);
    }
    return entry;
}

bool TakesStatementLines(int Mi, int Si)
{
    return Mi >= 0 && Mi < kMainAccounts && Si >= 0 && Si < kSlots && Accounts[Mi][Si].Valid &&
           !Accounts[Mi][Si].SavingsFlag;
}

AHistory* RecordStatementLine(const StatementLine& line, LineKind kind, int Mi, int Si)
{
    const bool slot = Mi >= 0 && Mi < kMainAccounts && Si >= 0 && Si < kSlots;
    if (!slot || !Accounts[Mi][Si].Valid) {
        HandleInputError("An Account name must be specified.", "");
        return nullptr;
    }
    if (Accounts[Mi][Si].SavingsFlag) {
        HandleInputError("A savings account may not be specified.", "");
        return nullptr;
    }
    const LineEntry entry = EntryOfLine(line, kind);
    if (entry.Amount < 1 || entry.Amount > kCheckbookCeiling) {
        HandleRangeError(MoneyText(entry.Amount).c_str());
        return nullptr;
    }
    AHistory* rec = nullptr;
    switch (kind) {
    case LineKind::Debit: {
        CheckEntry check;
        check.Amount = entry.Amount;
        check.Datime = entry.Datime.c_str();
        check.PayTo = entry.Payee.c_str();
        check.For = entry.For.c_str();
        check.Debit = true;
        rec = RecordCheck(Mi, Si, check);
        break;
    }
    case LineKind::ATM:
        rec = RecordATM(Mi, Si, entry.Amount, entry.Datime.c_str());
        break;
    case LineKind::Deposit:
        rec = RecordDeposit(Mi, Si, entry.Amount, entry.Payee.c_str(), entry.Datime.c_str(), entry.For.c_str(), false);
        break;
    }
    if (!rec || !rec->BalanceRec)
        return rec;
    if (rec->TypeFlag)
        SetBalanceTick(static_cast<CBalance*>(rec->BalanceRec), true);
    else
        SetBalanceTick(static_cast<DBalance*>(rec->BalanceRec), true);
    return rec;
}
