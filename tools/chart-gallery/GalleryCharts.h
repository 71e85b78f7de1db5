// The demonstration screens' charts for the gallery: each loaded from its entry in its window's description,
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
// drawing. Throws the loader's error when a description is malformed or lacks the chart.
std::vector<GalleryChart> DrawGalleryCharts();
