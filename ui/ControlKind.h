// A control kind the form loader can create: factory, published properties, bounds, events, loaded step.
#pragma once

#include "ui/PropertyTable.h"
#include "ui/TNotifyEvent.h"

#include <QObject>
#include <QRect>
#include <QString>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <type_traits>

namespace rna::ui {

class TForm;

// Where a new control goes: its window, the object it is created in (the window itself, or the enclosing
// control for "children" entries) and its name.
struct CreateContext {
    TForm& form;
    QObject& parent;
    QString name;
};

struct ControlKind {
    QString name;
    // Creates the object, owned through Qt parenting (by the form or by the parent object).
    std::function<QObject*(const CreateContext&)> create;
    std::function<void(QObject&, const PropertyValue&)> applyProperties;
    // Null for kinds without bounds (e.g. a chart's series).
    std::function<void(QObject&, const QRect&)> setBounds;
    // Event name -> binder.
    std::map<QString, std::function<void(QObject&, TNotifyEvent)>> events;
    // Runs after all properties of the whole window are set, before events are bound. May be null.
    std::function<void(QObject&)> loaded;
};

// Builds a ControlKind for class T from typed parts.
template <class T>
class ControlKindBuilder {
public:
    // Widgets take their bounds as their geometry unless the kind says otherwise.
    explicit ControlKindBuilder(QString name)
    {
        kind_.name = std::move(name);
        if constexpr (std::is_base_of_v<QWidget, T>)
            bounds([](T& widget, const QRect& rect) { widget.setGeometry(rect); });
    }

    ControlKindBuilder& create(std::function<T*(const CreateContext&)> factory)
    {
        kind_.create = [factory = std::move(factory)](const CreateContext& context) -> QObject* {
            return factory(context);
        };
        return *this;
    }
    ControlKindBuilder& properties(std::shared_ptr<const PropertyTable<T>> table)
    {
        kind_.applyProperties = [table = std::move(table)](QObject& object, const PropertyValue& value) {
            table->apply(static_cast<T&>(object), value);
        };
        return *this;
    }
    ControlKindBuilder& bounds(std::function<void(T&, const QRect&)> setter)
    {
        kind_.setBounds = [setter = std::move(setter)](QObject& object, const QRect& rect) {
            setter(static_cast<T&>(object), rect);
        };
        return *this;
    }
    ControlKindBuilder& event(const QString& name, std::function<void(T&, TNotifyEvent)> binder)
    {
        const bool added = kind_.events
                               .emplace(name,
                                        [binder = std::move(binder)](QObject& object, TNotifyEvent handler) {
                                            binder(static_cast<T&>(object), std::move(handler));
                                        })
                               .second;
        if (!added)
            throw std::logic_error("event '" + name.toStdString() + "' is registered twice");
        return *this;
    }
    ControlKindBuilder& loaded(std::function<void(T&)> step)
    {
        kind_.loaded = [step = std::move(step)](QObject& object) { step(static_cast<T&>(object)); };
        return *this;
    }

    ControlKind build() const { return kind_; }

private:
    ControlKind kind_;
};

}  // namespace rna::ui
