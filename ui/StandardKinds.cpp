#include "ui/StandardKinds.h"

#include "ui/TBitBtn.h"
#include "ui/TComboBox.h"
#include "ui/TEdit.h"
#include "ui/TImage.h"
#include "ui/TLabel.h"
#include "ui/TMemo.h"
#include "ui/TTrackBar.h"
#include "ui/WidgetLook.h"

#include <QVariant>

namespace rna::ui {

namespace {

const char* const kFontProperty = "rnaDescribedFont";

TForm& formOf(QWidget& widget)
{
    return *qobject_cast<TForm*>(widget.window());
}

void ignoreNumber(const PropertyValue& value)
{
    value.toDouble();
}

// Properties every control kind has.
template <class T>
void addControlCommon(PropertyTable<T>& table)
{
    table.add("Visible", [](T& c, const PropertyValue& v) { c.setVisible(v.toBool()); })
        .add("Enabled", [](T& c, const PropertyValue& v) { c.setEnabled(v.toBool()); })
        .add("Tag", [](T&, const PropertyValue& v) { ignoreNumber(v); })
        .add("HelpContext", [](T&, const PropertyValue& v) { ignoreNumber(v); })
        .add("Hint", [](T&, const PropertyValue& v) { v.toString(); })
        .add("ShowHint", [](T&, const PropertyValue& v) { v.toBool(); })
        .add("ParentShowHint", [](T&, const PropertyValue& v) { v.toBool(); });
}

// Properties of every windowed control.
template <class T>
void addWindowedCommon(PropertyTable<T>& table, std::function<void(T&, const TFont&)> applyTFont)
{
    addControlCommon(table);
    table.add("TabOrder", [](T& c, const PropertyValue& v) { formOf(c).setTabOrderOf(&c, v.toInt()); })
        .add("TabStop",
             [](T& c, const PropertyValue& v) { c.setFocusPolicy(v.toBool() ? Qt::StrongFocus : Qt::ClickFocus); })
        .add("ParentFont", [](T&, const PropertyValue& v) { v.toBool(); })
        .add("ParentColor", [](T&, const PropertyValue& v) { v.toBool(); })
        .add("Font", [applyTFont](T& c, const PropertyValue& v) {
            const TFont font = v.toFont(describedFont(c).value_or(formOf(c).tfont()));
            setDescribedFont(c, font);
            applyTFont(c, font);
        });
}

std::shared_ptr<const PropertyTable<TTrackBar>> trackBarTable()
{
    auto table = std::make_shared<PropertyTable<TTrackBar>>();
    addWindowedCommon<TTrackBar>(*table, [](TTrackBar& c, const TFont& f) { applyFont(c, f); });
    table->add("Min", [](TTrackBar& c, const PropertyValue& v) { c.setLoadedMin(v.toInt()); })
        .add("Max", [](TTrackBar& c, const PropertyValue& v) { c.setLoadedMax(v.toInt()); })
        .add("Position", [](TTrackBar& c, const PropertyValue& v) { c.setLoadedPosition(v.toInt()); })
        .add("Frequency", [](TTrackBar& c, const PropertyValue& v) { c.setFrequency(v.toInt()); })
        .add("LineSize", [](TTrackBar& c, const PropertyValue& v) { c.setLineSize(v.toInt()); })
        .add("PageSize", [](TTrackBar& c, const PropertyValue& v) { c.setPageSize(v.toInt()); })
        .add("ThumbLength", [](TTrackBar& c, const PropertyValue& v) { c.setThumbLength(v.toInt()); })
        .add("SelStart", [](TTrackBar& c, const PropertyValue& v) { c.setSelStart(v.toInt()); })
        .add("SelEnd", [](TTrackBar& c, const PropertyValue& v) { c.setSelEnd(v.toInt()); })
        .add("SliderVisible", [](TTrackBar& c, const PropertyValue& v) { c.setSliderVisible(v.toBool()); })
        .add("Orientation",
             [](TTrackBar& c, const PropertyValue& v) {
                 c.setTrackOrientation(
                     v.toEnum<TTrackBarOrientation>({{"trHorizontal", TTrackBarOrientation::trHorizontal},
                                                     {"trVertical", TTrackBarOrientation::trVertical}}));
             })
        .add("TickMarks",
             [](TTrackBar& c, const PropertyValue& v) {
                 c.setTickMarks(v.toEnum<TTickMark>({{"tmBottomRight", TTickMark::tmBottomRight},
                                                     {"tmTopLeft", TTickMark::tmTopLeft},
                                                     {"tmBoth", TTickMark::tmBoth}}));
             })
        .add("TickStyle", [](TTrackBar& c, const PropertyValue& v) {
            c.setTickStyle(v.toEnum<TTickStyle>(
                {{"tsAuto", TTickStyle::tsAuto}, {"tsManual", TTickStyle::tsManual}, {"tsNone", TTickStyle::tsNone}}));
        });
    return table;
}

std::shared_ptr<const PropertyTable<TComboBox>> comboBoxTable()
{
    auto table = std::make_shared<PropertyTable<TComboBox>>();
    addWindowedCommon<TComboBox>(*table, [](TComboBox& c, const TFont& f) { applyFont(c, f); });
    table->add("Items", [](TComboBox& c, const PropertyValue& v) { c.setItems(v.toStrings()); })
        .add("ItemIndex", [](TComboBox& c, const PropertyValue& v) { c.setLoadedItemIndex(v.toInt()); })
        .add("Text", [](TComboBox& c, const PropertyValue& v) { c.setText(v.toString()); })
        .add("ItemHeight", [](TComboBox& c, const PropertyValue& v) { c.setItemHeight(v.toInt()); })
        .add("DropDownCount", [](TComboBox& c, const PropertyValue& v) { c.setMaxVisibleItems(v.toInt()); })
        .add("Sorted",
             [](TComboBox&, const PropertyValue& v) {
                 if (v.toBool())
                     v.fail(QStringLiteral("sorted lists are not supported"));
             })
        .add("MaxLength",
             [](TComboBox& c, const PropertyValue& v) {
                 const int length = v.toInt();
                 c.lineEdit()->setMaxLength(length > 0 ? length : 32767);
             })
        .add("Color", [](TComboBox& c, const PropertyValue& v) { applyBaseColor(c, v.toColor()); })
        .add("Style", [](TComboBox&, const PropertyValue& v) {
            v.toEnum<int>({{"csDropDown", 0}});
        });
    return table;
}

template <class T>
void addGraphicLook(PropertyTable<T>& table)
{
    addControlCommon(table);
    table.add("Font", [](T& c, const PropertyValue& v) { c.setTFont(v.toFont(c.tfont())); })
        .add("ParentFont", [](T& c, const PropertyValue& v) { c.setParentFont(v.toBool()); })
        .add("Color", [](T& c, const PropertyValue& v) { c.setColor(v.toColor()); })
        .add("ParentColor", [](T& c, const PropertyValue& v) { c.setParentColor(v.toBool()); });
}

std::shared_ptr<const PropertyTable<TLabel>> labelTable()
{
    auto table = std::make_shared<PropertyTable<TLabel>>();
    addGraphicLook(*table);
    table->add("Caption", [](TLabel& c, const PropertyValue& v) { c.setCaption(v.toString()); })
        .add("AutoSize", [](TLabel& c, const PropertyValue& v) { c.setAutoSize(v.toBool()); })
        .add("WordWrap", [](TLabel& c, const PropertyValue& v) { c.setWordWrap(v.toBool()); })
        .add("Transparent", [](TLabel& c, const PropertyValue& v) { c.setTransparent(v.toBool()); })
        .add("ShowAccelChar", [](TLabel& c, const PropertyValue& v) { c.setShowAccelChar(v.toBool()); })
        .add("Alignment",
             [](TLabel& c, const PropertyValue& v) {
                 c.setAlignment(v.toEnum<TAlignment>({{"taLeftJustify", TAlignment::taLeftJustify},
                                                      {"taRightJustify", TAlignment::taRightJustify},
                                                      {"taCenter", TAlignment::taCenter}}));
             })
        .add("Layout", [](TLabel& c, const PropertyValue& v) {
            c.setLayout(v.toEnum<TTextLayout>({{"tlTop", TTextLayout::tlTop},
                                               {"tlCenter", TTextLayout::tlCenter},
                                               {"tlBottom", TTextLayout::tlBottom}}));
        });
    return table;
}

std::shared_ptr<const PropertyTable<TImage>> imageTable()
{
    auto table = std::make_shared<PropertyTable<TImage>>();
    addControlCommon(*table);
    table->add("Picture", [](TImage& c, const PropertyValue& v) { c.setPicture(v.toPicture()); })
        .add("Stretch", [](TImage& c, const PropertyValue& v) { c.setStretch(v.toBool()); })
        .add("Center", [](TImage& c, const PropertyValue& v) { c.setCenter(v.toBool()); })
        .add("Transparent", [](TImage& c, const PropertyValue& v) { c.setTransparent(v.toBool()); })
        .add("AutoSize", [](TImage& c, const PropertyValue& v) { c.setAutoSize(v.toBool()); });
    return table;
}

std::shared_ptr<const PropertyTable<TEdit>> editTable()
{
    auto table = std::make_shared<PropertyTable<TEdit>>();
    addWindowedCommon<TEdit>(*table, [](TEdit& c, const TFont& f) { c.setTFont(f); });
    table->add("Text", [](TEdit& c, const PropertyValue& v) { c.setText(v.toString(), Notify::No); })
        .add("ReadOnly", [](TEdit& c, const PropertyValue& v) { c.setReadOnly(v.toBool()); })
        .add("MaxLength",
             [](TEdit& c, const PropertyValue& v) {
                 const int length = v.toInt();
                 c.setMaxLength(length > 0 ? length : 32767);
             })
        .add("AutoSelect", [](TEdit& c, const PropertyValue& v) { c.setAutoSelect(v.toBool()); })
        .add("HideSelection", [](TEdit&, const PropertyValue& v) { v.toBool(); })
        .add("Color", [](TEdit& c, const PropertyValue& v) { c.setColor(v.toColor()); })
        .add("BorderStyle", [](TEdit& c, const PropertyValue& v) {
            c.setBorderStyle(v.toEnum<TEditBorderStyle>(
                {{"bsNone", TEditBorderStyle::bsNone}, {"bsSingle", TEditBorderStyle::bsSingle}}));
        });
    return table;
}

std::shared_ptr<const PropertyTable<TMemo>> memoTable()
{
    auto table = std::make_shared<PropertyTable<TMemo>>();
    addWindowedCommon<TMemo>(*table, [](TMemo& c, const TFont& f) { c.setTFont(f); });
    table->add("Lines", [](TMemo& c, const PropertyValue& v) { c.setLines(v.toStrings()); })
        .add("ReadOnly", [](TMemo& c, const PropertyValue& v) { c.setReadOnlyMemo(v.toBool()); })
        .add("WordWrap", [](TMemo& c, const PropertyValue& v) { c.setWordWrap(v.toBool()); })
        .add("WantReturns", [](TMemo& c, const PropertyValue& v) { c.setWantReturns(v.toBool()); })
        .add("WantTabs", [](TMemo& c, const PropertyValue& v) { c.setTabChangesFocus(!v.toBool()); })
        .add("Color", [](TMemo& c, const PropertyValue& v) { c.setColor(v.toColor()); })
        .add("ScrollBars", [](TMemo& c, const PropertyValue& v) {
            c.setScrollBars(v.toEnum<TScrollStyle>({{"ssNone", TScrollStyle::ssNone},
                                                    {"ssHorizontal", TScrollStyle::ssHorizontal},
                                                    {"ssVertical", TScrollStyle::ssVertical},
                                                    {"ssBoth", TScrollStyle::ssBoth}}));
        });
    return table;
}

std::shared_ptr<const PropertyTable<TBitBtn>> bitBtnTable()
{
    auto table = std::make_shared<PropertyTable<TBitBtn>>();
    addWindowedCommon<TBitBtn>(*table, [](TBitBtn& c, const TFont& f) { c.setTFont(f); });
    table->add("Caption", [](TBitBtn& c, const PropertyValue& v) { c.setCaption(v.toString()); })
        .add("Kind",
             [](TBitBtn& c, const PropertyValue& v) {
                 c.setKind(v.toEnum<TBitBtnKind>({{"bkCustom", TBitBtnKind::bkCustom}, {"bkOK", TBitBtnKind::bkOK}}));
             })
        .add("Default", [](TBitBtn& c, const PropertyValue& v) { c.setDefaultButton(v.toBool()); })
        .add("Cancel", [](TBitBtn& c, const PropertyValue& v) { c.setCancel(v.toBool()); })
        .add("ModalResult",
             [](TBitBtn& c, const PropertyValue& v) {
                 c.setModalResult(v.toEnum<TModalResult>({{"mrNone", TModalResult::mrNone},
                                                          {"mrOk", TModalResult::mrOk},
                                                          {"mrCancel", TModalResult::mrCancel}}));
             })
        .add("Glyph", [](TBitBtn& c, const PropertyValue& v) { c.setGlyph(v.toPicture()); })
        .add("NumGlyphs", [](TBitBtn& c, const PropertyValue& v) { c.setNumGlyphs(v.toInt()); })
        .add("Spacing", [](TBitBtn& c, const PropertyValue& v) { c.setSpacing(v.toInt()); })
        .add("Margin", [](TBitBtn&, const PropertyValue& v) {
            if (v.toInt() != -1)
                v.fail(QStringLiteral("only Margin -1 (centred) is supported"));
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

void setWidgetBounds(QWidget& widget, const QRect& bounds)
{
    widget.setGeometry(bounds);
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
                        .bounds(&setWidgetBounds)
                        .event(QStringLiteral("OnChange"), &TTrackBar::setOnChange)
                        .loaded(&TTrackBar::applyLoadedRange)
                        .build());
    kinds.push_back(ControlKindBuilder<TComboBox>(QStringLiteral("TComboBox"))
                        .create(widgetFactory<TComboBox>())
                        .properties(comboBoxTable())
                        .bounds(&setWidgetBounds)
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
                        .bounds(&setWidgetBounds)
                        .event(QStringLiteral("OnChange"), &TEdit::setOnChange)
                        .build());
    kinds.push_back(ControlKindBuilder<TMemo>(QStringLiteral("TMemo"))
                        .create(widgetFactory<TMemo>())
                        .properties(memoTable())
                        .bounds(&setWidgetBounds)
                        .event(QStringLiteral("OnChange"), &TMemo::setOnChange)
                        .build());
    kinds.push_back(ControlKindBuilder<TBitBtn>(QStringLiteral("TBitBtn"))
                        .create(widgetFactory<TBitBtn>())
                        .properties(bitBtnTable())
                        .bounds(&setWidgetBounds)
                        .event(QStringLiteral("OnClick"), &TBitBtn::setOnClick)
                        .loaded(&TBitBtn::loaded)
                        .build());
    return kinds;
}

std::shared_ptr<const PropertyTable<TForm>> formPropertyTable()
{
    auto table = std::make_shared<PropertyTable<TForm>>();
    table->add("Caption", [](TForm& f, const PropertyValue& v) { f.setCaption(v.toString()); })
        .add("ClientWidth", [](TForm& f, const PropertyValue& v) { f.setClientSize(v.toInt(), f.clientHeight()); })
        .add("ClientHeight", [](TForm& f, const PropertyValue& v) { f.setClientSize(f.clientWidth(), v.toInt()); })
        .add("Left", [](TForm& f, const PropertyValue& v) { f.setDesignedPlace(v.toInt(), f.y()); })
        .add("Top", [](TForm& f, const PropertyValue& v) { f.setDesignedPlace(f.x(), v.toInt()); })
        .add("Width", [](TForm&, const PropertyValue& v) { ignoreNumber(v); })
        .add("Height", [](TForm&, const PropertyValue& v) { ignoreNumber(v); })
        .add("Color", [](TForm& f, const PropertyValue& v) { f.setColor(v.toColor()); })
        .add("Font", [](TForm& f, const PropertyValue& v) { f.setTFont(v.toFont(f.tfont())); })
        .add("PixelsPerInch",
             [](TForm&, const PropertyValue& v) {
                 if (v.toInt() != 96)
                     v.fail(QStringLiteral("descriptions are made at 96 pixels per inch"));
             })
        .add("TextHeight", [](TForm&, const PropertyValue& v) { ignoreNumber(v); })
        .add("OldCreateOrder", [](TForm&, const PropertyValue& v) { v.toBool(); })
        .add("Scaled", [](TForm&, const PropertyValue& v) { v.toBool(); })
        .add("Visible",
             [](TForm&, const PropertyValue& v) {
                 if (v.toBool())
                     v.fail(QStringLiteral("windows are created hidden"));
             })
        .add("BorderStyle",
             [](TForm& f, const PropertyValue& v) {
                 f.setBorderStyle(v.toEnum<TFormBorderStyle>({{"bsNone", TFormBorderStyle::bsNone},
                                                              {"bsSingle", TFormBorderStyle::bsSingle},
                                                              {"bsSizeable", TFormBorderStyle::bsSizeable},
                                                              {"bsDialog", TFormBorderStyle::bsDialog},
                                                              {"bsToolWindow", TFormBorderStyle::bsToolWindow},
                                                              {"bsSizeToolWin", TFormBorderStyle::bsSizeToolWin}}));
             })
        .add("BorderIcons",
             [](TForm& f, const PropertyValue& v) {
                 TBorderIcons icons = 0;
                 for (const QString& name : v.toSet({"biSystemMenu", "biMinimize", "biMaximize", "biHelp"}))
                     icons |= name == QLatin1String("biSystemMenu") ? biSystemMenu
                              : name == QLatin1String("biMinimize") ? biMinimize
                              : name == QLatin1String("biMaximize") ? biMaximize
                                                                    : biHelp;
                 f.setBorderIcons(icons);
             })
        .add("Position", [](TForm& f, const PropertyValue& v) {
            f.setPosition(v.toEnum<TPosition>({{"poDesigned", TPosition::poDesigned},
                                               {"poDefault", TPosition::poDefault},
                                               {"poDefaultPosOnly", TPosition::poDefaultPosOnly},
                                               {"poDefaultSizeOnly", TPosition::poDefaultSizeOnly},
                                               {"poScreenCenter", TPosition::poScreenCenter},
                                               {"poDesktopCenter", TPosition::poDesktopCenter},
                                               {"poMainFormCenter", TPosition::poMainFormCenter},
                                               {"poOwnerFormCenter", TPosition::poOwnerFormCenter}}));
        });
    return table;
}

}  // namespace rna::ui
