#include "ui/TextTranslation.h"

#include <QCoreApplication>

namespace rna::ui {

bool IsTranslatableText(const QString& text)
{
    for (const QChar c : text)
        if (c.isLetter())
            return true;
    return false;
}

QString TranslatedText(const TextPlace& place, const QString& text)
{
    if (!IsTranslatableText(text))
        return text;
    return QCoreApplication::translate(place.window.toUtf8().constData(), text.toUtf8().constData(),
                                       place.control.isEmpty() ? nullptr : place.control.toUtf8().constData());
}

}  // namespace rna::ui
