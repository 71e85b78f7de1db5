// F2: the calculation window of each demonstration window, opened first and then followed through the moves, for
// states worked out by hand (negative terms, the comma as decimal separator, the network's stored hidden outputs).
#include "ScreenDriver.h"

#include "app/ScreenCalculation.h"
#include "app/THelpForm.h"
#include "neuron/model/NumericModel.h"
#include "ui/TRichView.h"

namespace rna::neuron::test {
namespace {

struct Move {
    const char* slider;
    int position;
};

struct CalculationCase {
    const char* window;
    char separator;
    std::vector<Move> moves;
    std::vector<std::pair<const char*, int>> picks;  // list, index
    QString expected;
};

TEST(CalculationScreen, ShowsEveryNeuronWithTheScreensNumbersAfterEachMove)
{
    const std::vector<CalculationCase> cases{
        {"Form1", '.', {{"TrackBar1", 25}, {"TrackBar2", 8}, {"TrackBar3", -1}}, {{"ComboBox1", 1}},
         QStringLiteral("n = p\u00B7w + b = 2.5 \u00B7 0.8 + (-1) = 1.00\n"
                        "a = tanh(n) = tanh(1.00) = 0.7616")},
        {"Form1", ',', {{"TrackBar1", 25}, {"TrackBar2", 8}, {"TrackBar3", -1}}, {{"ComboBox1", 1}},
         QStringLiteral("n = p\u00B7w + b = 2,5 \u00B7 0,8 + (-1) = 1,00\n"
                        "a = tanh(n) = tanh(1,00) = 0,7616")},
        {"Form2", '.', {{"TrackBar1", 10}, {"TrackBar2", 20}, {"TrackBar3", -5}, {"TrackBar4", 3}, {"TrackBar5", 2}},
         {{"ComboBox1", 2}},
         QStringLiteral("n = p1\u00B7w1 + p2\u00B7w2 + b = 1 \u00B7 (-0.5) + 2 \u00B7 0.3 + 2 = 2.10\n"
                        "a = logistic(n) = logistic(2.10) = 0.8909")},
        // a1 = tanh(1) reaches the output neuron as the stored double, written with its 15 digits.
        {"Form3", '.',
         {{"TrackBar1", 10}, {"TrackBar2", 10}, {"TrackBar3", -10}, {"TrackBar6", 10}, {"TrackBar7", 5}},
         {{"ComboBox1", 1}},
         QStringLiteral("n1 = p\u00B7w1 + b1 = 1 \u00B7 1 + 0 = 1\n"
                        "a1 = tanh(n1) = tanh(1) = 0.761594155955765\n"
                        "n2 = p\u00B7w2 + b2 = 1 \u00B7 (-1) + 0 = -1\n"
                        "a2 = n2 = -1 = -1\n"
                        "n3 = v1\u00B7a1 + v2\u00B7a2 + b3 = 1 \u00B7 0.761594155955765 + 0.5 \u00B7 (-1) + 0 = 0.2616\n"
                        "a = n3 = 0.2616 = 0.2616")},
    };
    for (const CalculationCase& c : cases) {
        ScreenDriver screen(c.window);
        SetDecimalSeparator(c.separator);  // after the start, which reads the system's
        QTest::keyClick(screen.window, Qt::Key_F2);
        rna::app::THelpForm* calculation = screen.program.calculation().calculationOf(*screen.window);
        ASSERT_NE(calculation, nullptr) << c.window;
        EXPECT_TRUE(calculation->isVisible());
        for (const auto& [list, index] : c.picks)
            screen.pick(list, index);
        for (const Move& move : c.moves)
            screen.moveSlider(move.slider, move.position);
        EXPECT_EQ(calculation->view().toPlainText(), c.expected) << c.window << " " << c.separator;
        SetDecimalSeparator('.');
    }
}

}  // namespace
}  // namespace rna::neuron::test
