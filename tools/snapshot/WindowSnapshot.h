// Shows one window of a started program the way a user gets to it and renders its client area.
#pragma once

#include "app/Program.h"

#include <QImage>
#include <QString>
#include <optional>

namespace rna::tools {

// The main window is shown first, as the program does; then the named window (running its OnShow).
// Nothing when the program has no window of that name.
std::optional<QImage> SnapshotOfWindow(const rna::app::Program& program, const QString& windowName);

}  // namespace rna::tools
