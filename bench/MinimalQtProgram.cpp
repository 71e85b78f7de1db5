// The yardstick for the program's start-up: a Qt Widgets program with four windows of the program's sizes, one of
// them shown, under the same exit-after-first-paint rule (RNA_BENCH_EXIT_AFTER_FIRST_PAINT=1).
//
// With --controls it also creates the Qt controls the program's windows hold, of the same classes, counts, sizes
// and fonts (buttons with the main menu's captions, editable combo boxes with three items, sliders with tick marks,
// read-only text boxes with a few lines, edit boxes, and a plain widget where each chart is), without any of the
// program's own code: what Qt itself costs to create those windows, the floor under the program's start-up.
#include "app/FirstPaintExit.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QWidget>
#include <array>
#include <cstring>

namespace {

struct Window {
    int width, height;
    int sliders, comboBoxes, charts, edits;
};

// The client sizes of the main menu and the three demonstration windows, and what each holds besides one text box
// and one close button (the demonstration windows) or four buttons (the main menu).
constexpr std::array<Window, 4> kWindows = {{
    {211, 155, 0, 0, 0, 0},
    {658, 401, 3, 1, 1, 0},
    {640, 491, 5, 1, 1, 0},
    {785, 496, 8, 3, 3, 2},
}};

void AddControls(QWidget& window, int index)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    window.setFont(font);
    const Window& kind = kWindows[index];
    if (index == 0) {
        const char* captions[] = {"Neuronul cu o intrare", "Neuronul cu doua intrari", "Retea neuronala"};
        for (int i = 0; i < 3; ++i)
            (new QPushButton(QString::fromLatin1(captions[i]), &window))->setGeometry(16, 8 + 32 * i, 177, 25);
        (new QPushButton(QStringLiteral("Iesire"), &window))->setGeometry(72, 120, 75, 25);
        return;
    }
    for (int i = 0; i < kind.sliders; ++i) {
        auto* slider = new QSlider(i == 0 && index == 3 ? Qt::Vertical : Qt::Horizontal, &window);
        slider->setRange(-10, 10);
        slider->setTickPosition(QSlider::TicksBelow);
        slider->setTickInterval(2);
        slider->setGeometry(100, 20 + 40 * i, 89, 18);
    }
    for (int i = 0; i < kind.comboBoxes; ++i) {
        auto* list = new QComboBox(&window);
        list->setEditable(true);
        list->addItems(
            {QStringLiteral("Identitate"), QStringLiteral("Tangent hiperbolic"), QStringLiteral("Sigmoid logistic")});
        list->setCurrentIndex(-1);
        list->setGeometry(326, 148 + 60 * i, 113, 21);
    }
    for (int i = 0; i < kind.charts; ++i)
        (new QWidget(&window))->setGeometry(472, 8 + 150 * i, 305, 145);
    for (int i = 0; i < kind.edits; ++i) {
        auto* edit = new QLineEdit(QStringLiteral("0"), &window);
        edit->setFrame(false);
        edit->setGeometry(340, 171 + 200 * i, 33, 15);
    }
    auto* text = new QPlainTextEdit(&window);
    text->setReadOnly(true);
    text->setPlainText(QStringLiteral("Modificati marimea de intrare,\nvalorile ponderilor si pragului.\n"
                                      "Alegeti functia de transfer\ndin lista si urmariti iesirea\n"
                                      "neuronului pe grafic."));
    text->setGeometry(16, 8, 169, 177);
    (new QPushButton(QStringLiteral("Inchide"), &window))->setGeometry(544, 360, 81, 25);
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const bool controls = argc > 1 && std::strcmp(argv[1], "--controls") == 0;
    std::array<QWidget, 4> windows;
    for (std::size_t i = 0; i < windows.size(); ++i) {
        windows[i].resize(kWindows[i].width, kWindows[i].height);
        if (controls)
            AddControls(windows[i], int(i));
    }
    rna::app::ExitAfterFirstPaintIfAsked(windows[0]);
    windows[0].show();
    return application.exec();
}
