#include "RecordingControl.h"

#include "platform/ui/Bitmap.h"
#include "platform/ui/Panel.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

struct FrameCase {
    const char* Name;
    TBevelCut Outer;
    TBevelCut Inner;
    int BorderWidth;
    int Inset; // of the client area for aligned children
    TColor TopLeft;
    TColor BottomRight;
};

class PanelFrame : public ::testing::TestWithParam<FrameCase> {};

TEST_P(PanelFrame, BevelsFrameTheFaceAndNarrowTheClientArea) {
    const FrameCase& c = GetParam();
    auto form = std::make_unique<TestForm>(nullptr);
    auto* panel = new TPanel(form.get());
    panel->SetParent(form.get());
    panel->SetBounds(0, 0, 100, 60);
    panel->SetColor(clYellow);
    panel->SetBevelOuter(c.Outer);
    panel->SetBevelInner(c.Inner);
    panel->SetBorderWidth(c.BorderWidth);
    auto* child = new TPanel(form.get());
    child->SetParent(panel);
    child->SetAlign(alClient);
    child->SetBevelOuter(bvNone);
    child->SetColor(clYellow);
    TBitmap bitmap(100, 60);

    panel->PaintTo(bitmap.Canvas(), 0, 0);

    EXPECT_EQ(child->BoundsRect(), Rect(c.Inset, c.Inset, 100 - c.Inset, 60 - c.Inset));
    EXPECT_EQ(bitmap.Pixel(0, 0), ColorToRGB(c.TopLeft));
    EXPECT_EQ(bitmap.Pixel(99, 59), ColorToRGB(c.BottomRight));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PanelFrame,
    ::testing::Values(FrameCase{"Flat", bvNone, bvNone, 0, 0, clYellow, clYellow},
                      FrameCase{"Raised", bvRaised, bvNone, 0, 1, clBtnHighlight, clBtnShadow},
                      FrameCase{"Lowered", bvLowered, bvNone, 0, 1, clBtnShadow, clBtnHighlight},
                      FrameCase{"RaisedWithBorder", bvRaised, bvLowered, 2, 4, clBtnHighlight,
                                clBtnShadow}),
    [](const ::testing::TestParamInfo<FrameCase>& info) { return std::string(info.param.Name); });

TEST(Panel, TitleAndButtonPanelsFrameTheClientPanel) {
    auto form = std::make_unique<TestForm>(nullptr);
    form->SetClientHeight(337);
    auto make = [&](TAlign align, int height) {
        auto* panel = new TPanel(form.get());
        panel->SetParent(form.get());
        panel->SetHeight(height);
        panel->SetAlign(align);
        return panel;
    };
    TPanel* title = make(alTop, 69);
    TPanel* buttons = make(alBottom, 40);
    TPanel* body = make(alClient, 10);
    EXPECT_EQ(title->BoundsRect(), Rect(0, 0, 200, 69));
    EXPECT_EQ(buttons->BoundsRect(), Rect(0, 297, 200, 337));
    EXPECT_EQ(body->BoundsRect(), Rect(0, 69, 200, 297));
}

} // namespace
