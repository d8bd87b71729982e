// The print window: its button strip, the data area with the check's boxes, the mouse and keys
// that lay the boxes out, Check Setup and the window shown while a check prints.
#include "printing/PrintWindow.h"

#include "model/Globals.h"
#include "model/Messages.h"
#include "platform/DrawContext.h"
#include "platform/Mouse.h"
#include "platform/Pictures.h"
#include "platform/PlainWindow.h"
#include "printing/CheckPage.h"
#include "printing/CheckPrint.h"

#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

#include <algorithm>

namespace {

constexpr int kCaptionY = 3;

// What a press in the data area started.
enum class BoxAction { None, Draw, Move };

struct PrintParts {
    QPointer<QWidget> Window;
    QPointer<QWidget> Data;
    BoxAction Action = BoxAction::None;
    int Field = -1;
};

PrintParts& Parts()
{
    static PrintParts parts;
    return parts;
}

void RepaintStrip()
{
    if (QWidget* window = Parts().Window)
        window->update(0, 0, kPrintWindowWidth, kPrintStripHeight);
}

void RepaintData()
{
    if (QWidget* data = Parts().Data)
        data->update();
}

// The strip: the picture, then each caption centred on its button, the pressed one inverted.
void PrintHeaderLine(DrawContext& dc)
{
    dc.SetTransparent(true);
    dc.DrawBitmap(kPrintHeader, 0, 0);
    for (const PrintRecord& item : PItems) {
        const RECT& b = item.Button;
        if (item.Selected) {
            dc.InvertRect(b.left, b.top, b.right, b.bottom);
            dc.SetTextColor(gBudget.SelectedStandard);
        } else {
            dc.SetTextColor(gBudget.Standard);
        }
        const int width = dc.TextWidth(item.ButtonLabel);
        dc.TextOut(b.left + (b.right - 3 - b.left - width) / 2, kCaptionY, item.ButtonLabel);
    }
}

void UnpressAll()
{
    for (PrintRecord& item : PItems)
        item.Selected = 0;
}

// The window at its stored place (a place off the screen, or above or left of it, becomes 40),
// shown in front.
void ShowPrintWindow()
{
    QWidget* window = Parts().Window;
    if (!window)
        return;
    KeepOnScreen(gBudget.PwPt, true);
    window->move(gBudget.PwPt.x, gBudget.PwPt.y);
    ShowInFront(window);
    window->update();
}

// The first placed box that holds the point, or -1.
int BoxAt(POINT thePoint, bool placedOnly)
{
    for (int field = 0; field < kPrintFields; ++field)
        if ((!placedOnly || BoxPlaced(field)) && Inside(thePoint, gBudget.PrintField[field]))
            return field;
    return -1;
}

// Grows (positive) or shrinks a box by one unit on each side, then shifts it.
void MovePrintBox(int field, int growX, int growY, int dx, int dy)
{
    RECT& box = gBudget.PrintField[field];
    box.left -= growX;
    box.right += growX;
    box.top -= growY;
    box.bottom += growY;
    box.left += dx;
    box.right += dx;
    box.top += dy;
    box.bottom += dy;
    gBudgetFileChanged = 1;
    RepaintData();
}

class PrintWindowEvents : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        QWidget* window = Parts().Window;
        if (watched != window)
            return false;
        switch (event->type()) {
        case QEvent::Paint: {
            QPainter painter(window);
            DrawContext dc(painter);
            PrintHeaderLine(dc);
            return true;
        }
        case QEvent::MouseButtonPress: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton)
                PrintWindowClick(PointOf(mouse));
            return true;
        }
        case QEvent::Move:
            gBudget.PwPt = POINT{window->x(), window->y()};
            return false;
        case QEvent::KeyPress:
            KeyPressed(static_cast<QKeyEvent*>(event));
            return true;
        default:
            return false;  // closing hides the window
        }
    }

private:
    // One press acts once, whether it comes as a key of the numeric pad or as its digit.
    static void KeyPressed(const QKeyEvent* key)
    {
        QWidget* data = Parts().Data;
        if (!data)
            return;
        const QPoint at = data->mapFromGlobal(QCursor::pos());
        const POINT cursor{at.x(), at.y()};
        const int code = key->key();
        if ((key->modifiers() & Qt::KeypadModifier) && code >= Qt::Key_0 && code <= Qt::Key_9) {
            PrintKeyDown(kPrintKeyPad0 + (code - Qt::Key_0), 1, cursor);
            return;
        }
        switch (code) {
        case Qt::Key_Left:
            PrintKeyDown(kPrintKeyLeft, 1, cursor);
            return;
        case Qt::Key_Right:
            PrintKeyDown(kPrintKeyRight, 1, cursor);
            return;
        case Qt::Key_Up:
            PrintKeyDown(kPrintKeyUp, 1, cursor);
            return;
        case Qt::Key_Down:
            PrintKeyDown(kPrintKeyDown, 1, cursor);
            return;
        default:
            break;
        }
        if (key->text().size() == 1)
            PrintKeyDown(key->text().front().unicode(), 0, cursor);
    }
};

class PrintDataEvents : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        QWidget* data = Parts().Data;
        if (watched != data)
            return false;
        switch (event->type()) {
        case QEvent::Paint: {
            QPainter painter(data);
            DrawContext dc(painter);
            PrintWindowData(dc, 1);
            return true;
        }
        case QEvent::MouseButtonPress: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton)
                PrintDataPress(PointOf(mouse));
            return true;
        }
        case QEvent::MouseMove: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->buttons() & Qt::LeftButton)
                PrintDataMove(PointOf(mouse));
            return true;
        }
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
                PrintDataRelease();
            return true;
        default:
            return false;
        }
    }
};

}  // namespace

void AttachPrintWindow(QWidget* window, QWidget* dataArea)
{
    Parts() = PrintParts{window, dataArea};
    if (!window || !dataArea)
        return;
    window->setWindowIcon(ProgramIcon());
    window->setFocusPolicy(Qt::StrongFocus);
    window->installEventFilter(new PrintWindowEvents(window));
    dataArea->installEventFilter(new PrintDataEvents(dataArea));
}

void PrintSetup()
{
    gBudget.PrintWidth = kPrintWindowWidth;
    gBudget.PrintHeight = kPrintWindowHeight;
    UnpressAll();
    ShowPrintWindow();
}

int PrintCheckWithWindow()
{
    ShowPrintWindow();
    return PrintCheckPage(PrintTarget::PrinterOrPdf);
}

void PrintWindowClick(POINT thePoint)
{
    if (!Inside(thePoint, 0, 0, kPrintWindowWidth, kPrintStripHeight))
        return;
    for (int field = 0; field < kPrintFields; ++field) {
        PrintRecord& item = PItems[field];
        if (!Inside(thePoint, item.Button)) {
            item.Selected = 0;
            continue;
        }
        // Pressing a button takes the field's box away, so that the next drag draws it anew.
        if (!item.Selected && BoxPlaced(field)) {
            gBudget.PrintField[field] = RECT{0, 0, 0, 0};
            gBudgetFileChanged = 1;
            RepaintData();
        }
        item.Selected = item.Selected ? 0 : 1;
    }
    if (PItems[kPrintSignature].Selected) {
        NotYet();
        PItems[kPrintSignature].Selected = 0;
    }
    RepaintStrip();
}

void PrintDataPress(POINT thePoint)
{
    PrintParts& parts = Parts();
    parts.Action = BoxAction::None;
    parts.Field = -1;
    for (int field = 0; field < kPrintFields; ++field)
        if (PItems[field].Selected) {
            parts.Action = BoxAction::Draw;
            parts.Field = field;
            return;
        }
    if (const int field = BoxAt(thePoint, false); field >= 0) {
        parts.Action = BoxAction::Move;
        parts.Field = field;
        PItems[field].Start = thePoint;
    }
}

void PrintDataMove(POINT thePoint)
{
    PrintParts& parts = Parts();
    if (parts.Action == BoxAction::None)
        return;
    gBudgetFileChanged = 1;
    if (parts.Data)
        parts.Data->setCursor(Qt::CrossCursor);
    RECT& box = gBudget.PrintField[parts.Field];
    if (parts.Action == BoxAction::Draw) {
        // A box grows only rightward and downward from its first corner.
        if (box.top == 0) {
            box.left = thePoint.x;
            box.top = thePoint.y;
        }
        box.bottom = std::max(box.bottom, thePoint.y);
        box.right = std::max(box.right, thePoint.x);
    } else {
        POINT& start = PItems[parts.Field].Start;
        const int dx = thePoint.x - start.x;
        const int dy = thePoint.y - start.y;
        box.left += dx;
        box.right += dx;
        box.top += dy;
        box.bottom += dy;
        start = thePoint;
    }
    RepaintData();
}

void PrintDataRelease()
{
    PrintParts& parts = Parts();
    parts.Action = BoxAction::None;
    parts.Field = -1;
    if (parts.Data)
        parts.Data->unsetCursor();
}

void PrintKeyDown(int key, int type, POINT cursor)
{
    const int field = BoxAt(cursor, true);
    if (field < 0)
        return;
    // Growth across and down, then the shift, by the key's low byte.
    struct Effect {
        int GrowX, GrowY, Dx, Dy;
    };
    const int low = key & 0xff;
    int digit = -1;
    if (type == 1 && low >= kPrintKeyPad0 + 1 && low <= kPrintKeyPad0 + 9)
        digit = low - kPrintKeyPad0;
    else if (type == 0 && low >= '1' && low <= '9')
        digit = low - '0';
    else if (type == 1 && low == kPrintKeyLeft)
        digit = 4;
    else if (type == 1 && low == kPrintKeyRight)
        digit = 6;
    else if (type == 1 && low == kPrintKeyUp)
        digit = 8;
    else if (type == 1 && low == kPrintKeyDown)
        digit = 2;
    static constexpr Effect kEffects[10] = {
        {0, 0, 0, 0},  {0, 1, 0, 0}, {0, 0, 0, 1},  {0, -1, 0, 0}, {0, 0, -1, 0},
        {0, 0, 0, 0},  {0, 0, 1, 0}, {1, 0, 0, 0},  {0, 0, 0, -1}, {-1, 0, 0, 0},
    };
    if (digit < 1 || digit == 5)
        return;
    const Effect& e = kEffects[digit];
    MovePrintBox(field, e.GrowX, e.GrowY, e.Dx, e.Dy);
}
