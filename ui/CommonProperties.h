// The properties every control kind shares, registered by one function for the windowing layer's kinds and
// for kinds other libraries add (the chart), so that their meaning cannot drift apart.
#pragma once

#include "ui/AccessibleText.h"
#include "ui/PropertyTable.h"
#include "ui/TForm.h"
#include "ui/TGraphicControl.h"

#include <QWidget>
#include <type_traits>

namespace rna::ui {

// Whether a click gives a windowed control the keyboard focus. Input controls take it; a panel that only
// shows something (a chart) does not, so clicking it leaves the focus where the user put it.
enum class ClickFocus { Yes, No };

// What assistive technology reads of a control, beyond what the control shows: AccessibleName and
// AccessibleDescription (which may hold fields the window's code fills in). Kept apart from the properties that
// shape what the window looks like and does. Both are texts in the program's language, like the ones shown.
template <class T>
void addAccessibleProperties(PropertyTable<T>& table)
{
    table.text("AccessibleName", [](T& c, const QString& name) { setAccessibleName(c, name); })
        .text("AccessibleDescription", [](T& c, const QString& text) { setAccessibleDescription(c, text); });
}

// Visible, Enabled and Hint (a tooltip whenever it is set), and the ignored Tag, HelpContext, ShowHint and
// ParentShowHint, and the accessible properties. Bounds come from the entry's "bounds".
template <class T>
void addControlProperties(PropertyTable<T>& table)
{
    table.add("Visible", [](T& c, bool visible) { c.setVisible(visible); })
        .add("Enabled", [](T& c, bool enabled) { c.setEnabled(enabled); })
        .ignore("Tag")
        .ignore("HelpContext")
        .ignore("ShowHint")
        .ignore("ParentShowHint");
    addAccessibleProperties(table);
    if constexpr (std::is_base_of_v<QWidget, T>)
        table.text("Hint", [](T& c, const QString& hint) { c.setToolTip(hint); });
    else
        table.text("Hint", [](T& c, const QString& hint) { c.setHint(hint); });
}

// The control properties, plus TabOrder (the place in its window's Tab sequence) and TabStop (whether Tab
// reaches it; a click still focuses a control that takes the focus on click).
template <class T>
void addWindowedControlProperties(PropertyTable<T>& table, ClickFocus clickFocus)
{
    static_assert(std::is_base_of_v<QWidget, T>);
    addControlProperties(table);
    table
        .add("TabOrder",
             [](T& c, int order) {
                 if (auto* form = qobject_cast<TForm*>(c.window()))
                     form->setTabOrderOf(&c, order);
             })
        .add("TabStop", [clickFocus](T& c, bool tabStop) {
            const bool onClick = clickFocus == ClickFocus::Yes;
            c.setFocusPolicy(tabStop ? (onClick ? Qt::StrongFocus : Qt::TabFocus)
                                     : (onClick ? Qt::ClickFocus : Qt::NoFocus));
        });
}

}  // namespace rna::ui
