// The faces the windows and charts are laid out for, carried in the program itself, so that every text measures
// and looks the same on every platform whatever fonts the machine has.
#pragma once

#include <QStringList>

namespace rna::ui {

// Registers the embedded font files (":/assets/fonts/*.ttf") with Qt's font database; called once the application
// object exists, once per application object. Returns the families they hold; a file Qt refuses is reported by name.
QStringList registerEmbeddedFonts();

}  // namespace rna::ui
