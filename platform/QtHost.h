// The desktop program's host: message boxes, file choosers and repaint requests through Qt.
#pragma once

#include "model/Host.h"

#include <functional>

class QString;
class QWidget;

// The window a message box or file chooser belongs to: the window it was raised from (the active
// one), else `fallback`.
QWidget* MessageOwner(QWidget* fallback);
// The name filters of a file chooser, each filter shown once.
QString FilterText(const FileChoice& choice);

class QtHost : public Host {
public:
    int MessageBox(const std::string& text, const std::string& title, MessageButtons buttons,
                   MessageIcon icon) override;
    bool ChooseOpenFile(const FileChoice& choice, std::string& path) override;
    bool ChooseSaveFile(const FileChoice& choice, std::string& path) override;
    void InvalidateAccount(int Mi, int Si) override;
    void InvalidateInvestAccount(int Ii) override
    {
        if (OnInvalidateInvestAccount)
            OnInvalidateInvestAccount(Ii);
    }
    void UpdateInfoBox() override;
    void QuitProgram() override;
    void RunNewBudgetPaySetup() override
    {
        if (OnNewBudgetPaySetup)
            OnNewBudgetPaySetup();
    }
    int RunAvailableTransfer(int Mi, int Si, int32_t amount) override
    {
        return OnAvailableTransfer ? OnAvailableTransfer(Mi, Si, amount) : 0;
    }
    int RunDeleteAccountDialog(int Mi, int Si) override { return OnDeleteAccount ? OnDeleteAccount(Mi, Si) : 0; }
    void RunReminderDialog(AHistory* theHPtr) override
    {
        if (OnReminderDialog)
            OnReminderDialog(theHPtr);
    }
    void RemindersChanged() override
    {
        if (OnRemindersChanged)
            OnRemindersChanged();
    }
    // Has the windows follow new settings (OnSettingsChanged), then repaints every window.
    void SettingsChanged() override;
    LocalTime Now() override { return SystemLocalTime(); }
    int PrintCheckPage() override { return OnPrintCheck ? OnPrintCheck() : Host::PrintCheckPage(); }

    // The window the host's boxes and choosers belong to when none of the program's is active.
    QWidget* Owner = nullptr;
    // What repainting an account or the info box means in the windows that exist.
    std::function<void(int Mi, int Si)> OnInvalidateAccount;
    std::function<void(int Ii)> OnInvalidateInvestAccount;
    std::function<void()> OnUpdateInfoBox;
    std::function<void()> OnNewBudgetPaySetup;
    // The transfer dialog offering the shortfall of a withdrawal from "Available" (refused without it).
    std::function<int(int Mi, int Si, int32_t amount)> OnAvailableTransfer;
    // The confirmation of an account's deletion (nothing is deleted without it).
    std::function<int(int Mi, int Si)> OnDeleteAccount;
    // The reminder dialog of a newly recorded check or deposit (no reminder without it).
    std::function<void(AHistory* theHPtr)> OnReminderDialog;
    // The reminder window following the due reminders that are left.
    std::function<void()> OnRemindersChanged;
    // What the windows redo for new settings beyond painting again (the history lines' height).
    std::function<void()> OnSettingsChanged;
    // The check page printed, with the print window showing its fields.
    std::function<int()> OnPrintCheck;
};
