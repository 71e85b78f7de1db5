#include "ui/EmbeddedImage.h"

#include <QFileInfo>
#include <QImageReader>

namespace rna::ui {

QImage ReadEmbeddedImage(const QString& path)
{
    QImageReader reader(path, QFileInfo(path).suffix().toLower().toLatin1());
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

}  // namespace rna::ui
