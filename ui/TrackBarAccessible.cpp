#include "ui/TrackBarAccessible.h"

#include "ui/TForm.h"
#include "ui/TLabel.h"
#include "ui/TTrackBar.h"

#include <cmath>

namespace rna::ui {

TrackBarAccessible::TrackBarAccessible(TTrackBar& slider) : QAccessibleWidget(&slider, QAccessible::Slider)
{}

TTrackBar& TrackBarAccessible::slider() const
{
    return static_cast<TTrackBar&>(*widget());
}

void* TrackBarAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString TrackBarAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return slider().textOf(slider().position());
    return QAccessibleWidget::text(t);
}

QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
TrackBarAccessible::relations(QAccessible::Relation match) const
{
    auto result = QAccessibleWidget::relations(match);
    const auto* form = qobject_cast<const TForm*>(slider().window());
    if (!form || !(match & QAccessible::Label))
        return result;
    for (TGraphicControl* graphic : form->graphicControls())
        if (auto* label = qobject_cast<TLabel*>(graphic); label && label->labelFor() == &slider())
            result.append({QAccessible::queryAccessibleInterface(label), QAccessible::Label});
    return result;
}

QVariant TrackBarAccessible::currentValue() const
{
    return slider().valueOf(slider().position());
}

void TrackBarAccessible::setCurrentValue(const QVariant& value)
{
    bool number = false;
    const double asked = value.toDouble(&number);
    if (number && !std::isnan(asked))
        slider().setPositionAsUser(slider().positionOf(asked));
}

QVariant TrackBarAccessible::maximumValue() const
{
    return slider().valueOf(slider().max());
}

QVariant TrackBarAccessible::minimumValue() const
{
    return slider().valueOf(slider().min());
}

QVariant TrackBarAccessible::minimumStepSize() const
{
    return slider().valueOf(slider().lineSize());
}

}  // namespace rna::ui
