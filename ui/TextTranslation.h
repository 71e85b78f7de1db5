// The texts of the window descriptions in the program's language, asked of Qt's translators by their place.
#pragma once

#include "ui/PropertyValue.h"

#include <QString>

namespace rna::ui {

// The translation of a description's text for its place: Qt's installed translators are asked with the window's
// name as context and the control's name as disambiguation, so that each text is translated where it is shown
// and must fit there. Without a translation (none installed: the Romanian of the descriptions) the text itself.
// A text without letters (a number, a blank) is never translated.
QString TranslatedText(const TextPlace& place, const QString& text);

// Whether a text is one the translations must cover: it has a letter.
bool IsTranslatableText(const QString& text);

}  // namespace rna::ui
