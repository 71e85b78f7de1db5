// One value of a window description with its place (file and entry), converted on demand; a bad value throws LoadError.
#pragma once

#include "ui/LoadError.h"
#include "ui/TColor.h"

#include <QImage>
#include <QJsonObject>
#include <QJsonValue>
#include <QRect>
#include <QStringList>
#include <algorithm>
#include <iterator>
#include <type_traits>
#include <utility>
#include <vector>

namespace rna::ui {

// Where a text of a description is shown: its window and its control (empty for the window itself).
struct TextPlace {
    QString window;
    QString control;
};

class PropertyValue {
public:
    PropertyValue(QJsonValue value, QString file, QString entry, TextPlace place = {});

    const QJsonValue& json() const { return value_; }
    const QString& file() const { return file_; }
    const QString& entry() const { return entry_; }
    const TextPlace& place() const { return place_; }

    [[noreturn]] void fail(const QString& problem) const;

    int toInt() const;
    double toDouble() const;
    bool toBool() const;
    QString toString() const;
    QStringList toStrings() const;
    // A text the user reads, and a list of them (items, lines): in the program's language for their place.
    QString toText() const;
    QStringList toTexts() const;
    TColor toColor() const;
    QRect toBounds() const;  // [left, top, width, height]
    QImage toPicture() const;  // file name under assets/
    // The resource path and size of the picture file named under assets/, checked to be readable but not decoded.
    std::pair<QString, QSize> toPictureFile() const;
    QJsonObject toObject() const;

    // An enum value by its name in `names` (pairs of name and value).
    template <class Names>
    auto toEnum(const Names& names) const
    {
        const QString text = toString();
        for (const auto& [name, value] : names)
            if (text == QLatin1String(name))
                return value;
        fail(QStringLiteral("unknown enum name '%1'").arg(text));
    }
    // A set: an array of member names from `names`.
    template <class Names>
    auto toSet(const Names& names) const
    {
        std::vector<std::decay_t<decltype(std::begin(names)->second)>> members;
        for (const QString& text : toStrings()) {
            const auto known = std::find_if(std::begin(names), std::end(names),
                                            [&text](const auto& item) { return text == QLatin1String(item.first); });
            if (known == std::end(names))
                fail(QStringLiteral("unknown set member '%1'").arg(text));
            members.push_back(known->second);
        }
        return members;
    }

    // The value of one key of an object value, with the entry path extended by it.
    PropertyValue member(const QString& key) const;
    PropertyValue withValue(const QJsonValue& value, const QString& key) const;

private:
    QJsonValue value_;
    QString file_;
    QString entry_;
    TextPlace place_;
};

}  // namespace rna::ui
