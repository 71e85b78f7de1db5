// Labels and pictures: auto size, painting by the window in description order, transparency, OnClick.
#include "RecordingForm.h"
#include "tests/common/Enlargement.h"
#include "ui/EmbeddedImage.h"
#include "ui/TImage.h"
#include "ui/TLabel.h"

#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

using namespace rna::ui;
using rna::ui::test::describeWindow;
using rna::ui::test::RecordingForm;

namespace {

QByteArray label(const char* name, const char* bounds, const QByteArray& properties = "{}")
{
    return QByteArray("{\"kind\": \"TLabel\", \"name\": \"") + name + "\", \"bounds\": " + bounds +
           ", \"properties\": " + properties + "}";
}

// The window face is the narrow cut (the layouts' texts need its widths), the charts' "Arial" the regular one.
TEST(Font, TheWindowFaceIsMappedWithFullHinting)
{
    const QFont font = TFont{}.toQFont();
    EXPECT_EQ(QFontInfo(font).family(), "Liberation Sans Narrow");
    EXPECT_EQ(font.pixelSize(), 11);
    EXPECT_EQ(font.hintingPreference(), QFont::PreferFullHinting);
    const QFontMetrics metrics(font);
    EXPECT_LE(metrics.lineSpacing(), 13);  // the memos' lines were laid out 13 pixels apart
    EXPECT_EQ(QFontInfo(TFont{QStringLiteral("Arial")}.toQFont()).family(), "Liberation Sans");
}

struct AutoSizeCase {
    const char* name;
    QByteArray properties;
    QString newCaption;
    // Expectations on the new bounds relative to the old.
    bool leftFixed;
    bool rightFixed;
    bool widthGrows;
    int height;  // -1: not checked
};

class LabelAutoSize : public ::testing::TestWithParam<AutoSizeCase> {};

TEST_P(LabelAutoSize, KeepsTheRightEdgeFixed)
{
    const AutoSizeCase& c = GetParam();
    RecordingForm form;
    form.load(describeWindow(label("Label1", "[100, 50, 8, 13]", c.properties)));
    TLabel& l = form.control<TLabel>("Label1");
    const QRect before = l.boundsRect();
    l.setCaption(c.newCaption);
    const QRect after = l.boundsRect();
    if (c.leftFixed) {
        EXPECT_EQ(after.left(), before.left());
    }
    if (c.rightFixed) {
        EXPECT_EQ(after.right(), before.right());
    }
    EXPECT_EQ(after.width() > before.width(), c.widthGrows);
    if (c.height >= 0) {
        EXPECT_EQ(after.height(), c.height);
    }
    EXPECT_EQ(after.top(), before.top());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LabelAutoSize,
    ::testing::Values(
        AutoSizeCase{"GrowsToTheRight", "{\"Caption\": \"0\"}", "-12.25", true, false, true, 12},
        AutoSizeCase{"RightAlignedGrowsToTheLeft", "{\"Caption\": \"0\", \"Alignment\": \"taRightJustify\"}", "-12.25",
                     false, true, true, 12},
        AutoSizeCase{"EmptyKeepsOneLine", "{\"Caption\": \"0\"}", "", true, false, false, 12},
        AutoSizeCase{"TwoLines", "{\"Caption\": \"0\"}", "0\n0", true, false, false, 24},
        AutoSizeCase{"FixedSizeStays", "{\"Caption\": \"0\", \"AutoSize\": false}", "-12.25", true, true, false, 13},
        AutoSizeCase{"WrapKeepsWidthGrowsDown", "{\"Caption\": \"x\", \"WordWrap\": true, \"AutoSize\": true}",
                     "MARIMEA DE IESIRE DIN NEURON", true, true, false, 60}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Label, LoadingSizesTheLabelToItsCaption)
{
    RecordingForm form;
    form.load(describeWindow(
        label("Label4", "[408, 304, 120, 13]", "{\"Caption\": \"FUNCTIA DE ACTIVARE\"}") + "," +
        label("Label16", "[88, 245, 8, 13]", "{\"Caption\": \"0\", \"Font\": {\"Style\": [\"fsBold\"]}}")));
    EXPECT_EQ(form.control<TLabel>("Label4").width(),
              QFontMetrics(TFont{}.toQFont()).horizontalAdvance(QStringLiteral("FUNCTIA DE ACTIVARE")));
    EXPECT_EQ(form.control<TLabel>("Label4").height(), 12);
    const TLabel& bold = form.control<TLabel>("Label16");
    EXPECT_TRUE(bold.tfont().bold);
    EXPECT_EQ(bold.tfont().height, -11) << "fields not given keep the window's font";
}

TEST(Label, AWrappingLabelSizesWithinItsDescribedWidth)
{
    RecordingForm form;
    form.load(describeWindow(label("Label2", "[136, 262, 62, 26]",
                                   "{\"Caption\": \"PONDEREA CONEXIUNII\", \"Alignment\": \"taCenter\", "
                                   "\"WordWrap\": true}")));
    const TLabel& l = form.control<TLabel>("Label2");
    EXPECT_EQ(l.boundsRect(), QRect(136, 262, 62, 24)) << "two lines of 12 in its own width";
}

QImage render(QWidget& form)
{
    form.show();
    return form.grab().toImage();
}

TEST(Label, OpaqueFillsItsRectangleTransparentDoesNot)
{
    RecordingForm form;
    form.load(describeWindow(
        label("Opaque", "[10, 10, 40, 20]", "{\"Caption\": \" \", \"AutoSize\": false, \"Color\": \"clRed\"}") + "," +
        label("Clear", "[60, 10, 40, 20]",
              "{\"Caption\": \" \", \"AutoSize\": false, \"Color\": \"clRed\", \"Transparent\": true}")));
    const QImage image = render(form);
    EXPECT_EQ(image.pixelColor(30, 20), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(80, 20), toQColor(clBtnFace));
}

TEST(Label, ParentColourIsTheWindowsColour)
{
    RecordingForm form;
    form.load(describeWindow(label("L", "[10, 10, 40, 20]", "{\"Caption\": \" \", \"AutoSize\": false}")));
    form.setColor(clTeal);
    EXPECT_EQ(form.control<TLabel>("L").color(), clTeal);
    EXPECT_EQ(render(form).pixelColor(20, 20), QColor(0, 0x80, 0x80));
}

TEST(Label, ClickGoesToTheTopmostLabelAndNeedsPressAndReleaseInside)
{
    RecordingForm form({"Click1", "Click2"});
    form.load(describeWindow("{\"kind\": \"TLabel\", \"name\": \"Under\", \"bounds\": [10, 10, 50, 20], "
                             "\"properties\": {\"AutoSize\": false}, "
                             "\"events\": {\"OnClick\": \"Click1\"}},"
                             "{\"kind\": \"TLabel\", \"name\": \"Over\", \"bounds\": [40, 10, 50, 20], \"properties\": "
                             "{\"AutoSize\": false}, "
                             "\"events\": {\"OnClick\": \"Click2\"}}"));
    form.show();
    QTest::mouseClick(&form, Qt::LeftButton, {}, QPoint(20, 15));
    QTest::mouseClick(&form, Qt::LeftButton, {}, QPoint(50, 15));  // both: the later one is on top
    QTest::mouseClick(&form, Qt::RightButton, {}, QPoint(20, 15));
    QTest::mousePress(&form, Qt::LeftButton, {}, QPoint(20, 15));
    QTest::mouseRelease(&form, Qt::LeftButton, {}, QPoint(200, 200));
    EXPECT_EQ(form.log, QStringList({"Click1(Under)", "Click2(Over)"}));
}

QImage silverPicture(QPoint red = QPoint(1, 1))
{
    // 4 x 4, silver background, a red pixel at (1, 1) unless told otherwise, bottom-left silver.
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(QColor(0xC0, 0xC0, 0xC0));
    image.setPixelColor(red, Qt::red);
    return image;
}

struct PictureCase {
    const char* name;
    bool transparent, stretch, center;
    QPoint probe;
    QColor expected;  // invalid: the window colour
};

class Picture : public ::testing::TestWithParam<PictureCase> {};

TEST_P(Picture, PaintsWithTransparencyStretchAndCentre)
{
    const PictureCase& c = GetParam();
    RecordingForm form;
    form.load(describeWindow("{\"kind\": \"TImage\", \"name\": \"Image1\", \"bounds\": [20, 20, 8, 8]}"));
    TImage& image = form.control<TImage>("Image1");
    image.setPicture(silverPicture());
    image.setTransparent(c.transparent);
    image.setStretch(c.stretch);
    image.setCenter(c.center);
    const QColor expected = c.expected.isValid() ? c.expected : toQColor(clBtnFace);
    EXPECT_EQ(render(form).pixelColor(c.probe + QPoint(20, 20)), expected);
}

const QColor kSilver(0xC0, 0xC0, 0xC0);
const QColor kRed(255, 0, 0);

INSTANTIATE_TEST_SUITE_P(
    Cases, Picture,
    ::testing::Values(PictureCase{"OpaqueBackground", false, false, false, {0, 0}, kSilver},
                      PictureCase{"TransparentBackground", true, false, false, {0, 0}, QColor()},
                      PictureCase{"TransparentKeepsOtherColours", true, false, false, {1, 1}, kRed},
                      PictureCase{"NotCoveredStaysUnpainted", false, false, false, {6, 6}, QColor()},
                      PictureCase{"StretchScalesPicture", false, true, false, {3, 3}, kRed},
                      PictureCase{"StretchScalesMask", true, true, false, {6, 6}, QColor()},
                      PictureCase{"CentreMovesPicture", false, false, true, {3, 3}, kRed},
                      PictureCase{"CentreLeavesEdge", false, false, true, {0, 0}, QColor()}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Picture, TransparentColourIsTheBottomLeftPixel)
{
    RecordingForm form;
    TImage image(form);
    QImage picture = silverPicture();
    picture.setPixelColor(0, 3, Qt::blue);
    image.setPicture(picture);
    EXPECT_EQ(image.transparentColor(), QColor(Qt::blue));
}

// The transparent copy of a picture is made when first painted; a later picture or Transparent change must not
// paint the copy of what was there before.
TEST(Picture, PaintsTheCurrentPictureAfterChangesBetweenPaints)
{
    RecordingForm form;
    form.load(describeWindow("{\"kind\": \"TImage\", \"name\": \"Image1\", \"bounds\": [20, 20, 8, 8]}"));
    TImage& image = form.control<TImage>("Image1");
    image.setTransparent(true);
    image.setPicture(silverPicture());
    EXPECT_EQ(render(form).pixelColor(21, 21), kRed);

    image.setPicture(silverPicture(QPoint(2, 2)));
    QImage painted = render(form);
    EXPECT_EQ(painted.pixelColor(21, 21), toQColor(clBtnFace)) << "the red pixel of the earlier picture";
    EXPECT_EQ(painted.pixelColor(22, 22), kRed);

    image.setTransparent(false);
    EXPECT_EQ(render(form).pixelColor(21, 21), kSilver);
    image.setTransparent(true);
    EXPECT_EQ(render(form).pixelColor(21, 21), toQColor(clBtnFace));
}

// A stretched picture is kept scaled to the control's size between paints; a new size or picture must not paint the
// scaled copy of what was there before.
TEST(Picture, AStretchedPictureFollowsItsSizeAndPicture)
{
    RecordingForm form;
    form.load(describeWindow("{\"kind\": \"TImage\", \"name\": \"Image1\", \"bounds\": [20, 20, 8, 8]}"));
    TImage& image = form.control<TImage>("Image1");
    image.setStretch(true);
    image.setPicture(silverPicture());
    EXPECT_EQ(render(form).pixelColor(23, 23), kRed);  // twice the size: the red pixel covers 2..3

    image.setBounds(QRect(20, 20, 12, 12));  // three times: 3..5
    QImage painted = render(form);
    EXPECT_EQ(painted.pixelColor(25, 25), kRed);
    EXPECT_EQ(painted.pixelColor(22, 22), kSilver);

    image.setPicture(silverPicture(QPoint(2, 2)));  // red at 6..8
    painted = render(form);
    EXPECT_EQ(painted.pixelColor(25, 25), kSilver);
    EXPECT_EQ(painted.pixelColor(27, 27), kRed);
}

// A picture named in a description is decoded only when first needed; its control is sized from the file's header
// before that, and what is painted and returned is the whole decoded file.
TEST(Picture, ADescribedPictureIsSizedAtOnceAndPaintedWhole)
{
    RecordingForm form;
    form.load(describeWindow("{\"kind\": \"TImage\", \"name\": \"Image1\", \"bounds\": [4, 6, 10, 10], "
                             "\"properties\": {\"AutoSize\": true, \"Picture\": \"ui/bkOK.bmp\"}}"));
    const TImage& image = form.control<TImage>("Image1");
    EXPECT_EQ(image.boundsRect(), QRect(4, 6, 36, 18));
    const QImage expected = ReadEmbeddedImage(QStringLiteral(":/assets/ui/bkOK.bmp"));
    const QImage painted = render(form);
    int differing = 0;
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x)
            differing += painted.pixel(x + 4, y + 6) != expected.pixel(x, y);
    EXPECT_EQ(differing, 0);
    EXPECT_EQ(image.picture(), expected);
}

// The window painted onto an image of `ratio` device pixels to each of the window's own.
QImage renderAt(QWidget& form, double ratio)
{
    form.show();
    QImage image(qRound(form.width() * ratio), qRound(form.height() * ratio), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    form.render(&image);
    return image;
}

// On a screen of two device pixels to each of the window's, a described picture is the one its file was drawn
// at twice the size, pixel for pixel, its transparent colour showing the window; at 1.5 it is that picture
// scaled down smoothly, not the picture enlarged by repeating its rows and columns.
TEST(Picture, AtADevicePixelRatioTheLargerDrawingOfThePictureIsShown)
{
    RecordingForm form;
    form.load(describeWindow("{\"kind\": \"TImage\", \"name\": \"Image1\", \"bounds\": [0, 0, 565, 244], "
                             "\"properties\": {\"Picture\": \"pictures/form2-diagram.bmp\", \"Transparent\": true}}"));
    form.setClientSize(600, 260);
    const QImage twice = ReadEmbeddedImage(QStringLiteral(":/assets/pictures/form2-diagram@2x.png"));
    ASSERT_EQ(twice.size(), QSize(1130, 488));
    const QImage painted = renderAt(form, 2);
    const QRgb window = toQColor(clBtnFace).rgb();
    const QRgb silver = twice.pixel(0, twice.height() - 1);
    int differing = 0;
    for (int y = 0; y < twice.height(); ++y)
        for (int x = 0; x < twice.width(); ++x)
            differing += painted.pixel(x, y) != (twice.pixel(x, y) == silver ? window : twice.pixel(x, y));
    EXPECT_EQ(differing, 0);

    const QImage smaller = renderAt(form, 1.5);
    EXPECT_EQ(smaller.pixel(0, smaller.height() - 1), window);
    EXPECT_FALSE(rna::test::RepeatsLikeAnEnlargement(smaller, QRect(0, 0, 847, 366), 1.5));
    EXPECT_FALSE(rna::test::RepeatsLikeAnEnlargement(smaller, QRect(0, 0, 847, 366), 1.5, true));
}

TEST(Painting, GraphicControlsInDescriptionOrderBeneathWindowedControls)
{
    RecordingForm form;
    form.load(describeWindow(label("Red", "[10, 10, 40, 40]", "{\"AutoSize\": false, \"Color\": \"clRed\"}") + "," +
                             label("Blue", "[30, 10, 40, 40]", "{\"AutoSize\": false, \"Color\": \"clBlue\"}") + "," +
                             "{\"kind\": \"TEdit\", \"name\": \"Edit1\", \"bounds\": [0, 0, 20, 20], "
                             "\"properties\": {\"Color\": \"clLime\", \"BorderStyle\": \"bsNone\"}}"));
    const QImage image = render(form);
    EXPECT_EQ(image.pixelColor(20, 30), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(40, 30), QColor(0, 0, 255)) << "the later label is painted over the earlier";
    EXPECT_EQ(image.pixelColor(15, 15), QColor(0, 255, 0)) << "the edit box lies above the labels";
}

}  // namespace
