// A class's published properties for the form loader: name -> setter, nested objects through nested tables.
#pragma once

#include "ui/PropertyValue.h"

#include <QString>
#include <functional>
#include <map>
#include <memory>

namespace rna::ui {

template <class T>
class PropertyTable {
public:
    using Setter = std::function<void(T&, const PropertyValue&)>;

    PropertyTable& add(const QString& name, Setter setter)
    {
        setters_[name] = std::move(setter);
        return *this;
    }

    // An owned object reached through `access`, whose own properties are set through `table`
    // ("Title": {"Text": [...]} or "Title.Text": [...]).
    template <class N>
    PropertyTable& nested(const QString& name, std::function<N&(T&)> access,
                          std::shared_ptr<const PropertyTable<N>> table)
    {
        setters_[name] = [access = std::move(access), table = std::move(table)](T& object, const PropertyValue& value) {
            table->apply(access(object), value);
        };
        return *this;
    }

    // Takes over every property of a base class's table.
    template <class B>
    PropertyTable& inherit(const PropertyTable<B>& base)
    {
        for (const auto& [name, setter] : base.setters())
            setters_[name] = [setter](T& object, const PropertyValue& value) { setter(object, value); };
        return *this;
    }

    bool has(const QString& name) const { return setters_.count(name) != 0; }
    const std::map<QString, Setter>& setters() const { return setters_; }

    // Sets every property of a JSON object, in the order written; an unknown name fails.
    void apply(T& object, const PropertyValue& properties) const
    {
        const QJsonObject json = properties.toObject();
        for (auto it = json.constBegin(); it != json.constEnd(); ++it)
            applyOne(object, it.key(), properties.member(it.key()));
    }

    void applyOne(T& object, const QString& name, const PropertyValue& value) const
    {
        const auto found = setters_.find(name);
        if (found != setters_.end()) {
            found->second(object, value);
            return;
        }
        const qsizetype dot = name.indexOf(QLatin1Char('.'));
        if (dot > 0) {
            const auto owner = setters_.find(name.left(dot));
            if (owner != setters_.end()) {
                QJsonObject rest;
                rest.insert(name.mid(dot + 1), value.json());
                owner->second(object, value.withValue(rest, QString()));
                return;
            }
        }
        value.fail(QStringLiteral("unknown property '%1'").arg(name));
    }

private:
    std::map<QString, Setter> setters_;
};

}  // namespace rna::ui
