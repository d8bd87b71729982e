// The main window ("Main Accounts Window"): the account grid painted by the budget painters (or
// the investment view's, in investment mode), mouse clicks and drags turned into the program's
// click kinds and modifiers, and the menu.
#pragma once

#include <QMainWindow>

#include <map>

class QAction;
class QMenuBar;

// The menu bar of a window built from the program's menu table, each action carrying its
// command id; the enabling rules run whenever a menu is about to open.
void BuildMenuBar(QMenuBar* bar, bool splash, std::map<int, QAction*>& actions);
// Ctrl+letter shortcuts of a window.
void AddAccelerators(QWidget* window, bool splash);

class MainWindow : public QMainWindow {
public:
    MainWindow();

    // The area the account grid is painted in.
    QWidget* Board() const { return board; }
    // Places the window at the stored position (coordinates beyond the screen, or below 0
    // when `fixNegative`, become 40) and shows it.
    void PlaceAndShow(bool fixNegative);
    // Repaints the parts that show slot (Mi, Si), the Checkbook, "Available" and the info box.
    void InvalidateAccount(int Mi, int Si);
    // Repaints the portfolio's figures and investment Ii's box.
    void InvalidateInvestAccount(int Ii);
    void UpdateInfoBox();

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    QWidget* board;
    std::map<int, QAction*> actions;
};

// The client size of the main window's board.
constexpr int kMainWidth = 634;
constexpr int kMainHeight = 440;
