// NetworkChain: one step of the input slider on the network screen, through a real key press and release, with
// the three charts redrawn as the screen shows them. Both hidden outputs change at every step, so the whole
// chain runs: both hidden charts, both edit boxes' change events and the output neuron twice.
//
// After the key click the window's pending repaint is delivered at once, as the event loop's next frame delivers
// it: every control the step changed is painted once, the three charts included. Each chart's paints are counted,
// and the case fails if a step left one of them unpainted.
#include "BenchProgram.h"

#include "chart/panel/TChart.h"
#include "neuron/screens/TForm3.h"
#include "ui/TTrackBar.h"

#include <QApplication>
#include <QTest>
#include <benchmark/benchmark.h>
#include <iterator>

namespace {

// Counts the paint events of the widgets it is installed on.
class PaintCounter : public QObject {
public:
    long paints = 0;

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

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
    PaintCounter counters[std::size(charts)];
    for (std::size_t i = 0; i < std::size(charts); ++i)
        charts[i]->installEventFilter(&counters[i]);

    bool down = true;
    long steps = 0;
    for (auto _ : state) {
        // Down and Up in turn: one line step each, staying inside the slider's range.
        NetworkStep(input, window, down ? Qt::Key_Down : Qt::Key_Up);
        down = !down;
        ++steps;
    }
    for (std::size_t i = 0; i < std::size(charts); ++i) {
        charts[i]->removeEventFilter(&counters[i]);
        if (counters[i].paints < steps)
            state.SkipWithError("a step left a chart unpainted");
    }
    window.hide();
}

}  // namespace

BENCHMARK(NetworkChain)->Unit(benchmark::kMicrosecond);
