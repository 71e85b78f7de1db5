#include "ui/MouseAction.h"

namespace rna::ui {

QPointer<QObject> MouseAction::owner_;
std::function<void()> MouseAction::end_;

void MouseAction::begin(QObject* owner, std::function<void()> end)
{
    if (owner_ && owner_ != owner)
        endNow();
    owner_ = owner;
    end_ = std::move(end);
}

void MouseAction::finished(const QObject* owner)
{
    if (owner_ != owner)
        return;
    owner_ = nullptr;
    end_ = nullptr;
}

void MouseAction::endNow()
{
    // Taken out first: the end runs handlers, which may start or end actions themselves.
    const std::function<void()> end = std::move(end_);
    const bool alive = !owner_.isNull();
    owner_ = nullptr;
    end_ = nullptr;
    if (alive && end)
        end();
}

}  // namespace rna::ui
