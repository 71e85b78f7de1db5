// The neuron and the network as values: what they compute from slider positions against the texts the screens
// show for them, the network's chain through the stored hidden outputs, and every value by its stable name.
#include "neuron/model/Network.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

using namespace rna::neuron;

namespace {

struct Setting {
    std::string_view name;
    int position;  // the slider's
};

// Sets each value as its slider at that position leaves it in its label.
void Set(NamedValues& model, std::initializer_list<Setting> settings)
{
    for (const Setting& s : settings) {
        const SliderScale scale = s.name[0] == 'b' ? SliderScale::Units : SliderScale::Tenths;
        ASSERT_TRUE(model.SetValue(s.name, SliderNumber(s.position, scale))) << s.name;
    }
}

// States the screens' tests show, with the texts of n (fixed 4, 2) and of the output (fixed 8, 4).
TEST(Neuron, ComputesWhatTheScreensShow)
{
    struct Case {
        std::size_t inputs;
        std::initializer_list<Setting> settings;
        TransferKind function;
        const char* net;
        const char* output;
    };
    const Case cases[] = {
        {1, {{"p", 25}, {"w", 8}, {"b", -1}}, TransferKind::HyperbolicTangent, "1.00", "0.7616"},
        {1, {{"p", 3}, {"w", 10}, {"b", 0}}, TransferKind::Identity, "0.30", "0.3000"},
        {2,
         {{"p1", 30}, {"p2", 20}, {"w1", -5}, {"w2", 10}, {"b", -1}},
         TransferKind::HyperbolicTangent,
         "-0.50",
         "-0.4621"},
        {2,
         {{"p1", 50}, {"p2", 50}, {"w1", -10}, {"w2", -10}, {"b", -5}},
         TransferKind::LogisticSigmoid,
         "-15.00",
         "0.0000"},
    };
    for (const Case& c : cases) {
        Neuron neuron(c.inputs);
        Set(neuron, c.settings);
        *neuron.Function("f") = c.function;
        neuron.Evaluate();
        EXPECT_EQ(FormatFixed(neuron.Net(), 4, 2), c.net);
        EXPECT_EQ(FormatFixed(neuron.Output(), 8, 4), c.output);
        EXPECT_EQ(neuron.Value("n"), neuron.Net());
        EXPECT_EQ(neuron.Value("a"), neuron.Output());
    }
}

TEST(Neuron, WithoutAFunctionTheOutputStaysAndACopyAtAnotherInputLeavesTheNeuronAlone)
{
    Neuron neuron;
    Set(neuron, {{"p", 20}, {"w", 10}});
    neuron.SetTransferFunction(TransferKind::LogisticSigmoid);
    const double output = neuron.Evaluate().Output();
    neuron.SetTransferFunction(std::nullopt);
    neuron.SetInput(0, -4);
    EXPECT_EQ(neuron.Evaluate().Output(), output);
    EXPECT_EQ(neuron.Net(), -4);

    neuron.SetTransferFunction(TransferKind::HyperbolicTangent);
    const Neuron moved = neuron.EvaluatedWith(0, SliderNumber(3, SliderScale::Tenths));
    EXPECT_EQ(FormatGeneral(moved.Output()), "0.291312612451591");
    EXPECT_EQ(neuron.Input(0), -4);
    EXPECT_EQ(neuron.Output(), output);
}

// The output neuron multiplies the stored hidden outputs, never their 15-digit texts; at another input the
// whole chain follows, the network it was copied from unchanged.
TEST(Network, TheOutputNeuronUsesTheStoredHiddenOutputsAtAnyInput)
{
    Network network;
    Set(network, {{"p", 3}, {"w1", 10}, {"v1", 10}});
    *network.Function("f1") = TransferKind::HyperbolicTangent;
    network.Evaluate();
    const double a1 = network.Hidden(0).Output();
    EXPECT_EQ(FormatGeneral(a1), "0.291312612451591");
    EXPECT_EQ(network.OutputNeuron().Input(0), a1);
    EXPECT_EQ(network.Value("a"), a1);
    EXPECT_NE(a1, static_cast<double>(ParseValue("0.291312612451591")));

    // A bump: logistic hidden neurons at p = -5 and p = 5, their difference through the identity.
    Set(network, {{"w2", 10}, {"b1", 5}, {"b2", -5}, {"v2", -10}});
    *network.Function("f1") = TransferKind::LogisticSigmoid;
    *network.Function("f2") = TransferKind::LogisticSigmoid;
    const auto logistic = [](double x) { return 1 / (1 + std::exp(-x)); };
    for (const double p : {-10.0, -5.0, -0.3, 0.0, 2.5, 10.0}) {
        SCOPED_TRACE(p);
        const Network at = network.EvaluatedAt(p);
        EXPECT_EQ(at.Value("p"), p);
        EXPECT_EQ(at.OutputNeuron().Input(0), at.Hidden(0).Output());
        EXPECT_EQ(at.OutputNeuron().Input(1), at.Hidden(1).Output());
        EXPECT_NEAR(network.OutputAt(p), logistic(p + 5) - logistic(p - 5), 1e-14);
    }
    EXPECT_EQ(network.Input(), SliderNumber(3, SliderScale::Tenths));
    EXPECT_EQ(network.Value("a"), a1);
}

// Every name a model lists is set and read back as its own number; results and other names are refused.
TEST(NamedValues, EveryListedNameHoldsItsOwnNumber)
{
    Neuron one(1);
    Neuron two(2);
    Network network;
    NamedValues* models[] = {&one, &two, &network};
    for (NamedValues* model : models) {
        double number = 1;
        for (const std::string_view name : model->ValueNames())
            EXPECT_TRUE(model->SetValue(name, number++)) << name;
        number = 1;
        for (const std::string_view name : model->ValueNames())
            EXPECT_EQ(model->Value(name), number++) << name;
        for (const std::string_view name : model->ResultNames()) {
            EXPECT_FALSE(model->SetValue(name, 9)) << name;
            EXPECT_EQ(model->Value(name), 0) << name;
        }
        for (const std::string_view name : model->FunctionNames())
            ASSERT_NE(model->Function(name), nullptr) << name;
        for (const char* other : {"", "x", "p3", "w0", "f4", "P", "functia"}) {
            EXPECT_FALSE(model->SetValue(other, 1)) << other;
            EXPECT_FALSE(model->Value(other)) << other;
            EXPECT_EQ(model->Function(other), nullptr) << other;
        }
    }
    EXPECT_EQ(std::vector<std::string_view>(two.ValueNames().begin(), two.ValueNames().end()),
              (std::vector<std::string_view>{"p1", "p2", "w1", "w2", "b"}));
    // The network's p is both hidden neurons' input; v1 and v2 weigh the hidden outputs.
    EXPECT_EQ(network.Hidden(1).Input(0), 1);
    EXPECT_EQ(network.OutputNeuron().Weight(1), 7);
    *network.Function("f3") = TransferKindNamed("logistic");
    EXPECT_EQ(network.OutputNeuron().TransferFunction(), TransferKind::LogisticSigmoid);
    EXPECT_EQ(TransferKindNamed("tanh"), TransferKind::HyperbolicTangent);
    EXPECT_EQ(TransferKindNamed("Identitate"), std::nullopt);
}

}  // namespace
