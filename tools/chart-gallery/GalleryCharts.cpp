#include "GalleryCharts.h"

#include "chart/loader/ChartRegistration.h"
#include "chart/panel/TChart.h"
#include "chart/series/TLineSeries.h"
#include "neuron/screens/ScreenChartBinding.h"
#include "ui/FormLoader.h"
#include "ui/LoadError.h"
#include "ui/TForm.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using rna::chart::TChart;
using rna::chart::TLineSeries;

namespace {

// Which window holds the chart, and how its screen refills it: the list's selected function, the samples
// -halfRange ... halfRange and the net input at which the marker series stands.
struct GalleryEntry {
    QString formName;
    QString chartName;
    QString curveName;
    QString markerName;  // empty: the chart has no net-input line
    int functionIndex;
    int halfRange;
    double netInput;
};

const GalleryEntry Entries[] = {
    {"Form1", "Chart1", "Series1", "Series2", 1, 10, 2.5},  // "Tangent hiperbolic"
    {"Form2", "Chart1", "Series1", "Series2", 2, 15, -3.7},  // "Sigmoid logistic"
    {"Form3", "Chart1", "Series1", "", 0, 10, 0},  // "Identitate"
    {"Form3", "Chart2", "Series2", "", 2, 10, 0},  // "Sigmoid logistic"
    {"Form3", "Chart3", "Series3", "Series4", 1, 25, 12.3},  // "Tangent hiperbolic"
};

// A window description holding only the chart's entry of the screen's own description, so the gallery and
// the screen read one set of chart settings.
QByteArray ChartWindowDescription(const GalleryEntry& entry)
{
    const QString path = QStringLiteral(":/assets/forms/%1.json").arg(entry.formName);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw rna::ui::LoadError(path, QString(), QStringLiteral("cannot be read"));
    const QJsonObject form = QJsonDocument::fromJson(file.readAll()).object();
    for (const QJsonValue control : form.value(QStringLiteral("controls")).toArray()) {
        if (control.toObject().value(QStringLiteral("name")).toString() != entry.chartName)
            continue;
        const QJsonObject window{{QStringLiteral("class"), QStringLiteral("TForm")},
                                 {QStringLiteral("name"), entry.formName},
                                 {QStringLiteral("controls"), QJsonArray{control}}};
        return QJsonDocument(window).toJson();
    }
    throw rna::ui::LoadError(path, QStringLiteral("controls"), QStringLiteral("no control ") + entry.chartName);
}

void Fill(const GalleryEntry& entry, rna::ui::TForm& form)
{
    auto& chart = form.control<TChart>(entry.chartName);
    auto& curve = form.control<TLineSeries>(entry.curveName);
    TLineSeries* marker = entry.markerName.isEmpty() ? nullptr : &form.control<TLineSeries>(entry.markerName);
    rna::neuron::ScreenChartBinding binding(chart, curve, marker);
    double lastOutput = 0;
    rna::neuron::RefillTransferChart(binding, entry.functionIndex, entry.halfRange, entry.netInput, lastOutput);
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
        rna::ui::FormLoader::loadString(form, ChartWindowDescription(entry), entry.formName + QStringLiteral(".json"));
        Fill(entry, form);
        const QString fileName = QStringLiteral("%1-%2.png").arg(entry.formName.toLower(), entry.chartName.toLower());
        charts.push_back({fileName, DrawTwice(form.control<TChart>(entry.chartName))});
    }
    return charts;
}
