// A host for tests: captures every message with its title, answers questions and file choosers
// from a script, and pins the clock.
#pragma once

#include "model/Host.h"

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
                   MessageIcon icon) override;
    bool ChooseOpenFile(const FileChoice& choice, std::string& path) override;
    bool ChooseSaveFile(const FileChoice& choice, std::string& path) override;
    void InvalidateAccount(int Mi, int Si) override { Invalidated.emplace_back(Mi, Si); }
    void UpdateInfoBox() override { ++InfoBoxUpdates; }
    void RunNewBudgetPaySetup() override { ++PaySetupRuns; }
    int RunAvailableTransfer(int Mi, int Si, int32_t amount) override;
    int RunDeleteAccountDialog(int Mi, int Si) override
    {
        DeleteDialogs.emplace_back(Mi, Si);
        return DeleteDialogResult;
    }
    LocalTime Now() override { return Clock; }

    // The text of the only message so far, or "" (fails the test when there are several).
    std::string OnlyMessage() const;
    // Every message text joined by "\n---\n", for failure output.
    std::string AllMessages() const;

    std::vector<CapturedMessage> Messages;
    std::deque<int> Answers;          // answers to questions, in order
    int DefaultAnswer = IDNO;         // when Answers is empty
    std::deque<std::string> OpenPaths;  // chosen files; empty = the user cancels
    std::deque<std::string> SavePaths;
    std::vector<FileChoice> Choices;  // every chooser shown
    std::vector<std::pair<int, int>> Invalidated;
    int InfoBoxUpdates = 0;
    // The offered transfer from "Available": the user cancels, keeps only the withdrawal, or
    // makes the transfer of the offered amount (or of TransferAmount when it is set).
    enum class Shortfall { Cancel, WithdrawalOnly, Transfer };
    Shortfall ShortfallAnswer = Shortfall::Cancel;
    int32_t TransferAmount = 0;
    std::vector<int32_t> OfferedTransfers;
    std::vector<std::pair<int, int>> DeleteDialogs;
    int DeleteDialogResult = 0;
    int PaySetupRuns = 0;
    LocalTime Clock{2026, 12, 5, 18, 35, 0};
};
