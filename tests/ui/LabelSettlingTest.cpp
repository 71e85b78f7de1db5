// A label on a hidden window measures its caption only when needed: whatever sequence of changes it went
// through, it must end with the bounds and pixels of a label on a shown window, which measures at once.
#include "RecordingForm.h"
#include "ui/TLabel.h"

#include <QImage>
#include <QPainter>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

using namespace rna::ui;
using rna::ui::test::describeWindow;
using rna::ui::test::RecordingForm;

namespace {

using Step = std::function<void(TLabel&)>;

Step caption(const char* text)
{
    return [text](TLabel& l) { l.setCaption(QString::fromUtf8(text)); };
}
Step align(TAlignment alignment)
{
    return [alignment](TLabel& l) { l.setAlignment(alignment); };
}
Step wrap(bool on)
{
    return [on](TLabel& l) { l.setWordWrap(on); };
}
Step autoSize(bool on)
{
    return [on](TLabel& l) { l.setAutoSize(on); };
}
Step bounds(QRect rect)
{
    return [rect](TLabel& l) { l.setBounds(rect); };
}
Step bold(int height)
{
    return [height](TLabel& l) {
        TFont font = l.tfont();
        font.bold = true;
        font.height = height;
        l.setTFont(font);
    };
}
Step accel(bool on)
{
    return [on](TLabel& l) { l.setShowAccelChar(on); };
}

struct SettlingCase {
    const char* name;
    std::vector<Step> steps;
};

QImage paintOf(const TLabel& l)
{
    QImage image(l.width(), l.height(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setClipRect(image.rect());
    l.paint(painter);
    return image;
}

class LabelOnHiddenWindow : public ::testing::TestWithParam<SettlingCase> {};

TEST_P(LabelOnHiddenWindow, EndsAsALabelOnAShownWindow)
{
    const QByteArray description = describeWindow(
        "{\"kind\": \"TLabel\", \"name\": \"L\", \"bounds\": [100, 50, 30, 13], \"properties\": {\"Caption\": \"0\"}}");
    RecordingForm shown;
    shown.load(description);
    shown.show();
    RecordingForm hidden;
    hidden.load(description);
    TLabel& eager = shown.control<TLabel>("L");
    TLabel& lazy = hidden.control<TLabel>("L");
    for (const Step& step : GetParam().steps) {
        step(eager);
        step(lazy);
    }
    EXPECT_EQ(lazy.boundsRect(), eager.boundsRect());
    EXPECT_EQ(paintOf(lazy), paintOf(eager));
    // Showing the window afterwards changes nothing more.
    hidden.show();
    EXPECT_EQ(lazy.boundsRect(), eager.boundsRect());
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, LabelOnHiddenWindow,
    ::testing::Values(
        SettlingCase{"Captions", {caption("-12.25"), caption("0.5"), caption("MARIMEA")}},
        SettlingCase{"RightAlignedAfterSizing", {caption("-12.25"), align(TAlignment::taRightJustify), caption("0")}},
        SettlingCase{
            "LeftAlignedAfterSizing",
            {align(TAlignment::taRightJustify), caption("-12.25"), align(TAlignment::taLeftJustify), caption("0")}},
        SettlingCase{"WrapsWithinTheWidthTheCaptionGave",
                     {caption("MARIMEA DE IESIRE DIN NEURON"), wrap(true), caption("PONDEREA CONEXIUNII")}},
        SettlingCase{"FixedSizeAfterSizing", {caption("MARIMEA DE IESIRE"), autoSize(false), caption("0")}},
        SettlingCase{"ExplicitBoundsWin", {caption("MARIMEA DE IESIRE"), bounds(QRect(5, 6, 7, 8))}},
        SettlingCase{"BoundsThenSizing", {bounds(QRect(5, 6, 7, 8)), align(TAlignment::taRightJustify), caption("12")}},
        SettlingCase{"FontChanges", {caption("Ab&c"), bold(-16), caption("-1.5"), bold(-9), accel(false)}},
        SettlingCase{"FlagsSwitchedOften",
                     {caption("a&b c"), accel(false), wrap(true), accel(true), wrap(false), accel(false), wrap(true),
                      accel(true), wrap(false), align(TAlignment::taRightJustify), accel(false), wrap(true),
                      accel(true), wrap(false), caption("long caption text")}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
