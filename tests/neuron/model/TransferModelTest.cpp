#include "neuron/model/NumericModel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

using namespace rna::neuron;

namespace {

// One call on the chart operations, in a form that compares and prints.
struct ChartCall {
    std::string operation;  // "clear", "add", "max", "min"
    TransferSeries series = TransferSeries::Curve;
    double x = 0;
    double y = 0;

    bool operator==(const ChartCall&) const = default;
};

std::ostream& operator<<(std::ostream& out, const ChartCall& call)
{
    return out << call.operation << (call.series == TransferSeries::Curve ? " curve " : " marker ") << call.x << ' '
               << call.y;
}

class ChartRecorder : public TransferChartBinding {
public:
    void ClearPoints(TransferSeries series) override { calls.push_back({"clear", series}); }
    void AddPoint(TransferSeries series, double x, double y) override { calls.push_back({"add", series, x, y}); }
    void SetLeftAxisLimit(AxisLimit limit, double value) override
    {
        calls.push_back({limit == AxisLimit::Maximum ? "max" : "min", TransferSeries::Curve, value});
    }

    std::vector<ChartCall> calls;
};

// The calls a refill must make: clears, axis range, then curve point and marker point for each integer.
std::vector<ChartCall> ExpectedCalls(MarkerSeries marker, int halfRange, double maximum, double minimum,
                                     double netInput, double (*f)(double))
{
    const bool withMarker = marker == MarkerSeries::Present;
    std::vector<ChartCall> calls{{"clear", TransferSeries::Curve}};
    if (withMarker)
        calls.push_back({"clear", TransferSeries::Marker});
    calls.push_back({"max", TransferSeries::Curve, maximum});
    calls.push_back({"min", TransferSeries::Curve, minimum});
    for (int i = -halfRange; i <= halfRange; ++i) {
        calls.push_back({"add", TransferSeries::Curve, double(i), f(i)});
        if (withMarker)
            calls.push_back({"add", TransferSeries::Marker, netInput, f(i)});
    }
    return calls;
}

double Identity(double x)
{
    return x;
}
double Tanh(double x)
{
    return std::tanh(x);
}
double Sigmoid(double x)
{
    return 1 / (1 + std::exp(-x));
}

// The recorded curve values against the library's functions: equal within a few units of the last place.
void ExpectCallsNear(const std::vector<ChartCall>& actual, const std::vector<ChartCall>& expected)
{
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i) {
        EXPECT_EQ(actual[i].operation, expected[i].operation) << i;
        EXPECT_EQ(actual[i].series, expected[i].series) << i;
        EXPECT_EQ(actual[i].x, expected[i].x) << i;
        EXPECT_NEAR(actual[i].y, expected[i].y, 1e-15) << i;
    }
}

}  // namespace

TEST(SliderValue, TenthsForInputsAndWeightsUnitsForThresholds)
{
    EXPECT_EQ(SliderValue(0, SliderScale::Tenths), 0.0L);
    EXPECT_EQ(SliderValue(3, SliderScale::Tenths), 3.0L / 10);
    EXPECT_EQ(SliderValue(-10, SliderScale::Tenths), -1.0L);
    EXPECT_EQ(SliderValue(50, SliderScale::Tenths), 5.0L);
    EXPECT_EQ(SliderValue(-5, SliderScale::Units), -5.0L);
    EXPECT_EQ(SliderValue(4, SliderScale::Units), 4.0L);
}

TEST(TransferValue, TheThreeFunctionsInListOrder)
{
    EXPECT_EQ(TransferValue(TransferKind::Identity, -2.5L), -2.5L);
    EXPECT_EQ(TransferValue(TransferKind::HyperbolicTangent, 0), 0.0L);
    EXPECT_EQ(TransferValue(TransferKind::LogisticSigmoid, 0), 0.5L);
    for (int x = -25; x <= 25; ++x) {
        EXPECT_NEAR(TransferValue(TransferKind::HyperbolicTangent, x), std::tanh(static_cast<long double>(x)), 1e-18L)
            << x;
        EXPECT_NEAR(TransferValue(TransferKind::LogisticSigmoid, x), 1 / (1 + std::exp(-static_cast<long double>(x))),
                    1e-18L)
            << x;
    }
    EXPECT_EQ(FormatFixed(TransferValue(TransferKind::HyperbolicTangent, -10), 8, 4), "-1.0000");
    EXPECT_EQ(FormatFixed(TransferValue(TransferKind::LogisticSigmoid, 0), 8, 4), "0.5000");
    EXPECT_EQ(FormatGeneral(TransferValue(TransferKind::LogisticSigmoid, -10)), "4.53978687024344E-5");
}

TEST(TransferValue, LargeArgumentsGiveTheLimitsNotNaN)
{
    EXPECT_EQ(TransferValue(TransferKind::HyperbolicTangent, 1e5L), 1.0L);
    EXPECT_EQ(TransferValue(TransferKind::HyperbolicTangent, -1e5L), -1.0L);
    EXPECT_EQ(TransferValue(TransferKind::LogisticSigmoid, 1e5L), 1.0L);
    EXPECT_EQ(TransferValue(TransferKind::LogisticSigmoid, -1e5L), 0.0L);
}

TEST(NetInput, ProductsAreCarriedInExtendedPrecision)
{
    // 2.5 x -0.4 is -1 - 2^-54 before rounding; the threshold then leaves -2^-54, not 0.
    const double p = static_cast<double>(ParseValue("2.5"));
    const double w = static_cast<double>(ParseValue("-0.4"));
    const double n = NetInput({{p, w}}, 1);
    EXPECT_EQ(n, -0x1p-54);
    EXPECT_EQ(FormatFixed(n, 4, 2), "0.00");
    EXPECT_EQ(FormatFixed(n, 8, 4), "0.0000");
    EXPECT_EQ(FormatGeneral(n), "-5.55111512312578E-17");
    EXPECT_EQ(NetInput({{0, 0.3}, {p, w}}, 1), -0x1p-54);

    EXPECT_EQ(FormatFixed(NetInput({{5, 1}}, 5), 4, 2), "10.00");
    EXPECT_EQ(FormatFixed(NetInput({{5, -1}}, -5), 4, 2), "-10.00");
    EXPECT_EQ(NetInput({{5, -1}, {5, 1}, {5, 1}}, -5), 0.0);
    EXPECT_EQ(NetInput({}, -3), -3.0);
    // A sum that only extended precision keeps: 2^53 + 1 - 2^53 is 1, not 0.
    EXPECT_EQ(NetInput({{0x1p53, 1}, {1, 1}}, -0x1p53), 1.0);
}

TEST(FillTransferChart, CallSequenceForEachFunctionAndChart)
{
    struct Case {
        int index;
        MarkerSeries marker;
        int halfRange;
        double netInput;
        double maximum;
        double minimum;
        double (*f)(double);
        double output;
    };
    const double n = 0.75;
    const Case cases[] = {
        {0, MarkerSeries::Present, 10, n, 10.05, -10.05, Identity, n},
        {0, MarkerSeries::Present, 15, -3, 15.05, -15.05, Identity, -3},
        {0, MarkerSeries::Present, 25, 25, 25.05, -25.05, Identity, 25},
        {0, MarkerSeries::Absent, 10, n, 10.05, -10.05, Identity, n},
        {1, MarkerSeries::Present, 10, -10, 1.05, -1.05, Tanh, std::tanh(-10.0)},
        {1, MarkerSeries::Absent, 10, n, 1.05, -1.05, Tanh, std::tanh(n)},
        {2, MarkerSeries::Present, 15, 0, 1.05, -0.05, Sigmoid, 0.5},
        {2, MarkerSeries::Present, 25, n, 1.05, -0.05, Sigmoid, Sigmoid(n)},
    };
    // One chart for every case, as a screen refills its chart: the curve it keeps from one refill to the next must
    // follow the function and the range.
    ChartRecorder chart;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "index " << c.index << " R " << c.halfRange);
        chart.calls.clear();
        double lastOutput = 123;
        const double output = FillTransferChart(chart, c.marker, c.index, c.halfRange, c.netInput, lastOutput);
        EXPECT_NEAR(output, c.output, 1e-15);
        EXPECT_EQ(lastOutput, output);
        ExpectCallsNear(chart.calls, ExpectedCalls(c.marker, c.halfRange, c.maximum, c.minimum, c.netInput, c.f));
    }
}

// A row of the table draws its whole curve inside its left axis, for every half range a screen samples.
TEST(FillTransferChart, EveryFunctionsAxisHoldsItsCurve)
{
    for (const TransferFunction& function : TransferFunctions)
        for (int halfRange : {10, 15, 25}) {
            SCOPED_TRACE(testing::Message() << function.name << " R " << halfRange);
            ChartRecorder chart;
            double lastOutput = 0;
            FillTransferChart(chart, MarkerSeries::Absent, static_cast<int>(function.kind), halfRange, 0, lastOutput);
            ASSERT_GE(chart.calls.size(), 3u);
            const double maximum = chart.calls[1].x;
            const double minimum = chart.calls[2].x;
            for (std::size_t i = 3; i < chart.calls.size(); ++i) {
                EXPECT_LT(chart.calls[i].y, maximum);
                EXPECT_GT(chart.calls[i].y, minimum);
            }
        }
}

TEST(FillTransferChart, PointsAreTheExtendedValuesRoundedToDouble)
{
    ChartRecorder chart;
    double lastOutput = 0;
    const double output = FillTransferChart(chart, MarkerSeries::Absent, 1, 10, 0.3, lastOutput);
    EXPECT_EQ(output, static_cast<double>(TransferValue(TransferKind::HyperbolicTangent, 0.3)));
    ASSERT_EQ(chart.calls.size(), 3u + 21u);
    for (int i = -10; i <= 10; ++i)
        EXPECT_EQ(chart.calls[3 + i + 10].y, static_cast<double>(TransferValue(TransferKind::HyperbolicTangent, i)));
}

TEST(FillTransferChart, NoSelectionClearsOnlyAndKeepsTheLastOutput)
{
    for (int index : {-1, 3}) {
        ChartRecorder chart;
        double lastOutput = 0;
        EXPECT_EQ(FillTransferChart(chart, MarkerSeries::Present, index, 10, 4.5, lastOutput), 0.0);
        const std::vector<ChartCall> clears{{"clear", TransferSeries::Curve}, {"clear", TransferSeries::Marker}};
        EXPECT_EQ(chart.calls, clears);

        // After a computed output, a later refill without selection gives that output again.
        FillTransferChart(chart, MarkerSeries::Present, 2, 10, 0, lastOutput);
        chart.calls.clear();
        EXPECT_EQ(FillTransferChart(chart, MarkerSeries::Present, index, 10, 7, lastOutput), 0.5);
        EXPECT_EQ(lastOutput, 0.5);
        EXPECT_EQ(chart.calls, clears);
    }
    ChartRecorder hidden;
    double lastOutput = -2;
    EXPECT_EQ(FillTransferChart(hidden, MarkerSeries::Absent, -1, 10, 1, lastOutput), -2.0);
    const std::vector<ChartCall> curveCleared{{"clear", TransferSeries::Curve}};
    EXPECT_EQ(hidden.calls, curveCleared);
}
