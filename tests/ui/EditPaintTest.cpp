// Edit box painting: a box that covers its rectangle lets the window skip painting beneath it.
#include "RecordingForm.h"
#include "ui/TEdit.h"

#include <QImage>
#include <functional>
#include <gtest/gtest.h>

using namespace rna::ui;
using rna::ui::test::describeWindow;
using rna::ui::test::RecordingForm;
using rna::ui::test::showActive;

namespace {

// Each row changes a loaded box (frameless, button face) to the state given, over a window of a colour
// nothing else uses: where the box says it covers its rectangle, no pixel of the window shows inside it.
struct CoverCase {
    const char* name;
    bool opaque;
    std::function<void(TEdit&)> change;
};

class EditCover : public ::testing::TestWithParam<CoverCase> {};

TEST_P(EditCover, PaintsOverTheWholeWindowBeneathWhenItSaysSo)
{
    const CoverCase& c = GetParam();
    RecordingForm form;
    form.load(describeWindow("{\"kind\": \"TEdit\", \"name\": \"Edit1\", \"bounds\": [10, 10, 33, 15], "
                             "\"properties\": {\"Text\": \"0,5\", \"BorderStyle\": \"bsNone\", "
                             "\"Color\": \"clBtnFace\"}}"));
    form.setColor(clFuchsia);
    TEdit& edit = form.control<TEdit>("Edit1");
    ASSERT_TRUE(showActive(form));
    ASSERT_TRUE(edit.testAttribute(Qt::WA_OpaquePaintEvent)) << "as loaded";
    c.change(edit);

    EXPECT_EQ(edit.testAttribute(Qt::WA_OpaquePaintEvent), c.opaque);
    const QImage picture = form.grab().toImage();
    int windowPixels = 0;
    const QRect box = edit.geometry();
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            windowPixels += picture.pixelColor(x, y) == QColor(255, 0, 255);
    if (c.opaque)
        EXPECT_EQ(windowPixels, 0);
    else
        EXPECT_GT(windowPixels, 0) << "the window shows through where the box leaves it";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EditCover,
    ::testing::Values(CoverCase{"Loaded", true, [](TEdit&) {}},
                      CoverCase{"OtherColour", true, [](TEdit& e) { e.setColor(clYellow); }},
                      CoverCase{"Focused", true, [](TEdit& e) { e.setFocus(); }},
                      CoverCase{"Disabled", true, [](TEdit& e) { e.setEnabled(false); }},
                      CoverCase{"Resized", true, [](TEdit& e) { e.resize(20, 10); }},
                      CoverCase{"Framed", false, [](TEdit& e) { e.setBorderStyle(TEditBorderStyle::bsSingle); }},
                      CoverCase{"FramedWhileHidden", false,
                                [](TEdit& e) {
                                    e.hide();
                                    e.setBorderStyle(TEditBorderStyle::bsSingle);
                                    e.show();
                                }},
                      CoverCase{"FramelessAgainWhileHidden", true,
                                [](TEdit& e) {
                                    e.setBorderStyle(TEditBorderStyle::bsSingle);
                                    e.hide();
                                    e.setBorderStyle(TEditBorderStyle::bsNone);
                                    e.show();
                                }},
                      CoverCase{"SeeThroughColour", false,
                                [](TEdit& e) {
                                    QPalette palette = e.palette();
                                    palette.setColor(QPalette::Base, QColor(255, 255, 255, 0));
                                    e.setPalette(palette);
                                }},
                      CoverCase{"StyleSheetWithoutBackground", false,
                                [](TEdit& e) { e.setStyleSheet("background: transparent; border: none;"); }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
