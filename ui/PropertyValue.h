// One value of a window description with its place (file and entry), converted on demand; a bad value throws LoadError.
#pragma once

#include "ui/LoadError.h"
#include "ui/TColor.h"
#include "ui/TFont.h"

#include <QImage>
#include <QJsonObject>
#include <QJsonValue>
#include <QRect>
#include <QStringList>
#include <initializer_list>
#include <utility>

namespace rna::ui {

class PropertyValue {
public:
    PropertyValue(QJsonValue value, QString file, QString entry);

    const QJsonValue& json() const { return value_; }
    const QString& file() const { return file_; }
    const QString& entry() const { return entry_; }

    [[noreturn]] void fail(const QString& problem) const;

    int toInt() const;
    double toDouble() const;
    bool toBool() const;
    QString toString() const;
    QStringList toStrings() const;
    TColor toColor() const;
    QRect toBounds() const;  // [left, top, width, height]
    QImage toPicture() const;  // file name under assets/
    TFont toFont(const TFont& base) const;  // fields not given keep base's
    QJsonObject toObject() const;
    QStringList toSet(std::initializer_list<const char*> members) const;

    template <class E>
    E toEnum(std::initializer_list<std::pair<const char*, E>> names) const
    {
        const QString text = toString();
        for (const auto& [name, value] : names)
            if (text == QLatin1String(name))
                return value;
        fail(QStringLiteral("unknown enum name '%1'").arg(text));
    }

    // The value of one key of an object value, with the entry path extended by it.
    PropertyValue member(const QString& key) const;
    PropertyValue withValue(const QJsonValue& value, const QString& key) const;

private:
    QJsonValue value_;
    QString file_;
    QString entry_;
};

}  // namespace rna::ui
