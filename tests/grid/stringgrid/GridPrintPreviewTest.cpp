// The print preview window: page stepping, zoom and keys, and pages exactly as the grid's preview
// draws them.
#include "grid/stringgrid/GridPrintPreview.h"

#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/PrintSettings.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/SpeedButton.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// A page of 400 x 378 pixels takes 18 rows of 0.5 cm.
constexpr int PageWidth = 400;
constexpr int PageHeight = 378;

class GridPrintPreview : public ::testing::Test {
protected:
    void SetUp() override {
        Grid.SetColCount(3);
        Grid.SetFixedRows(0);
        Grid.SetFixedCols(0);
        SetRows(100);
        Grid.PrintSettings()->UseFixedHeight = true;
        Grid.PrintSettings()->FixedHeight = 50;
        Grid.PrintSettings()->NoAutoSize = true;
        Preview = std::make_unique<TGridPrintPreview>(nullptr, &Grid);
        Preview->SetPageSize(PageWidth, PageHeight);
    }
    void SetRows(int rows) {
        Grid.SetRowCount(rows);
        for (int r = 0; r < rows; ++r)
            Grid.SetCells(0, r, "row " + std::to_string(r));
    }
    // The page as the grid draws it for a preview of its own.
    std::unique_ptr<TBitmap> GridPageBitmap(int page) {
        auto bitmap = std::make_unique<TBitmap>(PageWidth, PageHeight);
        Grid.SetPreviewPage(page);
        Grid.PrintPreview(bitmap->Canvas(), TRect{0, 0, PageWidth, PageHeight});
        return bitmap;
    }
    const TBitmap& GridPage(int page) {
        Kept.push_back(GridPageBitmap(page));
        return *Kept.back();
    }
    std::vector<std::unique_ptr<TBitmap>> Kept;
    static bool SamePixels(const TBitmap& a, const TBitmap& b) {
        if (a.Width() != b.Width() || a.Height() != b.Height())
            return false;
        for (int y = 0; y < a.Height(); y += 3)
            for (int x = 0; x < a.Width(); x += 3)
                if (a.Pixel(x, y) != b.Pixel(x, y))
                    return false;
        return true;
    }

    TExStringGrid Grid{nullptr};
    std::unique_ptr<TGridPrintPreview> Preview;
};

TEST_F(GridPrintPreview, StepsThroughThePagesTheGridPrints) {
    const int pages = Preview->PageCount();
    ASSERT_GT(pages, 2);
    EXPECT_EQ(Preview->Page(), 1);
    EXPECT_EQ(Preview->PageText(), "Page 1 of " + std::to_string(pages));
    struct Step {
        void (TGridPrintPreview::*Action)();
        int Page;
    };
    const Step steps[] = {
        {&TGridPrintPreview::PriorPage, 1},         {&TGridPrintPreview::NextPage, 2},
        {&TGridPrintPreview::LastPage, pages},      {&TGridPrintPreview::NextPage, pages},
        {&TGridPrintPreview::PriorPage, pages - 1}, {&TGridPrintPreview::FirstPage, 1}};
    for (const Step& step : steps) {
        (Preview.get()->*step.Action)();
        EXPECT_EQ(Preview->Page(), step.Page);
        EXPECT_TRUE(SamePixels(Preview->PageBitmap(), GridPage(step.Page))) << step.Page;
    }
    EXPECT_FALSE(SamePixels(GridPage(1), GridPage(2)));
    Preview->SetPage(1000);
    EXPECT_EQ(Preview->Page(), pages);
    Preview->SetPage(-3);
    EXPECT_EQ(Preview->Page(), 1);
}

TEST_F(GridPrintPreview, ButtonsAndKeysStepAndZoom) {
    EXPECT_FALSE(Preview->PriorButton()->Enabled());
    EXPECT_TRUE(Preview->NextButton()->Enabled());
    Preview->NextButton()->Click();
    EXPECT_EQ(Preview->Page(), 2);
    Preview->LastButton()->Click();
    EXPECT_FALSE(Preview->NextButton()->Enabled());
    EXPECT_FALSE(Preview->LastButton()->Enabled());
    Preview->FirstButton()->Click();
    EXPECT_EQ(Preview->Page(), 1);

    Preview->Show();
    InputSimulation::KeyPress(Preview.get(), VK_NEXT);
    EXPECT_EQ(Preview->Page(), 2);
    InputSimulation::KeyPress(Preview.get(), VK_END);
    EXPECT_EQ(Preview->Page(), Preview->PageCount());
    InputSimulation::KeyPress(Preview.get(), VK_HOME);
    EXPECT_EQ(Preview->Page(), 1);
    InputSimulation::KeyPress(Preview.get(), VK_ADD);
    EXPECT_EQ(Preview->Zoom(), 150);
    InputSimulation::KeyPress(Preview.get(), VK_SUBTRACT);
    InputSimulation::KeyPress(Preview.get(), VK_SUBTRACT);
    EXPECT_EQ(Preview->Zoom(), 75);
}

TEST_F(GridPrintPreview, ZoomGoesByStepsWithinItsLimits) {
    struct Case {
        int From;
        bool In;
        int To;
    };
    const Case cases[] = {{100, true, 150}, {100, false, 75}, {120, true, 150}, {120, false, 100},
                          {400, true, 400}, {10, false, 10},  {25, false, 10}};
    for (const Case& c : cases) {
        Preview->SetZoom(c.From);
        c.In ? Preview->ZoomIn() : Preview->ZoomOut();
        EXPECT_EQ(Preview->Zoom(), c.To) << c.From << (c.In ? " in" : " out");
    }
    Preview->SetZoom(5000);
    EXPECT_EQ(Preview->Zoom(), 400);
    EXPECT_FALSE(Preview->ZoomInButton()->Enabled());
    Preview->SetZoom(0);
    EXPECT_EQ(Preview->Zoom(), 10);
    EXPECT_FALSE(Preview->ZoomOutButton()->Enabled());
}

TEST_F(GridPrintPreview, UpdatePreviewFollowsTheGrid) {
    Preview->LastPage();
    const int pages = Preview->PageCount();
    SetRows(10);
    Preview->UpdatePreview();
    EXPECT_EQ(Preview->PageCount(), 1);
    EXPECT_EQ(Preview->Page(), 1);
    EXPECT_TRUE(SamePixels(Preview->PageBitmap(), GridPage(1)));
    SetRows(100);
    Preview->UpdatePreview();
    EXPECT_EQ(Preview->PageCount(), pages);
}

TEST_F(GridPrintPreview, PagesAreCountedAlsoWhenTheGridPrintsFast) {
    const int pages = Preview->PageCount();
    Grid.FastPrint = true;
    Preview->UpdatePreview();
    EXPECT_EQ(Preview->PageCount(), pages);
    EXPECT_TRUE(Grid.FastPrint);
    Preview->SetPage(3);
    Grid.FastPrint = false;
    EXPECT_TRUE(SamePixels(Preview->PageBitmap(), GridPage(3)));
}

} // namespace
