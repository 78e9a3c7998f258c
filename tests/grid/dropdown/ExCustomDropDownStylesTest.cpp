#include "grid/dropdown/DropDownEditButton.h"
#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/ExCustomDropDown.h"

#include "grid/stringgrid/ExButtonAppearance.h"
#include "grid/stringgrid/FooterAppearance.h"
#include "grid/stringgrid/HeaderAppearance.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Font.h"
#include "platform/ui/Form.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

class DropDownStylesTest : public ::testing::Test {
protected:
    DropDownStylesTest()
        : Form(std::make_unique<TForm>(nullptr)), Edit(new TExCustomDropDown(Form.get())) {
        Edit->SetParent(Form.get());
        Edit->SetBounds(10, 10, 200, 21);
        Form->Show();
    }

    std::unique_ptr<TForm> Form;
    TExCustomDropDown* Edit;
};

TEST_F(DropDownStylesTest, NewEditTakesTheOffice2007Preset) {
    EXPECT_EQ(Edit->GetComponentStyle(), tsOffice2007Luna);
    EXPECT_EQ(Edit->DropDownColor(), 0xF3E5DA);
    EXPECT_EQ(Edit->DropDownColorTo(), 0xF0DED0);
    EXPECT_EQ(Edit->DropDownHeader()->Font()->Color(), 0x723708);
    EXPECT_EQ(Edit->ButtonAppearance()->ColorTo(), 0xFFDDC4);
    EXPECT_EQ(Edit->SelectionColorStyle(), scOffice2007);
    EXPECT_EQ(Edit->SelectionColor(), 0xD7FFFD);
    EXPECT_EQ(Edit->SelectionColorTo(), 0x58D4FC);
}

struct PresetCase {
    const char* Name;
    TULKStyle Style;
    TColor DropDownColor;
    TColor HeaderColor, FooterColor;
    TColor HeaderBorder, FooterBorder;
    TColor ButtonColorHot, ButtonBorderColorDown;
};

class DropDownPresets : public DropDownStylesTest,
                        public ::testing::WithParamInterface<PresetCase> {};

TEST_P(DropDownPresets, ColourPopupBarsAndButtons) {
    const PresetCase& c = GetParam();
    Edit->SetComponentStyle(c.Style);
    EXPECT_EQ(Edit->GetComponentStyle(), c.Style);
    EXPECT_EQ(Edit->DropDownColor(), c.DropDownColor);
    EXPECT_EQ(Edit->DropDownHeader()->Color(), c.HeaderColor);
    EXPECT_EQ(Edit->DropDownFooter()->Color(), c.FooterColor);
    EXPECT_EQ(Edit->DropDownHeader()->BorderColor(), c.HeaderBorder);
    EXPECT_EQ(Edit->DropDownFooter()->BorderColor(), c.FooterBorder);
    EXPECT_EQ(Edit->ButtonAppearance()->ColorHot(), c.ButtonColorHot);
    EXPECT_EQ(Edit->ButtonAppearance()->BorderColorDown(), c.ButtonBorderColorDown);
}

INSTANTIATE_TEST_SUITE_P(
    Styles, DropDownPresets,
    ::testing::Values(PresetCase{"Office2003Blue", tsOffice2003Blue, 0xFFFFFF, 0xFCE1CB, 0xFCE1CB,
                                 0, 0x962D00, 0xEBFDFF, 0x42AEFE},
                      PresetCase{"Office2003Classic", tsOffice2003Classic, 0xF2F2F2, 0x808080,
                                 0x808080, 0x808080, 0x808080, 0xD2BDB6, 0x808080},
                      PresetCase{"WindowsXP", tsWindowsXP, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0x808080,
                                 0x808080, 0xEFD3C6, clHighlight},
                      PresetCase{"WindowsVistaSwapsTheFooter", tsWindowsVista, 0xFFFFFF, 0xFFFDF9,
                                 0xFFFAF0, 0xFCF2DA, 0xFCF2DA, 0xFEF9F0, 0xFEDF9A},
                      PresetCase{"Windows7", tsWindows7, 0xFFFFFF, 0xFDFBFA, 0xFDFBFA, 0xFBD6B8,
                                 0xFBD6B8, 0xFDFBFA, 0xCEA27D},
                      PresetCase{"Terminal", tsTerminal, 0xFFFFFF, clBtnFace, clBtnFace, clNone,
                                 clNone, 0xC0C0C0, 0x808080},
                      PresetCase{"Office2010Black", tsOffice2010Black, 0xFFFFFF, 0xBFBFBF, 0xBFBFBF,
                                 0x6D6D6D, 0x6D6D6D, 0x8AE3FD, 0x308AC2}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(DropDownStylesTest, PresetsWithoutABorderColourKeepTheOldOne) {
    Edit->SetDropDownBorderColor(0x123456);
    Edit->SetComponentStyle(tsOffice2003Blue);
    EXPECT_EQ(Edit->DropDownBorderColor(), 0x123456);
    Edit->SetComponentStyle(tsWindows7);
    EXPECT_EQ(Edit->DropDownBorderColor(), 0x979797);
}

TEST_F(DropDownStylesTest, CustomStyleKeepsEveryColour) {
    Edit->SetComponentStyle(tsOffice2003Blue);
    Edit->SetComponentStyle(tsCustom);
    EXPECT_EQ(Edit->GetComponentStyle(), tsCustom);
    EXPECT_EQ(Edit->DropDownColor(), 0xFFFFFF);
    EXPECT_EQ(Edit->DropDownHeader()->ColorTo(), 0xE0A57D);
    EXPECT_EQ(Edit->ButtonAppearance()->Color(), 0xFCE1CB);
}

TEST_F(DropDownStylesTest, ColourTonesGoToTheButtonAndTheBorder) {
    TColorTones tones;
    tones.Background = {0x111111, 0x222222, clNone};
    tones.Hover = {0x333333, clNone, clNone};
    tones.Selected = {0x444444, clNone, clNone};
    Edit->SetColorTones(tones);
    EXPECT_EQ(Edit->Button()->ButtonColor(), 0x111111);
    EXPECT_EQ(Edit->Button()->ButtonColorHot(), 0x333333);
    EXPECT_EQ(Edit->Button()->ButtonColorDown(), 0x444444);
    EXPECT_EQ(Edit->Button()->ButtonBorderColor(), 0x222222);
    EXPECT_EQ(Edit->BorderColor(), 0x222222);
}

TEST_F(DropDownStylesTest, CustomSelectionKeepsItsColoursAndFillsSolid) {
    Edit->SetSelectionColorStyle(scWindows7);
    EXPECT_EQ(Edit->SelectionColor(), 0xFCEBDC);
    Edit->SetSelectionColor(0x00FF00);
    Edit->SetSelectionColorStyle(scCustom);
    EXPECT_EQ(Edit->SelectionColor(), 0x00FF00);
    TBitmap bitmap(20, 10);
    Edit->DrawSelectionBackground(bitmap.Canvas(), Rect(0, 0, 20, 10), clWhite, 0);
    EXPECT_EQ(bitmap.Pixel(0, 0), 0x00FF00);
    EXPECT_EQ(bitmap.Pixel(19, 9), 0x00FF00);
}

TEST_F(DropDownStylesTest, PopupPaintsItsGradientInsideItsBorder) {
    Edit->SetDropDownBorderWidth(3);
    Edit->SetDropDownBorderColor(0x0000FF);
    Edit->SetDropDownWidth(120);
    Edit->SetDropDownHeight(90);
    Edit->ShowDropDown();
    TWinControl* area = Edit->DropDownForm()->ClientArea();
    TBitmap bitmap(area->Width(), area->Height());
    area->PaintTo(bitmap.Canvas(), 0, 0);
    for (int inset : {0, 1, 2})
        EXPECT_EQ(bitmap.Pixel(inset, 45), 0x0000FF) << "border pixel " << inset;
    EXPECT_EQ(bitmap.Pixel(3, 45), 0xF3E5DA) << "gradient starts with DropDownColor";
    EXPECT_NE(bitmap.Pixel(100, 45), 0xF3E5DA) << "and moves towards DropDownColorTo";
    EXPECT_EQ(bitmap.Pixel(119, 89), 0x0000FF);
}

} // namespace
