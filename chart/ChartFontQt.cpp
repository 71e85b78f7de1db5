#include "chart/ChartFontQt.h"

#include <QApplication>
#include <QPalette>
#include <cmath>

namespace rna::chart {

namespace {

// Character height of a font whose cell height (ascent + descent) is given: about 87 % of it.
constexpr double CharHeightPerCellHeight = 0.87;

// The palette role of each system colour, or -1 for the colours Qt's palette has no role for.
constexpr int SystemColorRoles[SystemColorCount] = {
    QPalette::Button,     // clScrollBar
    QPalette::Dark,       // clBackground
    QPalette::Highlight,  // clActiveCaption
    -1,                   // clInactiveCaption
    QPalette::Window,     // clMenu
    QPalette::Base,       // clWindow
    QPalette::Shadow,     // clWindowFrame
    QPalette::WindowText, // clMenuText
    QPalette::Text,       // clWindowText
    QPalette::HighlightedText,  // clCaptionText
    QPalette::Button,     // clActiveBorder
    QPalette::Button,     // clInactiveBorder
    QPalette::Mid,        // clAppWorkSpace
    QPalette::Highlight,  // clHighlight
    QPalette::HighlightedText,  // clHighlightText
    QPalette::Button,     // clBtnFace
    QPalette::Dark,       // clBtnShadow
    -1,                   // clGrayText
    QPalette::ButtonText, // clBtnText
    -1,                   // clInactiveCaptionText
    QPalette::Light,      // clBtnHighlight
    QPalette::Shadow,     // cl3DDkShadow
    QPalette::Midlight,   // cl3DLight
    QPalette::ToolTipText,  // clInfoText
    QPalette::ToolTipBase,  // clInfoBk
};

// Colours for the system colours without a palette role.
TColor FallbackSystemColor(int index) {
  switch (index) {
    case 3: return 0xDBCDBF;   // inactive caption
    case 17: return 0x808080;  // grey text
    default: return 0x000000;  // inactive caption text
  }
}

TColor FromQColor(const QColor& c) { return RgbColor(c.red(), c.green(), c.blue()); }

}  // namespace

TColor ResolveColor(TColor color) {
  if (!IsSystemColor(color)) return color & 0x00FFFFFFu;
  const int index = int(color & 0x00FFFFFFu);
  const int role = SystemColorRoles[index];
  if (role < 0 || QApplication::instance() == nullptr) return FallbackSystemColor(index);
  return FromQColor(QApplication::palette().color(QPalette::Active, QPalette::ColorRole(role)));
}

TColor DarkenColor(TColor color, int amount) {
  const TColor rgb = ResolveColor(color);
  auto channel = [amount](int value) { return value - amount < 0 ? 0 : value - amount; };
  return RgbColor(channel(RedOf(rgb)), channel(GreenOf(rgb)), channel(BlueOf(rgb)));
}

QColor ToQColor(TColor color) {
  const TColor rgb = ResolveColor(color);
  return QColor(RedOf(rgb), GreenOf(rgb), BlueOf(rgb));
}

QFont ToQFont(const TChartFont& font) {
  QFont result(font.Name());
  const int height = font.Height();
  const int pixels = height < 0 ? -height : int(std::lround(height * CharHeightPerCellHeight));
  result.setPixelSize(pixels > 0 ? pixels : 1);
  result.setBold((font.Style() & fsBold) != 0);
  result.setItalic((font.Style() & fsItalic) != 0);
  result.setUnderline((font.Style() & fsUnderline) != 0);
  result.setStrikeOut((font.Style() & fsStrikeOut) != 0);
  result.setHintingPreference(QFont::PreferFullHinting);
  return result;
}

}  // namespace rna::chart
