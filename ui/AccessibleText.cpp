#include "ui/AccessibleText.h"

#include "ui/TGraphicControl.h"

#include <QAccessible>
#include <QVariant>
#include <QWidget>
#include <type_traits>
#include <utility>

namespace rna::ui {

namespace {

const char* const kPatternProperty = "rnaAccessibleDescriptionPattern";

// The controls whose descriptions take field values from their window's code.
struct Described {
    AccessibleFieldsSource source;
    bool owed = false;  // the values changed since the description was last worked out
};

std::map<const QObject*, Described>& described()
{
    static std::map<const QObject*, Described> controls;
    return controls;
}

// Applies the action to the control as the kind that holds its accessible texts: a windowed control (QWidget) or
// a painted one (TGraphicControl); other objects have none, and the action's default value is given back.
template <typename Object, typename Action>
auto onAccessible(Object& control, Action action)
{
    using Widget = std::conditional_t<std::is_const_v<Object>, const QWidget, QWidget>;
    using Graphic = std::conditional_t<std::is_const_v<Object>, const TGraphicControl, TGraphicControl>;
    if (auto* widget = qobject_cast<Widget*>(&control))
        return action(*widget);
    if (auto* graphic = qobject_cast<Graphic*>(&control))
        return action(*graphic);
    using Result = decltype(action(std::declval<Widget&>()));
    if constexpr (!std::is_void_v<Result>)
        return Result{};
}

void setDescriptionText(QObject& control, const QString& text)
{
    // Qt announces a widget's description as changed whenever it is set: only a new text is set.
    onAccessible(control, [&](auto& c) {
        if (c.accessibleDescription() != text)
            c.setAccessibleDescription(text);
    });
}

void describe(QObject& control, Described& entry)
{
    entry.owed = false;
    const QVariant pattern = control.property(kPatternProperty);
    if (pattern.isValid())
        setDescriptionText(control, fillFields(pattern.toString(), entry.source()));
}

// Descriptions owed while nobody listened are worked out when an assistive technology starts to listen.
class ListeningStarts : public QAccessible::ActivationObserver {
public:
    void accessibilityActiveChanged(bool active) override
    {
        if (!active)
            return;
        for (auto& [control, entry] : described())
            if (entry.owed)
                describe(const_cast<QObject&>(*control), entry);
    }
};

}  // namespace

QString accessibleName(const QObject& control)
{
    return onAccessible(control, [](const auto& c) { return QString(c.accessibleName()); });
}

void setAccessibleName(QObject& control, const QString& name)
{
    onAccessible(control, [&](auto& c) { c.setAccessibleName(name); });
}

QString accessibleDescription(const QObject& control)
{
    settleAccessibleDescription(control);
    return onAccessible(control, [](const auto& c) { return QString(c.accessibleDescription()); });
}

void setAccessibleDescription(QObject& control, const QString& text)
{
    const bool hasFields = text.contains(QLatin1Char('{'));
    control.setProperty(kPatternProperty, hasFields ? QVariant(text) : QVariant());
    setDescriptionText(control, hasFields ? QString() : text);
}

void setAccessibleFieldsSource(QObject& control, AccessibleFieldsSource source)
{
    // Qt forgets its observers with the application object that knew them: installed again for each one.
    static ListeningStarts listeningStarts;
    QAccessible::installActivationObserver(&listeningStarts);
    const bool known = described().count(&control) != 0;
    described()[&control] = Described{std::move(source), true};
    if (!known)
        QObject::connect(&control, &QObject::destroyed, [object = &control] { described().erase(object); });
}

void accessibleFieldsChanged(QObject& control)
{
    const auto found = described().find(&control);
    if (found == described().end())
        return;
    found->second.owed = true;
    if (QAccessible::isActive())
        describe(control, found->second);
}

void settleAccessibleDescription(const QObject& control)
{
    const auto found = described().find(&control);
    if (found != described().end() && found->second.owed)
        describe(const_cast<QObject&>(control), found->second);
}

QString fillFields(const QString& pattern, const AccessibleFields& values)
{
    QString text;
    qsizetype at = 0;
    while (at < pattern.size()) {
        const qsizetype open = pattern.indexOf(QLatin1Char('{'), at);
        const qsizetype close = pattern.indexOf(QLatin1Char('}'), at);
        if (open < 0) {
            if (close >= 0)
                return {};
            text += QStringView(pattern).mid(at);
            break;
        }
        if (close < open)
            return {};
        const auto value = values.find(pattern.mid(open + 1, close - open - 1));
        if (value == values.end())
            return {};
        text += QStringView(pattern).mid(at, open - at);
        text += value->second;
        at = close + 1;
    }
    return text;
}

}  // namespace rna::ui
