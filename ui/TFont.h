// A font as window descriptions give it (face, pixel height, colour, style set, character set), and its Qt font.
#pragma once

#include "ui/TColor.h"

#include <QFont>
#include <QString>

namespace rna::ui {

// Character sets in the platform's numbering. Text is drawn in Unicode whatever the set; it is kept so that
// a description reads back as it was written.
enum class TFontCharset : int {
    ANSI_CHARSET = 0,
    DEFAULT_CHARSET = 1,
    SYMBOL_CHARSET = 2,
    SHIFTJIS_CHARSET = 128,
    HANGEUL_CHARSET = 129,
    GB2312_CHARSET = 134,
    CHINESEBIG5_CHARSET = 136,
    GREEK_CHARSET = 161,
    TURKISH_CHARSET = 162,
    BALTIC_CHARSET = 186,
    RUSSIAN_CHARSET = 204,
    EASTEUROPE_CHARSET = 238,
    OEM_CHARSET = 255
};

enum class TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };

// Accepted in descriptions, not used: the face decides the pitch.
enum class TFontPitch { fpDefault, fpVariable, fpFixed };

struct TFont {
    QString name = QStringLiteral("MS Sans Serif");
    int height = -11;  // negative: character height in pixels; positive: cell height
    TColor color = clWindowText;
    TFontCharset charset = TFontCharset::DEFAULT_CHARSET;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;

    bool operator==(const TFont&) const = default;

    // The Qt font: faces without a free copy are mapped explicitly ("MS Sans Serif" -> "Liberation Sans Narrow"),
    // pixel size |height|, full hinting.
    QFont toQFont() const;
    // Qt's face for a description's face name.
    static QString mappedFace(const QString& name);
};

}  // namespace rna::ui
