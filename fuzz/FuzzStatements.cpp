// Feeds arbitrary bytes to each bank statement reader (OFX through LibOFX, QIF, CSV), with the
// date order and decimal symbol chosen by the first byte, and matches whatever was read against a
// small budget's outstanding records.
#include "ledger/Recording.h"
#include "model/Globals.h"
#include "model/Host.h"
#include "model/Initialize.h"
#include "model/Money.h"
#include "statements/Match.h"
#include "statements/Statement.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

class QuietHost : public Host {
public:
    int MessageBox(const std::string&, const std::string&, MessageButtons buttons, MessageIcon) override
    {
        return buttons == MessageButtons::Ok ? IDOK : IDNO;
    }
    bool ChooseOpenFile(const FileChoice&, std::string&) override { return false; }
    bool ChooseSaveFile(const FileChoice&, std::string&) override { return false; }
    LocalTime Now() override { return LocalTime{2026, 12, 5, 18, 35, 0}; }
};

// A budget with a few outstanding checks, debits and deposits to match against.
void MakeBudget()
{
    NewBudget();
    Accounts[1][0].Valid = 1;
    CopyString("Food", Accounts[1][0].Name);
    RecordDeposit(1, 0, 100000, "Employer", "12/01/26", "", false);
    RecordCheck(1, 0, {.Amount = 2550, .Datime = "12/02/26", .PayTo = "Grocer", .Number = 1001});
    RecordCheck(1, 0, {.Amount = 2550, .Datime = "12/03/26", .PayTo = "Cafe", .Debit = true});
    RecordATM(1, 0, 4000, "12/04/26");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QuietHost host;
    static const bool ready = [] {
        SetHost(&host);
        InitApp();
        MakeBudget();
        return true;
    }();
    (void)ready;
    if (size == 0)
        return 0;
    StatementOptions options;
    const int order = data[0] & 3;
    if (order < 3)
        options.Order = static_cast<DateOrder>(order);
    options.Decimal = (data[0] & 4) ? ',' : 0;
    const std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    for (StatementFormat format : {StatementFormat::Ofx, StatementFormat::Qif, StatementFormat::Csv}) {
        options.Format = format;
        Statement statement;
        if (ParseStatement(bytes, options, statement))
            (void)ProposeStatement(statement, 100000);
    }
    return 0;
}
