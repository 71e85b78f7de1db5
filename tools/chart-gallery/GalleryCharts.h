// The four demonstration charts of the gallery: each set up as its screen's description sets it,
// filled as its screen fills it, and drawn into an image.
#pragma once

#include <QImage>
#include <QString>

#include <vector>

struct GalleryChart {
    QString fileName;
    QImage image;
};

// Draws every chart twice (the label band settles after the first drawing) and answers the second drawing.
std::vector<GalleryChart> DrawGalleryCharts();
