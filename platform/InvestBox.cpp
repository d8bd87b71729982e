// The investment box and figures painters, and the repaint request of an investment.
#include "platform/InvestBox.h"

#include "investments/Invest.h"
#include "model/Globals.h"
#include "model/Host.h"
#include "model/Money.h"
#include "platform/AccountBox.h"
#include "platform/DrawContext.h"
#include "platform/Pictures.h"

namespace {

constexpr COLORREF kStandardText = 0;  // the colour every painter leaves behind
constexpr int kNameWidth = 108;

std::string MoneyOf(int64_t amount)
{
    char text[kAmountTextSize];
    I2SWide(amount, text, 0);
    return text;
}

}  // namespace

void DisplayInvestBox(DrawContext& dc, int Ii, int h, int v)
{
    const IRecord& account = Invest[Ii];
    const bool selected = account.SelectFlag != 0;
    dc.DrawBitmap(kAccount, h, v);
    if (selected)
        dc.InvertRect(h, v, h + kAccountBoxWidth, v + kAccountBoxHeight);
    dc.SetTextColor(selected ? gBudget.SelectedStandard : gBudget.Standard);
    if (account.Valid) {
        std::string name = RecordText(account.Name);
        int width = 0;
        SetMaxText(dc, name, kNameWidth, name, width);
        DisplayText(dc, name, v + 10, v + 25, h + 10, h + 114);
        char value[kAmountTextSize];
        ComputeMarketValue(account.NumberOfShares, account.CostPerShare, value);
        DisplayText(dc, value, v + 33, v + 48, h + 10, h + 114);
    }
    if (account.Note[0])
        dc.DrawBitmap(kNotes, h + kNoteMarkX, v + kNoteMarkY);
    dc.SetTextColor(kStandardText);
}

void DrawInvestFigure(DrawContext& dc, const char* label, const std::string& value, int left, int right, int v)
{
    dc.SetTextColor(gBudget.Standard);
    DisplayText(dc, label, v + kInvestFigureLabelY, v + kInvestFigureLabelY + 15, left, right);
    DisplayText(dc, value, v + kInvestFigureValueY, v + kInvestFigureValueY + 15, left, right);
    dc.SetTextColor(kStandardText);
}

void CommonInvestHeader(DrawContext& dc, int Ii, int h, int v)
{
    const InvestFigures figures = FiguresOf(Ii);
    const int left = h + 10;
    DrawInvestFigure(dc, "Cost Basis", MoneyOf(figures.CostBasis), left, left + kInvestFigureWidth, v);
    DrawInvestFigure(dc, "Market Value", MoneyOf(figures.MarketValue), left + kInvestFigureWidth,
                     left + 2 * kInvestFigureWidth, v);
    DrawInvestFigure(dc, "Performance", PerformanceText(figures.Performance), left + 2 * kInvestFigureWidth,
                     left + 3 * kInvestFigureWidth, v);
}

void InvalidateInvestAccountRect(int Ii)
{
    gFirstSelected[0] = gFirstSelected[1] = -1;
    gSecondSelected[0] = gSecondSelected[1] = -1;
    // A box stays marked only while it is one of the two selections.
    for (int other = 1; other < kInvestments; ++other)
        if (Invest[other].SelectFlag && other != Ii) {
            Invest[other].SelectFlag = 0;
            ForceInvestAccountImageUpdate(other);
        }
    if (Ii >= 0 && Ii < kInvestments)
        Invest[Ii].SelectFlag = 0;
    ForceInvestAccountImageUpdate(Ii);
}

void ForceInvestAccountImageUpdate(int Ii)
{
    GetHost().InvalidateInvestAccount(Ii);
}
