#include "ChartUpdateData.h"

#include <cmath>

#include "neuron/model/NumericModel.h"

#include <QDir>
#include <QString>

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
    points.curveX.clear();
    points.curveY.clear();
    points.markerX.clear();
    for (int i = -HalfRange; i <= HalfRange; ++i) {
        points.curveX.append(i);
        points.curveY.append(static_cast<double>(
            rna::neuron::TransferValue(rna::neuron::TransferKind::HyperbolicTangent, static_cast<long double>(i))));
        points.markerX.append(netInput);
    }
}

void SaveImageIfAsked(const QImage& image, const char* name)
{
    const QString folder = qEnvironmentVariable("RNA_BENCH_IMAGES");
    if (!folder.isEmpty() && QDir().mkpath(folder))
        image.save(QDir(folder).filePath(QString::fromLatin1(name) + QStringLiteral(".png")));
}

}  // namespace rna::bench
