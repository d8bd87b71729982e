// The program's plain windows, list panes and the registry of slot windows.
#include "platform/PlainWindow.h"

#include "platform/DrawContext.h"
#include "platform/Mouse.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>

namespace {

const QColor kListGrey(240, 240, 240);

// The events of a simple list pane: painting, left presses and the wheel.
class SimpleListEvents : public QObject {
public:
    SimpleListEvents(ListPane* list, std::function<void(DrawContext&, int)> paint, std::function<void(int, POINT)> press)
        : QObject(list), list(list), paint(std::move(paint)), press(std::move(press))
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != list)
            return false;
        switch (event->type()) {
        case QEvent::Paint: {
            QPainter painter(list);
            DrawContext dc(painter);
            dc.SetTransparent(true);
            paint(dc, list->ScrollBar()->value());
            return true;
        }
        case QEvent::MouseButtonPress: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton)
                press(list->ScrollBar()->value(), PointOf(mouse));
            return true;
        }
        case QEvent::Wheel:
            QCoreApplication::sendEvent(list->ScrollBar(), event);
            return true;
        default:
            return false;
        }
    }

private:
    ListPane* const list;
    const std::function<void(DrawContext&, int)> paint;
    const std::function<void(int, POINT)> press;
};

}  // namespace

PlainWindow::PlainWindow(const char* title, int width, int height, QColor background, QWidget* parent)
    : QWidget(parent)
{
    if (!parent) {
        setWindowTitle(title);
        setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    }
    setFixedSize(width, height);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, background);
    setPalette(palette);
    hide();
}

ListPane::ListPane(QWidget* parent, int x, int y, int width, int height, int page)
    : PlainWindow("", width, height, kListGrey, parent)
{
    move(x, y);
    scrollBar = new QScrollBar(Qt::Vertical, this);
    scrollBar->setGeometry(width - scrollBar->sizeHint().width(), 0, scrollBar->sizeHint().width(), height);
    scrollBar->setPageStep(page);
    show();  // visible within its parent
}

namespace {
const char* const kControlIdProperty = "controlId";
}  // namespace

void SetControlId(QWidget* control, int id)
{
    control->setProperty(kControlIdProperty, id);
}

QWidget* ControlWithId(QWidget* window, int id)
{
    if (!window)
        return nullptr;
    for (QWidget* child : window->findChildren<QWidget*>())
        if (child->property(kControlIdProperty).toInt() == id)
            return child;
    return nullptr;
}

void ListPane::HandleSimpleList(std::function<void(DrawContext& dc, int pageStart)> paint,
                                std::function<void(int pageStart, POINT thePoint)> press)
{
    installEventFilter(new SimpleListEvents(this, std::move(paint), std::move(press)));
    QObject::connect(scrollBar, &QScrollBar::valueChanged, this, [this] { update(); });
}

void ListPane::SetLines(int lines, int page)
{
    scrollBar->setPageStep(page);
    scrollBar->setRange(0, std::max(0, lines - page));
    scrollBar->setEnabled(lines > page);
}

void KeepOnScreen(POINT& at, bool fixNegative)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    if (at.x > area.width() || (fixNegative && at.x < 0))
        at.x = 40;
    if (at.y > area.height() || (fixNegative && at.y < 0))
        at.y = 40;
}

void ShowInFront(QWidget* window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

void WindowRegistry::HideForgotten()
{
    for (QWidget* window : windows)
        if (!window->isHidden() && !known(window))
            window->hide();
}

void WindowRegistry::DeleteForgotten()
{
    std::erase_if(windows, [this](QWidget* window) {
        if (known(window))
            return false;
        delete window;
        return true;
    });
}
