// Cell images, buttons, indicators and annotations: what each operation puts into a cell, what
// it reads back, and that operations for one kind of graphic leave every other kind alone.
#include "ExGridTestGrid.h"

#include "grid/foundation/FilePicture.h"
#include "grid/foundation/IntList.h"
#include "grid/stringgrid/CellGraphic.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Colors.h"
#include "platform/ui/Image.h"
#include "platform/ui/ImgList.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

class TCountedImages : public TObject {
public:
    explicit TCountedImages(int& freed) : FFreed(freed) {}
    ~TCountedImages() override { ++FFreed; }

private:
    int& FFreed;
};

// One kind of graphic: how to put it into a cell and how to take it out again.
struct TKindCase {
    const char* Name;
    TCellType Kind;
    std::function<void(TExStringGrid&, int, int)> Add;
    std::function<void(TExStringGrid&, int, int)> Remove;
};

std::vector<TKindCase> KindCases() {
    static TBitmap bitmap;
    static TPicture picture;
    static TFilePicture filePicture;
    static TObject object;
    return {
        {"bitmap", ctBitmap,
         [](auto& g, int c, int r) { g.AddBitmap(c, r, &bitmap, false, haLeft, vaTop); },
         [](auto& g, int c, int r) { g.RemoveBitmap(c, r); }},
        {"icon", ctIcon, [](auto& g, int c, int r) { g.AddIcon(c, r, &object, haLeft, vaTop); },
         [](auto& g, int c, int r) { g.RemoveIcon(c, r); }},
        {"image index", ctImageList,
         [](auto& g, int c, int r) { g.AddImageIdx(c, r, 1, haLeft, vaTop); },
         [](auto& g, int c, int r) { g.RemoveImageIdx(c, r); }},
        {"data image", ctDataImage,
         [](auto& g, int c, int r) { g.AddDataImage(c, r, 1, haLeft, vaTop); },
         [](auto& g, int c, int r) { g.RemoveDataImage(c, r); }},
        {"images", ctImages, [](auto& g, int c, int r) { g.AddMultiImage(c, r, 0, haLeft, vaTop); },
         [](auto& g, int c, int r) { g.RemoveMultiImage(c, r); }},
        {"picture", ctPicture,
         [](auto& g, int c, int r) {
             g.AddPicture(c, r, &picture, false, Stretch, 0, haLeft, vaTop);
         },
         [](auto& g, int c, int r) { g.RemovePicture(c, r); }},
        {"file picture", ctFilePicture,
         [](auto& g, int c, int r) {
             g.AddFilePicture(c, r, &filePicture, false, Stretch, 0, haLeft, vaTop);
         },
         [](auto& g, int c, int r) { g.RemoveFilePicture(c, r); }},
        {"object", ctInterface, [](auto& g, int c, int r) { g.AddInterfacedCell(c, r, &object); },
         [](auto& g, int c, int r) { g.RemoveInterfacedCell(c, r); }},
        {"button", ctButton,
         [](auto& g, int c, int r) { g.AddButton(c, r, 40, 20, "Go", haLeft, vaTop); },
         [](auto& g, int c, int r) { g.RemoveButton(c, r); }},
        {"bit button", ctBitButton,
         [](auto& g, int c, int r) { g.AddBitButton(c, r, 40, 20, "Go", &bitmap, haLeft, vaTop); },
         [](auto& g, int c, int r) { g.RemoveBitButton(c, r); }},
        {"progress", ctProgress, [](auto& g, int c, int r) { g.AddProgress(c, r, clRed, clWhite); },
         [](auto& g, int c, int r) { g.RemoveProgress(c, r); }},
        {"themed progress", ctXPProgress,
         [](auto& g, int c, int r) { g.AddExProgress(c, r, 0, 10); },
         [](auto& g, int c, int r) { g.RemoveExProgress(c, r); }},
        {"pie", ctProgressPie, [](auto& g, int c, int r) { g.AddProgressPie(c, r, clRed, 30); },
         [](auto& g, int c, int r) { g.RemoveProgressPie(c, r); }},
        {"range", ctRangeIndicator,
         [](auto& g, int c, int r) { g.AddRangeIndicator(c, r, 50, clRed, clGreen, true); },
         [](auto& g, int c, int r) { g.RemoveRangeIndicator(c, r); }},
        {"shape", ctShape,
         [](auto& g, int c, int r) { g.AddShape(c, r, csStar, clRed, clBlack, haLeft, vaTop); },
         [](auto& g, int c, int r) { g.RemoveShape(c, r); }},
        {"rating", ctRating, [](auto& g, int c, int r) { g.AddRating(c, r, 5, clRed, clGray); },
         [](auto& g, int c, int r) { g.RemoveRating(c, r); }},
        {"scroll bar", ctScrollbar, [](auto& g, int c, int r) { g.AddScrollBar(c, r, false); },
         [](auto& g, int c, int r) { g.RemoveScrollBar(c, r); }},
        {"comment", ctComment, [](auto& g, int c, int r) { g.AddComment(c, r, "note"); },
         [](auto& g, int c, int r) { g.RemoveComment(c, r); }},
        {"rotated", ctRotated, [](auto& g, int c, int r) { g.AddRotated(c, r, 90, "up"); },
         [](auto& g, int c, int r) { g.RemoveRotated(c, r); }},
    };
}

// A grid whose cell texts are as high as their length times ten.
class TTallTextGrid : public TTestExGrid {
public:
    using TTestExGrid::TTestExGrid;
    TPoint GetCellTextSize(int ACol, int ARow) override {
        return TPoint{0, static_cast<int>(Cells(ACol, ARow).size()) * 10};
    }
};

class ExGridCellImages : public ::testing::Test {
protected:
    ExGridCellImages() { Images.SetWidth(16), Images.SetHeight(16), Grid.GridImages = &Images; }
    ~ExGridCellImages() override { Grid.GridImages = nullptr; }

    TImageList Images{nullptr};
    TTallTextGrid Grid{nullptr};
};

TEST_F(ExGridCellImages, EachRemoveTakesOutItsOwnKindAndLeavesEveryOtherKind) {
    const std::vector<TKindCase> cases = KindCases();
    for (const TKindCase& added : cases) {
        for (const TKindCase& other : cases) {
            if (other.Kind == added.Kind || (other.Kind == ctButton && added.Kind == ctBitButton))
                continue; // RemoveButton takes both kinds of button
            added.Add(Grid, 1, 1);
            Grid.SetCells(1, 1, "kept");
            other.Remove(Grid, 1, 1);
            EXPECT_EQ(Grid.GetCellType(1, 1), added.Kind)
                << added.Name << " after removing a " << other.Name;
            EXPECT_EQ(Grid.Cells(1, 1), "kept") << added.Name << " after removing a " << other.Name;
        }
        added.Remove(Grid, 1, 1);
        EXPECT_EQ(Grid.GetCellGraphic(1, 1), nullptr) << added.Name;
    }
}

TEST_F(ExGridCellImages, AddingReplacesTheGraphicAndFreesWhatTheOldOneCreated) {
    for (const TKindCase& added : KindCases()) {
        // Freed by the next add (LeakSanitizer).
        const TBitmap* made = Grid.CreateBitmap(1, 1, false, haLeft, vaTop);
        added.Add(Grid, 1, 1);
        EXPECT_EQ(Grid.GetCellType(1, 1), added.Kind) << added.Name;
        EXPECT_NE(Grid.GetBitmap(1, 1), made) << added.Name;
    }
}

TEST_F(ExGridCellImages, CreatedObjectsGoWithTheGraphicCallersObjectsStay) {
    TBitmap own;
    Grid.AddBitmap(1, 1, &own, true, haCenter, vaCenter);
    EXPECT_EQ(Grid.GetBitmap(1, 1), &own);
    Grid.RemoveBitmap(1, 1); // deleting a stack object would be reported by the sanitizer
    EXPECT_FALSE(Grid.HasBitmap(1, 1));

    TBitmap* made = Grid.CreateBitmap(1, 1, false, haLeft, vaTop);
    ASSERT_NE(made, nullptr);
    made->SetSize(4, 4);
    EXPECT_EQ(Grid.GetBitmap(1, 1), made);
    EXPECT_TRUE(Grid.GetCellGraphic(1, 1)->CellCreated);
    Grid.RemoveBitmap(1, 1);

    EXPECT_NE(Grid.CreatePicture(1, 1, false, Stretch, 2, haLeft, vaTop), nullptr);
    EXPECT_NE(Grid.GetPicture(1, 1), nullptr);
    EXPECT_NE(Grid.CreateFilePicture(1, 2, false, Stretch, 2, haLeft, vaTop), nullptr);
    EXPECT_NE(Grid.GetFilePicture(1, 2), nullptr);
    TBitmap* glyph = Grid.CreateBitButton(1, 3, 20, 10, "x", haLeft, vaTop);
    EXPECT_EQ(Grid.GetCellGraphic(1, 3)->CellBitmap, glyph);
    // Left in the grid: freed with it.
}

TEST_F(ExGridCellImages, GettersAnswerNothingForOtherKinds) {
    TPicture picture;
    Grid.AddPicture(1, 1, &picture, false, Stretch, 0, haLeft, vaTop);
    EXPECT_EQ(Grid.GetBitmap(1, 1), nullptr);
    EXPECT_EQ(Grid.GetFilePicture(1, 1), nullptr);
    EXPECT_EQ(Grid.GetInterfacedCell(1, 1), nullptr);
    EXPECT_EQ(Grid.GetPicture(1, 1), &picture);
    EXPECT_TRUE(Grid.HasPicture(1, 1));
    EXPECT_EQ(Grid.GetShapeColor(1, 1), clNone);
    EXPECT_EQ(Grid.GetScrollPosition(1, 1), -1);
    EXPECT_EQ(Grid.GetScrollProp(1, 1).PageSize, -1);
    EXPECT_EQ(Grid.GetScrollProp(1, 1).Range, -1);
    int angle = 7;
    EXPECT_FALSE(Grid.IsRotated(1, 1, angle));
    EXPECT_EQ(angle, 7);
    EXPECT_EQ(Grid.GetComment(1, 1), "");
    EXPECT_EQ(Grid.GetButtonText(1, 1), "");
    EXPECT_EQ(Grid.GetCellButtonRect(1, 1), (TRect{0, 0, 0, 0}));
    EXPECT_EQ(Grid.GetExpandGlyphRect(1, 1), (TRect{0, 0, 0, 0}));
}

TEST_F(ExGridCellImages, ImageListOperationsNeedGridImages) {
    Grid.GridImages = nullptr;
    Grid.AddImageIdx(1, 1, 3, haLeft, vaTop);
    Grid.AddDataImage(1, 2, 3, haLeft, vaTop);
    Grid.AddMultiImage(1, 3, 0, haLeft, vaTop);
    for (int r = 1; r <= 3; ++r)
        EXPECT_EQ(Grid.GetCellGraphic(1, r), nullptr) << r;
    Grid.CreateCellGraphic(1, 1)->SetImageIdx(3, haLeft, vaTop);
    int idx = -1;
    EXPECT_FALSE(Grid.GetImageIdx(1, 1, idx));
    Grid.GridImages = &Images;
    EXPECT_TRUE(Grid.GetImageIdx(1, 1, idx));
    EXPECT_EQ(idx, 3);
    Grid.SetImageIdx(1, 1, 5);
    EXPECT_TRUE(Grid.GetImageIdx(1, 1, idx));
    EXPECT_EQ(idx, 5);
}

TEST_F(ExGridCellImages, DataImageKeepsTextOrWritesTheIndexAndTakesItAway) {
    Grid.SetCells(1, 1, "2");
    Grid.AddDataImage(1, 1, 4, haLeft, vaTop);
    Grid.AddDataImage(1, 2, 4, haLeft, vaTop);
    EXPECT_EQ(Grid.Cells(1, 1), "2");
    EXPECT_EQ(Grid.Cells(1, 2), "4");
    EXPECT_TRUE(Grid.HasDataImage(1, 2));
    Grid.RemoveDataImage(1, 2);
    EXPECT_EQ(Grid.Cells(1, 2), "");
    EXPECT_FALSE(Grid.HasDataImage(1, 2));
    Grid.SetCells(1, 3, "plain");
    Grid.RemoveDataImage(1, 3);
    EXPECT_EQ(Grid.Cells(1, 3), "plain") << "a cell without data image keeps its text";
}

TEST_F(ExGridCellImages, MultiImageListBelongsToTheCell) {
    Grid.AddMultiImage(2, 1, 1, haLeft, vaTop);
    TIntList* list = Grid.GetCellImages(2, 1);
    ASSERT_NE(list, nullptr);
    list->Add(0);
    list->Add(2);
    EXPECT_FALSE(Grid.GetCellGraphic(2, 1)->CellBoolean) << "Dir 1 lays out vertically";
    Grid.AddMultiImage(2, 1, 0, haLeft, vaTop); // the old list is freed (LeakSanitizer)
    EXPECT_TRUE(Grid.GetCellGraphic(2, 1)->CellBoolean);
}

TEST_F(ExGridCellImages, ButtonsCarryCaptionSizeAndPushedState) {
    Grid.AddButton(1, 1, 40, 20, "Go", haLeft, vaTop);
    const TCellGraphic* button = Grid.GetCellGraphic(1, 1);
    EXPECT_EQ(button->ButtonWidth(), 40);
    EXPECT_EQ(button->ButtonHeight(), 20);
    EXPECT_EQ(Grid.GetButtonText(1, 1), "Go");
    Grid.SetButtonText(1, 1, "Stop");
    Grid.PushButton(1, 1, true);
    EXPECT_EQ(Grid.GetButtonText(1, 1), "Stop");
    EXPECT_TRUE(button->CellBoolean);
    Grid.GetCellGraphic(1, 1)->CellValue = (5 << 16) | 3; // drawn 3 right, 5 down
    const TRect cell = Grid.CellRect(1, 1);
    EXPECT_EQ(Grid.GetCellButtonRect(1, 1),
              (TRect{cell.Left + 3, cell.Top + 5, cell.Left + 43, cell.Top + 25}));
    Grid.GetCellGraphic(1, 1)->CellHAlign = haFull;
    EXPECT_EQ(Grid.GetCellButtonRect(1, 1),
              (TRect{cell.Left, cell.Top + 5, cell.Right, cell.Top + 25}));
}

TEST_F(ExGridCellImages, ButtonOperationsLeaveOtherKindsUntouched) {
    Grid.AddComment(1, 1, "note");
    Grid.AddCheckBox(1, 2, false, false);
    Grid.SetButtonText(1, 1, "Stop");
    Grid.PushButton(1, 2, true);
    EXPECT_EQ(Grid.GetComment(1, 1), "note");
    EXPECT_FALSE(Grid.IsChecked(1, 2));
    Grid.SetButtonText(1, 3, "none"); // no graphic: nothing
    EXPECT_EQ(Grid.GetCellGraphic(1, 3), nullptr);
}

TEST_F(ExGridCellImages, ButtonOperationsTakeTheDisplayedColumn) {
    Grid.SetColCount(5);
    Grid.AddButton(3, 1, 40, 20, "Go", haLeft, vaTop);
    Grid.HideColumn(1);
    Grid.SetButtonText(2, 1, "Stop"); // display column 2 shows real column 3
    Grid.PushButton(2, 1, true);
    EXPECT_EQ(Grid.GetButtonText(2, 1), "Stop");
    EXPECT_TRUE(Grid.GetCellGraphic(3, 1)->CellBoolean);
}

TEST_F(ExGridCellImages, RemoveAllButtonsCommentsAndMarkers) {
    Grid.AddButton(1, 1, 10, 10, "a", haLeft, vaTop);
    Grid.AddBitButton(2, 2, 10, 10, "b", nullptr, haLeft, vaTop);
    Grid.AddComment(3, 3, "c");
    Grid.AddComment(1, 2, "d");
    Grid.AddMarker(2, 1, 1, 2);
    Grid.AddRating(3, 1, 5, clRed, clGray);
    Grid.RemoveAllButtons();
    EXPECT_FALSE(Grid.HasButton(1, 1));
    EXPECT_FALSE(Grid.HasButton(2, 2));
    Grid.RemoveAllComments();
    EXPECT_EQ(Grid.GetCellGraphic(3, 3), nullptr);
    EXPECT_EQ(Grid.GetCellGraphic(1, 2), nullptr);
    Grid.RemoveAllMarkers();
    EXPECT_EQ(Grid.GetCellGraphic(2, 1), nullptr);
    EXPECT_TRUE(Grid.HasRating(3, 1));
}

TEST_F(ExGridCellImages, IndicatorsStoreTheirValues) {
    Grid.AutoNumAlign = true;
    Grid.AddProgressFormatted(1, 1, clRed, clWhite, clBlue, clBlack, "%d%%", 10, 90);
    const TCellGraphic* bar = Grid.GetCellGraphic(1, 1);
    EXPECT_EQ(bar->CellType, ctProgress);
    EXPECT_EQ(bar->CellErrFrom, 10);
    EXPECT_EQ(bar->CellErrLen, 90);
    EXPECT_EQ(bar->CellText, "%d%%");
    EXPECT_EQ(bar->CellIndex, clWhite);
    EXPECT_EQ(bar->CellAngle, clBlack);
    EXPECT_TRUE(bar->CellBoolean);
    EXPECT_EQ(Grid.Alignments(1, 1), taRightJustify);

    Grid.AddProgress(1, 2, clRed, clBlue);
    EXPECT_EQ(Grid.GetCellGraphic(1, 2)->CellErrLen, 100);
    EXPECT_FALSE(Grid.GetCellGraphic(1, 2)->CellBoolean);
    EXPECT_TRUE(Grid.HasProgress(1, 2));

    Grid.AddProgressPie(1, 3, clRed, 20);
    Grid.SetProgressPie(1, 3, 70);
    Grid.SetProgressPie(1, 2, 70); // a bar is no pie
    EXPECT_EQ(Grid.GetCellGraphic(1, 3)->CellAngle, 70);
    EXPECT_EQ(Grid.GetCellGraphic(1, 2)->CellAngle, clNone);

    Grid.AddShape(2, 1, csDiamond, clRed, clBlack, haCenter, vaCenter);
    Grid.SetShapeColor(2, 1, clGreen);
    EXPECT_EQ(Grid.GetShapeColor(2, 1), clGreen);
    EXPECT_EQ(Grid.GetCellGraphic(2, 1)->CellAngle, csDiamond);
    Grid.SetShapeColor(1, 3, clGreen); // a pie keeps its value
    EXPECT_EQ(Grid.GetCellGraphic(1, 3)->CellIndex, 0);
}

TEST_F(ExGridCellImages, ScrollBarsOnTheBaseCell) {
    Grid.AddScrollBar(1, 1, false);
    EXPECT_EQ(Grid.GetScrollPosition(1, 1), 0);
    EXPECT_EQ(Grid.GetScrollProp(1, 1).Range, 100);
    Grid.SetScrollPosition(1, 1, 30);
    Grid.SetScrollProp(1, 1, TScrollProp{20, 400});
    EXPECT_EQ(Grid.GetScrollPosition(1, 1), 30);
    EXPECT_EQ(Grid.GetScrollProp(1, 1).PageSize, 20);
    EXPECT_EQ(Grid.GetScrollProp(1, 1).Range, 400);
    EXPECT_FALSE(Grid.HasAutoRangeScrollBar(1, 1));
    Grid.AddScrollBar(1, 2, true);
    EXPECT_TRUE(Grid.HasAutoRangeScrollBar(1, 2));
}

TEST_F(ExGridCellImages, AutoRangeScrollBarFollowsRowAndTextHeight) {
    Grid.SetCells(1, 1, "twelve chars");
    Grid.SetCells(1, 2, "twelve chars");
    Grid.SetRowHeights(1, 30);
    Grid.AddScrollBar(1, 1, true);
    Grid.AddScrollBar(1, 2, false);
    Grid.UpdateAutoRangeScrollBar(1, 1);
    Grid.UpdateAutoRangeScrollBar(1, 2);
    EXPECT_EQ(Grid.GetScrollProp(1, 1).PageSize, 30);
    EXPECT_EQ(Grid.GetScrollProp(1, 1).Range, 120);
    EXPECT_EQ(Grid.GetScrollProp(1, 2).PageSize, 0) << "a fixed range stays";
    EXPECT_EQ(Grid.GetScrollProp(1, 2).Range, 100);
}

TEST_F(ExGridCellImages, CommentsOnlyOnEmptyOrCommentCells) {
    TBitmap bitmap;
    Grid.AddBitmap(1, 1, &bitmap, false, haLeft, vaTop);
    Grid.SetComment(1, 1, "ignored");
    EXPECT_EQ(Grid.GetCellType(1, 1), ctBitmap);
    Grid.SetComment(1, 2, "first");
    EXPECT_EQ(Grid.GetCellGraphic(1, 2)->CellIndex, clRed);
    Grid.SetComment(1, 2, "second");
    std::string comment = "untouched";
    EXPECT_TRUE(Grid.IsComment(1, 2, comment));
    EXPECT_EQ(comment, "second");
    comment = "untouched";
    EXPECT_FALSE(Grid.IsComment(1, 1, comment));
    EXPECT_EQ(comment, "untouched");
    Grid.AddColorComment(1, 3, "blue", clBlue);
    EXPECT_EQ(Grid.GetCellGraphic(1, 3)->CellIndex, clBlue);
}

TEST_F(ExGridCellImages, MarkersRideOnAnyGraphic) {
    Grid.AddButton(1, 1, 10, 10, "b", haLeft, vaTop);
    Grid.AddMarker(1, 1, 2, 3);
    Grid.AddMarker(1, 2, 4, 1);
    int pos = -1, len = -1;
    Grid.GetMarker(1, 1, pos, len);
    EXPECT_EQ(pos, 2);
    EXPECT_EQ(len, 3);
    EXPECT_EQ(Grid.GetCellType(1, 2), ctEmpty);
    Grid.RemoveMarker(1, 1);
    Grid.RemoveMarker(1, 2);
    EXPECT_EQ(Grid.GetCellType(1, 1), ctButton);
    Grid.GetMarker(1, 1, pos, len);
    EXPECT_EQ(pos, 0);
    EXPECT_EQ(len, 0);
    EXPECT_EQ(Grid.GetCellGraphic(1, 2), nullptr);
}

TEST_F(ExGridCellImages, RotatedTextAngles) {
    const struct {
        int16_t Given;
        int Stored;
    } cases[] = {{90, 90}, {360, 360}, {-90, 270}, {450, 90}};
    for (const auto& c : cases) {
        Grid.AddRotated(1, 1, c.Given, "up");
        int angle = -1;
        EXPECT_TRUE(Grid.IsRotated(1, 1, angle)) << c.Given;
        EXPECT_EQ(angle, c.Stored) << c.Given;
        EXPECT_EQ(Grid.Cells(1, 1), "up");
    }
}

TEST_F(ExGridCellImages, SetRotatedTurnsAnyGraphicAndFreesWhatItCreated) {
    Grid.CreateBitmap(1, 1, false, haLeft, vaTop); // freed when the kind changes (LeakSanitizer)
    Grid.SetRotated(1, 1, 45);
    Grid.SetRotated(1, 2, 30);
    int angle = 0;
    EXPECT_TRUE(Grid.IsRotated(1, 1, angle));
    EXPECT_EQ(angle, 45);
    EXPECT_EQ(Grid.GetBitmap(1, 1), nullptr);
    EXPECT_TRUE(Grid.IsRotated(1, 2, angle));
    EXPECT_EQ(angle, 30);
}

TEST_F(ExGridCellImages, ObjectsGivenByTheCallerAreNeverFreed) {
    int freed = 0;
    TCountedImages object(freed);
    Grid.AddInterfacedCell(1, 1, &object);
    EXPECT_EQ(Grid.GetInterfacedCell(1, 1), &object);
    Grid.AddIcon(1, 2, &object, haLeft, vaTop);
    Grid.SetRotated(1, 2, 10);
    Grid.RemoveInterfacedCell(1, 1);
    Grid.AddBitmap(1, 3, nullptr, false, haLeft, vaTop);
    EXPECT_EQ(freed, 0);
}

} // namespace
