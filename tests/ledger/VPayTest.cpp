// Variable pay: the rows of the account list, the recording of a pay given out by hand, and the
// refusals that record nothing.
#include "LedgerFixture.h"

#include "ledger/VariablePay.h"
#include "model/Globals.h"

#include <string>
#include <vector>

namespace {

class VPayTest : public LedgerFixture {
protected:
    void SetUp() override
    {
        LedgerFixture::SetUp();
        RecordTestAccount(1, 0, "Rent");
        RecordTestAccount(2, 0, "Car");
        RecordTestAccount(2, 1, "Fuel");
        RecordTestAccount(2, 3, "Repairs");
        RecordTestAccount(2, 4, "Car Fund");
        RecordTestAccount(2, 4, "Car Fund", true);  // made a savings account afterwards
        RecordCategoryName(2, "Car Costs");
        RecordTestAccount(3, 0, "Savings", true);
        RecordTestAccount(4, 0, "Food");
        host.Messages.clear();
        ClearVPay();
    }

    // The list as "Mi.Si indent", a heading marked so.
    static std::vector<std::string> Rows()
    {
        std::vector<std::string> rows;
        int Mi = 0, Si = 0, flag = 0, start = 0;
        for (int num = 0; GetVAccount(num, &Mi, &Si, &flag, &start); ++num)
            rows.push_back(std::to_string(Mi) + "." + std::to_string(Si) + (flag ? " heading " : " ") +
                           std::to_string(start));
        return rows;
    }

    static VPayEntry Entry(const char* total, const char* from = "Boss", const char* date = "12/20/26")
    {
        return {date, total, from};
    }
};

TEST_F(VPayTest, HeadingsExpandAndCollapseAndSavingsAreNeverListed)
{
    EXPECT_EQ(SetUpVPay(), 6);
    EXPECT_EQ(Rows(), (std::vector<std::string>{"1.0 20", "2.0 heading 20", "2.0 40", "2.1 40", "2.3 40", "4.0 20"}));
    EXPECT_EQ(ToggleVPayHeading(2), 3);
    EXPECT_EQ(Rows(), (std::vector<std::string>{"1.0 20", "2.0 heading 20", "4.0 20"}));
    EXPECT_EQ(ToggleVPayHeading(1), 3) << "a main account without sub accounts has no heading";
    EXPECT_EQ(ToggleVPayHeading(2), 6);

    // Amounts go only to accounts of the list.
    for (auto [Mi, Si] : {std::pair{0, 0}, {0, 1}, {2, 4}, {3, 0}, {5, 0}})
        EXPECT_FALSE(VPayAccount(Mi, Si)) << Mi << "." << Si;
    SetVPayAmount(3, 0, 500);
    EXPECT_EQ(ComputeRemaining(1000), 1000);
}

TEST_F(VPayTest, APayIsGivenOutUnderOneDepositNumberWithItsSummary)
{
    Accounts[1][0].HFlag = 1;  // Rent shows second lines
    SetUpVPay();
    SetVPayAmount(1, 0, 10000);
    SetVPayAmount(2, 1, 5000);
    EXPECT_EQ(ComputeRemaining(50000), 35000);

    const int32_t deposit = RecordVariablePay(Entry("500.00"));
    ASSERT_NE(deposit, 0) << host.AllMessages();
    EXPECT_EQ(gBudgetFileChanged, 1);
    const struct { int Mi, Si; int32_t balance; } credited[] = {{1, 0, 10000}, {2, 1, 5000}, {0, 0, 35000}};
    for (const auto& c : credited) {
        const AHistory* h = MemoryAccounts[c.Mi][c.Si].HistoryRec;
        ASSERT_NE(h, nullptr);
        EXPECT_EQ(Accounts[c.Mi][c.Si].Balance, c.balance);
        EXPECT_TRUE(h->PayID == deposit && h->PayFlag && h->Tri && !h->TypeFlag) << c.Mi << "." << c.Si;
        EXPECT_STREQ(h->PayToFm, "Boss");
        EXPECT_STREQ(h->For, "Pay");
    }
    EXPECT_TRUE(MemoryAccounts[1][0].HistoryRec->HFlag && MemoryAccounts[1][0].DisplayLines == 2);
    EXPECT_EQ(Accounts[2][3].Balance, 0);

    const AHistory* summary = MemoryAccounts[0][1].HistoryRec;
    EXPECT_TRUE(summary->LogRecord && summary->PayFlag && summary->PayID == deposit);
    EXPECT_EQ(summary->Amt, 50000);
    EXPECT_EQ(Accounts[0][1].Balance, 50000);
    EXPECT_EQ(Deposits(), (std::vector<std::string>{"12/20/26 50000"})) << "balancing shows one bank deposit";
}

TEST_F(VPayTest, ARefusedPayRecordsNothing)
{
    ASSERT_NE(Deposit(4, 0, 99990000), nullptr);  // the Checkbook 100.00 below the deposit ceiling
    SetUpVPay();
    SetVPayAmount(1, 0, 10000);
    SetVPayAmount(2, 1, 5000);
    const struct { VPayEntry entry; VPayField field; const char* message; } cases[] = {
        {Entry("500.00", "Boss", "13/45/26"), VPayField::Date, "13/45/26"},
        {Entry("500.x"), VPayField::Total, "500.x"},
        {Entry("0"), VPayField::Total, "0"},
        {Entry("1,000,000.01"), VPayField::Total, "1,000,000.01"},
        {Entry("500.00", ""), VPayField::From, "The From field must be specified."},
        {Entry("149.99"), VPayField::Amount, "The amounts given out are more than the total pay."},
        {Entry("150.00"), VPayField::Total, ""},  // meets the deposit ceiling
    };
    const int32_t unique = gBudget.UniqueID;
    const int logs = Accounts[0][1].NumberOfHistoryRecords;
    for (const auto& c : cases) {
        host.Messages.clear();
        VPayField field = VPayField::Date;
        EXPECT_EQ(RecordVariablePay(c.entry, &field), 0) << c.entry.Total;
        EXPECT_EQ(field, c.field) << c.entry.Total;
        EXPECT_NE(host.AllMessages().find(c.message), std::string::npos) << host.AllMessages();
        EXPECT_EQ(host.Messages.size(), 1u) << host.AllMessages();
        EXPECT_TRUE(gBudget.UniqueID == unique && Accounts[0][1].NumberOfHistoryRecords == logs &&
                    Accounts[0][1].Balance == 99990000 && !MemoryAccounts[1][0].HistoryRec)
            << "recorded after refusing " << c.entry.Total;
    }
}

}  // namespace
