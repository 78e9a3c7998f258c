// Cell graphics in the grid: attaching, replacing, freeing, kind queries and sizes.
#include "ExGridTestGrid.h"

#include "grid/foundation/IntList.h"
#include "grid/foundation/MouseActions.h"
#include "grid/stringgrid/CellGraphic.h"
#include "grid/stringgrid/ControlLook.h"
#include "platform/core/StringList.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Image.h"
#include "platform/ui/ImgList.h"

#include <gtest/gtest.h>

namespace {

class TCounted : public TObject {
public:
    explicit TCounted(int& freed) : FFreed(freed) {}
    ~TCounted() override { ++FFreed; }

private:
    int& FFreed;
};

// A graphic of the given kind in (c, r), made the way the add operations make theirs.
TCellGraphic* PutGraphic(TExStringGrid& grid, int c, int r, TCellType kind) {
    TCellGraphic* graphic = grid.CreateCellGraphic(c, r);
    graphic->CellType = kind;
    return graphic;
}

TEST(ExGridGraphics, CreatingAGraphicKeepsAnEmptyCellEmptyAndATextItsText) {
    TExStringGrid grid(nullptr);
    grid.SetCells(2, 3, "text");
    TCellGraphic* empty = grid.CreateCellGraphic(1, 1);
    TCellGraphic* withText = grid.CreateCellGraphic(2, 3);
    EXPECT_EQ(grid.Cells(1, 1), "");
    EXPECT_EQ(grid.Cells(2, 3), "text");
    EXPECT_EQ(grid.GetCellGraphic(1, 1), empty);
    EXPECT_EQ(grid.GetCellGraphic(2, 3), withText);
    EXPECT_EQ(grid.GetCellType(1, 1), ctNone);
}

TEST(ExGridGraphics, AddingAGraphicReplacesAndFreesTheOldOneWithItsBalloonList) {
    TExStringGrid grid(nullptr);
    int freed = 0;
    grid.AddCheckBox(1, 1, true, false);
    TCellGraphic* box = grid.GetCellGraphic(1, 1);
    box->CellAngle = 1; // a balloon hangs on the box
    box->CellBitmap = new TCounted(freed);
    grid.AddRadioButton(1, 1, true);
    EXPECT_EQ(freed, 1);
    EXPECT_EQ(grid.GetCellType(1, 1), ctRadioButton);
}

TEST(ExGridGraphics, RemovingAGraphic) {
    TExStringGrid grid(nullptr);
    EXPECT_FALSE(grid.RemoveCellGraphic(1, 1)) << "no graphic";
    grid.AddCheckBox(1, 1, false, false);
    EXPECT_FALSE(grid.RemoveCellGraphicOfType(1, 1, ctRadioButton));
    EXPECT_EQ(grid.GetCellType(1, 1), ctCheckBox) << "another kind stays";
    EXPECT_TRUE(grid.RemoveCellGraphicOfType(1, 1, ctCheckBox));
    EXPECT_EQ(grid.GetCellGraphic(1, 1), nullptr);
    EXPECT_EQ(grid.GetCellType(1, 1), ctEmpty);
}

TEST(ExGridGraphics, CellTypeOfCellsWithoutGraphic) {
    TExStringGrid grid(nullptr);
    int freed = 0;
    TCounted other(freed);
    grid.SetGraphicObjects(2, 2, &other);
    EXPECT_EQ(grid.GetCellType(-1, 1), ctEmpty);
    EXPECT_EQ(grid.GetCellType(1, -1), ctEmpty);
    EXPECT_EQ(grid.GetCellType(1, 1), ctEmpty);
    EXPECT_EQ(grid.GetCellType(2, 2), ctEmpty) << "an object that is no cell graphic";
    EXPECT_EQ(grid.GetCellGraphic(2, 2), nullptr);
    grid.SetGraphicObjects(2, 2, nullptr);
}

TEST(ExGridGraphics, RowSelectionBoxesInColumnZero) {
    TExStringGrid grid(nullptr);
    grid.MouseActions()->SetHotmailRowSelect(true);
    for (int row : {0, 1, 5})
        EXPECT_EQ(grid.GetCellType(0, row), ctRowCheckBox) << row;
    TCellGraphic* shared = grid.GetCellGraphic(0, 2);
    ASSERT_NE(shared, nullptr);
    EXPECT_EQ(shared, grid.SharedCellGraphic());
    EXPECT_EQ(shared->CellType, ctRowCheckBox);
    EXPECT_TRUE(grid.RemoveCellGraphic(0, 2));
    EXPECT_EQ(grid.GetCellGraphic(0, 2), grid.SharedCellGraphic()) << "the shared box stays";
    EXPECT_EQ(grid.GetCellType(1, 1), ctEmpty);
}

TEST(ExGridGraphics, KindQueries) {
    using Query = bool (TExStringGrid::*)(int, int);
    struct Case {
        const char* name;
        Query query;
        std::vector<TCellType> kinds;
    } cases[] = {
        {"HasCheckBox",
         &TExStringGrid::HasCheckBox,
         {ctCheckBox, ctDataCheckBox, ctVirtCheckBox, ctRowCheckBox, ctTriStateCheckBox}},
        {"HasDataCheckBox",
         &TExStringGrid::HasDataCheckBox,
         {ctDataCheckBox, ctVirtCheckBox, ctRowCheckBox}},
        {"IsRadio", &TExStringGrid::IsRadio, {ctRadio}},
        {"HasButton", &TExStringGrid::HasButton, {ctButton, ctBitButton}},
        {"HasProgress", &TExStringGrid::HasProgress, {ctProgress}},
        {"HasRating", &TExStringGrid::HasRating, {ctRating}},
        {"HasScrollBar", &TExStringGrid::HasScrollBar, {ctScrollbar}},
        {"HasBalloon", &TExStringGrid::HasBalloon, {ctBalloon}},
        {"HasExpand", &TExStringGrid::HasExpand, {ctExpand}},
        {"HasRadioButton", &TExStringGrid::HasRadioButton, {ctRadioButton}},
        {"HasDataImage", &TExStringGrid::HasDataImage, {ctDataImage}},
        {"IsControlCell",
         &TExStringGrid::IsControlCell,
         {ctCheckBox, ctDataCheckBox, ctRadio, ctButton, ctVirtCheckBox, ctRowCheckBox,
          ctRadioButton, ctTriStateCheckBox}},
    };
    for (const Case& c : cases) {
        for (int k = ctBitmap; k <= ctExpand; ++k) {
            const auto kind = static_cast<TCellType>(k);
            TExStringGrid grid(nullptr);
            PutGraphic(grid, 1, 1, kind);
            const bool expected = std::find(c.kinds.begin(), c.kinds.end(), kind) != c.kinds.end();
            EXPECT_EQ((grid.*c.query)(1, 1), expected) << c.name << " of kind " << k;
            EXPECT_FALSE((grid.*c.query)(2, 2)) << c.name << " without graphic";
            EXPECT_FALSE((grid.*c.query)(-1, 1)) << c.name << " at a negative column";
        }
    }
}

TEST(ExGridGraphics, DataGraphicCells) {
    for (int k = ctBitmap; k <= ctExpand; ++k) {
        const auto kind = static_cast<TCellType>(k);
        TExStringGrid grid(nullptr);
        PutGraphic(grid, 1, 1, kind);
        const bool expected = kind == ctDataCheckBox || kind == ctDataImage ||
                              kind == ctVirtCheckBox || kind == ctRowCheckBox;
        EXPECT_EQ(IsDataGraphicCell(&grid, 1, 1), expected) << k;
    }
}

TEST(ExGridGraphics, QueriesOfAMergedCellAskItsBaseCell) {
    TExStringGrid grid(nullptr);
    grid.AddCheckBox(1, 1, true, false);
    ASSERT_TRUE(grid.MergeCells(1, 1, 2, 2));
    EXPECT_TRUE(grid.HasCheckBox(2, 2));
    EXPECT_TRUE(grid.IsControlCell(2, 1));
}

TEST(ExGridGraphics, CellImagesAndImageKeys) {
    TExStringGrid grid(nullptr);
    TCellGraphic* images = grid.CreateCellGraphic(1, 1);
    images->SetMultiImage(1, 1, 0, haLeft, vaTop, nullptr);
    EXPECT_EQ(grid.GetCellImages(1, 1), images->CellBitmap);
    EXPECT_EQ(grid.GetCellImages(2, 2), nullptr);
    EXPECT_EQ(grid.GetCellImageKey(1, 1), -1);

    TBitmap bitmap;
    grid.CreateCellGraphic(2, 1)->SetBitmap(&bitmap, false, haLeft, vaTop);
    grid.CreateCellGraphic(3, 1)->SetImageIdx(4, haLeft, vaTop);
    EXPECT_EQ(grid.GetCellImageKey(2, 1), reinterpret_cast<intptr_t>(&bitmap));
    EXPECT_EQ(grid.GetCellImageKey(3, 1), 4);
    EXPECT_EQ(grid.GetCellImageKey(4, 1), -1);
}

TEST(ExGridGraphics, ScreenSizeOfTheFixedSizeKinds) {
    struct Case {
        TCellType kind;
        int angle;
        TPoint size;
    } cases[] = {
        {ctCheckBox, 0, {15, 15}},         {ctDataCheckBox, 0, {15, 15}},
        {ctTriStateCheckBox, 0, {15, 15}}, {ctRadioButton, 0, {10, 10}},
        {ctProgressPie, 0, {20, 20}},      {ctRating, 5, {90, 16}},
        {ctProgress, 0, {0, 0}},           {ctComment, 0, {0, 0}},
    };
    for (const Case& c : cases) {
        TExStringGrid grid(nullptr);
        PutGraphic(grid, 1, 1, c.kind)->CellAngle = c.angle;
        EXPECT_EQ(grid.GetCellGraphicSize(1, 1), c.size) << c.kind;
    }
    TExStringGrid grid(nullptr);
    EXPECT_EQ(grid.GetCellGraphicSize(1, 1), (TPoint{0, 0})) << "no graphic";
    grid.ControlLook()->SetCheckSize(20);
    PutGraphic(grid, 1, 1, ctCheckBox);
    EXPECT_EQ(grid.GetCellGraphicSize(1, 1), (TPoint{20, 20}));
}

TEST(ExGridGraphics, ScreenSizeOfButtons) {
    TExStringGrid grid(nullptr);
    grid.CreateCellGraphic(1, 1)->SetButton(30, 20, "Go", haLeft, vaTop);
    EXPECT_EQ(grid.GetCellGraphicSize(1, 1), (TPoint{30, 20})) << "alone in its cell";
    grid.SetCells(1, 1, "text");
    EXPECT_EQ(grid.GetCellGraphicSize(1, 1), (TPoint{30, 0})) << "beside text";
    grid.GetCellGraphic(1, 1)->CellHAlign = haCenter;
    EXPECT_EQ(grid.GetCellGraphicSize(1, 1), (TPoint{0, 0})) << "centred over text";
    grid.GetCellGraphic(1, 1)->CellVAlign = vaUnderText;
    grid.GetCellGraphic(1, 1)->CellHAlign = haLeft;
    EXPECT_EQ(grid.GetCellGraphicSize(1, 1), (TPoint{0, 20})) << "under text";
}

TEST(ExGridGraphics, FullAlignmentsTakeTheCellSize) {
    TExStringGrid grid(nullptr);
    const TRect r = grid.CellRect(1, 1);
    TCellGraphic* box = PutGraphic(grid, 1, 1, ctCheckBox);
    box->CellHAlign = haFull;
    box->CellVAlign = vaFull;
    EXPECT_EQ(grid.GetCellGraphicSize(1, 1), (TPoint{r.Right - r.Left, r.Bottom - r.Top}));
    TCellGraphic* rating = PutGraphic(grid, 2, 1, ctRating);
    rating->CellAngle = 2;
    rating->CellHAlign = haFull;
    EXPECT_EQ(grid.GetCellGraphicSize(2, 1), (TPoint{36, 16})) << "a rating keeps its width";
}

TEST(ExGridGraphics, ScreenSizeOfAPictureFitsTheCellLessItsOffsets) {
    TExStringGrid grid(nullptr);
    TBitmap bitmap;
    bitmap.SetSize(400, 400);
    TPicture picture;
    picture.Assign(&bitmap);
    grid.CreateCellGraphic(1, 1)->SetPicture(&picture, false, Stretch, 0, haLeft, vaTop);
    const TPoint cell = grid.CellSize(1, 1);
    const TPoint offset = grid.XYOffset();
    EXPECT_EQ(grid.GetCellGraphicSize(1, 1),
              (TPoint{cell.X - 1 - 2 * offset.X, cell.Y - 1 - 2 * offset.Y}));
    EXPECT_EQ(grid.CalcGraphicSize(1, 1, 5).Y, cell.Y - 1 - 2 * offset.Y - 5)
        << "less the reserved height";
}

TEST(ExGridGraphics, PrintSizes) {
    TExStringGrid grid(nullptr);
    PutGraphic(grid, 1, 1, ctCheckBox);
    PutGraphic(grid, 2, 1, ctNode);
    PutGraphic(grid, 3, 1, ctRating)->CellAngle = 5;
    EXPECT_EQ(grid.CalcPrintGraphicSize(1, 1, 100, 100, 1), (TPoint{15, 15}));
    EXPECT_EQ(grid.CalcPrintGraphicSize(2, 1, 100, 100, 1), (TPoint{20, 20}));
    EXPECT_EQ(grid.CalcPrintGraphicSize(3, 1, 100, 100, 1), (TPoint{0, 0}));
    TBitmap bitmap;
    bitmap.SetSize(100, 50);
    TPicture picture;
    picture.Assign(&bitmap);
    grid.CreateCellGraphic(4, 1)->SetPicture(&picture, false, Stretch, 0, haLeft, vaTop);
    EXPECT_EQ(grid.CalcPrintGraphicSize(4, 1, 25, 15, 2), (TPoint{12, 8}))
        << "12.5 and 7.5 round to even";
}

} // namespace

namespace {

TEST(ExGridGraphics, ScreenSizeOfRadioGroupsFollowsTheirItems) {
    TExStringGrid grid(nullptr);
    ASSERT_NE(grid.Canvas(), nullptr);
    TStringList items;
    items.Add("one");
    items.Add("three");
    grid.AddRadio(1, 1, 0, 0, &items);
    grid.AddRadio(2, 1, 1, 0, &items);
    TCanvas& canvas = *grid.Canvas();
    const int line = canvas.TextHeight("gh");
    EXPECT_EQ(grid.GetCellGraphicSize(1, 1),
              (TPoint{12 + canvas.TextWidth("three"), std::max(16, line) * 2}))
        << "vertical";
    EXPECT_EQ(grid.GetCellGraphicSize(2, 1),
              (TPoint{canvas.TextWidth("one") + 12 + canvas.TextWidth("three") + 12, line}))
        << "horizontal";
}

TEST(ExGridGraphics, ScreenSizeOfImagesComesFromTheGridsImageList) {
    TExStringGrid grid(nullptr);
    TImageList images(nullptr);
    images.SetWidth(16);
    images.SetHeight(12);
    grid.GridImages = &images;
    grid.CreateCellGraphic(1, 1)->SetImageIdx(0, haLeft, vaTop);
    TCellGraphic* row = grid.CreateCellGraphic(2, 1);
    row->SetMultiImage(2, 1, 0, haLeft, vaTop, nullptr);
    grid.GetCellImages(2, 1)->Add(0);
    grid.GetCellImages(2, 1)->Add(1);
    grid.GetCellImages(2, 1)->Add(2);
    EXPECT_EQ(grid.GetCellGraphicSize(1, 1), (TPoint{16, 12}));
    EXPECT_EQ(grid.GetCellGraphicSize(2, 1), (TPoint{48, 12}));
    grid.SetCells(1, 1, "text");
    EXPECT_EQ(grid.GetCellGraphicSize(1, 1), (TPoint{0, 0})) << "an image over text";
    grid.GetCellGraphic(1, 1)->CellHAlign = haBeforeText;
    EXPECT_EQ(grid.GetCellGraphicSize(1, 1), (TPoint{16, 0})) << "an image before text";
    grid.GridImages = nullptr;
}

} // namespace
