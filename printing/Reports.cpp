// The three reports laid out as pages of positioned text from the open budget: account lines in
// grid order, headings on every page, and the page breaks.
#include "printing/Reports.h"

#include "investments/Invest.h"
#include "ledger/Budget.h"
#include "model/Dates.h"
#include "model/Globals.h"
#include "model/Money.h"
#include "stats/Stats.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string_view>
#include <utility>

namespace {

constexpr ReportAlign L = ReportAlign::Left;
constexpr ReportAlign R = ReportAlign::Right;

// Fills the pages of a report line by line, beginning a new page before a line that would end
// past the printable height.
class PageWriter {
public:
    PageWriter(Report& report, int pageLines, int firstLine, std::function<void(PageWriter&)> headings)
        : report(report), pageLines(pageLines), firstLine(firstLine), headings(std::move(headings))
    {
        NewPage();
    }

    // Makes sure the next `count` lines fit on this page, beginning the next page when they do
    // not and this page already holds some. Returns true when it began one.
    bool Reserve(int count)
    {
        if (line + count <= pageLines || line <= firstLine)
            return false;
        NewPage();
        return true;
    }

    void Put(int column, ReportAlign align, std::string text) { PutAt(line, column, align, std::move(text)); }
    void PutAt(int at, int column, ReportAlign align, std::string text)
    {
        report.Pages.back().push_back({at, column, align, std::move(text)});
    }
    void Advance() { ++line; }
    int Line() const { return line; }

private:
    void NewPage()
    {
        report.Pages.emplace_back();
        headings(*this);
        line = firstLine;
    }

    Report& report;
    int pageLines;
    int firstLine;
    std::function<void(PageWriter&)> headings;
    int line = 0;
};

std::string Money(int64_t amount)
{
    char text[kAmountTextSize];
    I2SWide(amount, text, 0);
    return text;
}

std::string Percent(int64_t percent)
{
    return std::to_string(percent) + "%";
}

// The budget statistics and income reports list every valid slot that is not a savings account;
// "Available" is one, the Checkbook is not (it is never Valid).
bool Listed(int Mi, int Si)
{
    const ARecord& slot = Accounts[Mi][Si];
    return slot.Valid && !slot.SavingsFlag;
}

int ListedSubAccounts(int Mi)
{
    int count = 0;
    for (int Si = 1; Si < kSlots; ++Si)
        count += Listed(Mi, Si) ? 1 : 0;
    return count;
}

// Walks the listed slots in grid order. Before slot 0 of a main account with listed sub accounts
// `category` is called with the number of lines the whole main account takes; `account` is told
// whether its main account is headed by such a category line (its lines are then indented).
void WalkListedSlots(const std::function<void(int Mi, int blockLines)>& category,
                     const std::function<void(int Mi, int Si, bool underCategory)>& account)
{
    for (int Mi = 0; Mi < kMainAccounts; ++Mi) {
        bool underCategory = false;
        for (int Si = 0; Si < kSlots; ++Si) {
            if (!Listed(Mi, Si))
                continue;
            const int subs = Si == 0 ? ListedSubAccounts(Mi) : 0;
            if (subs > 0) {
                category(Mi, subs + 2);
                underCategory = true;
            }
            account(Mi, Si, underCategory);
        }
    }
}

void ComposeBudgetStatistics(Report& report, int pageLines)
{
    PageWriter page(report, pageLines, 5, [](PageWriter& w) {
        w.PutAt(1, 29, L, "This Year");
        w.PutAt(1, 59, L, "Last Year");
        w.PutAt(3, 1, L, "Account Name");
        w.PutAt(3, 25, R, "Expenses");
        w.PutAt(3, 35, R, "Deposits");
        w.PutAt(3, 43, R, "Percent");
        w.PutAt(3, 55, R, "Expenses");
        w.PutAt(3, 65, R, "Deposits");
        w.PutAt(3, 73, R, "Percent");
    });
    WalkListedSlots(
        [&](int Mi, int blockLines) {
            page.Reserve(blockLines);
            page.Put(2, L, RecordText(Accounts[Mi][0].SubName));
            page.Advance();
        },
        [&](int Mi, int Si, bool underCategory) {
            page.Reserve(1);
            DisplayStatData(Mi, Si);
            page.Put(underCategory ? 4 : 2, L, RecordText(Accounts[Mi][Si].Name));
            page.Put(25, R, Money(gTYET));
            page.Put(35, R, Money(gTYDT));
            page.Put(43, R, Percent(gTYPT));
            page.Put(55, R, Money(gLYET));
            page.Put(65, R, Money(gLYDT));
            page.Put(73, R, Percent(gLYPT));
            page.Advance();
        });
}

void ComposeIncomeDistribution(Report& report, int pageLines)
{
    PageWriter page(report, pageLines - 2, 5, [](PageWriter& w) {
        w.PutAt(3, 5, L, "Account Name");
        w.PutAt(3, 40, R, "Monthly");
        w.PutAt(3, 55, R, "Percent");
    });
    WalkListedSlots(
        [&](int Mi, int blockLines) {
            page.Reserve(blockLines);
            int16_t percent = 0;
            int32_t amount = 0;
            TotalSubMonthly(Mi, &percent, &amount);
            page.Put(5, L, RecordText(Accounts[Mi][0].SubName));
            page.Put(40, R, Money(amount));
            page.Put(55, R, Percent(percent));
            page.Advance();
        },
        [&](int Mi, int Si, bool underCategory) {
            page.Reserve(1);
            int16_t percent = 0;
            int32_t amount = 0;
            TotalMonthly(Mi, Si, &percent, &amount);
            page.Put(underCategory ? 7 : 5, L, RecordText(Accounts[Mi][Si].Name));
            page.Put(40, R, Money(amount));
            page.Put(55, R, Percent(percent));
            page.Advance();
        });
}

void ComposeInvestments(Report& report, int pageLines)
{
    PageWriter page(report, pageLines, 3, [](PageWriter& w) {
        w.PutAt(1, 1, L, "Investment Name");
        w.PutAt(1, 20, R, "Shares");
        w.PutAt(1, 30, R, "PPS");
        w.PutAt(1, 43, R, "Cost Basis");
        w.PutAt(1, 56, R, "Market Value");
        w.PutAt(1, 66, R, "Date");
    });
    int64_t totalCost = 0;
    int64_t totalValue = 0;
    for (int Ii = 1; Ii < kInvestments; ++Ii) {
        if (!ValidInvestAccount(Ii))
            continue;
        const IRecord& account = Invest[Ii];
        page.Reserve(1);
        char text[kAmountTextSize];
        page.Put(1, L, RecordText(account.Name));
        Display3Digits(account.NumberOfShares, text, 1);
        page.Put(20, R, text);
        Display3Digits(account.CostPerShare, text, 0);
        page.Put(30, R, text);
        page.Put(43, R, Money(account.AmountPaid));
        const int64_t value = MarketValue(account.NumberOfShares, account.CostPerShare);
        page.Put(56, R, Money(value));
        char date[kDatimeSize + 1] = {};
        ConvertDateFormat(RecordText(account.Datime).c_str(), date);
        page.Put(66, R, date);
        page.Advance();
        totalCost += account.AmountPaid;
        totalValue += value;
    }
    page.Advance();  // a blank line before the totals
    page.Reserve(1);
    page.Put(30, R, "Totals");
    page.Put(43, R, Money(totalCost));
    page.Put(56, R, Money(totalValue));
}

}  // namespace

const char* ReportDocumentName(ReportKind kind)
{
    return kind == ReportKind::Investments ? "Budget: Investment Report Printing" : "Budget: Report Printing";
}

Report ComposeReport(ReportKind kind, int pageLines)
{
    Report report;
    report.DocumentName = ReportDocumentName(kind);
    switch (kind) {
    case ReportKind::BudgetStatistics:
        ComposeBudgetStatistics(report, pageLines);
        break;
    case ReportKind::Investments:
        ComposeInvestments(report, pageLines);
        break;
    case ReportKind::IncomeDistribution:
        ComposeIncomeDistribution(report, pageLines);
        break;
    }
    return report;
}

std::vector<std::string> ReportPageLines(const ReportPage& page)
{
    std::vector<std::string> lines;
    for (const ReportText& text : page) {
        if (text.Line < 0)
            continue;
        if (static_cast<size_t>(text.Line) >= lines.size())
            lines.resize(text.Line + 1);
        std::string& line = lines[text.Line];
        const int length = static_cast<int>(text.Text.size());
        int start = text.Align == ReportAlign::Left ? text.Column : text.Column - length;
        std::string_view shown = text.Text;
        if (start < 0) {  // a right-aligned text wider than its column loses its start
            shown.remove_prefix(std::min<size_t>(-start, shown.size()));
            start = 0;
        }
        if (line.size() < start + shown.size())
            line.resize(start + shown.size(), ' ');
        line.replace(start, shown.size(), shown);
    }
    for (std::string& line : lines)
        line.erase(line.find_last_not_of(' ') + 1);
    return lines;
}
