#include "RecordingControl.h"

#include "platform/ui/Bitmap.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/PageControl.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

class PageControlTest : public ::testing::Test {
protected:
    PageControlTest()
        : Form(std::make_unique<TestForm>(nullptr)), Pages(new TPageControl(Form.get())) {
        Pages->SetParent(Form.get());
        Pages->SetBounds(0, 0, 509, 264);
        for (const char* caption : {"Language", "Connection Options", "Software Settings"}) {
            auto* sheet = new TTabSheet(Form.get());
            sheet->SetCaption(caption);
            sheet->SetPageControl(Pages);
            Sheets.push_back(sheet);
        }
        Pages->OnChange = [this](TObject*) { Changes.push_back(Pages->ActivePage()->Caption()); };
    }

    TPoint OnTab(int tabIndex) const {
        const TRect r = Pages->TabRect(tabIndex);
        return Point((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    }

    std::vector<bool> Shown() const {
        std::vector<bool> shown;
        for (const TTabSheet* sheet : Sheets)
            shown.push_back(sheet->Visible());
        return shown;
    }

    std::unique_ptr<TestForm> Form;
    TPageControl* Pages;
    std::vector<TTabSheet*> Sheets;
    std::vector<std::string> Changes;
};

TEST_F(PageControlTest, PagesJoinInOrderAndOnlyTheActiveOneShows) {
    ASSERT_EQ(Pages->PageCount(), 3);
    EXPECT_EQ(Pages->Pages(2), Sheets[2]);
    EXPECT_EQ(Sheets[1]->PageIndex(), 1);
    EXPECT_EQ(Pages->ActivePage(), Sheets[0]) << "the first page shows until another is chosen";
    EXPECT_EQ(Shown(), (std::vector<bool>{true, false, false}));
    EXPECT_EQ(Sheets[0]->BoundsRect(), Pages->DisplayRect());
}

TEST_F(PageControlTest, ClickOnATabSwitchesAndFiresOnChange) {
    InputSimulation::Click(Pages, OnTab(2));
    EXPECT_EQ(Pages->ActivePage(), Sheets[2]);
    EXPECT_EQ(Shown(), (std::vector<bool>{false, false, true}));
    EXPECT_EQ(Changes, std::vector<std::string>{"Software Settings"});

    InputSimulation::Click(Pages, OnTab(2));
    EXPECT_EQ(Changes.size(), 1u) << "the active tab changes nothing";
}

TEST_F(PageControlTest, ProgramSwitchFiresNothing) {
    Pages->SetActivePage(Sheets[1]);
    EXPECT_EQ(Pages->ActivePageIndex(), 1);
    Pages->SetActivePageIndex(5);
    EXPECT_EQ(Pages->ActivePage(), nullptr);
    EXPECT_TRUE(Changes.empty());
}

TEST_F(PageControlTest, OnChangingCanRefuse) {
    Pages->OnChanging = [](TObject*, bool& allow) { allow = false; };
    InputSimulation::Click(Pages, OnTab(1));
    EXPECT_EQ(Pages->ActivePage(), Sheets[0]);
    EXPECT_TRUE(Changes.empty());
}

TEST_F(PageControlTest, ArrowKeysMoveThroughTheTabsAndWrap) {
    InputSimulation::KeyPress(Pages, VK_LEFT);
    EXPECT_EQ(Pages->ActivePage(), Sheets[2]);
    InputSimulation::KeyPress(Pages, VK_RIGHT);
    EXPECT_EQ(Pages->ActivePage(), Sheets[0]);
    EXPECT_EQ(Changes, (std::vector<std::string>{"Software Settings", "Language"}));
}

TEST_F(PageControlTest, HiddenTabsLeaveTheRowAndTheActivePageMovesOn) {
    Sheets[1]->SetTabVisible(false);
    EXPECT_EQ(Sheets[1]->TabIndex(), -1);
    EXPECT_EQ(Sheets[2]->TabIndex(), 1);
    InputSimulation::Click(Pages, OnTab(1));
    EXPECT_EQ(Pages->ActivePage(), Sheets[2]);

    Sheets[2]->SetTabVisible(false);
    EXPECT_EQ(Pages->ActivePage(), Sheets[0]);
    EXPECT_EQ(Pages->TabRect(1), TRect{}) << "one tab is left";
}

TEST_F(PageControlTest, FreeingTheActivePageShowsTheNext) {
    Pages->SetActivePage(Sheets[1]);
    delete Sheets[1];
    EXPECT_EQ(Pages->PageCount(), 2);
    EXPECT_EQ(Pages->ActivePage(), Sheets[2]);
    EXPECT_TRUE(Sheets[2]->Visible());
}

TEST_F(PageControlTest, PagesFollowTheTabRowWhenTheFontGrows) {
    const int top = Sheets[0]->Top();
    Pages->Font()->SetHeight(-24);
    EXPECT_GT(Sheets[0]->Top(), top);
    EXPECT_EQ(Sheets[0]->BoundsRect(), Pages->DisplayRect());
}

TEST_F(PageControlTest, MovingAPageReordersTheTabs) {
    Sheets[2]->SetPageIndex(0);
    EXPECT_EQ(Pages->Pages(0), Sheets[2]);
    EXPECT_EQ(Sheets[0]->PageIndex(), 1);
    EXPECT_EQ(Sheets[2]->TabIndex(), 0);
}

} // namespace

TEST_F(PageControlTest, TabReachesTheTabRowAndThenTheActivePagesControls) {
    // The tab row is a stop of its own even though the pages are its children; without it the
    // pages behind the first could not be reached from the keyboard.
    auto* before = new RecordingControl(Form.get(), Form.get());
    before->SetTabOrder(0);
    auto* onSecondPage = new RecordingControl(Form.get(), Sheets[1]);
    Form->Show();
    ASSERT_EQ(Form->ActiveControl(), before);

    InputSimulation::KeyPress(before, VK_TAB, u'\t');
    ASSERT_EQ(Form->ActiveControl(), Pages);
    InputSimulation::KeyPress(Pages, VK_RIGHT);
    ASSERT_EQ(Pages->ActivePage(), Sheets[1]);
    InputSimulation::KeyPress(Pages, VK_TAB, u'\t');
    EXPECT_EQ(Form->ActiveControl(), onSecondPage);
    InputSimulation::KeyPress(onSecondPage, VK_TAB, u'\t', {ssShift});
    EXPECT_EQ(Form->ActiveControl(), Pages);
    Form->Hide();
}

TEST_F(PageControlTest, FocusedTabRowMarksTheActiveTab) {
    auto* before = new RecordingControl(Form.get(), Form.get());
    before->SetTabOrder(0);
    Form->Show();
    auto activeTabPixels = [this] {
        TBitmap bitmap(Pages->Width(), Pages->Height());
        Pages->PaintTo(bitmap.Canvas(), 0, 0);
        std::vector<TColor> pixels;
        const TRect r = Pages->TabRect(0);
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x)
                pixels.push_back(bitmap.Pixel(x, y));
        return pixels;
    };
    const std::vector<TColor> unfocused = activeTabPixels();

    Form->SetActiveControl(Pages);
    EXPECT_NE(activeTabPixels(), unfocused);
    Form->SetActiveControl(before);
    EXPECT_EQ(activeTabPixels(), unfocused);
    Form->Hide();
}
