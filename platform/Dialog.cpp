// The dialog runtime: the shared parts of Dialog, the Qt dialog and RunDialog.
#include "platform/Dialog.h"

#include "model/BudgetText.h"
#include "model/Host.h"
#include "platform/DrawContext.h"

#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextCursor>
#include <QtDebug>

#include <utility>

namespace {

// A multi-line edit's text for the widget, which separates lines by line feeds alone.
QString MultilineText(const std::string& text)
{
    return FromBudgetText(WithCrLf(text)).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

// How many characters of the program's text a character of a multi-line edit takes: a line
// break two (CR LF), a character budget text cannot hold none.
int HeldLength(QChar c)
{
    if (c == QLatin1Char('\n'))
        return 2;
    return !c.isSurrogate() && BudgetTextByte(c.unicode()) >= 0 ? 1 : 0;
}

// A multi-line edit refuses what goes beyond its limit: the characters just typed or pasted
// (those before the cursor) that do not fit are taken out again.
void KeepToLimit(QPlainTextEdit* edit, int limit)
{
    const QString text = edit->toPlainText();
    long long excess = -limit;
    for (QChar c : text)
        excess += HeldLength(c);
    if (excess <= 0)
        return;
    QTextCursor cursor = edit->textCursor();
    qsizetype end = cursor.position();
    if (end == 0)
        end = text.size();  // nothing typed before the cursor: the end goes
    qsizetype start = end;
    while (start > 0 && excess > 0)
        excess -= HeldLength(text.at(--start));
    cursor.setPosition(static_cast<int>(start));
    cursor.setPosition(static_cast<int>(end), QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    edit->setTextCursor(cursor);
}

DialogRunner& InstalledRunner()
{
    static DialogRunner runner;
    return runner;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Dialog

std::string Dialog::Text(int id, size_t maxChars) const
{
    std::string text = Text(id);
    if (text.size() > maxChars)
        text.resize(maxChars);
    return text;
}

void Dialog::CheckRadio(int first, int last, int id)
{
    for (int button = first; button <= last; ++button)
        if (Has(button))
            SetChecked(button, button == id);
}

void Dialog::End(int endResult)
{
    ended = true;
    result = endResult;
    Close();
}

int Dialog::EnterCommand(int focusedId) const
{
    const ControlTemplate* focus = Template().Find(focusedId);
    if (focus && focus->Kind == ControlKind::Button)
        return focusedId;
    for (const ControlTemplate& control : Template().Controls)
        if (control.Default)
            return Visible(control.Id) && Enabled(control.Id) ? control.Id : 0;
    return IDOK;
}

// ---------------------------------------------------------------------------------------------
// The Qt dialog's widgets

namespace {

// Enter, Escape and the close box go to the procedure as commands; nothing closes by itself.
class DialogWindow : public QDialog {
public:
    DialogWindow(QtDialog& owner, QWidget* parent) : QDialog(parent), owner(owner) {}

    void reject() override { owner.PressEscape(); }

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
            owner.PressEnter();
            return;
        }
        if (plain && event->key() == Qt::Key_Escape) {
            owner.PressEscape();
            return;
        }
        QDialog::keyPressEvent(event);
    }

private:
    QtDialog& owner;
};

// Check boxes and radio buttons keep their state on a click; the procedure sets it.
template <typename Button>
class ProcedureToggled : public Button {
public:
    using Button::Button;

protected:
    void nextCheckState() override {}
};

class FrameWidget : public QWidget {
public:
    FrameWidget(QtDialog& owner, int id, QWidget* parent) : QWidget(parent), owner(owner), id(id) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setFont(font());
        DrawContext dc(painter);
        owner.SendPaint(id, dc);
    }

private:
    QtDialog& owner;
    int id;
};

Qt::Alignment AlignmentOf(TextAlign align)
{
    switch (align) {
    case TextAlign::Center: return Qt::AlignHCenter | Qt::AlignTop;
    case TextAlign::Right: return Qt::AlignRight | Qt::AlignTop;
    case TextAlign::Left: break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// QtDialog

QtDialog::QtDialog(DialogTemplate fromTemplate, DialogProcedure& procedure, QWidget* owner)
    : dialogTemplate(std::move(fromTemplate)), procedure(procedure), window(new DialogWindow(*this, owner))
{
    window->setWindowTitle(FromBudgetText(dialogTemplate.Title));
    const DialogBaseUnits units = DialogBaseUnitsOf(window->font());
    window->setFixedSize(DialogUnitsToPixelsX(dialogTemplate.Width, units),
                         DialogUnitsToPixelsY(dialogTemplate.Height, units));

    for (const ControlTemplate& control : dialogTemplate.Controls) {
        const QString text = FromBudgetText(control.Text);
        const int id = control.Id;
        QWidget* widget = nullptr;
        switch (control.Kind) {
        case ControlKind::Static: {
            auto* label = new QLabel(text, window);
            label->setTextFormat(Qt::PlainText);
            label->setWordWrap(true);
            label->setAlignment(AlignmentOf(control.Align));
            widget = label;
            break;
        }
        case ControlKind::Frame:
            widget = new FrameWidget(*this, id, window);
            widget->setWindowTitle(text);
            break;
        case ControlKind::Edit:
            if (control.Multiline) {
                auto* edit = new QPlainTextEdit(window);
                edit->setPlainText(MultilineText(HeldText(control, control.Text)));
                edit->setReadOnly(control.ReadOnly);
                edit->setTabChangesFocus(true);
                const int limit = control.Limit;
                QObject::connect(edit, &QPlainTextEdit::textChanged, [this, id, edit, limit] {
                    if (settingText)
                        return;
                    if (limit > 0) {
                        // Taking out what does not fit changes the text again: one command.
                        settingText = true;
                        KeepToLimit(edit, limit);
                        settingText = false;
                    }
                    Send(id, kTextChanged);
                });
                widget = edit;
            } else {
                auto* edit = new QLineEdit(text, window);
                KeepToBudgetText(edit);
                if (control.Limit > 0)
                    edit->setMaxLength(control.Limit);
                edit->setReadOnly(control.ReadOnly);
                QObject::connect(edit, &QLineEdit::textEdited, [this, id] { Send(id, kTextChanged); });
                widget = edit;
            }
            break;
        case ControlKind::Button: {
            auto* button = new QPushButton(text, window);
            button->setAutoDefault(true);
            button->setDefault(control.Default);
            QObject::connect(button, &QPushButton::clicked, [this, id] { Send(id, kClicked); });
            widget = button;
            break;
        }
        case ControlKind::Check: {
            auto* box = new ProcedureToggled<QCheckBox>(text, window);
            QObject::connect(box, &QCheckBox::clicked, [this, id] { Send(id, kClicked); });
            widget = box;
            break;
        }
        case ControlKind::Radio: {
            auto* radio = new ProcedureToggled<QRadioButton>(text, window);
            radio->setAutoExclusive(false);
            QObject::connect(radio, &QRadioButton::clicked, [this, id] { Send(id, kClicked); });
            widget = radio;
            break;
        }
        case ControlKind::Group:
            widget = new QGroupBox(text, window);
            break;
        }
        widget->setGeometry(DialogUnitsToPixels(control.Rect, units));
        if (control.Kind == ControlKind::Group)
            widget->lower();
        if (id != kNoControlId) {
            widget->setObjectName(QString::number(id));
            widgets[id] = widget;
        }
    }
}

QtDialog::~QtDialog()
{
    destroying = true;
    delete window.data();
}

void QtDialog::Start()
{
    if (started)
        return;
    started = true;
    procedure.Init(*this);
}

int QtDialog::Exec()
{
    Start();
    if (!IsEnded())
        window->exec();
    return Result();
}

void QtDialog::Open()
{
    Start();
    if (!IsEnded())
        window->show();
}

void QtDialog::Close()
{
    if (window && window->isVisible())
        window->done(Result());
}

QDialog& QtDialog::Window()
{
    return *window;
}

QWidget* QtDialog::Widget(int id) const
{
    const auto found = widgets.find(id);
    return found == widgets.end() ? nullptr : found->second;
}

QWidget* QtDialog::Find(int id, const char* operation) const
{
    QWidget* widget = Widget(id);
    if (!widget)
        qWarning("dialog %s: %s of control %d, which it does not have", dialogTemplate.Name.c_str(), operation, id);
    return widget;
}

std::string QtDialog::Text(int id) const
{
    QWidget* widget = Find(id, "Text");
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        return ToBudgetText(edit->text());
    if (auto* edit = qobject_cast<QPlainTextEdit*>(widget))
        return WithCrLf(ToBudgetText(edit->toPlainText()));
    if (auto* label = qobject_cast<QLabel*>(widget))
        return ToBudgetText(label->text());
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return ToBudgetText(button->text());
    if (auto* group = qobject_cast<QGroupBox*>(widget))
        return ToBudgetText(group->title());
    return widget ? ToBudgetText(widget->windowTitle()) : std::string();
}

void QtDialog::SetText(int id, const std::string& text)
{
    QWidget* widget = Find(id, "SetText");
    const QString qtext = FromBudgetText(text);
    settingText = true;
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        edit->setText(qtext);
    else if (auto* edit = qobject_cast<QPlainTextEdit*>(widget))
        edit->setPlainText(MultilineText(HeldText(*dialogTemplate.Find(id), text)));
    else if (auto* label = qobject_cast<QLabel*>(widget))
        label->setText(qtext);
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
        button->setText(qtext);
    else if (auto* group = qobject_cast<QGroupBox*>(widget))
        group->setTitle(qtext);
    else if (widget)
        widget->setWindowTitle(qtext);
    settingText = false;
}

bool QtDialog::Checked(int id) const
{
    auto* button = qobject_cast<QAbstractButton*>(Find(id, "Checked"));
    return button && button->isCheckable() && button->isChecked();
}

void QtDialog::SetChecked(int id, bool checked)
{
    auto* button = qobject_cast<QAbstractButton*>(Find(id, "SetChecked"));
    if (button && button->isCheckable())
        button->setChecked(checked);
}

void QtDialog::Show(int id, bool visible)
{
    if (QWidget* widget = Find(id, "Show"))
        widget->setVisible(visible);
}

bool QtDialog::Visible(int id) const
{
    QWidget* widget = Find(id, "Visible");
    return widget && !widget->isHidden();
}

void QtDialog::Enable(int id, bool enabled)
{
    if (QWidget* widget = Find(id, "Enable"))
        widget->setEnabled(enabled);
}

bool QtDialog::Enabled(int id) const
{
    QWidget* widget = Find(id, "Enabled");
    return widget && widget->isEnabled();
}

void QtDialog::FocusAndSelect(int id)
{
    QWidget* widget = Find(id, "FocusAndSelect");
    if (!widget)
        return;
    widget->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        edit->selectAll();
    else if (auto* edit = qobject_cast<QPlainTextEdit*>(widget))
        edit->selectAll();
}

void QtDialog::SetTitle(const std::string& title)
{
    window->setWindowTitle(FromBudgetText(title));
}

std::string QtDialog::Title() const
{
    return ToBudgetText(window->windowTitle());
}

void QtDialog::Invalidate(int id)
{
    if (QWidget* widget = Find(id, "Invalidate"))
        widget->update();
}

void QtDialog::PressEnter()
{
    int focusedId = 0;
    for (const auto& [id, widget] : widgets)
        if (widget == window->focusWidget())
            focusedId = id;
    if (const int command = EnterCommand(focusedId))
        Send(command, kClicked);
}

void QtDialog::PressEscape()
{
    Send(IDCANCEL, kClicked);
}

void QtDialog::Send(int id, int notification)
{
    if (!destroying && started && !IsEnded())
        procedure.Command(*this, id, notification);
}

void QtDialog::SendPaint(int id, DrawContext& dc)
{
    if (!destroying)
        procedure.Paint(*this, id, dc);
}

// ---------------------------------------------------------------------------------------------
// Running a dialog

int RunDialog(const char* templateName, DialogProcedure& procedure, QWidget* owner)
{
    if (const DialogRunner& runner = InstalledRunner())
        return runner(templateName, procedure);
    std::string error;
    std::optional<DialogTemplate> loaded = LoadDialogTemplate(templateName, error);
    if (!loaded) {
        qCritical("%s", error.c_str());
        return -1;
    }
    QtDialog dialog(std::move(*loaded), procedure, owner);
    return dialog.Exec();
}

DialogRunner ReplaceDialogRunner(DialogRunner runner)
{
    return std::exchange(InstalledRunner(), std::move(runner));
}
