// Cell graphics rendered into a bitmap: each kind is there, inside its cell, where its alignment
// puts it, with and without text in the cell.
#include "ExGridTestGrid.h"
#include "GridPixels.h"
#include "IcoFile.h"

#include "grid/foundation/CellGraphics.h"
#include "grid/foundation/IntList.h"
#include "grid/stringgrid/CellGraphicObject.h"
#include "grid/stringgrid/ControlLook.h"
#include "platform/core/StringList.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Font.h"
#include "platform/ui/Icon.h"
#include "platform/ui/Image.h"
#include "platform/ui/ImgList.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <iterator>
#include <memory>
#include <optional>
#include <string>

namespace {

using GridPixels::Blue;
using GridPixels::Green;
using GridPixels::Orange;
using GridPixels::Red;
using GridPixels::White;

constexpr int ColWidth = 120;
constexpr int RowHeight = 40;

std::unique_ptr<TTestExGrid> GraphicGrid() {
    auto grid = GridPixels::PlainGrid(ColWidth, RowHeight, 0);
    grid->Font()->SetColor(clBlack);
    return grid;
}

using GridPixels::Render;
using GridPixels::Solid;

enum TSpot { Start, Middle, End, Anywhere };

struct GraphicCase {
    const char* what;
    std::function<void(TTestExGrid&)> add;
    TColor color; // the graphic's own colour; clNone: found as what differs from the plain cell
    TSpot horizontal;
    TSpot vertical;
    int width = 0; // expected size, 0: not checked
    int height = 0;
};

// Where the graphic landed: the pixels of its colour, or else those that differ from the same
// grid drawn without the graphic.
std::optional<TRect> GraphicBox(const GraphicCase& c, const std::string& text) {
    auto plain = GraphicGrid();
    plain->SetCells(1, 1, text);
    const auto before = Render(*plain);
    auto grid = GraphicGrid();
    grid->SetCells(1, 1, text);
    c.add(*grid);
    const auto after = Render(*grid);
    const TRect everywhere{0, 0, grid->Width(), grid->Height()};
    if (c.color != clNone)
        return GridPixels::ColourBox(*after, everywhere, c.color);
    // What differs from the plain cell: the graphic and nothing else.
    std::optional<TRect> box;
    for (int y = 0; y < after->Height(); ++y)
        for (int x = 0; x < after->Width(); ++x)
            if (after->Pixel(x, y) != before->Pixel(x, y)) {
                const TRect dot{x, y, x + 1, y + 1};
                box = box ? TRect{std::min(box->Left, x), std::min(box->Top, y),
                                  std::max(box->Right, x + 1), std::max(box->Bottom, y + 1)}
                          : dot;
            }
    return box;
}

void ExpectSpot(TSpot spot, int from, int to, int cellFrom, int cellTo, const std::string& what) {
    constexpr int Near = 5;
    switch (spot) {
    case Start:
        EXPECT_LE(from - cellFrom, Near) << what << ": at the start";
        break;
    case End:
        EXPECT_LE(cellTo - to, Near) << what << ": at the end";
        break;
    case Middle:
        EXPECT_NEAR((from + to) / 2, (cellFrom + cellTo) / 2, 3) << what << ": centred";
        break;
    case Anywhere:
        break;
    }
}

void ExpectPlaced(const GraphicCase& c, const std::string& text) {
    const std::string what = std::string(c.what) + (text.empty() ? " (no text)" : " (with text)");
    const auto box = GraphicBox(c, text);
    // The cell every case draws into, (1, 1), without its grid lines.
    const TRect Cell = GraphicGrid()->CellRect(1, 1);
    ASSERT_TRUE(box) << what << ": nothing drawn";
    EXPECT_GE(box->Left, Cell.Left) << what;
    EXPECT_LE(box->Right, Cell.Right) << what;
    EXPECT_GE(box->Top, Cell.Top) << what;
    EXPECT_LE(box->Bottom, Cell.Bottom) << what;
    ExpectSpot(c.horizontal, box->Left, box->Right, Cell.Left, Cell.Right, what);
    ExpectSpot(c.vertical, box->Top, box->Bottom, Cell.Top, Cell.Bottom, what);
    if (c.width) {
        EXPECT_NEAR(box->Right - box->Left, c.width, 2) << what << ": width";
    }
    if (c.height) {
        EXPECT_NEAR(box->Bottom - box->Top, c.height, 2) << what << ": height";
    }
}

// A cell object that draws a soft stripe under the cell's text.
class TStripeObject : public TObject, public ICellGraphicObject {
public:
    void Draw(TCanvas* Canvas, const TRect& R, int, int, bool, TExStringGrid*) override {
        Canvas->Brush()->SetColor(0xB0E0FF);
        Canvas->FillRect(TRect{R.Left + 2, R.Top + 4, R.Right - 2, R.Bottom - 4});
    }
    int GetWidth() override { return 0; }
    int GetHeight() override { return 0; }
    bool DrawnUnderText() override { return true; }
};

// Kept alive for the grids of a case: the grid only refers to them.
TObject* SwatchObject() {
    static TStripeObject object;
    return &object;
}

TBitmap* RedSquare() {
    static const auto bitmap = Solid(12, 12, Red);
    return bitmap.get();
}

TImageList* GreenImages() {
    static const auto images = [] {
        auto list = std::make_unique<TImageList>(nullptr);
        list->SetWidth(10);
        list->SetHeight(10);
        list->Add(Solid(10, 10, Green).get(), clNone);
        list->Add(Solid(10, 10, Green).get(), clNone);
        return list;
    }();
    return images.get();
}

std::vector<GraphicCase> PlacementCases() {
    return {
        {"bitmap at the left top",
         [](TTestExGrid& g) { g.AddBitmap(1, 1, RedSquare(), false, haLeft, vaTop); }, Red, Start,
         Start, 12, 12},
        {"bitmap at the right bottom",
         [](TTestExGrid& g) { g.AddBitmap(1, 1, RedSquare(), false, haRight, vaBottom); }, Red, End,
         End, 12, 12},
        {"bitmap in the centre",
         [](TTestExGrid& g) { g.AddBitmap(1, 1, RedSquare(), false, haCenter, vaCenter); }, Red,
         Middle, Middle, 12, 12},
        {"image-list image at the right",
         [](TTestExGrid& g) {
             g.GridImages = GreenImages();
             g.AddImageIdx(1, 1, 0, haRight, vaCenter);
         },
         Green, End, Middle, 10, 10},
        {"two images side by side",
         [](TTestExGrid& g) {
             g.GridImages = GreenImages();
             g.AddMultiImage(1, 1, 0, haRight, vaTop);
             g.GetCellImages(1, 1)->Add(0);
             g.GetCellImages(1, 1)->Add(1);
         },
         Green, End, Start, 20, 10},
        {"shape at the left top",
         [](TTestExGrid& g) { g.AddShape(1, 1, csRectangle, Blue, Blue, haLeft, vaTop); }, Blue,
         Start, Anywhere},
        {"shape at the right",
         [](TTestExGrid& g) { g.AddShape(1, 1, csCircle, Blue, Blue, haRight, vaCenter); }, Blue,
         End, Anywhere},
        {"button at the left",
         [](TTestExGrid& g) { g.AddButton(1, 1, 40, 20, "", haLeft, vaCenter); }, clNone, Start,
         Middle, 40, 20},
        {"button at the right bottom",
         [](TTestExGrid& g) { g.AddButton(1, 1, 40, 20, "", haRight, vaBottom); }, clNone, End, End,
         40, 20},
        {"button in the centre",
         [](TTestExGrid& g) { g.AddButton(1, 1, 40, 20, "", haCenter, vaCenter); }, clNone, Middle,
         Middle, 40, 20},
        {"bit button at the right",
         [](TTestExGrid& g) { g.AddBitButton(1, 1, 40, 20, "", RedSquare(), haRight, vaTop); },
         clNone, End, Start, 40, 20},
        {"progress pie at the left", [](TTestExGrid& g) { g.AddProgressPie(1, 1, Orange, 100); },
         Orange, Start, Start},
        {"progress bar over the cell",
         [](TTestExGrid& g) {
             g.AddProgress(1, 1, Orange, White);
             g.SetInts(1, 1, 100);
         },
         Orange, Anywhere, Anywhere},
        {"rating stars from the left",
         [](TTestExGrid& g) {
             g.AddRating(1, 1, 3, Orange, Blue);
             g.SetFloats(1, 1, 3);
         },
         Orange, Start, Start},
        {"check box at the left", [](TTestExGrid& g) { g.AddCheckBox(1, 1, true, false); }, clNone,
         Start, Anywhere},
        {"radio button at the left", [](TTestExGrid& g) { g.AddRadioButton(1, 1, true); }, clNone,
         Start, Anywhere},
    };
}

} // namespace

TEST(ExGridGraphicDraw, EachKindIsDrawnInsideItsCellWhereItsAlignmentSays) {
    for (const GraphicCase& c : PlacementCases()) {
        ExpectPlaced(c, "");
        ExpectPlaced(c, "ab");
    }
}

// One grid with a row for every cell kind, as the picture in docs/ shows it; with
// VELMARO_GRID_PICTURE=<file.bmp> the picture is written to that file.
TEST(ExGridGraphicDraw, EveryCellKindInOneGrid) {
    static auto radioItems = [] {
        auto items = std::make_unique<TStringList>();
        items->Add("one");
        items->Add("two");
        items->Add("three");
        return items;
    }();
    struct Kind {
        const char* caption;
        std::function<void(TTestExGrid&, int)> add;
        int height = 26;
    };
    const Kind kinds[] = {
        {"Text", [](TTestExGrid& g, int r) { g.SetCells(1, r, "Plain text"); }},
        {"Bitmap",
         [](TTestExGrid& g, int r) {
             g.SetCells(1, r, "beside its text");
             g.AddBitmap(1, r, RedSquare(), false, haBeforeText, vaCenter);
         }},
        {"Image list",
         [](TTestExGrid& g, int r) {
             g.SetCells(1, r, "image at the right");
             g.AddImageIdx(1, r, 0, haRight, vaCenter);
         }},
        {"Data image",
         [](TTestExGrid& g, int r) {
             g.SetCells(1, r, "1");
             g.AddDataImage(1, r, 0, haRight, vaCenter);
         }},
        {"Icon",
         [](TTestExGrid& g, int r) {
             g.SetCells(1, r, "an icon");
             g.CreateIcon(1, r, haRight, vaCenter)
                 ->LoadFromIcoBytes(IcoFiles::IcoFile(12, 12, 0xFF0000FF));
         }},
        {"Picture",
         [](TTestExGrid& g, int r) {
             static TPicture picture;
             picture.Assign(Solid(60, 16, Blue).get());
             g.AddPicture(1, r, &picture, false, noStretch, 0, haLeft, vaCenter);
         }},
        {"Images",
         [](TTestExGrid& g, int r) {
             g.AddMultiImage(1, r, 0, haLeft, vaCenter);
             g.GetCellImages(1, r)->Add(0);
             g.GetCellImages(1, r)->Add(1);
         }},
        {"Check box",
         [](TTestExGrid& g, int r) {
             g.SetCells(1, r, "checked");
             g.AddCheckBox(1, r, true, false);
         }},
        {"Data check box",
         [](TTestExGrid& g, int r) {
             g.SetCells(1, r, "Y");
             g.AddCheckBox(1, r, false, true);
         }},
        {"Tri-state box", [](TTestExGrid& g, int r) { g.AddCheckBox(1, r, cbGrayed); }},
        {"Radio button", [](TTestExGrid& g, int r) { g.AddRadioButton(1, r, true); }},
        {"Radio group", [](TTestExGrid& g, int r) { g.AddRadio(1, r, 0, 1, radioItems.get()); },
         56}, // room for its three items one under another
        {"Button",
         [](TTestExGrid& g, int r) {
             g.SetCells(1, r, "text");
             g.AddButton(1, r, 60, 20, "Button", haRight, vaCenter);
         }},
        {"Bit button",
         [](TTestExGrid& g, int r) {
             g.AddBitButton(1, r, 80, 20, "Glyph", RedSquare(), haLeft, vaCenter);
         }},
        {"Progress",
         [](TTestExGrid& g, int r) {
             g.AddProgress(1, r, Orange, White);
             g.SetInts(1, r, 60);
         }},
        {"Level progress",
         [](TTestExGrid& g, int r) {
             g.AddExProgress(1, r, 0, 100);
             g.SetInts(1, r, 75);
         }},
        {"Progress pie",
         [](TTestExGrid& g, int r) {
             g.SetCells(1, r, "two thirds");
             g.AddProgressPie(1, r, Orange, 66);
         }},
        {"Range indicator",
         [](TTestExGrid& g, int r) {
             g.AddRangeIndicator(1, r, 100, Red, Green, true);
             g.SetInts(1, r, 40);
         }},
        {"Shape",
         [](TTestExGrid& g, int r) {
             g.SetCells(1, r, "a star");
             g.AddShape(1, r, csStar, Orange, Blue, haRight, vaCenter);
         }},
        {"Rating",
         [](TTestExGrid& g, int r) {
             g.AddRating(1, r, 5, Orange, 0xC0C0C0);
             g.SetFloats(1, r, 3.5);
         }},
        {"Comment",
         [](TTestExGrid& g, int r) {
             g.SetCells(1, r, "has a comment");
             g.AddComment(1, r, "note");
         }},
        {"Marker",
         [](TTestExGrid& g, int r) {
             g.SetCells(1, r, "a misspeled word");
             g.AddMarker(1, r, 2, 9);
         }},
        {"Expand",
         [](TTestExGrid& g, int r) {
             g.SetCells(1, r, "opens to 60 pixels");
             g.AddExpand(1, r, 60);
         }},
        {"Rotated text", [](TTestExGrid& g, int r) { g.AddRotated(1, r, 30, "turned"); }, 40},
        {"Self-drawn cell",
         [](TTestExGrid& g, int r) {
             g.SetCells(1, r, "over its own drawing");
             g.AddInterfacedCell(1, r, SwatchObject());
         }},
        {"Scroll bar",
         [](TTestExGrid& g, int r) {
             g.Multilinecells = true;
             g.SetCells(1, r, "a long text\r\nthat scrolls\r\ninside\r\nits cell");
             g.AddScrollBar(1, r, true);
         },
         34},
        {"Link in text",
         [](TTestExGrid& g, int r) {
             g.SetURLShowInText(true);
             g.SetCells(1, r, "see www.example.org here");
         }},
        {"System icon",
         [](TTestExGrid& g, int r) { g.SetCells(1, r, "<IMG src=\"SSYS:/tmp\"> a folder"); }},
        {"List", [](TTestExGrid& g, int r) { g.SetCells(1, r, "<UL><LI>bullet</UL>"); }, 40},
    };
    const int count = static_cast<int>(std::size(kinds));
    auto grid = std::make_unique<TTestExGrid>(nullptr);
    grid->SetScrollBars(ssNone);
    grid->SetColCount(2);
    grid->SetRowCount(count + 1);
    grid->SetFixedRows(1);
    grid->SetFixedCols(1);
    grid->SetColWidths(0, 110);
    grid->SetColWidths(1, 200);
    grid->SetColor(White);
    grid->GridImages = GreenImages();
    grid->SetSelection(TGridRect{-1, -1, -1, -1});
    grid->SetCells(0, 0, "Cell kind");
    grid->SetCells(1, 0, "Drawn");
    int height = grid->RowHeights(0) + 1;
    for (int i = 0; i < count; ++i) {
        const int r = i + 1;
        grid->SetRowHeights(r, kinds[i].height);
        grid->SetCells(0, r, kinds[i].caption);
        kinds[i].add(*grid, r);
        height += kinds[i].height + 1;
    }
    grid->SetBounds(0, 0, 110 + 200 + 3, height + 1);
    // Cut the picture below the last row, whatever the fixed row's height came to.
    grid->SetBounds(0, 0, 110 + 200 + 3, grid->CellRect(1, count).Bottom + 2);
    const auto picture = Render(*grid);
    for (int i = 0; i < count; ++i) {
        const TRect cell = grid->CellRect(1, i + 1);
        const auto ink = GridPixels::InkBox(
            *picture, TRect{cell.Left + 1, cell.Top + 1, cell.Right - 1, cell.Bottom - 1}, White);
        EXPECT_TRUE(ink) << kinds[i].caption;
    }
    if (const char* path = std::getenv("VELMARO_GRID_PICTURE"))
        picture->SaveToFile(path);
}
