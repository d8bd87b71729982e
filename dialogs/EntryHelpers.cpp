// The shared parts of the transaction dialogs: account boxes, and the date and amount fields.
#include "dialogs/EntryHelpers.h"

#include "ledger/Recording.h"
#include "model/Dates.h"
#include "model/Globals.h"
#include "model/Money.h"
#include "platform/AccountBox.h"
#include "platform/Dialog.h"
#include "platform/DrawContext.h"

#include <QApplication>

bool ValidSlot(int Mi, int Si)
{
    return Mi >= 0 && Mi < kMainAccounts && Si >= 0 && Si < kSlots && Accounts[Mi][Si].Valid;
}

void DrawDialogAccountBox(DrawContext& dc, int Mi, int Si, int flag)
{
    dc.SetTransparent(true);
    Accounts[Mi][Si].SelectFlag = 0;
    DisplayAccountBox(dc, Mi, Si, 0, 0, flag);
}

void PaintEntryFrame(DrawContext& dc, int frame, int Mi, int Si)
{
    const bool savings = Accounts[Mi][Si].SavingsFlag != 0;
    const bool available = Mi == 0 && Si == 0;
    if (frame == kAccountFrame)
        DrawDialogAccountBox(dc, Mi, Si, 1);
    else if (frame == kCheckbookFrame && !savings)
        DrawDialogAccountBox(dc, 0, 1, 1);
    else if (frame == kAvailableFrame && !savings && !available)
        DrawDialogAccountBox(dc, 0, 0, 1);
}

void SetDialogDatimeAmt(Dialog& dialog, int32_t amount)
{
    char today[kDatimeSize];
    GetDisplayToday(today);
    dialog.SetText(kDateField, today);
    char text[kAmountTextSize];
    I2S(amount, text, 0);
    dialog.SetText(kAmountField, text);
    dialog.FocusAndSelect(kAmountField);
}

int GetDialogDatimeAmt(Dialog& dialog, int32_t* amount, char* theDatime)
{
    // The same reading, and the same messages, as the command line's.
    int32_t value = 0;
    if (!ReadDialogAmount(dialog.Text(kAmountField, kAmountChars).c_str(), &value)) {
        dialog.FocusAndSelect(kAmountField);
        return 0;
    }
    char datime[kDatimeSize];
    if (!GetDialogDatime(dialog, datime, 1, kDateField))
        return 0;
    *amount = value;
    CopyString(datime, theDatime);
    return 1;
}

int GetDialogDatime(Dialog& dialog, char* outText, int msgFlag, int field)
{
    const std::string text = dialog.Text(field, kDateChars);
    char datime[kDatimeSize] = {};
    const int valid = msgFlag ? ReadDialogDatime(text.c_str(), datime) : ConvertInputDatime(text.c_str(), datime);
    if (!valid) {
        if (msgFlag)
            dialog.FocusAndSelect(field);
        return 0;
    }
    CopyString(datime, outText);
    return 1;
}

QWidget* DialogOwner()
{
    return QApplication::activeWindow();
}

DialogContext::DialogContext(int Mi, int Si, AHistory* record, int flag)
    : keptMi(gMi), keptSi(gSi), keptMi2(gMi2), keptSi2(gSi2), keptRecord(gHPtr), keptAmount(gAmount),
      keptFlag(gDflag1)
{
    gMi = Mi;
    gSi = Si;
    gHPtr = record;
    gDflag1 = flag;
}

DialogContext::~DialogContext()
{
    gMi = keptMi;
    gSi = keptSi;
    gMi2 = keptMi2;
    gSi2 = keptSi2;
    gHPtr = keptRecord;
    gAmount = keptAmount;
    gDflag1 = keptFlag;
}

void DialogContext::SetTransfer(int Mi2, int Si2, int32_t amount)
{
    gMi2 = Mi2;
    gSi2 = Si2;
    gAmount = amount;
}
