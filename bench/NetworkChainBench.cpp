// NetworkChain: one step of the input slider on the network screen, through a real key press and release, with
// the three charts redrawn as the screen shows them. Both hidden outputs change at every step, so the whole
// chain runs: both hidden charts, both edit boxes' change events and the output neuron twice.
//
// After the key click the window's pending repaint is delivered at once, as the event loop's next frame delivers
// it: every chart draws what the step changed and every control whose pixels changed is painted once. (With these
// weights the output neuron's net input stays 0 and the hidden neurons' charts show only their curves: a step
// changes no chart's pixels, so the charts are drawn but ask for no repaint.) The case fails if a step left a chart
// undrawn, or if at the end the window does not show what painting it whole shows.
#include "BenchProgram.h"

#include "chart/panel/TChart.h"
#include "neuron/screens/TForm3.h"
#include "ui/TTrackBar.h"

#include <QApplication>
#include <QScreen>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {

using rna::chart::TChart;
using rna::ui::TTrackBar;

void SetSlider(rna::neuron::TForm3& window, const char* name, Qt::Key key)
{
    auto& slider = window.control<TTrackBar>(QLatin1String(name));
    window.focusControl(slider);
    QTest::keyClick(&slider, key);
}

// One measured step, kept out of line so that a profiler can count exactly the steps
// (valgrind --tool=callgrind --toggle-collect='*NetworkStep*').
[[gnu::noinline]] void NetworkStep(TTrackBar& input, QWidget& window, Qt::Key key)
{
    QTest::keyClick(&input, key);
    QCoreApplication::sendPostedEvents(&window, QEvent::UpdateRequest);
}

void NetworkChain(benchmark::State& state)
{
    rna::app::Program& program = rna::bench::BenchProgram();
    program.application().mainForm()->showForm();
    rna::neuron::TForm3& window = *rna::neuron::Form3;
    window.showForm();
    if (!QTest::qWaitForWindowActive(&window)) {
        state.SkipWithError("the network window does not become active");
        return;
    }
    // Non-zero weights, so that every step of p changes both hidden outputs; the output neuron uses both.
    SetSlider(window, "TrackBar2", Qt::Key_End);
    SetSlider(window, "TrackBar3", Qt::Key_Home);
    SetSlider(window, "TrackBar6", Qt::Key_End);
    SetSlider(window, "TrackBar7", Qt::Key_End);
    auto& input = window.control<TTrackBar>(QStringLiteral("TrackBar1"));
    window.focusControl(input);
    TChart* charts[] = {&window.control<TChart>(QStringLiteral("Chart1")),
                        &window.control<TChart>(QStringLiteral("Chart2")),
                        &window.control<TChart>(QStringLiteral("Chart3"))};
    QCoreApplication::processEvents();

    bool down = true;
    bool undrawn = false;
    for (auto _ : state) {
        // Down and Up in turn: one line step each, staying inside the slider's range.
        NetworkStep(input, window, down ? Qt::Key_Down : Qt::Key_Up);
        down = !down;
        for (const TChart* chart : charts)
            undrawn = undrawn || chart->Canvas().Dirty();
    }
    const QImage shown = window.screen()->grabWindow(window.winId()).toImage().convertToFormat(QImage::Format_RGB32);
    const QImage whole = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (undrawn)
        state.SkipWithError("a step left a chart undrawn");
    else if (shown != whole)
        state.SkipWithError("the window does not show what painting it whole shows");
    window.hide();
}

}  // namespace

BENCHMARK(NetworkChain)->Unit(benchmark::kMicrosecond);
