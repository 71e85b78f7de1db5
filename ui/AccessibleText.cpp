#include "ui/AccessibleText.h"

#include "ui/TGraphicControl.h"

#include <QVariant>
#include <QWidget>

namespace rna::ui {

namespace {

const char* const kPatternProperty = "rnaAccessibleDescriptionPattern";

void setDescriptionText(QObject& control, const QString& text)
{
    // Qt announces a widget's description as changed whenever it is set: only a new text is set.
    if (auto* widget = qobject_cast<QWidget*>(&control)) {
        if (widget->accessibleDescription() != text)
            widget->setAccessibleDescription(text);
    } else if (auto* graphic = qobject_cast<TGraphicControl*>(&control))
        graphic->setAccessibleDescription(text);
}

}  // namespace

QString accessibleName(const QObject& control)
{
    if (const auto* widget = qobject_cast<const QWidget*>(&control))
        return widget->accessibleName();
    if (const auto* graphic = qobject_cast<const TGraphicControl*>(&control))
        return graphic->accessibleName();
    return {};
}

void setAccessibleName(QObject& control, const QString& name)
{
    if (auto* widget = qobject_cast<QWidget*>(&control))
        widget->setAccessibleName(name);
    else if (auto* graphic = qobject_cast<TGraphicControl*>(&control))
        graphic->setAccessibleName(name);
}

QString accessibleDescription(const QObject& control)
{
    if (const auto* widget = qobject_cast<const QWidget*>(&control))
        return widget->accessibleDescription();
    if (const auto* graphic = qobject_cast<const TGraphicControl*>(&control))
        return graphic->accessibleDescription();
    return {};
}

void setAccessibleDescription(QObject& control, const QString& text)
{
    const bool hasFields = text.contains(QLatin1Char('{'));
    control.setProperty(kPatternProperty, hasFields ? QVariant(text) : QVariant());
    setDescriptionText(control, hasFields ? QString() : text);
}

void fillAccessibleDescription(QObject& control, const AccessibleFields& values)
{
    const QVariant pattern = control.property(kPatternProperty);
    if (pattern.isValid())
        setDescriptionText(control, fillFields(pattern.toString(), values));
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
