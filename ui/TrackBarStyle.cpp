#include "ui/TrackBarStyle.h"

#include <QStyleFactory>

namespace rna::ui {

TrackBarStyle::TrackBarStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
{}

int TrackBarStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    // The thumb keeps a fixed size across the channel, whatever the slider's own thickness.
    if (metric == PM_SliderThickness || metric == PM_SliderControlThickness)
        return thumbLength_;
    return QProxyStyle::pixelMetric(metric, option, widget);
}

}  // namespace rna::ui
