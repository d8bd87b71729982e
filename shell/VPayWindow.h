// The Variable Pay window ("Variable Pay Window"): a pay of any amount given out by hand. The
// user types the date, the total pay and the payer, picks accounts in a list (main accounts
// with sub accounts under headings that expand and collapse) and types what each gets; the
// window keeps showing what remains for "Available". It is modeless, so the rest of the program
// stays usable while it is open.
#pragma once

#include "model/Records.h"

class DrawContext;
class QWidget;

// The window's size and the ids of its controls.
constexpr int kVPayWidth = 310;
constexpr int kVPayHeight = 420;
enum VPayControl {
    kVPayOK = 1,
    kVPayCancel = 2,
    kVPayDate = 3,
    kVPayTotal = 4,
    kVPayRemaining = 5,
    kVPayAddAmount = 6,
    kVPaySelected = 7,
    kVPayList = 8,
    kVPayFrom = 9,
};
// Where the list is, its lines, and the columns of a line.
constexpr int kVPayListX = 28;
constexpr int kVPayListY = 150;
constexpr int kVPayListWidth = 250;
constexpr int kVPayPage = 12;
constexpr int kVPayLineWidth = 230;
constexpr int kVPayArrowWidth = 20;

// The Transaction menu's "Variable Pay...": opens the window with every amount cleared, or
// brings the open window to the front as it is.
void HandleVPay();
// The open window, or null; and a control of it by id, or null.
QWidget* VPayWindow();
QWidget* VPayWindowControl(int id);
// Closes the window without recording (its Cancel).
void CloseVPayWindow();

// The window's own drawing: the Checkbook's account box and the labels.
void PaintVPayWindow(DrawContext& dc);
// A page of the list from row pageStart: headings with their arrows and titles, accounts with
// their names and the amounts they are given.
void PaintVPayList(DrawContext& dc, int pageStart);
// A left press in the list showing the page from pageStart: the arrow of a heading expands or
// collapses it, the name of an account selects it for the amount field.
void HandleVMouse(int pageStart, POINT thePoint);
