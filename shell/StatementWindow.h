// Importing a bank statement into the balance window: the Transaction menu's "Import
// Statement..." ticks the outstanding records the statement's lines match and fills the
// statement field, and the "Statement Lines" window beside the balance window lists the lines
// that matched nothing, each to be recorded into an account the user chooses. It is modeless and
// belongs to the balance window: it closes when the balance window is hidden.
#pragma once

#include "model/Records.h"

#include <cstddef>

class DrawContext;
class QWidget;

// The window's size, and the ids of its parts.
constexpr int kLinesWidth = 480;
constexpr int kLinesHeight = 250;
enum StatementLinesControl {
    kLinesList = 1,
    kLinesAccount = 2,  // the account chooser of the selected line
    kLinesRecord = 3,
    kLinesClose = 4,
};
// Where the list is, its page, and the width of a line.
constexpr int kLinesListX = 8;
constexpr int kLinesListY = 28;
constexpr int kLinesPage = 10;
constexpr int kLinesLineWidth = 446;

// "Import Statement...": a file chooser for OFX, QFX, QIF and CSV statements; the statement read
// (a refusal is told by the reader and changes nothing) opens the balance window with the
// matched records ticked, the statement field holding the file's closing balance when it gives
// one of 0 or more, and the Statement Lines window listing what matched nothing (closed when
// every line matched).
void HandleImportStatement();

// The open Statement Lines window and a part of it by id, or null; the count of lines it lists.
QWidget* StatementLinesWindow();
QWidget* StatementLinesControl(int id);
size_t StatementLinesCount();
// Closes the window; nothing is recorded.
void CloseStatementLinesWindow();

// A page of the list from line pageStart: date, payee, amount, what the line would record and
// the account chosen for it, the selected line inverted.
void PaintStatementLines(DrawContext& dc, int pageStart);
// A left press in the list showing the page from pageStart selects the line under it; the
// account chooser shows the line's account.
void HandleStatementLinesMouse(int pageStart, POINT thePoint);
// Record: the selected line is recorded into its account and ticked in the balance window, and
// leaves the list (the window closes with the last one); a refusal leaves it listed.
void RecordSelectedStatementLine();
