// The reports on paper: each composed page drawn text by text at its grid position.
#include "printing/ReportPrint.h"

#include "model/Messages.h"
#include "platform/DrawContext.h"

#include <algorithm>

ReportGrid MeasureReportGrid(DrawContext& dc)
{
    // A column is counted in characters; with a proportional font digits are wider than the
    // average character, so the grid takes the wider of the two and amounts of adjacent columns
    // never run into each other.
    const QFontMetrics metrics = dc.Painter().fontMetrics();
    const int xChar = std::max(metrics.averageCharWidth(), metrics.horizontalAdvance(QLatin1Char('0')));
    return {std::max(1, xChar), std::max(1, metrics.height() + std::max(0, metrics.leading()) + 2)};
}

bool DrawReport(const Report& report, DrawContext& dc, const ReportGrid& grid, const std::function<bool()>& newPage)
{
    for (size_t p = 0; p < report.Pages.size(); ++p) {
        if (p > 0 && !newPage())
            return false;
        for (const ReportText& text : report.Pages[p]) {
            int x = text.Column * grid.XChar;
            if (text.Align == ReportAlign::Right)
                x -= dc.TextWidth(text.Text);
            dc.TextOut(x, text.Line * grid.YChar, text.Text);
        }
    }
    return true;
}

int PrintReport(ReportKind kind, PrintTarget target)
{
    PrintJob job;
    if (!job.Begin(target, ReportDocumentName(kind)))
        return 0;
    DrawContext& dc = job.Context();
    dc.SetFont(job.PrintFont());
    const ReportGrid grid = MeasureReportGrid(dc);
    const Report report = ComposeReport(kind, job.PageHeight() / grid.YChar);
    // A page that cannot be started ends the job (NewPage throws it away): the lines meant for
    // it and the pages after would otherwise be drawn on nothing.
    if (!DrawReport(report, dc, grid, [&] { return job.NewPage(); })) {
        HandlePrintError(0, "Unable to start page 2");
        return 0;
    }
    if (!job.EndDoc()) {
        HandlePrintError(0, "Unable to end page");
        return 0;
    }
    return 1;
}
