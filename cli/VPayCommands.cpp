// The vpay command: the rows are typed into the window's list, then its OK records the pay.
#include "cli/VPayCommands.h"

#include "cli/CommandSupport.h"

#include "ledger/VariablePay.h"
#include "model/Dates.h"
#include "model/Messages.h"

#include <string>
#include <vector>

const char kVPayUsage[] = "vpay FILE --total AMOUNT --from PAYER [--date DATE] [--row ACCOUNT AMOUNT ...]";
const char kVPayHelp[] =
    "Records a pay of any amount as the Variable Pay window does: each --row gives ACCOUNT (an\n"
    "account the window lists: not Available, the Checkbook or a savings account) AMOUNT (0 to\n"
    "1,000,000.00) of the pay, and Available gets what remains of the total (0.01 to 1,000,000.00).\n"
    "More given out than the total is refused. All pieces share one deposit number, so balancing\n"
    "shows one deposit, and the Checkbook gets a summary entry of the total. PAYER is cut to 62\n"
    "characters and may not be empty. DATE is read as the window's date field reads it and\n"
    "defaults to today. ACCOUNT names an account as the deposit dialog's account fields do: a main\n"
    "account's name, or CATEGORY/SUB; or a grid position @MI,SI.";
const char kVPayOptions[] = "--total= --from= --date= --row=2+";

int RunVPay(const CommandArgs& args, std::ostream&, ConsoleHost& host)
{
    if (!args.Has("--total"))
        return UsageError(host, "--total AMOUNT is required");
    const auto groups = args.Groups.count("--row") ? args.Groups.at("--row") : std::vector<std::vector<std::string>>{};
    return WithBudget(args, host, [&] {
        ClearVPay();
        std::vector<Slot> given;
        // Each row as the account is picked in the list and its amount typed.
        for (const std::vector<std::string>& row : groups) {
            Slot slot;
            if (const int code = FindAccount(row[0], slot, host); code != kExitOk)
                return code;
            if (!VPayAccount(slot.Mi, slot.Si))
                return Refuse(row[0] + " is not listed in the Variable Pay window:",
                              "Available, the Checkbook and savings accounts get no amount.");
            for (const Slot& s : given)
                if (s == slot)
                    return UsageError(host, "--row names " + row[0] + " twice");
            given.push_back(slot);
            int32_t amount = 0;
            if (!AmountTextFits(row[1], kVPayAmountChars) || !ReadVPayAmount(row[1], &amount))
                return kExitRefused;
            SetVPayAmount(slot.Mi, slot.Si, amount);
        }
        VPayEntry entry{args.Value("--date"), args.Value("--total"), args.Value("--from")};
        if (!args.Has("--date")) {
            char today[kDatimeSize];
            GetDisplayToday(today);
            entry.Date = today;
        } else if (entry.Date.size() > kVPayAmountChars) {
            HandleDatimeConversionError(entry.Date.c_str());
            return kExitRefused;
        }
        if (!AmountTextFits(entry.Total, kVPayAmountChars))
            return kExitRefused;
        return RecordVariablePay(entry) ? kExitOk : kExitRefused;
    });
}
