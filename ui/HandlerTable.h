// A window class's handler methods by name, as window descriptions bind them.
#pragma once

#include "ui/TNotifyEvent.h"

#include <QString>
#include <map>
#include <stdexcept>

namespace rna::ui {

class HandlerTable {
public:
    // A name given twice is a programming error and fails at once (std::logic_error).
    template <class F>
    void add(const QString& name, F* form, void (F::*method)(QObject* sender))
    {
        add(name, [form, method](QObject* sender) { (form->*method)(sender); });
    }
    void add(const QString& name, TNotifyEvent handler)
    {
        if (!handlers_.emplace(name, std::move(handler)).second)
            throw std::logic_error("handler '" + name.toStdString() + "' is declared twice");
    }

    const TNotifyEvent* find(const QString& name) const
    {
        const auto found = handlers_.find(name);
        return found == handlers_.end() ? nullptr : &found->second;
    }

private:
    std::map<QString, TNotifyEvent> handlers_;
};

}  // namespace rna::ui
