#include "ui/AccessibleFactory.h"

#include "ui/ComboBoxAccessible.h"
#include "ui/FormAccessible.h"
#include "ui/GraphicControlAccessible.h"
#include "ui/TComboBox.h"
#include "ui/TForm.h"
#include "ui/TGraphicControl.h"
#include "ui/TTrackBar.h"
#include "ui/TrackBarAccessible.h"

namespace rna::ui {

namespace {

// Qt asks with the object's class name and then its base classes' names; the object's own type decides.
QAccessibleInterface* createInterface(const QString& /*className*/, QObject* object)
{
    if (auto* form = qobject_cast<TForm*>(object))
        return new FormAccessible(*form);
    if (auto* graphic = qobject_cast<TGraphicControl*>(object))
        return new GraphicControlAccessible(*graphic);
    if (auto* slider = qobject_cast<TTrackBar*>(object))
        return new TrackBarAccessible(*slider);
    if (auto* list = qobject_cast<TComboBox*>(object))
        return new ComboBoxAccessible(*list);
    return nullptr;
}

}  // namespace

void installAccessibleInterfaces()
{
    // Qt keeps a factory once, and forgets its factories with the application object that knew them.
    QAccessible::installFactory(&createInterface);
}

}  // namespace rna::ui
