// Pens owned by chart objects (series, axes, walls, titles): colour, style, width, visibility, small dots.
#pragma once

#include <functional>

#include "chart/core/ChartColor.h"

namespace rna::chart {

enum class TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };

enum class TPenMode {
    pmBlack,
    pmWhite,
    pmNop,
    pmNot,
    pmCopy,
    pmNotCopy,
    pmMergePenNot,
    pmMaskPenNot,
    pmMergeNotPen,
    pmMaskNotPen,
    pmMerge,
    pmNotMerge,
    pmMask,
    pmNotMask,
    pmXor,
    pmNotXor
};

// Change notification an owner installs to hear about changes (usually the chart's ChangeNotify).
using TNotifyChange = std::function<void()>;

class TChartPen {
public:
    explicit TChartPen(TNotifyChange onChange = {}) : onChange_(std::move(onChange)) {}
    TChartPen(const TChartPen&) = delete;
    TChartPen& operator=(const TChartPen&) = delete;
    virtual ~TChartPen() = default;

    TColor Color() const { return color_; }
    TPenMode Mode() const { return mode_; }
    TPenStyle Style() const { return style_; }
    int Width() const { return width_; }
    bool Visible() const { return visible_; }
    bool SmallDots() const { return smallDots_; }

    void SetColor(TColor value);
    void SetMode(TPenMode value);
    void SetStyle(TPenStyle value);
    void SetWidth(int value);
    void SetVisible(bool value);
    void SetSmallDots(bool value);

    // Copies every setting, Visible and SmallDots included; notifies once when anything changed.
    void Assign(const TChartPen& source);
    void SetOnChange(TNotifyChange onChange) { onChange_ = std::move(onChange); }

protected:
    TChartPen(TNotifyChange onChange, TColor color, TPenStyle style, int width, bool visible)
        : color_(color), style_(style), width_(width), visible_(visible), onChange_(std::move(onChange))
    {}

private:
    template <typename T>
    void Store(T& field, T value);
    void Changed() const;

    TColor color_ = clBlack;
    TPenMode mode_ = TPenMode::pmCopy;
    TPenStyle style_ = TPenStyle::psSolid;
    int width_ = 1;
    bool visible_ = true;
    bool smallDots_ = false;
    TNotifyChange onChange_;
};

// A pen that starts hidden (title frames, minor grid).
class TChartHiddenPen : public TChartPen {
public:
    explicit TChartHiddenPen(TNotifyChange onChange = {})
        : TChartPen(std::move(onChange), clBlack, TPenStyle::psSolid, 1, false)
    {}
};

// Grey dotted grid lines.
class TDottedGrayPen : public TChartPen {
public:
    explicit TDottedGrayPen(TNotifyChange onChange = {})
        : TChartPen(std::move(onChange), clGray, TPenStyle::psDot, 1, true)
    {}
};

// Grey solid lines (ticks).
class TDarkGrayPen : public TChartPen {
public:
    explicit TDarkGrayPen(TNotifyChange onChange = {})
        : TChartPen(std::move(onChange), clGray, TPenStyle::psSolid, 1, true)
    {}
};

// White pen of mark arrows.
class TChartArrowPen : public TChartPen {
public:
    explicit TChartArrowPen(TNotifyChange onChange = {})
        : TChartPen(std::move(onChange), clWhite, TPenStyle::psSolid, 1, true)
    {}
};

// Two-pixel axis lines.
class TChartAxisPen : public TChartPen {
public:
    explicit TChartAxisPen(TNotifyChange onChange = {})
        : TChartPen(std::move(onChange), clBlack, TPenStyle::psSolid, 2, true)
    {}
};

}  // namespace rna::chart
