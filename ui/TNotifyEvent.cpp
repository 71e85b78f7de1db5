#include "ui/TNotifyEvent.h"

#include "ui/TApplication.h"

#include <exception>

namespace rna::ui {

namespace {
int handlerDepth = 0;

struct HandlerScope {
    HandlerScope() { ++handlerDepth; }
    ~HandlerScope() { --handlerDepth; }
    HandlerScope(const HandlerScope&) = delete;
    HandlerScope& operator=(const HandlerScope&) = delete;
};
}  // namespace

void fire(const TNotifyEvent& handler, QObject* sender)
{
    if (!handler)
        return;
    const HandlerScope scope;
    TApplication* app = TApplication::current();
    if (handlerDepth > 1 || !app) {
        handler(sender);
        return;
    }
    try {
        handler(sender);
    } catch (...) {
        app->presentException(std::current_exception());
    }
}

}  // namespace rna::ui
