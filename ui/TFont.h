// A font as window descriptions give it (face, pixel height, colour, style set), and its Qt font.
#pragma once

#include "ui/TColor.h"

#include <QFont>
#include <QString>

namespace rna::ui {

struct TFont {
    QString name = QStringLiteral("MS Sans Serif");
    int height = -11;  // negative: character height in pixels; positive: cell height
    TColor color = clWindowText;
    QString charset = QStringLiteral("DEFAULT_CHARSET");
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;

    bool operator==(const TFont&) const = default;

    // The Qt font: faces without a free copy are mapped explicitly ("MS Sans Serif" -> "Liberation Sans"),
    // pixel size |height|, full hinting.
    QFont toQFont() const;
    // Qt's face for a description's face name.
    static QString mappedFace(const QString& name);
};

}  // namespace rna::ui
