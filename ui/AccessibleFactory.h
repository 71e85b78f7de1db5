// Makes the windowing layer's windows and controls readable by assistive technology: installs the factory of
// their accessible interfaces (windows, painted labels and pictures, sliders, drop-down lists) for the running
// application object, if it is not installed yet.
#pragma once

namespace rna::ui {

void installAccessibleInterfaces();

}  // namespace rna::ui
