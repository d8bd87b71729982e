// The check's fields drawn: in the print window's data area, and on the printed page.
#pragma once

#include "printing/Printer.h"

class DrawContext;

// Draws the texts of the placed fields (PItems by gBudget.PrintField). On the screen (flag 1)
// each text is cut to its box and the box framed; on a page (flag 0) each text is cut to the
// box's width and drawn at its left-top corner, both scaled by sx and sy device pixels a unit,
// without frames.
void PrintWindowData(DrawContext& dc, int flag, int sx = 1, int sy = 1);

// Prints the check whose texts are in PItems on one page of a new job: the printer or a PDF
// file per `target`. Tells the user of a failure; 1 when printed, 0 when not (also when the
// user chose no PDF file).
int PrintCheckPage(PrintTarget target);
