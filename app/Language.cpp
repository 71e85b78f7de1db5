#include "app/Language.h"

#include <QTranslator>
#include <stdexcept>

namespace rna::app {

QString LanguageCode(Language language)
{
    return language == Language::English ? QStringLiteral("en") : QStringLiteral("ro");
}

std::unique_ptr<QTranslator> TranslatorFor(Language language)
{
    if (language == Language::Romanian)
        return nullptr;
    auto translator = std::make_unique<QTranslator>();
    // Embedded at build time from assets/translations/en.ts.
    const QString path = QStringLiteral(":/assets/translations/%1.qm").arg(LanguageCode(language));
    if (!translator->load(path))
        throw std::runtime_error("the translations " + path.toStdString() + " cannot be read");
    return translator;
}

}  // namespace rna::app
