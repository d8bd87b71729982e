// Printing the three reports: their composed pages drawn on the grid of the print font's average
// character width and line height, on the printer or into a PDF file.
#pragma once

#include "printing/Printer.h"
#include "printing/Reports.h"

#include <functional>

class DrawContext;

// The report grid of the font set in dc: the average character width, and the line height (the
// font's height and external leading, plus 2 pixels).
struct ReportGrid {
    int XChar = 1;
    int YChar = 1;
};
ReportGrid MeasureReportGrid(DrawContext& dc);

// Draws the pages of a report, calling newPage before each page after the first. Stops at once
// when newPage fails, drawing nothing more, and returns false; true when every page was drawn.
bool DrawReport(const Report& report, DrawContext& dc, const ReportGrid& grid, const std::function<bool()>& newPage);

// Prints a report of the open budget as one job: on the printer or, where there is none (or for
// PdfOnly always), into the PDF file the host's "Save as PDF" chooser returns. A failure is told
// with its message and ends the job, throwing away what was printed. 1 when printed; 0 when not,
// also when no PDF file was chosen.
int PrintReport(ReportKind kind, PrintTarget target);
