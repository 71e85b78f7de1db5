#include "chart/canvas/QtRealisation.h"

#include <algorithm>

#include "chart/canvas/ChartFontQt.h"

namespace rna::chart {

QPainter::CompositionMode CompositionOf(TPenMode mode)
{
    using M = QPainter::CompositionMode;
    switch (mode) {
    case TPenMode::pmBlack:
        return M::RasterOp_ClearDestination;
    case TPenMode::pmWhite:
        return M::RasterOp_SetDestination;
    case TPenMode::pmNop:
        return M::CompositionMode_Destination;
    case TPenMode::pmNot:
        return M::RasterOp_NotDestination;
    case TPenMode::pmNotCopy:
        return M::RasterOp_NotSource;
    case TPenMode::pmMergePenNot:
        return M::RasterOp_SourceOrNotDestination;
    case TPenMode::pmMaskPenNot:
        return M::RasterOp_SourceAndNotDestination;
    case TPenMode::pmMergeNotPen:
        return M::RasterOp_NotSourceOrDestination;
    case TPenMode::pmMaskNotPen:
        return M::RasterOp_NotSourceAndDestination;
    case TPenMode::pmMerge:
        return M::RasterOp_SourceOrDestination;
    case TPenMode::pmNotMerge:
        return M::RasterOp_NotSourceAndNotDestination;
    case TPenMode::pmMask:
        return M::RasterOp_SourceAndDestination;
    case TPenMode::pmNotMask:
        return M::RasterOp_NotSourceOrNotDestination;
    case TPenMode::pmXor:
        return M::RasterOp_SourceXorDestination;
    case TPenMode::pmNotXor:
        return M::RasterOp_NotSourceXorDestination;
    default:
        return M::CompositionMode_SourceOver;
    }
}

Qt::PenStyle QtPenStyle(TPenStyle style)
{
    switch (style) {
    case TPenStyle::psDash:
        return Qt::DashLine;
    case TPenStyle::psDot:
        return Qt::DotLine;
    case TPenStyle::psDashDot:
        return Qt::DashDotLine;
    case TPenStyle::psDashDotDot:
        return Qt::DashDotDotLine;
    case TPenStyle::psClear:
        return Qt::NoPen;
    default:
        return Qt::SolidLine;
    }
}

Qt::BrushStyle QtBrushStyle(TBrushStyle style)
{
    switch (style) {
    case TBrushStyle::bsClear:
        return Qt::NoBrush;
    case TBrushStyle::bsHorizontal:
        return Qt::HorPattern;
    case TBrushStyle::bsVertical:
        return Qt::VerPattern;
    case TBrushStyle::bsFDiagonal:
        return Qt::BDiagPattern;
    case TBrushStyle::bsBDiagonal:
        return Qt::FDiagPattern;
    case TBrushStyle::bsCross:
        return Qt::CrossPattern;
    case TBrushStyle::bsDiagCross:
        return Qt::DiagCrossPattern;
    default:
        return Qt::SolidPattern;
    }
}

QPen ToQPen(const TChartPen& pen, int width, bool alternate)
{
    const bool wide = pen.Width() > 1;
    QPen result(ToQColor(pen.Color()), std::max(1, width), QtPenStyle(pen.Style()), wide ? Qt::RoundCap : Qt::FlatCap,
                wide ? Qt::RoundJoin : Qt::MiterJoin);
    if (alternate)
        result.setDashPattern({1.0, 1.0});
    return result;
}

QBrush ToQBrush(const TChartBrush& brush)
{
    return QBrush(ToQColor(brush.Color()), QtBrushStyle(brush.Style()));
}

}  // namespace rna::chart
