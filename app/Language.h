// The language of every text the user sees, and what each language brings: its translations and help files.
#pragma once

#include <QString>
#include <memory>

class QTranslator;

namespace rna::app {

// Only the command line chooses it, never the system's locale: the program's users expect Romanian whatever
// their desktop's language. The decimal separator follows the locale in either language.
enum class Language { Romanian, English };

// "ro" or "en": the folder of the language's help files under assets/help/.
QString LanguageCode(Language language);

// The translator of the window descriptions' and the program's texts into the language; null for Romanian, the
// language the texts are written in.
std::unique_ptr<QTranslator> TranslatorFor(Language language);

}  // namespace rna::app
