// snapshot WINDOW OUT.png
// Starts the program headlessly exactly as RNA does, shows WINDOW (Form0 ... Form3) and writes a PNG of its
// client area. Exit codes: 0 written, 1 start-up or writing failed, 2 wrong arguments or unknown window.
#include "app/Program.h"
#include "tools/snapshot/WindowSnapshot.h"

#include <QByteArray>
#include <cstdio>
#include <exception>

namespace {

int snapshot(const char* programPath, const QString& windowName, const QString& outPath)
{
    const rna::app::Program program(programPath);
    const std::optional<QImage> image = rna::tools::SnapshotOfWindow(program, windowName);
    if (!image) {
        std::fprintf(stderr, "snapshot: unknown window '%s'\n", qPrintable(windowName));
        return 2;
    }
    if (!image->save(outPath, "PNG")) {
        std::fprintf(stderr, "snapshot: cannot write '%s'\n", qPrintable(outPath));
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: snapshot WINDOW OUT.png   (WINDOW: Form0, Form1, Form2 or Form3)\n");
        return 2;
    }
    // Rendered off screen: no window appears, and no display is needed.
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    try {
        return snapshot(argv[0], QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "snapshot: %s\n", error.what());
        return 1;
    }
}
