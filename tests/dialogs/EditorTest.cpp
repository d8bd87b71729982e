// Transaction Details and the Editor driven by scripts: what they show and offer for each kind of
// record, and what the editor stores.
#include "support/WindowFixture.h"

#include "dialogs/TransactionDialogs.h"
#include "ledger/Budget.h"
#include "ledger/Undo.h"
#include "model/Globals.h"

namespace {

AHistory* WriteCheck(int Mi, const char* payee, bool debit = false)
{
    const uint32_t number = debit ? 0 : static_cast<uint32_t>(gBudget.HighestIdent);
    return RecordCheck(Mi, 0, CheckEntry{5000, "11/05/26", payee, "December", "Flat 4", number, debit, true});
}

// Rent 800.00, Gas 50.00 and the savings account Savings 1,000.00; the next check number is 1001.
class EditorTest : public BudgetFixture {
protected:
    void SetUp() override
    {
        BudgetFixture::SetUp();
        const char* names[] = {"", "Rent", "Gas", "Savings"};
        const int32_t amounts[] = {0, 80000, 5000, 100000};
        for (int Mi = 1; Mi <= 3; ++Mi) {
            RecordTestAccount(Mi, 0, names[Mi], Mi == 3);
            RecordDeposit(Mi, 0, amounts[Mi], "Employer", "11/01/26", "", false);
        }
        gBudget.HighestIdent = 1001;
    }

    QWidget window;  // the history window the editor belongs to
    DialogScripts dialogs;
};

TEST_F(EditorTest, DetailsAndTheEditorShowWhatKindOfTransactionARecordIs)
{
    gIntRec.Flag1 = kIntDayMonthYear;
    const struct {
        std::function<AHistory*()> make;
        // Details: payee label and text, effective date, the Ident line and the ticked boxes
        // (Check, Deposit, Transfer, taX, Atm, Pay, Balanced, Undone).
        const char* details;
        // The editor: the fields beside date and amount (Payee, For, Memo, Number, Tax), or
        // "refused" before it opens.
        const char* offered;
    } cases[] = {
        {[] { return WriteCheck(1, "Landlord"); }, "Paid To: Landlord 05/11/26 Ident: 1001 CX", "PFMNT"},
        {[] { return WriteCheck(1, "Card shop", true); }, "Paid To: Card shop 05/11/26 Ident: 0 CX", "PFT"},
        {[] { return RecordATM(1, 0, 4000, "11/07/26"); }, "Paid To: ATM Cash 07/11/26  A", ""},
        {[] {
             RecordTransfer(1, 0, 2, 0, 3000, "11/05/26", "Fuel");
             return MemoryAccounts[2][0].HistoryRec;
         },
         "Rec'd From: Rent Account 05/11/26  T", "F"},
        {[] {
             AHistory* h = CreditAccount(3, 0, 5500, "Employer", "11/10/26", "");  // no balancing record
             h->PayFlag = 1;
             return h;
         },
         "Rec'd From: Employer 10/11/26  DP", "PF"},
        {[] {
             AHistory* h = gSelectedItem = WriteCheck(1, "Landlord");
             BudgetUndo(1, 0);
             return h;
         },
         "Paid To: Landlord 05/11/26 Ident: 1002 CXU", "refused"},
    };
    for (const auto& c : cases) {
        AHistory* h = c.make();
        std::string details, offered;
        dialogs.Scripts = {[&](ScriptedDialog& d) {
                               details = d.Text(1003) + " " + d.Text(1004) + " " + d.Text(1010) + " " +
                                         d.Text(1007) + (d.Text(1007).empty() ? "" : " ") + d.Text(1008) + " ";
                               for (int id = 1012; id <= 1019; ++id) {
                                   d.Click(id);  // shown only: a click changes nothing
                                   details += d.Checked(id) ? std::string(1, "CDTXAPBU"[id - 1012]) : "";
                               }
                               d.Click(IDOK);
                           },
                           [&](ScriptedDialog& d) {
                               for (const auto& [id, letter] :
                                    {std::pair{1001, 'P'}, {1004, 'F'}, {1005, 'M'}, {1006, 'N'}, {1008, 'T'}})
                                   offered += d.Visible(id) ? std::string(1, letter) : "";
                               d.Click(IDCANCEL);
                           }};
        host.Messages.clear();
        HandleTransactionDisplay(h);
        EXPECT_EQ(details, c.details);
        BudgetEdit(h, &window);
        EXPECT_EQ(host.Messages.empty() ? offered : "refused", c.offered) << c.details;
        EXPECT_EQ(gHPtr, nullptr);
    }
}

// Everything is read and checked before anything is stored: a fault keeps the editor open with the
// record as it was. (The random ledger runs check the balances and ticks that follow an edit.)
TEST_F(EditorTest, OkStoresTheEditOrNothingOnAFault)
{
    AHistory* check = WriteCheck(1, "Landlord");
    const auto shown = [check] {
        return std::string(check->Datime, 8) + " " + check->PayToFm + " " + std::to_string(check->Amt);
    };
    dialogs.Scripts.push_back([&](ScriptedDialog& d) {
        EXPECT_EQ(d.Text(1007) + " " + d.Text(1003) + " " + d.Text(1006), "11/05/26 $50.00 1001");
        for (const auto& [id, text] : {std::pair{1003, "80"}, {1007, "11/9"}, {1001, "Owner"}, {1006, "12x"}})
            d.Type(id, text);
        d.Click(IDOK);
        EXPECT_EQ(host.Messages.size(), 1u);
        EXPECT_EQ(d.Selected(), 1006);
        EXPECT_EQ(shown(), "11/05/26 Landlord 5000");
        d.Type(1006, "1500");
        d.Click(1008);
        d.Click(IDOK);
    });
    BudgetEdit(check, &window);
    EXPECT_EQ(shown(), "11/09/26 Owner 8000");
    EXPECT_EQ(std::vector({check->CheckID, gBudget.HighestIdent, int32_t{check->TaxFlag}}),
              std::vector({1500, 1501, 0}));
}

}  // namespace
