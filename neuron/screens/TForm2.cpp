#include "neuron/screens/TForm2.h"

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

TForm2* Form2 = nullptr;

namespace {
constexpr int HalfRange = 15;  // the curve is sampled at -15 ... 15
}

TForm2::TForm2() = default;
TForm2::~TForm2() = default;

void TForm2::declareHandlers(rna::ui::HandlerTable& table)
{
    table.add(QStringLiteral("FormShow"), this, &TForm2::FormShow);
    table.add(QStringLiteral("TrackBar1Change"), this, &TForm2::TrackBar1Change);
    table.add(QStringLiteral("TrackBar2Change"), this, &TForm2::TrackBar2Change);
    table.add(QStringLiteral("TrackBar3Change"), this, &TForm2::TrackBar3Change);
    table.add(QStringLiteral("TrackBar4Change"), this, &TForm2::TrackBar4Change);
    table.add(QStringLiteral("TrackBar5Change"), this, &TForm2::TrackBar5Change);
    table.add(QStringLiteral("ComboBox1Change"), this, &TForm2::ComboBox1Change);
    table.add(QStringLiteral("BitBtn1Click"), this, &TForm2::BitBtn1Click);
}

void TForm2::afterLoad()
{
    Label16 = &control<rna::ui::TLabel>(QStringLiteral("Label16"));
    Label17 = &control<rna::ui::TLabel>(QStringLiteral("Label17"));
    Label18 = &control<rna::ui::TLabel>(QStringLiteral("Label18"));
    Label19 = &control<rna::ui::TLabel>(QStringLiteral("Label19"));
    Label24 = &control<rna::ui::TLabel>(QStringLiteral("Label24"));
    Label26 = &control<rna::ui::TLabel>(QStringLiteral("Label26"));
    Label28 = &control<rna::ui::TLabel>(QStringLiteral("Label28"));
    ComboBox1 = &control<rna::ui::TComboBox>(QStringLiteral("ComboBox1"));
    const auto slider = [this](const char* name) -> rna::ui::TTrackBar& {
        return control<rna::ui::TTrackBar>(QLatin1String(name));
    };
    p1Slider_ = ScreenSlider(slider("TrackBar1"), *Label16, SliderScale::Tenths);
    p2Slider_ = ScreenSlider(slider("TrackBar2"), *Label17, SliderScale::Tenths);
    w1Slider_ = ScreenSlider(slider("TrackBar3"), *Label18, SliderScale::Tenths);
    w2Slider_ = ScreenSlider(slider("TrackBar4"), *Label19, SliderScale::Tenths);
    bSlider_ = ScreenSlider(slider("TrackBar5"), *Label26, SliderScale::Units);
    chart1_ = std::make_unique<ScreenChartBinding>(control<TChart>(QStringLiteral("Chart1")),
                                                   control<TLineSeries>(QStringLiteral("Series1")),
                                                   &control<TLineSeries>(QStringLiteral("Series2")));
    describeChart(*chart1_, *ComboBox1, [this] { return values().front(); });
}

void TForm2::FormShow(QObject* /*sender*/)
{
    ComboBox1->setItemIndex(0);
}

void TForm2::TrackBar1Change(QObject* /*sender*/)
{
    p1Slider_.writeValue();
    IntrareNeta();
}

void TForm2::TrackBar2Change(QObject* /*sender*/)
{
    p2Slider_.writeValue();
    IntrareNeta();
}

void TForm2::TrackBar3Change(QObject* /*sender*/)
{
    w1Slider_.writeValue();
    IntrareNeta();
}

void TForm2::TrackBar4Change(QObject* /*sender*/)
{
    w2Slider_.writeValue();
    IntrareNeta();
}

void TForm2::TrackBar5Change(QObject* /*sender*/)
{
    bSlider_.writeValue();
    IntrareNeta();
}

void TForm2::IntrareNeta()
{
    // The labels are the copy of the slider values that counts; each is stored as soon as it is read.
    p1_ = ReadLabelValue(*Label16);
    p2_ = ReadLabelValue(*Label17);
    w1_ = ReadLabelValue(*Label18);
    w2_ = ReadLabelValue(*Label19);
    b_ = ReadLabelValue(*Label26);
    n_ = NetInput({{p1_, w1_}, {p2_, w2_}}, b_);
    Label24->setCaption(FixedText(n_, 4, 2));
    ComboBox1Change(this);
}

void TForm2::ComboBox1Change(QObject* /*sender*/)
{
    const double output = RefillTransferChart(*chart1_, ComboBox1->itemIndex(), HalfRange, n_, lastOutput_);
    Label28->setCaption(FixedText(output, 8, 4));
}

ScreenValues TForm2::values() const
{
    return {{QStringLiteral("neuron"),
             {generalValue("p1", p1_), generalValue("p2", p2_), generalValue("w1", w1_), generalValue("w2", w2_),
              generalValue("b", b_), fixedValue("n", n_, 4, 2), functionValue(*ComboBox1),
              fixedValue("iesire", lastOutput_, 8, 4)}}};
}

void TForm2::BitBtn1Click(QObject* /*sender*/)
{
    Form2->closeForm();
}

}  // namespace rna::neuron
