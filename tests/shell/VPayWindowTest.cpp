// The Variable Pay window: amounts typed for accounts picked in the list, what remains, headings
// collapsed, the window brought back by the menu command as it was, and its OK.
#include "support/WindowFixture.h"

#include "ledger/VariablePay.h"
#include "model/Globals.h"
#include "shell/Commands.h"
#include "shell/VPayWindow.h"
#include "shell/Windows.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

class VPayWindowTest : public ProgramFixture {
protected:
    // Rent; Car with its sub account Fuel under "Car Costs"; Food. The list: Rent, the heading,
    // Car, Fuel, Food.
    void SetUp() override
    {
        ProgramFixture::SetUp();
        RecordTestAccount(1, 0, "Rent");
        RecordTestAccount(2, 0, "Car");
        RecordTestAccount(2, 1, "Fuel");
        RecordCategoryName(2, "Car Costs");
        RecordTestAccount(3, 0, "Food");
        windows.Messages.clear();
        HandleVPay();
        ASSERT_NE(VPayWindow(), nullptr);
    }
    void TearDown() override
    {
        CloseVPayWindow();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ProgramFixture::TearDown();
    }

    static QLineEdit* Edit(int id) { return qobject_cast<QLineEdit*>(VPayWindowControl(id)); }
    static std::string Shown(int id) { return qobject_cast<QLabel*>(VPayWindowControl(id))->text().toStdString(); }
    static void Click(int id) { qobject_cast<QPushButton*>(VPayWindowControl(id))->click(); }
    // A press on row `row` of the list's page: on a heading's arrow, or on the name column.
    static void PressRow(int row, bool arrow = false)
    {
        Press(VPayWindowControl(kVPayList), {arrow ? 5 : 100, row * gCYChar + gCYChar / 2});
    }
    // Picks the account on `row` and types the amount.
    static void Give(int row, const char* amount)
    {
        PressRow(row);
        Edit(kVPayAddAmount)->setText(amount);
    }
};

TEST_F(VPayWindowTest, TypedAmountsUpdateRemainingAndAReselectedAccountShowsItsAmount)
{
    Edit(kVPayTotal)->setText("500");
    EXPECT_EQ(Shown(kVPayRemaining), "$500.00");
    Give(0, "100");
    EXPECT_EQ(Shown(kVPaySelected), "Rent");
    Give(3, "50");
    EXPECT_EQ(Shown(kVPayRemaining), "$350.00");
    PressRow(0);
    EXPECT_EQ(Edit(kVPayAddAmount)->text().toStdString(), "100.00");
    EXPECT_TRUE(Edit(kVPayAddAmount)->hasSelectedText());

    // A bad amount is told as it is typed and keeps the account's amount.
    Edit(kVPayAddAmount)->setText("12.x");
    EXPECT_NE(windows.AllMessages().find("12.x"), std::string::npos) << windows.AllMessages();
    EXPECT_EQ(VPayAmount(1, 0), 10000);
    Edit(kVPayTotal)->setText("100");
    EXPECT_EQ(Shown(kVPayRemaining), "$-50.00");

    Drawn drawn;
    Render(QSize(kVPayListWidth, kVPayPage * gCYChar), drawn, [](DrawContext& dc) { PaintVPayList(dc, 0); });
    EXPECT_EQ(TextsAt(drawn, 0, gCYChar), (Texts{"Rent", "$100.00"}));
    EXPECT_EQ(TextsAt(drawn, gCYChar, gCYChar), (Texts{"Car Costs"}));

    // Collapsing the heading hides Car and Fuel; Food moves up.
    PressRow(1, true);
    EXPECT_EQ(VPayRowCount(), 3);
    Give(2, "5");
    EXPECT_EQ(Shown(kVPaySelected), "Food");
}

TEST_F(VPayWindowTest, TheMenuCommandFrontsTheOpenWindowAsItIs)
{
    QWidget* window = VPayWindow();
    Edit(kVPayTotal)->setText("500");
    Give(0, "100");
    HandleMenu(kCmdVariablePay, false);
    EXPECT_EQ(VPayWindow(), window);
    EXPECT_EQ(VPayAmount(1, 0), 10000);
    EXPECT_EQ(Shown(kVPayRemaining), "$400.00");
}

TEST_F(VPayWindowTest, OkRecordsAndClosesOrKeepsTheWindowOpenOnTheFault)
{
    Edit(kVPayTotal)->setText("500");
    Give(0, "600");
    Click(kVPayOK);
    EXPECT_NE(windows.AllMessages().find("The From field must be specified."), std::string::npos);
    Edit(kVPayFrom)->setText("Bonus");
    windows.Messages.clear();
    Click(kVPayOK);
    EXPECT_NE(windows.AllMessages().find("more than the total pay"), std::string::npos) << windows.AllMessages();
    ASSERT_NE(VPayWindow(), nullptr);
    EXPECT_TRUE(Accounts[0][1].Balance == 0 && !MemoryAccounts[1][0].HistoryRec) << "recorded after refusing";

    Edit(kVPayAddAmount)->setText("100");
    Give(3, "50");
    Click(kVPayOK);
    EXPECT_EQ(VPayWindow(), nullptr);
    EXPECT_EQ(Accounts[1][0].Balance, 10000);
    EXPECT_EQ(Accounts[2][1].Balance, 5000);
    EXPECT_EQ(Accounts[0][0].Balance, 35000);
    EXPECT_EQ(Accounts[0][1].Balance, 50000);
}

}  // namespace
