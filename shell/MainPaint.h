// Painting the main window in budget mode: the Checkbook, "Available" and the 5 x 5 grid of
// account boxes, the buttons and the info box.
#pragma once

#include <string>

class DrawContext;

// Picture numbers of the main window.
constexpr int kAccountBox = 1016;
constexpr int kInfoBoxPicture = 1017;
constexpr int kNotesPicture = 1019;

// The buttons of the main window, in the order of their commands.
struct MainButton {
    int Picture;
    int X, Y;
};
constexpr MainButton kMainButtons[10] = {
    {1029, 233, 16}, {1030, 265, 16}, {1031, 297, 16}, {1032, 329, 16}, {1033, 361, 16},
    {1034, 233, 40}, {1035, 265, 40}, {1036, 297, 40}, {1037, 329, 40}, {1038, 361, 40},
};
constexpr int kButtonWidth = 32;
constexpr int kButtonHeight = 24;
constexpr int kCheckbookX = 72;
constexpr int kCheckbookY = 22;

void PaintMainWindow(DrawContext& dc);
void DisplayAccountBox(DrawContext& dc, int Mi, int Si, int h, int v, int flag);
void DrawMainButtons(DrawContext& dc);
// Draws the info box with gInfoBox.
void PaintMainInfoBox(DrawContext& dc);
// Today's date in the display form, for the info box.
void SetInfoBoxToday();

// Draws text with its top at v1, centred between h1 and h2.
void DisplayText(DrawContext& dc, const std::string& theText, int v1, int v2, int h1, int h2);
// 1 when the text fits maxWidth (copied as it is); else 0 with the longest beginning at most
// maxWidth - 4 wide in outText (left unchanged if not one character fits) and its width in xsize.
int SetMaxText(const DrawContext& dc, const std::string& theText, int maxWidth, std::string& outText, int& xsize);
