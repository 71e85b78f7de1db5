// The chart panel with its series list and its five axes; draws walls, axes and series in a fixed order.
#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "chart/axis/AxisHost.h"
#include "chart/axis/TChartAxis.h"
#include "chart/axis/TChartDepthAxis.h"
#include "chart/panel/BackgroundLayer.h"
#include "chart/panel/ChartLayout.h"
#include "chart/panel/SeriesLayer.h"
#include "chart/panel/TCustomChartPanelExtended.h"
#include "chart/series/SeriesHost.h"

namespace rna::chart {

class TChartSeries;

// The chart is what its axes and its series report to (AxisHost, SeriesHost): it knows which
// series are drawn against which axis.
class TCustomAxisPanel : public TCustomChartPanelExtended, public AxisHost, public SeriesHost {
    Q_OBJECT
public:
    using TAxisLabelEvent =
        std::function<void(TCustomChartAxis& axis, TChartSeries* series, int valueIndex, QString& labelText)>;
    using TNextAxisLabelEvent =
        std::function<void(TCustomChartAxis& axis, int labelIndex, double& labelValue, bool& stop)>;
    using TChartEvent = std::function<void()>;

    explicit TCustomAxisPanel(QWidget* parent = nullptr);
    ~TCustomAxisPanel() override;

    // ---- series (the chart only refers to them; they belong to the window)
    int SeriesCount() const { return int(series_.size()); }
    TChartSeries* Series(int index) const { return series_.at(std::size_t(index)); }
    const std::vector<TChartSeries*>& SeriesList() const { return series_; }
    // Appends the series (drawing order is list order), giving it a free default colour when it has none.
    void AttachSeries(TChartSeries* series) override;
    void DetachSeries(TChartSeries* series) override;
    // True when the colour may be given to a new series.
    virtual bool IsFreeSeriesColor(TColor color) const;

    // ---- axes, in list order: bottom, top, left, right, depth, then further axes
    TChartAxis* BottomAxis() const override { return bottomAxis_.get(); }
    TChartAxis* TopAxis() const override { return topAxis_.get(); }
    TChartAxis* LeftAxis() const override { return leftAxis_.get(); }
    TChartAxis* RightAxis() const override { return rightAxis_.get(); }
    TChartDepthAxis* DepthAxis() const { return depthAxis_.get(); }
    const std::vector<TCustomChartAxis*>& AxesList() const { return axes_; }
    void AddAxis(TCustomChartAxis* axis) { axes_.push_back(axis); }
    void RemoveAxis(TCustomChartAxis* axis);
    // Whether the axis is drawn and takes space in this drawing.
    bool AxisInUse(const TCustomChartAxis& axis) const;

    bool AxisVisible() const { return axisVisible_; }
    void SetAxisVisible(bool value) { Changes().Store(axisVisible_, value); }
    bool ClipPoints() const { return clipPoints_; }
    void SetClipPoints(bool value) { Changes().Store(clipPoints_, value); }
    bool View3DWalls() const { return view3DWalls_; }
    void SetView3DWalls(bool value) { Changes().Store(view3DWalls_, value); }
    // 0 means no paging; a negative value raises ChartException and keeps the old value.
    int MaxPointsPerPage() const { return maxPointsPerPage_; }
    void SetMaxPointsPerPage(int value);
    int Page() const { return page_; }
    void SetPage(int value);
    int NumPages() const;
    bool ScaleLastPage() const { return scaleLastPage_; }
    void SetScaleLastPage(bool value) { Changes().Store(scaleLastPage_, value); }

    const TAxisLabelEvent& OnGetAxisLabel() const { return onGetAxisLabel_; }
    void SetOnGetAxisLabel(TAxisLabelEvent handler) { onGetAxisLabel_ = std::move(handler); }
    const TNextAxisLabelEvent& OnGetNextAxisLabel() const { return onGetNextAxisLabel_; }
    void SetOnGetNextAxisLabel(TNextAxisLabelEvent handler) { onGetNextAxisLabel_ = std::move(handler); }
    void SetOnBeforeDrawAxes(TChartEvent handler) { onBeforeDrawAxes_ = std::move(handler); }
    void SetOnBeforeDrawSeries(TChartEvent handler) { onBeforeDrawSeries_ = std::move(handler); }
    void SetOnAfterDraw(TChartEvent handler) { onAfterDraw_ = std::move(handler); }

    // Pixels a wall adds to an axis' space (0 in 2D).
    virtual int AxisWallSize(const TCustomChartAxis& axis) const = 0;

    // What the axes and the series report: a change schedules a redraw.
    void ChangeNotify() override { ScheduleRedraw(); }
    void SeriesChanged() override { ScheduleSeriesRedraw(); }
    // Whether a chart event runs while the background (up to the axes) is drawn.
    bool HasBackgroundEvents() const { return onGetAxisLabel_ || onGetNextAxisLabel_ || onBeforeDrawAxes_; }
    // True while a layout description is being read: range checks are off.
    bool IsLoading() const override { return loading_; }
    void SetLoading(bool value) { loading_ = value; }

    // The layout of the last drawing (empty before the first): what the mouse reads.
    const ChartLayout& Layout() const { return layout_; }

    // What the axes ask about the series drawn against them and about the chart's label events.
    double SeriesExtreme(const TCustomChartAxis& axis, bool upper) const override;
    TAxisLabelStyle AutomaticLabelStyle(const TCustomChartAxis& axis) const override;
    bool SeriesDateTime(const TCustomChartAxis& axis) const override;
    void ForEachSeriesPoint(const TCustomChartAxis& axis,
                            const std::function<void(double, const QString&)>& point) const override;
    void GetAxisLabel(TCustomChartAxis& axis, QString& text) const override;
    bool HasNextAxisLabel() const override { return bool(onGetNextAxisLabel_); }
    void GetNextAxisLabel(TCustomChartAxis& axis, int index, double& value, bool& stop) const override;

protected:
    const ChartLayout& LayOutChart(const Rect& bounds) override;
    void RenderChart(const Rect& bounds, const ChartLayout& layout) override;
    // Axes take their space from PlotRect and fix their pixel ranges.
    virtual void FitAxes() = 0;
    // Axes widen their ranges so the pixels series ask for stay free at their ends.
    virtual void FitSeriesMargins() = 0;
    // The titles take their space from PlotRect and fix their boxes; DrawTitleBlocks draws them there.
    virtual void LayOutTitleBlocks() = 0;
    virtual void DrawTitleBlocks() = 0;
    virtual void PaintWalls() = 0;
    // Draws one axis completely (title, labels, line, ticks, grid) where the layout placed it.
    virtual void PaintAxis(TCustomChartAxis& axis, const ChartLayout& layout,
                           const TCustomChartAxis::LayoutState& placed) = 0;

private:
    void CreateAxes();
    // When the drawing starts as the kept layer's did, the titles' share of PlotRect comes from the layer,
    // and so does the axis layout while everything it reads is as it was when the layer's was worked out.
    // Answers False when the layout is to be worked out in full.
    bool ReuseLayout(const Rect& bounds);
    // Puts a layout back on the axes and the plotting rectangle, as the layout steps had left them.
    void PutBackLayout(const ChartLayout& layout);
    // The background, titles, walls and axes, kept as the image layer when it may be.
    void DrawBackground(const Rect& bounds, const ChartLayout& layout);
    void SaveBackgroundLayer();
    // Copies the kept layer instead when this drawing's layout is the layer's and the series it holds would
    // draw what it holds. `mayHoldSeries`: no chart event runs before the series are drawn.
    bool ReuseBackground(const ChartLayout& layout, bool mayHoldSeries);
    void PaintAxes(const ChartLayout& layout);
    // `mayHold`: the layer holds the background, and no chart event runs while the series are drawn.
    void PaintSeries(const ChartLayout& layout, bool mayHold);
    // The layer holds nothing a drawing may copy: the next drawing draws everything.
    void ForgetLayers();
    TColor FreeSeriesColor() const;
    // The first active series drawn against the axis, or null.
    const TChartSeries* FirstSeriesOf(const TCustomChartAxis& axis) const;

    std::vector<TChartSeries*> series_;
    std::unique_ptr<TChartAxis> bottomAxis_;
    std::unique_ptr<TChartAxis> topAxis_;
    std::unique_ptr<TChartAxis> leftAxis_;
    std::unique_ptr<TChartAxis> rightAxis_;
    std::unique_ptr<TChartDepthAxis> depthAxis_;
    std::vector<TCustomChartAxis*> axes_;
    bool loading_ = false;
    bool axisVisible_ = true;
    bool clipPoints_ = true;
    bool view3DWalls_ = true;
    int maxPointsPerPage_ = 0;
    int page_ = 1;
    bool scaleLastPage_ = true;
    TAxisLabelEvent onGetAxisLabel_;
    TNextAxisLabelEvent onGetNextAxisLabel_;
    TChartEvent onBeforeDrawAxes_;
    TChartEvent onBeforeDrawSeries_;
    TChartEvent onAfterDraw_;
    BackgroundLayer background_;
    SeriesLayer seriesLayer_;
    ChartLayout layout_;  // this drawing's, once laid out
    bool layoutIsLayers_ = false;  // this drawing's layout is the one the kept layer was drawn with
    bool layerSaved_ = false;  // a background layer was saved since the chart was made
};

}  // namespace rna::chart
