// The custom editor link: the keys that leave, Escape, popup placement, hand-over of values.
#include "EditorControlTestGrid.h"
#include "LineEditLink.h"

#include "grid/stringgrid/EditLink.h"
#include "platform/ui/Edit.h"

#include <gtest/gtest.h>

namespace {

using TTestLink = TLineEditLink;

class EditLinkTest : public EditorControlFixture, public ::testing::Test {
protected:
    EditLinkTest() : Link(new TTestLink(Form.get())) { Grid->SetEditLink(Link); }

    TTestLink* Link;
};

TEST_F(EditLinkTest, IsTheEditorOfTheCustomKindAndHandsValuesOver) {
    EXPECT_EQ(Link->Grid(), Grid);
    TCellEditor* editor = Open(edCustom, 2, 3, "start");
    EXPECT_EQ(editor, static_cast<TCellEditor*>(Link));
    EXPECT_EQ(Link->EditCell().X, 2);
    EXPECT_EQ(Link->EditCell().Y, 3);
    ASSERT_NE(Link->Edit, nullptr);
    EXPECT_EQ(Link->Edit->Text(), "start");
    EXPECT_TRUE(Link->Edit->Visible());
    Link->Edit->SetText("typed");
    EXPECT_EQ(editor->ApplyCellText(), "typed");
    editor->EndCellEdit();
    EXPECT_FALSE(Link->Edit->Visible());
}

TEST_F(EditLinkTest, LeavingKeysAndTheKeysTheSettingsKeep) {
    struct Case {
        const char* Name;
        WORD Key;
        bool Alt;
        bool WantTabs;
        bool WantUpDown;
        bool Leaves;
    };
    const Case cases[] = {
        {"Home stays", VK_HOME, false, false, false, false},
        {"End leaves", VK_END, false, false, false, true},
        {"a letter stays", 'A', false, false, false, false},
        {"Alt with a letter leaves", 'A', true, false, false, true},
        {"Up leaves", VK_UP, false, false, false, true},
        {"WantKeyUpDown keeps Up", VK_UP, false, false, true, false},
        {"WantTabs keeps Alt+Tab", VK_TAB, true, true, false, false},
        {"Page Down leaves", VK_NEXT, false, false, false, true},
    };
    for (const Case& c : cases) {
        Open(edCustom, 1, 1, "v");
        Link->WantTabs = c.WantTabs;
        Link->WantKeyUpDown = c.WantUpDown;
        WORD key = c.Key;
        TShiftState shift;
        if (c.Alt)
            shift << ssAlt;
        Link->EditKeyDown(Link->Edit, key, shift);
        EXPECT_EQ(!Grid->EditMode, c.Leaves) << c.Name;
    }
}

TEST_F(EditLinkTest, EscapePutsTheStartTextBackBeforeLeaving) {
    Open(edCustom, 1, 1, "start");
    Link->Edit->SetText("typed");
    WORD key = VK_ESCAPE;
    Link->EditKeyDown(Link->Edit, key, {});
    EXPECT_EQ(Link->Edit->Text(), "start");
    EXPECT_EQ(key, 0);
}

TEST_F(EditLinkTest, PopupOpensAtTheCellOrAtTheGivenPoint) {
    Link->EditStyle = esPopup;
    Link->PopupWidth = 120;
    Link->PopupHeight = 80;
    Open(edCustom, 2, 2, "v");
    ASSERT_NE(Link->PopupForm(), nullptr);
    const TRect cell = Grid->CellRect(2, 2);
    const TPoint atCell = Grid->ClientToScreen({cell.Left, cell.Top});
    EXPECT_EQ(Link->PopupForm()->Left(), atCell.X);
    EXPECT_EQ(Link->PopupForm()->Top(), atCell.Y);
    EXPECT_EQ(Link->PopupForm()->Width(), 120);
    EXPECT_EQ(Link->Edit->Parent(), Link->PopupForm());
    Link->PopupLeft = 30;
    Link->PopupTop = 40;
    Open(edCustom, 2, 2, "v");
    EXPECT_EQ(Link->PopupForm()->Left(), 30);
    EXPECT_EQ(Link->PopupForm()->Top(), 40);
    Link->EditExit(Link);
    EXPECT_EQ(Link->Edit, nullptr) << "the popup's editor goes with the popup";
}

TEST_F(EditLinkTest, AGoneLinkIsNoEditorAnyMore) {
    delete Link;
    EXPECT_EQ(Grid->EditLink(), nullptr);
    EXPECT_EQ(Grid->CellEditorOfKind(edCustom), nullptr);
}

TEST_F(EditLinkTest, ALinkOutlivingItsGridForgetsIt) {
    auto* other = new TEditorControlTestGrid(Form.get());
    other->SetEditLink(Link);
    EXPECT_EQ(Link->Grid(), other);
    EXPECT_EQ(Grid->EditLink(), Link) << "the first grid keeps its pointer until told otherwise";
    Grid->SetEditLink(nullptr);
    delete other;
    EXPECT_EQ(Link->Grid(), nullptr);
}

} // namespace
