// The pictures: every resource number the painters use loads at the size of its table, and the
// panels that are tiled or inverted are drawn the way that needs.
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
    for (const PictureInfo& info : AllPictures()) {
        SCOPED_TRACE(info.Name);
        const QPixmap& pixmap = Picture(info.Id);
        ASSERT_FALSE(pixmap.isNull());
        EXPECT_EQ(pixmap.size(), QSize(info.Width, info.Height)) << "the SVG's size differs from the table";
        EXPECT_EQ(PictureSize(info.Id), pixmap.size());
        EXPECT_EQ(pixmap.devicePixelRatio(), 1.0);
        EXPECT_GT(CountPixels(pixmap, [](int alpha) { return alpha > 0; }), 0);
    }
    for (int id : {0, -1, 1000, 1058, 2001}) {  // unknown numbers give nothing
        EXPECT_TRUE(Picture(id).isNull()) << id;
        EXPECT_FALSE(PictureSize(id).isValid()) << id;
    }
    EXPECT_EQ(ProgramIcon().pixmap(48, 48).size(), QSize(48, 48));
}

// Marks sit in the 16-pixel columns of the lists and may be transparent, as may the note mark, the
// dots and the calendar's arrows. Every other picture (boxes, buttons, headers, cells) is drawn side
// by side or inverted when selected: a transparent pixel would show the window's background, and
// invert to a stray colour.
TEST(PicturesTest, PanelsAreOpaqueAndMarksFitTheirColumns)
{
    const std::set<int> marks = {kCheck, kDeposit, kATM, kTransfer, kX, kPay, kBalance, kUndo, kSmile, kSad,
                                 kPrinter, kRemind, kSideArrow, kDownArrow};
    for (const PictureInfo& info : AllPictures()) {
        const QSize size = Picture(info.Id).size();
        const bool seeThrough = CountPixels(Picture(info.Id), [](int alpha) { return alpha < 255; }) > 0;
        if (marks.count(info.Id)) {
            EXPECT_TRUE(size.width() <= 16 && size.height() <= 16) << info.Name;
        } else if (info.Id != kNotes && info.Id != kDots && info.Id != kLeftArrow && info.Id != kRightArrow) {
            EXPECT_FALSE(seeThrough) << info.Name;
        }
    }
    for (int id : {kCheckButton, kDepositButton, kTransferButton, kBalanceButton, kNewButton, kPayButton, kStatButton,
                   kSaveButton, kHistoryButton, kInfoButton, kPrintButton, kUndoButton, kRemindButton, kEditorButton,
                   kSell, kBuy, kPPS})
        EXPECT_EQ(Picture(id).size(), QSize(kButtonWidth, kButtonHeight)) << id;
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
