// The scripted host of the tests.
#include "support/ScriptedHost.h"

#include "ledger/Budget.h"
#include "model/Dates.h"

#include <gtest/gtest.h>

int ScriptedHost::MessageBox(const std::string& text, const std::string& title, MessageButtons buttons,
                             MessageIcon icon)
{
    Messages.push_back({text, title, buttons, icon});
    if (buttons == MessageButtons::Ok)
        return IDOK;
    if (Answers.empty())
        return DefaultAnswer;
    const int answer = Answers.front();
    Answers.pop_front();
    return answer;
}

bool ScriptedHost::ChooseOpenFile(const FileChoice& choice, std::string& path)
{
    Choices.push_back(choice);
    if (OpenPaths.empty())
        return false;
    path = OpenPaths.front();
    OpenPaths.pop_front();
    return true;
}

bool ScriptedHost::ChooseSaveFile(const FileChoice& choice, std::string& path)
{
    Choices.push_back(choice);
    if (SavePaths.empty())
        return false;
    path = SavePaths.front();
    SavePaths.pop_front();
    return true;
}

std::string ScriptedHost::OnlyMessage() const
{
    EXPECT_LE(Messages.size(), 1u) << AllMessages();
    return Messages.empty() ? std::string() : Messages.front().Text;
}

std::string ScriptedHost::AllMessages() const
{
    std::string all;
    for (const auto& m : Messages) {
        if (!all.empty())
            all += "\n---\n";
        all += m.Title + ": " + m.Text;
    }
    return all;
}

int ScriptedHost::RunAvailableTransfer(int Mi, int Si, int32_t amount)
{
    OfferedTransfers.push_back(amount);
    switch (ShortfallAnswer) {
    case Shortfall::Cancel:
        return 0;
    case Shortfall::WithdrawalOnly:
        return 1;
    case Shortfall::Transfer:
        break;
    }
    char today[kDatimeSize];
    GetDatime(today);
    today[8] = 0;
    Transfer(0, 0, Mi, Si, TransferAmount ? TransferAmount : amount, today, "Available Transfer");
    return 1;
}
