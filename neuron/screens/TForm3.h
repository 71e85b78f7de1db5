// The simple network window: the input p feeds two hidden neurons, whose outputs a1 and a2 feed the output
// neuron. Each neuron has its own function list and chart; the output neuron's chart carries the green line.
#pragma once

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

    // Hidden neuron 1: n1 = p·w1 + b1, then its chart and a1.
    void IntrareNeta1();
    // Hidden neuron 2: n2 = p·w2 + b2, then its chart and a2.
    void IntrareNeta2();
    // Output neuron: n3 = a1·v1 + a2·v2 + b3 with the stored a1 and a2, shown, then its chart and a.
    void IntrareNeta3();

    // Per neuron, as the screen shows them: "neuron1" p, w1, b1, n1, the function and a1; "neuron2" p, w2, b2,
    // n2, the function and a2; "neuron3" v1, v2, b3, n3, the function and the output ("iesire").
    ScreenValues values() const;

protected:
    void declareHandlers(rna::ui::HandlerTable& table) override;
    void afterLoad() override;

private:
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
    rna::ui::TTrackBar* TrackBar1 = nullptr;
    rna::ui::TTrackBar* TrackBar2 = nullptr;
    rna::ui::TTrackBar* TrackBar3 = nullptr;
    rna::ui::TTrackBar* TrackBar4 = nullptr;
    rna::ui::TTrackBar* TrackBar5 = nullptr;
    rna::ui::TTrackBar* TrackBar6 = nullptr;
    rna::ui::TTrackBar* TrackBar7 = nullptr;
    rna::ui::TTrackBar* TrackBar8 = nullptr;
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
