#include "ui/TColor.h"

#include <QApplication>
#include <QPalette>
#include <array>

namespace rna::ui {

namespace {

struct NamedColor {
    const char* name;
    TColor value;
};

constexpr std::array<NamedColor, 17> kStandard{{
    {"clBlack", clBlack},
    {"clMaroon", clMaroon},
    {"clGreen", clGreen},
    {"clOlive", clOlive},
    {"clNavy", clNavy},
    {"clPurple", clPurple},
    {"clTeal", clTeal},
    {"clGray", clGray},
    {"clSilver", clSilver},
    {"clRed", clRed},
    {"clLime", clLime},
    {"clYellow", clYellow},
    {"clBlue", clBlue},
    {"clFuchsia", clFuchsia},
    {"clAqua", clAqua},
    {"clWhite", clWhite},
    {"clNone", clNone},
}};

// System colours in their numbering; the palette role that stands for each, or our own RGB where Qt has none.
struct SystemColor {
    const char* name;
    int role;  // QPalette::ColorRole, or -1 for the fixed value
    QRgb fixed;
};

constexpr int kNoRole = -1;
constexpr std::array<SystemColor, systemColorCount> kSystem{{
    {"clScrollBar", kNoRole, 0xffc8c8c8},
    {"clBackground", kNoRole, 0xff000000},
    {"clActiveCaption", kNoRole, 0xff99b4d1},
    {"clInactiveCaption", kNoRole, 0xffbfcddb},
    {"clMenu", kNoRole, 0xfff0f0f0},
    {"clWindow", QPalette::Base, 0},
    {"clWindowFrame", kNoRole, 0xff646464},
    {"clMenuText", QPalette::WindowText, 0},
    {"clWindowText", QPalette::WindowText, 0},
    {"clCaptionText", kNoRole, 0xff000000},
    {"clActiveBorder", kNoRole, 0xffb4b4b4},
    {"clInactiveBorder", kNoRole, 0xfff4f7fc},
    {"clAppWorkSpace", kNoRole, 0xffababab},
    {"clHighlight", QPalette::Highlight, 0},
    {"clHighlightText", QPalette::HighlightedText, 0},
    {"clBtnFace", QPalette::Button, 0},
    {"clBtnShadow", QPalette::Dark, 0},
    {"clGrayText", kNoRole, 0xff6d6d6d},
    {"clBtnText", QPalette::ButtonText, 0},
    {"clInactiveCaptionText", kNoRole, 0xff000000},
    {"clBtnHighlight", QPalette::Light, 0},
    {"cl3DDkShadow", QPalette::Shadow, 0},
    {"cl3DLight", QPalette::Midlight, 0},
    {"clInfoText", QPalette::ToolTipText, 0},
    {"clInfoBk", QPalette::ToolTipBase, 0},
}};

}  // namespace

std::optional<TColor> colorFromText(const QString& text)
{
    for (const NamedColor& named : kStandard)
        if (text == QLatin1String(named.name))
            return named.value;
    for (std::size_t n = 0; n < kSystem.size(); ++n)
        if (text == QLatin1String(kSystem[n].name))
            return clSystemColor + TColor(n);
    if (text.size() == 10 && text.startsWith(QLatin1String("0x"))) {
        bool ok = false;
        const TColor value = text.mid(2).toUInt(&ok, 16);
        if (ok)
            return value;
    }
    return std::nullopt;
}

QString colorToText(TColor color)
{
    for (const NamedColor& named : kStandard)
        if (named.value == color)
            return QLatin1String(named.name);
    if (isSystemColor(color))
        return QLatin1String(kSystem[color - clSystemColor].name);
    return QStringLiteral("0x%1")
        .arg(color, 8, 16, QLatin1Char('0'))
        .toUpper()
        .replace(QLatin1String("0X"), QLatin1String("0x"));
}

QColor toQColor(TColor color)
{
    if (color == clNone)
        return {};
    if (isSystemColor(color)) {
        const SystemColor& system = kSystem[color - clSystemColor];
        if (system.role == kNoRole)
            return QColor::fromRgb(system.fixed);
        return QApplication::palette().color(QPalette::Active, QPalette::ColorRole(system.role));
    }
    if (color & 0xFF000000u)
        return {};
    return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

TColor fromQColor(const QColor& color)
{
    return TColor(color.red()) | (TColor(color.green()) << 8) | (TColor(color.blue()) << 16);
}

}  // namespace rna::ui
