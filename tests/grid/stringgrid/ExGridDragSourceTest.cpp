// Dragging cells and columns out of the string grid, through synthesized mouse input and the
// platform's drag test seam.
#include "grid/foundation/ArrowWindow.h"
#include "grid/foundation/DropFormats.h"
#include "grid/foundation/GridDragBlocks.h"
#include "grid/foundation/MouseActions.h"
#include "grid/foundation/Navigation.h"
#include "grid/stringgrid/DragDropSettings.h"
#include "grid/stringgrid/ExGrid.h"
#include "platform/ui/Application.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/DragBlocks.h"
#include "platform/ui/DragDrop.h"
#include "platform/ui/FloatingWindow.h"
#include "platform/ui/Form.h"
#include "platform/ui/InputSimulation.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

constexpr TDropEffect SourceCopyOrMove = DROPEFFECT_COPY | DROPEFFECT_MOVE;

class ExGridDragSource : public ::testing::Test {
protected:
    void SetUp() override {
        Form->SetBounds(0, 0, 900, 400);
        Source = MakeGrid(0);
        Target = MakeGrid(450);
        for (int r = 1; r < Source->RowCount(); ++r)
            for (int c = 1; c < Source->ColCount(); ++c)
                Source->SetCells(c, r, std::to_string(c) + ":" + std::to_string(r));
        Source->DragDropSettings()->OleDropSource = true;
        Target->DragDropSettings()->SetOleDropTarget(true);
        Target->SetOptions(Target->Options() << goEditing);
        DragDropTestSeam().Reset();
    }
    void TearDown() override { DragDropTestSeam().Reset(); }

    TExStringGrid* MakeGrid(int left) {
        auto* grid = new TExStringGrid(Form.get());
        grid->SetParent(Form.get());
        grid->SetBounds(left, 0, 420, 300);
        grid->SetColCount(4);
        grid->SetRowCount(10);
        return grid;
    }
    static TPoint CellPoint(TExStringGrid* grid, int ACol, int ARow) {
        const TRect r = grid->CellRect(ACol, ARow);
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    // Press on the cell, move by (dx, dy) with the button held, release there.
    void PressMoveRelease(int ACol, int ARow, int dx, int dy) {
        const TPoint p = CellPoint(Source, ACol, ARow);
        InputSimulation::MouseDown(Source, mbLeft, p);
        InputSimulation::MouseMove(Source, TPoint{p.X + dx, p.Y + dy}, {ssLeft});
        InputSimulation::MouseUp(Source, mbLeft, TPoint{p.X + dx, p.Y + dy});
    }
    // The drop the scripted drag makes: what the target answers, or a fixed effect.
    void DropOn(TExStringGrid* grid, int ACol, int ARow, TDragKeyState keys = MK_LBUTTON) {
        DragDropTestSeam().OnDragStart = [this, grid, ACol, ARow, keys](const TDragDataObject& data,
                                                                        TDropEffect allowed) {
            ImageDuringDrag = Source->DragImageForm();
            if (ImageDuringDrag)
                ImageSize = TSize{ImageDuringDrag->Width(), ImageDuringDrag->Height()};
            const TPoint p = CellPoint(grid, ACol, ARow);
            DragDropSimulation::DragEnter(grid, data, keys, p, allowed);
            // As in a real drag, a target that refused the last move gets no drop.
            if (DragDropSimulation::DragOver(grid, data, keys, p, allowed) == DROPEFFECT_NONE)
                return DROPEFFECT_NONE;
            return DragDropSimulation::Drop(grid, data, keys & ~MK_LBUTTON, p, allowed);
        };
    }
    void Answer(TDropEffect effect) {
        DragDropTestSeam().OnDragStart = [effect](const TDragDataObject&, TDropEffect) {
            return effect;
        };
    }
    size_t Drags() const { return DragDropTestSeam().Started.size(); }

    std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
    TExStringGrid* Source = nullptr;
    TExStringGrid* Target = nullptr;
    // Valid only while the drag runs.
    TForm* ImageDuringDrag = nullptr;
    TSize ImageSize;
};

TEST_F(ExGridDragSource, APressOnTheSelectionStartsADragOnlyBeyondThreePixels) {
    struct Case {
        int Dx;
        int Dy;
        size_t Drags;
    };
    const Case cases[] = {{3, 0, 0}, {0, 3, 0}, {-3, 3, 0}, {4, 0, 1}, {0, -4, 1}};
    for (const Case& c : cases) {
        DragDropTestSeam().Reset();
        Source->SetSelection(TGridRect{1, 2, 2, 4});
        PressMoveRelease(1, 3, c.Dx, c.Dy);
        EXPECT_EQ(Drags(), c.Drags) << c.Dx << "," << c.Dy;
        if (c.Drags == 0) { // a click on the selection without a drag selects the cell
            EXPECT_EQ(Source->Selection(), (TGridRect{1, 3, 1, 3})) << c.Dx << "," << c.Dy;
        }
    }
}

TEST_F(ExGridDragSource, NoDragWithoutTheSettingOrWhileEditing) {
    Source->SetSelection(TGridRect{1, 2, 2, 4});
    Source->DragDropSettings()->OleDropSource = false;
    PressMoveRelease(1, 3, 10, 0);
    EXPECT_EQ(Drags(), 0u);
    Source->DragDropSettings()->OleDropSource = true;
    Source->SetOptions(Source->Options() << goEditing);
    Source->SetSelection(TGridRect{1, 2, 2, 4});
    PressMoveRelease(1, 3, 10, 0);
    EXPECT_EQ(Drags(), 0u);
}

TEST_F(ExGridDragSource, TheDragCarriesTheSelectionAsTextAndCells) {
    Source->Navigation()->AllowFmtClipboard = true;
    Source->SetSelection(TGridRect{1, 2, 2, 3});
    Answer(DROPEFFECT_COPY);
    PressMoveRelease(1, 2, 6, 6);
    ASSERT_EQ(Drags(), 1u);
    const TDragDataObject& data = DragDropTestSeam().Started[0];
    ASSERT_TRUE(data.HasFormat(DragFormat::UnicodeText));
    EXPECT_EQ(ReadUnicodeTextBlock(*data.Data(DragFormat::UnicodeText)),
              "1:2\t2:2\r\n1:3\t2:3\r\n");
    EXPECT_TRUE(data.HasFormat(CFSTR_GRIDCELLS));
}

TEST_F(ExGridDragSource, WhatAMoveCopyOrCancelLeavesInTheSource) {
    struct Case {
        const char* Name;
        TDropEffect Effect;
        bool CopyAlways;
        bool Cleared;
        int Stops;
    };
    const Case cases[] = {
        {"move", DROPEFFECT_MOVE, false, true, 1},
        {"copy", DROPEFFECT_COPY, false, false, 1},
        {"move, copy always", DROPEFFECT_MOVE, true, false, 1},
        {"nobody took it", DROPEFFECT_NONE, false, false, 0},
    };
    for (const Case& c : cases) {
        SetUp();
        int stops = 0;
        int stopEffect = -1;
        Source->OnOleDragStop = [&](TObject*, int effect) {
            ++stops;
            stopEffect = effect;
        };
        Source->DragDropSettings()->OleCopyAlways = c.CopyAlways;
        Source->SetSelection(TGridRect{1, 2, 2, 3});
        Answer(c.Effect);
        PressMoveRelease(1, 2, 8, 0);
        EXPECT_EQ(Source->Cells(1, 2).empty(), c.Cleared) << c.Name;
        EXPECT_EQ(Source->Cells(2, 3).empty(), c.Cleared) << c.Name;
        EXPECT_EQ(Source->Cells(3, 3), "3:3") << c.Name;
        EXPECT_EQ(stops, c.Stops) << c.Name;
        if (c.Stops) {
            EXPECT_EQ(stopEffect, static_cast<int>(c.Effect)) << c.Name;
        }
    }
}

TEST_F(ExGridDragSource, MovingCellsToAnotherGridTakesThemThere) {
    Source->SetSelection(TGridRect{1, 2, 2, 3});
    DropOn(Target, 2, 5);
    PressMoveRelease(1, 2, 8, 0);
    EXPECT_EQ(Target->Cells(2, 5), "1:2");
    EXPECT_EQ(Target->Cells(3, 6), "2:3");
    EXPECT_EQ(Source->Cells(1, 2), "");
    EXPECT_EQ(Source->Cells(2, 3), "");
    // Ctrl copies.
    Source->SetSelection(TGridRect{3, 7, 3, 7});
    DropOn(Target, 1, 1, MK_LBUTTON | MK_CONTROL);
    PressMoveRelease(3, 7, 8, 0);
    EXPECT_EQ(Target->Cells(1, 1), "3:7");
    EXPECT_EQ(Source->Cells(3, 7), "3:7");
}

TEST_F(ExGridDragSource, AGridThatTakesNoPastedTextRefusesTheDropAndTheSourceKeepsItsCells) {
    Target->SetOptions(Target->Options() >> goEditing);
    Source->SetSelection(TGridRect{1, 2, 2, 3});
    DropOn(Target, 2, 5);
    PressMoveRelease(1, 2, 8, 0);
    EXPECT_EQ(Target->Cells(2, 5), "");
    EXPECT_EQ(Source->Cells(1, 2), "1:2");
    // With the cell stream the cells go in whole, editable or not.
    Source->Navigation()->AllowFmtClipboard = true;
    Source->SetSelection(TGridRect{1, 2, 2, 3});
    PressMoveRelease(1, 2, 8, 0);
    EXPECT_EQ(Target->Cells(2, 5), "1:2");
    EXPECT_EQ(Source->Cells(1, 2), "");
}

TEST_F(ExGridDragSource, MovingCellsOntoAnOverlappingPlaceOfTheSameGridKeepsThem) {
    Source->DragDropSettings()->SetOleDropTarget(true);
    Source->Navigation()->AllowClipboardAlways = true;
    Source->SetSelection(TGridRect{1, 2, 1, 4});
    DropOn(Source, 1, 5); // one row below the last dragged one
    PressMoveRelease(1, 2, 8, 0);
    EXPECT_EQ(Source->Cells(1, 2), "");
    EXPECT_EQ(Source->Cells(1, 5), "1:2");
    EXPECT_EQ(Source->Cells(1, 6), "1:3");
    EXPECT_EQ(Source->Cells(1, 7), "1:4");

    // Shifted by one row only: the overlapping cells hold the dropped texts.
    SetUp();
    Source->DragDropSettings()->SetOleDropTarget(true);
    Source->Navigation()->AllowClipboardAlways = true;
    Source->SetSelection(TGridRect{2, 2, 2, 4});
    DragDropTestSeam().OnDragStart = [this](const TDragDataObject& data, TDropEffect allowed) {
        const TPoint p = CellPoint(Source, 2, 3);
        // Over the dragged cells themselves a drop is refused ...
        EXPECT_EQ(DragDropSimulation::DragEnter(Source, data, MK_LBUTTON, p, allowed) &
                      DragDropSimulation::DragOver(Source, data, MK_LBUTTON, p, allowed),
                  DROPEFFECT_NONE);
        // ... one column right it is taken.
        const TPoint q = CellPoint(Source, 3, 3);
        DragDropSimulation::DragOver(Source, data, MK_LBUTTON, q, allowed);
        return DragDropSimulation::Drop(Source, data, 0, q, allowed);
    };
    PressMoveRelease(2, 2, 8, 0);
    EXPECT_EQ(Source->Cells(2, 2), "");
    EXPECT_EQ(Source->Cells(2, 4), "");
    EXPECT_EQ(Source->Cells(3, 3), "2:2");
    EXPECT_EQ(Source->Cells(3, 5), "2:4");
}

TEST_F(ExGridDragSource, MovedRowsGoWithRemoveRows) {
    Source->SetOptions(Source->Options() << goRowSelect);
    Source->DragDropSettings()->OleRemoveRows = true;
    Source->SetSelection(TGridRect{1, 3, 3, 4});
    Answer(DROPEFFECT_MOVE);
    PressMoveRelease(2, 3, 8, 0);
    EXPECT_EQ(Source->RowCount(), 8);
    EXPECT_EQ(Source->Cells(1, 3), "1:5");
}

TEST_F(ExGridDragSource, RowsMovedUpOverOtherRowsRemoveOnlyTheDraggedOnes) {
    // Dropped above without inserting rows, the dropped lines overwrite rows 1 and 2; the
    // dragged rows 5 and 6 are the ones that go, not two rows further down.
    Source->SetOptions(Source->Options() << goRowSelect);
    Source->Navigation()->AllowClipboardAlways = true;
    Source->DragDropSettings()->OleRemoveRows = true;
    Source->DragDropSettings()->SetOleDropTarget(true);
    Source->SetSelection(TGridRect{1, 5, 3, 6});
    DropOn(Source, 1, 1);
    PressMoveRelease(2, 5, 8, 0);
    EXPECT_EQ(Source->RowCount(), 8);
    EXPECT_EQ(Source->Cells(1, 1), "1:5");
    EXPECT_EQ(Source->Cells(1, 2), "1:6");
    EXPECT_EQ(Source->Cells(1, 3), "1:3");
    EXPECT_EQ(Source->Cells(1, 5), "1:7");
    EXPECT_EQ(Source->Cells(1, 6), "1:8");
}

TEST_F(ExGridDragSource, OleDragRefusalAndColumnsOnlyStartNoDrag) {
    Source->OnOleDrag = [](TObject*, int, int, const std::string& data, bool& Allow) {
        Allow = data != "1:3";
    };
    Source->SetSelection(TGridRect{1, 2, 2, 4});
    PressMoveRelease(1, 3, 8, 0);
    EXPECT_EQ(Drags(), 0u);
    Source->OnOleDrag = nullptr;
    Source->DragDropSettings()->OleColumnsOnly = true;
    Source->SetSelection(TGridRect{1, 2, 2, 4});
    PressMoveRelease(1, 3, 8, 0);
    EXPECT_EQ(Drags(), 0u);
}

TEST_F(ExGridDragSource, AHeaderDragWithColumnDragDropCarriesTheColumn) {
    Source->EnhRowColMove = false;
    Source->DragDropSettings()->OleColumnDragDrop = true;
    Target->DragDropSettings()->OleColumnReorder = true;
    int started = -1;
    Source->OnOleDragStart = [&](TObject*, int, int ACol) { started = ACol; };
    Answer(DROPEFFECT_MOVE);
    PressMoveRelease(2, 0, 8, 0);
    ASSERT_EQ(Drags(), 1u);
    EXPECT_EQ(started, 2);
    const TDragDataObject& data = DragDropTestSeam().Started[0];
    ASSERT_TRUE(data.HasFormat(CFSTR_GRIDCOLUMN));
    EXPECT_EQ(ReadGridColumnBlock(*data.Data(CFSTR_GRIDCOLUMN)), 2);
    // A column drag moves no cells.
    EXPECT_EQ(Source->Cells(2, 1), "2:1");
}

TEST_F(ExGridDragSource, TheDragImageShowsWhileTheDragRunsAndGoesAfter) {
    Source->SetSelection(TGridRect{1, 2, 2, 3});
    DropOn(Target, 1, 1);
    PressMoveRelease(1, 2, 8, 0);
    ASSERT_NE(ImageDuringDrag, nullptr);
    const TRect first = Source->CellRect(1, 2);
    const TRect last = Source->CellRect(2, 3);
    EXPECT_EQ(ImageSize, (TSize{last.Right - first.Left + 1, last.Bottom - first.Top + 1}));
    EXPECT_EQ(Source->DragImageForm(), nullptr);
    EXPECT_TRUE(Source->ShowSelection());

    ImageDuringDrag = nullptr;
    Source->DragDropSettings()->ShowCells = false;
    Source->SetSelection(TGridRect{1, 2, 2, 3});
    DropOn(Target, 1, 1);
    PressMoveRelease(1, 2, 8, 0);
    EXPECT_EQ(ImageDuringDrag, nullptr);
}

TEST_F(ExGridDragSource, SelectionToFormIsASeeThroughPictureOfTheCells) {
    Source->SetSelection(TGridRect{3, 8, 3, 8});
    Source->SetColors(1, 2, 0x0000FF);                                            // red background
    std::unique_ptr<TForm> image(Source->SelectionToForm(TGridRect{2, 3, 1, 2})); // reversed
    const TRect first = Source->CellRect(1, 2);
    const TRect last = Source->CellRect(2, 3);
    EXPECT_EQ(image->Owner(), Source);
    EXPECT_EQ(image->BorderStyle(), bsNone);
    EXPECT_EQ(WindowAlpha(image.get()), 192);
    ASSERT_EQ(image->Width(), last.Right - first.Left + 1);
    TBitmap shown(image->Width(), image->Height());
    image->PaintTo(shown.Canvas(), 0, 0);
    // The red cell's bottom-right corner, clear of its text.
    const TPoint corner{first.Right - first.Left - 4, first.Bottom - first.Top - 4};
    EXPECT_EQ(shown.Pixel(corner.X, corner.Y), static_cast<TColor>(0x0000FF));
    // The next cell is not red.
    EXPECT_NE(shown.Pixel(corner.X + 8, corner.Y), static_cast<TColor>(0x0000FF));
}

TEST_F(ExGridDragSource, ArrowsShowWhereADropWouldGo) {
    TDragDataObject text;
    text.SetData(DragFormat::UnicodeText, UnicodeTextBlock("x"));
    const TPoint p = CellPoint(Target, 2, 3);
    DragDropSimulation::DragEnter(Target, text, MK_LBUTTON, p, SourceCopyOrMove);
    EXPECT_NE(DragDropSimulation::DragOver(Target, text, MK_LBUTTON, p, SourceCopyOrMove),
              DROPEFFECT_NONE);
    TArrowWindow* left = Target->DropArrow(arrLeft);
    ASSERT_NE(left, nullptr);
    EXPECT_TRUE(left->Visible());
    const TPoint cell = Target->ClientToScreen(TPoint{Target->CellRect(2, 3).Left, 0});
    EXPECT_EQ(left->Left(), cell.X - 10);
    // Over the header row the drop is refused and the arrow goes.
    DragDropSimulation::DragOver(Target, text, MK_LBUTTON, CellPoint(Target, 2, 0), SourceCopyOrMove);
    EXPECT_FALSE(left->Visible());
    DragDropSimulation::DragOver(Target, text, MK_LBUTTON, p, SourceCopyOrMove);
    EXPECT_TRUE(left->Visible());
    DragDropSimulation::DragLeave(Target);
    EXPECT_FALSE(left->Visible());
}

TEST_F(ExGridDragSource, AColumnDragShowsArrowsAboveAndBelowTheHeader) {
    Target->DragDropSettings()->OleColumnDragDrop = true;
    Target->DragDropSettings()->SetOleDropTarget(false);
    Target->DragDropSettings()->SetOleDropTarget(true);
    TDragDataObject column;
    column.SetData(CFSTR_GRIDCOLUMN, GridColumnBlock(1));
    const TPoint p = CellPoint(Target, 2, 0);
    DragDropSimulation::DragEnter(Target, column, MK_LBUTTON, p, SourceCopyOrMove);
    EXPECT_NE(DragDropSimulation::DragOver(Target, column, MK_LBUTTON, p, SourceCopyOrMove),
              DROPEFFECT_NONE);
    ASSERT_NE(Target->DropArrow(arrDown), nullptr);
    ASSERT_NE(Target->DropArrow(arrUp), nullptr);
    const TPoint top = Target->ClientToScreen(TPoint{0, Target->CellRect(2, 0).Top});
    EXPECT_EQ(Target->DropArrow(arrDown)->Top(), top.Y - 8);
    EXPECT_TRUE(Target->DropArrow(arrUp)->Visible());
    DragDropSimulation::Drop(Target, column, 0, p, SourceCopyOrMove);
    EXPECT_FALSE(Target->DropArrow(arrDown)->Visible());
    EXPECT_FALSE(Target->DropArrow(arrUp)->Visible());
}

TEST_F(ExGridDragSource, ADragNearTheEdgesScrollsTheTarget) {
    Target->SetRowCount(60);
    Target->SetColCount(30);
    // Heights and widths that leave a partly shown row and column.
    Target->SetBounds(Target->Left(), 0, 410, 290);
    TDragDataObject text;
    text.SetData(DragFormat::UnicodeText, UnicodeTextBlock("x"));
    auto over = [&](int ACol, int ARow) {
        const TRect r = Target->CellRect(ACol, ARow);
        const TPoint p{r.Left + 3, r.Top + 3};
        DragDropSimulation::DragEnter(Target, text, MK_LBUTTON, p, SourceCopyOrMove);
        DragDropSimulation::DragOver(Target, text, MK_LBUTTON, p, SourceCopyOrMove);
    };
    // Rows: the partly shown row below scrolls down, the header row back up.
    const int top = Target->TopRow();
    over(1, top + Target->VisibleRowCount());
    EXPECT_EQ(Target->TopRow(), top + 1);
    over(1, 0);
    EXPECT_EQ(Target->TopRow(), top);
    // Columns: at most one step per tick of the grid timer.
    const int left = Target->LeftCol();
    const int ticks = Target->TimerTicks();
    over(left + Target->VisibleColCount(), 3);
    over(left + Target->VisibleColCount(), 3);
    const int steps = Target->LeftCol() - left;
    EXPECT_EQ(steps, ticks % 2 == 0 ? 1 : 0);
    EXPECT_LE(Target->TimerTicks() - ticks, 1);
}

TEST_F(ExGridDragSource, MovingDisjunctRowsAboveThemselvesRemovesTheDraggedRows) {
    Source->SetOptions(Source->Options() << goRowSelect);
    Source->MouseActions()->SetDisjunctRowSelect(true);
    Source->Navigation()->AllowClipboardAlways = true;
    Source->DragDropSettings()->OleRemoveRows = true;
    Source->DragDropSettings()->OleInsertRows = true;
    Source->DragDropSettings()->SetOleDropTarget(true);
    Source->SetRowSelect(5, true);
    Source->SetRowSelect(7, true);
    Source->SetSelection(TGridRect{1, 5, 3, 5});
    DropOn(Source, 1, 2);
    PressMoveRelease(2, 5, 8, 0);
    ASSERT_EQ(Drags(), 1u);
    const char* expected[] = {"", "1:1", "1:5", "1:7", "1:2", "1:3", "1:4", "1:6", "1:8", "1:9"};
    ASSERT_EQ(Source->RowCount(), 10);
    for (int r = 1; r < 10; ++r)
        EXPECT_EQ(Source->Cells(1, r), expected[r]) << r;
}

TEST_F(ExGridDragSource, WithoutCellPicturesAColumnDragShowsTheHeaderButton) {
    Source->EnhRowColMove = false;
    Source->DragDropSettings()->OleColumnDragDrop = true;
    Source->DragDropSettings()->ShowCells = false;
    Source->SetCells(2, 0, "Header");
    bool shownDuringDrag = false;
    TSize size;
    DragDropTestSeam().OnDragStart = [&](const TDragDataObject&, TDropEffect) {
        TCustomControl* button = Source->HeaderDragButton();
        shownDuringDrag = button && button->Visible();
        if (button)
            size = TSize{button->Width(), button->Height()};
        return DROPEFFECT_MOVE;
    };
    PressMoveRelease(2, 0, 8, 0);
    ASSERT_EQ(Drags(), 1u);
    EXPECT_TRUE(shownDuringDrag);
    EXPECT_EQ(size, (TSize{Source->ColWidths(2), Source->RowHeights(0)}));
    ASSERT_NE(Source->HeaderDragButton(), nullptr);
    EXPECT_EQ(Source->HeaderDragButton()->Caption(), "Header");
    EXPECT_FALSE(Source->HeaderDragButton()->Visible());
    EXPECT_EQ(Source->DragImageForm(), nullptr);
}

} // namespace
