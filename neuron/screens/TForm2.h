// The two-input neuron window: sliders for p1, p2, w1, w2 and b, the net input n = p1·w1 + p2·w2 + b, and the
// chosen transfer function's chart with the green line at n.
#pragma once

#include "neuron/screens/ScreenSlider.h"
#include "neuron/screens/ScreenValues.h"
#include "ui/TForm.h"

#include <memory>

namespace rna::ui {
class TComboBox;
class TLabel;
class TTrackBar;
}  // namespace rna::ui

namespace rna::neuron {

class ScreenChartBinding;

class TForm2 : public rna::ui::TForm {
    Q_OBJECT
public:
    TForm2();
    ~TForm2() override;

    // Window OnShow: the list shows "Identitate" again; nothing is recomputed.
    void FormShow(QObject* sender);
    // The sliders write their value label and recompute.
    void TrackBar1Change(QObject* sender);
    void TrackBar2Change(QObject* sender);
    void TrackBar3Change(QObject* sender);
    void TrackBar4Change(QObject* sender);
    void TrackBar5Change(QObject* sender);
    // Refills the chart for the selected function and shows the output.
    void ComboBox1Change(QObject* sender);
    // "Inchide": closes the window, which hides it and keeps its state.
    void BitBtn1Click(QObject* sender);

    // Reads p1, p2, w1, w2 and b back from their labels, computes and shows n, then refills the chart.
    void IntrareNeta();

    // p1, p2, w1, w2, b, n, the function and the output ("iesire"), as the screen shows them.
    ScreenValues values() const;

protected:
    void declareHandlers(rna::ui::HandlerTable& table) override;
    void afterLoad() override;

private:
    rna::ui::TLabel* Label16 = nullptr;  // p1
    rna::ui::TLabel* Label17 = nullptr;  // p2
    rna::ui::TLabel* Label18 = nullptr;  // w1
    rna::ui::TLabel* Label19 = nullptr;  // w2
    rna::ui::TLabel* Label24 = nullptr;  // n
    rna::ui::TLabel* Label26 = nullptr;  // b
    rna::ui::TLabel* Label28 = nullptr;  // output
    rna::ui::TComboBox* ComboBox1 = nullptr;
    ScreenSlider p1Slider_;  // TrackBar1 and Label16
    ScreenSlider p2Slider_;  // TrackBar2 and Label17
    ScreenSlider w1Slider_;  // TrackBar3 and Label18
    ScreenSlider w2Slider_;  // TrackBar4 and Label19
    ScreenSlider bSlider_;  // TrackBar5 and Label26
    std::unique_ptr<ScreenChartBinding> chart1_;

    // The screen's numbers, kept for the program's life.
    double p1_ = 0;
    double p2_ = 0;
    double w1_ = 0;
    double w2_ = 0;
    double b_ = 0;
    double n_ = 0;
    double lastOutput_ = 0;
};

// The program-wide instance, set by start-up while the window exists.
extern TForm2* Form2;

}  // namespace rna::neuron
