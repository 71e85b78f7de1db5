#include "neuron/screens/ScreenText.h"

#include "ui/TLabel.h"
#include "ui/TTrackBar.h"

namespace rna::neuron {

void WriteSliderValue(rna::ui::TLabel& label, const rna::ui::TTrackBar& slider, SliderScale scale)
{
    label.setCaption(GeneralText(SliderValue(slider.position(), scale)));
}

double ReadLabelValue(const rna::ui::TLabel& label)
{
    return static_cast<double>(ParseValue(label.caption().toStdString()));
}

QString GeneralText(long double value)
{
    return QString::fromStdString(FormatGeneral(value));
}

QString FixedText(long double value, int precision, int decimals)
{
    return QString::fromStdString(FormatFixed(value, precision, decimals));
}

QString StyledText(long double value, NumberStyle style)
{
    return style.precision == 0 ? GeneralText(value) : FixedText(value, style.precision, style.decimals);
}

}  // namespace rna::neuron
