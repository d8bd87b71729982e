// budget-cli reminders, remind, todo and calendar, and the "Remind Me" options of the transaction
// commands, all through the functions the reminder window, its dialogs and the calendar use.
#include "cli/ReminderCommands.h"

#include "cli/ConsoleText.h"
#include "model/Dates.h"
#include "model/Globals.h"
#include "model/Messages.h"
#include "model/Money.h"
#include "reminders/Calendar.h"
#include "reminders/Remind.h"
#include "reminders/ToDo.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

struct Period {
    const char* Name;
    int Type;
};
constexpr Period kPeriods[] = {
    {"monthly", kRemindMonthly},
    {"quarterly", kRemindQuarterly},
    {"semi-annually", kRemindSemiAnnually},
    {"yearly", kRemindYearly},
};

const char* PeriodName(int type)
{
    for (const Period& p : kPeriods)
        if (p.Type == type)
            return p.Name;
    return "monthly";
}

// The due date of a record's reminder in display form.
std::string DueText(const AHistory* rec)
{
    char shown[kDatimeSize];
    ReminderDueText(rec, shown);
    return shown;
}

// The fields of a new reminder given on the command line: --due (the dialog's due date, at most
// its 15 characters, checked as its OK checks it), --notice (digits; the dialog takes at most 28)
// and --every.
int ReadNewReminder(const CommandArgs& args, ConsoleHost& host, PendingReminder& fields)
{
    fields.Due = args.Value("--due");
    if (args.Has("--notice")) {
        fields.Notice = args.Value("--notice");
        unsigned days = 0;
        if (!ParseNumber(fields.Notice, days))
            return UsageError(host, "--notice takes a number of days (0 to 28)");
    }
    if (args.Has("--every")) {
        fields.Type = 0;
        for (const Period& p : kPeriods)
            if (args.Value("--every") == p.Name)
                fields.Type = p.Type;
        if (!fields.Type)
            return UsageError(host, "--every takes monthly, quarterly, semi-annually or yearly");
    }
    if (fields.Due.size() > kAmountDateChars) {
        HandleDatimeConversionError(fields.Due.c_str());
        return kExitRefused;
    }
    char due[kDatimeSize];
    return ReadReminderDue(fields.Due, due) ? kExitOk : kExitRefused;
}

// Lists the reminders due on the host's day as reading a budget lists them, for a day other than
// the one the budget was read on.
void ListDueReminders()
{
    for (AHistory*& r : Reminders)
        r = nullptr;
    gRemindListCount = 0;
    gRemindSurplus = 0;
    for (auto& row : MemoryAccounts)
        for (CoreRecord& slot : row)
            for (AHistory* h = slot.HistoryRec; h; h = h->HistoryFP)
                CheckReminder(h);
}

// --day: the day the To Do list shows, as the calendar selects it.
bool SelectDay(const CommandArgs& args)
{
    if (!args.Has("--day"))
        return true;
    char date[kDatimeSize];
    if (!ReadDateText(args.Value("--day"), date))
        return false;
    gCalDaySelected = GetDay(date);
    gCalMonthSelected = GetMonth(date);
    gCalYearSelected = GetYear(date);
    return true;
}

std::string ToDoDayText()
{
    char day[kDatimeSize];
    ConstructToDoDate(day);
    return day;
}

// --month M/YY (or M/YYYY): a month the calendar can show, January 2000 to December 2099.
bool ReadMonth(const std::string& text, int& month, int& year)
{
    const size_t slash = text.find('/');
    if (slash == std::string::npos)
        return false;
    unsigned m = 0, y = 0;
    const std::string yearText = text.substr(slash + 1);
    if (!ParseNumber(text.substr(0, slash), m) || !ParseNumber(yearText, y) || m < 1 || m > 12)
        return false;
    if (yearText.size() == 4 && y >= 2000)
        y -= 2000;
    else if (yearText.size() != 2)
        return false;
    if (static_cast<int>(y) < kFirstCalendarYear || static_cast<int>(y) > kLastCalendarYear)
        return false;
    month = static_cast<int>(m);
    year = static_cast<int>(y);
    return true;
}

char MarkLetter(DayMark mark)
{
    switch (mark) {
    case DayMark::ToDo:
        return '*';
    case DayMark::OverDue:
        return '!';
    case DayMark::Notice:
        return 'n';
    case DayMark::Due:
        return 'R';
    case DayMark::Plain:
        break;
    }
    return ' ';
}

void TrimRight(std::string& line)
{
    while (!line.empty() && line.back() == ' ')
        line.pop_back();
}

// The month as text: title, weekday letters and the week rows, each day with its mark letter,
// today in brackets.
void PrintMonth(const CalendarMonth& shown, std::ostream& out)
{
    constexpr int kCell = 5;
    char name[8] = "";
    GetWordMonth(shown.Month, name);
    const std::string title = std::string(name) + " " + std::to_string(2000 + shown.Year);
    out << std::string((7 * kCell - title.size()) / 2, ' ') << title << "\n";
    std::string line;
    for (const char* letter : {"S", "M", "T", "W", "T", "F", "S"})
        line += std::string("  ") + letter + "  ";
    TrimRight(line);
    out << line << "\n";
    line.clear();
    const int cells = shown.FirstWeekday + shown.Days;
    for (int cell = 0; cell < (cells + 6) / 7 * 7; ++cell) {
        const int day = cell - shown.FirstWeekday + 1;
        if (day < 1 || day > shown.Days) {
            line += std::string(kCell, ' ');
        } else {
            const bool today = shown.IsToday(day);
            line += today ? '[' : ' ';
            line += day < 10 ? " " + std::to_string(day) : std::to_string(day);
            line += MarkLetter(shown.Marks[day]);
            line += today ? ']' : ' ';
        }
        if (cell % 7 == 6) {
            TrimRight(line);
            out << line << "\n";
            line.clear();
        }
    }
    out << "* To Do   ! overdue To Do   n notice   R due   [ ] today\n";
}

}  // namespace

int ReadRemindMe(const CommandArgs& args, Slot slot, const char* payee, ConsoleHost& host, bool* remind,
                 AHistory** prior)
{
    *remind = args.Has("--remind");
    *prior = ReminderToTakeOver(slot.Mi, slot.Si, payee);
    const bool fields = args.Has("--due") || args.Has("--notice") || args.Has("--every");
    if (!*remind)
        return fields ? UsageError(host, "--due, --notice and --every go with --remind") : kExitOk;
    if (*prior)
        return fields ? UsageError(host, "the reminder of an earlier record to this payee moves on (due " +
                                             DueText(*prior) + "); --due, --notice and --every are for a new one")
                      : kExitOk;
    if (!args.Has("--due"))
        return UsageError(host, "--remind needs --due: no earlier record to this payee has a reminder to move on");
    PendingReminder pending;
    if (const int code = ReadNewReminder(args, host, pending); code != kExitOk)
        return code;
    host.Reminder = pending;
    return kExitOk;
}

void TellRemindMe(const AHistory* rec, const AHistory* prior, bool remind, ConsoleHost& host)
{
    if (rec && rec->Remind)
        host.Note("Reminder: due " + DueText(rec) + ", " + std::to_string(GetRemTime(rec)) + " days before, " +
                  PeriodName(GetRemType(rec)) + ".");
    else if (prior && !prior->Remind && !remind)
        host.Note("Reminder: the reminder due " + DueText(prior) + " is cleared (--remind moves it on).");
}

int RunReminders(const CommandArgs& args, std::ostream& out, ConsoleHost& host)
{
    if (!OpenNamedBudget(args.Operands[0], host, BudgetAccess::Read))
        return kExitRefused;
    if (args.Has("--today")) {
        // Read in the budget's date order, then the day is the host's today.
        char date[kDatimeSize];
        if (!ReadDateText(args.Value("--today"), date))
            return kExitRefused;
        LocalTime now = host.Now();
        now.Year = 2000 + GetYear(date);
        now.Month = GetMonth(date);
        now.Day = GetDay(date);
        host.Clock = now;
        ListDueReminders();
    }
    if (gRemindListCount <= 0)
        out << "No reminders are due.\n";
    for (int k = 0; k < gRemindListCount && k < kReminderSlots && Reminders[k]; ++k) {
        const AHistory* rec = Reminders[k];
        char amount[kAmountTextSize];
        I2S(rec->Amt, amount, 0);
        out << ConsoleText(DueText(rec) + "  " + ReminderLetter(GetRemType(rec)) + "  " + RecordText(rec->PayToFm) +
                           "  " + amount)
            << "\n";
    }
    if (gRemindSurplus > 0)
        out << gRemindSurplus << " more due reminder" << (gRemindSurplus == 1 ? " is" : "s are")
            << " not listed (the list holds " << kReminderSlots << ").\n";
    return kExitOk;
}

int RunRemind(const CommandArgs& args, std::ostream&, ConsoleHost& host)
{
    unsigned index = 0;
    if (!ParseNumber(args.Operands[2], index))
        return UsageError(host, "N counts the account's records from 0 (the newest)");
    const bool fields = args.Has("--due") || args.Has("--notice") || args.Has("--every");
    if (args.Has("--delete") && fields)
        return UsageError(host, "--delete takes no --due, --notice or --every");
    if (!args.Has("--delete") && !args.Has("--due"))
        return UsageError(host, "--due D is required (or --delete)");
    return WithBudget(args, host, [&] {
        Slot slot;
        AHistory* record = nullptr;
        if (const int code = FindRecord(args, index, host, slot, record); code != kExitOk)
            return code;
        // The reminder dialog offers Delete for a reminder that is set, OK for a record without one.
        if (args.Has("--delete")) {
            if (!record->Remind)
                return Refuse("Record " + args.Operands[2] + " of " + args.Operands[1] + " has no reminder.");
            DeleteReminder(record);
            return kExitOk;
        }
        if (record->Remind)
            return Refuse("Record " + args.Operands[2] + " of " + args.Operands[1] + " has a reminder, due " +
                              DueText(record) + ".",
                          "Delete it first (--delete).");
        PendingReminder pending;
        if (const int code = ReadNewReminder(args, host, pending); code != kExitOk)
            return code;
        return SetReminder(record, pending.Due, pending.Notice, pending.Type) ? kExitOk : kExitRefused;
    });
}

int RunToDo(const CommandArgs& args, std::ostream& out, ConsoleHost& host)
{
    const std::vector<std::string>& ops = args.Operands;
    const std::string action = ops.size() > 1 ? ops[1] : "";
    unsigned index = 0;
    if (action.empty()) {
        if (!OpenNamedBudget(ops[0], host, BudgetAccess::Read))
            return kExitRefused;
        if (!SelectDay(args))
            return kExitRefused;
        out << ConsoleText("To Do items for " + ToDoDayText()) << "\n";
        const std::vector<ToDo*> items = GenerateToDoListData();
        for (size_t k = 0; k < items.size(); ++k)
            out << ConsoleText(std::to_string(k) + "  " + RecordText(items[k]->ToDo) +
                               (items[k]->OverDue ? "  (overdue)" : ""))
                << "\n";
        return kExitOk;
    }
    if (action == "add" && ops.size() != 3)
        return UsageError(host, "todo FILE add TEXT");
    if (action == "delete" && (ops.size() != 3 || !ParseNumber(ops[2], index)))
        return UsageError(host, "todo FILE delete K, K as the list numbers the items from 0");
    if (action != "add" && action != "delete")
        return UsageError(host, "todo takes add TEXT or delete K");
    return WithBudget(args, host, [&] {
        if (!SelectDay(args))
            return kExitRefused;
        if (action == "add")
            return RecordToDo(ops[2]) ? kExitOk : kExitRefused;
        const std::vector<ToDo*> items = GenerateToDoListData();
        if (index >= items.size())
            return UsageError(host, "there is no To Do item " + ops[2] + " for " + ToDoDayText());
        DeleteToDo(items[index]);
        return kExitOk;
    });
}

int RunCalendar(const CommandArgs& args, std::ostream& out, ConsoleHost& host)
{
    int month = gCalMonth, year = gCalYear;
    if (args.Has("--month") && !ReadMonth(args.Value("--month"), month, year))
        return UsageError(host, "--month takes M/YY, a month from 01/00 to 12/99");
    if (!OpenNamedBudget(args.Operands[0], host, BudgetAccess::Read))
        return kExitRefused;
    gCalMonth = month;
    gCalYear = year;
    PrintMonth(ShownCalendarMonth(), out);
    return kExitOk;
}
