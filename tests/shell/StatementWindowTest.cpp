// Import Statement: a bank statement ticks what it matches in the balance window and fills the
// statement field; the Statement Lines window records the rest into the accounts chosen, ticked
// at once, until the indicator balances; a cancelled chooser, a refused file or Close record
// nothing.
#include "support/WindowFixture.h"

#include "ledger/Balance.h"
#include "model/Globals.h"
#include "model/Money.h"
#include "shell/BalanceWindow.h"
#include "shell/Commands.h"
#include "shell/StatementWindow.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

// The bank's November: the pay and check 1001 that the budget holds, a café debit and a refund
// that it does not; closing balance 1,000.00 - 30.00 - 8.00 + 20.00.
const char kNovember[] =
    "OFXHEADER:100\nDATA:OFXSGML\nVERSION:102\nSECURITY:NONE\nENCODING:USASCII\nCHARSET:1252\n"
    "COMPRESSION:NONE\nOLDFILEUID:NONE\nNEWFILEUID:NONE\n\n"
    "<OFX><BANKMSGSRSV1><STMTTRNRS><TRNUID>1<STATUS><CODE>0<SEVERITY>INFO</STATUS>\n"
    "<STMTRS><CURDEF>USD<BANKACCTFROM><BANKID>1<ACCTID>2<ACCTTYPE>CHECKING</BANKACCTFROM>\n"
    "<BANKTRANLIST><DTSTART>20261101<DTEND>20261130\n"
    "<STMTTRN><TRNTYPE>CREDIT<DTPOSTED>20261102<TRNAMT>1000.00<FITID>N1<NAME>MAIN JOB PAYROLL</STMTTRN>\n"
    "<STMTTRN><TRNTYPE>CHECK<DTPOSTED>20261109<TRNAMT>-30.00<FITID>N2<CHECKNUM>1001<NAME>Landlord</STMTTRN>\n"
    "<STMTTRN><TRNTYPE>DEBIT<DTPOSTED>20261110<TRNAMT>-8.00<FITID>N3<NAME>Cafe<MEMO>coffee</STMTTRN>\n"
    "<STMTTRN><TRNTYPE>CREDIT<DTPOSTED>20261112<TRNAMT>20.00<FITID>N4<NAME>Refund</STMTTRN>\n"
    "</BANKTRANLIST><LEDGERBAL><BALAMT>982.00<DTASOF>20261130</LEDGERBAL>\n"
    "</STMTRS></STMTTRNRS></BANKMSGSRSV1></OFX>\n";

class StatementWindowTest : public ProgramFixture {
protected:
    // Outstanding: the pay of 1,000.00 (100.00 of it moved to Rent), check 1001 of 30.00 and a debit of 12.50 at the Cafe
    // that the bank has not cleared yet.
    void SetUp() override
    {
        ProgramFixture::SetUp();
        RecordTestAccount(1, 0, "Groceries");
        RecordTestAccount(2, 0, "Rent");
        RecordDeposit(1, 0, 100000, "Main Job", "11/01/26", "Pay", false);
        RecordTransfer(1, 0, 2, 0, 10000, "11/01/26", "Rent");
        RecordCheck(2, 0, CheckEntry{3000, "11/05/26", "Landlord", "", "", 1001, false, false, false});
        RecordCheck(1, 0, CheckEntry{1250, "11/07/26", "Cafe", "", "", 0, true, false, false});
        windows.Messages.clear();
    }
    void TearDown() override
    {
        CloseStatementLinesWindow();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ProgramFixture::TearDown();
    }

    std::string Write(const char* name, const std::string& text)
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.data(), static_cast<qint64>(text.size()));
        return path.toStdString();
    }
    // Import Statement... with `path` chosen ("" cancels the chooser).
    void Import(const std::string& path)
    {
        if (!path.empty())
            windows.OpenPaths.push_back(path);
        HandleMenu(kCmdImportStatement, false);
    }

    QWidget* Balance() const { return program->Others.Balance.get(); }
    static QComboBox* Chooser() { return qobject_cast<QComboBox*>(StatementLinesControl(kLinesAccount)); }
    static void Choose(const char* account) { Chooser()->setCurrentIndex(Chooser()->findText(account)); }
    static void Click(int id) { qobject_cast<QPushButton*>(StatementLinesControl(id))->click(); }
    static void PressLine(int line) { Press(StatementLinesControl(kLinesList), {100, line * gCYChar + gCYChar / 2}); }
    // The ticks of the withdrawals and deposits in pane order, "x" ticked and "-" not.
    static std::string Ticks()
    {
        std::string ticks;
        for (const CBalance* c = gBalanceCAnchor; c; c = c->BalanceCFP)
            ticks += c->BChecked ? "x" : "-";
        ticks += "|";
        for (const DBalance* d = gBalanceDAnchor; d; d = d->BalanceDFP)
            ticks += d->BChecked ? "x" : "-";
        return ticks;
    }

    QTemporaryDir dir;
};

TEST_F(StatementWindowTest, TheStatementTicksItsMatchesAndTheRestIsRecordedUntilTheIndicatorBalances)
{
    Import(Write("november.ofx", kNovember));
    ASSERT_EQ(windows.Choices.size(), 1u);
    EXPECT_EQ(windows.Choices[0].Filters.size(), 4u);
    EXPECT_TRUE(Balance()->isVisible());
    // By type the debit comes before the check: the check and the pay are ticked.
    EXPECT_EQ(Ticks(), "-x|x");
    EXPECT_EQ(gBudget.StatementBalance, 98200);
    EXPECT_EQ(static_cast<QLineEdit*>(program->Others.Statement)->text().toStdString(), "$982.00");

    // The café line is offered the account of the newest record of its payee, the refund none.
    ASSERT_EQ(StatementLinesCount(), 2u);
    Drawn drawn;
    Render(QSize(kLinesLineWidth, kLinesPage * gCYChar), drawn, [](DrawContext& dc) { PaintStatementLines(dc, 0); });
    EXPECT_EQ(TextsAt(drawn, 0, gCYChar), (Texts{"11/10/26", "Cafe", "$8.00", "Debit", "Groceries"}));
    EXPECT_EQ(TextsAt(drawn, gCYChar, gCYChar), (Texts{"11/12/26", "Refund", "$20.00", "Deposit"}));
    EXPECT_EQ(Chooser()->currentText().toStdString(), "Groceries");

    // No account chosen: told, nothing recorded.
    PressLine(1);
    EXPECT_EQ(Chooser()->currentText().toStdString(), "");
    Click(kLinesRecord);
    EXPECT_EQ(windows.OnlyMessage(), "An Account name must be specified.\r\r\r\rPlease try again.");
    EXPECT_EQ(StatementLinesCount(), 2u);
    EXPECT_EQ(Accounts[0][1].Balance, 100000 - 3000 - 1250);

    Choose("Rent");
    Click(kLinesRecord);
    EXPECT_EQ(Accounts[2][0].Balance, 10000 - 3000 + 2000);
    EXPECT_EQ(Ticks(), "-x|xx");
    ASSERT_EQ(StatementLinesCount(), 1u);
    EXPECT_EQ(Chooser()->currentText().toStdString(), "Groceries");
    Click(kLinesRecord);
    EXPECT_EQ(StatementLinesWindow(), nullptr) << "the last line recorded closes the window";
    const AHistory* cafe = MemoryAccounts[1][0].HistoryRec;
    EXPECT_TRUE(cafe->ATM == kWithdrawalDebit && cafe->Amt == 800 && RecordText(cafe->For) == "coffee");
    EXPECT_EQ(Ticks(), "-xx|xx");

    // Only the uncleared 12.50 is left outstanding: the indicator completes the balancing.
    SumBalanceData();
    EXPECT_EQ(gBalanceZero, 0);
    Press(Balance(), {kIndicatorArea.left + 4, kIndicatorArea.top + 4});
    EXPECT_STREQ(gInfoBox, "Checkbook Balanced");
    EXPECT_EQ(Ticks(), "-|");
    EXPECT_EQ(windows.Messages.size(), 1u) << windows.AllMessages();
}

TEST_F(StatementWindowTest, ACancelledChooserARefusedFileOrCloseRecordNothing)
{
    const std::string before = Ticks();
    Import("");
    Import(Write("broken.ofx", "not a statement"));
    EXPECT_EQ(windows.Choices.size(), 2u);
    EXPECT_NE(windows.OnlyMessage().find("OFX"), std::string::npos);
    EXPECT_FALSE(Balance()->isVisible());
    EXPECT_EQ(Ticks(), before);

    // Close leaves the lines unrecorded; so does hiding the balance window, which takes the
    // Statement Lines window with it.
    const int32_t checkbook = Accounts[0][1].Balance;
    const std::string november = Write("november.ofx", kNovember);
    Import(november);
    ASSERT_NE(StatementLinesWindow(), nullptr);
    Click(kLinesClose);
    EXPECT_EQ(StatementLinesWindow(), nullptr);
    Import(november);
    ASSERT_NE(StatementLinesWindow(), nullptr);
    Balance()->hide();
    EXPECT_EQ(StatementLinesWindow(), nullptr);
    EXPECT_EQ(Accounts[0][1].Balance, checkbook);
    EXPECT_EQ(gCheckDisplayLines + gDepositDisplayLines, 3);
}

}  // namespace
