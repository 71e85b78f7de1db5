#include "ui/EmbeddedImage.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPixmap>

namespace rna::ui {

namespace {

// The reader for the format path's suffix names, asking no plug-in.
QImageReader& setUpReader(QImageReader& reader, const QString& path)
{
    reader.setFileName(path);
    reader.setFormat(QFileInfo(path).suffix().toLower().toLatin1());
    reader.setAutoDetectImageFormat(false);
    return reader;
}

}  // namespace

QImage ReadEmbeddedImage(const QString& path)
{
    QImageReader reader;
    return setUpReader(reader, path).read();
}

QSize EmbeddedImageSize(const QString& path)
{
    QImageReader reader;
    if (!setUpReader(reader, path).canRead())
        return {};
    return reader.size();
}

QIcon ReadEmbeddedIcon(const QString& path)
{
    return QIcon(QPixmap::fromImage(ReadEmbeddedImage(path)));
}

}  // namespace rna::ui
