// A chart series: its points (value lists, colours, labels), its settings and its link to a chart.
#pragma once

#include "chart/core/ChangeNotifier.h"
#include "chart/core/ChartColor.h"
#include "chart/core/ChartGeometry.h"
#include "chart/series/SeriesHost.h"
#include "chart/series/TChartValueList.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace rna::chart {

class TCustomChartAxis;
class TChartCanvas3D;
class TSeriesMarks;
class AxisScale;

enum class THorizAxis { aTopAxis, aBottomAxis, aBothHorizAxis, aCustomHorizAxis };
enum class TVertAxis { aLeftAxis, aRightAxis, aBothVertAxis, aCustomVertAxis };

// What a series tells the series that take their points from it.
enum class SeriesChange { Clear, Add, Delete, Refresh, Modify };

// On which changes of a source a dependent series updates itself.
struct TSeriesUpdateFlags {
    bool OnDelete = true;
    bool OnModify = true;
    bool OnInsert = true;
    bool OnClear = true;
};

// What a series paints with: the canvas, the two axis mappings fixed for this paint and the
// plotting rectangle.
struct SeriesPaintContext {
    TChartCanvas3D& Canvas;
    const AxisScale& Horiz;
    const AxisScale& Vert;
    Rect PlotRect;
};

// A QObject so that forms own series like their other controls (Qt parent) and find them by name.
class TChartSeries : public QObject {
    Q_OBJECT

public:
    using TSeriesNotifyEvent = std::function<void(TChartSeries& sender)>;
    using TSeriesOnBeforeAdd = std::function<bool(TChartSeries& sender)>;
    using TSeriesOnAfterAdd = std::function<void(TChartSeries& sender, int valueIndex)>;
    using TSeriesOnClear = std::function<void(TChartSeries& sender)>;
    using TSeriesClick = std::function<void(TChartSeries& sender, int valueIndex, Qt::MouseButton button,
                                            Qt::KeyboardModifiers shift, int x, int y)>;
    using TSeriesOnGetMarkText = std::function<void(TChartSeries& sender, int valueIndex, QString& markText)>;

    explicit TChartSeries(QObject* parent = nullptr);
    ~TChartSeries() override;

    // Copies the settings of another series (not its points, not its chart).
    virtual void Assign(const TChartSeries& source);

    // ---- value lists
    TChartValueList& XValues() { return *valueLists_[0]; }
    const TChartValueList& XValues() const { return *valueLists_[0]; }
    TChartValueList& YValues() { return *valueLists_[1]; }
    const TChartValueList& YValues() const { return *valueLists_[1]; }
    // Copies the settings of the given list into XValues / YValues and repaints.
    void SetXValues(const TChartValueList& source);
    void SetYValues(const TChartValueList& source);
    int ValueListCount() const { return static_cast<int>(valueLists_.size()); }
    TChartValueList& ValueList(int index) { return *valueLists_.at(static_cast<size_t>(index)); }
    const TChartValueList& ValueList(int index) const { return *valueLists_.at(static_cast<size_t>(index)); }
    // The value list with that name (extra dimensions of derived kinds), or null.
    TChartValueList* FindValueList(const QString& name) const;
    virtual TChartValueList& MainValues() { return YValues(); }
    virtual const TChartValueList& MainValues() const { return YValues(); }
    bool IsVertical() const { return &MainValues() == &YValues(); }

    // ---- points
    virtual int AddPoint(double x, double y, const QString& label = QString(), TColor color = clUseSeriesColor);
    virtual int AddValue(double value, const QString& label = QString(), TColor color = clUseSeriesColor);
    virtual int AddEmptyPointXY(double x, double y, const QString& label = QString());
    virtual int AddEmptyPoint(const QString& label = QString());
    virtual void ClearPoints();
    virtual void DeletePoint(int index);
    virtual void ExchangePoints(int i, int j);
    // Fills the series with numValues sample points (ChartException when numValues <= 0).
    virtual void FillSampleValues(int numValues);
    int PointCount() const { return XValues().ValueCount(); }
    virtual double XValueAt(int index) const { return XValues().ValueAt(index); }
    virtual double YValueAt(int index) const { return YValues().ValueAt(index); }
    virtual TColor PointColor(int index) const;
    virtual QString PointLabel(int index) const;
    bool IsEmptyPoint(int index) const { return PointColor(index) == clNone; }
    // The colour stored with the point (clUseSeriesColor when it has none of its own).
    TColor StoredPointColor(int index) const;
    void SetPointColor(int index, TColor color);
    void SetPointLabel(int index, const QString& label);

    virtual double HighestX() const { return XValues().Highest(); }
    virtual double HighestY() const { return YValues().Highest(); }
    virtual double LowestX() const { return XValues().Lowest(); }
    virtual double LowestY() const { return YValues().Lowest(); }
    virtual double HighestZ() const { return zOrder_; }
    virtual double LowestZ() const { return zOrder_; }

    // ---- chart link and repaint
    SeriesHost* ParentChart() const { return chart_; }
    // DetachSeries on the old chart, AttachSeries on the new one.
    void SetParentChart(SeriesHost* chart);
    // Called by the chart's AttachSeries / DetachSeries (and its destructor, with null):
    // sets the back pointer and re-resolves the axes, without calling the chart back.
    void ChartAttached(SeriesHost* chart);
    // Tells the chart that something about the series changed (nothing without a chart).
    void ChangeNotify() const;
    // Counts the changes told to the chart, except the clearing and adding of points: a drawing that finds
    // the count and the points as an earlier one found them draws the series as that one did.
    unsigned DrawingChanges() const { return drawingChanges_; }
    TCustomChartAxis* GetHorizAxis() const { return horizAxis_; }
    TCustomChartAxis* GetVertAxis() const { return vertAxis_; }
    void SetCustomHorizAxis(TCustomChartAxis* axis);
    void SetCustomVertAxis(TCustomChartAxis* axis);
    // Whether the series is drawn against that axis (both-axes settings count for either).
    virtual bool AssociatedToAxis(const TCustomChartAxis& axis) const;
    virtual bool UseAxis() const { return true; }

    // ---- dependent series
    // This series takes its points from the source (and follows its changes).
    void AddDataSource(TChartSeries& source);
    void RemoveDataSource(TChartSeries& source);
    const std::vector<TChartSeries*>& DataSources() const { return dataSources_; }
    const std::vector<TChartSeries*>& Dependents() const { return dependents_; }
    TSeriesUpdateFlags& UpdateFlags() { return updateFlags_; }
    void NotifyDependents(SeriesChange change, int index)
    {
        // Most series have no dependents: the check stays at the caller, once per added point.
        if (!dependents_.empty())
            UpdateDependents(change, index);
    }
    // Reloads all points from the data sources (no-op without sources).
    void ReloadFromSources();
    // Reloads all points from one source series, in source order.
    virtual void AddValuesFrom(const TChartSeries& source);
    // Appends a copy of one point of the source (values, colour, label); answers its index.
    virtual int CopyPointFrom(const TChartSeries& source, int index);

    // ---- drawing (the chart calls Paint for every active series, after the axes)
    // The first and last point index of the last paint (-1 when nothing was visible); hit testing uses them.
    int FirstValueIndex() const { return firstVisible_; }
    int LastValueIndex() const { return lastVisible_; }
    void CalcFirstLastVisibleIndex(const AxisScale& horiz, const Rect& plotRect);
    // Paints the visible points with the given mappings, clipped to the plot rectangle when `clip`.
    void Paint(const SeriesPaintContext& context, bool clip);
    bool CalcVisiblePoints() const { return calcVisiblePoints_; }
    void SetCalcVisiblePoints(bool value) { calcVisiblePoints_ = value; }
    bool DrawBetweenPoints() const { return drawBetweenPoints_; }
    // Whether an event of the series runs while it is drawn.
    virtual bool HasDrawingEvents() const { return BeforeDrawValues || AfterDrawValues; }
    // Pixel position of a point on the resolved axes (for hit testing, outside painting).
    virtual int CalcXPos(int index) const;
    virtual int CalcYPos(int index) const;
    // Index of the point under the mouse pixel, or -1.
    virtual int Clicked(int x, int y);
    // Pixel margins the series asks of the axes (in/out: each only grows).
    virtual void CalcHorizMargins(int& left, int& right) const;
    virtual void CalcVerticalMargins(int& top, int& bottom) const;

    // ---- published settings
    bool Active() const { return active_; }
    virtual void SetActive(bool value);
    bool ColorEachPoint() const { return colorEachPoint_; }
    virtual void SetColorEachPoint(bool value);
    TColor SeriesColor() const { return seriesColor_; }
    virtual void SetSeriesColor(TColor value);
    bool ShowInLegend() const { return showInLegend_; }
    void SetShowInLegend(bool value);
    const QString& Title() const { return title_; }
    void SetTitle(const QString& value);
    const QString& ColorSource() const { return colorSource_; }
    void SetColorSource(const QString& value);
    const QString& XLabelsSource() const { return xLabelsSource_; }
    void SetXLabelsSource(const QString& value);
    THorizAxis HorizAxis() const { return horizAxisKind_; }
    void SetHorizAxis(THorizAxis value);
    TVertAxis VertAxis() const { return vertAxisKind_; }
    void SetVertAxis(TVertAxis value);
    int Cursor() const { return cursor_; }
    void SetCursor(int value) { cursor_ = value; }
    const QString& PercentFormat() const { return percentFormat_; }
    void SetPercentFormat(const QString& value);
    const QString& ValueFormat() const { return valueFormat_; }
    void SetValueFormat(const QString& value);
    int ZOrder() const { return zOrder_; }
    void SetZOrder(int value);
    TSeriesMarks& Marks() { return *marks_; }
    const TSeriesMarks& Marks() const { return *marks_; }

    // ---- events
    TSeriesNotifyEvent AfterDrawValues;
    TSeriesNotifyEvent BeforeDrawValues;
    TSeriesOnAfterAdd OnAfterAdd;
    TSeriesOnBeforeAdd OnBeforeAdd;
    TSeriesOnClear OnClearValues;
    TSeriesClick OnClick;
    TSeriesClick OnDblClick;
    TSeriesOnGetMarkText OnGetMarkText;

protected:
    // The store-and-notify of this series' setters: a changed setting ends in ChangeNotify.
    const ChangeNotifier& Changes() const { return changes_; }
    // Adds a value list after those already there (derived kinds with more dimensions).
    TChartValueList& CreateValueList(const QString& name);
    // Stores the pending values of the lists beyond XValues and YValues at the index.
    virtual void AddPendingExtraValues(int index);
    // Runs OnAfterAdd, notifies dependents and repaints.
    virtual void NotifyValueAdded(int index);
    // Draws the points FirstValueIndex .. LastValueIndex (nothing in the base series).
    virtual void DrawAllValues(const SeriesPaintContext& context);
    void SetDrawBetweenPoints(bool value) { drawBetweenPoints_ = value; }
    void ResetVisibleRange() { firstVisible_ = lastVisible_ = -1; }

private:
    void UpdateDependents(SeriesChange change, int index);
    void ResolveAxes();
    // The axis settings changed: the axes are resolved again and the chart repaints.
    void AxesChanged();
    void ClearStorage();
    // Tells the chart that points were cleared or added, which DrawingChanges does not count.
    void PointsChangeNotify() const;
    void CheckPointIndex(int index) const;

    std::vector<std::unique_ptr<TChartValueList>> valueLists_;
    std::vector<TColor> colors_;
    std::vector<std::optional<QString>> labels_;
    std::unique_ptr<TSeriesMarks> marks_;

    SeriesHost* chart_ = nullptr;
    mutable unsigned drawingChanges_ = 0;
    ChangeNotifier changes_{[this] { ChangeNotify(); }};
    TCustomChartAxis* horizAxis_ = nullptr;
    TCustomChartAxis* vertAxis_ = nullptr;
    TCustomChartAxis* customHorizAxis_ = nullptr;
    TCustomChartAxis* customVertAxis_ = nullptr;

    std::vector<TChartSeries*> dataSources_;
    std::vector<TChartSeries*> dependents_;
    TSeriesUpdateFlags updateFlags_;

    bool active_ = true;
    bool colorEachPoint_ = false;
    TColor seriesColor_ = clUseSeriesColor;
    bool showInLegend_ = true;
    QString title_;
    QString colorSource_;
    QString xLabelsSource_;
    THorizAxis horizAxisKind_ = THorizAxis::aBottomAxis;
    TVertAxis vertAxisKind_ = TVertAxis::aLeftAxis;
    int cursor_ = 0;
    QString percentFormat_ = QStringLiteral("##0.## %");
    QString valueFormat_ = QStringLiteral("#,##0.###");
    int zOrder_ = -1;

    int firstVisible_ = -1;
    int lastVisible_ = -1;
    bool calcVisiblePoints_ = true;
    bool drawBetweenPoints_ = false;
};

}  // namespace rna::chart
