// The ledger test fixture.
#include "LedgerFixture.h"

#include "ledger/Recording.h"
#include "model/Globals.h"

#include <gtest/gtest.h>

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
    CheckEntry entry;
    entry.Amount = amount;
    entry.Datime = date;
    entry.PayTo = "Payee";
    entry.Number = number;
    return RecordCheck(Mi, Si, entry);
}

AHistory* LedgerFixture::Debit(int Mi, int Si, int32_t amount, const char* date)
{
    CheckEntry entry;
    entry.Amount = amount;
    entry.Datime = date;
    entry.PayTo = "Card";
    entry.Debit = true;
    return RecordCheck(Mi, Si, entry);
}

AHistory* LedgerFixture::ATM(int Mi, int Si, int32_t amount, const char* date)
{
    return RecordATM(Mi, Si, amount, date);
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

void LedgerFixture::ExpectCheckbookInStep()
{
    int64_t sum = 0;
    for (int Mi = 0; Mi < kMainAccounts; ++Mi)
        for (int Si = 0; Si < kSlots; ++Si)
            if (Accounts[Mi][Si].Valid && !Accounts[Mi][Si].SavingsFlag)
                sum += Accounts[Mi][Si].Balance;
    EXPECT_EQ(Accounts[0][1].Balance, sum);
}
