#include "ui/IgnoredProperties.h"

#include "ui/EnumNames.h"

#include <stdexcept>

namespace rna::ui {

namespace {

void integer(const PropertyValue& value)
{
    value.toInt();
}

void boolean(const PropertyValue& value)
{
    value.toBool();
}

void pitch(const PropertyValue& value)
{
    value.toEnum(EnumNames<TFontPitch>::items);
}

// The one list of what the loader accepts and drops, and why.
constexpr IgnoredProperty ignored[] = {
    {"Tag", integer, "a number for the program's own use; no handler reads it"},
    {"HelpContext", integer, "help is given per window (F1), not per control"},
    {"ShowHint", boolean, "a control's Hint shows as a tooltip whenever it is set"},
    {"ParentShowHint", boolean, "a control's Hint shows as a tooltip whenever it is set"},
    {"ParentFont", boolean, "a windowed control without a Font of its own takes its window's font anyway"},
    {"ParentColor", boolean, "a windowed control without a Color of its own keeps its kind's colour anyway"},
    {"HideSelection", boolean, "edit boxes always hide their selection without the focus"},
    {"Width", integer, "a window's outer width: the client size decides and the frame adds to it"},
    {"Height", integer, "a window's outer height: the client size decides and the frame adds to it"},
    {"TextHeight", integer, "the density rule measures the mapped font itself"},
    {"OldCreateOrder", boolean, "windows are always created in one order: properties, controls, handlers"},
    {"Scaled", boolean, "the density rule always applies"},
    {"Pitch", pitch, "the face decides whether a font is fixed or variable pitch"},
};

}  // namespace

const IgnoredProperty& IgnoredProperty::find(const QString& name)
{
    for (const IgnoredProperty& entry : ignored)
        if (name == QLatin1String(entry.name))
            return entry;
    throw std::logic_error("property '" + name.toStdString() + "' is not in the list of ignored properties");
}

}  // namespace rna::ui
