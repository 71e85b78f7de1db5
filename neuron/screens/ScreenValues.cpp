#include "neuron/screens/ScreenValues.h"

#include "chart/axis/TChartAxis.h"
#include "chart/panel/TChart.h"
#include "neuron/screens/ScreenChartBinding.h"
#include "neuron/screens/ScreenText.h"
#include "ui/AccessibleText.h"
#include "ui/TComboBox.h"

#include <algorithm>

namespace rna::neuron {

const ShownValue* NeuronValues::find(QStringView name) const
{
    const auto found = std::find_if(values.begin(), values.end(), [&](const ShownValue& v) { return v.name == name; });
    return found == values.end() ? nullptr : &*found;
}

ShownValue shownValue(const char* name, double number, NumberStyle style)
{
    return {QString::fromLatin1(name), StyledText(number, style), number};
}

ShownValue functionValue(const rna::ui::TComboBox& list, int index)
{
    return {QStringLiteral("functia"), index >= 0 ? list.itemText(index) : list.text(), double(index)};
}

void describeChart(ScreenChartBinding& chart, const rna::ui::TComboBox& list, std::function<NeuronValues()> values)
{
    rna::ui::setAccessibleFieldsSource(chart.Chart(), [&chart, &list, values = std::move(values)] {
        rna::ui::AccessibleFields fields;
        for (const ShownValue& value : values().values)
            fields[value.name] = value.text;
        // The function drawn, which the list no longer shows once the window was shown again.
        fields.erase(QStringLiteral("functia"));
        if (chart.PlottedIndex() >= 0)
            fields[QStringLiteral("functia")] = list.itemText(chart.PlottedIndex());
        const rna::chart::TChartAxis& bottom = *chart.Chart().BottomAxis();
        const rna::chart::TChartAxis& left = *chart.Chart().LeftAxis();
        fields[QStringLiteral("xmin")] = bottom.FormatAxisLabel(bottom.Minimum(), false);
        fields[QStringLiteral("xmax")] = bottom.FormatAxisLabel(bottom.Maximum(), false);
        fields[QStringLiteral("ymin")] = left.FormatAxisLabel(left.Minimum(), false);
        fields[QStringLiteral("ymax")] = left.FormatAxisLabel(left.Maximum(), false);
        return fields;
    });
}

}  // namespace rna::neuron
