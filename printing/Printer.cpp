// Print jobs on a printer or into a PDF file, over QPrinter and QPainter.
#include "printing/Printer.h"

#include "model/Globals.h"
#include "model/Host.h"
#include "model/Messages.h"

#include <QFile>

#include <algorithm>

namespace {

QPrinterInfo SystemPrinter()
{
    const QPrinterInfo preferred = QPrinterInfo::defaultPrinter();
    if (!preferred.isNull())
        return preferred;
    const QList<QPrinterInfo> printers = QPrinterInfo::availablePrinters();
    return printers.isEmpty() ? QPrinterInfo() : printers.front();
}

PrinterFinder& InstalledFinder()
{
    static PrinterFinder finder = SystemPrinter;
    return finder;
}

FileChoice PdfChoice()
{
    FileChoice choice;
    choice.Title = "Save as PDF";
    choice.Filters = {{"PDF Files (*.pdf)", "*.pdf"}};
    choice.DefaultExtension = "pdf";
    choice.PromptOverwrite = true;
    return choice;
}

}  // namespace

QPrinterInfo FindPrinter()
{
    return InstalledFinder()();
}

PrinterFinder ReplacePrinterFinder(PrinterFinder finder)
{
    const PrinterFinder previous = InstalledFinder();
    InstalledFinder() = finder ? finder : SystemPrinter;
    return previous;
}

PrintJob::PrintJob() = default;

PrintJob::~PrintJob()
{
    if (painter.isActive())
        Abort();
}

PrintOpen PrintJob::Open(PrintTarget target)
{
    if (target == PrintTarget::PrinterOrPdf) {
        const QPrinterInfo info = FindPrinter();
        if (!info.isNull()) {
            printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
            return printer->isValid() ? PrintOpen::Ready : PrintOpen::Failed;
        }
    }
    std::string path;
    if (!GetHost().ChooseSaveFile(PdfChoice(), path))
        return PrintOpen::Cancelled;
    printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(QFile::decodeName(path.c_str()));
    pdfPath = path;
    return PrintOpen::Ready;
}

bool PrintJob::Begin(PrintTarget target, const std::string& name)
{
    switch (Open(target)) {
    case PrintOpen::Cancelled:
        return false;
    case PrintOpen::Failed:
        HandlePrintError(0, "Unable to get PrintDC");
        return false;
    case PrintOpen::Ready:
        break;
    }
    if (!StartDoc(name)) {
        HandlePrintError(0, "Unable to start doc");
        return false;
    }
    return true;
}

bool PrintJob::StartDoc(const std::string& name)
{
    if (!printer)
        return false;
    printer->setDocName(FromBudgetText(name));
    printer->setCreator(QStringLiteral("Budget"));
    if (!painter.begin(printer.get())) {
        Abort();
        return false;
    }
    begun = true;
    context = std::make_unique<DrawContext>(painter);
    context->SetTransparent(true);
    return true;
}

bool PrintJob::NewPage()
{
    if (!painter.isActive())
        return false;
    if (!printer->newPage()) {
        Abort();
        return false;
    }
    return true;
}

bool PrintJob::EndDoc()
{
    if (!painter.isActive())
        return false;
    context.reset();
    if (!painter.end() || printer->printerState() == QPrinter::Error) {
        Abort();
        return false;
    }
    printer.reset();  // released
    begun = false;
    return true;
}

void PrintJob::Abort()
{
    context.reset();
    if (painter.isActive()) {
        printer->abort();
        painter.end();
    }
    printer.reset();
    // Only a file this job wrote into: a PDF that could not even be opened is left as it was.
    if (begun && !pdfPath.empty())
        QFile::remove(QFile::decodeName(pdfPath.c_str()));
    begun = false;
}

int PrintJob::PageWidth() const
{
    return printer ? static_cast<int>(printer->pageRect(QPrinter::DevicePixel).width()) : 0;
}

int PrintJob::PageHeight() const
{
    return printer ? static_cast<int>(printer->pageRect(QPrinter::DevicePixel).height()) : 0;
}

int PrintJob::DpiX() const
{
    return printer ? printer->logicalDpiX() : 0;
}

int PrintJob::DpiY() const
{
    return printer ? printer->logicalDpiY() : 0;
}

QFont PrintJob::PrintFont() const
{
    if (!printer)
        return QFont();
    if (!gBudget.PFontSet)
        return EzCreateFont(*printer, "Arial", 100, 0, 0);
    QFont font = FontFromLogFont(gBudget.PrintFont);
    font.setPixelSize(std::max(1, DpiY() * gBudget.PrintFontSize / 720));
    return font;
}
