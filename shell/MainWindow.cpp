// The main window: painting, mouse, menus and closing.
#include "shell/MainWindow.h"

#include "files/BudgetFile.h"
#include "ledger/Budget.h"
#include "model/Globals.h"
#include "platform/AccountBox.h"
#include "platform/DrawContext.h"
#include "platform/Mouse.h"
#include "platform/Pictures.h"
#include "platform/PlainWindow.h"
#include "shell/Commands.h"
#include "shell/InvestView.h"
#include "shell/MainMouse.h"
#include "shell/MainPaint.h"
#include "shell/SubWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>

namespace {

// The account grid: paints with the budget painters and turns mouse events into clicks.
class AccountBoard : public QWidget {
public:
    explicit AccountBoard(QWidget* parent) : QWidget(parent)
    {
        // The window has a sizing border: made larger, the board grows with it and what lies
        // beyond the boxes is the window's own blue.
        setMinimumSize(kMainWidth, kMainHeight);
        setAutoFillBackground(true);
        QPalette palette = this->palette();
        palette.setColor(QPalette::Window, QColor(0, 0, 255));
        setPalette(palette);
        setMouseTracking(true);
    }

    QSize sizeHint() const override { return QSize(kMainWidth, kMainHeight); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        DrawContext dc(painter);
        if (gMainInvest)
            PaintInvestWindow(dc);
        else
            PaintMainWindow(dc);
    }
    void mousePressEvent(QMouseEvent* event) override
    {
        const int mod = SetMod(event->modifiers());
        if (event->button() == Qt::LeftButton) {
            gMouse = 1;
            Click(kLeftClick, mod, PointOf(event));
        } else if (event->button() == Qt::RightButton) {
            Click(kRightClick, mod, PointOf(event));
        }
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton)
            Click(kDoubleClick, SetMod(event->modifiers()), PointOf(event));
    }
    void mouseMoveEvent(QMouseEvent* event) override
    {
        if (gMainInvest)
            SetupInvestMouseMoved(PointOf(event), SetMod(event->modifiers()));
        else
            SetupMouseMoved(AccountWindow{true, 0}, PointOf(event), SetMod(event->modifiers()));
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (gMainInvest) {
            HandleInvestMouseMoved(PointOf(event));
            return;
        }
        // A drag may end in a sub-account window.
        POINT at = PointOf(event);
        const AccountWindow target = DropWindow(AccountWindow{true, 0}, event->globalPosition().toPoint(), at);
        HandleMouseMoved(target, at);
    }

private:
    static void Click(int theClick, int mod, POINT at)
    {
        if (gMainInvest)
            InvestWindowMouse(theClick, mod, at);
        else
            MainWindowMouse(theClick, mod, at);
    }
};

void ApplyHilites(const std::map<int, QAction*>& actions)
{
    const std::set<int> on = HandleMenuHilites();
    for (const auto& [id, action] : actions)
        action->setEnabled(on.count(id) > 0);
}

}  // namespace

void BuildMenuBar(QMenuBar* bar, bool splash, std::map<int, QAction*>& actions)
{
    // The WINDOW menu stands apart at the right end of the bar, in a bar of its own in the corner.
    QMenuBar* corner = nullptr;
    for (const Menu& menu : splash ? SplashWindowMenu() : MainWindowMenu()) {
        const QString title = QString::fromLatin1(menu.Title);
        QMenuBar* holder = bar;
        if (title == "&WINDOW") {
            if (!corner) {
                corner = new QMenuBar(bar);
                bar->setCornerWidget(corner, Qt::TopRightCorner);
            }
            holder = corner;
        }
        QMenu* popup = holder->addMenu(title);
        for (const MenuItem& item : menu.Items) {
            if (item.Id == 0) {
                popup->addSeparator();
                continue;
            }
            // The shortcut text is shown; the keys themselves are the window's accelerators.
            QAction* action = popup->addAction(QString::fromLatin1(item.Text).replace('\t', "\t"));
            const int id = item.Id;
            QObject::connect(action, &QAction::triggered, [id, splash] { HandleMenu(id, splash); });
            actions[id] = action;
        }
        QObject::connect(popup, &QMenu::aboutToShow, [&actions] { ApplyHilites(actions); });
    }
}

void AddAccelerators(QWidget* window, bool splash)
{
    for (const Accelerator& key : splash ? SplashAccelerators() : MainAccelerators()) {
        auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | static_cast<Qt::Key>(key.Letter)), window);
        shortcut->setContext(Qt::WindowShortcut);
        const int id = key.Id;
        QObject::connect(shortcut, &QShortcut::activated, [id, splash] { HandleMenu(id, splash); });
    }
}

MainWindow::MainWindow()
{
    setWindowTitle("Main Accounts Window");
    setWindowIcon(ProgramIcon());
    board = new AccountBoard(this);
    setCentralWidget(board);
    BuildMenuBar(menuBar(), false, actions);
    AddAccelerators(this, false);
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    move(40, 40);
}

void MainWindow::PlaceAndShow(bool fixNegative)
{
    POINT& at = gBudget.MwPt;
    KeepOnScreen(at, fixNegative);
    move(at.x, at.y);
    ShowInFront(this);
}

void MainWindow::InvalidateAccount(int Mi, int Si)
{
    // The info box, the Checkbook and "Available" always; the slot's own box on the grid.
    board->update(233, 64, 160, 24);
    board->update(kCheckbookX, kCheckbookY, kAccountBoxWidth, kAccountBoxHeight);
    board->update(FindMainAccountHCoordinate(0), FindMainAccountVCoordinate(0), kAccountBoxWidth, kAccountBoxHeight);
    if (Mi > 0 && Mi < kMainAccounts)
        board->update(FindMainAccountHCoordinate(Mi), FindMainAccountVCoordinate(Mi), kAccountBoxWidth,
                      kAccountBoxHeight);
    (void)Si;
}

void MainWindow::InvalidateInvestAccount(int Ii)
{
    // The portfolio's figures and info line always; the account's box on the grid.
    const RECT& r = kPortfolioArea;
    board->update(r.left, r.top, r.right - r.left, r.bottom - r.top);
    if (Ii > 0 && Ii < kInvestments)
        board->update(FindMainAccountHCoordinate(Ii), FindMainAccountVCoordinate(Ii), kAccountBoxWidth,
                      kAccountBoxHeight);
}

void MainWindow::UpdateInfoBox()
{
    // The info box is drawn with what it was just given ("File Saved", a selection total): the
    // repaint this asks for must not put today's date back first.
    gBoxFlag = 1;
    board->update(233, 64, 160, 24);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (BudgetClose()) {
        event->accept();
        QApplication::quit();
        return;
    }
    event->ignore();
    show();
    raise();
}

void MainWindow::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    POINT& stored = gMainInvest ? Invest[0].IwPt : gBudget.MwPt;
    stored = POINT{x(), y()};
}
