// The three printed reports (budget statistics, investments, income distribution) composed as
// pages of text placed on a grid of average character widths and line heights, ready for any
// device that can measure its font: the printer, a PDF page, or plain text.
#pragma once

#include <string>
#include <vector>

enum class ReportKind { BudgetStatistics, Investments, IncomeDistribution };

enum class ReportAlign { Left, Right };

// One text of a page. Line n is drawn at n line heights from the top of the printable area;
// Column counts average character widths from its left edge: where a Left text starts, where a
// Right text ends.
struct ReportText {
    int Line = 0;
    int Column = 0;
    ReportAlign Align = ReportAlign::Left;
    std::string Text;  // budget text, one byte per character

    bool operator==(const ReportText&) const = default;
};

using ReportPage = std::vector<ReportText>;

struct Report {
    std::string DocumentName;  // the print job's name
    std::vector<ReportPage> Pages;
};

// The print job's name of a report.
const char* ReportDocumentName(ReportKind kind);

// Composes a report of the open budget for a page on which `pageLines` lines fit, the printable
// height divided by the line height. A line is placed only where it ends within the printable
// height: a page takes lines up to pageLines - 1 (the income report two fewer, leaving room at
// its foot), and a main account's category line, its own line and its sub accounts go on one page
// together whenever a page can hold them. Each page starts with the report's headings. Every
// page holds at least one account line, however few lines fit.
Report ComposeReport(ReportKind kind, int pageLines);

// A page as plain text: one string per line from line 0, the texts put at their columns as if
// every character were one average width wide (a later text overwrites an earlier one). Trailing
// blanks are dropped.
std::vector<std::string> ReportPageLines(const ReportPage& page);
