// The windows' models against the windows: what a model predicts for another input, without a slider moving, is
// exactly what the window computes and shows once the slider gets there.
#include "ScreenDriver.h"

#include "neuron/screens/TForm1.h"
#include "neuron/screens/TForm3.h"

namespace rna::neuron::test {
namespace {

TEST(ScreenModel, TheSingleNeuronAtAnotherInputIsWhatTheWindowShowsThere)
{
    ScreenDriver screen("Form1");
    screen.pick("ComboBox1", 1);
    screen.moveSlider("TrackBar2", 7);
    screen.moveSlider("TrackBar3", 2);
    const Neuron model = Form1->model();
    for (const int position : {37, 0, 13, 50}) {
        SCOPED_TRACE(position);
        const Neuron predicted = model.EvaluatedWith(0, SliderNumber(position, SliderScale::Tenths));
        screen.moveSlider("TrackBar1", position);
        EXPECT_EQ(Form1->model().Output(), predicted.Output());
        EXPECT_EQ(screen.caption("Label19"), FormatFixed(predicted.Net(), 4, 2));
        EXPECT_EQ(screen.caption("Label24"), FormatFixed(predicted.Output(), 8, 4));
    }
}

// The hidden outputs reach the output neuron as the stored numbers in the model as in the window.
TEST(ScreenModel, TheNetworkAtAnotherInputIsWhatTheWindowShowsThere)
{
    ScreenDriver screen("Form3");
    screen.pick("ComboBox1", 1);
    screen.pick("ComboBox2", 2);
    screen.pick("ComboBox3", 1);
    for (const auto& [slider, position] : {std::pair{"TrackBar2", 7},
                                           {"TrackBar3", -4},
                                           {"TrackBar5", 1},
                                           {"TrackBar6", 9},
                                           {"TrackBar7", -6},
                                           {"TrackBar8", -1}})
        screen.moveSlider(slider, position);
    const Network model = Form3->model();
    for (const int position : {50, 23, 0, 3}) {
        SCOPED_TRACE(position);
        const Network predicted = model.EvaluatedAt(SliderNumber(position, SliderScale::Tenths));
        screen.moveSlider("TrackBar1", position);
        EXPECT_EQ(Form3->model().OutputNeuron().Input(0), predicted.Hidden(0).Output());
        EXPECT_EQ(Form3->model().OutputNeuron().Input(1), predicted.Hidden(1).Output());
        EXPECT_EQ(screen.editText("Edit1"), FormatGeneral(predicted.Hidden(0).Output()));
        EXPECT_EQ(screen.editText("Edit2"), FormatGeneral(predicted.Hidden(1).Output()));
        EXPECT_EQ(screen.caption("Label31"), FormatFixed(predicted.OutputNeuron().Net(), 6, 4));
        EXPECT_EQ(screen.caption("Label30"), FormatFixed(predicted.OutputNeuron().Output(), 6, 4));
    }
}

}  // namespace
}  // namespace rna::neuron::test
