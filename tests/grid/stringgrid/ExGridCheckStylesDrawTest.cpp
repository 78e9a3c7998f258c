// Check boxes, radio buttons and cell buttons rendered into a bitmap in each glyph style: the
// face and the mark are there, in the colours of the style and the state, inside the cell.
#include "ExGridTestGrid.h"
#include "GridPixels.h"

#include "grid/stringgrid/ControlLook.h"
#include "platform/core/StringList.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Font.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

namespace {

using GridPixels::Red;
using GridPixels::Green;
using GridPixels::Blue;
constexpr TColor Gray = 0x808080;
const TColor Face = RGB(240, 240, 240);   // the button face of the palette
const TColor Shadow = RGB(160, 160, 160); // its shadow
// The ULK glyphs: frame and mark, enabled and disabled.
const TColor ULKFrame = RGB(0x4D, 0x6D, 0x9E);
const TColor ULKMark = RGB(0x1E, 0x39, 0x5B);
const TColor ULKFrameOff = RGB(0xB0, 0xB0, 0xB0);
const TColor ULKMarkOff = RGB(0xA0, 0xA0, 0xA0);

constexpr int StyleColWidth = 120;

using GridPixels::ColourBox;
using GridPixels::Render;

// A square of Color on a fuchsia ground, which the transparent drawing leaves out.
std::unique_ptr<TBitmap> Glyph(TColor Color) {
    auto glyph = GridPixels::Solid(12, 12, clFuchsia);
    glyph->Canvas()->Brush()->SetColor(Color);
    glyph->Canvas()->FillRect(TRect{2, 2, 10, 10});
    return glyph;
}

std::unique_ptr<TTestExGrid> StyledGrid(TGridControlStyle Style, int RowHeight, bool Editable) {
    auto grid = GridPixels::PlainGrid(StyleColWidth, RowHeight, 0);
    grid->Font()->SetColor(clBlack);
    grid->SetOptions(grid->Options() << goEditing);
    TControlLook* look = grid->ControlLook();
    look->SetControlStyle(Style);
    look->SetColor(Red);
    look->SetCheckedGlyph(Glyph(Green).get());
    look->SetUnCheckedGlyph(Glyph(Blue).get());
    look->SetRadioOnGlyph(Glyph(Green).get());
    look->SetRadioOffGlyph(Glyph(Blue).get());
    if (!Editable)
        grid->SetReadOnly(1, 1, true);
    return grid;
}

bool SameStylePixels(const TBitmap& A, const TBitmap& B, const TRect& Area) {
    for (int y = Area.Top; y < Area.Bottom; ++y)
        for (int x = Area.Left; x < Area.Right; ++x)
            if (A.Pixel(x, y) != B.Pixel(x, y))
                return false;
    return true;
}

bool StyleInside(const TRect& Inner, const TRect& Outer) {
    return Inner.Left >= Outer.Left && Inner.Right <= Outer.Right && Inner.Top >= Outer.Top &&
           Inner.Bottom <= Outer.Bottom;
}

struct CheckCase {
    const char* what;
    TGridControlStyle style;
    bool checked;
    bool editable;
    TColor face;   // the colour that outlines or fills the box
    TColor mark;   // the tick; clNone: none drawn
    TColor absent; // a colour the box must not show
    int size;      // edge of the face
};

const CheckCase CheckCases[] = {
    {"Borland checked", csBorland, true, true, Face, Red, Gray, 15},
    {"Borland unchecked", csBorland, false, true, Face, clNone, Red, 15},
    {"Borland checked, cell read-only", csBorland, true, false, Shadow, Gray, Red, 15},
    {"ULK checked", csULK, true, true, ULKFrame, ULKMark, ULKFrameOff, 15},
    {"ULK unchecked", csULK, false, true, ULKFrame, clNone, ULKMark, 15},
    {"ULK checked, cell read-only", csULK, true, false, ULKFrameOff, ULKMarkOff, ULKFrame, 15},
    {"ULK unchecked, cell read-only", csULK, false, false, ULKFrameOff, clNone, ULKMarkOff, 15},
    {"glyph checked", csGlyph, true, true, Green, clNone, Blue, 8},
    {"glyph unchecked", csGlyph, false, true, Blue, clNone, Green, 8},
};

} // namespace

TEST(ExGridCheckStylesDraw, CheckBoxShowsItsStyleAndStateAtTheLeftOfItsCell) {
    for (const CheckCase& c : CheckCases)
        for (const std::string text : {"", "ab"}) {
            const std::string what = std::string(c.what) + (text.empty() ? "" : " with text");
            auto grid = StyledGrid(c.style, 40, c.editable);
            grid->SetCells(1, 1, text);
            grid->AddCheckBox(1, 1, c.checked, false);
            const auto picture = Render(*grid);
            const TRect cell = grid->CellRect(1, 1);
            const auto face = ColourBox(*picture, cell, c.face);
            ASSERT_TRUE(face) << what << ": no face";
            EXPECT_NEAR(face->Right - face->Left, c.size, 1) << what;
            EXPECT_NEAR(face->Bottom - face->Top, c.size, 1) << what;
            EXPECT_LE(face->Left - cell.Left, 5) << what << ": at the left";
            EXPECT_LE(face->Top - cell.Top, 5) << what << ": at the top, as the text";
            if (c.mark != clNone) {
                const auto mark = ColourBox(*picture, cell, c.mark);
                ASSERT_TRUE(mark) << what << ": no tick";
                EXPECT_TRUE(StyleInside(*mark, *face)) << what << ": tick outside its box";
                EXPECT_GE(mark->Right - mark->Left, c.size / 2) << what << ": tick too small";
            }
            EXPECT_FALSE(ColourBox(*picture, cell, c.absent)) << what;
            EXPECT_FALSE(ColourBox(*picture, cell, clFuchsia)) << what << ": background drawn";
        }
}

TEST(ExGridCheckStylesDraw, EmptyGlyphsDrawNoCheckBox) {
    auto grid = StyledGrid(csGlyph, 40, true);
    const auto empty = std::make_unique<TBitmap>();
    grid->ControlLook()->SetCheckedGlyph(empty.get());
    const auto before = Render(*grid);
    grid->AddCheckBox(1, 1, true, false);
    EXPECT_TRUE(SameStylePixels(*before, *Render(*grid), grid->CellRect(1, 1)));
}

namespace {

struct RadioCase {
    const char* what;
    TGridControlStyle style;
    TColor face; // every button shows it
    TColor on;   // only the checked button shows it
};

const RadioCase RadioCases[] = {
    {"Borland", csBorland, Face, Red},
    {"ULK", csULK, ULKFrame, ULKMark},
    {"glyph", csGlyph, Blue, Green},
};

} // namespace

// Three items stacked in 16-pixel cells, the second one checked.
TEST(ExGridCheckStylesDraw, RadioGroupMarksOnlyItsCheckedItem) {
    for (const RadioCase& c : RadioCases) {
        auto grid = StyledGrid(c.style, 60, true);
        grid->Font()->SetHeight(-11);
        TStringList items;
        items.Add("one");
        items.Add("two");
        items.Add("three");
        grid->AddRadio(1, 1, 0, 1, &items);
        const auto picture = Render(*grid);
        const TRect cell = grid->CellRect(1, 1);
        const auto face = ColourBox(*picture, cell, c.face);
        const auto on = ColourBox(*picture, cell, c.on);
        ASSERT_TRUE(face) << c.what;
        ASSERT_TRUE(on) << c.what;
        EXPECT_TRUE(StyleInside(*face, cell)) << c.what;
        EXPECT_LE(face->Left - cell.Left, 5) << c.what << ": buttons at the left";
        // The checked mark lies in the second of the three stacked buttons.
        const int itemHeight = (face->Bottom - face->Top) / 3;
        EXPECT_GE(on->Top, face->Top + itemHeight - 2) << c.what;
        EXPECT_LE(on->Bottom, face->Bottom - itemHeight + 2) << c.what;
        EXPECT_GE(face->Bottom - face->Top, 3 * 13) << c.what << ": three buttons";
        // The captions stand right of the buttons.
        const auto ink = ColourBox(*picture, cell, clBlack);
        ASSERT_TRUE(ink) << c.what;
        EXPECT_GE(ink->Left, cell.Left + 16) << c.what;
    }
}

TEST(ExGridCheckStylesDraw, ReadOnlyRadioButtonTakesTheDisabledULKGlyph) {
    auto editable = StyledGrid(csULK, 40, true);
    editable->AddRadioButton(1, 1, true);
    auto readOnly = StyledGrid(csULK, 40, false);
    readOnly->AddRadioButton(1, 1, true);
    const TRect cell = editable->CellRect(1, 1);
    const auto on = Render(*editable);
    const auto off = Render(*readOnly);
    EXPECT_TRUE(ColourBox(*on, cell, ULKMark));
    EXPECT_FALSE(ColourBox(*on, cell, ULKMarkOff));
    EXPECT_TRUE(ColourBox(*off, cell, ULKMarkOff));
    EXPECT_FALSE(ColourBox(*off, cell, ULKMark));
}

namespace {

std::unique_ptr<TTestExGrid> ButtonGrid(bool Editable) {
    auto grid = StyledGrid(csClassic, 40, Editable);
    grid->AddButton(1, 1, 60, 24, "Go", haCenter, vaCenter);
    return grid;
}

} // namespace

TEST(ExGridCheckStylesDraw, FlatButtonIsFramedByOneShadowLine) {
    auto grid = ButtonGrid(true);
    grid->ControlLook()->SetFlatButton(true);
    const auto picture = Render(*grid);
    const TRect cell = grid->CellRect(1, 1);
    const auto frame = ColourBox(*picture, cell, Shadow);
    ASSERT_TRUE(frame);
    EXPECT_NEAR(frame->Right - frame->Left, 60, 1);
    EXPECT_NEAR(frame->Bottom - frame->Top, 24, 1);
    EXPECT_NEAR((frame->Left + frame->Right) / 2, (cell.Left + cell.Right) / 2, 2);
    // One line on every side, the face inside it: across a row above the caption and down a
    // column beside it.
    const int y = frame->Top + 3;
    const int x = (frame->Left + frame->Right) / 2 - 20;
    int across = 0;
    int down = 0;
    for (int i = frame->Left; i < frame->Right; ++i)
        across += picture->Pixel(i, y) == Shadow;
    for (int j = frame->Top; j < frame->Bottom; ++j)
        down += picture->Pixel(x, j) == Shadow;
    EXPECT_EQ(across, 2);
    EXPECT_EQ(down, 2);
    EXPECT_EQ(picture->Pixel(x, y), Face);
}

TEST(ExGridCheckStylesDraw, NoDisabledButtonLookKeepsReadOnlyButtonsLookingEnabled) {
    auto editable = ButtonGrid(true);
    auto readOnly = ButtonGrid(false);
    auto keptLook = ButtonGrid(false);
    keptLook->ControlLook()->SetNoDisabledButtonLook(true);
    const TRect cell = editable->CellRect(1, 1);
    const auto enabled = Render(*editable);
    EXPECT_FALSE(SameStylePixels(*enabled, *Render(*readOnly), cell));
    EXPECT_TRUE(SameStylePixels(*enabled, *Render(*keptLook), cell));
}
