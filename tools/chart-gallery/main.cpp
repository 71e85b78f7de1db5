// chart-gallery OUTDIR: draws the demonstration screens' charts headlessly and writes them as PNG files.
#include "GalleryCharts.h"
#include "ui/EmbeddedFonts.h"

#include <QApplication>
#include <QDir>

#include <cstdio>
#include <exception>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: chart-gallery OUTDIR\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    QApplication app(qtArgc, qtArgv);
    // The charts' faces as the program has them, whatever fonts the machine has.
    rna::ui::registerEmbeddedFonts();

    const QDir outDir(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(outDir.path())) {
        std::fprintf(stderr, "chart-gallery: cannot create %s\n", argv[1]);
        return 1;
    }
    std::vector<GalleryChart> charts;
    try {
        charts = DrawGalleryCharts();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "chart-gallery: %s\n", error.what());
        return 1;
    }
    for (const GalleryChart& chart : charts) {
        const QString path = outDir.filePath(chart.fileName);
        if (!chart.image.save(path, "PNG")) {
            std::fprintf(stderr, "chart-gallery: cannot write %s\n", qPrintable(path));
            return 1;
        }
        std::printf("%s\n", qPrintable(path));
    }
    return 0;
}
