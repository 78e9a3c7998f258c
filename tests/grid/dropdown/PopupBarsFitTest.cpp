// A popup whose control is narrower than its bars' captions and buttons grows to show them
// whole: the caption ends left of the buttons, and no button is pushed past the bar's left edge.
#include "grid/dropdown/DropDownBar.h"
#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/ExColorPickerDropDown.h"
#include "grid/dropdown/ExImagePickerDropDown.h"
#include "grid/dropdown/FlatButton.h"
#include "grid/dropdown/FooterPanel.h"
#include "grid/dropdown/HeaderPanel.h"
#include "grid/stringgrid/DropDownStripAppearance.h"
#include "grid/stringgrid/DropDownUtil.h"
#include "grid/stringgrid/FooterAppearance.h"
#include "grid/stringgrid/HeaderAppearance.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Font.h"

#include "grid/dropdown/DropDownInForm.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

struct TNarrowPopup {
    const char* Name;
    std::function<TExCustomDropDown*(TForm*)> Make;
};

void PrintTo(const TNarrowPopup& Popup, std::ostream* Out) {
    *Out << Popup.Name;
}

TExCustomDropDown* MakeNarrowImagePicker(TForm* Form) {
    auto* picker = new TExImagePickerDropDown(Form);
    for (const char* caption : {"Disk", "Folder"})
        picker->Items()->Add()->SetCaption(caption);
    return picker;
}

TExCustomDropDown* MakeNarrowColourList(TForm* Form) {
    auto* picker = new TExColorPickerDropDown(Form);
    picker->SetColorSelectionStyle(csList);
    picker->AddDefaultColors();
    return picker;
}

// The caption's laid-out width in the bar's font.
int CaptionWidth(const TDropDownStripAppearance& Look) {
    TBitmap scratch(10, 10);
    scratch.Canvas()->Font()->Assign(*Look.Font());
    return RenderHTMLText(scratch.Canvas(), Look.Caption(), {0, 0, 2000, 40}, nullptr, nullptr,
                          false, nullptr)
        .cx;
}

class PopupBarsFit : public ::testing::TestWithParam<TNarrowPopup> {};

} // namespace

TEST_P(PopupBarsFit, TheBarsCaptionsAndButtonsShowWhole) {
    const TDropDownInForm shown([](TForm* Form) {
        TExCustomDropDown* drop = GetParam().Make(Form);
        drop->DropDownHeader()->SetVisible(true);
        drop->DropDownHeader()->SetCaption("Choose a picture of the device");
        drop->DropDownHeader()->Buttons()->Add()->SetCaption("Help");
        drop->DropDownFooter()->SetVisible(true);
        drop->DropDownFooter()->SetCaption("<b>24</b> items in the list");
        drop->DropDownFooter()->Buttons()->Add()->SetCaption("Close");
        return drop;
    });
    shown.ClickButton();
    TDropDownForm* popup = shown.Drop->DropDownForm();
    ASSERT_TRUE(popup->Visible());

    const struct {
        TDropDownBar* Bar;
        const TDropDownStripAppearance* Look;
    } bars[] = {{popup->Header(), popup->Header()->Appearance()},
                {popup->Footer(), popup->Footer()->Appearance()}};
    for (const auto& bar : bars) {
        ASSERT_EQ(bar.Bar->ButtonCount(), 1) << bar.Look->Caption();
        const TControl& button = *bar.Bar->Button(0);
        EXPECT_GE(button.Left() - 2, CaptionWidth(*bar.Look)) << bar.Look->Caption();
        EXPECT_LE(bar.Bar->Width(), popup->Width()) << bar.Look->Caption();
    }
    shown.Drop->HideDropDown(true);
}

INSTANTIATE_TEST_SUITE_P(Narrow, PopupBarsFit,
                         ::testing::Values(TNarrowPopup{"ImagePicker", MakeNarrowImagePicker},
                                           TNarrowPopup{"ColourList", MakeNarrowColourList}),
                         [](const auto& Info) { return std::string(Info.param.Name); });
