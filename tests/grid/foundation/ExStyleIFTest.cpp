#include "grid/foundation/ExStyleIF.h"
#include "grid/foundation/ThemeNotifier.h"
#include "grid/foundation/VisualStyleTable.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Control.h"
#include "platform/ui/ThemeServices.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(ExStyleIF, AnswersAsACurrentDesktopWithoutOfficeSuite) {
    EXPECT_TRUE(IsComCtl6());
    EXPECT_TRUE(IsWinXPOrLater());
    EXPECT_TRUE(IsVistaOrLater());
    EXPECT_EQ(GetDefaultFontName(), "Segoe UI");
    EXPECT_EQ(GetOfficeVersion(), 0);
    EXPECT_EQ(GetXPColorScheme(), 1);
    EXPECT_EQ(DetectOfficeTheme(), ot2003Blue);
}

TEST(ExStyleIF, OfficeThemeDecision) {
    struct Case {
        int Theme2010, Theme2007, XPScheme;
        TOfficeTheme Expected;
    };
    const std::vector<Case> cases = {
        {1, -1, 0, ot2010Blue},   {2, 3, 0, ot2010Silver},    {3, -1, 0, ot2010Black},
        {0, 2, 0, ot2003Blue}, // the 2007 value is not consulted
        {-1, 1, 0, ot2007Blue},   {-1, 2, 0, ot2007Silver},   {-1, 3, 0, ot2007Black},
        {-1, 7, 0, ot2003Blue},   {-1, -1, 0, ot2003Classic}, {-1, -1, 1, ot2003Blue},
        {-1, -1, 2, ot2003Olive}, {-1, -1, 3, ot2003Silver},
    };
    for (const Case& c : cases)
        EXPECT_EQ(OfficeThemeFrom(c.Theme2010, c.Theme2007, c.XPScheme), c.Expected)
            << c.Theme2010 << " " << c.Theme2007 << " " << c.XPScheme;

    EXPECT_EQ(XPColorSchemeFromName("NormalColor"), 1);
    EXPECT_EQ(XPColorSchemeFromName("HomeStead"), 2);
    EXPECT_EQ(XPColorSchemeFromName("Metallic"), 3);
    EXPECT_EQ(XPColorSchemeFromName("Classic"), 0);
}

TEST(VisualStyleTable, OpensKnownClassesAndDrawsOnlyOpenThemes) {
    TVisualStyleTable table("Test");
    EXPECT_TRUE(table.Loaded());
    EXPECT_EQ(table.OpenThemeData(nullptr, "unknown"), nullptr);
    HTHEME theme = table.OpenThemeData(nullptr, "unknown;Spin");
    ASSERT_NE(theme, nullptr);

    TBitmap bitmap(20, 20);
    table.DrawThemeBackground(theme, bitmap.Canvas(), SPNP_UP, TS_NORMAL, Rect(0, 0, 20, 20));
    EXPECT_NE(bitmap.Pixel(10, 10), clWhite);

    table.CloseThemeData(theme);
    TBitmap untouched(20, 20);
    table.DrawThemeBackground(theme, untouched.Canvas(), SPNP_UP, TS_NORMAL, Rect(0, 0, 20, 20));
    EXPECT_EQ(untouched.Pixel(10, 10), clWhite);

    table.FreeThemeLibrary();
    EXPECT_FALSE(table.IsThemeActive());
    EXPECT_EQ(table.OpenThemeData(nullptr, "button"), nullptr);
    std::string file, color, size;
    EXPECT_FALSE(table.GetCurrentThemeName(file, color, size));
}

namespace {

const TRect PartArea = Rect(3, 2, 27, 22);

// The pixels of the part area after draw() painted on a fresh bitmap.
template <class Draw> std::vector<TColor> PixelsAfter(Draw draw) {
    TBitmap bitmap(30, 24);
    draw(bitmap.Canvas());
    std::vector<TColor> pixels;
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            pixels.push_back(bitmap.Pixel(x, y));
    return pixels;
}

std::vector<TColor> BlankPixels() {
    return PixelsAfter([](TCanvas*) {});
}

// The pixels after the table drew a part of the class over PartArea with a theme of its own.
std::vector<TColor> BackgroundPixels(TVisualStyleTable& table, const char* themeClass, int partId,
                                     int stateId) {
    HTHEME theme = table.OpenThemeData(nullptr, themeClass);
    EXPECT_NE(theme, nullptr) << themeClass;
    std::vector<TColor> pixels = PixelsAfter([&](TCanvas* canvas) {
        table.DrawThemeBackground(theme, canvas, partId, stateId, PartArea);
    });
    table.CloseThemeData(theme);
    return pixels;
}

} // namespace

TEST(VisualStyleTable, DrawsEachClassPartAndStateAsTheMatchingThemePart) {
    struct Case {
        const char* ThemeClass;
        int PartId, StateId;
        TThemePart Part;
        TThemeStates States;
    };
    const std::vector<Case> cases = {
        {"button", BP_PUSHBUTTON, TS_NORMAL, TThemePart::PushButton, tsfNormal},
        {"button", BP_PUSHBUTTON, TS_PRESSED, TThemePart::PushButton, tsfPressed},
        {"button", BP_PUSHBUTTON, TS_DISABLED, TThemePart::PushButton, tsfDisabled},
        {"button", BP_PUSHBUTTON, PBS_DEFAULTED, TThemePart::PushButton, tsfFocused},
        {"button", BP_CHECKBOX, CBS_UNCHECKEDNORMAL, TThemePart::CheckBox, tsfNormal},
        {"button", BP_CHECKBOX, CBS_CHECKEDNORMAL, TThemePart::CheckBox, tsfChecked},
        {"button", BP_CHECKBOX, CBS_CHECKEDNORMAL + 3, TThemePart::CheckBox,
         tsfChecked | tsfDisabled},
        {"button", BP_CHECKBOX, CBS_MIXEDNORMAL + 2, TThemePart::CheckBox, tsfMixed | tsfPressed},
        {"button", BP_RADIOBUTTON, RBS_CHECKEDNORMAL, TThemePart::RadioButton, tsfChecked},
        {"button", BP_RADIOBUTTON, RBS_UNCHECKEDNORMAL + 3, TThemePart::RadioButton, tsfDisabled},
        {"combobox", CP_DROPDOWNBUTTON, TS_DISABLED, TThemePart::ComboDropDown, tsfDisabled},
        {"spin", SPNP_UP, TS_NORMAL, TThemePart::SpinUp, tsfNormal},
        {"spin", SPNP_DOWN, TS_PRESSED, TThemePart::SpinDown, tsfPressed},
        {"spin", SPNP_UPHORZ, TS_NORMAL, TThemePart::SpinRight, tsfNormal},
        {"spin", SPNP_DOWNHORZ, TS_NORMAL, TThemePart::SpinLeft, tsfNormal},
        {"header", HP_HEADERITEMRIGHT, TS_PRESSED, TThemePart::HeaderItem, tsfPressed},
        {"Progress", PP_BAR, 1, TThemePart::ProgressBar, tsfNormal},
        {"Progress", PP_CHUNK, 1, TThemePart::ProgressChunk, tsfNormal},
        {"scrollbar", SBP_ARROWBTN, ABS_UPNORMAL, TThemePart::ScrollArrowUp, tsfNormal},
        {"scrollbar", SBP_ARROWBTN, ABS_RIGHTNORMAL + 3, TThemePart::ScrollArrowRight, tsfDisabled},
        {"treeview", TVP_GLYPH, GLPS_CLOSED, TThemePart::TreeGlyph, tsfNormal},
        {"treeview", TVP_GLYPH, GLPS_OPENED, TThemePart::TreeGlyph, tsfChecked},
    };
    TVisualStyleTable table("Test");
    for (const Case& c : cases) {
        std::vector<TColor> drawn = BackgroundPixels(table, c.ThemeClass, c.PartId, c.StateId);
        std::vector<TColor> expected = PixelsAfter(
            [&](TCanvas* canvas) { DrawThemePart(canvas, c.Part, c.States, PartArea); });
        EXPECT_NE(drawn, BlankPixels()) << c.ThemeClass << " " << c.PartId << " " << c.StateId;
        EXPECT_EQ(drawn, expected) << c.ThemeClass << " " << c.PartId << " " << c.StateId;
    }
}

TEST(VisualStyleTable, DrawsNothingForPartsAndStatesAClassDoesNotHave) {
    struct Case {
        const char* ThemeClass;
        int PartId, StateId;
    };
    const std::vector<Case> cases = {
        {"button", 0, TS_NORMAL},        {"button", 4, TS_NORMAL},
        {"button", BP_PUSHBUTTON, 0},    {"button", BP_PUSHBUTTON, 7},
        {"button", BP_RADIOBUTTON, 9},   {"button", BP_CHECKBOX, 13},
        {"combobox", 2, TS_NORMAL},      {"combobox", CP_DROPDOWNBUTTON, 5},
        {"spin", 5, TS_NORMAL},          {"header", HP_HEADERITEM, TS_DISABLED},
        {"scrollbar", SBP_ARROWBTN, 17}, {"treeview", 1, GLPS_CLOSED},
        {"treeview", TVP_GLYPH, 3},      {"Progress", 2, 1},
    };
    TVisualStyleTable table("Test");
    for (const Case& c : cases)
        EXPECT_EQ(BackgroundPixels(table, c.ThemeClass, c.PartId, c.StateId), BlankPixels())
            << c.ThemeClass << " " << c.PartId << " " << c.StateId;
}

TEST(VisualStyleTable, MatchesClassNamesLikeTheDesktop) {
    TVisualStyleTable table("Test");
    for (const char* list : {"BUTTON", " Spin ", "Progress", "unknown;ComboBox", ";;treeview"})
        EXPECT_NE(table.OpenThemeData(nullptr, list), nullptr) << list;
    for (const char* list : {"", ";", "buttons", "edit;listview"})
        EXPECT_EQ(table.OpenThemeData(nullptr, list), nullptr) << list;
}

TEST(ThemeNotifier, OneInstanceThatWatchesNothingHere) {
    TComponent owner(nullptr);
    TThemeNotifier* notifier = GetThemeNotifier(&owner);
    EXPECT_EQ(GetThemeNotifier(&owner), notifier);
    EXPECT_FALSE(notifier->Watching());

    TWinControl window(nullptr);
    notifier->RegisterWindow(&window); // no watch: nothing is kept
    EXPECT_EQ(notifier->Windows().Count(), 0);
    delete notifier;
    TThemeNotifier* fresh = GetThemeNotifier(&owner);
    EXPECT_NE(fresh, nullptr);
    delete fresh;
}

TEST(ThemeNotifier, HandleListKeepsFirstOccurrencesInOrder) {
    TWinControl a(nullptr);
    TWinControl b(nullptr);
    THandleList list;
    list.Add(&a);
    list.Add(&b);
    list.Insert(0, &b);
    list.DeleteValue(&b); // the first occurrence only
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.GetInteger(0), &a);
    EXPECT_EQ(list.GetInteger(1), &b);
    list.DeleteValue(nullptr); // absent: nothing
    EXPECT_EQ(list.Count(), 2);
    EXPECT_TRUE(list.HasValue(&b));
}
