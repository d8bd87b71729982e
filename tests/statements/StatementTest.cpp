// Bank statements: the OFX, QIF and CSV readers on small statements and on damaged ones, the
// dates and amounts banks write, and matching statement lines to the outstanding records.
#include "ledger/LedgerFixture.h"

#include "ledger/Accounts.h"
#include "ledger/Balance.h"
#include "ledger/Pay.h"
#include "model/Money.h"
#include "statements/LineRecording.h"
#include "statements/Match.h"
#include "statements/Statement.h"

#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

class StatementTest : public LedgerFixture {};

// A line as "date amount #number payee|memo".
std::string Describe(const StatementLine& l)
{
    return l.Date + " " + std::to_string(l.Amount) + (l.Number ? " #" + std::to_string(l.Number) : "") + " " + l.Payee +
           "|" + l.Memo + (l.ATM ? " ATM" : "");
}

const char kOfx1[] =
    "OFXHEADER:100\nDATA:OFXSGML\nVERSION:102\nSECURITY:NONE\nENCODING:USASCII\nCHARSET:1252\n"
    "COMPRESSION:NONE\nOLDFILEUID:NONE\nNEWFILEUID:NONE\n\n"
    "<OFX><BANKMSGSRSV1><STMTTRNRS><TRNUID>1<STATUS><CODE>0<SEVERITY>INFO</STATUS>\n"
    "<STMTRS><CURDEF>USD<BANKACCTFROM><BANKID>1<ACCTID>2<ACCTTYPE>CHECKING</BANKACCTFROM>\n"
    "<BANKTRANLIST><DTSTART>20261101<DTEND>20261130\n"
    "<STMTTRN><TRNTYPE>CHECK<DTPOSTED>20261103<TRNAMT>-25.50<FITID>A1<CHECKNUM>1001<NAME>Grocer, Inc<MEMO>food"
    "</STMTTRN>\n"
    "<STMTTRN><TRNTYPE>ATM<DTPOSTED>20261115120000<TRNAMT>-40<FITID>A2<NAME>Main St</STMTTRN>\n"
    "</BANKTRANLIST><LEDGERBAL><BALAMT>1174.50<DTASOF>20261130</LEDGERBAL>\n"
    "</STMTRS></STMTTRNRS></BANKMSGSRSV1></OFX>\n";

const char kOfx2[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<?OFX OFXHEADER=\"200\" VERSION=\"211\" SECURITY=\"NONE\" OLDFILEUID=\"NONE\" NEWFILEUID=\"NONE\"?>\n"
    "<OFX><BANKMSGSRSV1><STMTTRNRS><TRNUID>1</TRNUID><STATUS><CODE>0</CODE><SEVERITY>INFO</SEVERITY></STATUS>"
    "<STMTRS><CURDEF>USD</CURDEF><BANKACCTFROM><BANKID>1</BANKID><ACCTID>2</ACCTID><ACCTTYPE>CHECKING</ACCTTYPE>"
    "</BANKACCTFROM><BANKTRANLIST><DTSTART>20261101</DTSTART><DTEND>20261130</DTEND>"
    "<STMTTRN><TRNTYPE>CREDIT</TRNTYPE><DTPOSTED>20261104</DTPOSTED><TRNAMT>1200.00</TRNAMT><FITID>B1</FITID>"
    "<NAME>Caf\xC3\xA9 &amp; Co</NAME></STMTTRN></BANKTRANLIST>"
    "<LEDGERBAL><BALAMT>100.01</BALAMT><DTASOF>20261120</DTASOF></LEDGERBAL>"
    "</STMTRS></STMTTRNRS></BANKMSGSRSV1></OFX>\n";

struct ReaderCase {
    const char* name;
    std::string text;
    std::vector<std::string> lines;
    std::string closing;  // "date balance", or "" when the file has none
    StatementOptions options;
};

StatementOptions As(StatementFormat format, char decimal = 0, const char* dateColumn = "")
{
    StatementOptions options;
    options.Format = format;
    options.Decimal = decimal;
    options.Columns.Date = dateColumn;
    return options;
}

TEST_F(StatementTest, EachReaderReadsItsLinesAndClosingBalance)
{
    const ReaderCase cases[] = {
        {"OFX 1 SGML", kOfx1, {"11/03/26 -2550 #1001 Grocer, Inc|food", "11/15/26 -4000 Main St| ATM"},
         "11/30/26 117450", As(StatementFormat::Ofx)},
        {"OFX 2 XML, UTF-8 text as budget text", kOfx2, {"11/04/26 120000 Caf\xE9 & Co|"}, "11/20/26 10001",
         As(StatementFormat::Ofx)},
        {"QIF: the bank and cash sections' date forms, other sections passed over",
         "!Account\nNChecking\n^\n!Type:Bank\nD12/31'05\nT-1,234.56\nN1001\nPGrocer\nMweekly\n^\n"
         "D1/5/2026\nU20.00\nT20.00\nPEmployer\n^\nD12/31/05\nT-5\nNATM\n^\nD31.12.2005\nT-1.5\n^\n"
         "D12/31' 6\nT-2\n^\n!Type:Invst\nD1/1/2026\nT-999\n^\n!Type:Cash\nD2026-02-03\nT-3.00\nPKiosk\n^\n",
         {"12/31/05 -123456 #1001 Grocer|weekly", "01/05/26 2000 Employer|", "12/31/05 -500 | ATM",
          "12/31/05 -150 |", "12/31/06 -200 |", "02/03/26 -300 Kiosk|"},
         "", As(StatementFormat::Qif)},
        {"CSV: debit and credit columns, quoted payees with commas and quotes",
         "\xEF\xBB\xBF" "Date,Description,Debit,Credit,Check #,Memo\r\n"
         "12/01/26,\"Smith, John\",25.00,,1001,rent\r\n"
         "12/02/26,\"Say \"\"hi\"\"\",,100.00,,\r\n"
         "\r\n"
         "12/03/26,\"Two\nlines\",-7.50,,,\r\n",
         {"12/01/26 -2500 #1001 Smith, John|rent", "12/02/26 10000 Say \"hi\"|", "12/03/26 -750 Two lines|"}, "",
         As(StatementFormat::Csv)},
        {"CSV: one signed column, semicolons, decimal comma, dotted dates, the date column named",
         "Buchungstag;Amount;Payee\n05.01.2026;-1.234,50;\"Shop; Ltd\"\n06.01.2026;+12;Employer\n",
         {"01/05/26 -123450 Shop; Ltd|", "01/06/26 1200 Employer|"}, "", As(StatementFormat::Csv, ',', "buchungstag")},
    };
    for (const ReaderCase& c : cases) {
        SCOPED_TRACE(c.name);
        host.Messages.clear();
        Statement statement;
        ASSERT_TRUE(ParseStatement(c.text, c.options, statement)) << host.AllMessages();
        std::vector<std::string> lines;
        for (const StatementLine& l : statement.Lines)
            lines.push_back(Describe(l));
        EXPECT_EQ(lines, c.lines);
        EXPECT_EQ(statement.HasClosing ? statement.ClosingDate + " " + std::to_string(statement.ClosingBalance) : "",
                  c.closing);
    }
}

TEST_F(StatementTest, DatesAndAmountsAsBanksWriteThem)
{
    const struct {
        const char* text;
        std::optional<DateOrder> order;
        int budgetFlags;  // the international settings' date order
        const char* stored;  // "" when refused
    } dates[] = {
        {"12/31'05", std::nullopt, 0, "12/31/05"},
        {"1/5/2026 10:30", std::nullopt, 0, "01/05/26"},
        {"1/5/2026", std::nullopt, kIntDayMonthYear, "05/01/26"},
        {"1/5/2026", DateOrder::MonthDayYear, kIntDayMonthYear, "01/05/26"},
        {"26/1/5", std::nullopt, kIntYearMonthDay, "01/05/26"},
        {"31.12.2005", std::nullopt, 0, "12/31/05"},
        {"2026-02-03T08:00:00", std::nullopt, kIntDayMonthYear, "02/03/26"},
        {"20240229", std::nullopt, 0, "02/29/24"},
        {"2/29/2025", std::nullopt, 0, ""},
        {"13/1/26", std::nullopt, 0, ""},
        {"12/31/1999", std::nullopt, 0, ""},
        {"12/31/5", std::nullopt, 0, ""},
        {"12/31", std::nullopt, 0, ""},
        {"12/31/05 x", std::nullopt, 0, ""},
    };
    for (const auto& d : dates) {
        gIntRec.Flag1 = static_cast<signed char>(d.budgetFlags);
        std::string stored;
        EXPECT_EQ(ParseStatementDate(d.text, d.order, stored) ? stored : "", d.stored) << d.text;
    }
    gIntRec.Flag1 = 0;

    const struct {
        const char* text;
        char decimal;
        bool valid;
        int32_t amount;
    } amounts[] = {
        {"-1,234.56", '.', true, -123456}, {"(12.34)", '.', true, -1234},  {"12.34-", '.', true, -1234},
        {"$ 7.5", '.', true, 750},        {"1.234,5", ',', true, 123450},  {"12.340", '.', true, 1234},
        {"12.345", '.', false, 0},        {"1,2.3,4", '.', false, 0},     {"abc", '.', false, 0},
        {"21474836.48", '.', false, 0},   {"", '.', false, 0},
    };
    for (const auto& a : amounts) {
        int32_t amount = 0;
        EXPECT_EQ(ParseStatementAmount(a.text, a.decimal, amount), a.valid) << a.text;
        if (a.valid) {
            EXPECT_EQ(amount, a.amount) << a.text;
        }
    }
    // Without a symbol given, the budget's.
    gIntRec.DecimalSymbol = ',';
    gIntRec.GroupSymbol = '.';
    int32_t amount = 0;
    EXPECT_TRUE(ParseStatementAmount("1.234,5", 0, amount));
    EXPECT_EQ(amount, 123450);
}

TEST_F(StatementTest, DamagedStatementsAreRefusedWithAMessage)
{
    const std::string ofxHead = "OFXHEADER:100\nDATA:OFXSGML\nVERSION:102\n\n";
    const struct {
        StatementFormat format;
        std::string text;
        const char* says;
    } cases[] = {
        {StatementFormat::Unknown, "hello", "no OFX, QFX, QIF or CSV file"},
        {StatementFormat::Ofx, "garbage <OFX>", "does not begin with an OFX header"},
        {StatementFormat::Ofx, ofxHead + "<OFX>" + std::string(1, '\0'), "binary data"},
        {StatementFormat::Ofx, ofxHead + "nothing here", "no <OFX> element"},
        {StatementFormat::Ofx, ofxHead + "<!DOCTYPE OFX [<!ENTITY x SYSTEM \"/dev/zero\">]><OFX>&x;", "entities"},
        {StatementFormat::Ofx, ofxHead + "<OFX><<<>>>&&&<STMTTRN", "no bank statement"},
        {StatementFormat::Ofx,
         ofxHead + "<OFX><BANKMSGSRSV1><STMTTRNRS><TRNUID>1<STATUS><CODE>0<SEVERITY>INFO</STATUS><STMTRS>"
                   "<CURDEF>USD<BANKACCTFROM><BANKID>1<ACCTID>2<ACCTTYPE>CHECKING</BANKACCTFROM><BANKTRANLIST>"
                   "<DTSTART>20260101<DTEND>20260102<STMTTRN><TRNTYPE>DEBIT<DTPOSTED>19991231<TRNAMT>-1<FITID>1"
                   "</STMTTRN></BANKTRANLIST></STMTRS></STMTTRNRS></BANKMSGSRSV1></OFX>",
         "Transaction 1: it has no date of the years 2000 to 2099"},
        {StatementFormat::Qif, "D1/1/26\nT-1\n^\n", "does not begin with a !Type line"},
        {StatementFormat::Qif, "!Type:Bank\nD1/1/26\nT-1\nPx\n!Type:Bank\n", "Line 2: the transaction does not end"},
        {StatementFormat::Qif, "!Type:Bank\nD32/1/26\nT-1\n^\n", "Line 2: \"32/1/26\" is no date"},
        {StatementFormat::Qif, "!Type:Bank\nPx\nT-1\n^\n", "Line 2: the transaction has no date"},
        {StatementFormat::Qif, "!Type:Bank\nD1/1/26\nTten\n^\n", "\"ten\" is no amount"},
        {StatementFormat::Qif, "!Type:Invst\nD1/1/26\nT-1\n^\n", "holds no transactions"},
        {StatementFormat::Qif, "!Type:Bank\nP" + std::string(2000, 'x') + "\n", "Line 2: the field is longer"},
        {StatementFormat::Csv, "Date,Amount\n1/1/26,\"5\n", "Line 2: a quoted field has no closing quote"},
        {StatementFormat::Csv, "Date,Amount\n1/1/26,5\"x\"\n", "a quote stands inside a field"},
        {StatementFormat::Csv, "When,Amount\n1/1/26,5\n", "names no date column"},
        {StatementFormat::Csv, "Date,Payee\n1/1/26,5\n", "names no amount column"},
        {StatementFormat::Csv, "Date,Debit,Credit\n1/1/26,5,6\n", "Line 2: the line has both a debit and a credit"},
        {StatementFormat::Csv, "Date,Debit,Credit\n1/1/26,,\n", "Line 2: the line has no amount"},
        {StatementFormat::Csv, "Date,Amount\n\n1/1/26,5.001\n", "Line 3: \"5.001\" is no amount"},
        {StatementFormat::Csv, "Date,Amount\n1/1/26," + std::string(9000, '1') + "\n", "longer than"},
        {StatementFormat::Csv, "", "It is empty"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.says);
        host.Messages.clear();
        StatementOptions options;
        options.Format = c.format;
        Statement statement;
        statement.Lines.resize(1);
        EXPECT_FALSE(ParseStatement(c.text, options, statement));
        EXPECT_TRUE(statement.Lines.empty());
        ASSERT_EQ(host.Messages.size(), 1u) << host.AllMessages();
        EXPECT_NE(host.Messages[0].Text.find(c.says), std::string::npos) << host.Messages[0].Text;
        EXPECT_EQ(host.Messages[0].Title, "Input Error");
    }
}

// --- Matching. ---

StatementLine Line(const char* date, int32_t amount, uint32_t number = 0, const char* payee = "")
{
    StatementLine l;
    l.Date = date;
    l.Amount = amount;
    l.Number = number;
    l.Payee = payee;
    return l;
}

// What each line of the proposal became: "w MM/DD/YY" or "d MM/DD/YY" (the record matched, # when
// by number), "-" nothing, "after" after the closing date.
std::vector<std::string> Outcome(const Statement& s, const StatementProposal& p)
{
    std::vector<std::string> out(s.Lines.size());
    for (const StatementMatch& m : p.Matches)
        out[m.Line] = std::string(m.Withdrawal ? "w " : "d ") + (m.Withdrawal ? m.Withdrawal->BDatime : m.Deposit->BDatime) +
                      (m.ByNumber ? " #" : "");
    for (const UnmatchedLine& u : p.Unmatched)
        out[u.Line] = "-";
    for (size_t k : p.AfterClosing)
        out[k] = "after";
    return out;
}

TEST_F(StatementTest, LinesMatchOutstandingRecordsOneToOne)
{
    const struct {
        const char* name;
        std::function<void()> record;
        std::vector<StatementLine> lines;
        const char* closing;
        std::vector<std::string> outcome;
    } cases[] = {
        {"check number and amount, whatever the dates",
         [] { Check(1, 0, 5000, 1001, "12/01/26"), Check(1, 0, 5000, 1002, "12/02/26"); },
         {Line("12/28/26", -5000, 1002)}, "", {"w 12/02/26 #"}},
        {"the nearest date within seven days",
         [] { Debit(1, 0, 2000, "12/01/26"), Debit(1, 0, 2000, "12/05/26"); },
         {Line("12/04/26", -2000)}, "", {"w 12/05/26"}},
        {"equally near: the older record", [] { Debit(1, 0, 2000, "12/05/26"), Debit(1, 0, 2000, "12/01/26"); },
         {Line("12/03/26", -2000)}, "", {"w 12/01/26"}},
        {"eight days apart, another amount, the other direction",
         [] { Debit(1, 0, 2000, "12/01/26"), Debit(1, 0, 3000, "12/01/26"), Deposit(1, 0, 4000, "12/01/26"); },
         {Line("12/09/26", -2000), Line("12/01/26", -3001), Line("12/01/26", -4000)}, "", {"-", "-", "-"}},
        {"one record for one line", [] { Debit(1, 0, 2000, "12/02/26"); },
         {Line("12/03/26", -2000), Line("12/02/26", -2000)}, "", {"-", "w 12/02/26"}},
        {"a numbered line never takes a check of another number",
         [] { Check(1, 0, 5000, 1001, "12/01/26"), Debit(1, 0, 5000, "12/06/26"); },
         {Line("12/01/26", -5000, 1003)}, "", {"w 12/06/26"}},
        {"lines after the closing date are left out", [] { Debit(1, 0, 2000, "12/01/26"); },
         {Line("12/02/26", -2000), Line("12/31/26", -2000)}, "12/30/26", {"w 12/01/26", "after"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ReleaseBudgetRecords();
        NewBudget();
        RecordTestAccount(1, 0, "Food");
        Deposit(1, 0, 1000000, "11/01/26");
        ReconcileAll();
        c.record();
        Statement statement;
        statement.Lines = c.lines;
        statement.ClosingDate = c.closing;
        EXPECT_EQ(Outcome(statement, ProposeStatement(statement, 0)), c.outcome);
    }
}

// A pay spread over two accounts is one bank deposit, matched as a whole; once the balancing is
// completed, the same statement proposes nothing.
TEST_F(StatementTest, APayMatchesAsOneDepositAndASecondImportProposesNothing)
{
    RecordTestAccount(1, 0, "Food");
    ASSERT_EQ(SetPaySource(0, "Acme", "1000"), 1);
    int32_t table[kPayers][kPaysPerMonth] = {};
    table[0][0] = 30000;
    RecordAccountSetup(1, 0, "Food", false, table);
    const bool ticked[kPayers] = {true, false, false};
    ASSERT_EQ(RecordPayEntry(ticked, "12/01/26"), 1) << host.AllMessages();
    Check(1, 0, 2500, 1001, "12/02/26");

    Statement statement;
    statement.Lines = {Line("12/02/26", 100000, 0, "ACME PAYROLL"), Line("12/03/26", -2500, 1001)};
    const int32_t closing = Accounts[0][1].Balance;
    gBudget.StatementBalance = closing;
    const StatementProposal first = ProposeStatement(statement, closing);
    EXPECT_EQ(Outcome(statement, first), (std::vector<std::string>{"d 12/01/26", "w 12/02/26 #"}));
    EXPECT_EQ(first.Difference, 0);
    TickProposal(first);
    ASSERT_EQ(CompleteBalancing(0), 1) << host.AllMessages();

    const StatementProposal second = ProposeStatement(statement, closing);
    EXPECT_TRUE(second.Matches.empty());
    EXPECT_EQ(Outcome(statement, second), (std::vector<std::string>{"-", "-"}));
}

// A line that matched nothing offers what it would record and the account of the newest record
// with its payee; the difference counts the matched records as ticked.
TEST_F(StatementTest, UnmatchedLinesOfferAKindAndAnAccount)
{
    RecordTestAccount(1, 0, "Food");
    RecordTestAccount(2, 0, "Fun");
    Deposit(1, 0, 100000, "11/01/26");
    Deposit(2, 0, 100000, "11/01/26");
    ReconcileAll();
    RecordCheck(1, 0, {.Amount = 900, .Datime = "11/10/26", .PayTo = "Cafe", .Debit = true});
    RecordCheck(2, 0, {.Amount = 700, .Datime = "11/20/26", .PayTo = "Cafe", .Debit = true});
    RecordCheck(1, 0, {.Amount = 500, .Datime = "11/05/26", .PayTo = "Cafe", .Debit = true});

    Statement statement;
    StatementLine atm = Line("11/22/26", -2000, 0, "Cash");
    atm.ATM = true;
    statement.Lines = {Line("11/21/26", -700, 0, "CAFE"), Line("11/25/26", -999, 0, "cafe"), atm,
                       Line("11/23/26", 1500, 0, "Refund")};
    // The Checkbook holds 2,000.00 - 21.00; the bank has cleared the 7.00 only.
    const StatementProposal p = ProposeStatement(statement, 200000 - 700);
    ASSERT_EQ(p.Matches.size(), 1u);
    ASSERT_EQ(p.Unmatched.size(), 3u);
    const struct {
        LineKind kind;
        int Mi;
    } expected[] = {{LineKind::Debit, 2}, {LineKind::ATM, -1}, {LineKind::Deposit, -1}};
    for (size_t k = 0; k < 3; ++k) {
        EXPECT_EQ(p.Unmatched[k].Kind, expected[k].kind) << k;
        EXPECT_EQ(p.Unmatched[k].Mi, expected[k].Mi) << k;
    }
    EXPECT_EQ(p.Difference, 0);
}

// An unmatched line recorded into the account chosen enters what its kind says, with the bank's
// texts, and its balancing record is ticked at once; a refusal records nothing.
TEST_F(StatementTest, AnUnmatchedLineIsRecordedTickedOrRefused)
{
    RecordTestAccount(1, 0, "Food");
    RecordTestAccount(2, 0, "Rainy Day", true);
    Deposit(1, 0, 100000, "11/01/26");
    ReconcileAll();
    StatementLine withMemo = Line("11/10/26", -1250, 0, "Cafe");
    withMemo.Memo = "lunch";
    StatementLine memoOnly = Line("11/11/26", -300);
    memoOnly.Memo = "POS 4411 CORNER SHOP";
    const struct {
        const char* name;
        StatementLine line;
        LineKind kind;
        int Mi;
        const char* recorded;  // kind (ATM field), date, amount, payee|For; "" when refused
        const char* says;
    } cases[] = {
        {"a debit", withMemo, LineKind::Debit, 1, "w255 11/10/26 1250 Cafe|lunch", ""},
        {"a payee from the memo", memoOnly, LineKind::Debit, 1, "w255 11/11/26 300 POS 4411 CORNER SHOP|", ""},
        {"neither: Unknown", Line("11/12/26", -100), LineKind::Debit, 1, "w255 11/12/26 100 Unknown|", ""},
        {"an ATM withdrawal", Line("11/13/26", -4000, 0, "Main St"), LineKind::ATM, 1, "w1 11/13/26 4000 ATM Cash|", ""},
        {"a deposit", Line("11/14/26", 1500, 0, "Refund"), LineKind::Deposit, 1, "d0 11/14/26 1500 Refund|", ""},
        {"no account chosen", withMemo, LineKind::Debit, -1, "", "An Account name must be specified."},
        {"a free slot", withMemo, LineKind::Debit, 3, "", "An Account name must be specified."},
        {"a savings account", withMemo, LineKind::Debit, 2, "", "A savings account may not be specified."},
        {"no amount", Line("11/10/26", 0), LineKind::Debit, 1, "", "is out of range"},
        {"above the Checkbook's ceiling", Line("11/10/26", 100000001), LineKind::Deposit, 1, "", "is out of range"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        host.Messages.clear();
        const int32_t checkbook = Accounts[0][1].Balance;
        const AHistory* rec = RecordStatementLine(c.line, c.kind, c.Mi, 0);
        if (!*c.recorded) {
            EXPECT_EQ(rec, nullptr);
            EXPECT_NE(host.OnlyMessage().find(c.says), std::string::npos) << host.AllMessages();
            EXPECT_EQ(Accounts[0][1].Balance, checkbook);
            continue;
        }
        ASSERT_NE(rec, nullptr) << host.AllMessages();
        EXPECT_EQ((rec->TypeFlag ? "w" : "d") + std::to_string(rec->ATM) + " " + std::string(rec->Datime, 8) + " " +
                      std::to_string(rec->Amt) + " " + RecordText(rec->PayToFm) + "|" + RecordText(rec->For),
                  c.recorded);
        ASSERT_NE(rec->BalanceRec, nullptr);
        EXPECT_EQ(rec->TypeFlag ? static_cast<CBalance*>(rec->BalanceRec)->BChecked
                                : static_cast<DBalance*>(rec->BalanceRec)->BChecked,
                  1);
    }
}

}  // namespace
