// The names window descriptions give to the chart engine's enum values, one table per enum.
#pragma once

#include "chart/axis/TCustomChartAxis.h"
#include "chart/canvas/TChartBrush.h"
#include "chart/canvas/TChartCanvas.h"
#include "chart/canvas/TChartPen.h"
#include "chart/panel/TChartLegend.h"
#include "chart/panel/TCustomChartPanel.h"
#include "chart/panel/TCustomChartPanelExtended.h"
#include "chart/series/TChartSeries.h"
#include "chart/series/TChartValueList.h"
#include "chart/series/TSeriesMarks.h"
#include "chart/series/TSeriesPointer.h"
#include "ui/EnumNames.h"

namespace rna::ui {

template <>
struct EnumNames<chart::TPenStyle> {
    using S = chart::TPenStyle;
    static constexpr std::pair<const char*, S> items[] = {{"psSolid", S::psSolid},
                                                          {"psDash", S::psDash},
                                                          {"psDot", S::psDot},
                                                          {"psDashDot", S::psDashDot},
                                                          {"psDashDotDot", S::psDashDotDot},
                                                          {"psClear", S::psClear},
                                                          {"psInsideFrame", S::psInsideFrame}};
};

template <>
struct EnumNames<chart::TPenMode> {
    using M = chart::TPenMode;
    static constexpr std::pair<const char*, M> items[] = {{"pmBlack", M::pmBlack},
                                                          {"pmWhite", M::pmWhite},
                                                          {"pmNop", M::pmNop},
                                                          {"pmNot", M::pmNot},
                                                          {"pmCopy", M::pmCopy},
                                                          {"pmNotCopy", M::pmNotCopy},
                                                          {"pmMergePenNot", M::pmMergePenNot},
                                                          {"pmMaskPenNot", M::pmMaskPenNot},
                                                          {"pmMergeNotPen", M::pmMergeNotPen},
                                                          {"pmMaskNotPen", M::pmMaskNotPen},
                                                          {"pmMerge", M::pmMerge},
                                                          {"pmNotMerge", M::pmNotMerge},
                                                          {"pmMask", M::pmMask},
                                                          {"pmNotMask", M::pmNotMask},
                                                          {"pmXor", M::pmXor},
                                                          {"pmNotXor", M::pmNotXor}};
};

template <>
struct EnumNames<chart::TBrushStyle> {
    using B = chart::TBrushStyle;
    static constexpr std::pair<const char*, B> items[] = {
        {"bsSolid", B::bsSolid},       {"bsClear", B::bsClear},         {"bsHorizontal", B::bsHorizontal},
        {"bsVertical", B::bsVertical}, {"bsFDiagonal", B::bsFDiagonal}, {"bsBDiagonal", B::bsBDiagonal},
        {"bsCross", B::bsCross},       {"bsDiagCross", B::bsDiagCross}};
};

template <>
struct EnumNames<chart::TLegendAlignment> {
    using A = chart::TLegendAlignment;
    static constexpr std::pair<const char*, A> items[] = {
        {"laLeft", A::laLeft}, {"laRight", A::laRight}, {"laTop", A::laTop}, {"laBottom", A::laBottom}};
};

template <>
struct EnumNames<chart::TGradientDirection> {
    using D = chart::TGradientDirection;
    static constexpr std::pair<const char*, D> items[] = {
        {"gdTopBottom", D::gdTopBottom},          {"gdBottomTop", D::gdBottomTop},
        {"gdLeftRight", D::gdLeftRight},          {"gdRightLeft", D::gdRightLeft},
        {"gdFromCenter", D::gdFromCenter},        {"gdFromTopLeft", D::gdFromTopLeft},
        {"gdFromBottomLeft", D::gdFromBottomLeft}};
};

template <>
struct EnumNames<chart::TBevelCut> {
    using B = chart::TBevelCut;
    static constexpr std::pair<const char*, B> items[] = {
        {"bvNone", B::bvNone}, {"bvLowered", B::bvLowered}, {"bvRaised", B::bvRaised}, {"bvSpace", B::bvSpace}};
};

template <>
struct EnumNames<chart::TPanningMode> {
    using P = chart::TPanningMode;
    static constexpr std::pair<const char*, P> items[] = {
        {"pmNone", P::pmNone}, {"pmHorizontal", P::pmHorizontal}, {"pmVertical", P::pmVertical}, {"pmBoth", P::pmBoth}};
};

template <>
struct EnumNames<chart::TChartBackImageMode> {
    using M = chart::TChartBackImageMode;
    static constexpr std::pair<const char*, M> items[] = {
        {"pbmStretch", M::pbmStretch}, {"pbmTile", M::pbmTile}, {"pbmCenter", M::pbmCenter}};
};

template <>
struct EnumNames<chart::TAxisLabelStyle> {
    using S = chart::TAxisLabelStyle;
    static constexpr std::pair<const char*, S> items[] = {{"talAuto", S::talAuto},
                                                          {"talNone", S::talNone},
                                                          {"talValue", S::talValue},
                                                          {"talMark", S::talMark},
                                                          {"talText", S::talText}};
};

template <>
struct EnumNames<chart::TSeriesPointerStyle> {
    using S = chart::TSeriesPointerStyle;
    static constexpr std::pair<const char*, S> items[] = {
        {"psRectangle", S::psRectangle}, {"psCircle", S::psCircle},
        {"psTriangle", S::psTriangle},   {"psDownTriangle", S::psDownTriangle},
        {"psCross", S::psCross},         {"psDiagCross", S::psDiagCross},
        {"psStar", S::psStar},           {"psDiamond", S::psDiamond},
        {"psSmallDot", S::psSmallDot}};
};

template <>
struct EnumNames<chart::TSeriesMarksStyle> {
    using S = chart::TSeriesMarksStyle;
    static constexpr std::pair<const char*, S> items[] = {{"smsValue", S::smsValue},
                                                          {"smsPercent", S::smsPercent},
                                                          {"smsLabel", S::smsLabel},
                                                          {"smsLabelPercent", S::smsLabelPercent},
                                                          {"smsLabelValue", S::smsLabelValue},
                                                          {"smsLegend", S::smsLegend},
                                                          {"smsPercentTotal", S::smsPercentTotal},
                                                          {"smsLabelPercentTotal", S::smsLabelPercentTotal},
                                                          {"smsXValue", S::smsXValue}};
};

template <>
struct EnumNames<chart::TChartListOrder> {
    using O = chart::TChartListOrder;
    static constexpr std::pair<const char*, O> items[] = {
        {"loNone", O::loNone}, {"loAscending", O::loAscending}, {"loDescending", O::loDescending}};
};

template <>
struct EnumNames<chart::THorizAxis> {
    using H = chart::THorizAxis;
    static constexpr std::pair<const char*, H> items[] = {{"aTopAxis", H::aTopAxis},
                                                          {"aBottomAxis", H::aBottomAxis},
                                                          {"aBothHorizAxis", H::aBothHorizAxis},
                                                          {"aCustomHorizAxis", H::aCustomHorizAxis}};
};

template <>
struct EnumNames<chart::TVertAxis> {
    using V = chart::TVertAxis;
    static constexpr std::pair<const char*, V> items[] = {{"aLeftAxis", V::aLeftAxis},
                                                          {"aRightAxis", V::aRightAxis},
                                                          {"aBothVertAxis", V::aBothVertAxis},
                                                          {"aCustomVertAxis", V::aCustomVertAxis}};
};

}  // namespace rna::ui
