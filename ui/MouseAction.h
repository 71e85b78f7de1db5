// The one mouse action in progress in the program: a button held on a control that goes on acting (a slider's
// channel repeat or thumb drag). Whatever must not let it run on unseen, such as an error box about to open, ends it.
#pragma once

#include <QPointer>
#include <functional>

namespace rna::ui {

class MouseAction {
public:
    // `owner` starts an action that `end` finishes as a release would. One mouse, one action: another action
    // still registered is ended first.
    static void begin(QObject* owner, std::function<void()> end);
    // The action of `owner` is over (released or ended early).
    static void finished(const QObject* owner);
    // Ends the action in progress, if any.
    static void endNow();

private:
    static QPointer<QObject> owner_;
    static std::function<void()> end_;
};

}  // namespace rna::ui
