// The printer layer: one print job, page by page, on the default printer (else the first one) or,
// where the machine has no printer, into a PDF file the user chooses ("Save as PDF").
//
// How to use it (check printing does it this way, and so can any printed report):
//
//   PrintJob job;
//   if (!job.Begin(PrintTarget::PrinterOrPdf, "Budget: Check Printing"))  // the command line: Pdf
//       return 0;                     // no PDF chosen, or the failure was told
//   DrawContext& dc = job.Context();  // draws on the current page in device pixels, (0, 0) being the
//                                     // top-left corner of the printable area
//   dc.SetFont(job.PrintFont());      // the budget's print font, else Arial at 10 points
//   job.PageWidth(), job.PageHeight() // the printable area in pixels; job.DpiX(), job.DpiY()
//   job.Metrics()                     // the metrics of the font set (average width, height, leading)
//   dc.TextOut(x, y, text); dc.TextWidth(text); dc.Line(...);  // texts stay real text in a PDF
//   if (!job.NewPage()) { ...message...; return 0; }   // each further page
//   if (!job.EndDoc()) { ...message...; return 0; }    // ends the last page and the document
//
// Every failure aborts the job at once: what was printed is thrown away (a partial PDF file is
// removed) and the printer released; later calls then do nothing and return false. A job that
// goes out of scope with its document open is aborted the same way, so returning early is safe.
#pragma once

#include "platform/DrawContext.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <memory>
#include <optional>
#include <string>

// Where a job prints: the printer, or a PDF file where there is none (the desktop program); or
// always a PDF file (the command line, which names it).
enum class PrintTarget { PrinterOrPdf, Pdf };

enum class PrintOpen { Ready, Cancelled, Failed };

class PrintJob {
public:
    PrintJob();
    ~PrintJob();
    PrintJob(const PrintJob&) = delete;
    PrintJob& operator=(const PrintJob&) = delete;

    // Finds the printer, or asks the host's save chooser for a PDF file.
    PrintOpen Open(PrintTarget target);
    // Starts the document, named as the print queue shows it, and its first page.
    bool StartDoc(const std::string& name);
    // Open and StartDoc, telling a failure ("Unable to get PrintDC", "Unable to start doc"); false
    // also when no PDF file was chosen, without a message.
    bool Begin(PrintTarget target, const std::string& name);
    // Ends the page and starts the next.
    bool NewPage();
    // Ends the last page and the document.
    bool EndDoc();
    // Throws the job away and releases the printer.
    void Abort();

    bool Active() const { return painter.isActive(); }
    // The PDF file printed into, or empty on a printer.
    const std::string& PdfPath() const { return pdfPath; }

    int PageWidth() const;
    int PageHeight() const;
    int DpiX() const;
    int DpiY() const;
    // The font of printed checks and reports: the budget's print font at its size in tenths of a
    // point when one was chosen, else Arial at 10 points; at the printer's resolution.
    QFont PrintFont() const;
    QFontMetrics Metrics() const { return painter.fontMetrics(); }
    DrawContext& Context() { return *context; }

private:
    std::unique_ptr<QPrinter> printer;
    QPainter painter;
    std::unique_ptr<DrawContext> context;
    std::string pdfPath;
    bool begun = false;  // the document was started: a PDF file is this job's to remove
};

// The printer jobs print on: the default printer, else the first one; a null QPrinterInfo when
// the machine has none. Tests replace the lookup so that they never reach a real printer.
QPrinterInfo FindPrinter();
using PrinterFinder = QPrinterInfo (*)();
PrinterFinder ReplacePrinterFinder(PrinterFinder finder);
