// One mouse button press, move or release as the chart's mouse handling sees it, in client pixels.
#pragma once

#include <Qt>

namespace rna::chart {

struct ChartMouseInput {
    Qt::MouseButton Button = Qt::NoButton;  // the button pressed or released; none for a move
    Qt::MouseButtons Held;  // the buttons down after the event
    Qt::KeyboardModifiers Keys;
    int X = 0;
    int Y = 0;
    bool DoubleClick = false;
};

}  // namespace rna::chart
