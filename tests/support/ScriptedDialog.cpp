// The scripted dialog of the tests.
#include "support/ScriptedDialog.h"

#include "model/Host.h"

#include <stdexcept>
#include <utility>

namespace {

bool TakesFocus(ControlKind kind)
{
    return kind == ControlKind::Edit || kind == ControlKind::Button || kind == ControlKind::Check ||
           kind == ControlKind::Radio;
}

bool IsToggle(ControlKind kind)
{
    return kind == ControlKind::Check || kind == ControlKind::Radio;
}

}  // namespace

void ScriptedDialog::Run(const std::string& templateName, DialogProcedure& runProcedure)
{
    std::string error;
    std::optional<DialogTemplate> loaded = LoadDialogTemplate(templateName, error);
    if (!loaded)
        throw std::runtime_error(error);
    Run(std::move(*loaded), runProcedure);
}

void ScriptedDialog::Run(DialogTemplate fromTemplate, DialogProcedure& runProcedure)
{
    if (procedure)
        throw std::logic_error("a scripted dialog runs once");
    dialogTemplate = std::move(fromTemplate);
    procedure = &runProcedure;
    titleText = dialogTemplate.Title;
    for (const ControlTemplate& control : dialogTemplate.Controls)
        if (control.Id != kNoControlId)
            controls[control.Id] = Control{&control, HeldText(control, control.Text)};
    procedure->Init(*this);
    if (focused == 0)
        for (const ControlTemplate& control : dialogTemplate.Controls) {
            if (control.Id == kNoControlId || !TakesFocus(control.Kind) || !Visible(control.Id) ||
                !Enabled(control.Id))
                continue;
            focused = control.Id;
            selected = control.Kind == ControlKind::Edit ? control.Id : 0;
            break;
        }
}

ScriptedDialog::Control& ScriptedDialog::At(int id)
{
    return const_cast<Control&>(static_cast<const ScriptedDialog*>(this)->At(id));
}

const ScriptedDialog::Control& ScriptedDialog::At(int id) const
{
    const auto found = controls.find(id);
    if (found == controls.end())
        throw std::out_of_range("dialog " + dialogTemplate.Name + " has no control " + std::to_string(id));
    return found->second;
}

ScriptedDialog::Control& ScriptedDialog::Usable(int id, const char* step)
{
    if (!procedure || IsEnded())
        throw std::logic_error(std::string(step) + " " + std::to_string(id) + ": the dialog is not open");
    Control& control = At(id);
    if (!control.Visible || !control.Enabled)
        throw std::logic_error(std::string(step) + " " + std::to_string(id) + ": the control is " +
                               (control.Visible ? "disabled" : "hidden"));
    return control;
}

void ScriptedDialog::Send(int id, int notification)
{
    if (!procedure || IsEnded())
        throw std::logic_error("the dialog is not open");
    procedure->Command(*this, id, notification);
}

void ScriptedDialog::Type(int id, const std::string& text)
{
    Control& control = Usable(id, "Type");
    if (control.Source->Kind != ControlKind::Edit || control.Source->ReadOnly)
        throw std::logic_error("Type " + std::to_string(id) + ": not an editable field");
    control.Text = HeldText(*control.Source, text);
    focused = id;
    selected = 0;
    Send(id, kTextChanged);
}

void ScriptedDialog::Click(int id)
{
    Control& control = Usable(id, "Click");
    const ControlKind kind = control.Source->Kind;
    if (kind != ControlKind::Button && !IsToggle(kind))
        throw std::logic_error("Click " + std::to_string(id) + ": not a button");
    focused = id;
    selected = 0;
    Send(id, kClicked);
}

void ScriptedDialog::PressEnter()
{
    const ControlTemplate* focus = dialogTemplate.Find(focused);
    if (focus && focus->Kind == ControlKind::Edit && focus->Multiline)
        return;  // a new line in the edit
    if (const int command = EnterCommand(focused))
        Send(command, kClicked);
}

void ScriptedDialog::PressEscape()
{
    Send(IDCANCEL, kClicked);
}

void ScriptedDialog::Paint(int id, DrawContext& dc)
{
    Control& control = At(id);
    if (control.Source->Kind != ControlKind::Frame)
        throw std::logic_error("Paint " + std::to_string(id) + ": not a frame");
    if (control.Visible && procedure)
        procedure->Paint(*this, id, dc);
}

std::optional<size_t> ScriptedDialog::ReadLimit(int id) const
{
    At(id);
    const auto found = readLimits.find(id);
    return found == readLimits.end() ? std::nullopt : std::optional<size_t>(found->second);
}

std::string ScriptedDialog::Text(int id) const
{
    const std::string& text = At(id).Text;
    readLimits[id] = std::string::npos;
    return text;
}

std::string ScriptedDialog::Text(int id, size_t maxChars) const
{
    std::string text = Dialog::Text(id, maxChars);
    readLimits[id] = maxChars;
    return text;
}

void ScriptedDialog::SetText(int id, const std::string& text)
{
    Control& control = At(id);
    control.Text = HeldText(*control.Source, text);
    if (selected == id)
        selected = 0;
}

void ScriptedDialog::SetChecked(int id, bool checked)
{
    Control& control = At(id);
    if (!IsToggle(control.Source->Kind))
        throw std::logic_error("SetChecked " + std::to_string(id) + ": not a check box or radio button");
    control.Checked = checked;
}

void ScriptedDialog::FocusAndSelect(int id)
{
    const Control& control = At(id);
    focused = id;
    selected = control.Source->Kind == ControlKind::Edit ? id : 0;
}
