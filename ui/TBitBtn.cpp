#include "ui/TBitBtn.h"

#include "ui/EmbeddedImage.h"
#include "ui/TForm.h"
#include "ui/WidgetLook.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionButton>

namespace rna::ui {

namespace {
constexpr int kDisabledGlyph = 1;

QImage withoutTransparentColor(const QImage& image)
{
    QImage result = image.convertToFormat(QImage::Format_ARGB32);
    if (result.isNull())
        return result;
    const QRgb key = result.pixel(0, result.height() - 1);
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x)
            if (line[x] == key)
                line[x] = 0;
    }
    return result;
}

TForm* formOf(const QWidget& widget)
{
    return qobject_cast<TForm*>(widget.window());
}
}  // namespace

TBitBtn::TBitBtn(QWidget* parent) : QPushButton(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAutoDefault(false);
    resize(75, 25);
    connect(this, &QAbstractButton::clicked, this, &TBitBtn::clickedByAnyone);
}

void TBitBtn::setCaption(const QString& caption)
{
    if (caption == text())
        return;
    setText(caption);
    update();
}

void TBitBtn::setKind(TBitBtnKind kind)
{
    if (kind == kind_)
        return;
    kind_ = kind;
    if (kind != TBitBtnKind::bkOK)
        return;
    setDefaultButton(true);
    setCancel(false);
    setModalResult(TModalResult::mrOk);
    setGlyph(ReadEmbeddedImage(QStringLiteral(":/assets/ui/bkOK.bmp")));
    setNumGlyphs(2);
}

void TBitBtn::loaded()
{
    if (kind_ == TBitBtnKind::bkOK && text().isEmpty())
        setText(QStringLiteral("OK"));
}

void TBitBtn::setDefaultButton(bool on)
{
    if (on == default_)
        return;
    default_ = on;
    if (TForm* form = formOf(*this)) {
        if (on)
            form->setDefaultButton(this);
        else if (form->defaultButton() == this)
            form->setDefaultButton(nullptr);
    }
    update();
}

void TBitBtn::setGlyph(const QImage& glyph)
{
    glyph_ = glyph;
    update();
}

void TBitBtn::setNumGlyphs(int count)
{
    numGlyphs_ = std::max(1, count);
    update();
}

void TBitBtn::setSpacing(int spacing)
{
    if (spacing == spacing_)
        return;
    spacing_ = spacing;
    update();
}

void TBitBtn::setTFont(const TFont& font)
{
    applyFont(*this, font);
}

QImage TBitBtn::stateGlyph() const
{
    if (glyph_.isNull())
        return {};
    const int width = glyph_.width() / numGlyphs_;
    const int index = !isEnabled() && numGlyphs_ > kDisabledGlyph ? kDisabledGlyph : 0;
    return withoutTransparentColor(glyph_.copy(index * width, 0, width, glyph_.height()));
}

QSize TBitBtn::contentSize() const
{
    const int glyphWidth = glyph_.isNull() ? 0 : glyph_.width() / numGlyphs_;
    const int textWidth =
        text().isEmpty() ? 0 : fontMetrics().horizontalAdvance(QString(text()).remove(QLatin1Char('&')));
    const int gap = glyphWidth > 0 && textWidth > 0 ? spacing_ : 0;
    return QSize(glyphWidth + gap + textWidth, std::max(glyph_.height(), fontMetrics().height()));
}

QRect TBitBtn::glyphRect() const
{
    if (glyph_.isNull())
        return {};
    // Glyph and caption are centred together, glyph first.
    const int left = (width() - contentSize().width()) / 2;
    const int glyphWidth = glyph_.width() / numGlyphs_;
    return QRect(left, (height() - glyph_.height()) / 2, glyphWidth, glyph_.height());
}

QRect TBitBtn::captionRect() const
{
    const QSize content = contentSize();
    int left = (width() - content.width()) / 2;
    if (!glyph_.isNull())
        left += glyph_.width() / numGlyphs_ + spacing_;
    const int textWidth = content.width() - (left - (width() - content.width()) / 2);
    return QRect(left, (height() - fontMetrics().height()) / 2, textWidth, fontMetrics().height());
}

void TBitBtn::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    option.icon = QIcon();
    const TForm* form = formOf(*this);
    // The current Enter target wears the heavier frame.
    if (form && form->enterTarget() == this)
        option.features |= QStyleOptionButton::DefaultButton;
    else
        option.features &= ~QStyleOptionButton::DefaultButton;
    style()->drawControl(QStyle::CE_PushButtonBevel, &option, &painter, this);
    if (!glyph_.isNull())
        painter.drawImage(glyphRect().topLeft(), stateGlyph());
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(captionRect(), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, text());
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(4, 4, -4, -4);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void TBitBtn::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (enter && plain) {
        // A focused button is the Enter target itself.
        event->accept();
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void TBitBtn::focusInEvent(QFocusEvent* event)
{
    QPushButton::focusInEvent(event);
    repaintEnterTargets();
}

void TBitBtn::focusOutEvent(QFocusEvent* event)
{
    QPushButton::focusOutEvent(event);
    repaintEnterTargets();
}

void TBitBtn::repaintEnterTargets()
{
    // The heavier frame moves between this button and the default button.
    update();
    if (TForm* form = formOf(*this); form && form->defaultButton())
        form->defaultButton()->update();
}

void TBitBtn::clickedByAnyone()
{
    if (TForm* form = formOf(*this))
        form->setModalResult(modalResult_);
    fire(onClick_, this);
}

}  // namespace rna::ui
