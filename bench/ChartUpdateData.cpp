#include "ChartUpdateData.h"

#include <cmath>

#include "neuron/model/NumericModel.h"
#include "neuron/model/TransferCurve.h"

#include <QDir>
#include <QString>
#include <benchmark/benchmark.h>

namespace rna::bench {

namespace {
constexpr int HalfRange = 10;
constexpr int SweepSteps = 200;  // tenths from -10 to 10
}  // namespace

QImage NewTargetImage(double ratio)
{
    QImage image(int(std::lround(ChartWidth * ratio)), int(std::lround(ChartHeight * ratio)), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    return image;
}

double SweptNetInput(std::int64_t update)
{
    return static_cast<double>(update % (SweepSteps + 1) - SweepSteps / 2) / 10.0;
}

void ComputeTransferPoints(double netInput, TransferPoints& points)
{
    if (points.curveX.isEmpty()) {
        rna::neuron::TransferCurve curve;
        for (const double y : curve.Values(rna::neuron::TransferKind::HyperbolicTangent, HalfRange))
            points.curveY.append(y);
        for (int i = -HalfRange; i <= HalfRange; ++i)
            points.curveX.append(i);
    }
    points.markerX.fill(netInput, points.curveX.size());
}

void SaveImageIfAsked(const QImage& image, const char* name)
{
    const QString folder = qEnvironmentVariable("RNA_BENCH_IMAGES");
    if (!folder.isEmpty() && QDir().mkpath(folder))
        image.save(QDir(folder).filePath(QString::fromLatin1(name) + QStringLiteral(".png")));
}

void CheckSamePicture(benchmark::State& state, const QImage& kept, const QImage& drawnAnew)
{
    if (kept.size() != drawnAnew.size()) {
        state.SkipWithError("the kept picture and the one drawn anew differ in size");
        return;
    }
    long differing = 0;
    for (int y = 0; y < kept.height(); ++y)
        for (int x = 0; x < kept.width(); ++x)
            differing += kept.pixel(x, y) != drawnAnew.pixel(x, y) ? 1 : 0;
    if (differing > 0)
        state.SkipWithError(
            ("the kept picture differs from the one drawn anew in " + std::to_string(differing) + " pixels").c_str());
}

}  // namespace rna::bench
