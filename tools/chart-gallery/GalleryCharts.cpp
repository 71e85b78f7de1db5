#include "GalleryCharts.h"

#include "ScreenChartBinding.h"

#include "chart/ChartColor.h"
#include "chart/LineSeries.h"
#include "chart/SeriesMarks.h"
#include "chart/TChart.h"
#include "chart/TChartAxis.h"
#include "chart/TChartAxisTitle.h"
#include "neuron/NumericModel.h"

#include <QStringList>

#include <memory>

using namespace rna::chart;

namespace {

// One chart's settings as its window description gives them, and how its screen fills it.
struct ScreenChartSettings {
    QString fileName;
    int width = 0;
    int height = 0;
    QStringList titleText;
    bool titleVisible = true;
    int marginRight = 3;
    double bottomMinimum = 0;
    double bottomMaximum = 0;
    double bottomIncrement = 0;
    // The single-input screen's bottom axis: no labels on the axis ends, no inner ticks, a title.
    bool singleInputBottomAxis = false;
    QString bottomTitle;
    double leftMinimum = 0;
    double leftMaximum = 0;
    bool curveMarkers = false;   // round markers of half-size 2 on the curve
    int markerLineWidth = 0;     // 0: the chart has no net-input line
    int markerPointerSize = 4;
    // The refill: transfer function (list index), sampled at -halfRange ... halfRange, line at netInput.
    int functionIndex = 0;
    int halfRange = 10;
    double netInput = 0;
};

const ScreenChartSettings SingleInputChart{
    "form1-chart1.png", 433, 177, {"Functia de transfer a neuronului"}, true, 3, -10.05, 10.05, 2, true,
    "Intrare neta", -1, 1, true, 3, 2, 1, 10, 2.5};
const ScreenChartSettings TwoInputChart{
    "form2-chart1.png", 441, 177, {"Functia de transfer a neuronului"}, true, 3, -15.05, 15.05, 0, false,
    "", -1, 1, true, 2, 4, 2, 15, -3.7};
const ScreenChartSettings HiddenNeuronChart{
    "form3-chart1.png", 105, 81, {"TChart"}, false, 5, -10, 10, 0, false, "", -1.05, 1.05, false, 0, 4, 0, 10, 0};
const ScreenChartSettings OutputNeuronChart{
    "form3-chart3.png", 305, 145, {"Functia de transfer a neuronului de pe ultimul strat"}, true, 3, -25, 25.5, 0,
    false, "", -1.05, 1.05, false, 1, 4, 1, 25, 12.3};

void FixAxis(TCustomChartAxis& axis, double minimum, double maximum)
{
    axis.SetAutomatic(false);
    axis.SetAutomaticMaximum(false);
    axis.SetAutomaticMinimum(false);
    axis.SetMaximum(maximum);
    axis.SetMinimum(minimum);
}

// What every chart of the screens sets: a flat chart without bevel or legend, an unfilled back wall.
void SetUpChart(TChart& chart, const ScreenChartSettings& s)
{
    chart.SetLoading(true);   // as while a description is read: the axis ends load in any order
    chart.resize(s.width, s.height);
    chart.BackWall().Brush().SetColor(clWhite);
    chart.BackWall().Brush().SetStyle(TBrushStyle::bsClear);
    chart.Title().SetText(s.titleText);
    chart.Title().SetVisible(s.titleVisible);
    chart.SetMarginRight(s.marginRight);
    chart.Legend().SetVisible(false);
    chart.SetView3D(false);
    chart.SetBevelOuter(TBevelCut::bvNone);
    FixAxis(*chart.BottomAxis(), s.bottomMinimum, s.bottomMaximum);
    chart.BottomAxis()->SetIncrement(s.bottomIncrement);
    if (s.singleInputBottomAxis) {
        chart.BottomAxis()->SetLabelsOnAxis(false);
        chart.BottomAxis()->SetExactDateTime(false);
        chart.BottomAxis()->TicksInner().SetVisible(false);
        chart.BottomAxis()->Title().SetCaption(s.bottomTitle);
    }
    FixAxis(*chart.LeftAxis(), s.leftMinimum, s.leftMaximum);
    chart.SetLoading(false);
}

void SetUpSeries(TLineSeries& series, TChart& chart, TColor color)
{
    series.SetSeriesColor(color);
    series.Marks().SetVisible(false);
    series.Marks().SetArrowLength(8);
    series.Pointer().SetStyle(TSeriesPointerStyle::psRectangle);
    series.Pointer().SetInflateMargins(true);
    series.XValues().SetOrder(TChartListOrder::loAscending);
    series.YValues().SetOrder(TChartListOrder::loNone);
    series.SetParentChart(&chart);
}

// A chart with its series, owned together; the series leave the chart before it goes.
class ScreenChart {
public:
    explicit ScreenChart(const ScreenChartSettings& s)
    {
        SetUpChart(chart_, s);
        SetUpSeries(curve_, chart_, clRed);
        if (s.curveMarkers) {
            curve_.Pointer().SetVisible(true);
            curve_.Pointer().SetStyle(TSeriesPointerStyle::psCircle);
            curve_.Pointer().SetHorizSize(2);
            curve_.Pointer().SetVertSize(2);
        }
        if (s.markerLineWidth > 0) {
            marker_ = std::make_unique<TLineSeries>();
            SetUpSeries(*marker_, chart_, clGreen);
            marker_->LinePen().SetWidth(s.markerLineWidth);
            marker_->Pointer().SetHorizSize(s.markerPointerSize);
            marker_->Pointer().SetVertSize(s.markerPointerSize);
        }
    }

    void Fill(const ScreenChartSettings& s)
    {
        ScreenChartBinding binding(chart_, curve_, marker_.get());
        double lastOutput = 0;
        rna::neuron::FillTransferChart(binding,
                                       marker_ ? rna::neuron::MarkerSeries::Present : rna::neuron::MarkerSeries::Absent,
                                       s.functionIndex, s.halfRange, s.netInput, lastOutput);
    }

    QImage DrawTwice(const ScreenChartSettings& s)
    {
        const TRect bounds{0, 0, s.width, s.height};
        chart_.DrawChart(nullptr, bounds);
        chart_.DrawChart(nullptr, bounds);
        return chart_.Canvas().Image().copy();
    }

private:
    TChart chart_;
    TLineSeries curve_;
    std::unique_ptr<TLineSeries> marker_;
};

} // namespace

std::vector<GalleryChart> DrawGalleryCharts()
{
    std::vector<GalleryChart> charts;
    for (const ScreenChartSettings* s : {&SingleInputChart, &TwoInputChart, &HiddenNeuronChart, &OutputNeuronChart}) {
        ScreenChart chart(*s);
        chart.Fill(*s);
        charts.push_back({s->fileName, chart.DrawTwice(*s)});
    }
    return charts;
}
