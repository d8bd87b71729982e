// The Preference and International Settings dialogs of the Edit menu and the font choosers of
// the preference dialog.
#pragma once

#include <functional>

class QFont;
class QWidget;

// Runs "PREFERENCE": the preferences are kept aside until OK stores them; a history font chosen
// meanwhile is stored at once and stays when the dialog is cancelled.
void HandlePreference();
// Runs "INTERNATIONAL": every change is used at once (the examples and every window follow);
// OK is refused, with the focus on the field, while the settings would misread amounts or
// dates; Cancel puts the settings back as they were.
void HandleInternational();

// The history font chooser: starts from the budget's history font (the program's font before
// one was chosen); a confirmed font becomes the budget's and every window follows.
void HandleHistoryFont();
// The print font chooser: starts from the budget's print font (the program's font before one was
// chosen); a confirmed font becomes the budget's, its size kept in tenths of a point.
void HandlePrintFont();

// Test hook: the font chooser in place of the platform's (true when the user confirms `font`).
// Installs `chooser` (an empty function puts the platform's back) and returns the one replaced.
using FontChooser = std::function<bool(QFont& font, QWidget* owner)>;
FontChooser ReplaceFontChooser(FontChooser chooser);
