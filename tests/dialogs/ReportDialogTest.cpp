// Print Report...: the report chosen in "Reports" is printed, into a PDF file where there is no
// printer; a page that cannot be started ends the drawing.
#include "support/PdfText.h"
#include "support/WindowFixture.h"

#include "printing/Printer.h"
#include "printing/ReportPrint.h"
#include "shell/Commands.h"

#include <QTemporaryDir>

#include <string>

namespace {

class ReportDialogTest : public ProgramFixture {
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        previousFinder = ReplacePrinterFinder([] { return QPrinterInfo(); });  // no printer
    }
    void TearDown() override
    {
        ReplacePrinterFinder(previousFinder);
        ProgramFixture::TearDown();
    }

    PrinterFinder previousFinder = nullptr;
    DialogScripts dialogs;
};

TEST_F(ReportDialogTest, TheChosenReportIsPrintedAndCancelPrintsNothing)
{
    QTemporaryDir folder;
    // The radio button clicked (0: Cancel) and the heading only its report has.
    for (const auto& [radio, heading] : {std::pair{1240, "This Year"}, {1241, "Investment Name"}, {0, ""}, {1242, "Monthly"}}) {
        SCOPED_TRACE(radio);
        const std::string pdf = folder.filePath(QString::number(radio) + ".pdf").toStdString();
        windows.SavePaths = {pdf};
        windows.Choices.clear();
        dialogs.Scripts.push_back([&](ScriptedDialog& d) {
            EXPECT_EQ(d.Title(), "Reports");
            EXPECT_TRUE(d.Checked(1242) && !d.Checked(1240) && !d.Checked(1241));
            if (radio)
                d.Click(radio);
            d.Click(radio ? IDOK : IDCANCEL);
        });
        HandleMenu(kCmdPrintReport, false);
        EXPECT_EQ(windows.Choices.size(), radio ? 1u : 0u);
        const std::vector<std::string> pages = PdfPages(pdf);
        ASSERT_EQ(pages.size(), radio ? 1u : 0u);
        for (const char* any : {"This Year", "Investment Name", "Monthly"})
            EXPECT_EQ(radio && pages[0].find(any) != std::string::npos, any == std::string(heading)) << any;
    }
    EXPECT_TRUE(windows.Messages.empty()) << windows.AllMessages();
}

TEST_F(ReportDialogTest, APageThatCannotBeStartedEndsTheDrawing)
{
    for (int Mi = 1; Mi <= 12; ++Mi)
        AddTestAccount(Mi, 0, ("Account " + std::to_string(Mi)).c_str());
    const Report report = ComposeReport(ReportKind::BudgetStatistics, 10);  // lines 5 to 9 a page
    ASSERT_EQ(report.Pages.size(), 3u);
    int newPages = 0;
    Drawn drawn;
    Render(QSize(800, 400), drawn, [&](DrawContext& dc) {
        EXPECT_FALSE(DrawReport(report, dc, MeasureReportGrid(dc), [&] { return ++newPages, false; }));
    });
    EXPECT_EQ(newPages, 1);
    EXPECT_EQ(drawn.size(), report.Pages[0].size());
}

// Ten grid columns hold the widest amount of ten characters, so amounts of neighbouring columns
// never touch, in a proportional font as in a fixed one.
TEST_F(ReportDialogTest, TenColumnsHoldAnAmountOfTenCharacters)
{
    for (const char* family : {"DejaVu Sans", "DejaVu Sans Mono"}) {
        Drawn drawn;
        Render(QSize(200, 100), drawn, [&](DrawContext& dc) {
            dc.SetFont(QFont(family, 10));
            EXPECT_GT(10 * MeasureReportGrid(dc).XChar, dc.TextWidth("$88,888.88")) << family;
        });
    }
}

}  // namespace
