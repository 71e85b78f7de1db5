// The ring that shows which control has the keyboard focus while its window is active: two pixels wide, in a dark
// colour, just outside the control. The window paints it on its surface beneath its labels and pictures, so that a
// label beside the control stays readable and a control repainting its inside repaints nothing else.
#pragma once

#include <QColor>
#include <QRect>
#include <array>

namespace rna::ui {

struct FocusRing {
    static constexpr int kWidth = 2;
    // Navy: more than 10:1 against the light window and control colours it lies on.
    static constexpr QRgb kColor = 0xff000080;

    // The four strips round a control's rectangle: above, below, left, right.
    static std::array<QRect, 4> strips(const QRect& control)
    {
        const QRect outer = control.adjusted(-kWidth, -kWidth, kWidth, kWidth);
        return {QRect(outer.left(), outer.top(), outer.width(), kWidth),
                QRect(outer.left(), control.bottom() + 1, outer.width(), kWidth),
                QRect(outer.left(), control.top(), kWidth, control.height()),
                QRect(control.right() + 1, control.top(), kWidth, control.height())};
    }
};

}  // namespace rna::ui
