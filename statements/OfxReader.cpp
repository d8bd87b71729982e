// OFX 1 (SGML), OFX 2 (XML) and QFX statements, read through LibOFX. The text is checked before
// LibOFX sees it, and LibOFX reads a private copy of exactly the bytes that were checked.
#include "statements/Statement.h"

#include "model/Money.h"

#include <QTemporaryFile>

#include <libofx/libofx.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <set>

// LibOFX keeps a little memory of some damaged files it gives up on. It is the library's, not
// ours, so the leak checker of a sanitized build is told to pass over it.
#if defined(__SANITIZE_ADDRESS__)
#define BUDGET_LEAK_CHECKED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define BUDGET_LEAK_CHECKED 1
#endif
#endif
#ifdef BUDGET_LEAK_CHECKED
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libofx.so\n";
}
#endif

namespace {

// LibOFX prints what it finds to the console unless told not to.
void SilenceLibOfx()
{
    static const bool silenced = [] {
        for (int* flag : {&ofx_PARSER_msg, &ofx_DEBUG_msg, &ofx_DEBUG1_msg, &ofx_DEBUG2_msg, &ofx_DEBUG3_msg,
                          &ofx_DEBUG4_msg, &ofx_DEBUG5_msg, &ofx_STATUS_msg, &ofx_INFO_msg, &ofx_WARNING_msg,
                          &ofx_ERROR_msg, &ofx_show_position})
            *flag = 0;
        return true;
    }();
    (void)silenced;
}

std::string Lower(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// The checks before LibOFX: text, not binary; an OFX header (SGML "OFXHEADER:" or an XML
// declaration with its "<?OFX" processing instruction) at the start; an <OFX> element.
bool CheckOfxText(const std::string& bytes)
{
    if (bytes.find('\0') != std::string::npos)
        return RefuseStatement("It is no OFX file: it holds binary data.");
    size_t start = bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    while (start < bytes.size() && std::isspace(static_cast<unsigned char>(bytes[start])))
        ++start;
    const std::string head = Lower(std::string_view(bytes).substr(start, 4096));
    const bool sgml = head.compare(0, 10, "ofxheader:") == 0;
    const bool xml = head.compare(0, 5, "<?xml") == 0 && head.find("<?ofx") != std::string::npos;
    if (!sgml && !xml)
        return RefuseStatement("It is no OFX file: it does not begin with an OFX header.");
    const std::string lower = Lower(bytes);
    if (lower.find("<ofx>") == std::string::npos)
        return RefuseStatement("It is no OFX file: it has no <OFX> element.");
    // A bank's statement declares no entities of its own; one that does could name other files.
    if (lower.find("<!entity") != std::string::npos)
        return RefuseStatement("It declares entities of its own, which no bank statement does.");
    return true;
}

struct OfxRead {
    Statement* Out = nullptr;
    std::set<std::string> Accounts;
    std::string Fault;  // the first fault found, "" when none
    int Statements = 0;
};

bool DateOf(time_t when, std::string& stored)
{
    std::tm local{};
    if (!localtime_r(&when, &local))
        return false;
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
    return ParseStatementDate(text, DateOrder::YearMonthDay, stored);
}

bool AmountOf(double value, int32_t& amount)
{
    if (!std::isfinite(value))
        return false;
    double scaled = value;
    for (int p = FractionPlaces(); p > 0; --p)
        scaled *= 10;
    scaled = std::round(scaled);
    if (scaled > INT32_MAX || scaled < -static_cast<double>(INT32_MAX))
        return false;
    amount = static_cast<int32_t>(scaled);
    return true;
}

std::string Field(const char* text)
{
    std::string value = StatementText(text);
    if (value.size() > kMaxStatementField)
        value.resize(kMaxStatementField);
    return value;
}

int OnStatement(const OfxStatementData data, void* context)
{
    auto* read = static_cast<OfxRead*>(context);
    if (++read->Statements > 1) {
        read->Fault = "It holds more than one statement; download the statement of one account.";
        return 0;
    }
    if (data.ledger_balance_valid) {
        if (!AmountOf(data.ledger_balance, read->Out->ClosingBalance)) {
            read->Fault = "Its closing balance is no amount the budget can hold.";
            return 0;
        }
        read->Out->HasClosing = true;
    }
    const bool dated = data.ledger_balance_valid && data.ledger_balance_date_valid;
    if ((dated || data.date_end_valid) &&
        !DateOf(dated ? data.ledger_balance_date : data.date_end, read->Out->ClosingDate))
        read->Fault = "Its closing date is no date of the years 2000 to 2099.";
    return 0;
}

int OnTransaction(const OfxTransactionData data, void* context)
{
    auto* read = static_cast<OfxRead*>(context);
    Statement& out = *read->Out;
    if (!read->Fault.empty())
        return 0;
    const int number = static_cast<int>(out.Lines.size()) + 1;
    const std::string which = "Transaction " + std::to_string(number) + ": ";
    if (data.invtransactiontype_valid) {
        read->Fault = "It is an investment statement, not a bank statement.";
        return 0;
    }
    if (out.Lines.size() >= kMaxStatementLines) {
        read->Fault = "It holds more than " + std::to_string(kMaxStatementLines) + " transactions.";
        return 0;
    }
    if (data.account_id_valid)
        read->Accounts.insert(data.account_id);
    if (read->Accounts.size() > 1) {
        read->Fault = "It holds the transactions of more than one account.";
        return 0;
    }
    StatementLine line;
    line.SourceLine = number;
    if (!data.date_posted_valid || !DateOf(data.date_posted, line.Date)) {
        read->Fault = which + "it has no date of the years 2000 to 2099.";
        return 0;
    }
    if (!data.amount_valid || !AmountOf(data.amount, line.Amount)) {
        read->Fault = which + "it has no amount the budget can hold.";
        return 0;
    }
    if (data.check_number_valid)
        line.Number = StatementNumber(Field(data.check_number));
    if (data.name_valid)
        line.Payee = Field(data.name);
    if (data.memo_valid)
        line.Memo = Field(data.memo);
    if (data.fi_id_valid)
        line.BankId = Field(data.fi_id);
    line.ATM = (data.transactiontype_valid && data.transactiontype == OFX_ATM) || MentionsATM(line.Payee);
    out.Lines.push_back(std::move(line));
    return 0;
}

}  // namespace

bool ReadOfxStatement(const std::string& bytes, Statement& statement)
{
    if (!CheckOfxText(bytes))
        return false;
    QTemporaryFile copy;
    if (!copy.open() || copy.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()) ||
        !copy.flush())
        return RefuseStatement("A temporary copy of it can not be written.");
    const QByteArray name = copy.fileName().toLocal8Bit();

    SilenceLibOfx();
    OfxRead read;
    read.Out = &statement;
    LibofxContextPtr context = libofx_get_new_context();
    ofx_set_statement_cb(context, OnStatement, &read);
    ofx_set_transaction_cb(context, OnTransaction, &read);
    // The result says little: a file LibOFX reads fully may still report an error. What it
    // delivered, and the checks above, decide.
    (void)libofx_proc_file(context, name.constData(), OFX);
    libofx_free_context(context);

    if (!read.Fault.empty())
        return RefuseStatement(read.Fault);
    if (read.Statements == 0 && statement.Lines.empty())
        return RefuseStatement("It holds no bank statement LibOFX could read.");
    return true;
}
