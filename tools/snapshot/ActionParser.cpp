#include "tools/snapshot/ActionParser.h"

#include "chart/panel/TChart.h"
#include "ui/TBitBtn.h"
#include "ui/TComboBox.h"
#include "ui/TEdit.h"
#include "ui/TForm.h"
#include "ui/TLabel.h"
#include "ui/TTrackBar.h"

#include <map>
#include <optional>

namespace rna::tools {

namespace {

using Kind = SnapshotAction::Kind;

[[noreturn]] void Fail(const SnapshotAction& action, const QString& problem)
{
    throw ActionError(QStringLiteral("action '%1': %2").arg(action.argument, problem).toStdString());
}

// The keys a slider takes.
const std::map<QString, Qt::Key>& SliderKeys()
{
    static const std::map<QString, Qt::Key> keys{
        {QStringLiteral("Left"), Qt::Key_Left},     {QStringLiteral("Right"), Qt::Key_Right},
        {QStringLiteral("Up"), Qt::Key_Up},         {QStringLiteral("Down"), Qt::Key_Down},
        {QStringLiteral("PageUp"), Qt::Key_PageUp}, {QStringLiteral("PageDown"), Qt::Key_PageDown},
        {QStringLiteral("Home"), Qt::Key_Home},     {QStringLiteral("End"), Qt::Key_End},
    };
    return keys;
}

// The keys any focused control may be given: the slider keys and those that move the focus, edit or confirm.
const std::map<QString, Qt::Key>& AnyKeys()
{
    static const std::map<QString, Qt::Key> keys = [] {
        std::map<QString, Qt::Key> all = SliderKeys();
        all.insert({{QStringLiteral("Enter"), Qt::Key_Return},
                    {QStringLiteral("Escape"), Qt::Key_Escape},
                    {QStringLiteral("Tab"), Qt::Key_Tab},
                    {QStringLiteral("Space"), Qt::Key_Space},
                    {QStringLiteral("Backspace"), Qt::Key_Backspace},
                    {QStringLiteral("Delete"), Qt::Key_Delete}});
        return all;
    }();
    return keys;
}

Qt::Key KeyNamed(const SnapshotAction& action, const std::map<QString, Qt::Key>& keys, const QString& name)
{
    const auto found = keys.find(name);
    if (found == keys.end())
        Fail(action, QStringLiteral("unknown key '%1'").arg(name));
    return found->second;
}

int NumberIn(const SnapshotAction& action, const QString& text, int min, int max)
{
    bool ok = false;
    const int number = text.toInt(&ok);
    if (!ok || number < min || number > max)
        Fail(action, QStringLiteral("'%1' is not a whole number from %2 to %3").arg(text).arg(min).arg(max));
    return number;
}

// A locale whose numbers are written with that decimal separator, for announcing it as the system's.
std::optional<QLocale> LocaleWritingDecimal(const QString& separator)
{
    for (const QLocale& locale :
         QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory))
        if (locale.decimalPoint() == separator)
            return locale;
    return std::nullopt;
}

const QString* Required(const SnapshotAction& action, const QString* value)
{
    if (!value)
        Fail(action, QStringLiteral("a value is needed after '='"));
    return value;
}

void Unexpected(const SnapshotAction& action, const QString* value)
{
    if (value)
        Fail(action, QStringLiteral("takes no value"));
}

// A drag starts where the user can press, inside the chart, and may end outside it, as the chart keeps the
// pointer while a button is down.
constexpr int DragBeyondChart = 1000;

void ParseChartDrag(SnapshotAction& action, const QWidget& chart, const QString& value)
{
    const QStringList parts = value.split(QLatin1Char(','));
    if (parts.size() != 5)
        Fail(action, QStringLiteral("a drag is BUTTON,X0,Y0,X1,Y1"));
    if (parts[0] == QLatin1String("left"))
        action.button = Qt::LeftButton;
    else if (parts[0] == QLatin1String("right"))
        action.button = Qt::RightButton;
    else
        Fail(action, QStringLiteral("unknown mouse button '%1' (left or right)").arg(parts[0]));
    action.from =
        QPoint(NumberIn(action, parts[1], 0, chart.width() - 1), NumberIn(action, parts[2], 0, chart.height() - 1));
    action.to = QPoint(NumberIn(action, parts[3], -DragBeyondChart, chart.width() - 1 + DragBeyondChart),
                       NumberIn(action, parts[4], -DragBeyondChart, chart.height() - 1 + DragBeyondChart));
}

}  // namespace

std::vector<SnapshotAction> ActionParser::ParseAll(const QStringList& arguments) const
{
    std::vector<SnapshotAction> actions;
    for (const QString& argument : arguments)
        actions.push_back(Parse(argument));
    return actions;
}

SnapshotAction ActionParser::Parse(const QString& argument) const
{
    SnapshotAction action;
    action.argument = argument;
    // Only the first '=' separates: a typed text may hold more of them.
    const qsizetype equals = argument.indexOf(QLatin1Char('='));
    const QString head = equals < 0 ? argument : argument.left(equals);
    const QString valueText = equals < 0 ? QString() : argument.mid(equals + 1);
    const QString* value = equals < 0 ? nullptr : &valueText;
    const qsizetype colon = head.indexOf(QLatin1Char(':'));
    if (colon >= 0)
        return ParseControlAction(head.left(colon), head.mid(colon + 1), value, action);
    if (window_.findComponent(head))
        return ParseControlAction(head, QString(), value, action);
    return ParseWindowAction(head, value, action);
}

SnapshotAction ActionParser::ParseWindowAction(const QString& head, const QString* value, SnapshotAction action) const
{
    if (head == QLatin1String("hide") || head == QLatin1String("show")) {
        Unexpected(action, value);
        action.kind = head == QLatin1String("hide") ? Kind::HideWindow : Kind::ShowWindow;
    } else if (head == QLatin1String("key")) {
        action.kind = Kind::FocusedKey;
        action.key = KeyNamed(action, AnyKeys(), *Required(action, value));
    } else if (head == QLatin1String("separator")) {
        action.kind = Kind::DecimalSeparator;
        const QString separator = *Required(action, value);
        const std::optional<QLocale> locale = separator.size() == 1 ? LocaleWritingDecimal(separator) : std::nullopt;
        if (!locale)
            Fail(action, QStringLiteral("no system number setting writes the decimal separator '%1'").arg(separator));
        action.locale = *locale;
    } else {
        Fail(action, QStringLiteral("no control or action '%1' in %2").arg(head, window_.name()));
    }
    return action;
}

SnapshotAction ActionParser::ParseControlAction(const QString& name, const QString& verb, const QString* value,
                                                SnapshotAction action) const
{
    QObject* control = window_.findComponent(name);
    if (!control)
        Fail(action, QStringLiteral("no control '%1' in %2").arg(name, window_.name()));
    action.control = control;
    if (auto* slider = qobject_cast<rna::ui::TTrackBar*>(control); slider && verb.isEmpty()) {
        action.kind = Kind::DragSlider;
        action.number = NumberIn(action, *Required(action, value), slider->min(), slider->max());
    } else if (slider && verb == QLatin1String("key")) {
        action.kind = Kind::SliderKey;
        action.key = KeyNamed(action, SliderKeys(), *Required(action, value));
    } else if (auto* list = qobject_cast<rna::ui::TComboBox*>(control); list && verb.isEmpty()) {
        action.kind = Kind::PickListItem;
        action.number = NumberIn(action, *Required(action, value), 0, list->count() - 1);
    } else if (list && verb == QLatin1String("text")) {
        action.kind = Kind::TypeListText;
        action.text = *Required(action, value);
    } else if (qobject_cast<rna::ui::TEdit*>(control) && verb == QLatin1String("text")) {
        action.kind = Kind::TypeEditText;
        action.text = *Required(action, value);
    } else if (qobject_cast<rna::ui::TLabel*>(control) && verb == QLatin1String("click")) {
        Unexpected(action, value);
        action.kind = Kind::ClickLabel;
    } else if (qobject_cast<rna::ui::TBitBtn*>(control) && verb == QLatin1String("click")) {
        Unexpected(action, value);
        action.kind = Kind::ClickButton;
    } else if (auto* chart = qobject_cast<rna::chart::TChart*>(control); chart && verb == QLatin1String("drag")) {
        action.kind = Kind::DragChart;
        ParseChartDrag(action, *chart, *Required(action, value));
    } else if (chart && verb == QLatin1String("wheel")) {
        action.kind = Kind::TurnWheel;
        action.number = NumberIn(action, *Required(action, value), -100, 100);
    } else {
        Fail(action, QStringLiteral("%1 takes no such action").arg(name));
    }
    return action;
}

}  // namespace rna::tools
