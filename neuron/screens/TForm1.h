// The single-input neuron window: sliders for p, w and b, the net input n = p·w + b, and the chosen transfer
// function's chart with the green line at n.
#pragma once

#include "neuron/screens/ScreenSlider.h"
#include "neuron/screens/ScreenValues.h"
#include "ui/TForm.h"

#include <memory>

namespace rna::chart {
class TChart;
}
namespace rna::ui {
class TComboBox;
class TLabel;
class TTrackBar;
}  // namespace rna::ui

namespace rna::neuron {

class ScreenChartBinding;

class TForm1 : public rna::ui::TForm {
    Q_OBJECT
public:
    TForm1();
    ~TForm1() override;

    // Window OnShow: the list shows "Identitate" again; nothing is recomputed.
    void FormShow(QObject* sender);
    // The sliders (and a click on the "0" under the threshold slider) write their value label and recompute.
    void TrackBar1Change(QObject* sender);
    void TrackBar2Change(QObject* sender);
    void TrackBar3Change(QObject* sender);
    // Refills the chart for the selected function and shows the output.
    void ComboBox1Change(QObject* sender);
    // "Inchide": closes the window, which hides it and keeps its state.
    void BitBtn1Click(QObject* sender);

    // Reads p, w and b back from their labels, computes and shows n, then refills the chart.
    void IntrareNeta();

    // p, w, b, n, the function and the output ("iesire"), as the screen shows them.
    ScreenValues values() const;

protected:
    void declareHandlers(rna::ui::HandlerTable& table) override;
    void afterLoad() override;

private:
    rna::ui::TLabel* Label16 = nullptr;  // p
    rna::ui::TLabel* Label17 = nullptr;  // w
    rna::ui::TLabel* Label18 = nullptr;  // b
    rna::ui::TLabel* Label19 = nullptr;  // n
    rna::ui::TLabel* Label24 = nullptr;  // output
    rna::ui::TComboBox* ComboBox1 = nullptr;
    ScreenSlider pSlider_;  // TrackBar1 and Label16
    ScreenSlider wSlider_;  // TrackBar2 and Label17
    ScreenSlider bSlider_;  // TrackBar3 and Label18
    std::unique_ptr<ScreenChartBinding> chart1_;

    // The screen's numbers, kept for the program's life.
    double p_ = 0;
    double w_ = 0;
    double b_ = 0;
    double n_ = 0;
    double lastOutput_ = 0;
};

// The program-wide instance, set by start-up while the window exists.
extern TForm1* Form1;

}  // namespace rna::neuron
