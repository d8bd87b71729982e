// Dialog templates: the title, size and controls of a dialog kept as JSON data under
// resources/dialogs/, their loader and checks, and the conversion of dialog units to pixels.
#pragma once

#include <QByteArray>
#include <QFont>
#include <QRect>

#include <optional>
#include <string>
#include <vector>

enum class ControlKind {
    Static,  // a label
    Frame,   // an empty static the dialog procedure paints into
    Edit,    // single- or multi-line text field
    Button,  // push button
    Check,   // check box
    Radio,   // radio button
    Group,   // group box: a titled frame around other controls
};

enum class TextAlign { Left, Center, Right };

// Controls without an id (labels that are never addressed) carry kNoControlId.
constexpr int kNoControlId = -1;

struct ControlTemplate {
    int Id = kNoControlId;
    ControlKind Kind = ControlKind::Static;
    std::string Text;
    QRect Rect;                         // dialog units
    TextAlign Align = TextAlign::Left;  // statics only
    bool Multiline = false;             // edits: Enter starts a new line
    bool ReadOnly = false;              // edits
    int Limit = 0;                      // edits: the most characters the field holds (0: no limit)
    bool Default = false;               // buttons: the one Enter presses
};

struct DialogTemplate {
    std::string Name;   // "CHECK"
    std::string Title;  // "Write Check"
    int Width = 0;      // dialog units
    int Height = 0;
    std::vector<ControlTemplate> Controls;  // in creation (and tab) order

    const ControlTemplate* Find(int id) const;
};

// Line breaks of a multi-line edit as the program reads them: carriage return and line feed.
std::string WithCrLf(const std::string& text);
// What `control` holds of `text`: an edit's text as its dialog reads it back (a multi-line edit's
// lines end in CR LF, and an edit with a limit keeps its first characters up to it, never half a
// line break); any other control's as it is.
std::string HeldText(const ControlTemplate& control, std::string text);

// Reads a template from its JSON text. Anything malformed (bad JSON, a missing or mistyped field,
// an unknown key, kind or style, a duplicate id, a control outside the dialog) is refused:
// the result is empty and `error` says what is wrong and where.
std::optional<DialogTemplate> ParseDialogTemplate(const QByteArray& json, std::string& error);

// Loads the compiled-in template resources/dialogs/NAME.json; its "name" must be `name`.
std::optional<DialogTemplate> LoadDialogTemplate(const std::string& name, std::string& error);

// The dialog base units of a font: the average width of the letters A-Z and a-z, rounded, and
// the character height, as the windowing system measures them for dialogs.
struct DialogBaseUnits {
    int CharWidth = 0;
    int CharHeight = 0;
};
DialogBaseUnits DialogBaseUnitsOf(const QFont& font);

// Dialog units to pixels: x and widths in quarters of the average character width, y and heights
// in eighths of the character height, each rounded to the nearest pixel.
int DialogUnitsToPixelsX(int x, const DialogBaseUnits& units);
int DialogUnitsToPixelsY(int y, const DialogBaseUnits& units);
QRect DialogUnitsToPixels(const QRect& rect, const DialogBaseUnits& units);
