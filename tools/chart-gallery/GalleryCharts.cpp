#include "GalleryCharts.h"

#include "ScreenChartBinding.h"

#include "chart/loader/ChartRegistration.h"
#include "chart/panel/TChart.h"
#include "chart/series/TLineSeries.h"
#include "neuron/model/NumericModel.h"
#include "ui/FormLoader.h"
#include "ui/TForm.h"

using rna::chart::TChart;
using rna::chart::TLineSeries;

namespace {

// Which description holds the chart, and how its screen refills it: the list's selected function,
// the samples -halfRange ... halfRange and the net input at which the marker series stands.
struct GalleryEntry {
    QString fileName;
    QString chartName;
    QString curveName;
    QString markerName;  // empty: the chart has no net-input line
    int functionIndex;
    int halfRange;
    double netInput;
};

const GalleryEntry Entries[] = {
    {"form1-chart1", "Chart1", "Series1", "Series2", 1, 10, 2.5},  // "Tangent hiperbolic"
    {"form2-chart1", "Chart1", "Series1", "Series2", 2, 15, -3.7},  // "Sigmoid logistic"
    {"form3-chart1", "Chart1", "Series1", "", 0, 10, 0},  // "Identitate"
    {"form3-chart3", "Chart3", "Series3", "Series4", 1, 25, 12.3},  // "Tangent hiperbolic"
};

void Fill(const GalleryEntry& entry, rna::ui::TForm& form)
{
    auto& chart = form.control<TChart>(entry.chartName);
    auto& curve = form.control<TLineSeries>(entry.curveName);
    TLineSeries* marker = entry.markerName.isEmpty() ? nullptr : &form.control<TLineSeries>(entry.markerName);
    ScreenChartBinding binding(chart, curve, marker);
    double lastOutput = 0;
    rna::neuron::FillTransferChart(binding,
                                   marker ? rna::neuron::MarkerSeries::Present : rna::neuron::MarkerSeries::Absent,
                                   entry.functionIndex, entry.halfRange, entry.netInput, lastOutput);
}

QImage DrawTwice(TChart& chart)
{
    const rna::chart::Rect bounds{0, 0, chart.width(), chart.height()};
    chart.DrawChart(nullptr, bounds);
    chart.DrawChart(nullptr, bounds);
    return chart.Canvas().Image().copy();
}

}  // namespace

std::vector<GalleryChart> DrawGalleryCharts()
{
    rna::chart::RegisterChartKinds();
    std::vector<GalleryChart> charts;
    for (const GalleryEntry& entry : Entries) {
        rna::ui::TForm form;
        rna::ui::FormLoader::loadFile(form, QStringLiteral(":/gallery/charts/%1.json").arg(entry.fileName));
        Fill(entry, form);
        charts.push_back({entry.fileName + QStringLiteral(".png"), DrawTwice(form.control<TChart>(entry.chartName))});
    }
    return charts;
}
