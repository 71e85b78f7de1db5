// Font and colours of windowed controls: the Qt font and palette entries for a description's font and colour.
#pragma once

#include "ui/TColor.h"
#include "ui/TFont.h"

class QWidget;

namespace rna::ui {

// The font, and its colour as the text colour.
void applyFont(QWidget& widget, const TFont& font);
// The background colour of an input control (edit boxes, memos, lists).
void applyBaseColor(QWidget& widget, TColor color);

}  // namespace rna::ui
