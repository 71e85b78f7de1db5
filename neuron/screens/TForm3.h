// The simple network window: the input p feeds two hidden neurons, whose outputs a1 and a2 feed the output
// neuron. Each neuron has its own function list and chart; the output neuron's chart carries the green line.
//
// The chain of recomputations from the input to the output. Each event runs these steps, in this order:
//
// | event                                      | steps                                              |
// |--------------------------------------------|----------------------------------------------------|
// | p (TrackBar1)                              | RecomputeHidden1, then RecomputeHidden2            |
// | w1 or b1 (TrackBar2, TrackBar4)            | RecomputeHidden1                                   |
// | w2 or b2 (TrackBar3, TrackBar5)            | RecomputeHidden2                                   |
// | v1, v2 or b3 (TrackBar6, 7, 8)             | RecomputeOutput                                    |
// | function of neuron 1 or 2 (ComboBox1, 2)   | RefillHidden1 or RefillHidden2                     |
// | function of the output neuron (ComboBox3)  | RefillOutput                                       |
// | text of a1 or a2 changed (Edit1, Edit2)    | RecomputeOutput                                    |
//
// RecomputeHiddenK (IntrareNetaK): nK = p·wK + bK from the labels, then RefillHiddenK.
// RefillHiddenK (ComboBoxKChange): chart K and aK for the neuron's function; writing a changed aK into its edit
//   box runs the box's change event, and with it RecomputeOutput, before the step ends.
// RecomputeOutput (IntrareNeta3): n3 = a1·v1 + a2·v2 + b3 from the stored a1 and a2, shown, then RefillOutput.
// RefillOutput (ComboBox3Change): chart 3 and the output a for the output neuron's function, shown.
#pragma once

#include "neuron/screens/ScreenSlider.h"
#include "neuron/screens/ScreenValues.h"
#include "ui/TForm.h"

#include <memory>

namespace rna::ui {
class TComboBox;
class TEdit;
class TLabel;
class TTrackBar;
}  // namespace rna::ui

namespace rna::neuron {

class ScreenChartBinding;

class TForm3 : public rna::ui::TForm {
    Q_OBJECT
public:
    TForm3();
    ~TForm3() override;

    // Window OnShow: the three lists show "Identitate" again; nothing is recomputed.
    void FormShow(QObject* sender);
    // The sliders write their value label, then recompute the neurons that use it.
    void TrackBar1Change(QObject* sender);
    void TrackBar2Change(QObject* sender);
    void TrackBar3Change(QObject* sender);
    void TrackBar4Change(QObject* sender);
    void TrackBar5Change(QObject* sender);
    void TrackBar6Change(QObject* sender);
    void TrackBar7Change(QObject* sender);
    void TrackBar8Change(QObject* sender);
    // Refill a neuron's chart and write its output: a1 into Edit1, a2 into Edit2, a into Label30.
    void ComboBox1Change(QObject* sender);
    void ComboBox2Change(QObject* sender);
    void ComboBox3Change(QObject* sender);
    // A changed hidden output text (written or typed) recomputes the output neuron from the stored outputs.
    void Edit1Change(QObject* sender);
    void Edit2Change(QObject* sender);
    // "Inchide": closes the window, which hides it and keeps its state.
    void BitBtn1Click(QObject* sender);

    // Hidden neuron 1: n1 = p·w1 + b1, then its chart and a1 (RecomputeHidden1).
    void IntrareNeta1();
    // Hidden neuron 2: n2 = p·w2 + b2, then its chart and a2 (RecomputeHidden2).
    void IntrareNeta2();
    // Output neuron: n3 = a1·v1 + a2·v2 + b3 with the stored a1 and a2, shown, then its chart and a
    // (RecomputeOutput).
    void IntrareNeta3();

    // Per neuron, as the screen shows them: "neuron1" p, w1, b1, n1, the function and a1; "neuron2" p, w2, b2,
    // n2, the function and a2; "neuron3" v1, v2, b3, n3, the function and the output ("iesire").
    ScreenValues values() const;

protected:
    void declareHandlers(rna::ui::HandlerTable& table) override;
    void afterLoad() override;

private:
    // The steps of the chain (see the table above).
    void RecomputeHidden1();
    void RecomputeHidden2();
    void RecomputeOutput();
    void RefillHidden1();
    void RefillHidden2();
    void RefillOutput();
    // The values of one neuron (0, 1: hidden; 2: output).
    NeuronValues neuronValues(int neuron) const;

    // Writes a hidden output; its edit box's change event recomputes the output neuron. When the box already
    // shows that text (the user typed it) no event comes, and the output neuron is recomputed here instead
    // if it last used another value of this output.
    void WriteHiddenOutput(rna::ui::TEdit& edit, double output, double usedByOutputNeuron);

    rna::ui::TLabel* Label22 = nullptr;  // p
    rna::ui::TLabel* Label23 = nullptr;  // w1
    rna::ui::TLabel* Label24 = nullptr;  // w2
    rna::ui::TLabel* Label25 = nullptr;  // b1
    rna::ui::TLabel* Label26 = nullptr;  // b2
    rna::ui::TLabel* Label27 = nullptr;  // v1
    rna::ui::TLabel* Label28 = nullptr;  // v2
    rna::ui::TLabel* Label29 = nullptr;  // b3
    rna::ui::TLabel* Label30 = nullptr;  // a
    rna::ui::TLabel* Label31 = nullptr;  // n3
    rna::ui::TEdit* Edit1 = nullptr;  // a1
    rna::ui::TEdit* Edit2 = nullptr;  // a2
    ScreenSlider pSlider_;  // TrackBar1 and Label22
    ScreenSlider w1Slider_;  // TrackBar2 and Label23
    ScreenSlider w2Slider_;  // TrackBar3 and Label24
    ScreenSlider b1Slider_;  // TrackBar4 and Label25
    ScreenSlider b2Slider_;  // TrackBar5 and Label26
    ScreenSlider v1Slider_;  // TrackBar6 and Label27
    ScreenSlider v2Slider_;  // TrackBar7 and Label28
    ScreenSlider b3Slider_;  // TrackBar8 and Label29
    rna::ui::TComboBox* ComboBox1 = nullptr;
    rna::ui::TComboBox* ComboBox2 = nullptr;
    rna::ui::TComboBox* ComboBox3 = nullptr;
    std::unique_ptr<ScreenChartBinding> chart1_;
    std::unique_ptr<ScreenChartBinding> chart2_;
    std::unique_ptr<ScreenChartBinding> chart3_;

    // The screen's numbers, kept for the program's life.
    double p_ = 0;
    double w1_ = 0;
    double w2_ = 0;
    double b1_ = 0;
    double b2_ = 0;
    double v1_ = 0;
    double v2_ = 0;
    double b3_ = 0;
    double n1_ = 0;
    double n2_ = 0;
    double n3_ = 0;
    double a1_ = 0;
    double a2_ = 0;
    double a_ = 0;
    // The hidden outputs the output neuron's last computation used.
    double a1UsedByOutput_ = 0;
    double a2UsedByOutput_ = 0;
};

// The program-wide instance, set by start-up while the window exists.
extern TForm3* Form3;

}  // namespace rna::neuron
