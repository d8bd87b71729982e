// Painting the main window in budget mode.
#include "shell/MainPaint.h"

#include "ledger/Budget.h"
#include "model/Dates.h"
#include "model/Globals.h"
#include "model/Money.h"
#include "platform/AccountBox.h"
#include "platform/DrawContext.h"
#include "platform/Pictures.h"

namespace {

constexpr COLORREF kStandardText = 0;  // the colour every painter leaves behind

}  // namespace

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
    dc.DrawBitmap(kInfoBMP, 233, 64);
    dc.SetTextColor(gBudget.Standard);
    DisplayText(dc, RecordText(gInfoBox), 68, 84, 241, 385);
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
