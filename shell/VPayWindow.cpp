// The Variable Pay window: making it, its fields, painting it and its list, clicks in the list
// and its OK.
#include "shell/VPayWindow.h"

#include "ledger/Budget.h"
#include "ledger/VariablePay.h"
#include "model/Dates.h"
#include "model/Globals.h"
#include "model/Host.h"
#include "model/Messages.h"
#include "model/Money.h"
#include "model/Selection.h"
#include "platform/AccountBox.h"
#include "platform/DrawContext.h"
#include "platform/ListLines.h"
#include "platform/Mouse.h"
#include "platform/Pictures.h"
#include "platform/PlainWindow.h"
#include "shell/Windows.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>

#include <algorithm>
#include <string>

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
const QColor kWindowGrey(192, 192, 192);

// The amount column of an account's line: the amount ends at its right edge.
constexpr int kAmountRight = kVPayLineWidth - 2;
constexpr int kAmountWidth = 90;

struct VPayParts {
    QPointer<PlainWindow> Window;
    QPointer<ListPane> List;
    QPointer<QLineEdit> Date;
    QPointer<QLineEdit> Total;
    QPointer<QLineEdit> From;
    QPointer<QLineEdit> AddAmount;
    QPointer<QLabel> Remaining;
    QPointer<QLabel> Selected;
    // The account the amount field edits; Mi 0 while none is selected.
    int SelectedMi = 0;
    int SelectedSi = 0;
    // The amount field is being filled by the window, not typed into.
    bool Filling = false;
};

VPayParts& Parts()
{
    static VPayParts parts;
    return parts;
}

std::string TextOf(const QLineEdit* edit)
{
    return ToBudgetText(edit->text());
}

void FocusAll(QLineEdit* edit)
{
    edit->setFocus();
    edit->selectAll();
}

// The amount field's text for an account's amount: "0" for none, as the field starts.
QString AmountFieldText(int32_t amount)
{
    if (amount == 0)
        return "0";
    char text[kAmountTextSize];
    I2S(amount, text, 1);
    return FromBudgetText(text);
}

// What remains of the total, shown. A total that cannot be read is told (when `tell`) with the
// focus put back on it, and shows nothing.
void ShowRemaining(bool tell)
{
    VPayParts& parts = Parts();
    if (!parts.Total || !parts.Remaining)
        return;
    const std::string text = TextOf(parts.Total).substr(0, kVPayAmountChars);
    int32_t total = 0;
    if (S2I(text.c_str(), &total) != kS2IValid) {
        parts.Remaining->clear();
        if (tell) {
            HandleDollarConversionError(text.c_str());
            FocusAll(parts.Total);
        }
        return;
    }
    parts.Remaining->setText(FromBudgetText(SumText(ComputeRemaining(total))));
}

// The amount field changed: the selected account gets what it says, read as it is typed.
void AddAmount()
{
    VPayParts& parts = Parts();
    if (parts.Filling || !parts.AddAmount || parts.SelectedMi == 0)
        return;
    int32_t amount = 0;
    if (!ReadVPayAmount(TextOf(parts.AddAmount), &amount)) {
        FocusAll(parts.AddAmount);
        return;
    }
    SetVPayAmount(parts.SelectedMi, parts.SelectedSi, amount);
    parts.List->update();
    ShowRemaining(false);
}

// An account picked in the list: its name above the amount field, which shows what it is given.
void SelectAccount(int Mi, int Si)
{
    VPayParts& parts = Parts();
    parts.SelectedMi = Mi;
    parts.SelectedSi = Si;
    parts.Selected->setText(FromBudgetText(RecordText(Accounts[Mi][Si].Name)));
    parts.Filling = true;
    parts.AddAmount->setText(AmountFieldText(VPayAmount(Mi, Si)));
    parts.Filling = false;
    FocusAll(parts.AddAmount);
}

// OK: the pay is recorded and the window closes, or the field at fault gets the focus.
void AddPay()
{
    VPayParts& parts = Parts();
    if (!parts.Window)
        return;
    const VPayEntry entry{TextOf(parts.Date), TextOf(parts.Total), TextOf(parts.From)};
    VPayField bad = VPayField::Total;
    if (!RecordVariablePay(entry, &bad)) {
        switch (bad) {
        case VPayField::Date:
            FocusAll(parts.Date);
            break;
        case VPayField::From:
            FocusAll(parts.From);
            break;
        case VPayField::Amount:
            FocusAll(parts.SelectedMi ? parts.AddAmount : parts.Total);
            break;
        case VPayField::Total:
            FocusAll(parts.Total);
            break;
        }
        return;
    }
    CloseVPayWindow();
    InvalidateAccountRect(0, 0);
    InvalidateAccountRect(0, 1);
    GetHost().UpdateInfoBox();
}

// Painting and closing of the window (its list paints and takes presses itself).
class VPayEvents : public QObject {
public:
    explicit VPayEvents(QWidget* window) : QObject(window), window(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == window) {
            if (event->type() == QEvent::Paint) {
                QPainter painter(window);
                DrawContext dc(painter);
                dc.SetTransparent(true);
                PaintVPayWindow(dc);
                return true;
            }
            if (event->type() == QEvent::Close) {
                CloseVPayWindow();
                return false;
            }
            return false;
        }
        return false;
    }

private:
    QWidget* const window;
};

QLineEdit* MakeEdit(QWidget* parent, int id, QRect place, int maxLength)
{
    auto* edit = new QLineEdit(parent);
    SetControlId(edit, id);
    edit->setGeometry(place);
    edit->setMaxLength(maxLength);
    KeepToBudgetText(edit);
    QObject::connect(edit, &QLineEdit::returnPressed, edit, [] { AddPay(); });
    return edit;
}

QLabel* MakeLabel(QWidget* parent, int id, QRect place, Qt::Alignment alignment)
{
    auto* label = new QLabel(parent);
    SetControlId(label, id);
    label->setGeometry(place);
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, Qt::white);
    label->setPalette(palette);
    return label;
}

QPushButton* MakeButton(QWidget* parent, int id, const char* text, int x)
{
    auto* button = new QPushButton(text, parent);
    SetControlId(button, id);
    button->setGeometry(x, 360, 70, gCYChar * 3 / 2);
    return button;
}

void CreateVPayWindow()
{
    VPayParts& parts = Parts();
    parts = VPayParts{};
    const int h = gCYChar;
    auto* window = new PlainWindow("Variable Pay Window", kVPayWidth, kVPayHeight, kWindowGrey);
    // A caption bar without the system menu: the window is left through OK or Cancel.
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    window->setWindowIcon(ProgramIcon());
    window->move(100, 50);
    parts.Window = window;

    QPushButton* ok = MakeButton(window, kVPayOK, "OK", 225);
    ok->setDefault(true);
    QPushButton* cancel = MakeButton(window, kVPayCancel, "Cancel", 10);
    parts.Date = MakeEdit(window, kVPayDate, {238, 10, 60, h + 2}, static_cast<int>(kVPayAmountChars));
    parts.Total = MakeEdit(window, kVPayTotal, {218, 45, 80, h + 2}, static_cast<int>(kVPayAmountChars));
    parts.Remaining = MakeLabel(window, kVPayRemaining, {218, 65, 80, h + 2}, Qt::AlignRight);
    parts.From = MakeEdit(window, kVPayFrom, {10, 100, 288, h + 2}, static_cast<int>(kVPayFromChars));
    parts.AddAmount = MakeEdit(window, kVPayAddAmount, {191, 132, 87, h + 2}, static_cast<int>(kVPayAmountChars));
    parts.Selected = MakeLabel(window, kVPaySelected, {28, 132, 163, h + 2}, Qt::AlignRight);
    parts.List = new ListPane(window, kVPayListX, kVPayListY, kVPayListWidth, kVPayPage * h, kVPayPage);
    SetControlId(parts.List, kVPayList);

    window->installEventFilter(new VPayEvents(window));
    parts.List->HandleSimpleList(
        [](DrawContext& dc, int pageStart) {
            // Accounts made or deleted while the window is open change the rows.
            ListPane* list = Parts().List;
            if (const int rows = VPayRowCount(); list->ScrollBar()->maximum() != std::max(0, rows - kVPayPage))
                list->SetLines(rows, kVPayPage);
            PaintVPayList(dc, pageStart);
        },
        [](int pageStart, POINT thePoint) { HandleVMouse(pageStart, thePoint); });
    QObject::connect(ok, &QPushButton::clicked, window, [] { AddPay(); });
    QObject::connect(cancel, &QPushButton::clicked, window, [] { CloseVPayWindow(); });
    QObject::connect(new QShortcut(Qt::Key_Escape, window), &QShortcut::activated, window, [] { CloseVPayWindow(); });
    QObject::connect(parts.Total, &QLineEdit::textChanged, window, [] { ShowRemaining(true); });
    QObject::connect(parts.AddAmount, &QLineEdit::textChanged, window, [] { AddAmount(); });

    char today[kDatimeSize] = {};
    GetDisplayToday(today);
    parts.Date->setText(FromBudgetText(today));
    ClearVPay();
    parts.List->SetLines(SetUpVPay(), kVPayPage);
    ShowRemaining(false);
}

}  // namespace

void HandleVPay()
{
    VPayParts& parts = Parts();
    const bool made = !parts.Window;
    if (made)
        CreateVPayWindow();
    ShowInFront(parts.Window);
    if (made)
        parts.Total->setFocus();
}

QWidget* VPayWindow()
{
    return Parts().Window;
}

QWidget* VPayWindowControl(int id)
{
    return ControlWithId(Parts().Window, id);
}

void CloseVPayWindow()
{
    VPayParts& parts = Parts();
    QWidget* window = parts.Window;
    parts = VPayParts{};
    if (!window)
        return;
    window->hide();
    window->deleteLater();
}

void PaintVPayWindow(DrawContext& dc)
{
    DisplayAccountBox(dc, 0, 1, 10, 10, 0);
    dc.SetTextColor(kBlack);
    dc.TextOut(154, 45, "Total Pay");
    dc.TextOut(146, 65, "Remaining");
    dc.TextOut(10, 82, "From");
    dc.FrameRect(kVPayListX - 1, kVPayListY - 1, kVPayListX + kVPayListWidth + 1,
                 kVPayListY + kVPayPage * gCYChar + 1, kBlack);
}

void PaintVPayList(DrawContext& dc, int pageStart)
{
    dc.SetTextColor(kListText);
    for (int line = 0; line < kVPayPage; ++line) {
        int Mi = 0, Si = 0, heading = 0, start = 0;
        if (!GetVAccount(pageStart + line, &Mi, &Si, &heading, &start))
            break;
        const RECT r{0, line * gCYChar, kVPayLineWidth, (line + 1) * gCYChar};
        const Strip s = StripOf(dc, r);
        if (heading) {
            dc.DrawBitmap(MemoryAccounts[Mi][0].VPayExpanded ? kDownArrow : kSideArrow, s.X, s.PictureY);
            DrawFitted(dc, s, start, RecordText(Accounts[Mi][0].SubName), kVPayLineWidth - start);
        } else {
            DrawFitted(dc, s, start, RecordText(Accounts[Mi][Si].Name), kAmountRight - kAmountWidth - start);
            DrawAmount(dc, s, kAmountRight, VPayAmount(Mi, Si), kAmountWidth);
        }
        DrawLineFrame(dc, r);
    }
}

void HandleVMouse(int pageStart, POINT thePoint)
{
    VPayParts& parts = Parts();
    if (!parts.List || thePoint.x < 0 || thePoint.x >= kVPayLineWidth || thePoint.y < 0 || gCYChar <= 0)
        return;
    const int line = thePoint.y / gCYChar;
    int Mi = 0, Si = 0, heading = 0, start = 0;
    // Below the last row there is no account: the press is ignored.
    if (line >= kVPayPage || !GetVAccount(pageStart + line, &Mi, &Si, &heading, &start))
        return;
    const bool onArrow = thePoint.x < kVPayArrowWidth;
    if (heading && onArrow) {
        parts.List->SetLines(ToggleVPayHeading(Mi), kVPayPage);
        parts.List->update();
    } else if (!heading && !onArrow) {
        SelectAccount(Mi, Si);
    }
}
