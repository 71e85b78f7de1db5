// Adds up wheel turns and answers whole notches, so a smooth wheel or a touchpad scrolls once per notch.
#pragma once

namespace rna::chart {

class WheelNotches {
public:
    // One notch of an ordinary wheel, in the angle units of wheel events (eighths of a degree).
    static constexpr int Notch = 120;

    // Adds a turn (positive towards the user) and answers the whole notches now complete. A turn the other
    // way first drops what was left over of the previous direction, so that it is not used up against it.
    int Add(int delta)
    {
        if ((delta > 0 && rest_ < 0) || (delta < 0 && rest_ > 0))
            rest_ = 0;
        rest_ += delta;
        const int notches = rest_ / Notch;
        rest_ -= notches * Notch;
        return notches;
    }
    void Reset() { rest_ = 0; }

private:
    int rest_ = 0;
};

}  // namespace rna::chart
