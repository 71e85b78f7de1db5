#include "neuron/model/NumericModel.h"
#include "tests/neuron/model/SeparatorGuard.h"

#include <gtest/gtest.h>

using namespace rna::neuron;

TEST(NumberSettings, DecimalSeparatorFallsBackToPointWhenItWouldBeAmbiguous)
{
    const SeparatorGuard restore('.');
    struct Case {
        char requested;
        char stored;
    };
    const Case cases[] = {{',', ','},  {'.', '.'},  {'/', '/'},    {'\'', '\''},  {'5', '.'},
                          {'+', '.'},  {'-', '.'},  {'e', '.'},    {'E', '.'},    {' ', '.'},
                          {'\0', '.'}, {'\t', '.'}, {'\x7f', '.'}, {'\xa0', '.'}, {'\xc2', '.'}};
    for (const Case& c : cases) {
        SetDecimalSeparator(c.requested);
        EXPECT_EQ(DecimalSeparator(), c.stored) << int(c.requested);
    }
}
