// The investment account box and the figures over an account or the portfolio (cost basis,
// market value, performance), as the investment view of the main window, the investment history
// windows and the investment dialogs draw them; and asking for an investment to be repainted.
#pragma once

#include <string>

class DrawContext;

// The columns of the figures: three, each this wide, from 10 pixels right of the panel's left.
constexpr int kInvestFigureWidth = 94;
constexpr int kInvestFigureLabelY = 10;  // below the panel's top
constexpr int kInvestFigureValueY = 34;

// Draws investment account Ii's box with its top-left corner at (h, v): the empty box for a slot
// without an account, else its name and market value; inverted while selected; the note mark when
// it has a note. The text colour is black afterwards.
void DisplayInvestBox(DrawContext& dc, int Ii, int h, int v);

// The labels "Cost Basis", "Market Value" and "Performance" with their values, for account Ii
// or, with Ii 0, for the whole portfolio, in three columns of the panel at (h, v).
void CommonInvestHeader(DrawContext& dc, int Ii, int h, int v);

// A text centred in a column of the figures, in the budget's Standard colour.
void DrawInvestFigure(DrawContext& dc, const char* label, const std::string& value, int left, int right, int v);

// The selection is over (both selections cleared, every investment box unmarked), and every view
// of investment account Ii is repainted: what the dialogs call once they recorded something.
void InvalidateInvestAccountRect(int Ii);
// The repaint alone: the portfolio's figures and the account's box in the main window, the figures
// of its history window and its list.
void ForceInvestAccountImageUpdate(int Ii);
