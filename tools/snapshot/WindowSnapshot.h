// Shows one window of a started program the way a user gets to it, and renders its client area.
#pragma once

#include "app/Program.h"

#include <QImage>
#include <QString>

namespace rna::tools {

// The main window is shown first, as the program does; then the named window (running its OnShow), which is
// left active. Null when the program has no window of that name.
rna::ui::TForm* ShowWindowAsUser(const rna::app::Program& program, const QString& windowName);

// The window's client area as the user sees it now.
QImage RenderWindow(rna::ui::TForm& window);

}  // namespace rna::tools
