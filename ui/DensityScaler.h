// Fits a window made at 96 pixels per inch to a screen of another logical density (fonts, then positions and sizes).
#pragma once

#include <QObject>
#include <vector>

namespace rna::ui {

class TForm;

class DensityScaler {
public:
    static constexpr double kDesignDpi = 96.0;

    // The primary screen's logical density (96 without a screen).
    static double screenDpi();
    // At 96 nothing changes. Otherwise the fonts are scaled by dpi / 96; if the window font's text height
    // then differs from its height at 96, every position and size is scaled by the ratio of the two heights,
    // and so is the content of the controls that draw one of their own (ContentScale: pictures, charts).
    static void apply(TForm& form, const std::vector<QObject*>& controls, double dpi);
    // Round(value * numerator / denominator), halves away from zero.
    static int mulDiv(int value, int numerator, int denominator);
};

}  // namespace rna::ui
