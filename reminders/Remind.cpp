// Reminders on history records: due or not, moving one on to the next check or deposit to the
// same payee, and what the reminder dialog proposes and stores.
#include "reminders/Remind.h"

#include "ledger/Recording.h"
#include "model/Host.h"
#include "model/Messages.h"
#include "model/Money.h"
#include "reminders/Calendar.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

constexpr int kJulianSize = 6;  // five characters and the terminator
constexpr int kLongestNotice = 28;

// Today's date part "MM/DD/YY" by the host's clock.
void TodayDate(char* today)
{
    GetDatime(today);
    today[8] = 0;
}

// The record's due date in Julian form, terminated.
void DueJulian(const AHistory* theHPtr, char* julian)
{
    GetJDate(theHPtr, julian);
    julian[5] = 0;
}

int TwoDigitNumber(const char* at)
{
    return (at[0] - '0') * 10 + (at[1] - '0');
}

// The date part `date` ("MM/DD/YY") `months` on, with its day kept or, when the target month is
// shorter, that month's last day; the year wraps from 99 to 00.
void MonthsOn(const char* date, int months, char* out)
{
    int month = TwoDigitNumber(date);
    int year = TwoDigitNumber(date + 6);
    const int day = TwoDigitNumber(date + 3);
    month += months;
    while (month > 12) {
        month -= 12;
        year = (year + 1) % 100;
    }
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int longest = month >= 1 && month <= 12 ? kDays[month - 1] : 31;
    if (month == 2 && year % 4 == 0)
        longest = 29;
    ConstructDate(std::min(day, longest), month, year, out, 1);
}

bool KnownType(int remType)
{
    return remType >= kRemindMonthly && remType <= kRemindYearly;
}

// Takes a moved-on reminder out of the due list; later entries move up.
void Unlist(const AHistory* theHPtr)
{
    const int count = std::clamp<int>(gRemindListCount, 0, kReminderSlots);
    for (int k = 0; k < count; ++k) {
        if (Reminders[k] != theHPtr)
            continue;
        std::copy(Reminders + k + 1, Reminders + count, Reminders + k);
        Reminders[count - 1] = nullptr;
        --gRemindListCount;
        return;
    }
}

}  // namespace

int ReminderPeriod(int remType)
{
    switch (remType) {
    case kRemindQuarterly:
        return 3;
    case kRemindSemiAnnually:
        return 6;
    case kRemindYearly:
        return 12;
    default:
        return 1;
    }
}

char ReminderLetter(int remType)
{
    switch (remType) {
    case kRemindQuarterly:
        return 'Q';
    case kRemindSemiAnnually:
        return 'S';
    case kRemindYearly:
        return 'Y';
    default:
        return 'M';
    }
}

bool ReminderDue(const AHistory* theHPtr, const char* today)
{
    if (!theHPtr || !theHPtr->Remind)
        return false;
    char todayJulian[kJulianSize], due[kJulianSize];
    C2J(today, todayJulian);
    DueJulian(theHPtr, due);
    return CompareJDates(todayJulian, due, GetRemTime(theHPtr)) >= 0;
}

void ReminderDueText(const AHistory* theHPtr, char* theDate)
{
    char due[kJulianSize], date[kDatimeSize];
    DueJulian(theHPtr, due);
    J2C(due, date);
    ConvertDateFormat(date, theDate);
}

bool ReminderPassed(const AHistory* theHPtr, const char* today)
{
    char todayJulian[kJulianSize], due[kJulianSize];
    C2J(today, todayJulian);
    DueJulian(theHPtr, due);
    return CompareJDates(todayJulian, due, 0) > 0;
}

void CheckReminder(AHistory* theHPtr)
{
    char today[kDatimeSize];
    TodayDate(today);
    if (!ReminderDue(theHPtr, today))
        return;
    if (gRemindListCount >= 0 && gRemindListCount < kReminderSlots)
        Reminders[gRemindListCount++] = theHPtr;
    else
        ++gRemindSurplus;
}

void TellRemindersBeyondList()
{
    if (gRemindSurplus <= 0)
        return;
    const std::string listed = std::to_string(gRemindListCount) + " of " +
                               std::to_string(gRemindListCount + gRemindSurplus) + " are listed.";
    // Not an error: the user learns why the list may not show every reminder that is due.
    GetHost().MessageBox("More reminders are due than the list shows.\r\r" + listed + "\r", "Reminders",
                         MessageButtons::Ok, MessageIcon::Information);
}

AHistory* FindLastCheck(AHistory* theHPtr)
{
    for (AHistory* h = theHPtr->HistoryFP; h; h = h->HistoryFP)
        if (std::strncmp(h->PayToFm, theHPtr->PayToFm, sizeof h->PayToFm) == 0)
            return h;
    return nullptr;
}

AHistory* ReminderToTakeOver(int Mi, int Si, const char* payee)
{
    AHistory next{};
    next.HistoryFP = MemoryAccounts[Mi][Si].HistoryRec;
    CopyString(payee, next.PayToFm);
    AHistory* last = FindLastCheck(&next);
    return last && last->Remind ? last : nullptr;
}

void NextReminderDate(const char* theJDate, int remType, char* theNextJDate)
{
    char date[kDatimeSize], next[kDatimeSize];
    J2C(theJDate, date);
    MonthsOn(date, ReminderPeriod(remType), next);
    C2J(next, theNextJDate);
}

void UpdateReminder(AHistory* theLastHPtr, AHistory* theNewHPtr)
{
    theLastHPtr->Remind = 0;
    char due[kJulianSize], next[kJulianSize];
    DueJulian(theLastHPtr, due);
    NextReminderDate(due, GetRemType(theLastHPtr), next);
    SetJDate(theNewHPtr, next);
    SetRemTime(theNewHPtr, GetRemTime(theLastHPtr));
    SetRemType(theNewHPtr, GetRemType(theLastHPtr));
    theNewHPtr->Remind = 1;
    gBudgetFileChanged = 1;
    MarkCalendarStale();
}

void HandleReminder(AHistory* theHPtr, int remFlag)
{
    if (!theHPtr)
        return;
    AHistory* last = FindLastCheck(theHPtr);
    // Only a reminder moves on: an older record without one holds the time of day where a
    // reminder keeps its fields, so the new record gets a reminder of its own.
    if (!last || !last->Remind) {
        if (remFlag)
            GetHost().RunReminderDialog(theHPtr);
        return;
    }
    if (!remFlag) {
        // Its entry in the due list stays until the budget is next opened.
        last->Remind = 0;
        gBudgetFileChanged = 1;
        MarkCalendarStale();
        return;
    }
    UpdateReminder(last, theHPtr);
    Unlist(last);
    GetHost().RemindersChanged();
}

ReminderProposal ProposeReminder(const AHistory* theHPtr)
{
    ReminderProposal proposal;
    if (theHPtr->Remind) {
        proposal.Existing = true;
        ReminderDueText(theHPtr, proposal.DueDate);
        proposal.Notice = GetRemTime(theHPtr);
        proposal.Type = KnownType(GetRemType(theHPtr)) ? GetRemType(theHPtr) : kRemindMonthly;
        return proposal;
    }
    char recorded[kDatimeSize], date[kDatimeSize];
    std::memcpy(recorded, theHPtr->Datime, 8);
    recorded[8] = 0;
    if (CheckDatime(recorded))
        MonthsOn(recorded, 1, date);
    else
        CopyString(recorded, date);
    ConvertDateFormat(date, proposal.DueDate);
    return proposal;
}

int ReadReminderNotice(const std::string& text)
{
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return 0;
    const size_t last = text.find_last_not_of(" \t");
    int value = 0;
    for (size_t k = first; k <= last; ++k) {
        if (text[k] < '0' || text[k] > '9')
            return 0;
        value = std::min(value * 10 + (text[k] - '0'), kLongestNotice + 1);
    }
    return std::min(value, kLongestNotice);
}

int ReadReminderDue(const std::string& dueText, char* theDue)
{
    if (!ReadDialogDatime(dueText.c_str(), theDue))
        return 0;
    char today[kDatimeSize];
    TodayDate(today);
    if (CompareCDates(today, theDue, 1) >= 0) {
        HandleStandardError("Reminder Date Error.", "The due date must be in the future.", "", "Please try again.");
        return 0;
    }
    return 1;
}

int SetReminder(AHistory* theHPtr, const std::string& dueText, const std::string& noticeText, int remType)
{
    char due[kDatimeSize];
    if (!ReadReminderDue(dueText, due))
        return 0;
    char julian[kJulianSize];
    C2J(due, julian);
    SetJDate(theHPtr, julian);
    SetRemTime(theHPtr, ReadReminderNotice(noticeText));
    SetRemType(theHPtr, remType);
    theHPtr->Remind = 1;
    gBudgetFileChanged = 1;
    MarkCalendarStale();
    return 1;
}

void DeleteReminder(AHistory* theHPtr)
{
    theHPtr->Remind = 0;
    gBudgetFileChanged = 1;
    MarkCalendarStale();
}
