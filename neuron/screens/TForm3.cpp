#include "neuron/screens/TForm3.h"

#include "ui/HandlerTable.h"
#include "ui/TEdit.h"
#include "ui/TLabel.h"
#include "ui/TTrackBar.h"

namespace rna::neuron {

TForm3* Form3 = nullptr;

namespace {

// The hidden neurons' curves are sampled at -10 ... 10, the output neuron's at -25 ... 25. Their outputs show in
// the edit boxes (TForm3 writes them) and are reported in the general format.
PanelDescription HiddenPanel(const char* neuron, PanelRow weight, PanelRow threshold, const char* list,
                             const char* chart, const char* series, const char* net, const char* output)
{
    return {neuron,      {{"p", nullptr, "Label22"}, weight, threshold}, list, chart, series, nullptr, 10, {net, {}},
            {output, {}}};
}

}  // namespace

TForm3::TForm3()
    : hidden1_(HiddenPanel("neuron1", {"w1", "TrackBar2", "Label23"},
                           {"b1", "TrackBar4", "Label25", SliderScale::Units}, "ComboBox1", "Chart1", "Series1", "n1",
                           "a1"),
               network_, network_.Hidden(0)),
      hidden2_(HiddenPanel("neuron2", {"w2", "TrackBar3", "Label24"},
                           {"b2", "TrackBar5", "Label26", SliderScale::Units}, "ComboBox2", "Chart2", "Series2", "n2",
                           "a2"),
               network_, network_.Hidden(1)),
      output_({"neuron3",
               {{"v1", "TrackBar6", "Label27"},
                {"v2", "TrackBar7", "Label28"},
                {"b3", "TrackBar8", "Label29", SliderScale::Units}},
               "ComboBox3",
               "Chart3",
               "Series3",
               "Series4",
               25,
               {"n3", {6, 4}, "Label31"},
               {"iesire", {6, 4}, "Label30"}},
              network_, network_.OutputNeuron())
{}

TForm3::~TForm3() = default;

void TForm3::declareHandlers(rna::ui::HandlerTable& table)
{
    table.add(QStringLiteral("FormShow"), [this](QObject*) {
        hidden1_.showFirstFunction();
        hidden2_.showFirstFunction();
        output_.showFirstFunction();
    });
    // p feeds both hidden neurons, the first one first.
    table.add(QStringLiteral("TrackBar1Change"), [this](QObject*) {
        input_.writeValue();
        RecomputeHidden1();
        RecomputeHidden2();
    });
    hidden1_.declareHandlers(table, [this] { RecomputeHidden1(); });
    hidden2_.declareHandlers(table, [this] { RecomputeHidden2(); });
    output_.declareHandlers(table, [this] { RecomputeOutput(); });
    table.add(QStringLiteral("Edit1Change"), [this](QObject*) { RecomputeOutput(); });
    table.add(QStringLiteral("Edit2Change"), [this](QObject*) { RecomputeOutput(); });
    table.add(QStringLiteral("BitBtn1Click"), [this](QObject*) { closeForm(); });
}

void TForm3::afterLoad()
{
    input_ = ScreenSlider(control<rna::ui::TTrackBar>(QStringLiteral("TrackBar1")),
                          control<rna::ui::TLabel>(QStringLiteral("Label22")), SliderScale::Tenths);
    hidden1_.bind(*this);
    hidden2_.bind(*this);
    output_.bind(*this);
    auto& edit1 = control<rna::ui::TEdit>(QStringLiteral("Edit1"));
    auto& edit2 = control<rna::ui::TEdit>(QStringLiteral("Edit2"));
    hidden1_.setOutputShown(
        [this, &edit1](double a1) { WriteHiddenOutput(edit1, a1, network_.OutputNeuron().Input(0)); });
    hidden2_.setOutputShown(
        [this, &edit2](double a2) { WriteHiddenOutput(edit2, a2, network_.OutputNeuron().Input(1)); });
    output_.setOutputShown([this](double) {
        if (shownChange_)
            shownChange_();
    });
}

void TForm3::RecomputeHidden1()
{
    hidden1_.recompute();
}

void TForm3::RecomputeHidden2()
{
    hidden2_.recompute();
}

void TForm3::RecomputeOutput()
{
    output_.readRows();
    // The stored hidden outputs at full precision, never the texts of the edit boxes.
    network_.FeedOutputNeuron();
    output_.computeNet();
    output_.refill();
}

void TForm3::WriteHiddenOutput(rna::ui::TEdit& edit, double output, double usedByOutputNeuron)
{
    const QString text = GeneralText(output);
    if (edit.text() != text) {
        edit.setText(text);  // runs Edit1Change or Edit2Change, and with it RecomputeOutput, before returning
        return;
    }
    // The box already shows this text (the user typed it, or the output moved by less than its 15 digits
    // show), so no change event comes; the output neuron must not keep a result made with another value.
    if (output != usedByOutputNeuron)
        RecomputeOutput();
    else if (shownChange_)
        shownChange_();  // the hidden neuron's net input may have moved all the same
}

ScreenValues TForm3::values() const
{
    return {hidden1_.values(), hidden2_.values(), output_.values()};
}

}  // namespace rna::neuron
