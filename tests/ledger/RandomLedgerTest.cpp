// Long random runs of the ledger (every kind of transaction, pay entries, multiple deposits, variable
// pays, undo, edits, moves, new and deleted accounts, balancing, the withdrawal order, saving and
// opening), the whole ledger checked after every step; and the balancing records made in bulk on opening against one-by-one insertion.
#include "support/BudgetFixture.h"
#include "support/SampleBudget.h"

#include "cli/Dump.h"
#include "files/BudgetImage.h"
#include "files/TextExport.h"
#include "investments/Invest.h"
#include "investments/InvestRecording.h"
#include "ledger/Accounts.h"
#include "ledger/Balance.h"
#include "ledger/Budget.h"
#include "ledger/Edit.h"
#include "ledger/Integrity.h"
#include "ledger/Pay.h"
#include "ledger/Recording.h"
#include "ledger/Undo.h"
#include "ledger/VariablePay.h"
#include "model/Dates.h"
#include "model/Globals.h"
#include "model/Money.h"
#include "model/RecordStore.h"

#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <cstring>
#include <iterator>
#include <map>
#include <random>
#include <unordered_map>
#include <unordered_set>

namespace {

using Dice = std::mt19937;
int Uniform(Dice& dice, int n) { return static_cast<int>(dice() % static_cast<uint32_t>(n)); }
bool OneIn(Dice& dice, int n) { return Uniform(dice, n) == 0; }
template <typename T>
T AnyOf(Dice& dice, const std::vector<T>& from) { return from[Uniform(dice, static_cast<int>(from.size()))]; }

const char* AnyDate(Dice& dice)  // few dates, so equal dates are common; the turn of the year tests the year order
{
    static const char* const dates[] = {"12/30/25", "12/31/25", "01/01/26", "01/01/26",
                                        "01/02/26", "01/15/26", "02/01/26", "02/28/26"};
    return dates[Uniform(dice, 8)];
}

struct Slot {
    int Mi, Si;
    bool operator==(const Slot&) const = default;
};
constexpr Slot kAvailable{0, 0}, kCheckbook{0, 1};
int32_t Held(Slot s) { return Accounts[s.Mi][s.Si].Balance; }
bool IsSavings(Slot s) { return Accounts[s.Mi][s.Si].SavingsFlag != 0; }
std::string Name(Slot s) { return std::to_string(s.Mi) + "." + std::to_string(s.Si); }

// Every account's balance by name. The Checkbook is no account: it sums the others.
std::map<std::string, int32_t> BalancesByName()
{
    std::map<std::string, int32_t> balances;
    for (const auto& row : Accounts)
        for (const ARecord& a : row)
            if (a.Valid)
                balances[a.Name] = a.Balance;
    return balances;
}

std::vector<AHistory*> Chain(int Mi, int Si)
{
    std::vector<AHistory*> chain;
    for (AHistory* h = MemoryAccounts[Mi][Si].HistoryRec; h; h = h->HistoryFP)
        chain.push_back(h);
    return chain;
}

// Every history record of the budget, slot by slot.
std::vector<AHistory*> AllRecords()
{
    std::vector<AHistory*> all;
    for (int Mi = 0; Mi < kMainAccounts; ++Mi)
        for (int Si = 0; Si < kSlots; ++Si)
            for (AHistory* h : Chain(Mi, Si))
                all.push_back(h);
    return all;
}

// Every history record behind a deposit record: its pieces, or its one record.
std::vector<AHistory*> Pieces(const DBalance* d)
{
    std::vector<AHistory*> pieces(d->theArray, d->theArray + (d->theArray ? d->ArraySize : 0));
    pieces.push_back(d->theArray ? nullptr : d->HistoryRec);
    pieces.erase(std::remove(pieces.begin(), pieces.end(), nullptr), pieces.end());
    return pieces;
}

// A record takes part in balancing while it is an unreconciled movement of the bank account.
bool Outstanding(const ARecord& a, const AHistory* h)
{
    return a.Valid && !a.SavingsFlag && !h->BalanceFlag && !h->UnDone && !h->LogRecord &&
           (!h->TransferFlag || h->Savings);
}

std::string Describe(const CBalance* c)
{
    return std::string(c->ATM == 1 ? "ATM " : (c->ATM == 255 ? "debit " : "check ")) + c->BDatime + " #" +
           std::to_string(c->BIdent);
}

// The balancing chains hold each `outstanding` record exactly once, in the chain of its kind,
// linked back, with its tick taken over; a deposit record sums its pieces; the counts and last
// records are right. Withdrawals are by date and number, or ATM withdrawals by date, then
// debits by date, then checks by number; deposits by date.
void CheckChains(const std::unordered_set<const AHistory*>& outstanding)
{
    std::unordered_set<const AHistory*> listed;
    const auto fits = [&](const AHistory* h, const void* entry, bool out) {
        return outstanding.count(h) && h->TypeFlag == out && h->BalanceRec == entry && !h->Checked &&
               listed.insert(h).second;
    };
    const auto dateOf = [](const AHistory* h) { return std::string(h->Datime, strnlen(h->Datime, 8)); };
    const auto rank = [](const CBalance* c) { return c->ATM == 1 ? 0 : (c->ATM == 255 ? 1 : 2); };
    const bool byDate = gBudget.Flag1 & kBudgetSortByDate;
    int count = 0;
    const CBalance* lastC = nullptr;
    for (const CBalance* c = gBalanceCAnchor; c; lastC = c, c = c->BalanceCFP, ++count) {
        const AHistory* h = c->HistoryRec;
        ASSERT_TRUE(fits(h, c, true) && c->BAmount == h->Amt && c->BIdent == h->CheckID && c->ATM == h->ATM &&
                    dateOf(h) == c->BDatime)
            << "withdrawal record not of its outstanding withdrawal: " << Describe(c);
        const CBalance* n = c->BalanceCFP;
        const int dates = n ? CompareCDates(c->BDatime, n->BDatime, 0) : 0;
        ASSERT_TRUE(!n || (byDate               ? dates < 0 || (dates == 0 && c->BIdent <= n->BIdent)
                           : rank(c) != rank(n) ? rank(c) < rank(n)
                           : rank(c) == 2       ? c->BIdent <= n->BIdent
                                                : dates <= 0))
            << "withdrawals out of order: " << Describe(c) << " before " << Describe(n);
    }
    ASSERT_TRUE(count == gCheckDisplayLines && lastC == gBalanceCAnchorLast) << "withdrawal count or last record";
    count = 0;
    const DBalance* lastD = nullptr;
    for (const DBalance* d = gBalanceDAnchor; d; lastD = d, d = d->BalanceDFP, ++count) {
        const std::vector<AHistory*> pieces = Pieces(d);
        int64_t sum = 0;
        bool identFound = false, piecesFit = !pieces.empty();
        for (const AHistory* h : pieces) {
            piecesFit &= fits(h, d, false) && (d->theArray ? h->PayID == d->DepositID : dateOf(h) == d->BDatime);
            sum += h->Amt;
            identFound |= h->CheckID == d->BIdent;
        }
        ASSERT_TRUE(piecesFit && sum == d->BAmount && identFound &&
                    (d->theArray ? !d->HistoryRec && d->DepositID > 0 : d->DepositID == pieces[0]->PayID))
            << "deposit record not of its outstanding deposits: " << d->BDatime << " " << d->BAmount;
        ASSERT_TRUE(!d->BalanceDFP || CompareCDates(d->BDatime, d->BalanceDFP->BDatime, 0) <= 0)
            << "deposits out of order: " << d->BDatime << " before " << d->BalanceDFP->BDatime;
    }
    ASSERT_TRUE(count == gDepositDisplayLines && lastD == gBalanceDAnchorLast) << "deposit count or last record";
    ASSERT_EQ(listed.size(), outstanding.size()) << "outstanding records missing from the chains";
}

// The investments: each holding is what its trades left, the portfolio's cost basis the sum of the
// accounts', and every figure shown an amount.
void CheckPortfolio()
{
    int64_t costBasis = 0;
    for (int Ii = 1; Ii < kInvestments; ++Ii) {
        const IRecord& account = Invest[Ii];
        int64_t shares = 0;
        int records = 0;
        for (const IHistory* h = MemoryInvest[Ii].HistoryRec; h; h = h->InvestFP, ++records) {
            ASSERT_EQ(h->Ii, Ii) << "a record of investment " << h->Ii << " in slot " << Ii;
            shares += h->TypeFlag ? -int64_t{h->NumberOfShares} : h->NumberOfShares;
        }
        ASSERT_TRUE(account.Valid || records == 0) << "records of no investment in slot " << Ii;
        ASSERT_EQ(shares, account.NumberOfShares) << "the holding of investment " << Ii;
        ASSERT_TRUE(records == account.NumberOfHistoryRecords && records == MemoryInvest[Ii].DisplayLines)
            << "count of records or display lines of investment " << Ii;
        ASSERT_TRUE(account.NumberOfShares >= 0 && account.AmountPaid >= 0) << "investment " << Ii << " below 0";
        costBasis += account.Valid ? account.AmountPaid : 0;
    }
    const InvestFigures portfolio = FiguresOf(0);
    ASSERT_EQ(Invest[0].AmountPaid, costBasis) << "the portfolio's cost basis is not the sum of the accounts'";
    ASSERT_LE(portfolio.MarketValue, INT32_MAX) << "the portfolio's market value is no amount";
}

// The whole ledger is consistent; stops at the first fault.
void CheckLedger(ScriptedHost& host)
{
    int64_t inBook = 0;
    for (const auto& row : Accounts)
        for (const ARecord& a : row)
            inBook += a.Valid && !a.SavingsFlag ? a.Balance : 0;
    ASSERT_EQ(Held(kCheckbook), inBook) << "the Checkbook is not the sum of its accounts";
    ASSERT_TRUE(!Accounts[0][6].Valid && !MemoryAccounts[0][6].HistoryRec) << "the exchange slot is not empty";
    std::unordered_set<const AHistory*> outstanding;
    for (int Mi = 0; Mi < kMainAccounts; ++Mi)
        for (int Si = 0; Si < kSlots; ++Si) {
            const ARecord& a = Accounts[Mi][Si];
            const std::vector<AHistory*> chain = Chain(Mi, Si);
            const std::string where = " in slot " + Name({Mi, Si});
            int lines = 0, subs = 0;
            int64_t after = a.Balance;  // each record shows the balance after it; undone ones count nothing
            for (const AHistory* h : chain) {
                ASSERT_TRUE(h->Mi == Mi && h->Si == Si) << "a record of " << Name({h->Mi, h->Si}) << where;
                ASSERT_TRUE(!a.Valid || h->Balance == after) << "running balance wrong" << where;
                ASSERT_TRUE(Outstanding(a, h) || !h->BalanceRec) << "reconciled record in a chain" << where;
                if (Outstanding(a, h))
                    outstanding.insert(h);
                after -= h->UnDone || h->LogRecord ? 0 : (h->TypeFlag ? -int64_t{h->Amt} : h->Amt);
                lines += h->HFlag ? 2 : 1;
            }
            for (int k = 1; k < kSlots && Si == 0 && Mi > 0; ++k)
                subs += Accounts[Mi][k].Valid ? 1 : 0;
            ASSERT_TRUE(!a.Valid || after == 0) << "the records miss the balance" << where;
            ASSERT_TRUE(a.Valid || chain.empty() || (Slot{Mi, Si} == kCheckbook)) << "records of no account" << where;
            ASSERT_TRUE(static_cast<int>(chain.size()) == a.NumberOfHistoryRecords &&
                        lines == MemoryAccounts[Mi][Si].DisplayLines &&
                        (Si > 0 || Mi == 0 || subs == a.NumberOfSubAccounts))
                << "count of records, display lines or sub accounts wrong" << where;
        }
    CheckChains(outstanding);
    CheckPortfolio();
    const size_t messages = host.Messages.size();
    ASSERT_TRUE(IntegrityCheck3() && IntegrityCheck4() && host.Messages.size() == messages) << host.AllMessages();
}

// A record's place that survives reading the budget again: its slot and place in the chain.
std::string Place(const AHistory* h)
{
    const std::vector<AHistory*> chain = Chain(h->Mi, h->Si);
    return Name({h->Mi, h->Si}) + "#" + std::to_string(std::find(chain.begin(), chain.end(), h) - chain.begin());
}

// Both balancing chains as lines, one per balancing record in chain order. `canonical` leaves
// out what opening a budget may legitimately change: the order among records of equal key, and
// which piece of a pay deposit comes first (and so its BIdent).
std::vector<std::string> ChainLines(bool canonical)
{
    std::vector<std::string> lines;
    for (const CBalance* c = gBalanceCAnchor; c; c = c->BalanceCFP)
        lines.push_back("W " + Place(c->HistoryRec) + " " + Describe(c) + " " + std::to_string(c->BAmount) +
                        (c->BChecked ? " ticked" : ""));
    for (const DBalance* d = gBalanceDAnchor; d; d = d->BalanceDFP) {
        std::vector<std::string> pieces;
        for (const AHistory* h : Pieces(d))
            pieces.push_back(Place(h));
        if (canonical)
            std::sort(pieces.begin(), pieces.end());
        std::string line = std::string("D ") + d->BDatime + " " + std::to_string(d->BAmount) + " pay " +
                           std::to_string(d->DepositID) + (d->BChecked ? " ticked" : "");
        if (!canonical || !d->theArray)
            line += " #" + std::to_string(d->BIdent);
        for (const std::string& p : pieces)
            line += " " + p;
        lines.push_back(line);
    }
    if (canonical)
        std::sort(lines.begin(), lines.end());
    return lines;
}

// Frees both balancing chains; their transactions get back their ticks in Checked, as a saved
// budget carries them.
void TakeBackBalancingRecords()
{
    for (CBalance *c = gBalanceCAnchor, *next; c; c = next) {
        next = c->BalanceCFP;
        c->HistoryRec->Checked = c->BChecked;
        c->HistoryRec->BalanceRec = nullptr;
        FreeCBalanceRecord(c);
    }
    for (DBalance *d = gBalanceDAnchor, *next; d; d = next) {
        next = d->BalanceDFP;
        for (AHistory* h : Pieces(d)) {
            h->Checked = d->BChecked;
            h->BalanceRec = nullptr;
        }
        FreeDBalanceRecord(d);
    }
    gBalanceCAnchor = gBalanceCAnchorLast = nullptr;
    gBalanceDAnchor = gBalanceDAnchorLast = nullptr;
    gCheckDisplayLines = gDepositDisplayLines = 0;
}

// A random run is its own host: it cancels an offered transfer from "Available", declines it
// (the withdrawal goes ahead alone) or makes it, at random; questions get the step's answer.
// The seed's bits choose the settings: withdrawals by date at the start, the Checkbook allowed
// below 0, a warning when it goes there.
class RandomLedgerRun : public BudgetFixture, public ScriptedHost, public ::testing::WithParamInterface<uint32_t> {
protected:
    void SetUp() override
    {
        BudgetFixture::SetUp();
        SetHost(this);
        gBudget.Flag1 |= GetParam() & 1 ? kBudgetSortByDate : 0;
        gBudget.CheckbookNegativeFlag = GetParam() & 2 ? 1 : 0;
        gBudget.CheckbookWarnFlag = GetParam() & 4 ? 1 : 0;
        ASSERT_EQ(SetPaySource(0, "Job", "1500", kPayBiWeekly), 1);
        ASSERT_EQ(SetPaySource(1, "Side", "200", kPayWeekly), 1);
        // Rows 4 and 5 are savings accounts; rows 1, 3 and 4 have sub accounts.
        for (Slot s : {Slot{1, 0}, {1, 1}, {1, 2}, {2, 0}, {3, 0}, {3, 1}, {3, 4}, {4, 0}, {4, 1}, {5, 0}, {7, 0}})
            SetUpAccount(s, "Account " + Name(s), s.Mi == 4 || s.Mi == 5);
    }

    // Sets up slot s as Account Setup does, with random allocations of both sources, at times more
    // than a pay.
    void SetUpAccount(Slot s, const std::string& name, bool savings)
    {
        int32_t table[kPayers][kPaysPerMonth] = {};
        for (auto& source : table)
            for (int32_t& a : source)
                a = OneIn(dice, 2) ? 0 : 1 + Uniform(dice, 40000);
        RecordAccountSetup(s.Mi, s.Si, name.c_str(), savings, table);
    }

    // Deleting an account: its history goes to a file of the run's own folder.
    bool ChooseSaveFile(const FileChoice&, std::string& path) override
    {
        path = (folder.path() + "/deleted.txt").toStdString();
        return true;
    }
    int RunDeleteAccountDialog(int Mi, int Si) override { return RecordDeleteAccount(Mi, Si); }

    int RunAvailableTransfer(int Mi, int Si, int32_t amount) override
    {
        ++offers;
        EXPECT_GT(amount, 0) << "a transfer offered to " << Mi << "." << Si << ", which lacks nothing";
        const int answer = Uniform(dice, 3);
        if (answer < 2 || !Transfer(0, 0, Mi, Si, amount, date, "Available Transfer"))
            return answer == 1 ? 1 : 0;
        moved += amount;
        return 1;
    }

    int32_t AnyAmount() { return OneIn(dice, 5) ? 1 + Uniform(dice, 200000) : 1 + Uniform(dice, 30000); }

    Slot AnySlot(bool withAvailable)
    {
        std::vector<Slot> boxes;
        for (int Mi = withAvailable ? 0 : 1; Mi < kMainAccounts; ++Mi)
            for (int Si = 0; Si < kSlots; ++Si)
                if (Accounts[Mi][Si].Valid)
                    boxes.push_back({Mi, Si});
        return AnyOf(dice, boxes);
    }

    // kind 0: check, 1: debit, 2: ATM withdrawal, 3: transfer, 4: deposit into slot s; the amount
    // at times exactly what s or the Checkbook holds. Only money out may be refused, and only
    // for a reason: a savings account or the Checkbook short of the amount (the Checkbook not
    // allowed below 0, or the user saying no), or a cancelled offer of a transfer from "Available".
    void Record(int kind)
    {
        const Slot s = AnySlot(true);
        Slot to = AnySlot(true);
        while (kind == 3 && to == s)
            to = AnySlot(true);
        const int32_t held = Held(OneIn(dice, 2) ? s : kCheckbook);
        const int32_t amount = OneIn(dice, 6) && held > 0 ? held : AnyAmount(), balance = Held(s), into = Held(to);
        const int offered = offers;
        const uint32_t number = OneIn(dice, 2) ? static_cast<uint32_t>(gBudget.HighestIdent) : 100 + Uniform(dice, 12);
        const CheckEntry entry{.Amount = amount, .Datime = date, .Number = number, .Debit = kind == 1};
        AHistory* rec = kind == 4   ? RecordDeposit(s.Mi, s.Si, amount, "Payer", date, "Income", false)
                        : kind == 3 ? RecordTransfer(s.Mi, s.Si, to.Mi, to.Si, amount, date, "Moving money")
                        : kind == 2 ? RecordATM(s.Mi, s.Si, amount, date)
                                    : RecordCheck(s.Mi, s.Si, entry);
        const int32_t out = rec ? (kind == 4 ? -amount : amount) : 0;
        EXPECT_TRUE(rec || (kind < 4 && (offers > offered || (IsSavings(s) ? balance : Held(kCheckbook)) < amount)));
        EXPECT_EQ(Held(s), balance + moved - out);
        EXPECT_TRUE(kind != 3 || !rec || Held(to) == into + amount - (to == kAvailable ? moved : 0));
        money -= kind == 3 ? 0 : out;
    }

    // A pay entry of the ticked sources, or a multiple deposit of them with up to three rows
    // into accounts in the checkbook. The budget gains each pay plus what it gives savings
    // accounts (which is paid on top of it), and the rows; the bank, the pays and the rows.
    void Pay()
    {
        const bool ticked[kPayers] = {OneIn(dice, 2), OneIn(dice, 2), false};
        int64_t intoBank = 0, intoSavings = 0;
        for (int i = 0; i < kPayers; ++i) {
            if (!ticked[i])
                continue;
            intoBank += gBudget.PayAmount[i];
            const int pay = PayOfTheMonth(i, GetDay(date)) - 1;
            for (int Mi = 1; Mi < kMainAccounts; ++Mi)
                for (int Si = 0; Si < kSlots; ++Si)
                    if (Accounts[Mi][Si].Valid && Accounts[Mi][Si].SavingsFlag)
                        intoSavings += std::max(0, Accounts[Mi][Si].PayAmount[i][pay]);
        }
        const int64_t book = Held(kCheckbook);
        const int32_t firstID = gBudget.UniqueID + 1;
        const int how = Uniform(dice, 3);
        if (how == 0) {
            RecordPayEntry(ticked, date);
        } else if (how == 1) {
            intoBank = VariablePay();
            intoSavings = 0;
        } else {
            MultiDepositRow rows[kMultiDepositRows];
            for (MultiDepositRow& row : rows) {
                const Slot s = AnySlot(true);
                if (IsSavings(s) || OneIn(dice, 3))
                    continue;
                const int32_t amount = 1 + Uniform(dice, 20000);
                const ARecord& main = Accounts[s.Mi][0];
                row = {MoneyText(amount), "Bank", s.Si ? main.SubName : main.Name, s.Si ? Accounts[s.Mi][s.Si].Name : "",
                       "Row"};
                intoBank += amount;
            }
            if (!CDepositDialogOK(rows, ticked))
                return;
            RecordMultiDeposit(rows, ticked, date);
            EXPECT_EQ(MemoryAccounts[0][1].HistoryRec->Amt, intoBank) << "the summary is the whole deposit";
        }
        money += intoBank + intoSavings;
        EXPECT_EQ(Held(kCheckbook) - book, intoBank);
        int64_t deposits = 0;
        for (int32_t id = firstID; id <= gBudget.UniqueID; ++id)
            if (const DBalance* d = FindIndicator(id))
                deposits += d->BAmount;
        EXPECT_EQ(deposits, intoBank) << "balancing shows the bank deposits";
    }

    // A variable pay of amounts given to a few accounts of the list, at times more than its total,
    // which is refused with nothing recorded. Returns what the bank deposit brings in.
    int64_t VariablePay()
    {
        ClearVPay();
        SetUpVPay();
        int64_t given = 0;
        for (int k = Uniform(dice, 4); k > 0; --k) {
            const Slot s = AnySlot(false);
            const int32_t amount = Uniform(dice, 20000);
            given += VPayAccount(s.Mi, s.Si) ? amount - VPayAmount(s.Mi, s.Si) : 0;
            SetVPayAmount(s.Mi, s.Si, amount);
        }
        const int32_t total = static_cast<int32_t>(std::max<int64_t>(1, given + Uniform(dice, 30000) - 3000));
        const int32_t unique = gBudget.UniqueID;
        const int32_t deposit = RecordVariablePay({date, MoneyText(total), "Boss"});
        EXPECT_EQ(deposit != 0, total >= given) << AllMessages();
        if (!deposit) {
            EXPECT_EQ(gBudget.UniqueID, unique) << "a refused pay drew a number";
            return 0;
        }
        EXPECT_EQ(MemoryAccounts[0][1].HistoryRec->Amt, total) << "the summary is the whole pay";
        return total;
    }

    // A new account in a free box (a sub account at times), or the deletion of one: refused
    // while it waits for the statement, otherwise its balance goes to "Available" unless it is
    // a savings account, whose money leaves the budget.
    void NewOrDeleteAccount()
    {
        if (OneIn(dice, 2)) {
            const Slot s = AnySlot(false);
            const bool savings = IsSavings(s);
            const int32_t balance = Held(s);
            const bool subs = Accounts[s.Mi][0].NumberOfSubAccounts > 0;
            DeleteAccount(s.Mi, s.Si);
            if (!Accounts[s.Mi][s.Si].Valid)
                money -= savings ? balance : 0;
            else
                EXPECT_TRUE(!Messages.empty() || (s.Si == 0 && subs)) << "an account kept without a reason";
            return;
        }
        Slot s{1 + Uniform(dice, kMainAccounts - 1), 0};
        if (Accounts[s.Mi][0].Valid)
            s.Si = 1 + Uniform(dice, kSlots - 1);
        if (Accounts[s.Mi][s.Si].Valid)
            return;
        SetUpAccount(s, "New " + std::to_string(++created), OneIn(dice, 4));
        if (s.Si == 1 && !Accounts[s.Mi][0].SubName[0])
            CopyString(("Group " + std::to_string(created)).c_str(), Accounts[s.Mi][0].SubName);
    }

    // Undoes a record, mostly one still outstanding: only those are taken back (a pay deposit
    // with all its pieces), transfers never. At times the user asks in another account.
    void Undo()
    {
        const std::vector<AHistory*> all = AllRecords();
        std::vector<AHistory*> open;
        std::copy_if(all.begin(), all.end(), std::back_inserter(open), [](const AHistory* h) { return h->BalanceRec; });
        const std::vector<AHistory*>& from = open.empty() || OneIn(dice, 3) ? all : open;
        if (from.empty())
            return;
        AHistory* h = AnyOf(dice, from);
        const Slot asked = OneIn(dice, 10) ? AnySlot(true) : Slot{h->Mi, h->Si};
        std::vector<AHistory*> undone;
        if (asked == Slot{h->Mi, h->Si} && h->BalanceRec && !h->TransferFlag)
            undone = h->TypeFlag ? std::vector<AHistory*>{h} : Pieces(static_cast<DBalance*>(h->BalanceRec));
        for (const AHistory* r : undone)
            money += r->TypeFlag ? r->Amt : -int64_t{r->Amt};
        gSelectedItem = h;
        BudgetUndo(asked.Mi, asked.Si);
        EXPECT_TRUE(std::all_of(undone.begin(), undone.end(), [](const AHistory* r) { return r->UnDone; }));
    }

    // Edits a record: mostly a new amount, the step's date, new texts, at times a new check number.
    // An amount is kept only for a reason, and a transfer changes both halves or neither.
    void Edit()
    {
        AHistory* h = AnyOf(dice, AllRecords());
        if (!CheckEditable(h))
            return;
        const int32_t before = h->Amt;
        const AHistory* partner = h->TransferFlag ? FindTransferPartner(h) : nullptr;
        const bool keeps = h->BalanceFlag || h->PayFlag || IsSavings({h->Mi, h->Si}) || (h->TransferFlag && !partner);
        const size_t told = Messages.size();
        const uint32_t number = OneIn(dice, 2) ? static_cast<uint32_t>(h->CheckID) : 100u + Uniform(dice, 12);
        const int32_t amount = OneIn(dice, 4) ? before : AnyAmount();
        const EditEntry entry{amount, date, "Payee", "For", "Memo", number, OneIn(dice, 2)};
        RecordEdit(h, entry);
        const int64_t change = int64_t{h->Amt} - before;
        EXPECT_TRUE(change == 0 || !keeps) << "the amount of a record that keeps it changed";
        EXPECT_TRUE(h->Amt == entry.Amount || keeps || Messages.size() > told) << "an amount kept without a reason";
        EXPECT_TRUE(!partner || partner->Amt == h->Amt) << "one half of a transfer edited";
        EXPECT_EQ(std::string(h->Datime, 8), date);
        money += h->TransferFlag ? 0 : (h->TypeFlag ? -change : change);
    }

    // Moves or exchanges accounts, refused moves (row 0, a main account onto an empty sub
    // position) included: every account keeps its balance.
    void MoveAccount()
    {
        const Slot from = OneIn(dice, 12) ? kAvailable : AnySlot(false);
        Slot to{1 + Uniform(dice, kMainAccounts - 1), 0};
        if (OneIn(dice, 12))
            to = {0, Uniform(dice, kSlots)};
        else if (Accounts[to.Mi][0].Valid)
            to.Si = Uniform(dice, kSlots);
        const std::map<std::string, int32_t> balances = BalancesByName();
        SwitchAccounts(from.Mi, from.Si, to.Mi, to.Si);
        EXPECT_EQ(BalancesByName(), balances);
    }

    // Ticks records at random and completes a balancing: with no difference; with one, which
    // is refused; or forced, which books the difference in "Available" first (refused when the
    // Checkbook may not go below 0 and would). The ticked records leave the chains.
    void Reconcile()
    {
        std::pair<int, int> open{0, 0}, before{gCheckDisplayLines, gDepositDisplayLines};
        for (CBalance* c = gBalanceCAnchor; c; c = c->BalanceCFP)
            open.first += (c->BChecked = OneIn(dice, 2)) ? 0 : 1;
        for (DBalance* d = gBalanceDAnchor; d; d = d->BalanceDFP)
            open.second += (d->BChecked = OneIn(dice, 2)) ? 0 : 1;
        SumBalanceData();
        const int64_t book = Held(kCheckbook);
        const int mode = Uniform(dice, 10), force = mode >= 7 ? 1 : 0;
        int32_t off = mode < 5 ? 0 : Uniform(dice, 40001) - 20000;
        if (mode >= 5 && book > 0 && OneIn(dice, 4))
            off = static_cast<int32_t>(-book - Uniform(dice, 2));  // the Checkbook just reaches 0, or passes it
        off = mode >= 5 && off == 0 ? 1 : off;
        gBudget.StatementBalance = static_cast<int32_t>(book - gBDepositTotal + gBCheckTotal + off);
        const bool balanced = off == 0 || (force && (off > 0 || gBudget.CheckbookNegativeFlag || book + off >= 0));
        ASSERT_EQ(CompleteBalancing(force), balanced ? 1 : 0) << AllMessages();
        EXPECT_EQ(std::pair(gCheckDisplayLines, gDepositDisplayLines), balanced ? open : before);
        money += balanced ? off : 0;
    }

    // Switches the withdrawal order; ticks made meanwhile must survive the rebuilt chain.
    void ChangeOrder()
    {
        std::unordered_map<const AHistory*, int> ticks, after;
        for (CBalance* c = gBalanceCAnchor; c; c = c->BalanceCFP)
            ticks[c->HistoryRec] = c->BChecked = static_cast<char>(OneIn(dice, 3) ? !c->BChecked : c->BChecked);
        gBudget.Flag1 ^= kBudgetSortByDate;
        ReloadCheckBalanceChain();
        for (const CBalance* c = gBalanceCAnchor; c; c = c->BalanceCFP)
            after[c->HistoryRec] = c->BChecked;
        EXPECT_EQ(after, ticks);
    }

    // Saves into memory and reads the bytes back as the open budget. Everything but the
    // balancing chains must read back as it was; those are made again in file order, so records
    // Investments beside the budget: a new account, a buy (at times far too large, which is
    // refused), a sale (at times of all that is held, at times of more, which is refused), a new
    // price, a cost basis, two slots exchanged.
    void InvestStep()
    {
        const int Ii = 1 + Uniform(dice, 6);
        if (!ValidInvestAccount(Ii)) {
            RecordInvestName(Ii, "Fund " + std::to_string(Ii));
            return;
        }
        const int32_t held = Invest[Ii].NumberOfShares;
        const int32_t price = 1 + Uniform(dice, OneIn(dice, 8) ? kLargestInvestAmount : 90000);
        switch (Uniform(dice, 6)) {
        case 0:
        case 1:
            BuySellShares(1, Ii, Uniform(dice, OneIn(dice, 8) ? INT32_MAX : 50000), price, date);
            break;
        case 2:
            BuySellShares(0, Ii, OneIn(dice, 3) ? held : static_cast<int32_t>(std::min<int64_t>(dice() % (held + 2LL), INT32_MAX)), price, date);
            break;
        case 3:
            RecordPriceUpdate(Ii, price, date);
            break;
        case 4:
            RecordCostBasis(Ii, 1 + Uniform(dice, OneIn(dice, 8) ? INT32_MAX - 1 : 100000));
            break;
        default:
            SwitchInvest(Ii, 1 + Uniform(dice, 6));
            break;
        }
    }

    // of equal key may change places, but they land where inserting them one by one in file
    // order puts them. Writing again gives the same bytes.
    void SaveAndReopen()
    {
        const std::string dump = DumpBudgetJson();
        const std::vector<std::string> chains = ChainLines(true);
        MemoryWriter first, second;
        ASSERT_EQ(WriteDataFile(first), 1) << AllMessages();
        ASSERT_EQ(ReadBudgetImage(first.Bytes.data(), first.Bytes.size()), 1) << AllMessages();
        EXPECT_TRUE(Messages.empty()) << AllMessages();
        const auto withoutChains = [](const std::string& d) { return d.substr(0, d.find("\"balancing\"")); };
        EXPECT_EQ(withoutChains(DumpBudgetJson()), withoutChains(dump));
        EXPECT_EQ(ChainLines(true), chains);
        ASSERT_EQ(WriteDataFile(second), 1) << AllMessages();
        EXPECT_TRUE(first.Bytes == second.Bytes) << "writing the budget read back gives other bytes";

        const std::vector<std::string> loaded = ChainLines(false);
        TakeBackBalancingRecords();
        for (AHistory* h : AllRecords())
            if (Outstanding(Accounts[h->Mi][h->Si], h))
                CreateBalanceRecord(h);
        EXPECT_EQ(ChainLines(false), loaded);
    }

    // One random step; the money in all accounts must change only by what the step moved in or out.
    void Step()
    {
        moved = 0;
        DefaultAnswer = OneIn(dice, 2) ? IDYES : IDNO;
        date = AnyDate(dice);
        const int roll = Uniform(dice, 120);
        if (roll < 60)
            Record(roll < 14 ? 0 : roll < 22 ? 1 : roll < 29 ? 2 : roll < 42 ? 3 : 4);
        else if (roll < 66)
            Pay();
        else if (roll < 78)
            Undo();
        else if (roll < 85)
            MoveAccount();
        else if (roll < 93)
            Reconcile();
        else if (roll < 100)
            ChangeOrder();
        else if (roll < 104)
            NewOrDeleteAccount();
        else if (roll < 112)
            Edit();
        else
            InvestStep();
        gSelectedItem = nullptr;
        Messages.clear();
        int64_t sum = 0;
        for (const auto& [name, balance] : BalancesByName())
            sum += balance;
        EXPECT_EQ(sum, money) << "money made or lost";
    }

    Dice dice{GetParam()};
    const char* date = "";
    int offers = 0;
    int32_t moved = 0;  // from "Available" in this step
    int64_t money = 0;  // what the steps moved in and out of the budget
    int created = 0;    // accounts made by the run, for their names
    QTemporaryDir folder;
};

TEST_P(RandomLedgerRun, EveryStepKeepsAccountsChainsAndBalancingInStep)
{
    for (int step = 1; step <= 400 && !HasFailure(); ++step) {
        SCOPED_TRACE("step " + std::to_string(step));
        Step();
        if (step % 25 == 0 && !HasFailure())
            SaveAndReopen();
        if (!HasFailure())
            CheckLedger(*this);
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomLedgerRun, ::testing::Range(0u, 8u));

// ---- the balancing records of an opened budget ----

// Even seeds order withdrawals by type, odd ones by date; the last two add a pay entry of 600
// pieces, more than one array of pieces holds.
class BulkBalancingRecords : public BudgetFixture, public ::testing::WithParamInterface<int> {
protected:
    // Outstanding records in random boxes, rich in equal dates and equal check numbers.
    void MakeRecords()
    {
        for (int Mi = 1; Mi <= 4; ++Mi)
            for (int Si = 0; Si < 3; ++Si)
                AddTestAccount(Mi, Si, ("Acct " + Name({Mi, Si})).c_str());
        static const int32_t numbers[] = {0, 1, 2, 2, 3, 5, 5, 8, -7, INT32_MAX, INT32_MIN};
        const int plain = std::array{300, 60, 500, 200}[GetParam() / 2], all = plain + (GetParam() >= 6 ? 600 : 0);
        for (int k = 0; k < all; ++k) {
            const bool bigPay = k >= plain, out = !bigPay && OneIn(dice, 2);
            AHistory* h = AddTestHistory(1 + Uniform(dice, 4), Uniform(dice, 3), 1 + Uniform(dice, 9999), out, "Payee");
            CopyString(AnyDate(dice), h->Datime);
            h->Checked = OneIn(dice, 3);
            const int kind = Uniform(dice, 3);
            h->ATM = out && kind < 2 ? (kind == 0 ? 1 : 255) : 0;
            h->CheckID = !out ? 1000 + k : kind == 2 ? numbers[Uniform(dice, static_cast<int>(std::size(numbers)))] : 0;
            if (!out && (bigPay || kind == 0)) {
                h->PayID = bigPay ? 99 : 1 + Uniform(dice, 4);
                h->PayFlag = 1;
                h->CheckID = OneIn(dice, 2) ? h->PayID : h->CheckID;
            }
            records.push_back(h);
        }
        std::shuffle(records.begin(), records.end(), dice);
    }

    // Checks the links and frees both chains, which gives the records back their ticks.
    void CheckAndClear()
    {
        CheckChains({records.begin(), records.end()});
        EXPECT_EQ(IntegrityCheck4(), 1) << host.AllMessages();
        TakeBackBalancingRecords();
    }

    Dice dice{static_cast<uint32_t>(11 + GetParam())};
    std::vector<AHistory*> records;
};

// Opening a budget makes all balancing records at once; they must land exactly where inserting
// them one by one in the same order would put them, also onto chains that already hold records.
TEST_P(BulkBalancingRecords, LandWhereOneByOneInsertionPutsThem)
{
    gBudget.Flag1 |= GetParam() & 1 ? kBudgetSortByDate : 0;
    MakeRecords();
    const size_t n = records.size();
    for (int trial = 0; trial < 4 && !HasFailure(); ++trial) {
        const size_t split = trial == 0 ? 0 : static_cast<size_t>(Uniform(dice, static_cast<int>(n) + 1));
        for (AHistory* h : records)
            CreateBalanceRecord(h);
        const std::vector<std::string> oneByOne = ChainLines(false);
        CheckAndClear();
        for (size_t k = 0; k < split; ++k)
            CreateBalanceRecord(records[k]);
        CreateBalanceRecords(records.data() + split, n - split);
        EXPECT_EQ(ChainLines(false), oneByOne) << "the first " << split << " records inserted one by one";
        CheckAndClear();
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, BulkBalancingRecords, ::testing::Range(0, 8));

}  // namespace
