// The history window of an investment: the line of each trade and price update, the figures over
// them, and its buttons with the list following what they record. (Its place: the history tests.)
#include "support/WindowFixture.h"

#include "history/HistoryList.h"
#include "history/InvestHistory.h"
#include "investments/Invest.h"
#include "investments/InvestRecording.h"
#include "model/Globals.h"

#include <QFontMetrics>

namespace {

// "Index Fund": 10 shares bought at 12.345, 4 sold at 13.000, then a price of 14.000.
class InvestHistoryTest : public BudgetFixture {
protected:
    void SetUp() override
    {
        BudgetFixture::SetUp();
        ASSERT_EQ(RecordInvestName(1, "Index Fund"), 1);
        ASSERT_TRUE(BuySellShares(1, 1, 10000, 12345, "11/01/26"));
        ASSERT_TRUE(BuySellShares(0, 1, 4000, 13000, "11/10/26"));
        ASSERT_TRUE(RecordPriceUpdate(1, 14000, "11/20/26"));
    }
    void TearDown() override
    {
        DestroyInvestHistoryWindows();
        BudgetFixture::TearDown();
    }

    static Texts LineTexts(const Drawn& texts, int line) { return TextsAt(texts, line * gCYListChar, gCYListChar); }
    static QWidget* Window() { return static_cast<QWidget*>(MemoryInvest[1].HistoryWindow); }
    static QScrollBar* Bar() { return static_cast<ListPane*>(static_cast<QWidget*>(MemoryInvest[1].HistoryListWindow))->ScrollBar(); }
};

TEST_F(InvestHistoryTest, EachRecordShowsItsSharesPriceHoldingAndValueNewestFirst)
{
    gIntRec.Flag1 = kIntDayMonthYear;  // dates in the user's order
    Drawn texts;
    QImage image = Render(QSize(kHistoryPaneWidth, kHistoryPage * gCYListChar), texts,
                          [](DrawContext& dc) { PaintInvestHistoryListWindow(dc, 1, 0, kHistoryPage); });
    EXPECT_EQ(LineTexts(texts, 0), (Texts{"20/11/26", "0.000", "$14.000", "6.000", "$0.00"}));
    // A sale is valued at the average price of the buys and price updates: 13.172.
    EXPECT_EQ(LineTexts(texts, 1), (Texts{"10/11/26", "4.000", "$13.000", "6.000", "$52.68"}));
    EXPECT_EQ(LineTexts(texts, 2), (Texts{"01/11/26", "10.000", "$12.345", "10.000", "$123.45"}));
    EXPECT_TRUE(LineTexts(texts, 3).empty());

    // Numbers end at their columns: shares 185, price 285, holding 390, value 512.
    QPainter painter(&image);
    painter.setFont(EzCreateFont(image, "Arial", 100, 0, 0));
    const int ends[] = {185, 285, 390, 512};
    for (int k = 0; k < 4; ++k) {
        const DrawContext::DrawnText& t = texts[11 + k];
        EXPECT_EQ(t.X + painter.fontMetrics().horizontalAdvance(QString::fromStdString(t.Text)), ends[k]) << t.Text;
    }

    // A page further down begins with a later record.
    texts.clear();
    Render(QSize(kHistoryPaneWidth, kHistoryPage * gCYListChar), texts,
           [](DrawContext& dc) { PaintInvestHistoryListWindow(dc, 1, 2, kHistoryPage); });
    EXPECT_EQ(LineTexts(texts, 0)[1], "10.000");
}

TEST_F(InvestHistoryTest, TheWindowShowsTheFiguresAndItsBuyButtonLengthensTheList)
{
    Drawn texts;
    Render(QSize(552, 100), texts, [](DrawContext& dc) { PaintInvestHistoryWindow(dc, 1); });
    // Text, top, and the column it is centred in.
    const struct { const char* text; int y, left, right; } expected[] = {
        {"Total Shares", 18, 60, 154}, {"6.000", 42, 60, 154}, {"$14.000", 42, 154, 248},
        {"$74.07", 42, 250, 344}, {"$84.00", 42, 344, 438}, {"13%", 42, 438, 532},
    };
    for (const auto& e : expected)
        EXPECT_TRUE(DrawnInColumn(texts, e.text, e.y, e.left, e.right)) << e.text << " at " << e.y;

    for (int k = 0; k < 15; ++k)
        ASSERT_TRUE(RecordPriceUpdate(1, 14000, "11/21/26"));
    DisplayInvestHistory(1);
    ASSERT_NE(Window(), nullptr);
    EXPECT_EQ(Bar()->maximum(), 18 - kHistoryPage);

    DialogScripts dialogs;
    dialogs.Scripts.push_back([](ScriptedDialog& d) {
        EXPECT_EQ(d.Text(1004), "Buy");
        d.Type(1012, "1");
        d.Type(1003, "14.000");
        d.Click(IDOK);
    });
    const InvestHistoryButton& buy = kInvestHistoryButtons[0];
    Press(Window(), {buy.X + 4, buy.Y + 4});
    EXPECT_EQ(Invest[1].NumberOfShares, 7000);
    EXPECT_EQ(Bar()->maximum(), 19 - kHistoryPage);
    EXPECT_TRUE(host.Messages.empty()) << host.AllMessages();
}

}  // namespace
