// The check's fields on the screen and on paper.
#include "printing/CheckPage.h"

#include "model/Globals.h"
#include "model/Messages.h"
#include "platform/DrawContext.h"
#include "printing/CheckPrint.h"

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);

}  // namespace

void PrintWindowData(DrawContext& dc, int flag, int sx, int sy)
{
    dc.SetTransparent(true);
    dc.SetTextColor(kBlack);
    for (int field = 0; field < kPrintFields; ++field) {
        if (!BoxPlaced(field))
            continue;
        const RECT& box = gBudget.PrintField[field];
        const std::string text = PItems[field].PrintString;
        if (flag) {
            dc.TextOut(box.left, box.top, SetMaxText(dc, text, box.right - box.left));
            dc.FrameRect(box.left, box.top, box.right, box.bottom, kBlack);
        } else {
            const std::string fitted = SetMaxText(dc, text, box.right * sx - box.left * sx);
            if (!fitted.empty())
                dc.TextOut(box.left * sx, box.top * sy, fitted);
        }
    }
}

int PrintCheckPage(PrintTarget target)
{
    PrintJob job;
    if (!job.Begin(target, "Budget: Check Printing"))
        return 0;
    DrawContext& dc = job.Context();
    dc.SetFont(job.PrintFont());
    int sx = 1, sy = 1;
    CheckScale(job.PageWidth(), job.PageHeight(), &sx, &sy);
    PrintWindowData(dc, 0, sx, sy);
    if (!job.EndDoc()) {
        HandlePrintError(0, "Unable to end page");
        return 0;
    }
    return 1;
}
