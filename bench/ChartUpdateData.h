// What every chart case draws: the single-input screen's tanh chart as one drag of the input slider changes it,
// the same numbers for each chart library, and how a case checks the picture it kept.
#pragma once

#include <QImage>
#include <QList>
#include <cstdint>

namespace benchmark {
class State;
}

namespace rna::bench {

// The single-input screen's chart, and the image a paint copies it to: ChartWidth x ChartHeight of the window's
// own pixels, on a screen of `ratio` device pixels to each of them.
inline constexpr int ChartWidth = 433;
inline constexpr int ChartHeight = 177;
QImage NewTargetImage(double ratio = 1);

// The net input of the nth update: the marker sweeps -10, -9.9, ..., 10 in steps of 0.1 and starts again.
double SweptNetInput(std::int64_t update);

// The points of one update: the 21 tanh samples at -10 ... 10 and the marker's 21 points at the net input. The
// samples are the screen's (extended precision, rounded to double), computed once as the screen's refill keeps
// them; only the marker's x changes from one update to the next.
struct TransferPoints {
    QList<double> curveX, curveY, markerX;
};
void ComputeTransferPoints(double netInput, TransferPoints& points);

// With RNA_BENCH_IMAGES=DIR, writes the case's last drawn image to DIR/<name>.png, to check that every library
// drew the same chart.
void SaveImageIfAsked(const QImage& image, const char* name);

// Fails the case (it is then reported as skipped, with the reason) when the picture a case kept from one update to
// the next is not the one drawing everything anew gives.
void CheckSamePicture(benchmark::State& state, const QImage& kept, const QImage& drawnAnew);

}  // namespace rna::bench
