#include "ui/FontProperties.h"

#include <algorithm>

namespace rna::ui {

std::shared_ptr<const PropertyTable<TFont>> fontPropertyTable()
{
    static const auto table = [] {
        auto t = std::make_shared<PropertyTable<TFont>>(QStringLiteral("font property"));
        t->add("Name", [](TFont& f, const QString& name) { f.name = name; })
            .add("Height", [](TFont& f, int height) { f.height = height; })
            .add("Size", [](TFont& f, int points) { f.height = -((points * 96 + 36) / 72); })
            .add("Color", [](TFont& f, TColor color) { f.color = color; })
            .add("Charset", [](TFont& f, TFontCharset charset) { f.charset = charset; })
            .add("Style",
                 [](TFont& f, const PropertyValue& v) {
                     const std::vector<TFontStyle> style = v.toSet(EnumNames<TFontStyle>::items);
                     auto has = [&style](TFontStyle s) {
                         return std::find(style.begin(), style.end(), s) != style.end();
                     };
                     f.bold = has(TFontStyle::fsBold);
                     f.italic = has(TFontStyle::fsItalic);
                     f.underline = has(TFontStyle::fsUnderline);
                     f.strikeOut = has(TFontStyle::fsStrikeOut);
                 })
            .ignore("Pitch");
        return t;
    }();
    return table;
}

}  // namespace rna::ui
