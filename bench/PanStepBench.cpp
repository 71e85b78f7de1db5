// PanStep: one mouse move of a right-button drag on the single-input screen's chart: both axes take their new
// ranges from the pixel change, then the chart is drawn again and painted at once, as the screen shows it.
#include "BenchProgram.h"

#include "chart/panel/TChart.h"
#include "neuron/screens/TForm1.h"
#include "ui/TTrackBar.h"

#include <QApplication>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {

using rna::chart::TChart;

void PanStep(benchmark::State& state)
{
    rna::app::Program& program = rna::bench::BenchProgram();
    program.application().mainForm()->showForm();
    rna::neuron::TForm1& window = *rna::neuron::Form1;
    window.showForm();
    if (!QTest::qWaitForWindowActive(&window)) {
        state.SkipWithError("the single-input window does not become active");
        return;
    }
    // A weight, so that the chart holds its curve and its net-input line.
    auto& weight = window.control<rna::ui::TTrackBar>(QStringLiteral("TrackBar2"));
    window.focusControl(weight);
    QTest::keyClick(&weight, Qt::Key_Right);
    TChart& chart = window.control<TChart>(QStringLiteral("Chart1"));
    chart.repaint();
    const rna::chart::Rect& plot = chart.PlotRect();
    const QPoint grip((plot.Left + plot.Right) / 2, (plot.Top + plot.Bottom) / 2);
    QTest::mousePress(&chart, Qt::RightButton, {}, grip);

    // One pixel right and down, then back: every move pans both axes and stays inside the plotting area. The
    // event loop delivers the paint the move asked for, as in the running program; a paint still owed then is
    // forced, so that every step ends with the chart drawn and on the window.
    bool out = true;
    for (auto _ : state) {
        QTest::mouseMove(&chart, out ? grip + QPoint(1, 1) : grip);
        out = !out;
        QCoreApplication::processEvents();
        if (chart.Canvas().Dirty())
            chart.repaint();
    }
    QTest::mouseRelease(&chart, Qt::RightButton, {}, grip);
    if (chart.Mouse().NothingSaved())
        state.SkipWithError("the drag did not pan");  // a pan step saves the ranges first
    window.hide();
}

}  // namespace

BENCHMARK(PanStep)->Unit(benchmark::kMicrosecond);
