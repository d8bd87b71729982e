// Loading and checking dialog templates, what their controls hold, and dialog units.
#include "platform/DialogTemplate.h"

#include <QFile>
#include <QFontMetrics>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

#include <cmath>
#include <set>
#include <stdexcept>
#include <utility>

// The resource file lives in a static library; referencing its initialiser keeps it linked.
static void InitDialogResources()
{
    static bool done = false;
    if (!done) {
        Q_INIT_RESOURCE(dialogs);
        done = true;
    }
}

namespace {

constexpr int kMaxDialogUnits = 1000;
constexpr int kMaxControlId = 65535;
constexpr int kMaxEditLimit = 32767;  // the most a line edit can be given

// The first fault found; caught at the top of the parser and turned into its message.
struct TemplateFault : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct KindName {
    const char* Name;
    ControlKind Kind;
    bool NeedsId;
};
constexpr KindName kKinds[] = {
    {"static", ControlKind::Static, false}, {"frame", ControlKind::Frame, true},
    {"edit", ControlKind::Edit, true},      {"button", ControlKind::Button, true},
    {"check", ControlKind::Check, true},    {"radio", ControlKind::Radio, true},
    {"group", ControlKind::Group, false},
};

class Parser {
public:
    DialogTemplate Parse(const QByteArray& json)
    {
        QJsonParseError parseError;
        const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
        if (parseError.error != QJsonParseError::NoError)
            throw TemplateFault("not valid JSON (" + parseError.errorString().toStdString() + " at offset " +
                                std::to_string(parseError.offset) + ")");
        if (!document.isObject())
            throw TemplateFault("the template is not a JSON object");
        const QJsonObject root = document.object();
        CheckKeys(root, {"name", "title", "size", "controls"}, "the template");

        DialogTemplate result;
        result.Name = String(root, "name", "the template", true);
        if (result.Name.empty())
            throw TemplateFault("the template has an empty name");
        where = "dialog template " + result.Name;
        result.Title = String(root, "title", "the template", true);
        const std::vector<int> size = Integers(root, "size", 2, "the template");
        result.Width = InRange(size[0], 1, kMaxDialogUnits, "width", "the template");
        result.Height = InRange(size[1], 1, kMaxDialogUnits, "height", "the template");

        const QJsonValue controls = root.value("controls");
        if (!controls.isArray())
            throw Fault("the template", "\"controls\" must be an array");
        std::set<int> ids;
        bool haveDefault = false;
        int index = 0;
        for (const QJsonValue& value : controls.toArray()) {
            ControlTemplate control = Control(value, index++, result);
            if (control.Id != kNoControlId && !ids.insert(control.Id).second)
                throw Fault("the template", "duplicate control id " + std::to_string(control.Id));
            if (control.Default && std::exchange(haveDefault, true))
                throw Fault("control " + std::to_string(control.Id), "a second default button");
            result.Controls.push_back(std::move(control));
        }
        return result;
    }

private:
    std::string where = "dialog template";

    TemplateFault Fault(const std::string& what, const std::string& message) const
    {
        return TemplateFault(where + ": " + what + ": " + message);
    }

    void CheckKeys(const QJsonObject& object, std::initializer_list<const char*> allowed, const std::string& what)
    {
        for (auto it = object.begin(); it != object.end(); ++it) {
            bool known = false;
            for (const char* key : allowed)
                known = known || it.key() == QLatin1String(key);
            if (!known)
                throw Fault(what, "unknown key \"" + it.key().toStdString() + "\"");
        }
    }

    std::string String(const QJsonObject& object, const char* key, const std::string& what, bool required)
    {
        const QJsonValue value = object.value(key);
        if (value.isUndefined() && !required)
            return {};
        if (!value.isString())
            throw Fault(what, std::string("\"") + key + "\" must be a string");
        // Texts of the program are 8-bit; a character outside Latin-1 cannot be shown by it.
        const QString text = value.toString();
        for (QChar c : text)
            if (c.unicode() > 0xff)
                throw Fault(what, std::string("\"") + key + "\" holds a character outside Latin-1");
        const QByteArray bytes = text.toLatin1();
        return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
    }

    int Integer(const QJsonValue& value, const std::string& what, const char* key)
    {
        const double number = value.toDouble(std::nan(""));
        if (!value.isDouble() || std::floor(number) != number || std::fabs(number) > 1e6)
            throw Fault(what, std::string("\"") + key + "\" must hold whole numbers");
        return static_cast<int>(number);
    }

    std::vector<int> Integers(const QJsonObject& object, const char* key, qsizetype count, const std::string& what)
    {
        const QJsonValue value = object.value(key);
        if (!value.isArray() || value.toArray().size() != count)
            throw Fault(what, std::string("\"") + key + "\" must be an array of " + std::to_string(count) +
                                  " numbers");
        std::vector<int> numbers;
        for (const QJsonValue& item : value.toArray())
            numbers.push_back(Integer(item, what, key));
        return numbers;
    }

    int InRange(int value, int low, int high, const char* name, const std::string& what)
    {
        if (value < low || value > high)
            throw Fault(what, std::string(name) + " " + std::to_string(value) + " is outside " +
                                  std::to_string(low) + " to " + std::to_string(high));
        return value;
    }

    ControlTemplate Control(const QJsonValue& value, int index, const DialogTemplate& dialog)
    {
        std::string what = "control #" + std::to_string(index);
        if (!value.isObject())
            throw Fault(what, "not a JSON object");
        const QJsonObject object = value.toObject();
        ControlTemplate control;

        if (object.contains("id")) {
            control.Id = InRange(Integer(object.value("id"), what, "id"), 1, kMaxControlId, "id", what);
            what = "control " + std::to_string(control.Id);
        }
        const std::string kind = String(object, "kind", what, true);
        const KindName* found = nullptr;
        for (const KindName& entry : kKinds)
            if (kind == entry.Name)
                found = &entry;
        if (!found)
            throw Fault(what, "unknown kind \"" + kind + "\"");
        control.Kind = found->Kind;
        if (found->NeedsId && control.Id == kNoControlId)
            throw Fault(what, "a control of kind \"" + kind + "\" needs an id");

        switch (control.Kind) {
        case ControlKind::Static: CheckKeys(object, {"id", "kind", "text", "rect", "align"}, what); break;
        case ControlKind::Edit: CheckKeys(object, {"id", "kind", "text", "rect", "style", "limit"}, what); break;
        case ControlKind::Button: CheckKeys(object, {"id", "kind", "text", "rect", "default"}, what); break;
        default: CheckKeys(object, {"id", "kind", "text", "rect"}, what); break;
        }

        control.Text = String(object, "text", what, false);
        const std::vector<int> rect = Integers(object, "rect", 4, what);
        InRange(rect[0], 0, dialog.Width - 1, "x", what);
        InRange(rect[1], 0, dialog.Height - 1, "y", what);
        InRange(rect[2], 1, dialog.Width - rect[0], "width", what);
        InRange(rect[3], 1, dialog.Height - rect[1], "height", what);
        control.Rect = QRect(rect[0], rect[1], rect[2], rect[3]);

        if (object.contains("align")) {
            const std::string align = String(object, "align", what, true);
            if (align == "left")
                control.Align = TextAlign::Left;
            else if (align == "center")
                control.Align = TextAlign::Center;
            else if (align == "right")
                control.Align = TextAlign::Right;
            else
                throw Fault(what, "unknown alignment \"" + align + "\"");
        }
        if (object.contains("style")) {
            const QJsonValue styles = object.value("style");
            if (!styles.isArray())
                throw Fault(what, "\"style\" must be an array of names");
            for (const QJsonValue& style : styles.toArray()) {
                const QString name = style.toString();
                if (name == QLatin1String("multiline"))
                    control.Multiline = true;
                else if (name == QLatin1String("readonly"))
                    control.ReadOnly = true;
                else
                    throw Fault(what, "unknown style \"" + name.toStdString() + "\"");
            }
        }
        if (object.contains("limit"))
            control.Limit = InRange(Integer(object.value("limit"), what, "limit"), 1, kMaxEditLimit, "limit", what);
        if (object.contains("default")) {
            if (!object.value("default").isBool())
                throw Fault(what, "\"default\" must be true or false");
            control.Default = object.value("default").toBool();
        }
        return control;
    }
};

int MulDiv(int value, int numerator, int denominator)
{
    // Rounded to the nearest whole number, halves away from zero.
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator : (product - half) / denominator);
}

}  // namespace

std::string WithCrLf(const std::string& text)
{
    std::string result;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            result += "\r\n";
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}

std::string HeldText(const ControlTemplate& control, std::string text)
{
    if (control.Kind != ControlKind::Edit)
        return text;
    if (control.Multiline)
        text = WithCrLf(text);
    if (control.Limit > 0 && text.size() > static_cast<size_t>(control.Limit)) {
        text.resize(static_cast<size_t>(control.Limit));
        if (control.Multiline && text.back() == '\r')
            text.pop_back();
    }
    return text;
}

const ControlTemplate* DialogTemplate::Find(int id) const
{
    if (id == kNoControlId)
        return nullptr;
    for (const ControlTemplate& control : Controls)
        if (control.Id == id)
            return &control;
    return nullptr;
}

std::optional<DialogTemplate> ParseDialogTemplate(const QByteArray& json, std::string& error)
{
    try {
        DialogTemplate result = Parser().Parse(json);
        error.clear();
        return result;
    } catch (const TemplateFault& fault) {
        error = fault.what();
        return std::nullopt;
    }
}

std::optional<DialogTemplate> LoadDialogTemplate(const std::string& name, std::string& error)
{
    InitDialogResources();
    QFile file(QStringLiteral(":/dialogs/") + QString::fromStdString(name) + QStringLiteral(".json"));
    if (!file.open(QIODevice::ReadOnly)) {
        error = "dialog template " + name + " not found";
        return std::nullopt;
    }
    std::optional<DialogTemplate> result = ParseDialogTemplate(file.readAll(), error);
    if (result && result->Name != name) {
        error = "dialog template " + name + ": the file names itself \"" + result->Name + "\"";
        return std::nullopt;
    }
    return result;
}

DialogBaseUnits DialogBaseUnitsOf(const QFont& font)
{
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {(letters / 26 + 1) / 2, metrics.height()};
}

int DialogUnitsToPixelsX(int x, const DialogBaseUnits& units)
{
    return MulDiv(x, units.CharWidth, 4);
}

int DialogUnitsToPixelsY(int y, const DialogBaseUnits& units)
{
    return MulDiv(y, units.CharHeight, 8);
}

QRect DialogUnitsToPixels(const QRect& rect, const DialogBaseUnits& units)
{
    return QRect(DialogUnitsToPixelsX(rect.x(), units), DialogUnitsToPixelsY(rect.y(), units),
                 DialogUnitsToPixelsX(rect.width(), units), DialogUnitsToPixelsY(rect.height(), units));
}
