// The drawing interface with depth: the operations that take a z position (pass-through in 2D).
#pragma once

#include "chart/canvas/TChartCanvas.h"

namespace rna::chart {

class TCanvas3D : public TChartCanvas {
public:
    virtual void MoveTo3D(int x, int y, int z) = 0;
    virtual void LineTo3D(int x, int y, int z) = 0;
    virtual void HorizLine3D(int x0, int x1, int y, int z) = 0;
    virtual void VertLine3D(int x, int y0, int y1, int z) = 0;
    virtual void LineWithZ(int x0, int y0, int x1, int y1, int z) = 0;
    virtual void RectangleWithZ(const Rect& rect, int z) = 0;
    virtual void EllipseWithZ(int x0, int y0, int x1, int y1, int z) = 0;
    virtual void PolygonWithZ(const std::vector<QPoint>& points, int z) = 0;
    virtual void TextOut3D(int x, int y, int z, const QString& text) = 0;
    virtual void RotatedTextWithZ(int x, int y, int z, int angle, const QString& text) = 0;
    // A pixel at depth: PutPixel for a one-pixel pen, else a zero-length line with the pen.
    virtual void Pixel3D(int x, int y, int z, TColor color) = 0;
    virtual QPoint Calculate3DPosition(int x, int y, int z) const = 0;
    virtual QPoint Calculate2DPosition(int x, int y, int z) const = 0;
    virtual bool SupportsFullRotation() const = 0;
    virtual bool SupportsID() const = 0;

    // Takes over another canvas' settings (its Monochrome flag).
    void AssignSettings(const TCanvas3D& source) { SetMonochrome(source.Monochrome()); }
};

}  // namespace rna::chart
