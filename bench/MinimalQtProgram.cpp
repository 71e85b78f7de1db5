// The yardstick for the program's start-up: a Qt Widgets program with four windows of the program's sizes, one of
// them shown, under the same exit-after-first-paint rule (RNA_BENCH_EXIT_AFTER_FIRST_PAINT=1).
#include "app/FirstPaintExit.h"

#include <QApplication>
#include <QWidget>
#include <array>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    // The client sizes of the main menu and the three demonstration windows.
    std::array<QWidget, 4> windows;
    windows[0].resize(211, 155);
    windows[1].resize(658, 401);
    windows[2].resize(640, 491);
    windows[3].resize(785, 496);
    rna::app::ExitAfterFirstPaintIfAsked(windows[0]);
    windows[0].show();
    return application.exec();
}
