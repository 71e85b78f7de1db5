// A label's kept text layout draws the pixels the painter's own text drawing draws, whatever the caption,
// alignment, layout and font, and follows changes of caption and font.
#include "ui/TForm.h"
#include "ui/TLabel.h"

#include <QPainter>
#include <gtest/gtest.h>

using namespace rna::ui;

namespace {

struct LabelText {
    const char* name;
    QString caption;
    TAlignment alignment;
    TTextLayout layout;
    QSize size;  // narrower or shorter than the text: clipped
    TFont font;
};

TFont boldTeal()
{
    TFont font;
    font.bold = true;
    font.color = clTeal;
    return font;
}

TFont largeItalic()
{
    TFont font;
    font.height = -17;
    font.italic = true;
    return font;
}

int alignmentFlag(TAlignment alignment)
{
    switch (alignment) {
    case TAlignment::taRightJustify:
        return Qt::AlignRight;
    case TAlignment::taCenter:
        return Qt::AlignHCenter;
    default:
        return Qt::AlignLeft;
    }
}

int layoutFlag(TTextLayout layout)
{
    switch (layout) {
    case TTextLayout::tlCenter:
        return Qt::AlignVCenter;
    case TTextLayout::tlBottom:
        return Qt::AlignBottom;
    default:
        return Qt::AlignTop;
    }
}

// The label as its window paints it: translated to its place and clipped to its rectangle.
QImage paintedLabel(const TLabel& label)
{
    QImage image(label.width() + 4, label.height() + 4, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setLayoutDirection(Qt::LeftToRight);  // as a painter on a window is
    painter.translate(2, 2);
    painter.setClipRect(QRect(QPoint(0, 0), label.boundsRect().size()));
    label.paint(painter);
    return image;
}

// What the painter draws for the caption by itself, laid out afresh.
QImage drawnText(const LabelText& c, const QString& caption, const TFont& font)
{
    QImage image(c.size.width() + 4, c.size.height() + 4, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setLayoutDirection(Qt::LeftToRight);
    painter.translate(2, 2);
    const QRect area(QPoint(0, 0), c.size);
    painter.setClipRect(area);
    painter.fillRect(area, toQColor(clBtnFace));
    painter.setFont(font.toQFont());
    painter.setPen(toQColor(font.color));
    const int flags = Qt::TextExpandTabs | Qt::TextShowMnemonic | alignmentFlag(c.alignment) | layoutFlag(c.layout);
    painter.drawText(area, flags, caption);
    return image;
}

class LabelTexts : public ::testing::TestWithParam<LabelText> {};

TEST_P(LabelTexts, KeptLayoutDrawsWhatThePainterDraws)
{
    const LabelText& c = GetParam();
    TForm form;
    TLabel label(form);
    label.setAutoSize(false);
    label.setBounds(QRect(QPoint(0, 0), c.size));
    label.setAlignment(c.alignment);
    label.setLayout(c.layout);
    label.setTFont(c.font);
    label.setCaption(c.caption);
    EXPECT_EQ(paintedLabel(label), drawnText(c, c.caption, c.font));

    // Another caption and back (the first one's layout is kept), then another font for the same caption.
    label.setCaption(QStringLiteral("-0.25"));
    EXPECT_EQ(paintedLabel(label), drawnText(c, QStringLiteral("-0.25"), c.font));
    label.setCaption(c.caption);
    EXPECT_EQ(paintedLabel(label), drawnText(c, c.caption, c.font));
    const TFont other = c.font.bold ? largeItalic() : boldTeal();
    label.setTFont(other);
    EXPECT_EQ(paintedLabel(label), drawnText(c, c.caption, other));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LabelTexts,
    ::testing::Values(
        LabelText{"Digit", "0", TAlignment::taLeftJustify, TTextLayout::tlTop, {8, 13}, TFont{}},
        LabelText{"NumberBoldTeal", "-12.3456", TAlignment::taLeftJustify, TTextLayout::tlTop, {48, 13}, boldTeal()},
        LabelText{"RightAligned", "0.75", TAlignment::taRightJustify, TTextLayout::tlTop, {40, 16}, TFont{}},
        LabelText{"CentredBoth", "PRAG", TAlignment::taCenter, TTextLayout::tlCenter, {41, 20}, boldTeal()},
        LabelText{"CentredOddRoom", "w1 = ", TAlignment::taCenter, TTextLayout::tlBottom, {36, 19}, TFont{}},
        LabelText{"TrailingBlanksRight", "p = ", TAlignment::taRightJustify, TTextLayout::tlCenter, {30, 15}, TFont{}},
        LabelText{"LeadingBlanksCentred", "  a", TAlignment::taCenter, TTextLayout::tlTop, {30, 13}, largeItalic()},
        LabelText{
            "ClippedNarrow", "FUNCTIA DE ACTIVARE", TAlignment::taLeftJustify, TTextLayout::tlTop, {50, 13}, TFont{}},
        LabelText{"ClippedRightShort",
                  "FUNCTIA DE ACTIVARE",
                  TAlignment::taRightJustify,
                  TTextLayout::tlBottom,
                  {50, 9},
                  largeItalic()},
        LabelText{"Mnemonic", "&Iesire", TAlignment::taLeftJustify, TTextLayout::tlTop, {40, 13}, TFont{}},
        LabelText{"TwoLines", "0\n1", TAlignment::taCenter, TTextLayout::tlCenter, {20, 30}, TFont{}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
