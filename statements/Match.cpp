// Matching statement lines to the outstanding balancing records, and the proposal's difference.
#include "statements/Match.h"

#include "ledger/Balance.h"
#include "model/Globals.h"
#include "model/Money.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <tuple>
#include <unordered_map>

namespace {

// An outstanding record as matching sees it.
struct Candidate {
    CBalance* Withdrawal = nullptr;
    DBalance* Deposit = nullptr;
    int Day = 0;
    int Order = 0;  // its place in the balance window's panes
    bool Taken = false;

    int32_t Amount() const { return Withdrawal ? Withdrawal->BAmount : Deposit->BAmount; }
    bool IsNumberedCheck() const { return Withdrawal && Withdrawal->ATM == kWithdrawalCheck && Withdrawal->BIdent != 0; }
};

std::string Folded(std::string_view text)
{
    std::string out;
    for (char c : text)
        out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    while (!out.empty() && out.back() == ' ')
        out.pop_back();
    return out;
}

// The account of the newest record of each payee (as it would be stored: cut to the payee
// field), among the accounts whose transactions go through the checkbook.
class PayeeAccounts {
public:
    PayeeAccounts()
    {
        for (int Mi = 0; Mi < kMainAccounts; ++Mi)
            for (int Si = 0; Si < kSlots; ++Si) {
                const ARecord& slot = Accounts[Mi][Si];
                if (!slot.Valid || slot.SavingsFlag || (Mi == 0 && Si == 1))
                    continue;
                for (const AHistory* h = MemoryAccounts[Mi][Si].HistoryRec; h; h = h->HistoryFP) {
                    if (h->LogRecord || h->UnDone || h->TransferFlag)
                        continue;
                    const std::string payee = Folded(RecordText(h->PayToFm));
                    if (payee.empty())
                        continue;
                    const int day = StatementDay(h->Datime);
                    auto [it, added] = newest.try_emplace(payee, Newest{day, Mi, Si});
                    if (!added && day > it->second.Day)
                        it->second = Newest{day, Mi, Si};
                }
            }
    }

    void Offer(const std::string& payee, UnmatchedLine& line) const
    {
        const auto it = newest.find(Folded(std::string_view(payee).substr(0, sizeof(AHistory::PayToFm) - 1)));
        if (it == newest.end())
            return;
        line.Mi = it->second.Mi;
        line.Si = it->second.Si;
    }

private:
    struct Newest {
        int Day, Mi, Si;
    };
    std::unordered_map<std::string, Newest> newest;
};

}  // namespace

StatementProposal ProposeStatement(const Statement& statement, int32_t statementBalance)
{
    StatementProposal proposal;
    std::vector<Candidate> candidates;
    int order = 0;
    for (CBalance* c = gBalanceCAnchor; c; c = c->BalanceCFP)
        candidates.push_back({c, nullptr, StatementDay(c->BDatime), order++});
    for (DBalance* d = gBalanceDAnchor; d; d = d->BalanceDFP)
        candidates.push_back({nullptr, d, StatementDay(d->BDatime), order++});

    const size_t lineCount = statement.Lines.size();
    const int closing = statement.ClosingDate.empty() ? INT32_MAX : StatementDay(statement.ClosingDate.c_str());
    std::vector<Candidate*> matchOf(lineCount, nullptr);
    std::vector<bool> inStatement(lineCount, false);
    std::vector<bool> byNumber(lineCount, false);

    // Records by signed amount (withdrawals below 0), in pane order.
    std::multimap<int64_t, Candidate*> byAmount;
    for (Candidate& c : candidates)
        byAmount.emplace(c.Withdrawal ? -static_cast<int64_t>(c.Amount()) : c.Amount(), &c);

    for (size_t k = 0; k < lineCount; ++k) {
        inStatement[k] = StatementDay(statement.Lines[k].Date.c_str()) <= closing;
        if (!inStatement[k])
            proposal.AfterClosing.push_back(k);
    }

    // First: check number and amount.
    for (size_t k = 0; k < lineCount; ++k) {
        const StatementLine& line = statement.Lines[k];
        if (!inStatement[k] || line.Number == 0 || line.Amount >= 0)
            continue;
        const auto [from, to] = byAmount.equal_range(line.Amount);
        for (auto it = from; it != to; ++it) {
            Candidate* c = it->second;
            if (!c->Taken && c->Withdrawal && static_cast<uint32_t>(c->Withdrawal->BIdent) == line.Number) {
                c->Taken = true;
                matchOf[k] = c;
                byNumber[k] = true;
                break;
            }
        }
    }

    // Then: amount and direction, the nearest dates first; among equally near records the older.
    std::vector<std::tuple<int, int, size_t, int, Candidate*>> pairs;  // distance, record day, line, order
    for (size_t k = 0; k < lineCount; ++k) {
        const StatementLine& line = statement.Lines[k];
        if (!inStatement[k] || matchOf[k] || line.Amount == 0)
            continue;
        const int day = StatementDay(line.Date.c_str());
        const auto [from, to] = byAmount.equal_range(line.Amount);
        for (auto it = from; it != to; ++it) {
            Candidate* c = it->second;
            const int distance = std::abs(c->Day - day);
            if (c->Taken || distance > kMatchDays)
                continue;
            if (line.Number != 0 && c->IsNumberedCheck() && static_cast<uint32_t>(c->Withdrawal->BIdent) != line.Number)
                continue;
            pairs.emplace_back(distance, c->Day, k, c->Order, c);
        }
    }
    std::sort(pairs.begin(), pairs.end(), [](const auto& a, const auto& b) {
        return std::tie(std::get<0>(a), std::get<1>(a), std::get<2>(a), std::get<3>(a)) <
               std::tie(std::get<0>(b), std::get<1>(b), std::get<2>(b), std::get<3>(b));
    });
    for (const auto& [distance, recordDay, k, recordOrder, c] : pairs) {
        if (matchOf[k] || c->Taken)
            continue;
        c->Taken = true;
        matchOf[k] = c;
    }

    const PayeeAccounts payees;
    for (size_t k = 0; k < lineCount; ++k) {
        if (!inStatement[k])
            continue;
        if (const Candidate* c = matchOf[k]) {
            proposal.Matches.push_back({k, c->Withdrawal, c->Deposit, byNumber[k]});
            continue;
        }
        const StatementLine& line = statement.Lines[k];
        UnmatchedLine unmatched;
        unmatched.Line = k;
        unmatched.Kind = line.Amount > 0 ? LineKind::Deposit : line.ATM ? LineKind::ATM : LineKind::Debit;
        payees.Offer(line.Payee, unmatched);
        proposal.Unmatched.push_back(unmatched);
    }

    int64_t difference = static_cast<int64_t>(statementBalance) - Accounts[0][1].Balance;
    for (const Candidate& c : candidates) {
        const bool ticked = c.Taken || (c.Withdrawal ? c.Withdrawal->BChecked : c.Deposit->BChecked);
        if (!ticked)
            difference += c.Withdrawal ? -static_cast<int64_t>(c.Amount()) : c.Amount();
    }
    proposal.Difference = difference;
    return proposal;
}

void TickProposal(const StatementProposal& proposal)
{
    for (const StatementMatch& m : proposal.Matches) {
        if (m.Withdrawal)
            SetBalanceTick(m.Withdrawal, true);
        else if (m.Deposit)
            SetBalanceTick(m.Deposit, true);
    }
}
