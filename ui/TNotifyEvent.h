// The event handler type of every control and window event: the sending object as argument.
#pragma once

#include <functional>

class QObject;

namespace rna::ui {

using TNotifyEvent = std::function<void(QObject* sender)>;

// Calls the handler if one is bound. An exception leaving the outermost handler goes to the application's
// dispatch point right here, so it never unwinds through the toolkit's own code; inside a handler that another
// handler caused, it travels on to that outer handler, which stops as well.
void fire(const TNotifyEvent& handler, QObject* sender);

}  // namespace rna::ui
