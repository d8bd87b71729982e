// What the tests of the windows and dialogs share: dialogs run by scripts, the program's windows
// made around a new budget, mouse events as the window system sends them, painting into an
// image, and the folder the pictures of the windows are written to.
#pragma once

#include "support/BudgetFixture.h"
#include "support/SampleBudget.h"
#include "support/ScriptedDialog.h"

#include "app/Startup.h"
#include "ledger/Recording.h"
#include "model/Initialize.h"
#include "platform/Dialog.h"
#include "platform/DrawContext.h"
#include "reminders/Remind.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QMouseEvent>

#include <algorithm>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

using Script = std::function<void(ScriptedDialog&)>;
using Drawn = std::vector<DrawContext::DrawnText>;
using Texts = std::vector<std::string>;

// The texts drawn with their top from y to below y + height, in the order drawn.
inline Texts TextsAt(const Drawn& drawn, int y, int height = 1)
{
    Texts texts;
    for (const auto& t : drawn)
        if (t.Y >= y && t.Y < y + height)
            texts.push_back(t.Text);
    return texts;
}

// Whether `text` is drawn with its top at y, centred in the column from left to right.
inline bool DrawnInColumn(const Drawn& drawn, const std::string& text, int y, int left, int right)
{
    return std::any_of(drawn.begin(), drawn.end(), [&](const DrawContext::DrawnText& t) {
        return t.Text == text && t.Y == y && t.X > left && t.X < (left + right) / 2;
    });
}

// Runs each dialog that opens with the next script in line; a script must end its dialog.
class DialogScripts {
public:
    std::deque<Script> Scripts;
    std::vector<std::string> Opened;

private:
    ScopedDialogRunner runner{[this](const std::string& name, DialogProcedure& procedure) {
        Opened.push_back(name);
        if (Scripts.empty()) {
            ADD_FAILURE() << name << " opened without a script";
            return 0;
        }
        const Script script = std::move(Scripts.front());
        Scripts.pop_front();
        ScriptedDialog dialog;
        dialog.Run(name, procedure);
        script(dialog);
        EXPECT_TRUE(dialog.IsEnded()) << name << " left open";
        return dialog.Result();
    }};
};

// Passes the engine's repaint requests, its offer of a transfer from "Available" (the transfer
// dialog), its reminder dialog and due-list changes and its check printing on to the program's
// windows, as the desktop host does.
class WindowHost : public ScriptedHost {
public:
    void RunReminderDialog(AHistory* theHPtr) override { Windows->RunReminderDialog(theHPtr); }
    void RemindersChanged() override { Windows->RemindersChanged(); }
    void SettingsChanged() override { Windows->SettingsChanged(); }
    void InvalidateAccount(int Mi, int Si) override { Windows->InvalidateAccount(Mi, Si); }
    void InvalidateInvestAccount(int Ii) override { Windows->InvalidateInvestAccount(Ii); }
    void UpdateInfoBox() override { Windows->UpdateInfoBox(); }
    int PrintCheckPage() override { return Windows->PrintCheckPage(); }
    int RunAvailableTransfer(int Mi, int Si, int32_t amount) override
    {
        return Windows->RunAvailableTransfer(Mi, Si, amount);
    }
    QtHost* Windows = nullptr;
};

// The program's windows, hidden, around a new budget; messages go to `windows`.
class ProgramFixture : public BudgetFixture {
protected:
    void SetUp() override
    {
        BudgetFixture::SetUp();
        program.emplace(CreateProgram());
        windows.Windows = program->Host.get();
        SetHost(&windows);
        NewBudget();
    }
    void TearDown() override
    {
        program.reset();
        BudgetFixture::TearDown();
    }

    std::optional<Program> program;
    WindowHost windows;
};

// A mouse event as the window system delivers it.
inline void Press(QWidget* widget, QPoint at, Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers keys = {},
                  QEvent::Type type = QEvent::MouseButtonPress)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, QPointF(at), widget->mapToGlobal(QPointF(at)), button, held, keys);
    QCoreApplication::sendEvent(widget, &event);
}

// Paints into an image filled with `background`, recording the texts drawn.
template <typename Paint>
QImage Render(QSize size, Drawn& texts, Paint paint, QColor background = Qt::black)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    DrawContext dc(painter);
    dc.Record(&texts);
    paint(dc);
    return image;
}

// Writes a picture of the window to build/tests/screenshots/NAME for anyone to look at, once it
// is seen to be a picture of the window: the window's whole size, and more than one colour.
inline testing::AssertionResult SaveScreenshot(QWidget& window, const char* name)
{
    const QImage image = window.grab().toImage();
    const QSize size = image.deviceIndependentSize().toSize();
    if (window.size().isEmpty() || size != window.size())
        return testing::AssertionFailure() << name << " is " << size.width() << " x " << size.height()
                                           << ", its window " << window.width() << " x " << window.height();
    QImage flat(image.size(), image.format());
    flat.fill(image.pixel(0, 0));
    if (image == flat)
        return testing::AssertionFailure() << name << " is one flat colour";
    const QString folder = QCoreApplication::applicationDirPath() + "/screenshots";
    QDir().mkpath(folder);
    if (!image.save(folder + "/" + name))
        return testing::AssertionFailure() << name << " could not be written to " << folder.toStdString();
    return testing::AssertionSuccess();
}
