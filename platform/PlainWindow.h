// What the program's windows are built from: a window or pane of fixed client size and a solid
// background, a list pane with its scroll bar, bringing a window to the front at a stored place
// kept on the screen, and the registry of the windows made for the account slots.
#pragma once

#include "model/Records.h"

#include <QScrollBar>
#include <QWidget>

#include <functional>
#include <vector>

class DrawContext;

// A window or pane with a fixed client size and a solid background colour, made hidden.
class PlainWindow : public QWidget {
public:
    PlainWindow(const char* title, int width, int height, QColor background, QWidget* parent = nullptr);
};

// A list pane with its vertical scroll bar along the right edge, shown within its parent.
class ListPane : public PlainWindow {
public:
    ListPane(QWidget* parent, int x, int y, int width, int height, int page);
    QScrollBar* ScrollBar() const { return scrollBar; }
    // The scroll bar for a list of `lines` lines shown `page` at a time: it scrolls until the
    // last page is full, and stays, disabled, while every line fits.
    void SetLines(int lines, int page);
    // A simple list: `paint` draws the lines from the scroll position, a left press goes to
    // `press` with the scroll position and the point, the wheel turns the scroll bar, and a
    // scroll repaints. Other events are the pane's own.
    void HandleSimpleList(std::function<void(DrawContext& dc, int pageStart)> paint,
                          std::function<void(int pageStart, POINT thePoint)> press);

private:
    QScrollBar* scrollBar;
};

// The numeric id a child control of a program window answers to, as dialog controls do.
void SetControlId(QWidget* control, int id);
// The child of `window` with that id, or none (also for no window).
QWidget* ControlWithId(QWidget* window, int id);

// A stored window place brought onto the primary screen: a coordinate beyond the screen, or
// below 0 when fixNegative, becomes 40.
void KeepOnScreen(POINT& at, bool fixNegative);
// Shows the window, raised and active.
void ShowInFront(QWidget* window);

// The windows of one kind made for account slots, whether or not a slot of the open budget still
// knows them: opening another budget resets the slots' handles, and the windows of the budget
// before are then hidden and deleted here.
class WindowRegistry {
public:
    // `known`: whether a slot of the open budget holds the window.
    explicit WindowRegistry(bool (*known)(QWidget* window)) : known(known) {}
    void Add(QWidget* window) { windows.push_back(window); }
    // Hides the shown windows no slot knows.
    void HideForgotten();
    // Deletes the windows no slot knows.
    void DeleteForgotten();

private:
    bool (*known)(QWidget*);
    std::vector<QWidget*> windows;
};
