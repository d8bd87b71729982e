// The Preference and International Settings dialogs and the history font chooser. What they
// store and refuse is decided by the settings functions budget-cli uses too.
#include "dialogs/SettingsDialogs.h"

#include "dialogs/EntryHelpers.h"
#include "ledger/Settings.h"
#include "model/Dates.h"
#include "model/Globals.h"
#include "model/Host.h"
#include "model/Initialize.h"
#include "model/Messages.h"
#include "model/Money.h"
#include "platform/Dialog.h"
#include "platform/DrawContext.h"

#include <QApplication>
#include <QFontDialog>
#include <QFontInfo>

#include <algorithm>
#include <cstring>
#include <string>

namespace {

// Preference
constexpr int kAllowBox = 1014;
constexpr int kWarnBox = 1015;
constexpr int kDollarBox = 1016;
constexpr int kDebitBox = 1017;
constexpr int kCalendarBox = 1018;
constexpr int kByDate = 1210;
constexpr int kByType = 1211;
constexpr int kDefault = 1001;
constexpr int kHistoryFontButton = 1002;
constexpr int kPrintFontButton = 1003;

// International
constexpr int kDecimalSymbol = 1220;
constexpr int kDecimalPlaces = 1221;
constexpr int kGroupSymbol = 1222;
constexpr int kGroupSize = 1223;
constexpr int kCurrency = 1224;
constexpr int kBeforeNumber = 1225;
constexpr int kAfterNumber = 1226;
constexpr int kSpaceBox = 1227;
constexpr int kDateSeparator = 1228;
constexpr int kMonthFirst = 1229;
constexpr int kDayFirst = 1230;
constexpr int kYearFirst = 1231;
constexpr int kDateExample = 1232;
constexpr int kAmountExample = 1233;

constexpr size_t kCurrencyChars = 3;
constexpr size_t kCountChars = 4;
// A count that is no whole number 0 or more is kept as one the check refuses, so OK cannot
// store a number other than the one shown.
constexpr signed char kNotACount = -1;

class PreferenceProcedure final : public DialogProcedure {
public:
    void Init(Dialog& dialog) override
    {
        prefs = ReadPreferences();
        prefs.Warn = prefs.Warn && prefs.Allow;
        Fill(dialog);
    }

    void Command(Dialog& dialog, int id, int notification) override
    {
        if (notification != kClicked)
            return;
        switch (id) {
        case kAllowBox:
            prefs.Allow = !prefs.Allow;
            prefs.Warn = prefs.Allow;  // allowing starts with the warning on
            break;
        case kWarnBox:
            prefs.Warn = !prefs.Warn;
            break;
        case kDollarBox:
            prefs.Dollar = !prefs.Dollar;
            break;
        case kDebitBox:
            prefs.Debit = !prefs.Debit;
            break;
        case kCalendarBox:
            prefs.CalendarAtStart = !prefs.CalendarAtStart;
            break;
        case kByDate:
        case kByType:
            prefs.SortByDate = id == kByDate;
            break;
        case kDefault:
            // The calendar box keeps its state.
            prefs = Preferences{.CalendarAtStart = prefs.CalendarAtStart};
            break;
        case kHistoryFontButton:
            HandleHistoryFont();
            return;
        case kPrintFontButton:
            HandlePrintFont();
            return;
        case IDOK:
            ApplyPreferences(prefs);
            dialog.End(1);
            return;
        case IDCANCEL:
            dialog.End(0);
            return;
        default:
            return;
        }
        Fill(dialog);
    }

private:
    void Fill(Dialog& dialog) const
    {
        dialog.SetChecked(kAllowBox, prefs.Allow);
        dialog.SetChecked(kWarnBox, prefs.Warn);
        dialog.Enable(kWarnBox, prefs.Allow);
        dialog.SetChecked(kDollarBox, prefs.Dollar);
        dialog.SetChecked(kDebitBox, prefs.Debit);
        dialog.SetChecked(kCalendarBox, prefs.CalendarAtStart);
        dialog.CheckRadio(kByDate, kByType, prefs.SortByDate ? kByDate : kByType);
    }

    Preferences prefs;
};

std::string SymbolText(char symbol)
{
    return symbol == '\0' ? std::string() : std::string(1, symbol);
}

signed char ReadCount(const std::string& text)
{
    if (text.empty() || CheckNumbers(text.c_str()) == 0)
        return kNotACount;
    const int value = std::stoi(text);  // at most 4 digits
    return static_cast<signed char>(value > 127 ? 127 : value);
}

int FieldControl(IntField field)
{
    switch (field) {
    case IntField::DecimalSymbol:
        return kDecimalSymbol;
    case IntField::DecimalPlaces:
        return kDecimalPlaces;
    case IntField::GroupSymbol:
        return kGroupSymbol;
    case IntField::GroupSize:
        return kGroupSize;
    case IntField::Currency:
        return kCurrency;
    case IntField::DateSeparator:
    case IntField::None:
        break;
    }
    return kDateSeparator;
}

class InternationalProcedure final : public DialogProcedure {
public:
    void Init(Dialog& dialog) override
    {
        saved = gIntRec;
        ShowInternational(dialog, true);
        dialog.FocusAndSelect(kDecimalSymbol);
    }

    void Command(Dialog& dialog, int id, int notification) override
    {
        if (notification == kTextChanged) {
            if (!ReadField(dialog, id))
                return;
            Changed(dialog, false);
            return;
        }
        if (notification != kClicked)
            return;
        int flags = gIntRec.Flag1;
        switch (id) {
        case kBeforeNumber:
            flags &= ~kIntSymbolAfter;
            break;
        case kAfterNumber:
            flags |= kIntSymbolAfter;
            break;
        case kSpaceBox:
            flags ^= kIntSymbolSpace;
            break;
        case kMonthFirst:
        case kDayFirst:
        case kYearFirst:
            flags = WithDateOrder(static_cast<signed char>(flags), id == kMonthFirst ? DateOrder::MonthDayYear
                                                                   : id == kDayFirst ? DateOrder::DayMonthYear
                                                                                     : DateOrder::YearMonthDay);
            break;
        case kDefault:
            SetInternationalDefaults(gIntRec);
            Changed(dialog, true);
            return;
        case IDOK:
            if (const IntProblem problem = ApplyInternational(gIntRec); problem.Field != IntField::None)
                dialog.FocusAndSelect(FieldControl(problem.Field));
            else
                dialog.End(1);
            return;
        case IDCANCEL:
            gIntRec = saved;
            GetHost().SettingsChanged();
            dialog.End(0);
            return;
        default:
            return;
        }
        gIntRec.Flag1 = static_cast<signed char>(flags);
        Changed(dialog, true);
    }

private:
    // The edit's text into its field of gIntRec; false for a control that is no field.
    static bool ReadField(const Dialog& dialog, int id)
    {
        switch (id) {
        case kDecimalSymbol:
        case kGroupSymbol:
        case kDateSeparator: {
            const std::string text = dialog.Text(id, 1);
            const char symbol = text.empty() ? '\0' : text[0];
            (id == kDecimalSymbol ? gIntRec.DecimalSymbol
                                  : id == kGroupSymbol ? gIntRec.GroupSymbol : gIntRec.DateSeperator) = symbol;
            return true;
        }
        case kDecimalPlaces:
            gIntRec.DecimalPlaces = ReadCount(dialog.Text(id, kCountChars));
            return true;
        case kGroupSize:
            gIntRec.GroupSize = ReadCount(dialog.Text(id, kCountChars));
            return true;
        case kCurrency: {
            const std::string text = dialog.Text(id, kCurrencyChars);
            std::memset(gIntRec.DollarSymbol, 0, sizeof gIntRec.DollarSymbol);
            std::memcpy(gIntRec.DollarSymbol, text.data(), text.size());
            return true;
        }
        default:
            return false;
        }
    }

    // Every window follows the settings as they are; the dialog shows them (all its fields, or
    // only the examples while a field is being typed in).
    static void Changed(Dialog& dialog, bool fill)
    {
        ShowInternational(dialog, fill);
        GetHost().SettingsChanged();
    }

    static void ShowInternational(Dialog& dialog, bool fill)
    {
        if (fill) {
            dialog.SetText(kDecimalSymbol, SymbolText(gIntRec.DecimalSymbol));
            dialog.SetText(kDecimalPlaces, std::to_string(gIntRec.DecimalPlaces));
            dialog.SetText(kGroupSymbol, SymbolText(gIntRec.GroupSymbol));
            dialog.SetText(kGroupSize, std::to_string(gIntRec.GroupSize));
            dialog.SetText(kCurrency, RecordText(gIntRec.DollarSymbol).substr(0, kCurrencyChars));
            dialog.SetText(kDateSeparator, SymbolText(gIntRec.DateSeperator));
            dialog.CheckRadio(kBeforeNumber, kAfterNumber,
                              (gIntRec.Flag1 & kIntSymbolAfter) ? kAfterNumber : kBeforeNumber);
            dialog.SetChecked(kSpaceBox, (gIntRec.Flag1 & kIntSymbolSpace) != 0);
            const DateOrder order = CurrentDateOrder();
            dialog.CheckRadio(kMonthFirst, kYearFirst,
                              order == DateOrder::DayMonthYear   ? kDayFirst
                              : order == DateOrder::YearMonthDay ? kYearFirst
                                                                 : kMonthFirst);
        }
        char amount[kAmountTextSize];
        I2S(123456, amount, 0);
        dialog.SetText(kAmountExample, amount);
        char today[kDatimeSize];
        GetDisplayToday(today);
        dialog.SetText(kDateExample, today);
    }

    International saved{};
};

FontChooser& InstalledFontChooser()
{
    static FontChooser chooser;
    return chooser;
}

bool ChooseFont(QFont& font, QWidget* owner, const char* title)
{
    if (const FontChooser& chooser = InstalledFontChooser())
        return chooser(font, owner);
    bool confirmed = false;
    const QFont chosen = QFontDialog::getFont(&confirmed, font, owner, QString::fromLatin1(title));
    if (confirmed)
        font = chosen;
    return confirmed;
}

}  // namespace

void HandlePreference()
{
    PreferenceProcedure procedure;
    RunDialog("PREFERENCE", procedure, DialogOwner());
}

void HandleInternational()
{
    InternationalProcedure procedure;
    RunDialog("INTERNATIONAL", procedure, DialogOwner());
}

void HandleHistoryFont()
{
    if (!gBudget.HFontSet)
        gBudget.HistoryFont = LogFontFromFont(QApplication::font());
    QFont font = FontFromLogFont(gBudget.HistoryFont);
    if (!ChooseFont(font, DialogOwner(), "Select History Font"))
        return;
    gBudget.HistoryFont = LogFontFromFont(font);
    gBudget.HFontSet = 1;
    gBudgetFileChanged = 1;
    GetHost().SettingsChanged();
}

void HandlePrintFont()
{
    if (!gBudget.PFontSet)
        gBudget.PrintFont = LogFontFromFont(QApplication::font());
    QFont font = FontFromLogFont(gBudget.PrintFont);
    if (gBudget.PFontSet && gBudget.PrintFontSize > 0)
        font.setPointSizeF(gBudget.PrintFontSize / 10.0);
    if (!ChooseFont(font, DialogOwner(), "Select Print Font"))
        return;
    // The size is kept in tenths of a point, so that a check prints it at the printer's resolution.
    const double points = font.pointSizeF() > 0 ? font.pointSizeF() : QFontInfo(font).pointSizeF();
    gBudget.PrintFont = LogFontFromFont(font);
    gBudget.PrintFontSize = std::max(1, static_cast<int>(points * 10 + 0.5));
    gBudget.PFontSet = 1;
    gBudgetFileChanged = 1;
}

FontChooser ReplaceFontChooser(FontChooser chooser)
{
    FontChooser previous = std::move(InstalledFontChooser());
    InstalledFontChooser() = std::move(chooser);
    return previous;
}
