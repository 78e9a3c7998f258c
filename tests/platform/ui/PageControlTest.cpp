#include "RecordingControl.h"

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
