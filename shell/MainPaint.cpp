// Painting the main window in budget mode.
#include "shell/MainPaint.h"

#include "ledger/Budget.h"
#include "model/Dates.h"
#include "model/Globals.h"
#include "model/Money.h"
#include "platform/DrawContext.h"

#include <cstring>

namespace {

constexpr COLORREF kStandardText = 0;  // the colour every painter leaves behind

// The colour of a box's texts: its Selected variant when the box is marked.
COLORREF Colour(bool selected, COLORREF normal, COLORREF marked)
{
    return selected ? marked : normal;
}

std::string FieldText(const char* field, size_t size)
{
    return std::string(field, strnlen(field, size));
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
    dc.DrawBitmap(kAccountBox, h, v);
    if (selected)
        dc.InvertRect(h, v, h + 124, v + 64);
    dc.SetTextColor(Colour(selected, gBudget.Standard, gBudget.SelectedStandard));
    std::string name = FieldText(a.Name, sizeof a.Name);
    int width = 0;
    SetMaxText(dc, name, 108, name, width);
    if (!a.Valid && !a.CheckbookRecord && !a.FoundFlag) {
        dc.SetTextColor(kStandardText);
        return;
    }
    const bool category = flag == 0 && a.NumberOfSubAccounts > 0;
    if (category) {
        name = FieldText(a.SubName, sizeof a.SubName);
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
        dc.DrawBitmap(kNotesPicture, h + 10, v + 46);
    dc.SetTextColor(kStandardText);
}

void DrawMainButtons(DrawContext& dc)
{
    for (const MainButton& b : kMainButtons)
        dc.DrawBitmap(b.Picture, b.X, b.Y);
}

void SetInfoBoxToday()
{
    GetDisplayToday(gInfoBox);
}

void PaintMainInfoBox(DrawContext& dc)
{
    dc.DrawBitmap(kInfoBoxPicture, 233, 64);
    dc.SetTextColor(gBudget.Standard);
    DisplayText(dc, FieldText(gInfoBox, sizeof gInfoBox), 68, 84, 241, 385);
    dc.SetTextColor(kStandardText);
}

void PaintMainWindow(DrawContext& dc)
{
    dc.SetTransparent(true);
    DisplayAccountBox(dc, 0, 1, kCheckbookX, kCheckbookY, 0);
    for (int Mi = 0; Mi < kMainAccounts; ++Mi)
        DisplayAccountBox(dc, Mi, 0, FindMainAccountHCoordinate(Mi), FindMainAccountVCoordinate(Mi), 0);
    DrawMainButtons(dc);
    if (!gBoxFlag)
        SetInfoBoxToday();
    PaintMainInfoBox(dc);
    gBoxFlag = 0;
}
