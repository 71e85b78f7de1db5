// Makes the windowing layer's windows and controls readable by assistive technology: installs, once, the factory
// of their accessible interfaces (windows, painted labels and pictures, sliders, drop-down lists).
#pragma once

namespace rna::ui {

void installAccessibleInterfaces();

}  // namespace rna::ui
