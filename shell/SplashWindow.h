// The splash window ("Budget Window"), shown while no budget is open: its picture, the menu with
// About, New, Open and Quit, and the About display.
#pragma once

#include "platform/AccountBox.h"

#include <QMainWindow>

#include <map>

class QAction;

class SplashWindow : public QMainWindow {
public:
    SplashWindow();
    // Shows "Created by:" and its lines over the picture until the next repaint of the picture.
    void ShowAbout();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::map<int, QAction*> actions;
};

// The lines of the About display.
constexpr const char* kAboutAuthor = "Budget developers";
constexpr const char* kAboutThirdLine = "Envelope budgeting";
// The widest an About line may be: the account box less a margin on each side.
constexpr int kAboutLineWidth = kAccountBoxWidth - 8;
