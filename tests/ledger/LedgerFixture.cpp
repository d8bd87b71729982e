// The ledger test fixture.
#include "LedgerFixture.h"

#include "ledger/Balance.h"
#include "ledger/Recording.h"
#include "model/Globals.h"


void LedgerFixture::Account(int Mi, int Si, const char* name, bool savings)
{
    const int32_t none[kPayers][kPaysPerMonth] = {};
    RecordAccountSetup(Mi, Si, name, savings, none);
}

AHistory* LedgerFixture::Deposit(int Mi, int Si, int32_t amount, const char* date)
{
    return RecordDeposit(Mi, Si, amount, "Payer", date, "", false);
}

AHistory* LedgerFixture::Check(int Mi, int Si, int32_t amount, uint32_t number, const char* date)
{
    return RecordCheck(Mi, Si, {.Amount = amount, .Datime = date, .PayTo = "Payee", .Number = number});
}

AHistory* LedgerFixture::Debit(int Mi, int Si, int32_t amount, const char* date)
{
    return RecordCheck(Mi, Si, {.Amount = amount, .Datime = date, .PayTo = "Card", .Debit = true});
}

AHistory* LedgerFixture::ATM(int Mi, int Si, int32_t amount, const char* date)
{
    return RecordATM(Mi, Si, amount, date);
}

void LedgerFixture::ReconcileAll()
{
    for (CBalance* c = gBalanceCAnchor; c; c = c->BalanceCFP)
        c->BChecked = 1;
    for (DBalance* d = gBalanceDAnchor; d; d = d->BalanceDFP)
        d->BChecked = 1;
    BalanceCheckbook();
}

std::vector<std::string> LedgerFixture::Withdrawals()
{
    std::vector<std::string> lines;
    for (const CBalance* c = gBalanceCAnchor; c; c = c->BalanceCFP) {
        const char* kind = c->ATM == 1 ? "ATM" : (c->ATM == 255 ? "debit" : "check");
        lines.push_back(std::string(kind) + " " + c->BDatime + " " + std::to_string(c->BIdent));
    }
    return lines;
}

std::vector<std::string> LedgerFixture::Deposits()
{
    std::vector<std::string> lines;
    for (const DBalance* d = gBalanceDAnchor; d; d = d->BalanceDFP)
        lines.push_back(std::string(d->BDatime) + " " + std::to_string(d->BAmount));
    return lines;
}
