#include "chart/panel/TView3DOptions.h"

namespace rna::chart {

void TView3DOptions::SetHorizOffset(int value)
{
    if (changes_.Store(horizOffset_, value) && onScroll_)
        onScroll_(true);
}

void TView3DOptions::SetVertOffset(int value)
{
    if (changes_.Store(vertOffset_, value) && onScroll_)
        onScroll_(false);
}

// The zoom listener hears the new zoom before it is stored.
void TView3DOptions::SetZoom(int value)
{
    changes_.Store(zoom_, value, [&] {
        if (onZoom_)
            onZoom_(value);
    });
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
