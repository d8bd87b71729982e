// The program's plain windows, list panes and the registry of slot windows.
#include "platform/PlainWindow.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace {

const QColor kListGrey(240, 240, 240);

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
