// The font entry of descriptions ("Font": {"Name": ..., "Height": -11, "Style": ["fsBold"]}) as a property
// table over TFont; the fields an entry does not give keep the font it starts from.
#pragma once

#include "ui/PropertyTable.h"
#include "ui/TFont.h"

#include <memory>

namespace rna::ui {

// Name, Height, Size (points at 96 pixels per inch), Color, Charset, Style and the ignored Pitch.
std::shared_ptr<const PropertyTable<TFont>> fontPropertyTable();

}  // namespace rna::ui
