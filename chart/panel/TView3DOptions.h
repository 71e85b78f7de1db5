// The 3D projection settings of a chart; consulted only when the chart is drawn in 3D.
#pragma once

#include <functional>

#include "chart/core/ChangeNotifier.h"

namespace rna::chart {

class TView3DOptions {
public:
    using TScrollListener = std::function<void(bool horizontal)>;
    using TZoomListener = std::function<void(int zoom)>;

    explicit TView3DOptions(TNotifyChange onChange = {}) : changes_(std::move(onChange)) {}
    TView3DOptions(const TView3DOptions&) = delete;
    TView3DOptions& operator=(const TView3DOptions&) = delete;

    int Elevation() const { return elevation_; }
    int HorizOffset() const { return horizOffset_; }
    bool Orthogonal() const { return orthogonal_; }
    int Perspective() const { return perspective_; }
    int Rotation() const { return rotation_; }
    int Tilt() const { return tilt_; }
    int VertOffset() const { return vertOffset_; }
    int Zoom() const { return zoom_; }
    bool ZoomText() const { return zoomText_; }

    void SetElevation(int value) { changes_.Store(elevation_, value); }
    void SetHorizOffset(int value);
    void SetOrthogonal(bool value) { changes_.Store(orthogonal_, value); }
    void SetPerspective(int value) { changes_.Store(perspective_, value); }
    void SetRotation(int value) { changes_.Store(rotation_, value); }
    void SetTilt(int value) { changes_.Store(tilt_, value); }
    void SetVertOffset(int value);
    void SetZoom(int value);
    void SetZoomText(bool value) { changes_.Store(zoomText_, value); }

    void Assign(const TView3DOptions& source);
    void SetScrollListener(TScrollListener listener) { onScroll_ = std::move(listener); }
    void SetZoomListener(TZoomListener listener) { onZoom_ = std::move(listener); }

private:
    int elevation_ = 345;
    int horizOffset_ = 0;
    bool orthogonal_ = true;
    int perspective_ = 15;
    int rotation_ = 345;
    int tilt_ = 0;
    int vertOffset_ = 0;
    int zoom_ = 100;
    bool zoomText_ = true;
    ChangeNotifier changes_;
    TScrollListener onScroll_;
    TZoomListener onZoom_;
};

}  // namespace rna::chart
