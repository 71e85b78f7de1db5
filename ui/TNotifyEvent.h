// The event handler type of every control and window event: the sending object as argument.
#pragma once

#include <functional>

class QObject;

namespace rna::ui {

using TNotifyEvent = std::function<void(QObject* sender)>;

// Calls the handler if one is bound.
inline void fire(const TNotifyEvent& handler, QObject* sender)
{
    if (handler)
        handler(sender);
}

} // namespace rna::ui
