// Pay Setup (the pay sources and the next check number) and Pay Entry (ticking the pays that
// arrived and spreading them over the accounts), with the pay list Multiple Deposit shares.
#pragma once

#include "model/Records.h"
#include "platform/Dialog.h"

// The pay boxes of Pay Entry and Multiple Deposit: box kFirstPayBox + i is pay source i.
constexpr int kFirstPayBox = 1001;

// Runs "Pay Setup"; 1 after OK (everything stored, with its log entries), 0 after Cancel
// (the budget as it was).
int HandlePaySetup();

// The Enter Pay command: without a pay source Pay Setup comes first, and its Cancel ends the
// command; then "Pay Entry" for today's date.
void HandlePay();

// (Re)builds the pay list of an open dialog for the stored-form date theDatime: box
// kFirstPayBox + i shows source i's pay of the month on that date with its amount (PayEntryText),
// for each source in use. With initFlag all three boxes are hidden first and every tick is
// cleared, as on opening and after the date changed; without it the ticks are kept (the texts
// and pay numbers only follow the date). The boxes show ticks[].
void DialogPaySetup(Dialog& dialog, const char* theDatime, bool initFlag, bool ticks[kPayers]);

// A click on control id: when it is a pay box, its tick is toggled in ticks[] and on screen and
// true is returned; any other control gives false.
bool ClickPayBox(Dialog& dialog, int id, bool ticks[kPayers]);

// What Pay Entry and Multiple Deposit share: the date field opening on today, the pay list that
// follows the date as it is typed (a new date starts with nothing ticked), the pay boxes, the
// Checkbook in its frame, and Cancel. OK goes to Record.
class PayListDialog : public DialogProcedure {
public:
    void Init(Dialog& dialog) override;
    void Command(Dialog& dialog, int id, int notification) override;
    void Paint(Dialog& dialog, int id, DrawContext& dc) override;

protected:
    virtual void Record(Dialog& dialog) = 0;

    bool ticks[kPayers] = {};
};
