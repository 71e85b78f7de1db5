#include "ui/TLabel.h"

#include "ui/TForm.h"

#include <QFontMetrics>
#include <QPainter>

namespace rna::ui {

TLabel::TLabel(TForm& form) : TGraphicControl(form)
{
    setBounds(QRect(0, 0, 65, 17));
    // The font and the caption's layout are made when first needed.
    putOff();
}

void TLabel::refreshFont(const TFont& font)
{
    if (fontReady_ && font == shownFont_)
        return;
    fontReady_ = true;
    shownFont_ = font;
    qfont_ = font.toQFont();
    metrics_ = QFontMetrics(qfont_);
    measured_.clear();
    lines_.setFont(qfont_);
    shownLine_ = nullptr;
    textStale_ = true;
}

void TLabel::prepareText()
{
    shownLine_ = lines_.prepare(caption_, textFlags());
    textStale_ = false;
}

void TLabel::contentChanged(bool resize)
{
    textStale_ = true;
    putOff();
    if (resize)
        adjustBounds();
    if (form().isVisible())
        settle();
}

void TLabel::settleNow()
{
    for (const Sizing& sizing : owed_)
        applySizing(sizing);
    owed_.clear();
    refreshFont(tfont());
    if (textStale_)
        prepareText();
}

void TLabel::boundsReplaced()
{
    owed_.clear();
}

QRect TLabel::measure(const QString& text, int flags, int room)
{
    if (const Measured* found = measured_.find(
            [&](const Measured& entry) { return entry.flags == flags && entry.room == room && entry.text == text; }))
        return found->rect;
    const QRect rect = metrics_.boundingRect(QRect(0, 0, room, 1 << 20), flags, text);
    measured_.add({text, flags, room, rect});
    return rect;
}

void TLabel::setCaption(const QString& caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    contentChanged(true);
    invalidate();
    if (accessibleName().isEmpty())
        announce(QAccessible::NameChanged);
}

void TLabel::setAutoSize(bool on)
{
    if (on == autoSize_)
        return;
    autoSize_ = on;
    adjustBounds();
}

void TLabel::setAlignment(TAlignment alignment)
{
    if (alignment == alignment_)
        return;
    alignment_ = alignment;
    invalidate();
}

void TLabel::setWordWrap(bool on)
{
    if (on == wordWrap_)
        return;
    wordWrap_ = on;
    contentChanged(true);
    invalidate();
}

void TLabel::setTransparent(bool on)
{
    if (on == transparent_)
        return;
    transparent_ = on;
    invalidate();
}

void TLabel::setShowAccelChar(bool on)
{
    if (on == showAccelChar_)
        return;
    showAccelChar_ = on;
    contentChanged(true);
    invalidate();
}

void TLabel::setLayout(TTextLayout layout)
{
    if (layout == layout_)
        return;
    layout_ = layout;
    invalidate();
}

TColor TLabel::color() const
{
    return parentColor_ ? form().color() : color_;
}

void TLabel::setColor(TColor color)
{
    if (color == color_ && !parentColor_)
        return;
    color_ = color;
    parentColor_ = false;
    invalidate();
}

void TLabel::setParentColor(bool on)
{
    if (on == parentColor_)
        return;
    if (!on)
        color_ = form().color();
    parentColor_ = on;
    invalidate();
}

TFont TLabel::tfont() const
{
    return parentFont_ ? form().tfont() : font_;
}

void TLabel::setTFont(const TFont& font)
{
    if (font == font_ && !parentFont_)
        return;
    font_ = font;
    parentFont_ = false;
    contentChanged(true);
    invalidate();
}

void TLabel::setParentFont(bool on)
{
    if (on == parentFont_)
        return;
    if (!on)
        font_ = form().tfont();
    parentFont_ = on;
    contentChanged(true);
    invalidate();
}

void TLabel::parentFontChanged()
{
    if (!parentFont_)
        return;
    contentChanged(true);
    invalidate();
}

int TLabel::textFlags() const
{
    int flags = Qt::TextExpandTabs;
    if (showAccelChar_)
        flags |= Qt::TextShowMnemonic;
    if (wordWrap_)
        flags |= Qt::TextWordWrap;
    switch (alignment_) {
    case TAlignment::taLeftJustify:
        flags |= Qt::AlignLeft;
        break;
    case TAlignment::taRightJustify:
        flags |= Qt::AlignRight;
        break;
    case TAlignment::taCenter:
        flags |= Qt::AlignHCenter;
        break;
    }
    return flags;
}

void TLabel::adjustBounds()
{
    if (!autoSize_)
        return;
    Sizing sizing{caption_, textFlags(), tfont()};
    // Two sizings with the same flags keep the same edges (left, or right, top and a wrapping label's width), so
    // the later one alone ends where both would: only its caption and font count.
    if (!owed_.empty() && owed_.back().flags == sizing.flags)
        owed_.back() = std::move(sizing);
    else
        owed_.push_back(std::move(sizing));
    putOff();
    // A label switched back and forth between flags while hidden does not pile sizings up.
    constexpr std::size_t MostOwed = 8;
    if (form().isVisible() || owed_.size() > MostOwed)
        settle();
}

void TLabel::applySizing(const Sizing& sizing)
{
    refreshFont(sizing.font);
    // An empty caption measures as one blank: the label keeps one line's height.
    const QString blank = QStringLiteral(" ");
    const QString& text = sizing.caption.isEmpty() ? blank : sizing.caption;
    const bool wordWrap = sizing.flags & Qt::TextWordWrap;
    const int flags = (sizing.flags & ~(Qt::AlignRight | Qt::AlignHCenter)) | Qt::AlignLeft;
    const QRect bounds = storedBounds();
    // A wrapping label keeps its width and grows downwards.
    const int room = wordWrap ? std::max(bounds.width(), 1) : 1 << 20;
    const QRect measured = measure(text, flags, room);
    // The text's own height: lines after the first add the line spacing, the first only the font height.
    const int lineBox = std::max(1, measure(blank, flags, room).height());
    const int lines = std::max(1, (measured.height() + lineBox / 2) / lineBox);
    const int height = (lines - 1) * metrics_.lineSpacing() + metrics_.height();
    const int width = wordWrap ? bounds.width() : measured.width();
    const bool keepsRightEdge = (sizing.flags & Qt::AlignRight) && !wordWrap;
    const int left = keepsRightEdge ? bounds.right() + 1 - width : bounds.left();
    place(QRect(left, bounds.top(), width, height));
}

void TLabel::setDescribedBounds(const QRect& bounds)
{
    describedBounds_ = bounds;
    setBounds(bounds);
}

void TLabel::finishLoading()
{
    if (describedBounds_.isValid())
        setBounds(describedBounds_);
    adjustBounds();
}

void TLabel::paint(QPainter& painter) const
{
    settle();
    const QRect area(0, 0, width(), height());
    if (!transparent_)
        painter.fillRect(area, toQColor(color()));
    painter.setFont(qfont_);
    painter.setPen(isEnabled() ? toQColor(shownFont_.color) : toQColor(clGrayText));
    int flags = textFlags();
    if (layout_ == TTextLayout::tlCenter)
        flags |= Qt::AlignVCenter;
    else if (layout_ == TTextLayout::tlBottom)
        flags |= Qt::AlignBottom;
    else
        flags |= Qt::AlignTop;
    // A kept line is drawn without shaping the text again; the painter lays out anything else.
    if (shownLine_ && painter.layoutDirection() == Qt::LeftToRight)
        TextLines::draw(painter, *shownLine_, area, flags);
    else
        painter.drawText(area, flags, caption_);
}

}  // namespace rna::ui
