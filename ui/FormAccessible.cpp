#include "ui/FormAccessible.h"

#include "ui/TForm.h"
#include "ui/TGraphicControl.h"
#include "ui/TLabel.h"

#include <algorithm>

namespace rna::ui {

FormAccessible::FormAccessible(TForm& form) : QAccessibleWidget(&form, QAccessible::Window)
{}

TForm& FormAccessible::form() const
{
    return static_cast<TForm&>(*widget());
}

std::vector<QObject*> FormAccessible::children() const
{
    return form().accessibleChildren();
}

int FormAccessible::childCount() const
{
    return int(children().size());
}

QAccessibleInterface* FormAccessible::child(int index) const
{
    const std::vector<QObject*> all = children();
    if (index < 0 || index >= int(all.size()))
        return nullptr;
    return QAccessible::queryAccessibleInterface(all[std::size_t(index)]);
}

int FormAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    if (!child)
        return -1;
    const std::vector<QObject*> all = children();
    const auto found = std::find(all.begin(), all.end(), child->object());
    return found == all.end() ? -1 : int(found - all.begin());
}

QAccessibleInterface* FormAccessible::childAt(int x, int y) const
{
    const QPoint point = form().mapFromGlobal(QPoint(x, y));
    if (!form().rect().contains(point))
        return nullptr;
    const std::vector<QObject*> all = children();
    // Windowed controls lie over the painted ones; among them, the one Qt finds at the point.
    for (QWidget* widget = form().childAt(point); widget; widget = widget->parentWidget())
        if (std::find(all.begin(), all.end(), widget) != all.end())
            return QAccessible::queryAccessibleInterface(widget);
    // A label is read over a picture, even one painted after it: the picture's pixels around a label are the
    // transparent background.
    TGraphicControl* picture = nullptr;
    const std::vector<TGraphicControl*>& graphics = form().graphicControls();
    for (auto it = graphics.rbegin(); it != graphics.rend(); ++it) {
        if (!(*it)->isVisible() || !(*it)->boundsRect().contains(point))
            continue;
        if (qobject_cast<TLabel*>(*it))
            return QAccessible::queryAccessibleInterface(*it);
        if (!picture)
            picture = *it;
    }
    return picture ? QAccessible::queryAccessibleInterface(picture) : nullptr;
}

}  // namespace rna::ui
