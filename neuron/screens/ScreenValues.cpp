#include "neuron/screens/ScreenValues.h"

#include "neuron/screens/ScreenText.h"
#include "ui/TComboBox.h"

#include <algorithm>

namespace rna::neuron {

const ShownValue* NeuronValues::find(QStringView name) const
{
    const auto found = std::find_if(values.begin(), values.end(), [&](const ShownValue& v) { return v.name == name; });
    return found == values.end() ? nullptr : &*found;
}

ShownValue generalValue(const char* name, double number)
{
    return {QString::fromLatin1(name), GeneralText(number), number};
}

ShownValue fixedValue(const char* name, double number, int precision, int decimals)
{
    return {QString::fromLatin1(name), FixedText(number, precision, decimals), number};
}

ShownValue functionValue(const rna::ui::TComboBox& list)
{
    const int index = list.itemIndex();
    return {QStringLiteral("functia"), index >= 0 ? list.itemText(index) : list.text(), double(index)};
}

}  // namespace rna::neuron
