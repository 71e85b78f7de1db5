#include "ui/GraphicControlAccessible.h"

#include "ui/AccessibleText.h"
#include "ui/TForm.h"
#include "ui/TImage.h"
#include "ui/TLabel.h"

namespace rna::ui {

GraphicControlAccessible::GraphicControlAccessible(TGraphicControl& control) : QAccessibleObject(&control)
{}

TGraphicControl* GraphicControlAccessible::control() const
{
    return qobject_cast<TGraphicControl*>(object());
}

QWindow* GraphicControlAccessible::window() const
{
    const TGraphicControl* graphic = control();
    return graphic ? graphic->form().windowHandle() : nullptr;
}

QAccessibleInterface* GraphicControlAccessible::parent() const
{
    const TGraphicControl* graphic = control();
    return graphic ? QAccessible::queryAccessibleInterface(&graphic->form()) : nullptr;
}

QString GraphicControlAccessible::text(QAccessible::Text t) const
{
    const TGraphicControl* graphic = control();
    if (!graphic)
        return {};
    switch (t) {
    case QAccessible::Name:
        if (!graphic->accessibleName().isEmpty())
            return graphic->accessibleName();
        if (const auto* label = qobject_cast<const TLabel*>(graphic))
            return label->caption();
        return {};
    case QAccessible::Description:
        settleAccessibleDescription(*graphic);
        return graphic->accessibleDescription();
    case QAccessible::Help:
        return graphic->hint();
    default:
        return {};
    }
}

QAccessible::Role GraphicControlAccessible::role() const
{
    return qobject_cast<const TImage*>(object()) ? QAccessible::Graphic : QAccessible::StaticText;
}

QAccessible::State GraphicControlAccessible::state() const
{
    QAccessible::State state;
    const TGraphicControl* graphic = control();
    if (!graphic) {
        state.invalid = true;
        return state;
    }
    state.invisible = !graphic->isVisible() || !graphic->form().isVisible();
    state.disabled = !graphic->isEnabled();
    state.readOnly = true;
    return state;
}

QRect GraphicControlAccessible::rect() const
{
    const TGraphicControl* graphic = control();
    if (!graphic)
        return {};
    const QRect& bounds = graphic->boundsRect();
    return QRect(graphic->form().mapToGlobal(bounds.topLeft()), bounds.size());
}

QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
GraphicControlAccessible::relations(QAccessible::Relation match) const
{
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> result;
    const auto* label = qobject_cast<const TLabel*>(object());
    if (label && label->labelFor() && (match & QAccessible::Labelled))
        if (QAccessibleInterface* named = QAccessible::queryAccessibleInterface(label->labelFor()))
            result.append({named, QAccessible::Labelled});
    return result;
}

}  // namespace rna::ui
