#include "RecordingControl.h"

#include "platform/ui/InputSimulation.h"
#include "platform/ui/ListBox.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

class ListBoxTest : public ::testing::Test {
protected:
    ListBoxTest() : Form(std::make_unique<TestForm>(nullptr)), List(new TListBox(Form.get())) {
        List->SetParent(Form.get());
        List->SetBounds(0, 0, 150, 120);
        for (const char* name : {"Plant A", "Plant B", "Plant C"})
            List->Items()->Add(name);
        List->OnClick = [this](TObject*) { Events.push_back("click " + Selected()); };
        List->OnDblClick = [this](TObject*) { Events.push_back("dblclick " + Selected()); };
    }

    std::string Selected() const {
        const int index = List->ItemIndex();
        return index < 0 ? std::string("-") : (*List->Items())[index];
    }

    TPoint Middle(int index) const {
        const TRect r = List->ItemRect(index);
        return Point((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    }

    std::unique_ptr<TestForm> Form;
    TListBox* List;
    std::vector<std::string> Events;
};

TEST_F(ListBoxTest, ProgramSelectionFiresNothing) {
    EXPECT_EQ(List->ItemIndex(), -1);
    List->SetItemIndex(2);
    EXPECT_EQ(Selected(), "Plant C");
    List->SetItemIndex(-1);
    EXPECT_EQ(List->ItemIndex(), -1);
    List->SetItemIndex(3);
    EXPECT_EQ(List->ItemIndex(), -1) << "an index past the end selects nothing";
    EXPECT_TRUE(Events.empty());
}

TEST_F(ListBoxTest, ClickOnAnItemSelectsItAndFiresOnce) {
    InputSimulation::Click(List, Middle(1));
    InputSimulation::Click(List, Middle(1));
    EXPECT_EQ(Events, (std::vector<std::string>{"click Plant B", "click Plant B"}))
        << "a click on the selected item notifies again";
}

TEST_F(ListBoxTest, ClickBelowTheItemsFiresNothing) {
    List->SetItemIndex(0);
    InputSimulation::Click(List, Point(20, 110));
    EXPECT_EQ(Selected(), "Plant A");
    EXPECT_TRUE(Events.empty());
}

TEST_F(ListBoxTest, KeyboardSelectionFiresOnClick) {
    List->SetItemIndex(0);
    InputSimulation::KeyPress(List, VK_DOWN);
    EXPECT_EQ(Events, std::vector<std::string>{"click Plant B"});
}

TEST_F(ListBoxTest, DoubleClickFiresAfterTheClick) {
    InputSimulation::DoubleClick(List, Middle(2));
    EXPECT_EQ(Events, (std::vector<std::string>{"click Plant C", "dblclick Plant C"}));
}

TEST_F(ListBoxTest, ItemAtPosFindsTheItemUnderAPoint) {
    EXPECT_EQ(List->ItemAtPos(Middle(0)), 0);
    EXPECT_EQ(List->ItemAtPos(Middle(2)), 2);
    EXPECT_EQ(List->ItemAtPos(Point(20, 110)), -1);
}

TEST_F(ListBoxTest, DeletingTheSelectedItemClearsTheSelection) {
    List->SetItemIndex(1);
    List->Items()->Delete(1);
    EXPECT_EQ(List->ItemIndex(), -1);
    EXPECT_EQ(List->Count(), 2);
    EXPECT_TRUE(Events.empty());
}

} // namespace
