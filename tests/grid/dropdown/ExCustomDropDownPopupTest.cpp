#include "grid/dropdown/DropDownEditButton.h"
#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/ExCustomDropDown.h"
#include "grid/dropdown/ExDropDownSpeedButton.h"
#include "grid/dropdown/FooterPanel.h"

#include "grid/stringgrid/FooterAppearance.h"
#include "grid/stringgrid/HeaderAppearance.h"
#include "platform/ui/Application.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Form.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/OwnedPopup.h"
#include "platform/ui/Panel.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

class DropDownPopupTest : public ::testing::Test {
protected:
    DropDownPopupTest()
        : Form(std::make_unique<TForm>(nullptr)), Edit(new TExCustomDropDown(Form.get())) {
        Form->SetBounds(100, 100, 400, 200);
        Other = new TEdit(Form.get());
        Other->SetParent(Form.get());
        Other->SetBounds(10, 120, 100, 21);
        Edit->SetParent(Form.get());
        Edit->SetBounds(10, 40, 200, 21);
        Edit->OnDropDown = [this](TObject*, bool& accept) {
            Events.push_back("drop down");
            accept = Accept;
        };
        Edit->OnDropUp = [this](TObject*, bool cancelled) {
            Events.push_back(cancelled ? "up cancelled" : "up");
        };
        Form->Show();
        Edit->SetFocus();
    }

    TDropDownForm* Popup() const { return Edit->DropDownForm(); }
    bool PopupShown() const { return Popup()->Visible(); }

    std::unique_ptr<TForm> Form;
    TExCustomDropDown* Edit;
    TEdit* Other;
    std::vector<std::string> Events;
    bool Accept = true;
};

struct OpenCase {
    const char* Name;
    WORD Key;
    TShiftState Shift;
};

class DropDownOpenKeys : public DropDownPopupTest,
                         public ::testing::WithParamInterface<OpenCase> {};

TEST_P(DropDownOpenKeys, OpenAndCloseWithoutCancel) {
    Edit->SetText("a");
    InputSimulation::KeyPress(Edit, GetParam().Key, 0, GetParam().Shift);
    ASSERT_TRUE(Edit->DroppedDown());
    EXPECT_TRUE(PopupShown());
    EXPECT_EQ(OwnedPopupOwner(Popup()), Form.get());
    Edit->SetTextDirect("b");
    InputSimulation::KeyPress(Edit, GetParam().Key, 0, GetParam().Shift);
    EXPECT_FALSE(Edit->DroppedDown());
    EXPECT_FALSE(PopupShown());
    EXPECT_EQ(Edit->Text(), "b");
    EXPECT_EQ(Events, (std::vector<std::string>{"drop down", "up"}));
}

INSTANTIATE_TEST_SUITE_P(Keys, DropDownOpenKeys,
                         ::testing::Values(OpenCase{"F4", VK_F4, {}},
                                           OpenCase{"AltDown", VK_DOWN, {ssAlt}},
                                           OpenCase{"AltUp", VK_UP, {ssAlt}}),
                         [](const auto& info) { return std::string(info.param.Name); });

struct CloseCase {
    const char* Name;
    WORD Key;
    const char* Value;
    const char* Event;
};

class DropDownCloseKeys : public DropDownPopupTest,
                          public ::testing::WithParamInterface<CloseCase> {};

TEST_P(DropDownCloseKeys, EscapeRestoresTheValueOfTheOpeningEnterKeepsIt) {
    Edit->SetText("before");
    Edit->ShowDropDown();
    // A descendant writes what the user points at while the popup is open.
    Edit->SetText("pointed");
    Edit->SetTextDirect("typed");
    InputSimulation::KeyPress(Popup(), GetParam().Key);
    EXPECT_FALSE(Edit->DroppedDown());
    EXPECT_EQ(Edit->Text(), GetParam().Value);
    EXPECT_EQ(Events.back(), GetParam().Event);
}

INSTANTIATE_TEST_SUITE_P(Keys, DropDownCloseKeys,
                         ::testing::Values(CloseCase{"Escape", VK_ESCAPE, "before", "up cancelled"},
                                           CloseCase{"Enter", VK_RETURN, "typed", "up"}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(DropDownPopupTest, TypingInThePopupTypesIntoTheEdit) {
    Edit->SetEditType(etNumeric);
    Edit->SetText("1");
    Edit->ShowDropDown();
    Edit->SetSelStart(1);
    InputSimulation::TypeChar(Popup(), '2');
    InputSimulation::TypeChar(Popup(), 'x');
    EXPECT_EQ(Edit->Text(), "12") << "through the edit's typing rules";
    EXPECT_TRUE(Edit->DroppedDown());
}

TEST_F(DropDownPopupTest, ReturnIsTabMovesTheFocusOn) {
    Edit->SetReturnIsTab(true);
    InputSimulation::KeyPress(Edit, VK_RETURN, 13);
    Application->ProcessMessages();
    EXPECT_TRUE(Other->Focused());
}

TEST_F(DropDownPopupTest, RefusedOpeningLeavesItClosed) {
    Accept = false;
    Edit->ShowDropDown();
    EXPECT_FALSE(Edit->DroppedDown());
    EXPECT_FALSE(PopupShown());
    Edit->HideDropDown(true);
    EXPECT_EQ(Events, std::vector<std::string>{"drop down"}) << "no drop-up without opening";
}

TEST_F(DropDownPopupTest, DisabledOrReadOnlyEditsDoNotOpen) {
    Edit->SetReadOnly(true);
    Edit->ShowDropDown();
    EXPECT_FALSE(Edit->DroppedDown());
    Edit->SetReadOnly(false);
    Edit->SetEnabled(false);
    Edit->ShowDropDown();
    EXPECT_FALSE(Edit->DroppedDown());
    EXPECT_TRUE(Events.empty());
}

TEST_F(DropDownPopupTest, PressElsewhereClosesWithCancel) {
    Edit->SetText("kept");
    Edit->ShowDropDown();
    Edit->SetTextDirect("changed");
    InputSimulation::MouseDown(Other, mbLeft, {5, 5});
    EXPECT_FALSE(Edit->DroppedDown());
    EXPECT_EQ(Edit->Text(), "kept");
    EXPECT_EQ(Events.back(), "up cancelled");
    EXPECT_NE(Popup()->DeActivateTime(), 0u);
}

TEST_F(DropDownPopupTest, PressElsewhereKeepsTheValueWithoutCancelOnDeActivate) {
    Edit->SetText("kept");
    Popup()->SetCancelOnDeActivate(false);
    Edit->ShowDropDown();
    Edit->SetTextDirect("changed");
    InputSimulation::MouseDown(Other, mbLeft, {5, 5});
    EXPECT_FALSE(Edit->DroppedDown());
    EXPECT_EQ(Edit->Text(), "changed");
    EXPECT_EQ(Events.back(), "up");
}

TEST_F(DropDownPopupTest, PressInsideThePopupOrAWindowItOwnsKeepsItOpen) {
    Edit->ShowDropDown();
    InputSimulation::MouseDown(Popup()->ClientArea(), mbLeft, {5, 5});
    InputSimulation::MouseUp(Popup()->ClientArea(), mbLeft, {5, 5});
    EXPECT_TRUE(Edit->DroppedDown());

    auto* second = new TForm(Popup());
    MakeOwnedPopup(second, Popup()->ClientArea(), false);
    auto* inside = new TPanel(second);
    inside->SetParent(second);
    second->SetVisible(true);
    InputSimulation::MouseDown(inside, mbLeft, {2, 2});
    EXPECT_TRUE(Edit->DroppedDown()) << "a popup of the hosted control took the click";
}

TEST_F(DropDownPopupTest, ButtonPressThatClosesThePopupDoesNotReopenIt) {
    TControl* face = Edit->Button()->Button();
    InputSimulation::MouseDown(face, mbLeft, {3, 3});
    InputSimulation::MouseUp(face, mbLeft, {3, 3});
    ASSERT_TRUE(Edit->DroppedDown()) << "opens on release";
    InputSimulation::MouseDown(face, mbLeft, {3, 3});
    EXPECT_FALSE(Edit->DroppedDown()) << "the press leaves the popup";
    InputSimulation::MouseUp(face, mbLeft, {3, 3});
    EXPECT_FALSE(Edit->DroppedDown()) << "the release follows within the reopen delay";
}

TEST_F(DropDownPopupTest, NonEditableEditTakesOnlyTheDropDownKeys) {
    Edit->SetEditorEnabled(false);
    Edit->SetText("v");
    std::vector<WORD> seen;
    Edit->OnKeyDown = [&](TObject*, WORD& key, TShiftState) { seen.push_back(key); };
    InputSimulation::TypeChar(Edit, 'x');
    InputSimulation::KeyPress(Edit, VK_BACK, 8);
    EXPECT_EQ(Edit->Text(), "v");
    InputSimulation::KeyPress(Edit, VK_F4);
    EXPECT_TRUE(Edit->DroppedDown());
    InputSimulation::KeyPress(Edit, VK_ESCAPE);
    EXPECT_FALSE(Edit->DroppedDown());
    EXPECT_EQ(seen, std::vector<WORD>{VK_ESCAPE}) << "only Enter and Escape reach OnKeyDown";
}

TEST_F(DropDownPopupTest, ClickOnANonEditableEditOpensIt) {
    Edit->SetEditorEnabled(false);
    InputSimulation::Click(Edit, {20, 5});
    EXPECT_TRUE(Edit->DroppedDown());
}

TEST_F(DropDownPopupTest, SizeFollowsBarsBorderAndHostedControl) {
    auto* hosted = new TPanel(Edit);
    struct Case {
        bool Bars;
        int Border;
        bool Hosted;
        TSize Size;
    };
    const Case cases[] = {
        {false, 1, false, {200, 50}}, // 2 high, raised to the smallest popup
        {true, 1, true, {152, 146}},
        {false, 3, true, {156, 106}},
    };
    for (const Case& c : cases) {
        hosted->SetBounds(0, 0, 150, 100);
        Edit->DropDownHeader()->SetVisible(c.Bars);
        Edit->DropDownFooter()->SetVisible(c.Bars);
        Edit->SetDropDownBorderWidth(c.Border);
        Edit->SetControl(c.Hosted ? hosted : nullptr);
        Edit->ShowDropDown();
        EXPECT_EQ(Popup()->Width(), c.Size.cx);
        EXPECT_EQ(Popup()->Height(), c.Size.cy);
        if (c.Hosted) {
            const TPoint origin = hosted->ClientToScreen({0, 0});
            const int header = c.Bars ? 22 : 0;
            EXPECT_EQ(origin.X - Popup()->Left(), c.Border);
            EXPECT_EQ(origin.Y - Popup()->Top(), c.Border + header);
        }
        Edit->HideDropDown(false);
        Edit->SetDropDownWidth(1);
        Edit->SetDropDownWidth(0);
        Edit->SetDropDownHeight(1);
        Edit->SetDropDownHeight(0);
    }
}

TEST_F(DropDownPopupTest, ClosingRemembersTheSizeUntilTheDesignedSizeIsWritten) {
    // A popup without a grip keeps the size it closed with as well.
    for (bool sizeable : {true, false}) {
        SCOPED_TRACE(sizeable);
        Edit->SetDropDownSizeable(sizeable);
        Edit->SetDropDownWidth(220);
        Edit->SetDropDownHeight(120);
        Edit->ShowDropDown();
        ASSERT_EQ(Popup()->Sizeable(), sizeable);
        Popup()->SetBounds(Popup()->Left(), Popup()->Top(), 300, 200);
        Edit->HideDropDown(false);
        Edit->ShowDropDown();
        EXPECT_EQ(Popup()->Width(), 300);
        EXPECT_EQ(Popup()->Height(), 200);
        Edit->HideDropDown(false);
        Edit->SetDropDownWidth(250);
        Edit->ShowDropDown();
        EXPECT_EQ(Popup()->Width(), 250);
        EXPECT_EQ(Popup()->Height(), 200) << "the remembered height stays";
        Edit->HideDropDown(false);
        Edit->SetDropDownWidth(0);
        Edit->SetDropDownHeight(0);
    }
}

TEST_F(DropDownPopupTest, TheSizeDraggedAtTheGripComesBackAtTheNextOpening) {
    const struct {
        const char* Closing;
        std::function<void()> Close;
    } cases[] = {
        {"F4", [this] { InputSimulation::KeyPress(Edit, VK_F4); }},
        {"Escape", [] { InputSimulation::KeyPressFocused(VK_ESCAPE, 27); }},
        {"click elsewhere", [this] { InputSimulation::Click(Other, {5, 5}); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Closing);
        Edit->SetDropDownWidth(200);
        Edit->SetDropDownHeight(100);
        Edit->SetFocus();
        InputSimulation::KeyPress(Edit, VK_F4);
        ASSERT_TRUE(PopupShown());
        TExFooter* footer = Popup()->Footer();
        ASSERT_NE(footer, nullptr);
        const TPoint start = footer->ClientToScreen({footer->Width() - 5, footer->Height() - 4});
        InputSimulation::MouseDown(footer, mbLeft, footer->ScreenToClient(start));
        // The footer follows the popup's bottom edge: each step is placed on the screen.
        for (const TPoint step : {TPoint{12, 5}, TPoint{31, 17}, TPoint{47, 26}, TPoint{63, 41}})
            InputSimulation::MouseMove(
                footer, footer->ScreenToClient({start.X + step.X, start.Y + step.Y}), {ssLeft});
        InputSimulation::MouseUp(footer, mbLeft,
                                 footer->ScreenToClient({start.X + 63, start.Y + 41}));
        ASSERT_EQ(Popup()->Width(), 263);
        ASSERT_EQ(Popup()->Height(), 141);

        c.Close();
        ASSERT_FALSE(PopupShown());
        Edit->SetFocus();
        InputSimulation::KeyPress(Edit, VK_F4);
        ASSERT_TRUE(PopupShown());
        EXPECT_EQ(Popup()->Width(), 263);
        EXPECT_EQ(Popup()->Height(), 141);
        InputSimulation::KeyPress(Edit, VK_F4);
        // The activations the openings and closings asked for arrive before the person's next
        // press, as they would at a person's pace.
        Application->ProcessMessages();
        Edit->SetDropDownWidth(0);
        Edit->SetDropDownHeight(0);
    }
}

TEST_F(DropDownPopupTest, FooterCornerSizesThePopup) {
    Edit->SetDropDownWidth(200);
    Edit->SetDropDownHeight(100);
    int sizing = 0;
    Edit->ShowDropDown();
    Popup()->OnSizing = [&](TObject*) { ++sizing; };
    // The pressed grip keeps the mouse until the button goes up, as a grabbing window does.
    TExFooter* footer = Popup()->Footer();
    ASSERT_NE(footer, nullptr);
    const TPoint grip{footer->Width() - 5, footer->Height() - 4};
    const TPoint start = footer->ClientToScreen(grip);
    InputSimulation::MouseDown(footer, mbLeft, grip);
    // The footer moves with the popup's bottom edge: the pointer is where it is on the screen.
    InputSimulation::MouseMove(footer, footer->ScreenToClient({start.X + 30, start.Y + 20}),
                               {ssLeft});
    InputSimulation::MouseUp(footer, mbLeft, footer->ScreenToClient({start.X + 40, start.Y + 30}));
    EXPECT_EQ(Popup()->Width(), 240);
    EXPECT_EQ(Popup()->Height(), 130);
    EXPECT_EQ(sizing, 2);

    // The popup's own corner is no second grip.
    Edit->HideDropDown(false);
    Edit->DropDownFooter()->SetVisible(false);
    Edit->ShowDropDown();
    const TSize before{Popup()->Width(), Popup()->Height()};
    TWinControl* area = Popup()->ClientArea();
    InputSimulation::MouseDown(area, mbLeft, {before.cx - 5, before.cy - 5});
    InputSimulation::MouseMove(area, {before.cx + 30, before.cy + 30}, {ssLeft});
    InputSimulation::MouseUp(area, mbLeft, {before.cx + 30, before.cy + 30});
    EXPECT_EQ(Popup()->Width(), before.cx) << "no size grip without a footer";
}

TEST_F(DropDownPopupTest, OpensBelowTheEditOrAboveNearTheBottomOfTheWorkArea) {
    const TRect area = WorkAreaAt(Edit->ClientToScreen({0, 0}));
    Edit->SetDropDownHeight(150);
    Edit->ShowDropDown();
    const TPoint edit = Edit->ClientToScreen({0, 0});
    EXPECT_EQ(Popup()->Left(), edit.X);
    EXPECT_EQ(Popup()->Top(), edit.Y + Edit->Height() - 1);
    Edit->HideDropDown(false);

    Form->SetBounds(area.Left + 10, area.Bottom - 100, 400, 100);
    Edit->ShowDropDown();
    const TPoint low = Edit->ClientToScreen({0, 0});
    EXPECT_EQ(Popup()->Top(), low.Y - 150);
    EXPECT_LE(Popup()->Top() + Popup()->Height(), area.Bottom);
}

TEST_F(DropDownPopupTest, EditFreedWhileOpenTakesItsPopupAlong) {
    Edit->SetControl(new TPanel(Edit));
    Edit->ShowDropDown();
    delete Edit;
    InputSimulation::MouseDown(Other, mbLeft, {5, 5});
    EXPECT_EQ(Events, std::vector<std::string>{"drop down"}) << "no drop-up from a freed edit";
}

TEST_F(DropDownPopupTest, StartsWithItsDocumentedLooks) {
    EXPECT_EQ(Edit->Version(), "1.2.1.4");
    EXPECT_EQ(Edit->Width(), 200);
    EXPECT_EQ(Edit->DropDownButtonWidth(), 17);
    EXPECT_EQ(Edit->Button()->Width(), 17);
    EXPECT_EQ(Edit->Button()->Button()->ButtonStyle(), bsDropDown);
    EXPECT_EQ(Edit->Button()->FocusControl(), Edit);
    EXPECT_EQ(Edit->DropDownColor(), 0xF3E5DA) << "the Office 2007 preset";
    EXPECT_EQ(Edit->DropPosition(), dpAuto);
    EXPECT_EQ(Edit->UserDropDownWidth(), -1);
    EXPECT_TRUE(Edit->DropDownShadow());
    EXPECT_TRUE(Popup()->CancelOnDeActivate());
    EXPECT_FALSE(PopupShown());
}

} // namespace
