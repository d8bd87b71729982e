// The scripted host of the tests.
#include "support/ScriptedHost.h"

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
