// The names window descriptions give to enum values: one table per enum, used by every property table.
#pragma once

#include "ui/FormTypes.h"
#include "ui/TFont.h"

#include <utility>

namespace rna::ui {

// Specialised once per enum with `static constexpr std::pair<const char*, E> items[]`.
template <class E>
struct EnumNames;

template <>
struct EnumNames<TAlignment> {
    static constexpr std::pair<const char*, TAlignment> items[] = {{"taLeftJustify", TAlignment::taLeftJustify},
                                                                   {"taRightJustify", TAlignment::taRightJustify},
                                                                   {"taCenter", TAlignment::taCenter}};
};

template <>
struct EnumNames<TFormBorderStyle> {
    using B = TFormBorderStyle;
    static constexpr std::pair<const char*, B> items[] = {
        {"bsNone", B::bsNone},     {"bsSingle", B::bsSingle},         {"bsSizeable", B::bsSizeable},
        {"bsDialog", B::bsDialog}, {"bsToolWindow", B::bsToolWindow}, {"bsSizeToolWin", B::bsSizeToolWin}};
};

template <>
struct EnumNames<TBorderIcon> {
    static constexpr std::pair<const char*, TBorderIcon> items[] = {
        {"biSystemMenu", biSystemMenu}, {"biMinimize", biMinimize}, {"biMaximize", biMaximize}, {"biHelp", biHelp}};
};

template <>
struct EnumNames<TPosition> {
    using P = TPosition;
    static constexpr std::pair<const char*, P> items[] = {{"poDesigned", P::poDesigned},
                                                          {"poDefault", P::poDefault},
                                                          {"poDefaultPosOnly", P::poDefaultPosOnly},
                                                          {"poDefaultSizeOnly", P::poDefaultSizeOnly},
                                                          {"poScreenCenter", P::poScreenCenter},
                                                          {"poDesktopCenter", P::poDesktopCenter},
                                                          {"poMainFormCenter", P::poMainFormCenter},
                                                          {"poOwnerFormCenter", P::poOwnerFormCenter}};
};

template <>
struct EnumNames<TModalResult> {
    using M = TModalResult;
    static constexpr std::pair<const char*, M> items[] = {
        {"mrNone", M::mrNone}, {"mrOk", M::mrOk}, {"mrCancel", M::mrCancel}};
};

template <>
struct EnumNames<TFontCharset> {
    using C = TFontCharset;
    static constexpr std::pair<const char*, C> items[] = {{"ANSI_CHARSET", C::ANSI_CHARSET},
                                                          {"DEFAULT_CHARSET", C::DEFAULT_CHARSET},
                                                          {"SYMBOL_CHARSET", C::SYMBOL_CHARSET},
                                                          {"SHIFTJIS_CHARSET", C::SHIFTJIS_CHARSET},
                                                          {"HANGEUL_CHARSET", C::HANGEUL_CHARSET},
                                                          {"GB2312_CHARSET", C::GB2312_CHARSET},
                                                          {"CHINESEBIG5_CHARSET", C::CHINESEBIG5_CHARSET},
                                                          {"OEM_CHARSET", C::OEM_CHARSET},
                                                          {"GREEK_CHARSET", C::GREEK_CHARSET},
                                                          {"TURKISH_CHARSET", C::TURKISH_CHARSET},
                                                          {"BALTIC_CHARSET", C::BALTIC_CHARSET},
                                                          {"RUSSIAN_CHARSET", C::RUSSIAN_CHARSET},
                                                          {"EASTEUROPE_CHARSET", C::EASTEUROPE_CHARSET}};
};

template <>
struct EnumNames<TFontStyle> {
    using S = TFontStyle;
    static constexpr std::pair<const char*, S> items[] = {{"fsBold", S::fsBold},
                                                          {"fsItalic", S::fsItalic},
                                                          {"fsUnderline", S::fsUnderline},
                                                          {"fsStrikeOut", S::fsStrikeOut}};
};

template <>
struct EnumNames<TFontPitch> {
    using P = TFontPitch;
    static constexpr std::pair<const char*, P> items[] = {
        {"fpDefault", P::fpDefault}, {"fpVariable", P::fpVariable}, {"fpFixed", P::fpFixed}};
};

}  // namespace rna::ui
