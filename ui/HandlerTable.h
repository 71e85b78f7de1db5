// A window class's handler methods by name, as window descriptions bind them.
#pragma once

#include "ui/TNotifyEvent.h"

#include <QString>
#include <map>

namespace rna::ui {

class HandlerTable {
public:
    template <class F>
    void add(const QString& name, F* form, void (F::*method)(QObject* sender))
    {
        handlers_[name] = [form, method](QObject* sender) { (form->*method)(sender); };
    }
    void add(const QString& name, TNotifyEvent handler) { handlers_[name] = std::move(handler); }

    const TNotifyEvent* find(const QString& name) const
    {
        const auto found = handlers_.find(name);
        return found == handlers_.end() ? nullptr : &found->second;
    }

private:
    std::map<QString, TNotifyEvent> handlers_;
};

}  // namespace rna::ui
