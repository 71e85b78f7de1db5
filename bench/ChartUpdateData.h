// What every ChartUpdate case draws: the single-input screen's tanh chart as one drag of the input slider
// changes it, the same numbers for each chart library.
#pragma once

#include <QImage>
#include <QList>
#include <cstdint>

namespace rna::bench {

// The single-input screen's chart, and the image a paint copies it to: ChartWidth x ChartHeight of the window's
// own pixels, on a screen of `ratio` device pixels to each of them.
inline constexpr int ChartWidth = 433;
inline constexpr int ChartHeight = 177;
QImage NewTargetImage(double ratio = 1);

// The net input of the nth update: the marker sweeps -10, -9.9, ..., 10 in steps of 0.1 and starts again.
double SweptNetInput(std::int64_t update);

// The points of one update: the 21 tanh samples at -10 ... 10 and the marker's 21 points at the net input,
// computed as the screen's refill computes them (extended precision, rounded to double).
struct TransferPoints {
    QList<double> curveX, curveY, markerX;
};
void ComputeTransferPoints(double netInput, TransferPoints& points);

// With RNA_BENCH_IMAGES=DIR, writes the case's last drawn image to DIR/<name>.png, to check that every library
// drew the same chart.
void SaveImageIfAsked(const QImage& image, const char* name);

}  // namespace rna::bench
