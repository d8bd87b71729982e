// The command line's host.
#include "cli/ConsoleHost.h"

int ConsoleHost::MessageBox(const std::string& text, const std::string& title, MessageButtons buttons,
                            MessageIcon)
{
    ++MessageCount;
    std::string shown = text;
    for (char& c : shown)
        if (c == '\r')
            c = '\n';
    err << (title.empty() ? "Error" : title) << ": " << shown << '\n';
    if (buttons == MessageButtons::Ok)
        return IDOK;
    if (buttons == MessageButtons::YesNo && QuestionAnswer == IDCANCEL)
        return IDNO;
    return QuestionAnswer;
}

bool ConsoleHost::ChooseOpenFile(const FileChoice&, std::string& path)
{
    if (ChosenPath.empty())
        return false;
    path = ChosenPath;
    return true;
}

bool ConsoleHost::ChooseSaveFile(const FileChoice&, std::string& path)
{
    return ChooseOpenFile(FileChoice{}, path);
}
