// How a description value becomes the argument of a property setter, by the setter's parameter type.
#pragma once

#include "ui/EnumNames.h"
#include "ui/PropertyValue.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <type_traits>

namespace rna::ui {

template <class A, class = void>
struct PropertyConversion {
    static_assert(sizeof(A) == 0, "no conversion from a description value to this setter's parameter type");
};

template <>
struct PropertyConversion<int> {
    static int from(const PropertyValue& value) { return value.toInt(); }
};
template <>
struct PropertyConversion<double> {
    static double from(const PropertyValue& value) { return value.toDouble(); }
};
template <>
struct PropertyConversion<bool> {
    static bool from(const PropertyValue& value) { return value.toBool(); }
};
template <>
struct PropertyConversion<QString> {
    static QString from(const PropertyValue& value) { return value.toString(); }
};
template <>
struct PropertyConversion<QStringList> {
    static QStringList from(const PropertyValue& value) { return value.toStrings(); }
};
// TColor is the only 32-bit unsigned type a setter takes.
template <>
struct PropertyConversion<TColor> {
    static TColor from(const PropertyValue& value) { return value.toColor(); }
};
template <>
struct PropertyConversion<QImage> {
    static QImage from(const PropertyValue& value) { return value.toPicture(); }
};
// Enums by the names their EnumNames table gives.
template <class E>
struct PropertyConversion<E, std::enable_if_t<std::is_enum_v<E>>> {
    static E from(const PropertyValue& value) { return value.toEnum(EnumNames<E>::items); }
};

}  // namespace rna::ui
