// Print Report...: the report chosen in "Reports" is printed, into a PDF file where there is no
// printer; a page that cannot be started ends the drawing.
#include "support/PdfText.h"
#include "support/WindowFixture.h"

#include "printing/Printer.h"
#include "printing/ReportPrint.h"
#include "shell/Commands.h"

#include <QTemporaryDir>

#include <string>
#include <vector>

namespace {

class ReportDialogTest : public ProgramFixture {
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        previousFinder = ReplacePrinterFinder([] { return QPrinterInfo(); });
    }
    void TearDown() override
    {
        ReplacePrinterFinder(previousFinder);
        ProgramFixture::TearDown();
    }

    PrinterFinder previousFinder = nullptr;
    DialogScripts dialogs;
    QTemporaryDir folder;
};

TEST_F(ReportDialogTest, TheChosenReportIsPrintedAndCancelPrintsNothing)
{
    AddTestAccount(1, 0, "Rent");
    struct Row {
        int radio;  // 0: Cancel
        const char* heading;
        const char* document;
    };
    for (const Row& row : {Row{1240, "This Year", "Budget: Report Printing"},
                           Row{1241, "Investment Name", "Budget: Investment Report Printing"},
                           Row{0, nullptr, nullptr},
                           Row{1242, "Monthly", "Budget: Report Printing"}}) {
        SCOPED_TRACE(row.radio);
        const std::string pdf = folder.filePath(QString::number(row.radio) + ".pdf").toStdString();
        windows.SavePaths.push_back(pdf);
        dialogs.Scripts.push_back([&](ScriptedDialog& d) {
            EXPECT_EQ(d.Title(), "Reports");
            EXPECT_TRUE(d.Checked(1242) && !d.Checked(1240) && !d.Checked(1241));
            if (!row.radio) {
                d.Click(IDCANCEL);
                return;
            }
            d.Click(row.radio);
            EXPECT_TRUE(d.Checked(row.radio));
            d.Click(IDOK);
        });
        windows.Choices.clear();
        HandleMenu(kCmdPrintReport, false);
        if (!row.radio) {
            EXPECT_TRUE(windows.Choices.empty());
            windows.SavePaths.clear();
            continue;
        }
        ASSERT_EQ(windows.Choices.size(), 1u);
        EXPECT_EQ(windows.Choices[0].Title, "Save as PDF");
        const std::vector<std::string> pages = PdfPages(pdf);
        ASSERT_EQ(pages.size(), 1u);
        EXPECT_NE(pages[0].find(row.heading), std::string::npos) << pages[0];
        for (const char* other : {"This Year", "Investment Name", "Monthly"})
            EXPECT_EQ(pages[0].find(other) != std::string::npos, std::string(other) == row.heading) << other;
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
    EXPECT_EQ(drawn.back().Text, report.Pages[0].back().Text);
}

}  // namespace
