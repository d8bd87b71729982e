// The pictures: every resource number the painters use loads, at the size the windows' layouts are
// built around, and the panels that are tiled or inverted are drawn the way that needs.
#include "platform/Pictures.h"

#include <QColor>
#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <vector>

namespace {

// How many pixels of the picture have an alpha the test accepts.
template <typename Test>
int CountPixels(const QPixmap& pixmap, Test alpha)
{
    const QImage image = pixmap.toImage();
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += alpha(qAlpha(image.pixel(x, y)));
    return count;
}

// Contrast ratio of two colours as used for legibility of text (1 to 21).
double Contrast(QColor a, QColor b)
{
    auto luminance = [](QColor c) {
        auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

TEST(PicturesTest, EveryResourceNumberLoadsAtItsSize)
{
    std::set<int> ids;
    for (const PictureInfo& info : AllPictures()) {
        SCOPED_TRACE(info.Name);
        ids.insert(info.Id);
        const QPixmap& pixmap = Picture(info.Id);
        ASSERT_FALSE(pixmap.isNull());
        EXPECT_EQ(pixmap.size(), QSize(info.Width, info.Height)) << "the SVG's size differs from the table";
        EXPECT_EQ(PictureSize(info.Id), pixmap.size());
        EXPECT_EQ(pixmap.devicePixelRatio(), 1.0);
        EXPECT_GT(CountPixels(pixmap, [](int alpha) { return alpha > 0; }), 0);
    }
    EXPECT_EQ(ids.size(), 57u);
    EXPECT_EQ(*ids.begin(), 1001);
    EXPECT_EQ(*ids.rbegin(), 1057);
    for (int id : {0, -1, 1000, 1058, 2001}) {  // unknown numbers give nothing
        EXPECT_TRUE(Picture(id).isNull()) << id;
        EXPECT_FALSE(PictureSize(id).isValid()) << id;
    }
}

// The sizes the window layouts place the pictures by. Boxes, buttons, headers and cells (`tiled`)
// are drawn side by side and inverted when selected: a transparent pixel would show the window's
// background, and invert to a stray colour.
TEST(PicturesTest, LayoutSizesAndOpaquePanels)
{
    const struct { const char* What; std::vector<int> Ids; QSize Size; bool tiled = true; } groups[] = {
        {"account box", {kAccount}, {124, 64}},
        {"info box", {kInfoBMP}, {160, 24}},
        {"buttons",
         {kCheckButton, kDepositButton, kTransferButton, kBalanceButton, kNewButton, kPayButton, kStatButton,
          kSaveButton, kHistoryButton, kInfoButton, kPrintButton, kUndoButton, kRemindButton, kEditorButton, kSell,
          kBuy, kPPS},
         {32, 24}},
        {"balance indicator", {kBlevel, kBLDown, kBRDown}, {32, 32}},
        {"note mark", {kNotes}, {8, 8}, false},
        {"calendar cells",
         {kDateBox, kRedDate, kGreenDate, kYellowDate, kBlueDate, kBlueYellowDate, kBlueRedDate, kBlueGreenDate},
         {24, 20}},
        {"calendar arrows", {kLeftArrow, kRightArrow}, {16, 16}, false},
        {"history headers", {kListHeader, kInvestListHeader}, {536, 20}},
        {"reminder headers", {kRemindListHeader, kToDoListHeader}, {392, 18}},
        {"check layout strip", {kPrintHeader}, {648, 20}},
        {"portfolio figures", {kInvestMainHeader}, {308, 64}},
        {"portfolio info line", {kInvestSpecial}, {308, 24}},
        {"investment figures", {kInvestHistoryHeader}, {496, 64}},
        {"splash window", {kSplash}, {240, 286}},
    };
    for (const auto& group : groups)
        for (int id : group.Ids) {
            EXPECT_EQ(Picture(id).size(), group.Size) << group.What << " " << id;
            const int seeThrough = CountPixels(Picture(id), [](int alpha) { return alpha < 255; });
            EXPECT_TRUE(!group.tiled || seeThrough == 0) << group.What << " " << id;
        }

    // Marks sit in the 16-pixel columns of the lists, before the text that follows them.
    for (int id : {kCheck, kDeposit, kATM, kTransfer, kX, kPay, kBalance, kUndo, kSmile, kSad, kPrinter, kRemind,
                   kSideArrow, kDownArrow}) {
        EXPECT_LE(Picture(id).width(), 16) << id;
        EXPECT_LE(Picture(id).height(), 16) << id;
    }
}

// Names and amounts are white by default and black when the box is selected (inverted); both
// must stay readable where the lines are drawn.
TEST(PicturesTest, AccountBoxTextAreasSuitWhiteAndInvertedBlack)
{
    const QImage box = Picture(kAccount).toImage();
    for (int y : {12, 18, 24, 35, 41, 47})
        for (int x : {20, 40, 62, 84, 104}) {
            const QColor under = box.pixelColor(x, y);
            EXPECT_GE(Contrast(under, Qt::white), 7.0) << x << "," << y;
            const QColor inverted(255 - under.red(), 255 - under.green(), 255 - under.blue());
            EXPECT_GE(Contrast(inverted, Qt::black), 7.0) << x << "," << y;
        }
}

TEST(PicturesTest, ProgramIconScales)
{
    const QIcon icon = ProgramIcon();
    ASSERT_FALSE(icon.isNull());
    for (int side : {16, 32, 48, 256})
        EXPECT_EQ(icon.pixmap(side, side).size(), QSize(side, side)) << side;
}
