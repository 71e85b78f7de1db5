// A class's published properties for the form loader: name -> setter, nested objects through nested tables.
#pragma once

#include "ui/IgnoredProperties.h"
#include "ui/PropertyConversion.h"
#include "ui/PropertyValue.h"

#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <type_traits>

namespace rna::ui {

namespace detail {

// The argument type of a one-value setter: a member function `void (C::*)(A)` or a callable `(T&, A)`.
template <class F>
struct SetterTraits : SetterTraits<decltype(&F::operator())> {};
template <class C, class R, class A>
struct SetterTraits<R (C::*)(A)> {
    using Arg = std::decay_t<A>;
};
template <class C, class R, class O, class A>
struct SetterTraits<R (C::*)(O&, A) const> {
    using Arg = std::decay_t<A>;
};
template <class R, class O, class A>
struct SetterTraits<R (*)(O&, A)> {
    using Arg = std::decay_t<A>;
};

}  // namespace detail

template <class T>
class PropertyTable {
public:
    using Setter = std::function<void(T&, const PropertyValue&)>;

    // `noun` names the table's entries in the message for an unknown name ("unknown font property 'Weight'").
    explicit PropertyTable(QString noun = QStringLiteral("property")) : noun_(std::move(noun)) {}

    // A setter that takes the property's value in its own type (int, double, bool, QString, QStringList, TColor,
    // QImage, an enum with names): the description's value is converted to it, a wrong value is a load error.
    // A setter taking `const PropertyValue&` reads the value itself.
    template <class F>
    PropertyTable& add(const QString& name, F setter)
    {
        if constexpr (std::is_invocable_v<F&, T&, const PropertyValue&>) {
            insert(name, Setter(std::move(setter)));
        } else {
            using Arg = typename detail::SetterTraits<F>::Arg;
            insert(name, [setter = std::move(setter)](T& object, const PropertyValue& value) {
                std::invoke(setter, object, PropertyConversion<Arg>::from(value));
            });
        }
        return *this;
    }

    // A text the user reads (a caption, list items, memo lines, a title): the setter, taking a QString or a
    // QStringList, gets it translated for its place in the window (see TextTranslation.h).
    template <class F>
    PropertyTable& text(const QString& name, F setter)
    {
        using Arg = typename detail::SetterTraits<F>::Arg;
        static_assert(std::is_same_v<Arg, QString> || std::is_same_v<Arg, QStringList>, "a text or a list of texts");
        insert(name, [setter = std::move(setter)](T& object, const PropertyValue& value) {
            if constexpr (std::is_same_v<Arg, QString>)
                std::invoke(setter, object, value.toText());
            else
                std::invoke(setter, object, value.toTexts());
        });
        return *this;
    }

    // An owned object reached through `access`, whose own properties are set through `table`
    // ("Title": {"Text": [...]} or "Title.Text": [...]).
    template <class N, class Access>
    PropertyTable& nested(const QString& name, Access access, std::shared_ptr<const PropertyTable<N>> table)
    {
        insert(name, [access = std::move(access), table = std::move(table)](T& object, const PropertyValue& value) {
            table->apply(std::invoke(access, object), value);
        });
        return *this;
    }

    // A value object read with `get`, changed by `table` and stored back with `set` (fonts: the fields not
    // given keep the value `get` returns).
    template <class V, class Get, class Set>
    PropertyTable& nestedValue(const QString& name, Get get, Set set, std::shared_ptr<const PropertyTable<V>> table)
    {
        insert(name, [get = std::move(get), set = std::move(set),
                      table = std::move(table)](T& object, const PropertyValue& value) {
            V changed = std::invoke(get, object);
            table->apply(changed, value);
            std::invoke(set, object, changed);
        });
        return *this;
    }

    // Accepts a property the program deliberately does not use (its reason is in IgnoredProperties): the value
    // is still checked for its JSON type.
    PropertyTable& ignore(const QString& name)
    {
        const IgnoredProperty& ignored = IgnoredProperty::find(name);
        insert(name, [&ignored](T&, const PropertyValue& value) { ignored.check(value); });
        return *this;
    }

    // Takes over every property of a base class's table.
    template <class B>
    PropertyTable& inherit(const PropertyTable<B>& base)
    {
        for (const auto& [name, setter] : base.setters())
            insert(name, [setter = setter](T& object, const PropertyValue& value) { setter(object, value); });
        return *this;
    }

    bool has(const QString& name) const { return setters_.count(name) != 0; }
    const std::map<QString, Setter>& setters() const { return setters_; }

    // Sets every property of a JSON object; an unknown name fails.
    void apply(T& object, const PropertyValue& properties) const
    {
        const QJsonObject json = properties.toObject();
        for (auto it = json.constBegin(); it != json.constEnd(); ++it)
            applyOne(object, it.key(), properties.member(it.key()));
    }

    // A value a setter refuses (its exception) becomes a load error naming this entry.
    void applyOne(T& object, const QString& name, const PropertyValue& value) const
    {
        const auto found = setters_.find(name);
        if (found != setters_.end()) {
            callSetter(found->second, object, value);
            return;
        }
        const qsizetype dot = name.indexOf(QLatin1Char('.'));
        if (dot > 0) {
            const auto owner = setters_.find(name.left(dot));
            if (owner != setters_.end()) {
                QJsonObject rest;
                rest.insert(name.mid(dot + 1), value.json());
                callSetter(owner->second, object, value.withValue(rest, QString()));
                return;
            }
        }
        value.fail(QStringLiteral("unknown %1 '%2'").arg(noun_, name));
    }

private:
    // A table is built once, by code: a name given twice is a programming error and fails at once.
    void insert(const QString& name, Setter setter)
    {
        if (!setters_.emplace(name, std::move(setter)).second)
            throw std::logic_error("property '" + name.toStdString() + "' is registered twice");
    }

    static void callSetter(const Setter& setter, T& object, const PropertyValue& value)
    {
        try {
            setter(object, value);
        } catch (const LoadError&) {
            throw;
        } catch (const std::exception& refused) {
            value.fail(QString::fromUtf8(refused.what()));
        }
    }

    QString noun_;
    std::map<QString, Setter> setters_;
};

}  // namespace rna::ui
