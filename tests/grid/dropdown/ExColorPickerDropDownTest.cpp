// The colour picker drop-down: the named colours and the selected colour, the colour's text,
// the list popup by keyboard and mouse, the box grid, cube and spectrum choosers, and cancel
// bringing back the colour of the opening.
#include "grid/dropdown/ExColorPickerDropDown.h"
#include "grid/dropdown/ColorBoxGrid.h"
#include "grid/dropdown/ColorCubePanel.h"
#include "grid/dropdown/DropDownEditButton.h"
#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/HeaderPanel.h"
#include "grid/stringgrid/HeaderAppearance.h"

#include "platform/ui/Application.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Font.h"
#include "platform/ui/Form.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/Keys.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr TColor PickerRed = 0x0000FF;
constexpr TColor PickerBlue = 0xFF0000;
constexpr TColor Unnamed = 0x123456;

class ColorPicker : public ::testing::Test {
protected:
    ColorPicker()
        : Form(std::make_unique<TForm>(nullptr)), Picker(new TExColorPickerDropDown(Form.get())) {
        Form->SetBounds(100, 100, 400, 300);
        Picker->SetParent(Form.get());
        Picker->SetBounds(10, 40, 200, 21);
        Form->Show();
        Picker->SetFocus();
        Picker->AddDefaultColors();
        Picker->OnSelect = [this](TObject*) { ++Selects; };
    }
    void Key(WORD K) { InputSimulation::KeyPress(Picker, K); }
    bool PopupShown() const { return Picker->DropDownForm()->Visible(); }

    std::unique_ptr<TForm> Form;
    TExColorPickerDropDown* Picker;
    int Selects = 0;
};

} // namespace

TEST_F(ColorPicker, DefaultColoursAreAppendedNotReplaced) {
    EXPECT_EQ(Picker->Colors()->Count(), 16);
    EXPECT_EQ(Picker->Colors()->GetItem(9)->Caption(), "Red");
    Picker->AddDefaultColors();
    EXPECT_EQ(Picker->Colors()->Count(), 32);
    EXPECT_FALSE(Picker->EditorEnabled());
    EXPECT_EQ(Picker->Control(), Picker->ItemSelector()) << "every picker starts with the list";
}

TEST_F(ColorPicker, ANamedColourSelectsItsEntryAndShowsItsCaptionInTheListStyle) {
    Picker->SetColorValueText(cvtHex);
    Picker->SetSelectedColor(PickerRed);
    EXPECT_EQ(Picker->ItemIndex(), 9);
    EXPECT_EQ(Selects, 1);
    EXPECT_EQ(Picker->SelectedColorText(), "Red");
}

TEST_F(ColorPicker, AColourNoEntryHasShowsNoEntrysCaption) {
    Picker->SetSelectedColor(PickerRed);
    Picker->SetColorValueText(cvtHTML);
    Picker->SetSelectedColor(Unnamed);
    EXPECT_EQ(Picker->SelectedColor(), Unnamed);
    EXPECT_EQ(Picker->ItemIndex(), -1);
    EXPECT_EQ(Picker->SelectedColorText(), "#563412");
    Picker->SetColorValueText(cvtNone);
    EXPECT_EQ(Picker->SelectedColorText(), "");
}

TEST_F(ColorPicker, ItemIndexRefusesIndexesOutsideTheColours) {
    Picker->SetItemIndex(12);
    for (const int outside : {16, 17, -2}) {
        Picker->SetItemIndex(outside);
        EXPECT_EQ(Picker->ItemIndex(), 12) << outside;
    }
    EXPECT_EQ(Picker->SelectedColor(), PickerBlue);
}

TEST(ColorValueText, EachFormWritesTheColourItsWay) {
    struct Case {
        TColor Color;
        TColorValueText Form;
        const char* Text;
    };
    const Case cases[] = {
        {PickerRed, cvtNone, ""},
        {PickerRed, cvtHex, "0000FF"},
        {PickerRed, cvtHTML, "#FF0000"},
        {PickerRed, cvtRGB, "Red:255,Green:0,Blue:0"},
        {0x000000, cvtWebName, "clWebBlack"},
        {0xFFFF00, cvtWebName, "clWebCyan"},
        {0xFF00FF, cvtWebName, "clWebMagenta"},
        {0xD3D3D3, cvtWebName, "clWebLightgrey"},
        {Unnamed, cvtWebName, "#563412"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ColorValueText(c.Color, c.Form), c.Text) << c.Text;
}

TEST_F(ColorPicker, UpAndDownOnTheClosedPickerStepThroughTheColours) {
    const struct {
        WORD Key;
        int Index;
    } steps[] = {{VK_DOWN, 0}, {VK_DOWN, 1}, {VK_END, 15}, {VK_DOWN, 15},
                 {VK_UP, 14},  {VK_HOME, 0}, {VK_UP, 0}};
    for (const auto& step : steps) {
        Key(step.Key);
        EXPECT_EQ(Picker->ItemIndex(), step.Index) << step.Key;
    }
    EXPECT_FALSE(PopupShown());
}

TEST_F(ColorPicker, KeysInTheOpenListMoveTheSelectionEnterKeepsItEscapeRestoresTheOpening) {
    Picker->SetItemIndex(3);
    Picker->ShowDropDown();
    ASSERT_TRUE(PopupShown());
    Key(VK_DOWN);
    Key(VK_DOWN);
    EXPECT_TRUE(PopupShown()) << "the picker's own moves keep the popup open";
    EXPECT_EQ(Picker->ItemIndex(), 5);
    Key(VK_ESCAPE);
    EXPECT_FALSE(PopupShown());
    EXPECT_EQ(Picker->ItemIndex(), 3);
    EXPECT_EQ(Picker->SelectedColor(), Picker->Colors()->GetItem(3)->Color());

    Picker->ShowDropDown();
    Key(VK_END);
    Key(VK_RETURN);
    EXPECT_FALSE(PopupShown());
    EXPECT_EQ(Picker->ItemIndex(), 15);
}

TEST_F(ColorPicker, AClickOnAListItemChoosesItAndCloses) {
    Picker->ShowDropDown();
    TCustomItemSelector* panel = Picker->ItemSelector()->SelectorPanel();
    const TRect cell = panel->GetItemRect(10);
    InputSimulation::Click(panel, {cell.Left + 3, cell.Top + 3});
    EXPECT_FALSE(PopupShown());
    EXPECT_EQ(Picker->ItemIndex(), 10);
    EXPECT_EQ(Picker->SelectedColorText(), "Lime");
}

TEST_F(ColorPicker, TypedLettersSearchTheCaptionsUntilTheTimerClearsThem) {
    Picker->ShowDropDown();
    Key('B');
    EXPECT_EQ(Picker->ItemIndex(), 0) << "Black";
    Key('L');
    EXPECT_EQ(Picker->CurrentSearch(), "BL");
    Key('U');
    EXPECT_EQ(Picker->Colors()->GetItem(Picker->ItemIndex())->Caption(), "Blue");
    Picker->KeyTimerTick();
    EXPECT_EQ(Picker->CurrentSearch(), "");
    Key('W');
    EXPECT_EQ(Picker->Colors()->GetItem(Picker->ItemIndex())->Caption(), "White");
}

TEST_F(ColorPicker, TheBoxGridMovesTheColourByKeyboardAndEscapeRestoresEvenAColourWithoutABox) {
    Picker->SetSelectedColor(Unnamed);
    Picker->SetColorSelectionStyle(csDiscrete);
    Picker->ShowDropDown();
    ASSERT_NE(Picker->ColorSelector(), nullptr);
    EXPECT_EQ(Picker->Control(), Picker->ColorSelector());
    Key(VK_HOME);
    EXPECT_TRUE(PopupShown());
    EXPECT_EQ(Picker->SelectedColor(), Picker->ColorSelector()->Items()->GetItem(0)->Color());
    Key(VK_ESCAPE);
    EXPECT_FALSE(PopupShown());
    EXPECT_EQ(Picker->SelectedColor(), Unnamed);
}

TEST_F(ColorPicker, AClickOnACubeCellChoosesItsColourAndCloses) {
    Picker->SetSelectedColor(PickerRed);
    Picker->SetColorSelectionStyle(csColorCube);
    Picker->ShowDropDown();
    TExColorCubePanel* cube = Picker->ColorCubePanel();
    ASSERT_NE(cube, nullptr);
    const TExColorCubePanel::TCubeCell& cell = cube->Cell(1);
    InputSimulation::Click(cube, cell.Centre);
    EXPECT_FALSE(PopupShown());
    EXPECT_EQ(Picker->SelectedColor(), cell.Color);
    EXPECT_EQ(Picker->ItemIndex(), -1);
}

TEST_F(ColorPicker, AStyleChangedWhileOpenSizesThePopupAtOnce) {
    Picker->SetColorSelectionStyle(csColorCube);
    Picker->ShowDropDown();
    const int cubeWidth = Picker->DropDownForm()->Width();
    const int cubeHeight = Picker->DropDownForm()->Height();
    Key(VK_ESCAPE);
    Picker->SetColorSelectionStyle(csList);
    Picker->ShowDropDown();
    ASSERT_TRUE(PopupShown());
    ASSERT_FALSE(Picker->DropDownForm()->Width() == cubeWidth &&
                 Picker->DropDownForm()->Height() == cubeHeight);
    Picker->SetColorSelectionStyle(csColorCube);
    EXPECT_TRUE(PopupShown());
    EXPECT_EQ(Picker->DropDownForm()->Width(), cubeWidth);
    EXPECT_EQ(Picker->DropDownForm()->Height(), cubeHeight);
    EXPECT_EQ(Picker->Control(), Picker->ColorCubePanel());
    // The cube shows whole: the popup is the cube's size, not the list's.
    EXPECT_GE(Picker->DropDownForm()->Width(), Picker->ColorCubePanel()->Width());
    EXPECT_GE(cubeWidth, 182);
    EXPECT_GE(cubeHeight, 160);
}

// Sixteen names are taller than the list's room: the vertical scroll bar comes on top of the
// names' width, so no name is cut and no horizontal scroll bar shows.
TEST_F(ColorPicker, TheListPopupMakesRoomForItsScrollBarBesideTheNames) {
    Picker->DropDownHeader()->SetVisible(true);
    Picker->DropDownHeader()->SetCaption("Colours");
    TControl* button = Picker->Button();
    InputSimulation::Click(button, {button->Width() / 2, button->Height() / 2});
    ASSERT_TRUE(PopupShown());
    TExCustomItemSelector* list = Picker->ItemSelector();
    ASSERT_TRUE(list->VertScrollBar()->IsScrollBarVisible());
    EXPECT_FALSE(list->HorzScrollBar()->IsScrollBarVisible());
    EXPECT_GE(list->ClientWidth(), list->GetPanelSize().cx);
    TCustomItemSelector* panel = list->SelectorPanel();
    for (int i = 0; i < Picker->Colors()->Count(); ++i)
        EXPECT_LE(panel->GetItemRect(i).Right, list->ClientWidth()) << i;

    TExHeader* header = Picker->DropDownForm()->Header();
    ASSERT_NE(header, nullptr);
    TBitmap measure(1, 1);
    measure.Canvas()->Font()->Assign(*Picker->DropDownHeader()->Font());
    // The caption starts 8 pixels in when it cannot be centred.
    EXPECT_LE(measure.Canvas()->TextWidth("Colours") + 8, header->ClientWidth());
}

// The hint of a colour under the mouse in the open list goes with the popup, however it closes.
TEST_F(ColorPicker, AColoursHintGoesWhenThePopupCloses) {
    for (int i = 0; i < Picker->Colors()->Count(); ++i)
        Picker->Colors()->GetItem(i)->SetHint("hint " + std::to_string(i));
    Picker->SetShowHint(true);
    const std::vector<std::pair<const char*, std::function<void()>>> closers = {
        {"by the program", [this] { Picker->HideDropDown(false); }},
        {"by Escape", [] { InputSimulation::KeyPressFocused(VK_ESCAPE); }},
    };
    for (const auto& [name, close] : closers) {
        InputSimulation::KeyPress(Picker, VK_DOWN, 0, {ssAlt});
        ASSERT_TRUE(PopupShown()) << name;
        TCustomItemSelector* panel = Picker->ItemSelector()->SelectorPanel();
        const TRect cell = panel->GetItemRect(1);
        const TPoint over{cell.Left + 4, cell.Top + 4};
        InputSimulation::MouseMove(panel, over);
        Application->ActivateHint(panel->ClientToScreen(over));
        ASSERT_TRUE(Application->HintShowing()) << name;
        close();
        EXPECT_FALSE(PopupShown()) << name;
        EXPECT_FALSE(Application->HintShowing()) << name;
    }
}
