#include "app/LocaleSettings.h"

#include "chart/scale/NumberSeparators.h"
#include "neuron/model/NumericModel.h"

#include <QLocale>
#include <gtest/gtest.h>

using rna::app::NumberSeparatorsOf;

TEST(LocaleSettings, SeparatorsOfLocalesWithAsciiAndOtherCharacters)
{
    struct Case {
        const char* locale;
        char decimal;
        char thousand;
    };
    const Case cases[] = {
        {"C", '.', ','},      {"en_US", '.', ','}, {"de_DE", ',', '.'}, {"fr_FR", ',', ' '},  // narrow no-break space
        {"ru_RU", ',', ' '},  // no-break space
        {"de_CH", '.', '\''},  // typographic apostrophe
        {"ar_EG", '.', ','},  // Arabic decimal and thousands signs are not ASCII
        {"fa_IR", '.', ','},
    };
    for (const Case& c : cases) {
        const rna::app::LocaleNumberSeparators separators = NumberSeparatorsOf(QLocale(QString::fromLatin1(c.locale)));
        EXPECT_EQ(separators.decimal, c.decimal) << c.locale;
        EXPECT_EQ(separators.thousand, c.thousand) << c.locale;
    }
}

TEST(LocaleSettings, ReadingPushesTheSystemLocaleSeparatorsIntoTheModelAndTheCharts)
{
    rna::neuron::SetDecimalSeparator('/');
    rna::chart::SetNumberSeparators('/', '_');
    rna::app::ReadLocaleNumberSettings();
    const rna::app::LocaleNumberSeparators expected = NumberSeparatorsOf(QLocale::system());
    EXPECT_EQ(rna::neuron::DecimalSeparator(), expected.decimal);
    EXPECT_EQ(rna::chart::CurrentNumberSeparators().Decimal, expected.decimal);
    EXPECT_EQ(rna::chart::CurrentNumberSeparators().Thousand, expected.thousand);
}
