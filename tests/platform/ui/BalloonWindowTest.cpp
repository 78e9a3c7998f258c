#include "RecordingControl.h"

#include "platform/ui/Application.h"
#include "platform/ui/BalloonWindow.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/HintWindow.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/internal/ControlImpl.h"
#include "platform/ui/internal/ControlWidget.h"

#include <QRegion>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

TPoint TipOf(const TBalloonLayout& layout) {
    return {layout.Window.Left + layout.Stem[2].X, layout.Window.Top + layout.Stem[2].Y};
}

bool Inside(const TRect& inner, const TRect& outer) {
    return inner.Left >= outer.Left && inner.Top >= outer.Top && inner.Right <= outer.Right &&
           inner.Bottom <= outer.Bottom;
}

struct BalloonTest : ::testing::Test {
    std::unique_ptr<TestForm> form = std::make_unique<TestForm>(nullptr);
    RecordingControl* tool = new RecordingControl(form.get(), form.get());
    TBalloonWindow* balloon = new TBalloonWindow(tool);
    std::vector<TPoint> asked;
    std::string answer = "Balloon text";

    void SetUp() override {
        tool->SetBounds(10, 10, 150, 80);
        balloon->OnGetText = [this](TBalloonWindow*, TPoint point, std::string& text) {
            asked.push_back(point);
            text = answer;
        };
    }
};

} // namespace

TEST(BalloonLayout, PointsTheStemAtTheTipAndStaysOnTheMonitor) {
    const TRect area = Rect(0, 0, 800, 600);
    struct Case {
        const char* What;
        TPoint Tip;
        bool StemUp;
    };
    const std::vector<Case> cases = {
        {"middle", {300, 200}, true},
        {"near the bottom", {300, 590}, false},
        {"near the right edge", {795, 100}, true},
        {"at the left edge", {0, 100}, true},
        {"bottom right corner", {799, 599}, false},
    };
    for (const Case& c : cases) {
        TBalloonLayout layout = LayoutBalloon(c.Tip, {60, 14}, true, {120, 30}, area);
        EXPECT_EQ(layout.StemUp, c.StemUp) << c.What;
        EXPECT_EQ(TipOf(layout), c.Tip) << c.What;
        EXPECT_TRUE(Inside(layout.Window, area)) << c.What;
        const TRect client = Rect(0, 0, layout.Window.Width(), layout.Window.Height());
        EXPECT_TRUE(Inside(layout.Body, client)) << c.What;
        for (const TRect& part : {layout.Icon, layout.Title, layout.Text})
            EXPECT_TRUE(Inside(part, layout.Body)) << c.What;
        EXPECT_LE(layout.Icon.Right, layout.Title.Left) << c.What;
        EXPECT_LE(layout.Title.Bottom, layout.Text.Top) << c.What;
        // The stem's base sits on the body's edge facing the tip.
        const int edge = c.StemUp ? layout.Body.Top : layout.Body.Bottom - 1;
        EXPECT_EQ(layout.Stem[0].Y, edge) << c.What;
        EXPECT_EQ(layout.Stem[1].Y, edge) << c.What;
    }
    TBalloonLayout middle = LayoutBalloon({300, 200}, {60, 14}, true, {120, 30}, area);
    EXPECT_EQ(middle.Window.Left, 300 - 16) << "the stem leaves near the body's left end";
}

TEST(BalloonLayout, LeavesOutTheMissingParts) {
    TBalloonLayout plain = LayoutBalloon({100, 100}, {}, false, {80, 14}, Rect(0, 0, 800, 600));
    EXPECT_TRUE(plain.Icon.IsEmpty());
    EXPECT_TRUE(plain.Title.IsEmpty());
    EXPECT_EQ(plain.Text.Top, plain.Body.Top + 8);
    EXPECT_EQ(plain.Body.Height(), 14 + 16);
}

TEST_F(BalloonTest, SettingsAndTheirLimits) {
    EXPECT_EQ(balloon->Owner(), tool);
    EXPECT_FALSE(balloon->Active());
    balloon->SetInitialDelay(10);
    balloon->SetReshowDelay(20);
    balloon->SetAutoPopDelay(30);
    EXPECT_EQ(balloon->InitialDelay(), 10);
    EXPECT_EQ(balloon->ReshowDelay(), 20);
    EXPECT_EQ(balloon->AutoPopDelay(), 30);
    balloon->SetInitialDelay(-1);
    balloon->SetReshowDelay(-1);
    balloon->SetAutoPopDelay(-1);
    EXPECT_EQ(balloon->InitialDelay(), TBalloonWindow::DefaultInitialDelay);
    EXPECT_EQ(balloon->ReshowDelay(), TBalloonWindow::DefaultReshowDelay);
    EXPECT_EQ(balloon->AutoPopDelay(), TBalloonWindow::DefaultAutoPopDelay);
    for (int icon : {-1, 4, 100}) {
        balloon->SetTitle(icon, "T");
        EXPECT_EQ(balloon->TitleIcon(), TTI_NONE) << icon;
    }
    balloon->SetTitle(TTI_ERROR, "Error");
    EXPECT_EQ(balloon->TitleIcon(), TTI_ERROR);
    EXPECT_EQ(balloon->Title(), "Error");
    balloon->SetAlpha(128);
    EXPECT_NEAR(TControlAccess::Widget(balloon)->windowOpacity(), 128 / 255.0, 0.01);
}

TEST_F(BalloonTest, PopupAsksForTheTextAndShowsItAtThePoint) {
    balloon->SetTitle(TTI_INFO, "Title");
    const TPoint point{200, 150};
    ASSERT_TRUE(balloon->Popup(point));
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0], point);
    EXPECT_TRUE(balloon->Active());
    EXPECT_EQ(balloon->TipText(), "Balloon text");
    EXPECT_EQ(balloon->BoundsRect(), balloon->Layout().Window);
    EXPECT_EQ(TipOf(balloon->Layout()), point);
    balloon->Pop();
    EXPECT_FALSE(balloon->Active());

    answer.clear();
    EXPECT_FALSE(balloon->Popup(point));
    EXPECT_FALSE(balloon->Active());
}

TEST_F(BalloonTest, LongTextWrapsAtTheMaximumWidth) {
    answer = std::string(30, 'x') + " " + std::string(30, 'y') + " " + std::string(30, 'z');
    ASSERT_TRUE(balloon->Popup({100, 100}));
    const int oneLine = balloon->Layout().Text.Height();
    balloon->SetMaxTipWidth(balloon->Canvas()->TextWidth(std::string(31, 'y')));
    ASSERT_TRUE(balloon->Popup({100, 100}));
    EXPECT_LE(balloon->Layout().Text.Width(), balloon->MaxTipWidth());
    EXPECT_GE(balloon->Layout().Text.Height(), 3 * oneLine);
}

TEST_F(BalloonTest, IsShapedLikeABalloonAndPaintsInItsColours) {
    balloon->SetTitle(TTI_WARNING, "Warning");
    balloon->SetTipBkColor(clYellow);
    balloon->SetTipTextColor(clBlue);
    ASSERT_TRUE(balloon->Popup({200, 150}));
    const TBalloonLayout& layout = balloon->Layout();
    const QRegion mask = TControlAccess::Widget(balloon)->mask();
    const TPoint tip = layout.Stem[2];
    EXPECT_TRUE(mask.contains(QPoint(tip.X + 2, tip.Y + 4))) << "the stem";
    EXPECT_FALSE(mask.contains(QPoint(layout.Window.Width() - 2, 2))) << "beside the stem";
    EXPECT_FALSE(mask.contains(QPoint(layout.Body.Left, layout.Body.Top))) << "a rounded corner";
    EXPECT_TRUE(mask.contains(QPoint(layout.Body.Left + 10, layout.Body.Top + 10)));

    TBitmap bitmap(layout.Window.Width(), layout.Window.Height());
    balloon->PaintTo(bitmap.Canvas(), 0, 0);
    EXPECT_EQ(bitmap.Pixel(layout.Body.Left + 3, layout.Body.Bottom - 4), clYellow);
    // The outline along the body's lower edge (its last row or the one above it).
    const int x = layout.Body.Left + 30;
    EXPECT_TRUE(bitmap.Pixel(x, layout.Body.Bottom - 1) == clBlue ||
                bitmap.Pixel(x, layout.Body.Bottom - 2) == clBlue);
    // The warning sign's fill and some text in the text colour.
    EXPECT_EQ(bitmap.Pixel(layout.Icon.Left + 8, layout.Icon.Bottom - 3), RGB(255, 204, 0));
    int textPixels = 0;
    for (int y = layout.Text.Top; y < layout.Text.Bottom; ++y)
        for (int x = layout.Text.Left; x < layout.Text.Right; ++x)
            textPixels += bitmap.Pixel(x, y) != clYellow;
    EXPECT_GT(textPixels, 5);
}

TEST_F(BalloonTest, RestingMouseShowsTheBalloonAndLeavingHidesIt) {
    form->Show();
    balloon->SetInitialDelay(0);
    balloon->SetReshowDelay(0);
    InputSimulation::MouseMove(tool, {30, 20});
    for (int i = 0; i < 20 && !balloon->Active(); ++i)
        Application->ProcessMessages();
    ASSERT_TRUE(balloon->Active());
    ASSERT_FALSE(asked.empty());
    EXPECT_EQ(asked.back(), tool->ClientToScreen({30, 20}));
    InputSimulation::MouseDown(tool, mbLeft, {30, 20});
    EXPECT_FALSE(balloon->Active());
    InputSimulation::MouseUp(tool, mbLeft, {30, 20});
    InputSimulation::MouseMove(tool, {40, 20});
    for (int i = 0; i < 20 && !balloon->Active(); ++i)
        Application->ProcessMessages();
    EXPECT_TRUE(balloon->Active());
    InputSimulation::MouseLeave(tool);
    EXPECT_FALSE(balloon->Active());
}

TEST_F(BalloonTest, GoesWithItsTool) {
    ASSERT_TRUE(balloon->Popup({50, 50}));
    delete tool;
    SUCCEED();
}

TEST(BalloonWithoutTool, ShowsOnlyWhenAsked) {
    TBalloonWindow balloon(nullptr);
    balloon.OnGetText = [](TBalloonWindow*, TPoint, std::string& text) { text = "Alone"; };
    EXPECT_TRUE(balloon.Popup({40, 40}));
    EXPECT_EQ(balloon.TipText(), "Alone");
}

TEST_F(BalloonTest, LeavingThePartTheBalloonBelongsToAsksAgain) {
    form->Show();
    balloon->SetInitialDelay(0);
    balloon->SetReshowDelay(0);
    // A balloon per 50 pixel column of the tool.
    balloon->OnGetText = [this](TBalloonWindow* sender, TPoint point, std::string& text) {
        const TPoint client = tool->ScreenToClient(point);
        const int column = client.X / 50;
        sender->SetTrackRect(Bounds(column * 50, 0, 50, tool->Height()));
        text = "column " + std::to_string(column);
    };
    auto restAt = [&](TPoint p) {
        InputSimulation::MouseMove(tool, p);
        for (int i = 0; i < 20 && !balloon->Active(); ++i)
            Application->ProcessMessages();
    };
    restAt({10, 10});
    ASSERT_TRUE(balloon->Active());
    EXPECT_EQ(balloon->TipText(), "column 0");
    EXPECT_EQ(balloon->TrackRect(), Bounds(0, 0, 50, 80));
    InputSimulation::MouseMove(tool, {45, 30});
    EXPECT_TRUE(balloon->Active()) << "still in its column";
    restAt({60, 30});
    ASSERT_TRUE(balloon->Active());
    EXPECT_EQ(balloon->TipText(), "column 1");
}

TEST_F(BalloonTest, HidesItselfAfterTheAutoPopDelay) {
    balloon->SetAutoPopDelay(0);
    ASSERT_TRUE(balloon->Popup({50, 50}));
    for (int i = 0; i < 20 && balloon->Active(); ++i)
        Application->ProcessMessages();
    EXPECT_FALSE(balloon->Active());
}
