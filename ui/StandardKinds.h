// The windowing layer's own control kinds for the form loader, and the window's own property table.
#pragma once

#include "ui/ControlKind.h"
#include "ui/TForm.h"

#include <memory>
#include <optional>
#include <vector>

namespace rna::ui {

std::vector<ControlKind> standardControlKinds();
std::shared_ptr<const PropertyTable<TForm>> formPropertyTable();

// The font a control was given by its description (null when it keeps its parent's).
std::optional<TFont> describedFont(const QObject& control);
void setDescribedFont(QObject& control, const TFont& font);

}  // namespace rna::ui
