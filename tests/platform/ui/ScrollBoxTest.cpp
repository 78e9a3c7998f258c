#include "RecordingControl.h"

#include "platform/ui/Panel.h"
#include "platform/ui/ScrollBox.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// A 100 x 100 box holding a panel that reaches down to 300.
class ScrollBoxTest : public ::testing::Test {
protected:
    ScrollBoxTest()
        : Form(std::make_unique<TestForm>(nullptr)), Box(new TScrollBox(Form.get())),
          Inner(new TPanel(Form.get())) {
        Box->SetParent(Form.get());
        Box->SetBounds(0, 0, 100, 100);
        Inner->SetParent(Box);
        Inner->SetBounds(0, 200, 50, 100);
        Box->Realign();
    }

    TControlScrollBar* Vert() const { return Box->VertScrollBar(); }

    std::unique_ptr<TestForm> Form;
    TScrollBox* Box;
    TPanel* Inner;
};

TEST_F(ScrollBoxTest, RangeFollowsTheChildren) {
    EXPECT_EQ(Vert()->Range(), 300);
    EXPECT_TRUE(Vert()->IsScrollBarVisible());
    EXPECT_FALSE(Box->HorzScrollBar()->IsScrollBarVisible());
    EXPECT_LT(Box->ClientWidth(), 100) << "the bar takes its width from the client area";
}

TEST_F(ScrollBoxTest, ScrollingMovesTheChildren) {
    Box->Perform(WM_VSCROLL, SB_PAGEDOWN);
    EXPECT_EQ(Vert()->Position(), 100);
    EXPECT_EQ(Inner->Top(), 100);
    Vert()->SetPosition(1000);
    EXPECT_EQ(Vert()->Position(), 200) << "clamped to the range less the visible part";
    EXPECT_EQ(Inner->Top(), 0);
}

TEST_F(ScrollBoxTest, ScrollInViewBringsAChildIn) {
    Box->ScrollInView(Inner);
    EXPECT_GE(Inner->Top(), 0);
    EXPECT_LE(Inner->Top() + Inner->Height(), Box->ClientHeight());
    Vert()->SetPosition(0);
    EXPECT_EQ(Inner->Top(), 200);
}

TEST_F(ScrollBoxTest, ExplicitRangeEndsTheAutomaticOne) {
    Vert()->SetRange(50);
    EXPECT_FALSE(Box->AutoScroll());
    EXPECT_FALSE(Vert()->IsScrollBarVisible());
    EXPECT_EQ(Vert()->Position(), 0);
}

} // namespace
