// The reminder dialog and the To Do dialogs.
#include "dialogs/ReminderDialogs.h"

#include "dialogs/EntryHelpers.h"
#include "model/Dates.h"
#include "model/Host.h"
#include "model/Money.h"
#include "model/Records.h"
#include "platform/Dialog.h"
#include "reminders/Remind.h"
#include "reminders/ToDo.h"

#include <string>

namespace {

// Reminder
constexpr int kPayeeText = 1004;
constexpr int kDueField = 1007;
constexpr int kNoticeField = 1202;
constexpr int kRemindOK = 1201;
constexpr int kRemindDelete = 1002;
constexpr size_t kNoticeChars = 4;  // a signed byte: "-128"

// To Do
constexpr int kToDoPrompt = 1250;
constexpr int kToDoField = 1251;
constexpr int kDeleteToDoText = 1252;

bool FrequencyButton(int id)
{
    return id >= kRemindMonthly && id <= kRemindYearly;
}

class RemindProcedure final : public DialogProcedure {
public:
    explicit RemindProcedure(AHistory* record) : record(record) {}

    void Init(Dialog& dialog) override
    {
        const ReminderProposal proposal = ProposeReminder(record);
        dialog.SetText(kPayeeText, RecordText(record->PayToFm));
        dialog.SetText(kDueField, RecordText(proposal.DueDate));
        dialog.SetText(kNoticeField, std::to_string(proposal.Notice));
        remType = proposal.Type;
        if (FrequencyButton(remType))
            dialog.CheckRadio(kRemindMonthly, kRemindYearly, remType);
        // An existing reminder can only be deleted or left; a new one has nothing to delete.
        dialog.Show(proposal.Existing ? kRemindOK : kRemindDelete, false);
        dialog.FocusAndSelect(kDueField);
    }

    void Command(Dialog& dialog, int id, int notification) override
    {
        if (notification != kClicked)
            return;
        if (FrequencyButton(id)) {
            dialog.CheckRadio(kRemindMonthly, kRemindYearly, id);
            remType = id;
        } else if (id == kRemindOK) {
            if (SetReminder(record, dialog.Text(kDueField, kDateChars), dialog.Text(kNoticeField, kNoticeChars),
                            remType))
                dialog.End(1);
            else
                dialog.FocusAndSelect(kDueField);
        } else if (id == kRemindDelete) {
            DeleteReminder(record);
            dialog.End(1);
        } else if (id == IDCANCEL) {
            dialog.End(0);
        }
    }

private:
    AHistory* const record;
    int remType = kRemindMonthly;
};

class ToDoProcedure final : public DialogProcedure {
public:
    void Init(Dialog& dialog) override
    {
        char day[kDatimeSize] = {};
        ConstructToDoDate(day);
        dialog.SetText(kToDoPrompt, std::string("Enter To Do item for ") + day);
        dialog.FocusAndSelect(kToDoField);
    }

    void Command(Dialog& dialog, int id, int notification) override
    {
        if (notification != kClicked)
            return;
        if (id == IDOK) {
            if (RecordToDo(dialog.Text(kToDoField, kToDoChars)))
                dialog.End(1);
            else
                dialog.FocusAndSelect(kToDoField);
        } else if (id == IDCANCEL) {
            dialog.End(0);
        }
    }
};

class DeleteToDoProcedure final : public DialogProcedure {
public:
    explicit DeleteToDoProcedure(ToDo* item) : item(item) {}

    void Init(Dialog& dialog) override { dialog.SetText(kDeleteToDoText, RecordText(item->ToDo)); }

    void Command(Dialog& dialog, int id, int notification) override
    {
        if (notification != kClicked)
            return;
        if (id == IDOK) {
            DeleteToDo(item);
            dialog.End(1);
        } else if (id == IDCANCEL) {
            dialog.End(0);
        }
    }

private:
    ToDo* const item;
};

}  // namespace

int RemindDialog(AHistory* theHPtr)
{
    if (!theHPtr)
        return 0;
    RemindProcedure procedure(theHPtr);
    return RunDialog("REMIND", procedure, DialogOwner()) == 1 ? 1 : 0;
}

int HandleToDo()
{
    ToDoProcedure procedure;
    return RunDialog("TODO", procedure, DialogOwner()) == 1 ? 1 : 0;
}

int HandleDeleteToDo(ToDo* theToDoPtr)
{
    if (!theToDoPtr)
        return 0;
    DeleteToDoProcedure procedure(theToDoPtr);
    return RunDialog("DELETETODO", procedure, DialogOwner()) == 1 ? 1 : 0;
}
