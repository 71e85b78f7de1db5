// Pictures embedded in the program (":/assets/..."), decoded by the reader their file suffix names.
#pragma once

#include <QIcon>
#include <QImage>
#include <QString>

namespace rna::ui {

// The image at path, decoded by Qt's own reader for the format its suffix names ("png", "bmp"); a null image when
// the file is missing or not of that format. No image-format plug-in is loaded or asked: left to guess, the image
// reader would load every installed plug-in library to ask it about the file before using its built-in reader, a
// cost in start-up time and memory paid for nothing.
QImage ReadEmbeddedImage(const QString& path);

// The size of the image at path read from its header alone, by the same reader; an invalid size when the file is
// missing or not of that format.
QSize EmbeddedImageSize(const QString& path);

// The icon made of the image at path, read as ReadEmbeddedImage reads it.
QIcon ReadEmbeddedIcon(const QString& path);

}  // namespace rna::ui
