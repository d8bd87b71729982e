// The account box: the picture with an account's name and balance, as the main window, the
// sub-account, history and balance windows and the transaction dialogs show it; and the two text
// helpers every painter of boxes uses (a text centred in a column, a text cut to a width).
#pragma once

#include "platform/Mouse.h"

#include <string>

class DrawContext;

// The box's size in pixels.
constexpr int kAccountBoxWidth = 124;
constexpr int kAccountBoxHeight = 64;
// The note mark, drawn when the account has a note: its place in the box, and its size.
constexpr int kNoteMarkX = 10;
constexpr int kNoteMarkY = 46;
constexpr int kNoteMarkSize = 8;

// Whether p is on the box at (h, v), or on its note mark (where a click opens the note).
constexpr bool OnAccountBox(POINT p, int h, int v)
{
    return Inside(p, h, v, h + kAccountBoxWidth, v + kAccountBoxHeight);
}
constexpr bool OnNoteMark(POINT p, int h, int v)
{
    return Inside(p, h + kNoteMarkX, v + kNoteMarkY, h + kNoteMarkX + kNoteMarkSize, v + kNoteMarkY + kNoteMarkSize);
}

// Draws the box of slot (Mi, Si) with its top-left corner at (h, v), inverted while the slot is
// selected. flag 1: the slot's own name and balance; 0: a main account with sub accounts shows
// its category title and the total of its sub accounts. A slot that is no account shows the
// empty box; a found account shows its number of hits. The text colour is black afterwards.
void DisplayAccountBox(DrawContext& dc, int Mi, int Si, int h, int v, int flag);

// Draws text with its top at v1, centred between h1 and h2.
void DisplayText(DrawContext& dc, const std::string& theText, int v1, int v2, int h1, int h2);
// 1 when the text fits maxWidth (copied as it is); else 0 with the longest beginning at most
// maxWidth - 4 wide in outText (left unchanged if not one character fits) and its width in xsize.
int SetMaxText(const DrawContext& dc, const std::string& theText, int maxWidth, std::string& outText, int& xsize);
