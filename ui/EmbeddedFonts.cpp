#include "ui/EmbeddedFonts.h"

#include <QDir>
#include <QFontDatabase>
#include <QtDebug>

namespace rna::ui {

namespace {

const char* const FontFolder = ":/assets/fonts";

}  // namespace

QStringList registerEmbeddedFonts()
{
    QStringList families;
    const QDir folder(QString::fromLatin1(FontFolder));
    for (const QString& name : folder.entryList({QStringLiteral("*.ttf")}, QDir::Files, QDir::Name)) {
        const int id = QFontDatabase::addApplicationFont(folder.filePath(name));
        if (id < 0) {
            qWarning("The embedded font %s could not be read", qPrintable(name));
            continue;
        }
        for (const QString& family : QFontDatabase::applicationFontFamilies(id))
            if (!families.contains(family))
                families.append(family);
    }
    return families;
}

}  // namespace rna::ui
