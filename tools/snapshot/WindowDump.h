// The state of a window as text lines, controls in creation order: label captions, edit texts, slider positions,
// list selections and texts, chart axis ranges and series points (numbers as %.17g).
#pragma once

#include <QStringList>

namespace rna::ui {
class TForm;
}

namespace rna::tools {

QStringList DumpWindow(const rna::ui::TForm& window);

}  // namespace rna::tools
