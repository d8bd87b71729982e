// Notes and Delete Account driven by scripts: what each button of Notes leaves, and a deletion
// that waits for its history file and then puts the account's windows away; the same for an
// investment account.
#include "support/WindowFixture.h"

#include "dialogs/NoteDialogs.h"
#include "dialogs/InvestDialogs.h"
#include "history/HistoryWindow.h"
#include "history/InvestHistory.h"
#include "model/Globals.h"
#include "model/Money.h"
#include "shell/SubWindow.h"

#include <QFile>
#include <QPointer>
#include <QTemporaryDir>

namespace {

// Car with the sub accounts Gas (50.00 in three deposits) and Tires.
class AccountNoteDeleteTest : public ProgramFixture {
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        for (const auto& [Si, name] : {std::pair{0, "Car"}, {1, "Gas"}, {2, "Tires"}})
            RecordTestAccount(1, Si, name);
        for (const int32_t amount : {2000, 2000, 1000})
            RecordDeposit(1, 1, amount, "Job", "11/01/26", "", false);
    }

    DialogScripts dialogs;
};

TEST_F(AccountNoteDeleteTest, NotesKeepTheTypedTextCutDeleteEmptiesCancelKeepsAndAnInvestmentHasItsOwn)
{
    const std::string longNote(300, 'n');
    // The buttons: OK 1001, Delete 1002, Cancel 2.
    const struct { std::string typed; int button; std::string note; } cases[] = {
        {"Call the bank\nabout fees", 1001, "Call the bank\r\nabout fees"},
        {longNote, 1001, longNote.substr(0, 252)},
        {"typed", 1002, ""},
        {"typed", IDCANCEL, "Old note"},
    };
    for (const auto& c : cases) {
        CopyString("Old note", Accounts[1][1].Note);
        dialogs.Scripts.push_back([&](ScriptedDialog& d) {
            EXPECT_EQ(d.Text(1003), "Old note");
            d.Type(1003, c.typed);
            d.PressEnter();  // a new line in the note, not OK
            d.Click(c.button);
        });
        BudgetNote(1, 1, 0);
        EXPECT_EQ(RecordText(Accounts[1][1].Note), c.note) << c.typed;
    }

    // An investment has a note of its own.
    ASSERT_EQ(RecordInvestName(3, "Bonds"), 1);
    CopyString("Budget note", Accounts[3][0].Note);
    dialogs.Scripts.push_back([](ScriptedDialog& d) {
        EXPECT_EQ(d.Text(1003), "");
        d.Type(1003, "Call the broker");
        d.Click(1001);
    });
    BudgetNote(3, 0, 1);
    EXPECT_EQ(RecordText(Invest[3].Note) + ", " + RecordText(Accounts[3][0].Note), "Call the broker, Budget note");
}

TEST_F(AccountNoteDeleteTest, DeletionWaitsForItsHistoryFileAndPutsTheWindowsAway)
{
    ASSERT_EQ(RecordInvestName(3, "Bonds"), 1);
    ASSERT_TRUE(BuySellShares(1, 3, 2000, 50000, "11/01/26"));
    ASSERT_TRUE(RecordPriceUpdate(3, 51000, "11/02/26"));  // not kept in the file
    DisplaySubAccounts(1);
    DisplayHistory(1, 1);
    DisplayInvestHistory(3);
    const QPointer<QWidget> subWindow = static_cast<QWidget*>(MemoryAccounts[1][0].SubAccountWindow);
    const QPointer<QWidget> history = static_cast<QWidget*>(MemoryAccounts[1][1].HistoryWindow);
    const QPointer<QWidget> investHistory = static_cast<QWidget*>(MemoryInvest[3].HistoryWindow);
    ASSERT_TRUE(subWindow && history && investHistory);

    // Tires has no records, so no file; Gas is still there, and so is the window.
    dialogs.Scripts = {[](ScriptedDialog& d) { d.Click(IDOK); }};
    ASSERT_EQ(DeleteAccountDialog(1, 2, 0), 1);
    EXPECT_TRUE(subWindow->isVisible());

    // The dialog's figures (name, balance, records), the deletion, what tells it is there, and
    // the windows it puts away.
    const struct {
        const char* shown; std::function<int()> remove; const char* valid; std::vector<QPointer<QWidget>> windows;
    } cases[] = {
        {"Gas $50.00 3", [] { return DeleteAccountDialog(1, 1, 0); }, &Accounts[1][1].Valid, {history, subWindow}},
        {"Bonds $0.00 1", [] { return DeleteInvestAccount(3); }, &Invest[3].Valid, {investHistory}},
    };
    QTemporaryDir dir;
    for (const auto& c : cases) {
        const std::string file = dir.filePath(c.shown).toStdString();
        dialogs.Scripts.push_back([&](ScriptedDialog& d) {
            EXPECT_EQ(d.Text(1011) + " " + d.Text(1003) + " " + d.Text(1006), c.shown);
            d.Click(IDOK);  // the file chooser is cancelled
            ASSERT_FALSE(d.IsEnded());
            EXPECT_TRUE(*c.valid);
            windows.SavePaths.push_back(file);
            d.Click(IDOK);
        });
        EXPECT_EQ(c.remove(), 1) << c.shown;
        EXPECT_FALSE(*c.valid) << c.shown;
        EXPECT_TRUE(QFile::exists(QString::fromStdString(file))) << c.shown;
        for (const QPointer<QWidget>& window : c.windows)
            EXPECT_TRUE(window->isHidden()) << c.shown;
    }
    EXPECT_EQ(Invest[0].AmountPaid, 0);
    EXPECT_EQ(DeleteInvestAccount(4), 0);  // none there: told, with no dialog
    EXPECT_EQ(windows.Messages.size(), 1u);
}

}  // namespace
