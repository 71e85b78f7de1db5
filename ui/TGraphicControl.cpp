#include "ui/TGraphicControl.h"

#include "ui/TForm.h"

namespace rna::ui {

TGraphicControl::TGraphicControl(TForm& form) : QObject(&form), form_(form)
{
    form_.addGraphicControl(this);
}

TGraphicControl::~TGraphicControl()
{
    form_.removeGraphicControl(this);
}

void TGraphicControl::setBounds(const QRect& bounds)
{
    boundsReplaced();
    place(bounds);
}

void TGraphicControl::place(const QRect& bounds)
{
    if (bounds == bounds_)
        return;
    invalidate();
    bounds_ = bounds;
    invalidate();
}

void TGraphicControl::setVisible(bool visible)
{
    if (visible == visible_)
        return;
    visible_ = visible;
    form_.update(bounds_);
}

void TGraphicControl::setEnabled(bool enabled)
{
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    invalidate();
}

void TGraphicControl::click()
{
    fire(onClick_, this);
}

void TGraphicControl::setAccessibleName(const QString& name)
{
    if (name == accessibleName_)
        return;
    accessibleName_ = name;
    announce(QAccessible::NameChanged);
}

void TGraphicControl::setAccessibleDescription(const QString& description)
{
    if (description == accessibleDescription_)
        return;
    accessibleDescription_ = description;
    announce(QAccessible::DescriptionChanged);
}

void TGraphicControl::announce(QAccessible::Event change)
{
    // Making the event makes the control's accessible interface: not while nobody listens.
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(this, change);
    QAccessible::updateAccessibility(&event);
}

void TGraphicControl::invalidate()
{
    if (visible_)
        form_.update(bounds_);
}

}  // namespace rna::ui
