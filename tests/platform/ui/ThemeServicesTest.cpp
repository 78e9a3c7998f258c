#include "RecordingControl.h"

#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/ThemeServices.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

const TColor Paper = RGB(1, 2, 3);

struct Damage {
    int ChangedInside = 0;
    int ChangedOutside = 0;
};

// Counts the pixels that are no longer Paper, inside and outside r.
Damage DamageOf(const TBitmap& bitmap, const TRect& r) {
    Damage damage;
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            if (bitmap.Pixel(x, y) != Paper)
                ++(r.Contains({x, y}) ? damage.ChangedInside : damage.ChangedOutside);
    return damage;
}

std::unique_ptr<TBitmap> PaperBitmap(int width, int height) {
    auto bitmap = std::make_unique<TBitmap>(width, height);
    bitmap->Canvas()->Brush()->SetColor(Paper);
    bitmap->Canvas()->FillRect(Rect(0, 0, width, height));
    return bitmap;
}

// The part drawn alone on a bitmap of its own, as a list of pixels to compare.
std::vector<TColor> Picture(TThemePart part, TThemeStates states, const TRect& r) {
    auto bitmap = PaperBitmap(r.Right + 4, r.Bottom + 4);
    EXPECT_TRUE(DrawThemePart(bitmap->Canvas(), part, states, r));
    std::vector<TColor> pixels;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            pixels.push_back(bitmap->Pixel(x, y));
    return pixels;
}

struct NamedPart {
    TThemePart Part;
    const char* Name;
};

const std::vector<NamedPart> AllParts = {
    {TThemePart::PushButton, "PushButton"},
    {TThemePart::CheckBox, "CheckBox"},
    {TThemePart::RadioButton, "RadioButton"},
    {TThemePart::ComboDropDown, "ComboDropDown"},
    {TThemePart::SpinUp, "SpinUp"},
    {TThemePart::SpinDown, "SpinDown"},
    {TThemePart::SpinRight, "SpinRight"},
    {TThemePart::SpinLeft, "SpinLeft"},
    {TThemePart::HeaderItem, "HeaderItem"},
    {TThemePart::ScrollArrowUp, "ScrollArrowUp"},
    {TThemePart::ScrollArrowDown, "ScrollArrowDown"},
    {TThemePart::ScrollArrowLeft, "ScrollArrowLeft"},
    {TThemePart::ScrollArrowRight, "ScrollArrowRight"},
    {TThemePart::TreeGlyph, "TreeGlyph"},
    {TThemePart::ProgressBar, "ProgressBar"},
    {TThemePart::ProgressChunk, "ProgressChunk"},
};

class EveryThemePart : public ::testing::TestWithParam<NamedPart> {};

} // namespace

TEST(ThemeServices, ActiveOnceTheApplicationRuns) {
    EXPECT_TRUE(ThemeServicesActive());
}

TEST_P(EveryThemePart, DrawsInsideItsRectangleAndNowhereElse) {
    for (TThemeStates states : {unsigned(tsfNormal), unsigned(tsfHot | tsfChecked),
                                unsigned(tsfPressed | tsfFocused), unsigned(tsfDisabled)}) {
        auto bitmap = PaperBitmap(60, 44);
        const TRect r = Rect(12, 9, 42, 31);

        ASSERT_TRUE(DrawThemePart(bitmap->Canvas(), GetParam().Part, states, r));

        Damage damage = DamageOf(*bitmap, r);
        EXPECT_GT(damage.ChangedInside, 0) << "states " << states;
        EXPECT_EQ(damage.ChangedOutside, 0) << "states " << states;
    }
}

TEST_P(EveryThemePart, HasAPositiveSize) {
    TSize size = ThemePartSize(GetParam().Part);
    EXPECT_GT(size.cx, 0);
    EXPECT_GT(size.cy, 0);
}

INSTANTIATE_TEST_SUITE_P(ThemeServices, EveryThemePart, ::testing::ValuesIn(AllParts),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(ThemeServices, StatesThatTheStyleShowsDifferently) {
    struct Case {
        TThemePart Part;
        TThemeStates A, B;
    };
    const std::vector<Case> cases = {
        {TThemePart::CheckBox, tsfNormal, tsfChecked},
        {TThemePart::CheckBox, tsfChecked, tsfMixed},
        {TThemePart::CheckBox, tsfChecked, tsfChecked | tsfDisabled},
        {TThemePart::RadioButton, tsfNormal, tsfChecked},
        {TThemePart::PushButton, tsfNormal, tsfPressed},
        {TThemePart::TreeGlyph, tsfNormal, tsfChecked},
    };
    const TRect r = Rect(2, 2, 22, 22);
    for (const Case& c : cases)
        EXPECT_NE(Picture(c.Part, c.A, r), Picture(c.Part, c.B, r))
            << static_cast<int>(c.Part) << ": " << c.A << " vs " << c.B;
}

TEST(ThemeServices, DisabledHidesHoverAndPress) {
    const TRect r = Rect(0, 0, 30, 20);
    EXPECT_EQ(Picture(TThemePart::PushButton, tsfDisabled, r),
              Picture(TThemePart::PushButton, tsfDisabled | tsfHot | tsfPressed, r));
}

TEST(ThemeServices, KeepsToTheCanvasClip) {
    auto bitmap = PaperBitmap(40, 20);
    bitmap->Canvas()->SetClipRect(Rect(0, 0, 20, 20));

    ASSERT_TRUE(
        DrawThemePart(bitmap->Canvas(), TThemePart::PushButton, tsfNormal, Rect(0, 0, 40, 20)));

    EXPECT_GT(DamageOf(*bitmap, Rect(0, 0, 20, 20)).ChangedInside, 0);
    EXPECT_EQ(DamageOf(*bitmap, Rect(0, 0, 20, 20)).ChangedOutside, 0);
}

TEST(ThemeServices, RefusesWhatCannotBeDrawn) {
    auto bitmap = PaperBitmap(10, 10);
    EXPECT_FALSE(DrawThemePart(nullptr, TThemePart::CheckBox, tsfNormal, Rect(0, 0, 10, 10)));
    EXPECT_FALSE(
        DrawThemePart(bitmap->Canvas(), TThemePart::CheckBox, tsfNormal, Rect(5, 5, 5, 9)));
    EXPECT_FALSE(
        DrawThemePart(bitmap->Canvas(), TThemePart::CheckBox, tsfNormal, Rect(8, 8, 2, 2)));
    EXPECT_EQ(DamageOf(*bitmap, Rect(0, 0, 0, 0)).ChangedOutside, 0);
}

namespace {

// Draws a checked box on its own face while it paints.
class ThemedBoxControl : public TCustomControl {
public:
    explicit ThemedBoxControl(TComponent* owner) : TCustomControl(owner) {
        SetColor(Paper);
        SetBounds(0, 0, 40, 30);
    }
    const TRect Box = Rect(10, 6, 26, 22);

protected:
    void Paint() override {
        Canvas()->Brush()->SetColor(Paper);
        Drawn = DrawThemePart(Canvas(), TThemePart::CheckBox, tsfChecked, Box);
    }

public:
    bool Drawn = false;
};

} // namespace

TEST(ThemeServices, DrawsOnAControlCanvasWhileItPaints) {
    auto form = std::make_unique<TestForm>(nullptr);
    auto* control = new ThemedBoxControl(form.get());
    control->SetParent(form.get());
    auto bitmap = PaperBitmap(40, 30);
    EXPECT_FALSE(DrawThemePart(control->Canvas(), TThemePart::CheckBox, tsfNormal, control->Box))
        << "outside its paint a control's canvas has nothing to draw on";

    control->PaintTo(bitmap->Canvas(), 0, 0);

    ASSERT_TRUE(control->Drawn);
    Damage damage = DamageOf(*bitmap, control->Box);
    EXPECT_GT(damage.ChangedInside, 0);
    EXPECT_EQ(damage.ChangedOutside, 0);
    // Painted on a bitmap directly, the box looks the same where it covers its area fully.
    std::vector<TColor> direct = Picture(TThemePart::CheckBox, tsfChecked, control->Box);
    EXPECT_EQ(bitmap->Pixel(18, 14), direct[(14 - 6) * 16 + (18 - 10)]);
}
