#include "ui/ControlRegistry.h"

#include "ui/StandardKinds.h"

namespace rna::ui {

ControlRegistry& ControlRegistry::global()
{
    static ControlRegistry registry;
    return registry;
}

ControlRegistry::ControlRegistry()
{
    for (ControlKind& kind : standardControlKinds())
        add(std::move(kind));
}

void ControlRegistry::add(ControlKind kind)
{
    const QString name = kind.name;
    kinds_[name] = std::move(kind);
}

const ControlKind* ControlRegistry::find(const QString& name) const
{
    const auto found = kinds_.find(name);
    return found == kinds_.end() ? nullptr : &found->second;
}

}  // namespace rna::ui
