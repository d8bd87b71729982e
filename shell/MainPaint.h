// Painting the main window in budget mode: the Checkbook, "Available" and the 5 x 5 grid of
// account boxes, the buttons and the info box.
#pragma once

#include "platform/Pictures.h"

class DrawContext;

// The buttons of the main window, in the order of their commands.
struct MainButton {
    int Picture;
    int X, Y;
};
constexpr MainButton kMainButtons[10] = {
    {kCheckButton, 233, 16}, {kDepositButton, 265, 16}, {kTransferButton, 297, 16}, {kBalanceButton, 329, 16},
    {kNewButton, 361, 16},   {kPayButton, 233, 40},     {kStatButton, 265, 40},     {kSaveButton, 297, 40},
    {kHistoryButton, 329, 40}, {kInfoButton, 361, 40},
};
constexpr int kCheckbookX = 72;
constexpr int kCheckbookY = 22;

void PaintMainWindow(DrawContext& dc);
void DrawMainButtons(DrawContext& dc);
// Draws the info box with gInfoBox.
void PaintMainInfoBox(DrawContext& dc);
// Today's date in the display form, for the info box.
void SetInfoBoxToday();
