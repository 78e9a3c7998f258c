#include "grid/foundation/ArrowWindow.h"
#include "grid/foundation/GridFocusWindow.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Form.h"
#include "platform/ui/PopupWindow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

std::unique_ptr<TForm> MakeForm() {
    auto form = std::make_unique<TForm>(nullptr);
    form->SetClientWidth(200);
    form->SetClientHeight(100);
    return form;
}

} // namespace

TEST(ArrowWindow, EachDirectionHasItsOutlineAndTip) {
    struct Case {
        TArrowDirection Dir;
        TPoint Tip;
        TPoint Tail;
    };
    for (Case c : {Case{arrUp, {5, 0}, {5, 8}}, Case{arrDown, {5, 8}, {5, 0}},
                   Case{arrLeft, {8, 5}, {0, 5}}, Case{arrRight, {0, 5}, {7, 5}}}) {
        auto form = MakeForm();
        auto* arrow = new TArrowWindow(form.get(), c.Dir);
        const TArrowWindow::TArrowOutline& outline = arrow->Arrow();
        EXPECT_EQ(outline, TArrowWindow::ArrowOutline(c.Dir));
        EXPECT_NE(std::find(outline.begin(), outline.end(), c.Tip), outline.end())
            << "direction " << c.Dir;
        arrow->SetBounds(0, 0, 11, 11);
        EXPECT_TRUE(WindowRegionContains(arrow, c.Tail)) << "direction " << c.Dir;
        EXPECT_FALSE(WindowRegionContains(arrow, {0, 0})) << "the corners are cut away";
    }
}

TEST(ArrowWindow, IsAHiddenGreenPopupOfItsOwner) {
    auto form = MakeForm();
    auto* arrow = new TArrowWindow(form.get(), arrDown);
    EXPECT_EQ(arrow->Dir(), arrDown);
    EXPECT_EQ(arrow->Owner(), form.get());
    EXPECT_EQ(arrow->Parent(), form.get());
    EXPECT_FALSE(arrow->Visible());
    EXPECT_EQ(arrow->Color(), clLime);
    EXPECT_TRUE(IsPopupWindow(arrow));
    EXPECT_EQ(PopupWindowOptions(arrow), TPopupWindowOptions{});
}

TEST(ArrowWindow, PaintsItsWholeWindowInItsColour) {
    auto form = MakeForm();
    auto* arrow = new TArrowWindow(form.get(), arrUp);
    arrow->SetBounds(0, 0, 11, 10);
    // The region is the window system's to apply; without it the painting shows whole.
    SetWindowRegion(arrow, {});
    TBitmap shot(11, 10);
    arrow->PaintTo(shot.Canvas(), 0, 0);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 11; ++x)
            ASSERT_EQ(shot.Pixel(x, y), clLime) << x << "," << y;
}

TEST(ArrowWindow, KeepsItsShapeUnderANewParent) {
    auto form = MakeForm();
    auto other = MakeForm();
    auto* arrow = new TArrowWindow(form.get(), arrRight);
    arrow->SetBounds(0, 0, 11, 11);
    arrow->SetParent(other.get());
    EXPECT_TRUE(IsPopupWindow(arrow));
    EXPECT_FALSE(WindowRegionContains(arrow, {8, 0}));
    EXPECT_TRUE(WindowRegionContains(arrow, {2, 5}));
}

TEST(GridFocusWindow, IsAnEmptyRedTopMostToolWindowThatTakesNoInput) {
    auto form = MakeForm();
    auto* focus = new TGridFocusWindow(form.get());
    EXPECT_EQ(focus->Width(), 0);
    EXPECT_EQ(focus->Height(), 0);
    EXPECT_EQ(focus->Color(), clRed);
    const TPopupWindowOptions expected{pwoToolWindow, pwoTopMost, pwoDisabled};
    EXPECT_EQ(PopupWindowOptions(focus), expected);

    focus->SetParent(form.get());
    EXPECT_EQ(PopupWindowOptions(focus), expected) << "still a popup under its parent";
    focus->SetBounds(0, 0, 5, 4);
    TBitmap shot(5, 4);
    focus->PaintTo(shot.Canvas(), 0, 0);
    EXPECT_EQ(shot.Pixel(4, 3), clRed);
}
