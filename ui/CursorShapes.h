// The cursor numbers the layout descriptions and components use, as Qt cursor shapes.
#pragma once

#include <Qt>
#include <optional>

namespace rna::ui {

// 0 is the control's default cursor (no cursor of its own), so it and unknown numbers give nothing.
std::optional<Qt::CursorShape> CursorShapeOf(int cursor);

}  // namespace rna::ui
