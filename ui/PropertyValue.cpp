#include "ui/PropertyValue.h"

#include "ui/EmbeddedImage.h"
#include "ui/TextTranslation.h"

#include <QFile>
#include <QJsonArray>
#include <cmath>

namespace rna::ui {

PropertyValue::PropertyValue(QJsonValue value, QString file, QString entry, TextPlace place)
    : value_(std::move(value)), file_(std::move(file)), entry_(std::move(entry)), place_(std::move(place))
{}

void PropertyValue::fail(const QString& problem) const
{
    throw LoadError(file_, entry_, problem);
}

int PropertyValue::toInt() const
{
    const double number = toDouble();
    if (number != std::floor(number) || std::abs(number) > 2147483647.0)
        fail(QStringLiteral("an integer was expected"));
    return int(number);
}

double PropertyValue::toDouble() const
{
    if (!value_.isDouble())
        fail(QStringLiteral("a number was expected"));
    return value_.toDouble();
}

bool PropertyValue::toBool() const
{
    if (!value_.isBool())
        fail(QStringLiteral("true or false was expected"));
    return value_.toBool();
}

QString PropertyValue::toString() const
{
    if (!value_.isString())
        fail(QStringLiteral("a string was expected"));
    return value_.toString();
}

QStringList PropertyValue::toStrings() const
{
    if (!value_.isArray())
        fail(QStringLiteral("an array of strings was expected"));
    QStringList list;
    for (const QJsonValue& item : value_.toArray()) {
        if (!item.isString())
            fail(QStringLiteral("an array of strings was expected"));
        list.append(item.toString());
    }
    return list;
}

QString PropertyValue::toText() const
{
    return TranslatedText(place_, toString());
}

QStringList PropertyValue::toTexts() const
{
    QStringList texts = toStrings();
    for (QString& text : texts)
        text = TranslatedText(place_, text);
    return texts;
}

TColor PropertyValue::toColor() const
{
    const QString text = toString();
    const std::optional<TColor> color = colorFromText(text);
    if (!color)
        fail(QStringLiteral("unknown colour '%1'").arg(text));
    return *color;
}

QRect PropertyValue::toBounds() const
{
    const QJsonArray array = value_.toArray();
    if (!value_.isArray() || array.size() != 4)
        fail(QStringLiteral("[left, top, width, height] was expected"));
    int numbers[4] = {};
    for (int i = 0; i < 4; ++i)
        numbers[i] = withValue(array[i], QStringLiteral("[%1]").arg(i)).toInt();
    if (numbers[2] < 0 || numbers[3] < 0)
        fail(QStringLiteral("width and height must not be negative"));
    return QRect(numbers[0], numbers[1], numbers[2], numbers[3]);
}

QImage PropertyValue::toPicture() const
{
    const QImage image = ReadEmbeddedImage(toPictureFile().first);
    if (image.isNull())
        fail(QStringLiteral("picture '%1' not found or unreadable").arg(toString()));
    return image;
}

std::pair<QString, QSize> PropertyValue::toPictureFile() const
{
    const QString name = toString();
    if (name.isEmpty() || name.contains(QLatin1String("..")))
        fail(QStringLiteral("bad picture file name '%1'").arg(name));
    const QString path = QStringLiteral(":/assets/") + name;
    const QSize size = EmbeddedImageSize(path);
    if (!size.isValid())
        fail(QStringLiteral("picture '%1' not found or unreadable").arg(name));
    return {path, size};
}

QJsonObject PropertyValue::toObject() const
{
    if (!value_.isObject())
        fail(QStringLiteral("an object was expected"));
    return value_.toObject();
}

PropertyValue PropertyValue::member(const QString& key) const
{
    return PropertyValue(toObject().value(key), file_, entry_.isEmpty() ? key : entry_ + QLatin1Char('.') + key,
                         place_);
}

PropertyValue PropertyValue::withValue(const QJsonValue& value, const QString& key) const
{
    return PropertyValue(value, file_, entry_ + key, place_);
}

}  // namespace rna::ui
