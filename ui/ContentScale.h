// A control whose content is drawn in the pixels of its description, scaled with the window to another density.
#pragma once

#include <QtGlobal>

namespace rna::ui {

// The density rule scales every position and size of a window by one ratio. A control that draws a content of
// its own at fixed pixel sizes (a picture, a chart) is told that ratio, and draws its content as if its control
// had its described size, at that many times the pixels; at 1 (96 pixels per inch) nothing changes.
class ContentScale {
public:
    virtual ~ContentScale() = default;
    virtual void setContentScale(qreal scale) = 0;
};

}  // namespace rna::ui
