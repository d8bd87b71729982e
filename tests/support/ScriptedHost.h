// A host for tests: captures every message with its title, answers questions and file choosers
// from a script (a chooser without a scripted file is cancelled), and pins the clock.
#pragma once

#include "ledger/Budget.h"
#include "model/Dates.h"
#include "model/Host.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <utility>
#include <vector>

struct CapturedMessage {
    std::string Text;
    std::string Title;
    MessageButtons Buttons;
    MessageIcon Icon;
};

class ScriptedHost : public Host {
public:
    int MessageBox(const std::string& text, const std::string& title, MessageButtons buttons,
                   MessageIcon icon) override
    {
        Messages.push_back({text, title, buttons, icon});
        return buttons == MessageButtons::Ok ? IDOK : Next(Answers, DefaultAnswer);
    }
    bool ChooseOpenFile(const FileChoice& choice, std::string& path) override
    {
        Choices.push_back(choice);
        path = Next(OpenPaths, std::string());
        return !path.empty();
    }
    bool ChooseSaveFile(const FileChoice& choice, std::string& path) override
    {
        Choices.push_back(choice);
        path = Next(SavePaths, std::string());
        return !path.empty();
    }
    void RunNewBudgetPaySetup() override { ++PaySetupRuns; }
    int RunAvailableTransfer(int Mi, int Si, int32_t amount) override
    {
        OfferedTransfers.push_back(amount);
        if (ShortfallAnswer != Shortfall::Transfer)
            return ShortfallAnswer == Shortfall::WithdrawalOnly ? 1 : 0;
        char today[kDatimeSize];
        GetDatime(today);
        today[8] = 0;
        Transfer(0, 0, Mi, Si, amount, today, "Available Transfer");
        return 1;
    }
    int RunDeleteAccountDialog(int Mi, int Si) override
    {
        DeleteDialogs.emplace_back(Mi, Si);
        return 0;
    }
    LocalTime Now() override { return Clock; }

    // The text of the only message so far, or "" (fails the test when there are several).
    std::string OnlyMessage() const
    {
        EXPECT_LE(Messages.size(), 1u) << AllMessages();
        return Messages.empty() ? std::string() : Messages.front().Text;
    }
    // Every message with its title, for failure output.
    std::string AllMessages() const
    {
        std::string all;
        for (const auto& m : Messages)
            all += (all.empty() ? "" : "\n---\n") + m.Title + ": " + m.Text;
        return all;
    }

    std::vector<CapturedMessage> Messages;
    std::deque<int> Answers;          // answers to questions, in order
    int DefaultAnswer = IDNO;         // when Answers is empty
    std::deque<std::string> SavePaths;  // chosen files; empty = the user cancels
    std::deque<std::string> OpenPaths;  // the same for open choosers
    std::vector<FileChoice> Choices;    // every chooser shown
    // The offered transfer from "Available": the user cancels, keeps only the withdrawal, or
    // makes the transfer of the offered amount.
    enum class Shortfall { Cancel, WithdrawalOnly, Transfer };
    Shortfall ShortfallAnswer = Shortfall::Cancel;
    std::vector<int32_t> OfferedTransfers;
    std::vector<std::pair<int, int>> DeleteDialogs;
    int PaySetupRuns = 0;
    LocalTime Clock{2026, 12, 5, 18, 35, 0};

private:
    template <typename T>
    static T Next(std::deque<T>& script, T otherwise)
    {
        if (script.empty())
            return otherwise;
        T next = std::move(script.front());
        script.pop_front();
        return next;
    }
};
