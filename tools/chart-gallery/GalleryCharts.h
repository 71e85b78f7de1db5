// The four demonstration charts of the gallery: each loaded from its description entry (charts/*.json),
// filled as its screen fills it, and drawn into an image.
#pragma once

#include <QImage>
#include <QString>

#include <vector>

struct GalleryChart {
    QString fileName;
    QImage image;
};

// Draws every chart twice (the label band settles after the first drawing) and answers the second
// drawing. Throws the loader's error when a description is malformed.
std::vector<GalleryChart> DrawGalleryCharts();
