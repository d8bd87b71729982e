// The Find dialog: the criteria shown and read through the shared reader, AND or OR, the two
// boxes, Clear All, and the three searches.
#include "dialogs/FindDialog.h"
#include "dialogs/EntryHelpers.h"

#include "find/Find.h"
#include "model/Host.h"
#include "platform/Dialog.h"

#include <string>

namespace {

constexpr int kPayeeField = 1001;
constexpr int kForField = 1004;
constexpr int kMemoField = 1005;
constexpr int kAmountField = 1003;
constexpr int kBalanceField = 1044;
constexpr int kNumberField = 1006;
constexpr int kMonthField = 1045;
constexpr int kYearField = 1046;
constexpr int kAndRadio = 1047;
constexpr int kOrRadio = 1048;
constexpr int kIgnoreCaseBox = 1049;
constexpr int kTaxBox = 1008;
constexpr int kFindButton = IDOK;
constexpr int kFindNextButton = 1041;
constexpr int kFindAllButton = 1043;
constexpr int kClearAllButton = 1042;
constexpr size_t kShortFieldChars = 15;  // amount, balance, check number, month and year

// Each field with the part of the texts it holds and the characters it takes.
struct FieldOf {
    int Id;
    FindField Field;
    std::string FindTexts::*Text;
    size_t Chars;
};
const FieldOf kFields[] = {
    {kPayeeField, FindField::Payee, &FindTexts::Payee, kPayeeChars},
    {kForField, FindField::For, &FindTexts::For, kForChars},
    {kMemoField, FindField::Memo, &FindTexts::Memo, kMemoChars},
    {kAmountField, FindField::Amount, &FindTexts::Amount, kShortFieldChars},
    {kBalanceField, FindField::Balance, &FindTexts::Balance, kShortFieldChars},
    {kNumberField, FindField::Number, &FindTexts::Number, kShortFieldChars},
    {kMonthField, FindField::Month, &FindTexts::Month, kShortFieldChars},
    {kYearField, FindField::Year, &FindTexts::Year, kShortFieldChars},
};

class FindDialogProcedure final : public DialogProcedure {
public:
    void Init(Dialog& dialog) override
    {
        ClearFound();
        Show(dialog, FindCriteriaTexts(gFindCriteria));
        dialog.FocusAndSelect(kPayeeField);
    }

    void Command(Dialog& dialog, int id, int notification) override
    {
        if (notification != kClicked)
            return;
        switch (id) {
        case kAndRadio:
        case kOrRadio:
            dialog.CheckRadio(kAndRadio, kOrRadio, id);
            break;
        case kIgnoreCaseBox:
        case kTaxBox:
            dialog.SetChecked(id, !dialog.Checked(id));
            break;
        case kClearAllButton:
            gFindCriteria = {};
            Show(dialog, {});
            break;
        case kFindButton:
            Search(dialog, FindStep::Find);
            break;
        case kFindNextButton:
            Search(dialog, FindStep::FindNext);
            break;
        case kFindAllButton:
            Search(dialog, FindStep::FindAll);
            break;
        case IDCANCEL:
            dialog.End(0);
            break;
        default:
            break;
        }
    }

private:
    static void Show(Dialog& dialog, const FindTexts& texts)
    {
        for (const FieldOf& f : kFields)
            dialog.SetText(f.Id, texts.*f.Text);
        dialog.CheckRadio(kAndRadio, kOrRadio, texts.Or ? kOrRadio : kAndRadio);
        dialog.SetChecked(kIgnoreCaseBox, texts.IgnoreCase);
        dialog.SetChecked(kTaxBox, texts.Tax);
    }

    // Every field is read before the search starts; one that cannot be read is told and keeps
    // the dialog open with the criteria as they were.
    static void Search(Dialog& dialog, FindStep step)
    {
        FindTexts texts;
        for (const FieldOf& f : kFields)
            texts.*f.Text = dialog.Text(f.Id, f.Chars);
        texts.Or = dialog.Checked(kOrRadio);
        texts.IgnoreCase = dialog.Checked(kIgnoreCaseBox);
        texts.Tax = dialog.Checked(kTaxBox);
        FindCriteria criteria;
        const FindField refused = ReadFindCriteria(texts, criteria);
        if (refused != FindField::None) {
            for (const FieldOf& f : kFields)
                if (f.Field == refused)
                    dialog.FocusAndSelect(f.Id);
            return;
        }
        gFindCriteria = criteria;
        BeginFind(step);
        dialog.End(1);
    }
};

}  // namespace

int RunFindDialog()
{
    FindDialogProcedure procedure;
    return RunDialog("FIND", procedure, DialogOwner()) == 1 ? 1 : 0;
}
