// The dialogs of the tests: the scripted dialog, which runs a dialog procedure over plain data
// driven by a test script, and the runner that puts it in place of the real dialog for a scope.
#pragma once

#include "platform/Dialog.h"

#include <map>
#include <optional>
#include <string>

// The same dialog over plain data, driven by a test script: no widgets, no event loop.
// Script steps refuse (std::logic_error) what a user could not do: acting on an ended dialog, on a
// hidden or disabled control, or a step that does not fit the control's kind. A control id the
// template lacks is refused (std::out_of_range) whether the script or the procedure uses it.
class ScriptedDialog final : public Dialog {
public:
    ScriptedDialog() = default;
    ScriptedDialog(const ScriptedDialog&) = delete;
    ScriptedDialog& operator=(const ScriptedDialog&) = delete;

    // Loads the compiled-in template (std::runtime_error if it does not load) and runs Init.
    // Without a focus set by Init, the first visible, enabled control that takes the focus gets it.
    void Run(const std::string& templateName, DialogProcedure& procedure);
    void Run(DialogTemplate dialogTemplate, DialogProcedure& procedure);

    // The user replaces an edit's text (focus goes there) and the procedure gets kTextChanged.
    // What goes beyond the edit's limit is not taken, as the real edit refuses it.
    void Type(int id, const std::string& text);
    // The user clicks a button, check box or radio button (focus goes there): kClicked.
    void Click(int id);
    void PressEnter();
    void PressEscape();
    // Asks the procedure to paint frame `id` into `dc`.
    void Paint(int id, DrawContext& dc);

    int Focused() const { return focused; }    // 0: none
    int Selected() const { return selected; }  // the edit whose whole text is selected, 0: none
    // How many characters of control `id` the procedure last read with Text(id, chars):
    // std::string::npos when it read the whole text, nothing when it has not read it.
    std::optional<size_t> ReadLimit(int id) const;

    const DialogTemplate& Template() const override { return dialogTemplate; }
    std::string Text(int id) const override;
    std::string Text(int id, size_t maxChars) const override;
    void SetText(int id, const std::string& text) override;
    bool Checked(int id) const override { return At(id).Checked; }
    void SetChecked(int id, bool checked) override;
    void Show(int id, bool visible) override { At(id).Visible = visible; }
    bool Visible(int id) const override { return At(id).Visible; }
    void Enable(int id, bool enabled) override { At(id).Enabled = enabled; }
    bool Enabled(int id) const override { return At(id).Enabled; }
    void FocusAndSelect(int id) override;
    void SetTitle(const std::string& title) override { titleText = title; }
    std::string Title() const override { return titleText; }
    void Invalidate(int id) override { At(id); }

protected:
    void Close() override {}

private:
    struct Control {
        const ControlTemplate* Source;
        std::string Text;
        bool Checked = false;
        bool Visible = true;
        bool Enabled = true;
    };
    Control& At(int id);
    const Control& At(int id) const;
    Control& Usable(int id, const char* step);
    void Send(int id, int notification);

    DialogTemplate dialogTemplate;
    DialogProcedure* procedure = nullptr;
    std::map<int, Control> controls;
    std::string titleText;
    int focused = 0;
    int selected = 0;
    mutable std::map<int, size_t> readLimits;
};

// Installs a runner for the lifetime of the object and puts the previous one back afterwards.
class ScopedDialogRunner {
public:
    explicit ScopedDialogRunner(DialogRunner runner) : previous(ReplaceDialogRunner(std::move(runner))) {}
    ~ScopedDialogRunner() { ReplaceDialogRunner(std::move(previous)); }
    ScopedDialogRunner(const ScopedDialogRunner&) = delete;
    ScopedDialogRunner& operator=(const ScopedDialogRunner&) = delete;

private:
    DialogRunner previous;
};
