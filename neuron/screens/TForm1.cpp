#include "neuron/screens/TForm1.h"

#include "chart/panel/TChart.h"
#include "chart/series/TLineSeries.h"
#include "neuron/screens/ScreenChartBinding.h"
#include "neuron/screens/ScreenText.h"
#include "ui/TComboBox.h"
#include "ui/TLabel.h"
#include "ui/TTrackBar.h"

namespace rna::neuron {

using rna::chart::TChart;
using rna::chart::TLineSeries;

TForm1* Form1 = nullptr;

namespace {
constexpr int HalfRange = 10;  // the curve is sampled at -10 ... 10
}

TForm1::TForm1() = default;
TForm1::~TForm1() = default;

void TForm1::declareHandlers(rna::ui::HandlerTable& table)
{
    table.add(QStringLiteral("FormShow"), this, &TForm1::FormShow);
    table.add(QStringLiteral("TrackBar1Change"), this, &TForm1::TrackBar1Change);
    table.add(QStringLiteral("TrackBar2Change"), this, &TForm1::TrackBar2Change);
    table.add(QStringLiteral("TrackBar3Change"), this, &TForm1::TrackBar3Change);
    table.add(QStringLiteral("ComboBox1Change"), this, &TForm1::ComboBox1Change);
    table.add(QStringLiteral("BitBtn1Click"), this, &TForm1::BitBtn1Click);
}

void TForm1::afterLoad()
{
    Label16 = &control<rna::ui::TLabel>(QStringLiteral("Label16"));
    Label17 = &control<rna::ui::TLabel>(QStringLiteral("Label17"));
    Label18 = &control<rna::ui::TLabel>(QStringLiteral("Label18"));
    Label19 = &control<rna::ui::TLabel>(QStringLiteral("Label19"));
    Label24 = &control<rna::ui::TLabel>(QStringLiteral("Label24"));
    ComboBox1 = &control<rna::ui::TComboBox>(QStringLiteral("ComboBox1"));
    const auto slider = [this](const char* name) -> rna::ui::TTrackBar& {
        return control<rna::ui::TTrackBar>(QLatin1String(name));
    };
    pSlider_ = ScreenSlider(slider("TrackBar1"), *Label16, SliderScale::Tenths);
    wSlider_ = ScreenSlider(slider("TrackBar2"), *Label17, SliderScale::Tenths);
    bSlider_ = ScreenSlider(slider("TrackBar3"), *Label18, SliderScale::Units);
    chart1_ = std::make_unique<ScreenChartBinding>(control<TChart>(QStringLiteral("Chart1")),
                                                   control<TLineSeries>(QStringLiteral("Series1")),
                                                   &control<TLineSeries>(QStringLiteral("Series2")));
    describeChart(*chart1_, *ComboBox1, [this] { return values().front(); });
}

void TForm1::FormShow(QObject* /*sender*/)
{
    ComboBox1->setItemIndex(0);
}

void TForm1::TrackBar1Change(QObject* /*sender*/)
{
    pSlider_.writeValue();
    IntrareNeta();
}

void TForm1::TrackBar2Change(QObject* /*sender*/)
{
    wSlider_.writeValue();
    IntrareNeta();
}

void TForm1::TrackBar3Change(QObject* /*sender*/)
{
    bSlider_.writeValue();
    IntrareNeta();
}

void TForm1::IntrareNeta()
{
    // The labels are the copy of the slider values that counts; each is stored as soon as it is read.
    p_ = ReadLabelValue(*Label16);
    w_ = ReadLabelValue(*Label17);
    b_ = ReadLabelValue(*Label18);
    n_ = NetInput({{p_, w_}}, b_);
    Label19->setCaption(FixedText(n_, 4, 2));
    ComboBox1Change(this);
}

void TForm1::ComboBox1Change(QObject* /*sender*/)
{
    const double output = RefillTransferChart(*chart1_, ComboBox1->itemIndex(), HalfRange, n_, lastOutput_);
    Label24->setCaption(FixedText(output, 8, 4));
}

ScreenValues TForm1::values() const
{
    return {{QStringLiteral("neuron"),
             {generalValue("p", p_), generalValue("w", w_), generalValue("b", b_), fixedValue("n", n_, 4, 2),
              functionValue(*ComboBox1), fixedValue("iesire", lastOutput_, 8, 4)}}};
}

void TForm1::BitBtn1Click(QObject* /*sender*/)
{
    Form1->closeForm();
}

}  // namespace rna::neuron
