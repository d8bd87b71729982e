// The dialog runtime: a dialog procedure sees its dialog only through the id-based Dialog API.
// QtDialog builds a real QDialog from a template; RunDialog runs a template modally, or hands it
// to a runner a test installed (the tests' scripted dialog runs the same procedures over plain
// data).
#pragma once

#include "platform/DialogTemplate.h"

#include <QPointer>

#include <functional>
#include <map>
#include <string>

class DrawContext;
class QDialog;
class QWidget;

// Notification codes that come with a command.
constexpr int kClicked = 0;           // a button, check box or radio button was clicked
constexpr int kTextChanged = 0x0300;  // the user changed the text of an edit

class Dialog;

// What a dialog does. Nothing happens by itself: OK and Cancel only send their commands, check
// boxes and radio buttons change only when the procedure sets them, and the dialog closes only
// when the procedure calls End.
class DialogProcedure {
public:
    virtual ~DialogProcedure() = default;
    // Before the dialog shows: fill the fields, set the focus.
    virtual void Init(Dialog& dialog) { (void)dialog; }
    // A control was used: `id` is the control (1 for Enter without a default button, 2 for Escape
    // and the close box), `notification` kClicked or kTextChanged.
    virtual void Command(Dialog& dialog, int id, int notification)
    {
        (void)dialog; (void)id; (void)notification;
    }
    // Frame control `id` needs painting; `dc` covers the frame with (0, 0) at its top-left corner.
    virtual void Paint(Dialog& dialog, int id, DrawContext& dc)
    {
        (void)dialog; (void)id; (void)dc;
    }
};

// The dialog as its procedure sees it. Texts are the program's 8-bit text; a multi-line edit's
// lines are separated by carriage return and line feed. Only what the user does sends commands:
// SetText and SetChecked send none. An edit with a limit holds at most that many characters (a
// line break counting as two), whether typed or set: what it shows is what its dialog reads.
class Dialog {
public:
    virtual ~Dialog() = default;

    virtual const DialogTemplate& Template() const = 0;
    bool Has(int id) const { return Template().Find(id) != nullptr; }

    virtual std::string Text(int id) const = 0;
    // At most the first `maxChars` characters, as a fixed-size buffer would take them.
    virtual std::string Text(int id, size_t maxChars) const;
    virtual void SetText(int id, const std::string& text) = 0;

    virtual bool Checked(int id) const = 0;
    virtual void SetChecked(int id, bool checked) = 0;
    // Checks radio button `id` and clears the other buttons from `first` to `last` that exist.
    void CheckRadio(int first, int last, int id);

    virtual void Show(int id, bool visible) = 0;
    virtual bool Visible(int id) const = 0;
    virtual void Enable(int id, bool enabled) = 0;
    virtual bool Enabled(int id) const = 0;

    // Keyboard focus to control `id`; an edit gets its whole text selected.
    virtual void FocusAndSelect(int id) = 0;

    virtual void SetTitle(const std::string& title) = 0;
    virtual std::string Title() const = 0;

    // Frame `id` is painted again (through the procedure's Paint).
    virtual void Invalidate(int id) = 0;

    // Closes the dialog with `result`, the value its runner returns.
    void End(int result);
    bool IsEnded() const { return ended; }
    int Result() const { return result; }

protected:
    // The command Enter sends with the focus on `focusedId`: a focused push button, else the
    // default button (none while it is hidden or disabled: 0), else OK when there is no default.
    int EnterCommand(int focusedId) const;
    virtual void Close() = 0;

private:
    bool ended = false;
    int result = 0;
};

// The real dialog over Qt widgets. Widgets are named by their control id (objectName "1003").
class QtDialog final : public Dialog {
public:
    QtDialog(DialogTemplate dialogTemplate, DialogProcedure& procedure, QWidget* owner);
    ~QtDialog() override;
    QtDialog(const QtDialog&) = delete;
    QtDialog& operator=(const QtDialog&) = delete;

    // Runs Init, then the dialog modally until End; returns the result. A dialog ended in Init
    // never shows.
    int Exec();
    // Runs Init and shows the dialog without waiting.
    void Open();

    QDialog& Window();
    QWidget* Widget(int id) const;

    const DialogTemplate& Template() const override { return dialogTemplate; }
    std::string Text(int id) const override;
    using Dialog::Text;
    void SetText(int id, const std::string& text) override;
    bool Checked(int id) const override;
    void SetChecked(int id, bool checked) override;
    void Show(int id, bool visible) override;
    bool Visible(int id) const override;
    void Enable(int id, bool enabled) override;
    bool Enabled(int id) const override;
    void FocusAndSelect(int id) override;
    void SetTitle(const std::string& title) override;
    std::string Title() const override;
    void Invalidate(int id) override;

    // Input the window passes on (keys, clicks, edits, painting).
    void PressEnter();
    void PressEscape();
    void Send(int id, int notification);
    void SendPaint(int id, DrawContext& dc);

protected:
    void Close() override;

private:
    void Start();
    QWidget* Find(int id, const char* operation) const;

    DialogTemplate dialogTemplate;
    DialogProcedure& procedure;
    QPointer<QDialog> window;
    std::map<int, QWidget*> widgets;
    bool started = false;
    bool settingText = false;
    bool destroying = false;
};

// Runs dialog `templateName` modally over `owner` with `procedure` and returns its result;
// -1 when the template does not load. With a runner installed, the runner runs it instead.
int RunDialog(const char* templateName, DialogProcedure& procedure, QWidget* owner);

// Test hook: a function that runs a dialog in place of RunDialog (typically a scripted dialog
// with a script) and returns its result. Installs `runner` (an empty function removes it) and
// returns the one it replaces.
using DialogRunner = std::function<int(const std::string& templateName, DialogProcedure& procedure)>;
DialogRunner ReplaceDialogRunner(DialogRunner runner);
