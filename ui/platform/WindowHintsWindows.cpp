// The window-manager hints on Windows: none. The system draws each frame from the window flags Qt sets
// (TForm's border style and border icons), and finds windows by their handles, so there is nothing more to write.
#include "ui/WindowManagerHints.h"

#include <QByteArray>

namespace rna::ui {

void writeMotifHints(QWidget&, const MotifHints&)
{}

void writeWindowRole(QWidget&, const QByteArray&)
{}

}  // namespace rna::ui
