// The style presets reach the items of the list-like pickers.
#include "grid/dropdown/ExColorPickerDropDown.h"
#include "grid/dropdown/ExDetailDropDown.h"
#include "grid/dropdown/ExImagePickerDropDown.h"
#include "grid/dropdown/ItemSelector.h"
#include "platform/ui/Form.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(ItemAppearanceStyle, EachPresetGivesItsHotSelectedAndBorderColours) {
    struct Case {
        TULKStyle Style;
        TColor Hot, SelectedTo, Border, EdgeColor, SelectedText;
    };
    const Case cases[] = {
        {tsOffice2003Olive, 0xEBFDFF, 0x6EBBFF, 0x42AEFE, clNone, 0},
        {tsOffice2007Silver, 0xEBFDFF, 0x6EBBFF, 0x42AEFE, 0xC3D9DF, 0},
        {tsWindowsXP, 0xEFD3C6, clNone, static_cast<TColor>(0xFF00000D), clNone,
         static_cast<TColor>(0xFF00000E)},
        {tsWindows7, 0xFDFBFA, 0xFCDBC1, 0xCEA27D, 0xE0C5AE, 0},
        {tsOffice2010Black, 0xD9F9FD, 0x6CD0FF, 0x308AC2, clNone, 0},
    };
    for (const Case& c : cases) {
        TItemAppearance appearance;
        appearance.BorderColorHot = clRed;
        TExCustomDropDown::ApplyItemAppearanceStyle(&appearance, c.Style);
        EXPECT_EQ(appearance.ColorHot, c.Hot) << c.Style;
        EXPECT_EQ(appearance.ColorSelectedTo, c.SelectedTo) << c.Style;
        EXPECT_EQ(appearance.BorderColor, c.Border) << c.Style;
        EXPECT_EQ(appearance.EdgeColor, c.EdgeColor) << c.Style;
        EXPECT_EQ(appearance.ColorSelectedText, c.SelectedText) << c.Style;
        EXPECT_EQ(appearance.BorderColorHot, clNone) << c.Style;
    }
}

TEST(ItemAppearanceStyle, TheCustomStyleAndAMissingAppearanceChangeNothing) {
    TItemAppearance appearance;
    appearance.ColorHot = clRed;
    TExCustomDropDown::ApplyItemAppearanceStyle(&appearance, tsCustom);
    EXPECT_EQ(appearance.ColorHot, clRed);
    TExCustomDropDown::ApplyItemAppearanceStyle(nullptr, tsWindows7);
}

template <class TPicker> TItemAppearance* StyledItems(TForm* Form, TULKStyle Style) {
    auto* picker = new TPicker(Form);
    picker->SetComponentStyle(Style);
    return picker->ItemAppearance();
}

TEST(ItemAppearanceStyle, EveryListLikePickerPassesItsPresetToItsItems) {
    auto form = std::make_unique<TForm>(nullptr);
    for (TItemAppearance* items : {StyledItems<TExColorPickerDropDown>(form.get(), tsWindows7),
                                   StyledItems<TExDetailDropDown>(form.get(), tsWindows7),
                                   StyledItems<TExImagePickerDropDown>(form.get(), tsWindows7)}) {
        EXPECT_EQ(items->ColorHot, 0xFDFBFA);
        EXPECT_EQ(items->BorderColor, 0xCEA27D);
    }
}

} // namespace
