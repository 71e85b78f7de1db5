#include "chart/panel/TView3DOptions.h"

namespace rna::chart {

void TView3DOptions::SetHorizOffset(int value)
{
    if (Store(horizOffset_, value) && onScroll_)
        onScroll_(true);
}

void TView3DOptions::SetVertOffset(int value)
{
    if (Store(vertOffset_, value) && onScroll_)
        onScroll_(false);
}

void TView3DOptions::SetZoom(int value)
{
    if (zoom_ == value)
        return;
    if (onZoom_)
        onZoom_(value);
    Store(zoom_, value);
}

void TView3DOptions::Assign(const TView3DOptions& source)
{
    SetElevation(source.elevation_);
    SetHorizOffset(source.horizOffset_);
    SetOrthogonal(source.orthogonal_);
    SetPerspective(source.perspective_);
    SetRotation(source.rotation_);
    SetTilt(source.tilt_);
    SetVertOffset(source.vertOffset_);
    SetZoom(source.zoom_);
    SetZoomText(source.zoomText_);
}

}  // namespace rna::chart
