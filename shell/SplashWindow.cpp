// The splash window.
#include "shell/SplashWindow.h"

#include "model/Globals.h"
#include "platform/AccountBox.h"
#include "platform/DrawContext.h"
#include "platform/Pictures.h"
#include "shell/MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QPainter>

namespace {

class SplashBoard : public QWidget {
public:
    explicit SplashBoard(QWidget* parent) : QWidget(parent)
    {
        setFixedSize(240, 286);
        setAutoFillBackground(true);
        QPalette palette = this->palette();
        palette.setColor(QPalette::Window, QColor(0, 0, 255));
        setPalette(palette);
    }
    bool about = false;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        DrawContext dc(painter);
        dc.DrawBitmap(kSplash, 0, 0);
        if (!about)
            return;
        dc.SetTransparent(true);
        dc.DrawBitmap(kAccount, 56, 70);
        dc.SetTextColor(gBudget.Standard);
        DisplayAboutLine(dc, "Created by:", 79, 94);
        DisplayAboutLine(dc, kAboutAuthor, 94, 109);
        DisplayAboutLine(dc, kAboutThirdLine, 109, 123);
    }

private:
    // A line centred in the account box and cut to the box's inner width, so it never runs past it.
    static void DisplayAboutLine(DrawContext& dc, const char* text, int top, int bottom)
    {
        std::string shown;
        int width = 0;
        SetMaxText(dc, text, kAboutLineWidth, shown, width);
        DisplayText(dc, shown, top, bottom, 56, 180);
    }
};

}  // namespace

SplashWindow::SplashWindow()
{
    setWindowTitle("Budget Window");
    setWindowIcon(ProgramIcon());
    setCentralWidget(new SplashBoard(this));
    BuildMenuBar(menuBar(), true, actions);
    AddAccelerators(this, true);
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    move(100, 100);
}

void SplashWindow::ShowAbout()
{
    auto* board = static_cast<SplashBoard*>(centralWidget());
    board->about = true;
    board->update();
}

void SplashWindow::closeEvent(QCloseEvent* event)
{
    // Closing the splash window ends the program at once.
    event->accept();
    QApplication::quit();
}
