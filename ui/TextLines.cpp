#include "ui/TextLines.h"

#include <QPainter>
#include <QTextLine>
#include <QTextOption>
#include <algorithm>

namespace rna::ui {

namespace {
// The width the painter gives a line that does not wrap.
constexpr qreal UnboundedWidth = 0x01000000;
}  // namespace

void TextLines::setFont(const QFont& font)
{
    font_ = font;
    kept_.clear();
}

bool TextLines::handles(const QString& text, int flags) const
{
    if (text.isEmpty() || (flags & Qt::TextWordWrap) || font_.underline() || font_.strikeOut() || font_.overline())
        return false;
    const auto special = [flags](QChar c) {
        return c == u'\t' || c == u'\n' || c == u'\r' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator ||
               (c == u'&' && (flags & Qt::TextShowMnemonic));
    };
    return std::none_of(text.begin(), text.end(), special);
}

const QTextLayout* TextLines::prepare(const QString& text, int flags)
{
    if (!handles(text, flags))
        return nullptr;
    // The line in use is the most recently used, so it is never the one dropped.
    if (const auto* found = kept_.find([&text](const auto& line) { return line->text() == text; }))
        return found->get();
    // The options and line placement of the painter's own text drawing; the shaped glyphs stay in the layout.
    auto layout = std::make_unique<QTextLayout>(text, font_);
    QTextOption option;
    option.setTextDirection(Qt::LeftToRight);
    option.setAlignment(Qt::AlignLeft);
    option.setFlags(QTextOption::IncludeTrailingSpaces);
    layout->setTextOption(option);
    layout->setCacheEnabled(true);
    layout->beginLayout();
    QTextLine line = layout->createLine();
    line.setLineWidth(UnboundedWidth);
    line.setPosition(QPointF(0, 0));
    layout->endLayout();
    return kept_.add(std::move(layout)).get();
}

void TextLines::draw(QPainter& painter, const QTextLayout& line, const QRect& area, int flags)
{
    const QTextLine first = line.lineAt(0);
    const qreal height = first.ascent() + first.descent();
    const qreal advance = first.horizontalAdvance();
    qreal x = 0;
    if (flags & Qt::AlignRight)
        x = area.width() - advance;
    else if (flags & Qt::AlignHCenter)
        x = (area.width() - advance) / 2;
    qreal y = 0;
    if (flags & Qt::AlignBottom)
        y = area.height() - height;
    else if (flags & Qt::AlignVCenter)
        y = (area.height() - height) / 2;
    first.draw(&painter, QPointF(area.x() + x, area.y() + y));
}

}  // namespace rna::ui
