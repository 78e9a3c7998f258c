// The multi-column drop-down's list: column and row sizes from the items, the width it needs,
// what each cell draws inside its rectangle, and how mouse and keys choose a row.
#include "grid/dropdown/ExMultiColumnDropDownColGrid.h"
#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/ExMultiColumnDropDown.h"

#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Font.h"
#include "platform/ui/Form.h"
#include "platform/ui/ImgList.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/Keys.h"
#include "platform/ui/Screen.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using MultiColumnDropDown::ctImage;
using MultiColumnDropDown::TDropDownItem;
using TColumnListGrid = MultiColumnDropDown::TExColGrid;

namespace {

constexpr TColor ImageColour = 0x00C000;
constexpr TColor CellColour = 0xF0F0F0;
constexpr TColor LineColour = 0x0000C0;

// Records where the list asks for a selected cell's background.
class TRecordingDropDown : public TExMultiColumnDropDown {
public:
    using TExMultiColumnDropDown::TExMultiColumnDropDown;
    void DrawSelectionBackground(TCanvas* Canvas, const TRect& R, TColor BackColor,
                                 uint8_t Position) override {
        Positions.push_back(Position);
        TExMultiColumnDropDown::DrawSelectionBackground(Canvas, R, BackColor, Position);
    }
    std::vector<int> Positions;
};

class ColGrid : public ::testing::Test {
protected:
    ColGrid()
        : Form(std::make_unique<TForm>(nullptr)), Drop(new TRecordingDropDown(Form.get())),
          Images(new TImageList(Form.get())) {
        Form->SetBounds(100, 100, 500, 400);
        Drop->SetParent(Form.get());
        Drop->SetBounds(10, 40, 200, 21);
        Form->Show();
        Drop->SetFocus();
        TBitmap picture;
        picture.SetSize(16, 16);
        picture.Canvas()->Brush()->SetColor(ImageColour);
        picture.Canvas()->FillRect(Rect(0, 0, 16, 16));
        Images->Add(&picture, clNone);
        Drop->SetImages(Images);
        Drop->OnSelect = [this](TObject*) { ++Selects; };
    }
    void AddColumns(int Count) {
        for (int i = 0; i < Count; ++i) {
            auto* column = Drop->Columns()->Add();
            column->SetHeader("Column " + std::to_string(i));
            column->SetColor(CellColour);
        }
    }
    void AddItem(const std::vector<std::string>& Texts, int Image = -1) {
        TDropDownItem* item = Drop->Items()->Add();
        for (const std::string& text : Texts)
            item->Text().Add(text);
        item->SetImageIndex(Image);
    }
    int TextWidth(const std::string& Text) const {
        TCanvas canvas;
        canvas.Font()->Assign(*Drop->Columns()->Items(0)->Font());
        return canvas.TextWidth(Text);
    }
    TColumnListGrid* List() const { return Drop->ListGrid(); }
    void Render(TBitmap& Bitmap) const {
        Bitmap.SetSize(List()->Width(), List()->Height());
        List()->PaintTo(Bitmap.Canvas(), 0, 0);
    }

    std::unique_ptr<TForm> Form;
    TRecordingDropDown* Drop;
    TImageList* Images;
    int Selects = 0;
};

} // namespace

TEST_F(ColGrid, AutoSizeTakesTheLongestItemTextNotTheHeader) {
    AddColumns(2);
    auto* column = Drop->Columns()->Items(0);
    column->SetAutoSize(true);
    column->SetHeader("A header much longer than any of the item texts");
    Drop->SetColumnSizeWithDropDown(false);
    AddItem({"short", "x"});
    AddItem({"a longer text", "x"});
    AddItem({}); // no texts: nothing to measure
    Drop->ShowDropDown();
    EXPECT_EQ(List()->ColWidths(0), TextWidth("a longer text") + 6);
    EXPECT_EQ(column->Width(), TextWidth("a longer text") + 6) << "written back";
    EXPECT_EQ(Drop->Columns()->Items(1)->Width(), 80);

    Drop->HideDropDown(false);
    column->SetColumnType(ctImage);
    Drop->Items()->Items(1)->SetImageIndex(0);
    Drop->Items()->Items(2)->SetImageIndex(0); // no text there: no image either
    Drop->ShowDropDown();
    EXPECT_EQ(column->Width(), 16 + 4 + TextWidth("a longer text") + 6);
}

TEST_F(ColGrid, WrappedColumnsGrowTheirRowsToAtLeast24) {
    AddColumns(2);
    Drop->Columns()->Items(1)->SetWordwrap(true);
    Drop->Columns()->Items(1)->SetWidth(60);
    Drop->SetDropDownRowHeight(18);
    AddItem({"a", "b"});
    AddItem({"a", "many words that wrap onto several lines in a narrow column"});
    AddItem({"a"});
    Drop->ShowDropDown();
    EXPECT_EQ(List()->RowHeights(0), 25);
    EXPECT_EQ(List()->RowHeights(1), 24);
    EXPECT_GT(List()->RowHeights(2), 40);
    EXPECT_EQ(List()->RowHeights(3), 24);
}

TEST_F(ColGrid, RequiredWidthIsTheColumnsAndAScrollBarWhenRowsAreHidden) {
    AddColumns(2);
    Drop->Columns()->Items(0)->SetWidth(50);
    Drop->Columns()->Items(1)->SetWidth(70);
    AddItem({"a"});
    Drop->SetColumnSizeWithDropDown(false);
    Drop->ShowDropDown();
    EXPECT_EQ(List()->RequiredWidth(), 120);
    EXPECT_EQ(Drop->DropDownForm()->Width(), 122) << "the list and the popup's border";
    Drop->HideDropDown(false);
    for (int i = 0; i < 40; ++i)
        AddItem({"row"});
    Drop->ShowDropDown();
    EXPECT_EQ(List()->RequiredWidth(), 120 + GetSystemMetrics(SM_CXVSCROLL));
}

TEST_F(ColGrid, HeadersAreSolidOrAGradient) {
    AddColumns(1);
    AddItem({"a"});
    const struct {
        TColor To;
        bool Gradient;
    } cases[] = {{clNone, false}, {0x000000, true}};
    for (const auto& c : cases) {
        Drop->SetHeaderColor(0xFFFFFF);
        Drop->SetHeaderColorTo(c.To);
        Drop->ShowDropDown();
        TBitmap bitmap;
        Render(bitmap);
        const TRect header = List()->CellBounds(0, 0);
        const int x = header.Right - 10;
        if (!c.Gradient)
            EXPECT_EQ(bitmap.Pixel(x, header.Top + 2), 0xFFFFFFu);
        EXPECT_EQ(bitmap.Pixel(x, header.Bottom - 3) != 0xFFFFFFu, c.Gradient);
        EXPECT_EQ(bitmap.Pixel(x, header.Bottom - 1), Drop->FixedLineColor()) << "header line";
        Drop->HideDropDown(false);
    }
}

TEST_F(ColGrid, AnImageColumnDrawsTheImageTwoPixelsIntoTheContent) {
    AddColumns(1);
    Drop->Columns()->Items(0)->SetColumnType(ctImage);
    Drop->Columns()->Items(0)->SetWidth(120);
    AddItem({""}, 0);
    AddItem({"", ""}, 0);
    Drop->SetItemIndex(1); // the first data row stays unselected
    Drop->ShowDropDown();
    TBitmap bitmap;
    Render(bitmap);
    const TRect cell = List()->CellBounds(0, 1);
    const int content = cell.Left + List()->GridLineWidth();
    const int middle = (cell.Top + cell.Bottom) / 2;
    EXPECT_EQ(bitmap.Pixel(content + 1, middle), CellColour);
    EXPECT_EQ(bitmap.Pixel(content + 2, middle), ImageColour);
    EXPECT_EQ(bitmap.Pixel(content + 17, middle), ImageColour);
    EXPECT_EQ(bitmap.Pixel(content + 18, middle), CellColour);
}

TEST_F(ColGrid, WideGridLinesAreShiftedAndShrinkTheContent) {
    AddColumns(2);
    AddItem({"", ""});
    AddItem({"", ""});
    Drop->SetLineColor(LineColour);
    Drop->SetItemIndex(1);
    Drop->ShowDropDown();
    List()->SetGridLineWidth(3);
    List()->SetOptions(List()->Options() << goVertLine);
    TBitmap bitmap;
    Render(bitmap);
    const TRect cell = List()->CellBounds(0, 1);
    const int x = (cell.Left + cell.Right) / 2;
    EXPECT_EQ(bitmap.Pixel(x, cell.Bottom - 2), LineColour) << "bottom line at Bottom - h";
    EXPECT_EQ(bitmap.Pixel(x, cell.Bottom - 5), CellColour);
    EXPECT_EQ(bitmap.Pixel(cell.Right - 2, cell.Top + 8), LineColour) << "right line";
    EXPECT_EQ(bitmap.Pixel(cell.Right - 5, cell.Top + 8), CellColour);
}

TEST_F(ColGrid, TheSelectionPainterLearnsWhereInTheRowACellStands) {
    const struct {
        int Columns;
        std::vector<int> Positions;
    } cases[] = {{1, {0}}, {3, {1, 3, 2}}};
    for (const auto& c : cases) {
        Drop->Columns()->Clear();
        Drop->Items()->Clear();
        AddColumns(c.Columns);
        AddItem({"a", "b", "c"});
        Drop->SetItemIndex(0);
        Drop->ShowDropDown();
        Drop->Positions.clear();
        TBitmap bitmap;
        Render(bitmap);
        EXPECT_EQ(Drop->Positions, c.Positions) << c.Columns;
        Drop->HideDropDown(true);
    }
}

TEST_F(ColGrid, DrawItemReplacesTheCellsAndGetItemTextChangesTheirText) {
    AddColumns(2);
    AddItem({"a", "b"});
    std::vector<std::pair<int, int>> drawn;
    Drop->OnDropDownDrawItem = [&](TObject* Sender, int Column, int Row, TCanvas* Canvas,
                                   const TRect&) {
        EXPECT_EQ(Sender, Drop);
        EXPECT_NE(Canvas, nullptr);
        drawn.emplace_back(Column, Row);
    };
    Drop->ShowDropDown();
    TBitmap bitmap;
    Render(bitmap);
    EXPECT_EQ(drawn.size(), 4u);
    Drop->OnDropDownDrawItem = nullptr;
    int asked = 0;
    Drop->OnDropDownGetItemText = [&](TObject*, int, int, std::string& Text) {
        ++asked;
        Text = "changed";
    };
    Render(bitmap);
    EXPECT_EQ(asked, 4);
}

TEST_F(ColGrid, AReleaseOverADataRowChoosesItWithAnyButtonNotOverTheHeader) {
    AddColumns(1);
    AddItem({"Apple"});
    AddItem({"Banana"});
    Drop->ShowDropDown();
    const TRect header = List()->CellBounds(0, 0);
    InputSimulation::MouseUp(List(), mbLeft, {header.Left + 3, header.Top + 3});
    EXPECT_EQ(Selects, 0);
    EXPECT_TRUE(Drop->DroppedDown());
    const TRect row = List()->CellBounds(0, 2);
    List()->SetRow(2);
    InputSimulation::MouseUp(List(), mbRight, {row.Left + 3, row.Top + 3});
    EXPECT_EQ(Selects, 1);
    EXPECT_FALSE(Drop->DroppedDown());
    EXPECT_EQ(Drop->Text(), "Banana");
}

TEST_F(ColGrid, TabInTheListDoesNothing) {
    AddColumns(2);
    AddItem({"Apple"});
    AddItem({"Banana"});
    Drop->ShowDropDown();
    List()->SetFocus();
    InputSimulation::KeyPress(List(), VK_TAB, 9);
    EXPECT_TRUE(Drop->DroppedDown());
    EXPECT_EQ(List()->Row(), 1);
    EXPECT_TRUE(List()->Focused());
}

TEST_F(ColGrid, AListWithoutItemsOpensAndClosesQuietly) {
    AddColumns(2);
    Drop->ShowDropDown();
    EXPECT_EQ(List()->RowCount(), 1);
    TBitmap bitmap;
    Render(bitmap);
    InputSimulation::KeyPress(List(), VK_DOWN);
    Drop->HideDropDown(false);
    EXPECT_EQ(Drop->ItemIndex(), -1);
}
