// What every transaction dialog shares: the account boxes painted into its frames, filling and
// reading its date (1007) and amount (1003) fields, the lengths its texts are cut to, and the
// window it belongs to.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "ledger/Recording.h"
#include "model/Money.h"
#include "model/Records.h"

class Dialog;
class DrawContext;
class QWidget;

// Controls every transaction dialog has under the same id.
constexpr int kAmountField = 1003;
constexpr int kDateField = 1007;
constexpr int kRemindBox = 1207;
// Frames of the account boxes: the Checkbook (or the account money leaves), "Available", and the
// account the transaction is on (or the account money goes to).
constexpr int kCheckbookFrame = 1021;
constexpr int kAvailableFrame = 1022;
constexpr int kAccountFrame = 1023;

// How much of the amount and date fields is taken; longer text is cut without a word. The texts'
// lengths (kPayeeChars, kForChars, kMemoChars) come with the records they are stored in, and
// budget-cli cuts alike.
constexpr size_t kAmountChars = 15;
constexpr size_t kDateChars = 15;

// 1 when (Mi, Si) lies in the grid and is an account.
bool ValidSlot(int Mi, int Si);

// Paints the box of slot (Mi, Si) at the top-left corner of a frame, never as selected.
// flag 1: the slot's own name and balance; 0: a category by its title and sub-account total.
void DrawDialogAccountBox(DrawContext& dc, int Mi, int Si, int flag);

// The frames of a one-account dialog on slot (Mi, Si): 1023 the account itself and, unless it is
// a savings account, 1021 the Checkbook and 1022 "Available" (not when the account is "Available").
void PaintEntryFrame(DrawContext& dc, int frame, int Mi, int Si);

// Today's date (display form) into 1007, the amount with currency symbol into 1003, and the
// focus on the amount with its text selected.
void SetDialogDatimeAmt(Dialog& dialog, int32_t amount);

// Reads the amount (1 to 100000000), then the date; 1 and both written when valid, else 0 after
// the message, with the focus on the faulty field.
int GetDialogDatimeAmt(Dialog& dialog, int32_t* amount, char* theDatime);

// Reads the date typed into `field` and completes it into the stored form; 1 when it is a date.
// With msgFlag 0 a fault is silent (checks while the user types); otherwise it is told and the
// field gets the focus.
int GetDialogDatime(Dialog& dialog, char* outText, int msgFlag, int field);

// The window in the foreground, which owns the dialog about to open (none without one).
QWidget* DialogOwner();

// The dialog context a dialog is opened with (gMi, gSi, gHPtr, gDflag1; gMi2, gSi2 and gAmount for
// a transfer), set for as long as the object lives and every one of them put back as it was
// afterwards: a dialog opened while another is open (the Available Transfer a withdrawal asks
// for) leaves the other's context as it found it, and no dialog leaves its record behind.
class DialogContext {
public:
    DialogContext(int Mi, int Si, AHistory* record = nullptr, int flag = 0);
    ~DialogContext();
    DialogContext(const DialogContext&) = delete;
    DialogContext& operator=(const DialogContext&) = delete;

    // The account a transfer goes to, and the amount it proposes.
    void SetTransfer(int Mi2, int Si2, int32_t amount);

private:
    int keptMi, keptSi, keptMi2, keptSi2;
    AHistory* keptRecord;
    int32_t keptAmount;
    int keptFlag;
};

