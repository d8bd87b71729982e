// Import Statement: reading the statement into the balance window, and the Statement Lines
// window of the lines that matched nothing, with their accounts and their recording.
#include "shell/StatementWindow.h"

#include "model/Dates.h"
#include "model/Globals.h"
#include "model/Host.h"
#include "model/Money.h"
#include "model/Selection.h"
#include "platform/DrawContext.h"
#include "platform/ListLines.h"
#include "platform/Mouse.h"
#include "platform/Pictures.h"
#include "platform/PlainWindow.h"
#include "shell/BalanceWindow.h"
#include "shell/Windows.h"
#include "statements/LineRecording.h"
#include "statements/Match.h"
#include "statements/Statement.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
const QColor kWindowGrey(192, 192, 192);

// Columns of a line, from its left edge.
constexpr int kDateX = 2;
constexpr int kPayeeX = 66;
constexpr int kPayeeWidth = 140;
constexpr int kAmountRight = 276;
constexpr int kAmountWidth = 66;
constexpr int kKindX = 284;
constexpr int kAccountX = 344;

const std::vector<FileFilter> kStatementFilters = {
    {"Bank Statements (*.ofx *.qfx *.qif *.csv)", "*.ofx *.qfx *.qif *.csv"},
    {"OFX Files (*.ofx *.qfx)", "*.ofx *.qfx"},
    {"QIF Files (*.qif)", "*.qif"},
    {"CSV Files (*.csv)", "*.csv"},
};

// A line waiting to be recorded, with the account chosen for it (Mi -1: none).
struct WaitingLine {
    StatementLine Line;
    LineKind Kind = LineKind::Debit;
    int Mi = -1;
    int Si = -1;
};

struct LinesParts {
    QPointer<PlainWindow> Window;
    QPointer<ListPane> List;
    QPointer<QComboBox> Account;
    std::vector<WaitingLine> Lines;
    size_t Selected = 0;
};

LinesParts& Parts()
{
    static LinesParts parts;
    return parts;
}

std::string DisplayDate(const std::string& stored)
{
    char date[kDatimeSize + 1] = {};
    std::strncpy(date, stored.c_str(), 8);
    char display[kDatimeSize + 1] = {};
    ConvertDateFormat(date, display);
    display[8] = 0;
    return display;
}

const char* KindText(LineKind kind)
{
    switch (kind) {
    case LineKind::ATM:
        return "ATM";
    case LineKind::Deposit:
        return "Deposit";
    case LineKind::Debit:
        break;
    }
    return "Debit";
}

// "Car" for a main account, "Car/Gas" for a sub account.
std::string AccountName(int Mi, int Si)
{
    std::string name = RecordText(Accounts[Mi][0].Name);
    if (Si > 0)
        name += "/" + RecordText(Accounts[Mi][Si].Name);
    return name;
}

// The chooser offers no account first, then every account lines may be recorded into, showing
// the selected line's account.
void FillAccountChooser()
{
    LinesParts& parts = Parts();
    if (!parts.Account)
        return;
    const QSignalBlocker quiet(parts.Account);
    parts.Account->clear();
    parts.Account->addItem(QString(), -1);
    for (int Mi = 0; Mi < kMainAccounts; ++Mi)
        for (int Si = 0; Si < kSlots; ++Si)
            if (TakesStatementLines(Mi, Si))
                parts.Account->addItem(FromBudgetText(AccountName(Mi, Si)), Mi * kSlots + Si);
    int shown = 0;
    if (parts.Selected < parts.Lines.size()) {
        const WaitingLine& w = parts.Lines[parts.Selected];
        if (w.Mi >= 0)
            shown = std::max(0, parts.Account->findData(w.Mi * kSlots + w.Si));
    }
    parts.Account->setCurrentIndex(shown);
    parts.Account->setEnabled(!parts.Lines.empty());
}

// The chooser changed: the selected line takes its account.
void ChooseAccount()
{
    LinesParts& parts = Parts();
    if (!parts.Account || parts.Selected >= parts.Lines.size())
        return;
    const int slot = parts.Account->currentData().toInt();
    WaitingLine& w = parts.Lines[parts.Selected];
    w.Mi = slot < 0 ? -1 : slot / kSlots;
    w.Si = slot < 0 ? -1 : slot % kSlots;
    parts.List->update();
}

void ShowLines()
{
    LinesParts& parts = Parts();
    parts.List->SetLines(static_cast<int>(parts.Lines.size()), kLinesPage);
    parts.List->update();
    FillAccountChooser();
}

// Painting of the window, and its closing; the window goes when the balance window is
// hidden.
class LinesEvents : public QObject {
public:
    LinesEvents(QWidget* window, QWidget* balance) : QObject(window), window(window), balance(balance)
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == balance) {
            if (event->type() == QEvent::Hide)
                CloseStatementLinesWindow();
            return false;
        }
        if (watched == window) {
            switch (event->type()) {
            case QEvent::Paint: {
                QPainter painter(window);
                DrawContext dc(painter);
                dc.SetTransparent(true);
                dc.SetTextColor(kBlack);
                dc.TextOut(kLinesListX, 8, "Statement lines that match no outstanding record");
                dc.TextOut(kLinesListX, kLinesListY + kLinesPage * gCYChar + 12, "Account");
                dc.FrameRect(kLinesListX - 1, kLinesListY - 1, kLinesListX + kLinesWidth - 2 * kLinesListX + 1,
                             kLinesListY + kLinesPage * gCYChar + 1, kBlack);
                return true;
            }
            case QEvent::WindowActivate:
                FillAccountChooser();  // accounts may have been made or deleted meanwhile
                return false;
            case QEvent::Close:
                CloseStatementLinesWindow();
                return false;
            default:
                return false;
            }
        }
        return false;
    }

private:
    QWidget* const window;
    QWidget* const balance;
};

QPushButton* MakeButton(QWidget* parent, int id, const char* text, int x, int y)
{
    auto* button = new QPushButton(text, parent);
    SetControlId(button, id);
    button->setGeometry(x, y, 80, gCYChar * 3 / 2);
    return button;
}

void OpenLinesWindow(std::vector<WaitingLine> lines)
{
    CloseStatementLinesWindow();
    if (lines.empty())
        return;
    LinesParts& parts = Parts();
    QWidget* balance = BalanceWindowWidget();
    const int rowY = kLinesListY + kLinesPage * gCYChar + 8;
    const int height = std::max(kLinesHeight, rowY + gCYChar * 3 / 2 + 10);
    auto* window = new PlainWindow("Statement Lines", kLinesWidth, height, kWindowGrey, balance);
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    window->setWindowIcon(ProgramIcon());
    if (balance)
        window->move(balance->frameGeometry().right() + 8, balance->y());
    parts.Window = window;
    parts.Lines = std::move(lines);
    parts.Selected = 0;

    parts.List = new ListPane(window, kLinesListX, kLinesListY, kLinesWidth - 2 * kLinesListX, kLinesPage * gCYChar,
                              kLinesPage);
    SetControlId(parts.List, kLinesList);
    parts.Account = new QComboBox(window);
    SetControlId(parts.Account, kLinesAccount);
    parts.Account->setGeometry(70, rowY, 210, gCYChar * 3 / 2);
    QPushButton* record = MakeButton(window, kLinesRecord, "Record", 296, rowY);
    QPushButton* close = MakeButton(window, kLinesClose, "Close", kLinesWidth - kLinesListX - 80, rowY);
    record->setDefault(true);

    auto* events = new LinesEvents(window, balance);
    window->installEventFilter(events);
    if (balance)
        balance->installEventFilter(events);
    parts.List->HandleSimpleList(PaintStatementLines, HandleStatementLinesMouse);
    QObject::connect(parts.Account, &QComboBox::currentIndexChanged, window, [] { ChooseAccount(); });
    QObject::connect(record, &QPushButton::clicked, window, [] { RecordSelectedStatementLine(); });
    QObject::connect(close, &QPushButton::clicked, window, [] { CloseStatementLinesWindow(); });
    QObject::connect(new QShortcut(Qt::Key_Escape, window), &QShortcut::activated, window,
                     [] { CloseStatementLinesWindow(); });
    ShowLines();
    ShowInFront(window);
}

}  // namespace

void HandleImportStatement()
{
    FileChoice choice;
    choice.Filters = kStatementFilters;
    std::string path;
    if (!GetHost().ChooseOpenFile(choice, path))
        return;
    Statement statement;
    if (!ReadStatementFile(path, StatementOptions{}, statement))
        return;

    HandleBalanceWindow();
    // The balance window takes only statement balances of 0 or more; an overdrawn one is left
    // for the user to see to.
    if (statement.HasClosing && statement.ClosingBalance >= 0)
        TypeStatementBalance(statement.ClosingBalance);
    const StatementProposal proposal = ProposeStatement(statement, gBudget.StatementBalance);
    TickProposal(proposal);
    RefreshBalanceWindow();

    std::vector<WaitingLine> lines;
    for (const UnmatchedLine& u : proposal.Unmatched)
        lines.push_back({statement.Lines[u.Line], u.Kind, u.Mi, u.Si});
    OpenLinesWindow(std::move(lines));
}

QWidget* StatementLinesWindow()
{
    return Parts().Window;
}

QWidget* StatementLinesControl(int id)
{
    return ControlWithId(Parts().Window, id);
}

size_t StatementLinesCount()
{
    return Parts().Window ? Parts().Lines.size() : 0;
}

void CloseStatementLinesWindow()
{
    LinesParts& parts = Parts();
    QWidget* window = parts.Window;
    parts = LinesParts{};
    if (!window)
        return;
    window->hide();
    window->deleteLater();
}

void PaintStatementLines(DrawContext& dc, int pageStart)
{
    const LinesParts& parts = Parts();
    dc.SetTextColor(kListText);
    for (int line = 0; line < kLinesPage; ++line) {
        const size_t k = static_cast<size_t>(pageStart + line);
        if (pageStart + line < 0 || k >= parts.Lines.size())
            break;
        const WaitingLine& w = parts.Lines[k];
        const RECT r{0, line * gCYChar, kLinesLineWidth, (line + 1) * gCYChar};
        const Strip s = StripOf(dc, r);
        dc.TextOut(s.X + kDateX, s.TextY, DisplayDate(w.Line.Date));
        DrawFitted(dc, s, kPayeeX, w.Line.Payee.empty() ? w.Line.Memo : w.Line.Payee, kPayeeWidth);
        DrawAmount(dc, s, kAmountRight, EntryOfLine(w.Line, w.Kind).Amount, kAmountWidth);
        dc.TextOut(s.X + kKindX, s.TextY, KindText(w.Kind));
        if (TakesStatementLines(w.Mi, w.Si))
            DrawFitted(dc, s, kAccountX, AccountName(w.Mi, w.Si), kLinesLineWidth - kAccountX - 2);
        DrawLineFrame(dc, r);
        if (k == parts.Selected)
            dc.InvertRect(r.left, r.top, r.right, r.bottom);
    }
}

void HandleStatementLinesMouse(int pageStart, POINT thePoint)
{
    LinesParts& parts = Parts();
    if (!parts.List || thePoint.x < 0 || thePoint.x >= kLinesLineWidth || thePoint.y < 0 || gCYChar <= 0)
        return;
    const int line = thePoint.y / gCYChar;
    const int k = pageStart + line;
    if (line >= kLinesPage || k < 0 || static_cast<size_t>(k) >= parts.Lines.size())
        return;
    parts.Selected = static_cast<size_t>(k);
    parts.List->update();
    FillAccountChooser();
}

void RecordSelectedStatementLine()
{
    LinesParts& parts = Parts();
    if (!parts.Window || parts.Selected >= parts.Lines.size())
        return;
    const WaitingLine w = parts.Lines[parts.Selected];
    if (!RecordStatementLine(w.Line, w.Kind, w.Mi, w.Si))
        return;
    InvalidateAccountRect(w.Mi, w.Si);
    RefreshBalanceWindow();
    // The window may have gone while the engine asked the user (its owner hidden meanwhile).
    if (!parts.Window)
        return;
    parts.Lines.erase(parts.Lines.begin() + static_cast<std::ptrdiff_t>(parts.Selected));
    if (parts.Lines.empty()) {
        CloseStatementLinesWindow();
        return;
    }
    parts.Selected = std::min(parts.Selected, parts.Lines.size() - 1);
    ShowLines();
}
