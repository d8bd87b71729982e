// The print window: the strip of ten field buttons over the data area in which the check's boxes
// are drawn with the mouse, dragged and nudged from the keyboard; Check Setup, and the window shown
// while a check prints.
#pragma once

#include "model/Records.h"

class QWidget;

// Takes over the print window and its data area, made hidden at start-up.
void AttachPrintWindow(QWidget* window, QWidget* dataArea);

// Check Setup... (40008): the window at its stored place with no button pressed.
void PrintSetup();

// The host's check printing in the desktop program: the window shows the check's fields, then
// the page prints on the printer, or into a PDF file where there is none.
int PrintCheckWithWindow();

// The window's input as its window procedures take it, for the event handlers and for tests.
// A press in the strip at `thePoint` (window coordinates).
void PrintWindowClick(POINT thePoint);
// The left button pressed, moved with the button held, and let go in the data area (its
// coordinates).
void PrintDataPress(POINT thePoint);
void PrintDataMove(POINT thePoint);
void PrintDataRelease();
// A key: `type` 1 a key code (arrows, numeric pad digits), 0 a character ('1' to '9'); the box
// under `cursor` (data-area coordinates) moves or changes size.
void PrintKeyDown(int key, int type, POINT cursor);
// The key codes of `type` 1, as the window passes them.
constexpr int kPrintKeyLeft = 0x25;
constexpr int kPrintKeyUp = 0x26;
constexpr int kPrintKeyRight = 0x27;
constexpr int kPrintKeyDown = 0x28;
constexpr int kPrintKeyPad0 = 0x60;  // numeric pad 0; pad 1 to 9 follow
