// Pens owned by chart objects (series, axes, walls, titles): colour, style, width, visibility, small dots.
#pragma once

#include "chart/core/ChangeNotifier.h"
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

class TChartPen {
public:
    explicit TChartPen(TNotifyChange onChange = {}) : changes_(std::move(onChange)) {}
    TChartPen(const TChartPen&) = delete;
    TChartPen& operator=(const TChartPen&) = delete;
    virtual ~TChartPen() = default;

    TColor Color() const { return settings_.Color; }
    TPenMode Mode() const { return settings_.Mode; }
    TPenStyle Style() const { return settings_.Style; }
    int Width() const { return settings_.Width; }
    bool Visible() const { return settings_.Visible; }
    bool SmallDots() const { return settings_.SmallDots; }

    void SetColor(TColor value) { changes_.Store(settings_.Color, value); }
    void SetMode(TPenMode value) { changes_.Store(settings_.Mode, value); }
    void SetStyle(TPenStyle value) { changes_.Store(settings_.Style, value); }
    void SetWidth(int value) { changes_.Store(settings_.Width, value); }
    void SetVisible(bool value) { changes_.Store(settings_.Visible, value); }
    void SetSmallDots(bool value) { changes_.Store(settings_.SmallDots, value); }

    // Copies every setting, Visible and SmallDots included; notifies once when anything changed.
    void Assign(const TChartPen& source) { changes_.Store(settings_, source.settings_); }
    void SetOnChange(TNotifyChange onChange) { changes_.SetOnChange(std::move(onChange)); }
    // Equal when every setting is equal (the owners' callbacks do not count).
    friend bool operator==(const TChartPen& a, const TChartPen& b) { return a.settings_ == b.settings_; }

protected:
    TChartPen(TNotifyChange onChange, TColor color, TPenStyle style, int width, bool visible)
        : settings_{color, TPenMode::pmCopy, style, width, visible, false}, changes_(std::move(onChange))
    {}

private:
    struct Settings {
        TColor Color = clBlack;
        TPenMode Mode = TPenMode::pmCopy;
        TPenStyle Style = TPenStyle::psSolid;
        int Width = 1;
        bool Visible = true;
        bool SmallDots = false;
        friend bool operator==(const Settings&, const Settings&) = default;
    };

    Settings settings_;
    ChangeNotifier changes_;
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
