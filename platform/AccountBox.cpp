// The account box painter and the text helpers of box painters.
#include "platform/AccountBox.h"

#include "ledger/Budget.h"
#include "model/Globals.h"
#include "model/Money.h"
#include "platform/DrawContext.h"
#include "platform/Pictures.h"

namespace {

constexpr COLORREF kStandardText = 0;  // the colour every painter leaves behind

// The colour of a box's texts: its Selected variant when the box is marked.
COLORREF Colour(bool selected, COLORREF normal, COLORREF marked)
{
    return selected ? marked : normal;
}

}  // namespace

void DisplayText(DrawContext& dc, const std::string& theText, int v1, int, int h1, int h2)
{
    dc.TextOut(h1 + (h2 - h1 - dc.TextWidth(theText)) / 2, v1, theText);
}

int SetMaxText(const DrawContext& dc, const std::string& theText, int maxWidth, std::string& outText, int& xsize)
{
    if (dc.TextWidth(theText) <= maxWidth) {
        outText = theText;
        return 1;
    }
    for (size_t length = theText.size() - 1; length > 0; --length) {
        const int width = dc.TextWidth(theText.data(), static_cast<int>(length));
        if (width <= maxWidth - 4) {
            outText = theText.substr(0, length);
            xsize = width;
            return 0;
        }
    }
    return 0;
}

void DisplayAccountBox(DrawContext& dc, int Mi, int Si, int h, int v, int flag)
{
    const ARecord& a = Accounts[Mi][Si];
    const bool selected = a.SelectFlag != 0;
    dc.DrawBitmap(kAccount, h, v);
    if (selected)
        dc.InvertRect(h, v, h + kAccountBoxWidth, v + kAccountBoxHeight);
    dc.SetTextColor(Colour(selected, gBudget.Standard, gBudget.SelectedStandard));
    std::string name = RecordText(a.Name);
    int width = 0;
    SetMaxText(dc, name, 108, name, width);
    if (!a.Valid && !a.CheckbookRecord && !a.FoundFlag) {
        dc.SetTextColor(kStandardText);
        return;
    }
    const bool category = flag == 0 && a.NumberOfSubAccounts > 0;
    if (category) {
        name = RecordText(a.SubName);
        dc.SetTextColor(Colour(selected, gBudget.StandardSub, gBudget.SelectedStandardSub));
    }
    if (a.SavingsFlag)
        dc.SetTextColor(Colour(selected, gBudget.SavingsAccount, gBudget.SelectedSavingsAccount));
    DisplayText(dc, name, v + 10, v + 25, h + 10, h + 114);

    const int32_t amount = category ? TotalSubAccounts(Mi) : a.Balance;
    dc.SetTextColor(amount >= 0 ? Colour(selected, gBudget.PositiveAmount, gBudget.SelectedPositiveAmount)
                                : Colour(selected, gBudget.NegativeAmount, gBudget.SelectedNegativeAmount));
    std::string amountText;
    if (a.FoundFlag) {
        amountText = std::to_string(a.Balance) + (a.Balance == 1 ? " Hit" : " Hits");
    } else {
        char text[kAmountTextSize];
        I2S(amount, text, 0);
        amountText = text;
    }
    DisplayText(dc, amountText, v + 33, v + 48, h + 10, h + 114);
    if (a.Note[0])
        dc.DrawBitmap(kNotes, h + kNoteMarkX, v + kNoteMarkY);
    dc.SetTextColor(kStandardText);
}
