// The dialog runtime: templates load or are refused, the Qt dialog builds and routes its controls,
// and a scripted dialog runs a procedure the way the user would drive it; every edit of the
// program's dialogs holds what its dialog reads of it.
#include "platform/Dialog.h"
#include "platform/DrawContext.h"

#include "support/WindowFixture.h"

#include "dialogs/AccountDialogs.h"
#include "dialogs/ArchiveDialogs.h"
#include "dialogs/EntryDialogs.h"
#include "dialogs/FindDialog.h"
#include "dialogs/InvestDialogs.h"
#include "dialogs/MultiDepositDialog.h"
#include "dialogs/NoteDialogs.h"
#include "dialogs/PayDialogs.h"
#include "dialogs/ReminderDialogs.h"
#include "dialogs/SettingsDialogs.h"
#include "dialogs/StatsDialogs.h"
#include "dialogs/TransactionDialogs.h"
#include "ledger/Pay.h"
#include "model/Globals.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <utility>
#include <vector>

namespace {

const char* const kTestTemplate = R"({"name": "TESTDLG", "title": "Test", "size": [200, 100], "controls": [
    {"id": 1021, "kind": "frame", "rect": [4, 4, 60, 30]},
    {"kind": "static", "text": "Amount:", "align": "right", "rect": [4, 40, 40, 10]},
    {"id": 1003, "kind": "edit", "rect": [46, 38, 60, 12]},
    {"id": 1006, "kind": "edit", "rect": [110, 38, 40, 12]},
    {"id": 1010, "kind": "edit", "style": ["multiline"], "rect": [4, 54, 100, 24]},
    {"id": 1008, "kind": "check", "text": "Tax Item", "rect": [110, 54, 60, 12]},
    {"id": 1, "kind": "button", "text": "OK", "default": true, "rect": [90, 82, 50, 14]},
    {"id": 2, "kind": "button", "text": "Cancel", "rect": [144, 82, 50, 14]}]})";

DialogTemplate TestTemplate()
{
    std::string error;
    std::optional<DialogTemplate> parsed = ParseDialogTemplate(kTestTemplate, error);
    EXPECT_TRUE(parsed) << error;
    return parsed.value_or(DialogTemplate{});
}

// A toy entry dialog: the amount must hold a non-zero number; OK records it, a fault keeps the
// dialog open with the amount focused and selected; the check box is toggled here.
struct AmountProcedure : DialogProcedure {
    bool debitForm = false;
    std::vector<std::pair<int, int>> commands;
    std::vector<int> painted;
    int faults = 0;
    std::string amount;
    bool tax = false;

    void Init(Dialog& dialog) override
    {
        dialog.SetText(1003, "0.00");
        if (debitForm) {
            dialog.SetTitle("Write Debit");
            dialog.Show(1006, false);
            dialog.Enable(1008, false);
        }
        dialog.FocusAndSelect(1003);
    }
    void Command(Dialog& dialog, int id, int notification) override
    {
        commands.emplace_back(id, notification);
        if (id == 1008)
            dialog.SetChecked(1008, !dialog.Checked(1008));
        if (id == 2)
            dialog.End(0);
        if (id != 1)
            return;
        const std::string text = dialog.Text(1003, 15);
        if (text.find_first_not_of("0123456789.") != text.npos || text.find_first_of("123456789") == text.npos) {
            ++faults;
            dialog.FocusAndSelect(1003);
            return;
        }
        amount = text;
        tax = dialog.Checked(1008);
        dialog.End(1);
    }
    void Paint(Dialog&, int id, DrawContext& dc) override
    {
        painted.push_back(id);
        dc.FillRect(0, 0, 8, 8, RGB(255, 0, 0));
    }
};

// Every template compiled into the program.
std::vector<DialogTemplate> ProgramTemplates()
{
    std::string error;
    EXPECT_TRUE(LoadDialogTemplate("ATM", error)) << error;  // makes the resources known
    std::vector<DialogTemplate> templates;
    for (const QString& file : QDir(QStringLiteral(":/dialogs")).entryList({QStringLiteral("*.json")})) {
        std::optional<DialogTemplate> loaded = LoadDialogTemplate(file.chopped(5).toStdString(), error);
        EXPECT_TRUE(loaded) << error;
        if (loaded)
            templates.push_back(std::move(*loaded));
    }
    EXPECT_GE(templates.size(), 13u);
    return templates;
}

// Types `text` into the widget key by key, as the user would.
void TypeKeys(QWidget* widget, const QString& text)
{
    for (QChar c : text) {
        const int key = c == QLatin1Char('\n') ? int(Qt::Key_Return) : 0;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, key ? QString() : QString(c));
        QApplication::sendEvent(widget, &press);
    }
}

}  // namespace

TEST(DialogUnits, ScaleByQuartersOfCharWidthAndEighthsOfHeightRounded)
{
    const DialogBaseUnits units{6, 13};
    const struct { int Units, X, Y; } cases[] = {
        {0, 0, 0}, {4, 6, 7}, {7, 11, 11}, {8, 12, 13}, {12, 18, 20}, {340, 510, 553}, {120, 180, 195}};
    for (const auto& c : cases) {
        EXPECT_EQ(DialogUnitsToPixelsX(c.Units, units), c.X) << c.Units;
        EXPECT_EQ(DialogUnitsToPixelsY(c.Units, units), c.Y) << c.Units;
    }
    EXPECT_EQ(DialogUnitsToPixels(QRect(4, 8, 60, 12), units), QRect(6, 13, 90, 20));
}

TEST(DialogTemplateLoad, DamagedTemplatesAreRefusedWithTheFault)
{
    const std::string head = R"({"name": "BAD", "title": "Bad", "size": [100, 50], "controls": [)";
    const struct { std::string Json; const char* Fault; } cases[] = {
        {"{\"name\": ", "not valid JSON"},
        {"[1, 2]", "not a JSON object"},
        {R"({"name": "BAD", "title": "Bad", "controls": []})", "\"size\""},
        {head + R"({"id": 3, "kind": "edti", "rect": [0, 0, 10, 10]}]})", "unknown kind \"edti\""},
        {head + R"({"id": 3, "kind": "edit", "rect": [0, 0, 10, 10]},
                   {"id": 3, "kind": "button", "rect": [20, 0, 10, 10]}]})", "duplicate control id 3"},
        {head + R"({"kind": "edit", "rect": [0, 0, 10, 10]}]})", "needs an id"},
        {head + R"({"id": 3, "kind": "edit", "rect": [95, 0, 10, 10]}]})", "width"},
        {head + R"({"id": 3, "kind": "edit", "rect": [0, 0, 10]}]})", "array of 4 numbers"},
        {head + R"({"id": 1, "kind": "button", "defualt": true, "rect": [0, 0, 10, 10]}]})", "unknown key \"defualt\""},
        {head + R"({"id": 3, "kind": "edit", "style": ["wide"], "rect": [0, 0, 10, 10]}]})", "unknown style \"wide\""},
        {head + R"({"id": 1, "kind": "button", "default": true, "rect": [0, 0, 10, 10]},
                   {"id": 2, "kind": "button", "default": true, "rect": [20, 0, 10, 10]}]})", "second default"},
        {head + R"({"id": 70000, "kind": "edit", "rect": [0, 0, 10, 10]}]})", "id 70000"},
        {head + R"({"id": 3, "kind": "edit", "limit": 0, "rect": [0, 0, 10, 10]}]})", "limit 0"},
        {head + R"({"id": 3, "kind": "edit", "limit": "15", "rect": [0, 0, 10, 10]}]})", "\"limit\" must hold"},
        {head + R"({"id": 1, "kind": "button", "limit": 15, "rect": [0, 0, 10, 10]}]})", "unknown key \"limit\""},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(ParseDialogTemplate(QByteArray::fromStdString(c.Json), error)) << c.Json;
        EXPECT_NE(error.find(c.Fault), std::string::npos) << "error: " << error << "\nexpected: " << c.Fault;
    }
    std::string error;
    EXPECT_FALSE(LoadDialogTemplate("NOSUCHDIALOG", error));
    EXPECT_NE(error.find("NOSUCHDIALOG"), std::string::npos);
    AmountProcedure procedure;
    EXPECT_EQ(RunDialog("NOSUCHDIALOG", procedure, nullptr), -1) << "a missing template opens nothing";
}

// The Qt dialog builds named widgets at their scaled places, routes what the user does to the
// procedure and closes only when the procedure ends it.
TEST(QtDialogTest, BuildsTheTemplateRoutesInputToTheProcedureAndClosesOnlyOnEnd)
{
    const DialogTemplate dialogTemplate = TestTemplate();
    AmountProcedure procedure;
    QtDialog dialog(dialogTemplate, procedure, nullptr);
    const DialogBaseUnits units = DialogBaseUnitsOf(dialog.Window().font());
    ASSERT_GT(units.CharWidth, 0);
    EXPECT_EQ(dialog.Window().size(), QSize(DialogUnitsToPixelsX(200, units), DialogUnitsToPixelsY(100, units)));
    EXPECT_EQ(dialog.Window().windowTitle(), "Test");
    for (const ControlTemplate& control : dialogTemplate.Controls) {
        if (control.Id == kNoControlId)
            continue;
        QWidget* widget = dialog.Window().findChild<QWidget*>(QString::number(control.Id));
        ASSERT_TRUE(widget) << control.Id;
        EXPECT_EQ(widget, dialog.Widget(control.Id));
        EXPECT_EQ(widget->geometry(), DialogUnitsToPixels(control.Rect, units)) << control.Id;
    }
    dialog.Open();
    // Frames are painted by the procedure; multi-line texts have the line ends of the budget.
    const QImage image = dialog.Window().grab().toImage();
    EXPECT_NE(std::find(procedure.painted.begin(), procedure.painted.end(), 1021), procedure.painted.end());
    const QRect frame = dialog.Widget(1021)->geometry();
    EXPECT_EQ(image.pixelColor(frame.topLeft() + QPoint(2, 2)), QColor(255, 0, 0));
    EXPECT_NE(image.pixelColor(frame.topLeft() + QPoint(12, 12)), QColor(255, 0, 0));
    dialog.SetText(1010, "first\r\nsecond");
    EXPECT_EQ(qobject_cast<QPlainTextEdit*>(dialog.Widget(1010))->toPlainText(), "first\nsecond");
    EXPECT_EQ(dialog.Text(1010), "first\r\nsecond");

    auto* amount = qobject_cast<QLineEdit*>(dialog.Widget(1003));
    ASSERT_TRUE(amount);
    EXPECT_TRUE(procedure.commands.empty()) << "texts set by the procedure send nothing";
    // A line edit takes only what budget text holds, as it is typed.
    TypeKeys(dialog.Widget(1006), QString::fromUtf8("\u03a9mega \u20ac5"));
    EXPECT_EQ(qobject_cast<QLineEdit*>(dialog.Widget(1006))->text(), QString::fromUtf8("mega \u20ac5"));
    EXPECT_EQ(dialog.Text(1006), "mega \x80" "5");
    procedure.commands.clear();
    EXPECT_EQ(dialog.Window().focusWidget(), amount);
    EXPECT_EQ(amount->selectedText(), "0.00");

    // A click leaves the box to the procedure, which toggles it once.
    qobject_cast<QAbstractButton*>(dialog.Widget(1008))->click();
    EXPECT_TRUE(dialog.Checked(1008));

    // Enter in the amount presses the default button; the bad amount keeps the dialog open.
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(amount, &enter);
    EXPECT_EQ(procedure.faults, 1);
    EXPECT_TRUE(dialog.Window().isVisible());
    EXPECT_EQ(dialog.Window().focusWidget(), amount);

    QKeyEvent typed(QEvent::KeyPress, Qt::Key_5, Qt::NoModifier, "5");
    QApplication::sendEvent(amount, &typed);
    EXPECT_EQ(amount->text(), "5");
    qobject_cast<QAbstractButton*>(dialog.Widget(1))->click();
    const std::vector<std::pair<int, int>> expected = {
        {1008, kClicked}, {1, kClicked}, {1003, kTextChanged}, {1, kClicked}};
    EXPECT_EQ(procedure.commands, expected);
    EXPECT_FALSE(dialog.Window().isVisible());
    EXPECT_EQ(dialog.Result(), 1);
    EXPECT_EQ(procedure.amount, "5");
    EXPECT_TRUE(procedure.tax);
}

TEST(QtDialogTest, EscapeAndTheCloseBoxAreCancel)
{
    for (const bool escape : {true, false}) {
        AmountProcedure procedure;
        QtDialog dialog(TestTemplate(), procedure, nullptr);
        dialog.Open();
        QKeyEvent key(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        if (escape)
            QApplication::sendEvent(dialog.Widget(1003), &key);
        else
            dialog.Window().close();
        EXPECT_EQ(procedure.commands, (std::vector<std::pair<int, int>>{{2, kClicked}})) << escape;
        EXPECT_TRUE(dialog.IsEnded() && !dialog.Window().isVisible() && dialog.Result() == 0) << escape;
    }
}

// The scripted dialog drives a procedure as the user would, and refuses what the user could not do.
TEST(ScriptedDialogTest, DrivesTheProcedureAsTheUserWouldAndNoFurther)
{
    AmountProcedure procedure;
    procedure.debitForm = true;
    ScriptedDialog dialog;
    dialog.Run(TestTemplate(), procedure);
    EXPECT_EQ(dialog.Title(), "Write Debit");
    EXPECT_THROW(dialog.Type(1006, "101"), std::logic_error) << "hidden";
    EXPECT_THROW(dialog.Click(1008), std::logic_error) << "disabled";
    EXPECT_THROW(dialog.Type(1, "x"), std::logic_error) << "a button takes no text";
    EXPECT_THROW(dialog.Click(4711), std::out_of_range);
    EXPECT_TRUE(procedure.commands.empty());
    dialog.Type(1010, "a\nb");
    EXPECT_EQ(dialog.Text(1010), "a\r\nb");

    dialog.Type(1003, "12x");
    dialog.PressEnter();  // the default button
    EXPECT_TRUE(procedure.faults == 1 && !dialog.IsEnded() && dialog.Selected() == 1003);
    dialog.Type(1003, "12.50");
    dialog.Click(1);
    EXPECT_EQ(procedure.amount, "12.50");
    EXPECT_THROW(dialog.Click(2), std::logic_error) << "the dialog is closed";
}

// Typing more than an edit holds, in the real dialog and in the scripted one, leaves what the edit
// holds: its limit of characters, a line break of a multi-line edit counting as two.
TEST(DialogLimits, TypingStopsAtTheEditsLimit)
{
    for (const DialogTemplate& dialogTemplate : ProgramTemplates()) {
        DialogProcedure nothing;
        QtDialog real(dialogTemplate, nothing, nullptr);
        real.Open();
        ScriptedDialog scripted;
        scripted.Run(dialogTemplate, nothing);
        for (const ControlTemplate& edit : dialogTemplate.Controls) {
            if (edit.Kind != ControlKind::Edit)
                continue;
            const std::string where = dialogTemplate.Name + " " + std::to_string(edit.Id);
            ASSERT_GT(edit.Limit, 0) << where << " has no limit";
            const size_t limit = static_cast<size_t>(edit.Limit);
            // A multi-line edit gets a line break early on, and the limit falls after it.
            const std::string typed = (edit.Multiline ? "ab\n" : "") + std::string(limit + 5, 'x');
            real.SetText(edit.Id, "");
            real.Widget(edit.Id)->setFocus();
            TypeKeys(real.Widget(edit.Id), QString::fromStdString(typed));
            EXPECT_EQ(real.Text(edit.Id).size(), limit) << where;
            EXPECT_EQ(real.Text(edit.Id).substr(0, 4), edit.Multiline ? "ab\r\n" : std::string(std::min<size_t>(limit, 4), 'x'))
                << where;
            scripted.Type(edit.Id, typed);
            EXPECT_EQ(scripted.Text(edit.Id), real.Text(edit.Id)) << where;
            real.SetText(edit.Id, typed);
            EXPECT_EQ(real.Text(edit.Id).size(), limit) << where << ": set by the dialog";
        }
        real.Window().close();
    }
}

// Every edit of every dialog holds exactly what its dialog reads of it. Each dialog runs with its
// own procedure and its fields filled so that OK goes through; what the procedure took of each
// edit is then held against the edit's limit. A field the procedure reads whole is bounded by its
// limit alone.
class DialogReadsTest : public BudgetFixture {
protected:
    DialogScripts dialogs;
};

TEST_F(DialogReadsTest, EveryEditHoldsWhatItsDialogReads)
{
    AddTestAccount(1, 0, "Rent");
    AddTestAccount(2, 0, "Car");
    AddTestAccount(2, 1, "Gas");
    Accounts[0][0].Balance = Accounts[1][0].Balance = 100000;
    Accounts[0][1].Balance = 200000;
    ASSERT_EQ(SetPaySource(0, "Acme", "1,000.00", kPayWeekly), 1);
    AHistory* check = AddTestHistory(1, 0, 500, true, "Landlord");
    check->CheckID = 999;
    ASSERT_EQ(RecordInvestName(5, "Index Fund"), 1);
    QWidget owner;

    using Fields = std::vector<std::pair<int, std::string>>;
    const struct {
        const char* Name;
        std::function<void()> Open;
        Fields Typed;
        int Ok;
    } cases[] = {
        {"ATM", [] { HandleATM(1, 0); }, {{1003, "1.00"}}, IDOK},
        {"BUYSELL", [] { HandleShareDialog(1, 5); }, {{1012, "2"}, {1003, "1.000"}}, IDOK},
        {"COSTBASIS", [] { CostBasisDialog(5); }, {{1003, "3.00"}}, IDOK},
        {"NEWINVEST", [] { InvestAccountDialog(6); }, {{1011, "Bonds"}}, IDOK},
        {"PPS", [] { PPSDialog(5); }, {{1003, "2.000"}}, IDOK},
        {"CHECK", [] { HandleCheck(1, 0, nullptr); }, {{1002, "Landlord"}, {1003, "1.00"}}, IDOK},
        {"DEPOSIT", [] { HandleDeposit(1, 0, nullptr); }, {{1001, "Mom"}, {1003, "1.00"}}, IDOK},
        {"MULTI", [] { HandleMultiDeposit(); }, {{1031, "1.00"}, {1041, "Mom"}, {1051, "Rent"}}, IDOK},
        {"NEWACCOUNT", [] { RunAccountSetup(4, 0); }, {{1002, "Travel"}}, 1022},
        {"NOTES", [] { BudgetNote(1, 0, 0); }, {{1003, "Due in May"}}, 1001},
        {"PAY", [] { HandlePay(); }, {}, IDOK},
        {"PAYSETUP", [] { HandlePaySetup(); }, {}, IDOK},
        {"SUBACCOUNT", [] { RunSubAccountDialog(2); }, {{1011, "Car Costs"}}, IDOK},
        {"TRANSFER", [] { HandleTransfer(0, 0, 1, 0, 0, 0); }, {{1003, "1.00"}}, IDOK},
        {"XEDIT", [&] { BudgetEdit(check, &owner); }, {}, IDOK},
        {"REMIND", [&] { RemindDialog(check); }, {{1007, "12/20/26"}}, 1201},
        {"TODO", [] { HandleToDo(); }, {{1251, "Call the bank"}}, IDOK},
        {"FIND", [] { RunFindDialog(); }, {{1001, "Landlord"}}, IDOK},
        {"EXPORT", [] { ExportHistory(1, 0); }, {}, IDOK},
        {"CALCULATOR", [] { RunSavingsCalculator(); }, {{1270, "1.00"}, {1271, "1.00"}, {1272, "4.5"}, {1273, "3.0"}, {1274, "12"}}, IDOK},
        {"INTERNATIONAL", [] { HandleInternational(); }, {{1220, "."}, {1221, "2"}, {1222, ","}, {1223, "3"}, {1224, "$"}, {1228, "/"}}, IDOK},
    };
    std::set<std::string> covered;
    for (const auto& c : cases) {
        std::map<int, std::optional<size_t>> reads;
        dialogs.Scripts.push_back([&](ScriptedDialog& d) {
            for (const auto& [id, text] : c.Typed)
                d.Type(id, text);
            d.Click(c.Ok);
            ASSERT_TRUE(d.IsEnded()) << c.Name << " refused the fields: " << host.AllMessages();
            for (const ControlTemplate& control : d.Template().Controls)
                if (control.Kind == ControlKind::Edit)
                    reads[control.Id] = d.ReadLimit(control.Id);
        });
        c.Open();
        ASSERT_TRUE(dialogs.Scripts.empty()) << c.Name << " did not open";
        covered.insert(c.Name);
        std::string error;
        const std::optional<DialogTemplate> dialogTemplate = LoadDialogTemplate(c.Name, error);
        ASSERT_TRUE(dialogTemplate) << error;
        for (const ControlTemplate& edit : dialogTemplate->Controls) {
            if (edit.Kind != ControlKind::Edit)
                continue;
            const std::string where = std::string(c.Name) + " " + std::to_string(edit.Id);
            const std::optional<size_t> read = reads[edit.Id];
            ASSERT_TRUE(read) << where << " is never read";
            if (*read != std::string::npos) {
                EXPECT_EQ(static_cast<size_t>(edit.Limit), *read) << where << ": the limit against what is read";
            }
        }
    }
    for (const DialogTemplate& dialogTemplate : ProgramTemplates()) {
        const bool hasEdits = std::any_of(dialogTemplate.Controls.begin(), dialogTemplate.Controls.end(),
                                          [](const ControlTemplate& c) { return c.Kind == ControlKind::Edit; });
        EXPECT_TRUE(!hasEdits || covered.count(dialogTemplate.Name)) << dialogTemplate.Name << " is not run here";
    }
}
