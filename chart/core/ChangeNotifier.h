// The one shape of every chart setter (compare, return if unchanged, store, notify) and the callback
// through which settings objects report a change to their owner.
#pragma once

#include <functional>
#include <utility>

namespace rna::chart {

// What an owner installs to hear that a setting changed; the chart's ends in its ScheduleRedraw.
using TNotifyChange = std::function<void()>;

// Stores value into field and then calls notify, unless they are already equal; answers whether
// the field changed. beforeStore runs between the comparison and the store: it may refuse the
// value by throwing (the field keeps its old value) or prepare what depends on it.
template <typename T, typename U, typename Notify, typename BeforeStore>
bool StoreSetting(T& field, U&& value, Notify&& notify, BeforeStore&& beforeStore)
{
    if (field == value)
        return false;
    beforeStore();
    field = std::forward<U>(value);
    notify();
    return true;
}

template <typename T, typename U, typename Notify>
bool StoreSetting(T& field, U&& value, Notify&& notify)
{
    return StoreSetting(field, std::forward<U>(value), std::forward<Notify>(notify), [] {});
}

// Holds the owner's callback of a settings object; its setters store through Store.
class ChangeNotifier {
public:
    ChangeNotifier() = default;
    explicit ChangeNotifier(TNotifyChange onChange) : onChange_(std::move(onChange)) {}

    void SetOnChange(TNotifyChange onChange) { onChange_ = std::move(onChange); }

    // Tells the owner that something changed; nothing happens without an owner.
    void ChangeNotify() const
    {
        if (onChange_)
            onChange_();
    }

    template <typename T, typename U>
    bool Store(T& field, U&& value) const
    {
        return StoreSetting(field, std::forward<U>(value), [this] { ChangeNotify(); });
    }

    template <typename T, typename U, typename BeforeStore>
    bool Store(T& field, U&& value, BeforeStore&& beforeStore) const
    {
        return StoreSetting(
            field, std::forward<U>(value), [this] { ChangeNotify(); }, std::forward<BeforeStore>(beforeStore));
    }

private:
    TNotifyChange onChange_;
};

}  // namespace rna::chart
