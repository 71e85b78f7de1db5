#include "app/LocaleSettings.h"

#include "chart/scale/NumberSeparators.h"
#include "neuron/model/NumericModel.h"

#include <QLocale>
#include <QString>

#include <optional>

namespace rna::app {

namespace {

std::optional<char> SingleAscii(const QString& text)
{
    if (text.size() != 1 || text[0].unicode() >= 0x80)
        return std::nullopt;
    return static_cast<char>(text[0].unicode());
}

// The number texts are single ASCII characters: a separator outside ASCII (Arabic, Persian) gives '.'.
char DecimalSeparatorOf(const QLocale& locale)
{
    return SingleAscii(locale.decimalPoint()).value_or('.');
}

// Grouping characters outside ASCII are mostly spaces (no-break, narrow no-break, thin) and the
// typographic apostrophe; the axis labels use their plain ASCII counterparts.
char GroupSeparatorOf(const QLocale& locale, char decimal)
{
    const QString group = locale.groupSeparator();
    if (const std::optional<char> ascii = SingleAscii(group); ascii && *ascii != decimal)
        return *ascii;
    if (group.size() == 1 && group[0].isSpace())
        return ' ';
    if (group == QStringLiteral("\u2019") || group == QStringLiteral("\u02BC"))
        return '\'';
    return decimal == ',' ? '.' : ',';
}

}  // namespace

LocaleNumberSeparators NumberSeparatorsOf(const QLocale& locale)
{
    LocaleNumberSeparators separators;
    separators.decimal = DecimalSeparatorOf(locale);
    separators.thousand = GroupSeparatorOf(locale, separators.decimal);
    return separators;
}

void ReadLocaleNumberSettings()
{
    // The default locale is the system's as long as nobody replaces it: the program never does, a scripted
    // run stands another in before it announces a settings change.
    const LocaleNumberSeparators separators = NumberSeparatorsOf(QLocale());
    neuron::SetDecimalSeparator(separators.decimal);
    // The axis labels use the separator the number texts use, after the model's checks.
    chart::SetNumberSeparators(neuron::DecimalSeparator(), separators.thousand);
}

}  // namespace rna::app
