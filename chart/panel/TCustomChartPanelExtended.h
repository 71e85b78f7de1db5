// The chart panel with a background gradient, a background picture and the zoom and panning switches.
#pragma once

#include <QImage>

#include "chart/canvas/TChartGradient.h"
#include "chart/panel/TCustomChartPanel.h"

namespace rna::chart {

enum class TChartBackImageMode { pbmStretch, pbmTile, pbmCenter };
enum class TPanningMode { pmNone, pmHorizontal, pmVertical, pmBoth };

class TCustomChartPanelExtended : public TCustomChartPanel {
    Q_OBJECT
public:
    explicit TCustomChartPanelExtended(QWidget* parent = nullptr);

    TChartGradient& Gradient() { return gradient_; }
    const QImage& BackImage() const { return backImage_; }
    void SetBackImage(const QImage& image);
    TChartBackImageMode BackImageMode() const { return backImageMode_; }
    void SetBackImageMode(TChartBackImageMode value) { Changes().Store(backImageMode_, value); }
    bool BackImageInside() const { return backImageInside_; }
    void SetBackImageInside(bool value) { Changes().Store(backImageInside_, value); }
    bool AllowZoom() const { return allowZoom_; }
    void SetAllowZoom(bool value) { allowZoom_ = value; }
    TPanningMode AllowPanning() const { return allowPanning_; }
    void SetAllowPanning(TPanningMode value) { allowPanning_ = value; }
    bool AnimatedZoom() const { return animatedZoom_; }
    void SetAnimatedZoom(bool value) { animatedZoom_ = value; }
    int AnimatedZoomSteps() const { return animatedZoomSteps_; }
    void SetAnimatedZoomSteps(int value) { animatedZoomSteps_ = value; }

protected:
    // Draws the background picture into rect in the chosen mode.
    virtual void DrawBackImage(const Rect& rect);
    virtual void FillPanelBackground(const Rect& rect);
    virtual void DrawPanelBackground(const Rect& rect);
    void DrawPicture(const Rect& rect);

private:
    TChartGradient gradient_{ChangeHandler()};
    QImage backImage_;
    TChartBackImageMode backImageMode_ = TChartBackImageMode::pbmStretch;
    bool backImageInside_ = false;
    bool allowZoom_ = true;
    TPanningMode allowPanning_ = TPanningMode::pmBoth;
    bool animatedZoom_ = false;
    int animatedZoomSteps_ = 8;
};

}  // namespace rna::chart
