// How many device pixels a painter puts to each of the window's own pixels.
#pragma once

#include <QPainter>
#include <cmath>

namespace rna::ui {

// The scale from the painter's coordinates to its device's pixels: the screen's device pixel ratio when it
// paints a window, also when the window is rendered into an image of another ratio (the painter's device is
// then still the window). 1 without a device.
inline qreal paintRatio(const QPainter& painter)
{
    if (!painter.isActive())
        return painter.device() != nullptr ? painter.device()->devicePixelRatio() : 1.0;
    const QTransform& transform = painter.deviceTransform();
    return std::hypot(transform.m11(), transform.m12());
}

}  // namespace rna::ui
