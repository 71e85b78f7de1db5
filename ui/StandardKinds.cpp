#include "ui/StandardKinds.h"

#include "ui/CommonProperties.h"
#include "ui/FontProperties.h"
#include "ui/TBitBtn.h"
#include "ui/TComboBox.h"
#include "ui/TEdit.h"
#include "ui/TImage.h"
#include "ui/TLabel.h"
#include "ui/TMemo.h"
#include "ui/TRichView.h"
#include "ui/TTrackBar.h"
#include "ui/WidgetLook.h"

#include <QVariant>
#include <stdexcept>

namespace rna::ui {

// Names of the enums only this layer's kinds use.
template <>
struct EnumNames<TTrackBarOrientation> {
    using O = TTrackBarOrientation;
    static constexpr std::pair<const char*, O> items[] = {{"trHorizontal", O::trHorizontal},
                                                          {"trVertical", O::trVertical}};
};
template <>
struct EnumNames<TTickMark> {
    using M = TTickMark;
    static constexpr std::pair<const char*, M> items[] = {
        {"tmBottomRight", M::tmBottomRight}, {"tmTopLeft", M::tmTopLeft}, {"tmBoth", M::tmBoth}};
};
template <>
struct EnumNames<TTickStyle> {
    using S = TTickStyle;
    static constexpr std::pair<const char*, S> items[] = {
        {"tsAuto", S::tsAuto}, {"tsManual", S::tsManual}, {"tsNone", S::tsNone}};
};
template <>
struct EnumNames<TTextLayout> {
    using L = TTextLayout;
    static constexpr std::pair<const char*, L> items[] = {
        {"tlTop", L::tlTop}, {"tlCenter", L::tlCenter}, {"tlBottom", L::tlBottom}};
};
template <>
struct EnumNames<TEditBorderStyle> {
    using B = TEditBorderStyle;
    static constexpr std::pair<const char*, B> items[] = {{"bsNone", B::bsNone}, {"bsSingle", B::bsSingle}};
};
template <>
struct EnumNames<TScrollStyle> {
    using S = TScrollStyle;
    static constexpr std::pair<const char*, S> items[] = {
        {"ssNone", S::ssNone}, {"ssHorizontal", S::ssHorizontal}, {"ssVertical", S::ssVertical}, {"ssBoth", S::ssBoth}};
};
template <>
struct EnumNames<TBitBtnKind> {
    static constexpr std::pair<const char*, TBitBtnKind> items[] = {{"bkCustom", TBitBtnKind::bkCustom},
                                                                    {"bkOK", TBitBtnKind::bkOK}};
};

namespace {

// The only list style the windows use: an edit field with a list that drops down.
enum class TComboBoxStyle { csDropDown };

}  // namespace

template <>
struct EnumNames<TComboBoxStyle> {
    static constexpr std::pair<const char*, TComboBoxStyle> items[] = {{"csDropDown", TComboBoxStyle::csDropDown}};
};

namespace {

const char* const kFontProperty = "rnaDescribedFont";

// A length limit of 0 (the default) means none.
int maxLengthOf(int length)
{
    return length > 0 ? length : 32767;
}

// The windowed controls' common properties, and their font: the described one, else the window's.
template <class T>
void addWindowedCommon(PropertyTable<T>& table, void (*applyTFont)(T&, const TFont&))
{
    addWindowedControlProperties(table, ClickFocus::Yes);
    table.ignore("ParentFont")
        .ignore("ParentColor")
        .template nestedValue<TFont>(
            "Font", [](T& c) { return describedFont(c).value_or(qobject_cast<TForm*>(c.window())->tfont()); },
            [applyTFont](T& c, const TFont& font) {
                setDescribedFont(c, font);
                applyTFont(c, font);
            },
            fontPropertyTable());
}

void applyWidgetFont(QWidget& widget, const TFont& font)
{
    applyFont(widget, font);
}

std::shared_ptr<const PropertyTable<TTrackBar>> trackBarTable()
{
    auto table = std::make_shared<PropertyTable<TTrackBar>>();
    addWindowedCommon<TTrackBar>(*table, [](TTrackBar& c, const TFont& f) { applyWidgetFont(c, f); });
    table->add("Min", &TTrackBar::setLoadedMin)
        .add("Max", &TTrackBar::setLoadedMax)
        .add("Position", &TTrackBar::setLoadedPosition)
        .add("Frequency", &TTrackBar::setFrequency)
        .add("LineSize", &TTrackBar::setLineSize)
        .add("PageSize", &TTrackBar::setPageSize)
        .add("ThumbLength", &TTrackBar::setThumbLength)
        .add("SelStart", &TTrackBar::setSelStart)
        .add("SelEnd", &TTrackBar::setSelEnd)
        .add("SliderVisible", &TTrackBar::setSliderVisible)
        .add("Orientation", &TTrackBar::setTrackOrientation)
        .add("TickMarks", &TTrackBar::setTickMarks)
        .add("TickStyle", &TTrackBar::setTickStyle);
    return table;
}

std::shared_ptr<const PropertyTable<TComboBox>> comboBoxTable()
{
    auto table = std::make_shared<PropertyTable<TComboBox>>();
    addWindowedCommon<TComboBox>(*table, [](TComboBox& c, const TFont& f) { applyWidgetFont(c, f); });
    table->text("Items", &TComboBox::setItems)
        .add("ItemIndex", &TComboBox::setLoadedItemIndex)
        .text("Text", &TComboBox::setText)
        .add("ItemHeight", &TComboBox::setItemHeight)
        .add("DropDownCount", [](TComboBox& c, int count) { c.setMaxVisibleItems(count); })
        .add("Sorted",
             [](TComboBox&, bool sorted) {
                 if (sorted)
                     throw std::invalid_argument("sorted lists are not supported");
             })
        .add("MaxLength", [](TComboBox& c, int length) { c.lineEdit()->setMaxLength(maxLengthOf(length)); })
        .add("Color", [](TComboBox& c, TColor color) { applyBaseColor(c, color); })
        .add("Style", [](TComboBox&, TComboBoxStyle) {});
    return table;
}

// Labels keep their own font and colour flags: they follow the window's while ParentFont / ParentColor are on.
std::shared_ptr<const PropertyTable<TLabel>> labelTable()
{
    auto table = std::make_shared<PropertyTable<TLabel>>();
    addControlProperties(*table);
    table->nestedValue<TFont>("Font", &TLabel::tfont, &TLabel::setTFont, fontPropertyTable())
        .add("ParentFont", &TLabel::setParentFont)
        .add("Color", &TLabel::setColor)
        .add("ParentColor", &TLabel::setParentColor)
        .text("Caption", &TLabel::setCaption)
        .add("AutoSize", &TLabel::setAutoSize)
        .add("WordWrap", &TLabel::setWordWrap)
        .add("Transparent", &TLabel::setTransparent)
        .add("ShowAccelChar", &TLabel::setShowAccelChar)
        .add("Alignment", &TLabel::setAlignment)
        .add("Layout", &TLabel::setLayout);
    return table;
}

std::shared_ptr<const PropertyTable<TImage>> imageTable()
{
    auto table = std::make_shared<PropertyTable<TImage>>();
    addControlProperties(*table);
    table
        ->add("Picture",
              [](TImage& image, const PropertyValue& value) {
                  const auto [path, size] = value.toPictureFile();
                  image.setPictureFile(path, size);
              })
        .add("Stretch", &TImage::setStretch)
        .add("Center", &TImage::setCenter)
        .add("Transparent", &TImage::setTransparent)
        .add("AutoSize", &TImage::setAutoSize);
    return table;
}

std::shared_ptr<const PropertyTable<TEdit>> editTable()
{
    auto table = std::make_shared<PropertyTable<TEdit>>();
    addWindowedCommon<TEdit>(*table, [](TEdit& c, const TFont& f) { c.setTFont(f); });
    table->add("Text", [](TEdit& c, const QString& text) { c.setText(text, Notify::No); })
        .add("ReadOnly", [](TEdit& c, bool on) { c.setReadOnly(on); })
        .add("MaxLength", [](TEdit& c, int length) { c.setMaxLength(maxLengthOf(length)); })
        .add("AutoSelect", &TEdit::setAutoSelect)
        .ignore("HideSelection")
        .add("Color", &TEdit::setColor)
        .add("BorderStyle", &TEdit::setBorderStyle);
    return table;
}

std::shared_ptr<const PropertyTable<TMemo>> memoTable()
{
    auto table = std::make_shared<PropertyTable<TMemo>>();
    addWindowedCommon<TMemo>(*table, [](TMemo& c, const TFont& f) { c.setTFont(f); });
    table->text("Lines", &TMemo::setLines)
        .add("ReadOnly", &TMemo::setReadOnlyMemo)
        .add("WordWrap", &TMemo::setWordWrap)
        .add("WantReturns", &TMemo::setWantReturns)
        .add("WantTabs", [](TMemo& c, bool wantTabs) { c.setTabChangesFocus(!wantTabs); })
        .add("Color", &TMemo::setColor)
        .add("ScrollBars", &TMemo::setScrollBars);
    return table;
}

// Its text is given by code (a help file), not by the description.
std::shared_ptr<const PropertyTable<TRichView>> richViewTable()
{
    auto table = std::make_shared<PropertyTable<TRichView>>();
    addWindowedCommon<TRichView>(*table, [](TRichView& c, const TFont& f) { c.setTFont(f); });
    table->add("Color", &TRichView::setColor);
    return table;
}

std::shared_ptr<const PropertyTable<TBitBtn>> bitBtnTable()
{
    auto table = std::make_shared<PropertyTable<TBitBtn>>();
    addWindowedCommon<TBitBtn>(*table, [](TBitBtn& c, const TFont& f) { c.setTFont(f); });
    table->text("Caption", &TBitBtn::setCaption)
        .add("Kind", &TBitBtn::setKind)
        .add("Default", &TBitBtn::setDefaultButton)
        .add("Cancel", &TBitBtn::setCancel)
        .add("ModalResult", &TBitBtn::setModalResult)
        .add("Glyph", &TBitBtn::setGlyph)
        .add("NumGlyphs", &TBitBtn::setNumGlyphs)
        .add("Spacing", &TBitBtn::setSpacing)
        .add("Margin", [](TBitBtn&, int margin) {
            if (margin != -1)
                throw std::invalid_argument("only Margin -1 (centred) is supported");
        });
    return table;
}

template <class W>
std::function<W*(const CreateContext&)> widgetFactory()
{
    return [](const CreateContext& context) { return new W(&context.form); };
}

template <class G>
std::function<G*(const CreateContext&)> graphicFactory()
{
    return [](const CreateContext& context) { return new G(context.form); };
}

}  // namespace

std::optional<TFont> describedFont(const QObject& control)
{
    const QVariant value = control.property(kFontProperty);
    if (!value.isValid())
        return std::nullopt;
    return value.value<TFont>();
}

void setDescribedFont(QObject& control, const TFont& font)
{
    control.setProperty(kFontProperty, QVariant::fromValue(font));
}

std::vector<ControlKind> standardControlKinds()
{
    std::vector<ControlKind> kinds;
    kinds.push_back(ControlKindBuilder<TTrackBar>(QStringLiteral("TTrackBar"))
                        .create(widgetFactory<TTrackBar>())
                        .properties(trackBarTable())
                        .event(QStringLiteral("OnChange"), &TTrackBar::setOnChange)
                        .loaded(&TTrackBar::applyLoadedRange)
                        .build());
    kinds.push_back(ControlKindBuilder<TComboBox>(QStringLiteral("TComboBox"))
                        .create(widgetFactory<TComboBox>())
                        .properties(comboBoxTable())
                        .event(QStringLiteral("OnChange"), &TComboBox::setOnChange)
                        .event(QStringLiteral("OnClick"), &TComboBox::setOnClick)
                        .loaded(&TComboBox::applyLoadedItemIndex)
                        .build());
    kinds.push_back(ControlKindBuilder<TLabel>(QStringLiteral("TLabel"))
                        .create(graphicFactory<TLabel>())
                        .properties(labelTable())
                        .bounds(&TLabel::setDescribedBounds)
                        .event(QStringLiteral("OnClick"), &TLabel::setOnClick)
                        .loaded(&TLabel::finishLoading)
                        .build());
    kinds.push_back(ControlKindBuilder<TImage>(QStringLiteral("TImage"))
                        .create(graphicFactory<TImage>())
                        .properties(imageTable())
                        .bounds(&TImage::setBounds)
                        .event(QStringLiteral("OnClick"), &TImage::setOnClick)
                        .build());
    kinds.push_back(ControlKindBuilder<TEdit>(QStringLiteral("TEdit"))
                        .create(widgetFactory<TEdit>())
                        .properties(editTable())
                        .event(QStringLiteral("OnChange"), &TEdit::setOnChange)
                        .build());
    kinds.push_back(ControlKindBuilder<TMemo>(QStringLiteral("TMemo"))
                        .create(widgetFactory<TMemo>())
                        .properties(memoTable())
                        .event(QStringLiteral("OnChange"), &TMemo::setOnChange)
                        .build());
    kinds.push_back(ControlKindBuilder<TRichView>(QStringLiteral("TRichView"))
                        .create(widgetFactory<TRichView>())
                        .properties(richViewTable())
                        .build());
    kinds.push_back(ControlKindBuilder<TBitBtn>(QStringLiteral("TBitBtn"))
                        .create(widgetFactory<TBitBtn>())
                        .properties(bitBtnTable())
                        .event(QStringLiteral("OnClick"), &TBitBtn::setOnClick)
                        .loaded(&TBitBtn::loaded)
                        .build());
    return kinds;
}

std::shared_ptr<const PropertyTable<TForm>> formPropertyTable()
{
    auto table = std::make_shared<PropertyTable<TForm>>();
    table->text("Caption", &TForm::setCaption)
        .add("ClientWidth", [](TForm& f, int width) { f.setClientSize(width, f.clientHeight()); })
        .add("ClientHeight", [](TForm& f, int height) { f.setClientSize(f.clientWidth(), height); })
        .add("Left", [](TForm& f, int left) { f.setDesignedPlace(left, f.y()); })
        .add("Top", [](TForm& f, int top) { f.setDesignedPlace(f.x(), top); })
        .ignore("Width")
        .ignore("Height")
        .add("Color", &TForm::setColor)
        .nestedValue<TFont>("Font", &TForm::tfont, &TForm::setTFont, fontPropertyTable())
        .add("PixelsPerInch",
             [](TForm&, int pixelsPerInch) {
                 if (pixelsPerInch != 96)
                     throw std::invalid_argument("descriptions are made at 96 pixels per inch");
             })
        .ignore("TextHeight")
        .ignore("OldCreateOrder")
        .ignore("Scaled")
        .add("Visible",
             [](TForm&, bool visible) {
                 if (visible)
                     throw std::invalid_argument("windows are created hidden");
             })
        .add("BorderStyle", &TForm::setBorderStyle)
        .add("BorderIcons",
             [](TForm& f, const PropertyValue& v) {
                 TBorderIcons icons = 0;
                 for (const TBorderIcon icon : v.toSet(EnumNames<TBorderIcon>::items))
                     icons |= icon;
                 f.setBorderIcons(icons);
             })
        .add("Position", &TForm::setPosition);
    return table;
}

}  // namespace rna::ui
