// Cell graphics drawn into a bitmap: each stays in its cell, check boxes and radio buttons show
// their state, and bars read unreadable cells as 0 without raising.
#include "ExGridTestGrid.h"

#include "grid/foundation/CellGraphics.h"
#include "grid/stringgrid/CellDrawContext.h"
#include "grid/stringgrid/CellGraphic.h"
#include "grid/stringgrid/ControlLook.h"
#include "platform/core/StringList.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Image.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace {
constexpr TColor Paper = 0x123456;
constexpr int Col = 1;
constexpr int Row = 1;
// The content rectangle; with the default text margins of 2 the cell is 2 pixels larger.
const TRect Content{40, 30, 120, 60};

class TGraphicGrid : public TTestExGrid {
public:
    using TExStringGrid::DrawCellGraphic;
    using TExStringGrid::GetCellGraphicInfo;
    using TTestExGrid::TTestExGrid;
};

TObject* AsColorField(TColor Color) {
    return reinterpret_cast<TObject*>(static_cast<uintptr_t>(Color));
}

struct TScene {
    std::unique_ptr<TGraphicGrid> Grid = std::make_unique<TGraphicGrid>(nullptr);
    TStringList Items;
    TPicture Picture;

    TScene() {
        Grid->SetColCount(3);
        Grid->SetRowCount(3);
        Grid->ControlLook()->SetControlStyle(csClassic);
        Items.Add("A");
        Items.Add("B");
        Items.Add("C");
    }

    TCellGraphic* Graphic(TCellType Kind) {
        TCellGraphic* graphic = Grid->CreateCellGraphic(Col, Row);
        graphic->CellType = Kind;
        return graphic;
    }

    std::unique_ptr<TBitmap> Render(TAlignment TextAlign = taLeftJustify, int TextWidth = 0) {
        auto bitmap = std::make_unique<TBitmap>(160, 90);
        bitmap->Canvas()->Brush()->SetColor(Paper);
        bitmap->Canvas()->FillRect(TRect{0, 0, 160, 90});
        TCellDrawContext context;
        context.Grid = Grid.get();
        context.Canvas = bitmap->Canvas();
        context.RealCol = context.DisplCol = Col;
        context.Row = context.SelectionRow = Row;
        context.Rect = Content;
        context.HAlign = TextAlign;
        context.TextWidth = TextWidth;
        bool drawText = true;
        TCellHAlign hAlign;
        TCellVAlign vAlign;
        TCellGraphic* graphic = Grid->GetCellGraphicInfo(
            Col, Row, context.GraphicWidth, context.GraphicHeight, drawText, hAlign, vAlign);
        TRect rect = Content;
        EXPECT_NO_THROW(Grid->DrawCellGraphic(rect, graphic, Grid->VAlignment(), context));
        return bitmap;
    }
};

bool SamePixels(const TBitmap& A, const TBitmap& B) {
    for (int y = 0; y < A.Height(); ++y)
        for (int x = 0; x < A.Width(); ++x)
            if (A.Pixel(x, y) != B.Pixel(x, y))
                return false;
    return true;
}

int InkInside(const TBitmap& Bitmap, const TRect& Area) {
    int ink = 0;
    for (int y = Area.Top; y < Area.Bottom; ++y)
        for (int x = Area.Left; x < Area.Right; ++x)
            ink += Bitmap.Pixel(x, y) != Paper;
    return ink;
}

struct TGraphicCase {
    const char* Name;
    std::function<void(TScene&)> Setup;
};

void PrintTo(const TGraphicCase& Case, std::ostream* Out) {
    *Out << Case.Name;
}

// Every kind, with values meant to overflow its cell where it can (wide ratings, oversized
// progress values, large shapes).
const std::vector<TGraphicCase>& GraphicCases() {
    static const std::vector<TGraphicCase> cases = {
        {"CheckBox", [](TScene& s) { s.Grid->AddCheckBox(Col, Row, true, false); }},
        {"DataCheckBox",
         [](TScene& s) {
             s.Grid->AddCheckBox(Col, Row, true, true);
             s.Grid->SetCells(Col, Row, s.Grid->CheckTrue);
         }},
        {"TriStateGrayed", [](TScene& s) { s.Grid->AddCheckBox(Col, Row, cbGrayed); }},
        {"RadioButton", [](TScene& s) { s.Grid->AddRadioButton(Col, Row, true); }},
        {"RadioGroupVertical", [](TScene& s) { s.Grid->AddRadio(Col, Row, 0, 1, &s.Items); }},
        {"RadioGroupHorizontal", [](TScene& s) { s.Grid->AddRadio(Col, Row, 1, 2, &s.Items); }},
        {"Progress",
         [](TScene& s) {
             TCellGraphic* g = s.Graphic(ctProgress);
             g->CellBitmap = AsColorField(0x00FF00);
             g->CellIcon = AsColorField(0xFFFFFF);
             g->CellErrLen = 100;
             s.Grid->SetCells(Col, Row, "250");
         }},
        {"ProgressPie",
         [](TScene& s) {
             TCellGraphic* g = s.Graphic(ctProgressPie);
             g->CellBitmap = AsColorField(0x0000FF);
             g->CellAngle = 75;
         }},
        {"RangeIndicator",
         [](TScene& s) {
             TCellGraphic* g = s.Graphic(ctRangeIndicator);
             g->CellIndex = 10;
             g->CellBitmap = AsColorField(0x0000FF);
             g->CellIcon = AsColorField(0x00FF00);
             s.Grid->SetCells(Col, Row, "-40");
         }},
        {"XPProgress",
         [](TScene& s) {
             TCellGraphic* g = s.Graphic(ctXPProgress);
             g->CellErrLen = 10;
             s.Grid->SetCells(Col, Row, "7");
         }},
        {"XPProgressWithAnEmptyRange",
         [](TScene& s) {
             TCellGraphic* g = s.Graphic(ctXPProgress);
             g->CellErrFrom = 5;
             g->CellErrLen = 5;
             s.Grid->SetCells(Col, Row, "7");
         }},
        {"Shape",
         [](TScene& s) {
             TCellGraphic* g = s.Graphic(ctShape);
             g->CellHAlign = haFull;
             g->CellVAlign = vaFull;
             g->CellAngle = csStar;
             g->CellIndex = 0x00FFFF;
             g->CellBitmap = AsColorField(0x000000);
         }},
        {"ButtonWiderThanCell",
         [](TScene& s) {
             s.Graphic(ctButton)->SetButton(200, 60, "A long caption", haRight, vaBottom);
         }},
        {"Expand", [](TScene& s) { s.Graphic(ctExpand)->CellVar = true; }},
        {"PictureLargerThanCell",
         [](TScene& s) {
             TBitmap big(300, 200);
             big.Canvas()->Brush()->SetColor(0x00FF00);
             big.Canvas()->FillRect(TRect{0, 0, 300, 200});
             s.Picture.Assign(&big);
             s.Graphic(ctPicture)->SetPicture(&s.Picture, false, noStretch, 0, haLeft, vaTop);
         }},
        {"Rating",
         [](TScene& s) {
             TCellGraphic* g = s.Graphic(ctRating);
             g->CellAngle = 12;
             g->CellIndex = 0x00FFFF;
             g->CellBitmap = AsColorField(0xC0C0C0);
             s.Grid->SetCells(Col, Row, "2.3");
         }},
    };
    return cases;
}

class GraphicStaysInCell : public testing::TestWithParam<TGraphicCase> {};

TEST_P(GraphicStaysInCell, DrawsInsideItsCellAndNowhereElse) {
    TScene scene;
    GetParam().Setup(scene);
    const auto bitmap = scene.Render();
    const TRect cell{Content.Left - 2, Content.Top - 2, Content.Right + 2, Content.Bottom + 2};
    for (int y = 0; y < bitmap->Height(); ++y) {
        for (int x = 0; x < bitmap->Width(); ++x) {
            if (!cell.Contains(TPoint{x, y})) {
                ASSERT_EQ(bitmap->Pixel(x, y), Paper) << "outside the cell at " << x << "," << y;
            }
        }
    }
    EXPECT_GT(InkInside(*bitmap, cell), 0) << "nothing drawn";
}

INSTANTIATE_TEST_SUITE_P(EveryKind, GraphicStaysInCell, testing::ValuesIn(GraphicCases()),
                         [](const auto& info) { return std::string(info.param.Name); });

struct TStateCase {
    const char* Name;
    TGridControlStyle Style;
    std::function<void(TScene&, bool)> Setup; // true: the "on" state
};

void PrintTo(const TStateCase& Case, std::ostream* Out) {
    *Out << Case.Name;
}

class ControlShowsState : public testing::TestWithParam<TStateCase> {};

TEST_P(ControlShowsState, OnAndOffLookDifferent) {
    TScene on;
    TScene off;
    on.Grid->ControlLook()->SetControlStyle(GetParam().Style);
    off.Grid->ControlLook()->SetControlStyle(GetParam().Style);
    GetParam().Setup(on, true);
    GetParam().Setup(off, false);
    const auto onBitmap = on.Render();
    const auto offBitmap = off.Render();
    EXPECT_GT(InkInside(*offBitmap, Content), 0);
    EXPECT_FALSE(SamePixels(*onBitmap, *offBitmap));
}

INSTANTIATE_TEST_SUITE_P(
    CheckAndRadio, ControlShowsState,
    testing::Values(
        TStateCase{"CheckClassic", csClassic,
                   [](TScene& s, bool on) { s.Grid->AddCheckBox(Col, Row, on, false); }},
        TStateCase{"CheckFlat", csFlat,
                   [](TScene& s, bool on) { s.Grid->AddCheckBox(Col, Row, on, false); }},
        TStateCase{"CheckThemed", csTheme,
                   [](TScene& s, bool on) { s.Grid->AddCheckBox(Col, Row, on, false); }},
        TStateCase{"DataCheck", csClassic,
                   [](TScene& s, bool on) {
                       s.Grid->AddCheckBox(Col, Row, false, true);
                       s.Grid->SetCells(Col, Row, on ? s.Grid->CheckTrue : s.Grid->CheckFalse);
                   }},
        TStateCase{
            "TriStateGrayedOrUnchecked", csClassic,
            [](TScene& s, bool on) { s.Grid->AddCheckBox(Col, Row, on ? cbGrayed : cbUnchecked); }},
        TStateCase{"RadioButton", csClassic,
                   [](TScene& s, bool on) { s.Grid->AddRadioButton(Col, Row, on); }},
        TStateCase{"RadioButtonThemed", csWinXP,
                   [](TScene& s, bool on) { s.Grid->AddRadioButton(Col, Row, on); }}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(RadioGroupDrawing, IndexMinusOneChecksTheItemEqualToTheCellText) {
    struct TCase {
        const char* Text;
        int SameAsIndex; // -1: none checked
    };
    for (const TCase& c : {TCase{"B", 1}, TCase{"C", 2}, TCase{"Z", -1}, TCase{"", -1}}) {
        SCOPED_TRACE(c.Text);
        TScene byText;
        byText.Grid->AddRadio(Col, Row, 0, -1, &byText.Items);
        byText.Grid->SetCells(Col, Row, c.Text);
        TScene byIndex;
        byIndex.Grid->AddRadio(Col, Row, 0, c.SameAsIndex, &byIndex.Items);
        byIndex.Grid->SetCells(Col, Row, c.Text);
        EXPECT_TRUE(SamePixels(*byText.Render(), *byIndex.Render()));
    }
}

// Numbers read from cells: text that is no number draws as 0, and an empty range draws an empty
// bar instead of dividing by zero.
TEST(NumberGraphicDrawing, UnreadableCellDrawsAsZero) {
    struct TCase {
        const char* Name;
        TCellType Kind;
        int RangeEnd;
    };
    for (const TCase& c :
         {TCase{"Progress", ctProgress, 100}, TCase{"XPProgress", ctXPProgress, 100},
          TCase{"XPProgressEmptyRange", ctXPProgress, 0}, TCase{"Range", ctRangeIndicator, 100},
          TCase{"Rating", ctRating, 0}}) {
        SCOPED_TRACE(c.Name);
        const auto render = [&](const char* Text) {
            TScene scene;
            TCellGraphic* g = scene.Graphic(c.Kind);
            g->CellErrLen = c.RangeEnd;
            g->CellIndex = c.Kind == ctRangeIndicator ? 10 : 0x00FFFF;
            g->CellAngle = 5;
            g->CellBitmap = AsColorField(0x00FF00);
            g->CellIcon = AsColorField(0xFFFFFF);
            scene.Grid->SetCells(Col, Row, Text);
            return scene.Render();
        };
        EXPECT_TRUE(SamePixels(*render("no number"), *render("0")));
    }
}

TEST(RatingDrawing, ValueRoundsToHalfStars) {
    // 2.3 rounds to 2.5: the same as 2.5, not the same as 2 or 3.
    const auto render = [](const char* Text) {
        TScene scene;
        TCellGraphic* g = scene.Graphic(ctRating);
        g->CellAngle = 5;
        g->CellIndex = 0x00FFFF;
        g->CellBitmap = AsColorField(0xC0C0C0);
        scene.Grid->SetCells(Col, Row, Text);
        return scene.Render();
    };
    const auto rated = render("2.3");
    EXPECT_TRUE(SamePixels(*rated, *render("2.5")));
    EXPECT_FALSE(SamePixels(*rated, *render("2")));
    EXPECT_FALSE(SamePixels(*rated, *render("3")));
}

TEST(CheckBoxPlacement, RightJustifiedBoxStandsBeforeTextDataBoxAtTheEdge) {
    struct TCase {
        const char* Name;
        bool Data;
        bool AtRightEdge;
    };
    for (const TCase& c : {TCase{"CheckBox", false, false}, TCase{"DataCheckBox", true, true}}) {
        SCOPED_TRACE(c.Name);
        TScene scene;
        scene.Grid->AddCheckBox(Col, Row, true, c.Data);
        const auto bitmap = scene.Render(taRightJustify, 40);
        const TRect rightQuarter{Content.Right - 18, Content.Top, Content.Right + 2,
                                 Content.Bottom};
        EXPECT_EQ(InkInside(*bitmap, rightQuarter) > 0, c.AtRightEdge);
    }
}

} // namespace

namespace {
TEST(ButtonDrawing, StoresTheButtonOffsetInTheCell) {
    TScene scene;
    TCellGraphic* button = scene.Graphic(ctButton);
    button->SetButton(30, 16, "Go", haLeft, vaTop);
    scene.Render();
    // Left-aligned from the content edge grown into the text margin: 1 in from the cell on both
    // axes.
    const int offset = static_cast<int>(button->CellValue);
    EXPECT_EQ(offset & 0xFFFF, 2);
    EXPECT_EQ(offset >> 16, 2);
}
} // namespace
