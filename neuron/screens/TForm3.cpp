#include "neuron/screens/TForm3.h"

#include "chart/panel/TChart.h"
#include "chart/series/TLineSeries.h"
#include "neuron/screens/ScreenChartBinding.h"
#include "neuron/screens/ScreenText.h"
#include "ui/TComboBox.h"
#include "ui/TEdit.h"
#include "ui/TLabel.h"
#include "ui/TTrackBar.h"

namespace rna::neuron {

using rna::chart::TChart;
using rna::chart::TLineSeries;

TForm3* Form3 = nullptr;

namespace {
constexpr int HiddenHalfRange = 10;  // the hidden neurons' curves are sampled at -10 ... 10
constexpr int OutputHalfRange = 25;  // the output neuron's at -25 ... 25
}  // namespace

TForm3::TForm3() = default;
TForm3::~TForm3() = default;

void TForm3::declareHandlers(rna::ui::HandlerTable& table)
{
    table.add(QStringLiteral("FormShow"), this, &TForm3::FormShow);
    table.add(QStringLiteral("TrackBar1Change"), this, &TForm3::TrackBar1Change);
    table.add(QStringLiteral("TrackBar2Change"), this, &TForm3::TrackBar2Change);
    table.add(QStringLiteral("TrackBar3Change"), this, &TForm3::TrackBar3Change);
    table.add(QStringLiteral("TrackBar4Change"), this, &TForm3::TrackBar4Change);
    table.add(QStringLiteral("TrackBar5Change"), this, &TForm3::TrackBar5Change);
    table.add(QStringLiteral("TrackBar6Change"), this, &TForm3::TrackBar6Change);
    table.add(QStringLiteral("TrackBar7Change"), this, &TForm3::TrackBar7Change);
    table.add(QStringLiteral("TrackBar8Change"), this, &TForm3::TrackBar8Change);
    table.add(QStringLiteral("ComboBox1Change"), this, &TForm3::ComboBox1Change);
    table.add(QStringLiteral("ComboBox2Change"), this, &TForm3::ComboBox2Change);
    table.add(QStringLiteral("ComboBox3Change"), this, &TForm3::ComboBox3Change);
    table.add(QStringLiteral("Edit1Change"), this, &TForm3::Edit1Change);
    table.add(QStringLiteral("Edit2Change"), this, &TForm3::Edit2Change);
    table.add(QStringLiteral("BitBtn1Click"), this, &TForm3::BitBtn1Click);
}

void TForm3::afterLoad()
{
    const auto label = [this](const char* name) { return &control<rna::ui::TLabel>(QLatin1String(name)); };
    const auto slider = [this](const char* name) -> rna::ui::TTrackBar& {
        return control<rna::ui::TTrackBar>(QLatin1String(name));
    };
    const auto list = [this](const char* name) { return &control<rna::ui::TComboBox>(QLatin1String(name)); };
    const auto series = [this](const char* name) { return &control<TLineSeries>(QLatin1String(name)); };
    const auto chart = [this](const char* name) -> TChart& { return control<TChart>(QLatin1String(name)); };
    Label22 = label("Label22");
    Label23 = label("Label23");
    Label24 = label("Label24");
    Label25 = label("Label25");
    Label26 = label("Label26");
    Label27 = label("Label27");
    Label28 = label("Label28");
    Label29 = label("Label29");
    Label30 = label("Label30");
    Label31 = label("Label31");
    Edit1 = &control<rna::ui::TEdit>(QStringLiteral("Edit1"));
    Edit2 = &control<rna::ui::TEdit>(QStringLiteral("Edit2"));
    pSlider_ = ScreenSlider(slider("TrackBar1"), *Label22, SliderScale::Tenths);
    w1Slider_ = ScreenSlider(slider("TrackBar2"), *Label23, SliderScale::Tenths);
    w2Slider_ = ScreenSlider(slider("TrackBar3"), *Label24, SliderScale::Tenths);
    b1Slider_ = ScreenSlider(slider("TrackBar4"), *Label25, SliderScale::Units);
    b2Slider_ = ScreenSlider(slider("TrackBar5"), *Label26, SliderScale::Units);
    v1Slider_ = ScreenSlider(slider("TrackBar6"), *Label27, SliderScale::Tenths);
    v2Slider_ = ScreenSlider(slider("TrackBar7"), *Label28, SliderScale::Tenths);
    b3Slider_ = ScreenSlider(slider("TrackBar8"), *Label29, SliderScale::Units);
    ComboBox1 = list("ComboBox1");
    ComboBox2 = list("ComboBox2");
    ComboBox3 = list("ComboBox3");
    chart1_ = std::make_unique<ScreenChartBinding>(chart("Chart1"), *series("Series1"), nullptr);
    chart2_ = std::make_unique<ScreenChartBinding>(chart("Chart2"), *series("Series2"), nullptr);
    chart3_ = std::make_unique<ScreenChartBinding>(chart("Chart3"), *series("Series3"), series("Series4"));
    describeChart(*chart1_, *ComboBox1, [this] { return neuronValues(0); });
    describeChart(*chart2_, *ComboBox2, [this] { return neuronValues(1); });
    describeChart(*chart3_, *ComboBox3, [this] { return neuronValues(2); });
}

void TForm3::FormShow(QObject* /*sender*/)
{
    ComboBox1->setItemIndex(0);
    ComboBox2->setItemIndex(0);
    ComboBox3->setItemIndex(0);
}

void TForm3::TrackBar1Change(QObject* /*sender*/)
{
    // p feeds both hidden neurons, the first one first.
    pSlider_.writeValue();
    RecomputeHidden1();
    RecomputeHidden2();
}

void TForm3::TrackBar2Change(QObject* /*sender*/)
{
    w1Slider_.writeValue();
    RecomputeHidden1();
}

void TForm3::TrackBar3Change(QObject* /*sender*/)
{
    w2Slider_.writeValue();
    RecomputeHidden2();
}

void TForm3::TrackBar4Change(QObject* /*sender*/)
{
    b1Slider_.writeValue();
    RecomputeHidden1();
}

void TForm3::TrackBar5Change(QObject* /*sender*/)
{
    b2Slider_.writeValue();
    RecomputeHidden2();
}

void TForm3::TrackBar6Change(QObject* /*sender*/)
{
    v1Slider_.writeValue();
    RecomputeOutput();
}

void TForm3::TrackBar7Change(QObject* /*sender*/)
{
    v2Slider_.writeValue();
    RecomputeOutput();
}

void TForm3::TrackBar8Change(QObject* /*sender*/)
{
    b3Slider_.writeValue();
    RecomputeOutput();
}

void TForm3::ComboBox1Change(QObject* /*sender*/)
{
    RefillHidden1();
}

void TForm3::ComboBox2Change(QObject* /*sender*/)
{
    RefillHidden2();
}

void TForm3::ComboBox3Change(QObject* /*sender*/)
{
    RefillOutput();
}

void TForm3::Edit1Change(QObject* /*sender*/)
{
    RecomputeOutput();
}

void TForm3::Edit2Change(QObject* /*sender*/)
{
    RecomputeOutput();
}

void TForm3::IntrareNeta1()
{
    RecomputeHidden1();
}

void TForm3::IntrareNeta2()
{
    RecomputeHidden2();
}

void TForm3::IntrareNeta3()
{
    RecomputeOutput();
}

void TForm3::RecomputeHidden1()
{
    p_ = ReadLabelValue(*Label22);
    w1_ = ReadLabelValue(*Label23);
    b1_ = ReadLabelValue(*Label25);
    n1_ = NetInput({{p_, w1_}}, b1_);
    RefillHidden1();
}

void TForm3::RecomputeHidden2()
{
    p_ = ReadLabelValue(*Label22);
    w2_ = ReadLabelValue(*Label24);
    b2_ = ReadLabelValue(*Label26);
    n2_ = NetInput({{p_, w2_}}, b2_);
    RefillHidden2();
}

void TForm3::RecomputeOutput()
{
    v1_ = ReadLabelValue(*Label27);
    v2_ = ReadLabelValue(*Label28);
    b3_ = ReadLabelValue(*Label29);
    // The stored hidden outputs at full precision, never the texts of the edit boxes.
    n3_ = NetInput({{a1_, v1_}, {a2_, v2_}}, b3_);
    a1UsedByOutput_ = a1_;
    a2UsedByOutput_ = a2_;
    Label31->setCaption(FixedText(n3_, 6, 4));
    RefillOutput();
}

void TForm3::RefillHidden1()
{
    const double output = RefillTransferChart(*chart1_, ComboBox1->itemIndex(), HiddenHalfRange, n1_, a1_);
    WriteHiddenOutput(*Edit1, output, a1UsedByOutput_);
}

void TForm3::RefillHidden2()
{
    const double output = RefillTransferChart(*chart2_, ComboBox2->itemIndex(), HiddenHalfRange, n2_, a2_);
    WriteHiddenOutput(*Edit2, output, a2UsedByOutput_);
}

void TForm3::RefillOutput()
{
    const double output = RefillTransferChart(*chart3_, ComboBox3->itemIndex(), OutputHalfRange, n3_, a_);
    Label30->setCaption(FixedText(output, 6, 4));
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
}

NeuronValues TForm3::neuronValues(int neuron) const
{
    switch (neuron) {
    case 0:
        return {QStringLiteral("neuron1"),
                {generalValue("p", p_), generalValue("w1", w1_), generalValue("b1", b1_), generalValue("n1", n1_),
                 functionValue(*ComboBox1), generalValue("a1", a1_)}};
    case 1:
        return {QStringLiteral("neuron2"),
                {generalValue("p", p_), generalValue("w2", w2_), generalValue("b2", b2_), generalValue("n2", n2_),
                 functionValue(*ComboBox2), generalValue("a2", a2_)}};
    default:
        return {QStringLiteral("neuron3"),
                {generalValue("v1", v1_), generalValue("v2", v2_), generalValue("b3", b3_), fixedValue("n3", n3_, 6, 4),
                 functionValue(*ComboBox3), fixedValue("iesire", a_, 6, 4)}};
    }
}

ScreenValues TForm3::values() const
{
    return {neuronValues(0), neuronValues(1), neuronValues(2)};
}

void TForm3::BitBtn1Click(QObject* /*sender*/)
{
    Form3->closeForm();
}

}  // namespace rna::neuron
