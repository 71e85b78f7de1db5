// The control kinds the form loader knows; the windowing layer's own kinds are there from the start,
// other libraries (the chart engine) add theirs at start-up.
#pragma once

#include "ui/ControlKind.h"

#include <map>

namespace rna::ui {

class ControlRegistry {
public:
    // The registry the loader uses; holds the layer's kinds (TTrackBar, TComboBox, TLabel, TImage, TEdit,
    // TMemo, TBitBtn) from its first use.
    static ControlRegistry& global();

    // Adds or replaces a kind.
    void add(ControlKind kind);
    const ControlKind* find(const QString& name) const;

private:
    ControlRegistry();
    std::map<QString, ControlKind> kinds_;
};

}  // namespace rna::ui
