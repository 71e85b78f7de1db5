// Properties that window descriptions may carry but the program deliberately does not use, with the reason.
#pragma once

#include "ui/PropertyValue.h"

#include <QString>

namespace rna::ui {

struct IgnoredProperty {
    const char* name;
    // Reads the value as its kind, so that a misspelt value is not accepted silently.
    void (*check)(const PropertyValue& value);
    const char* reason;

    // The entry of that name; a name that is not listed is a programming error (std::logic_error).
    static const IgnoredProperty& find(const QString& name);
};

}  // namespace rna::ui
