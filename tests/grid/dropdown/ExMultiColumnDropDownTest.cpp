// The multi-column drop-down: items and columns, the index and the edit's text, completion of
// typed text against the lookup column, the list's search, opening, choosing, cancelling and
// the style presets.
#include "grid/dropdown/ExMultiColumnDropDown.h"
#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/ExMultiColumnDropDownColGrid.h"

#include "grid/stringgrid/FooterAppearance.h"
#include "grid/stringgrid/HeaderAppearance.h"
#include "platform/core/CodePage.h"
#include "platform/ui/Font.h"
#include "platform/ui/Form.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/Keys.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using MultiColumnDropDown::ctImage;
using MultiColumnDropDown::TDropDownColumn;
using MultiColumnDropDown::TDropDownColumns;
using MultiColumnDropDown::TDropDownItem;
using MultiColumnDropDown::TDropDownItems;
using TColumnListGrid = MultiColumnDropDown::TExColGrid;

namespace {

void AddItem(TDropDownItems& Items, const std::vector<std::string>& Texts, int Image = -1) {
    TDropDownItem* item = Items.Add();
    for (const std::string& text : Texts)
        item->Text().Add(text);
    item->SetImageIndex(Image);
}

class MultiColumn : public ::testing::Test {
protected:
    MultiColumn()
        : Form(std::make_unique<TForm>(nullptr)), Drop(new TExMultiColumnDropDown(Form.get())) {
        Form->SetBounds(100, 100, 500, 400);
        Drop->SetParent(Form.get());
        Drop->SetBounds(10, 40, 200, 21);
        Form->Show();
        Drop->SetFocus();
        for (const char* header : {"Fruit", "Colour", "Code"})
            Drop->Columns()->Add()->SetHeader(header);
        Drop->BeginUpdate();
        AddItem(*Drop->Items(), {"Apple", "red", "A1"});
        AddItem(*Drop->Items(), {"Banana", "yellow", "B2"});
        AddItem(*Drop->Items(), {"Cherry", "dark red", "C3"});
        Drop->EndUpdate();
        Drop->OnChange = [this](TObject*) { ++Changes; };
        Drop->OnSelect = [this](TObject*) { ++Selects; };
    }
    void Type(const std::string& Keys) {
        for (char key : Keys)
            InputSimulation::TypeChar(Drop, static_cast<TChar>(key));
    }
    void TypeInList(const std::string& Keys) {
        for (char key : Keys)
            InputSimulation::TypeChar(List(), static_cast<TChar>(key));
    }
    std::string Selected() const {
        const std::u16string text = Utf8ToUtf16(Drop->Text());
        return Utf16ToUtf8(text.substr(Drop->SelStart(), Drop->SelLength()));
    }
    TColumnListGrid* List() const { return Drop->ListGrid(); }
    bool PopupShown() const { return Drop->DropDownForm()->Visible(); }

    std::unique_ptr<TForm> Form;
    TExMultiColumnDropDown* Drop;
    int Changes = 0;
    int Selects = 0;
};

} // namespace

TEST_F(MultiColumn, ANewControlHasTheLinesAndHeaderOfItsStyle) {
    TExMultiColumnDropDown fresh(nullptr);
    EXPECT_EQ(fresh.LineColor(), 0xF1EDEBu);
    EXPECT_EQ(fresh.FixedLineColor(), 0xD1BBA4u);
    EXPECT_EQ(fresh.HeaderColor(), 0xFFFFFFu);
    EXPECT_EQ(fresh.HeaderColorTo(), 0x808080u);
    EXPECT_EQ(fresh.HeaderFont()->Color(), 0x723708u);
    EXPECT_EQ(fresh.ItemIndex(), -1);
    EXPECT_EQ(fresh.LookupColumn(), 0);
    EXPECT_EQ(fresh.DropDownRowHeight(), 22);
    EXPECT_EQ(fresh.HeaderHeight(), 25);
    EXPECT_EQ(fresh.DropDownHeight(), 200);
    EXPECT_EQ(fresh.SelectionTextColor(), 0u);
    EXPECT_TRUE(fresh.DropDownAutoWidth());
    EXPECT_TRUE(fresh.ColumnSizeWithDropDown());
    EXPECT_TRUE(fresh.MatchStart());
    EXPECT_NE(fresh.ListGrid(), nullptr);
    EXPECT_EQ(fresh.ListGrid()->ExDropDown(), &fresh);
}

TEST_F(MultiColumn, ItemsAndColumnsAreCopiedWithEverySetting) {
    TDropDownItems items(nullptr);
    AddItem(items, {"x", "y"}, 4);
    AddItem(items, {}, 2);
    TDropDownItems copy(nullptr);
    copy.Assign(&items);
    ASSERT_EQ(copy.Count(), 2);
    EXPECT_EQ(copy.Items(0)->Text().Text(), "x\ny");
    EXPECT_EQ(copy.Items(0)->ImageIndex(), 4);
    EXPECT_EQ(copy.Items(1)->Text().Count(), 0);
    EXPECT_EQ(copy.Items(1)->ImageIndex(), 2);

    TDropDownColumns columns(nullptr);
    TDropDownColumn* column = columns.Add();
    column->SetWidth(33);
    column->SetHeader("H");
    column->SetAlignment(taCenter);
    column->SetColor(0x123456);
    column->SetColumnType(ctImage);
    column->SetEllipsis(true);
    column->SetWordwrap(true);
    column->SetAutoSize(true);
    column->Font()->SetColor(0x654321);
    TDropDownColumn* target = columns.Insert(0);
    EXPECT_EQ(target->Width(), 80);
    columns.SetItem(0, columns.Items(1));
    EXPECT_EQ(target->Width(), 33);
    EXPECT_EQ(target->Header(), "H");
    EXPECT_EQ(target->Alignment(), taCenter);
    EXPECT_EQ(target->Color(), 0x123456u);
    EXPECT_EQ(target->ColumnType(), ctImage);
    EXPECT_TRUE(target->Ellipsis() && target->Wordwrap() && target->AutoSize());
    EXPECT_EQ(target->Font()->Color(), 0x654321u);
    EXPECT_NE(target->Font(), column->Font());

    TExMultiColumnDropDown other(nullptr);
    Drop->SetItemIndex(2);
    Drop->SetLookupColumn(1);
    Drop->SetHeaderHeight(30);
    other.Assign(Drop);
    EXPECT_EQ(other.Items()->Count(), 3);
    EXPECT_EQ(other.Columns()->Count(), 3);
    EXPECT_EQ(other.ItemIndex(), 2);
    EXPECT_EQ(other.Text(), "") << "the index is copied, the text is not";
    EXPECT_EQ(other.LookupColumn(), 1);
    EXPECT_EQ(other.HeaderHeight(), 30);
}

TEST_F(MultiColumn, ItemsReloadedShorterThanTheIndexStillOpen) {
    Drop->SetItemIndex(2);
    Drop->BeginUpdate();
    Drop->Items()->Clear();
    AddItem(*Drop->Items(), {"Apple", "red", "A1"});
    Drop->EndUpdate();
    InputSimulation::KeyPress(Drop, VK_F4);
    ASSERT_TRUE(PopupShown());
    InputSimulation::KeyPressFocused(VK_DOWN);
    InputSimulation::KeyPressFocused(VK_RETURN, '\r');
    EXPECT_FALSE(PopupShown());
    EXPECT_EQ(Drop->ItemIndex(), 0);
    EXPECT_EQ(Drop->Text(), "Apple");
}

TEST_F(MultiColumn, ItemsWithoutALookupTextNeverMatchAndShowNoText) {
    Drop->BeginUpdate();
    AddItem(*Drop->Items(), {}, 1);     // no texts at all
    AddItem(*Drop->Items(), {"", "x"}); // an empty lookup text
    Drop->EndUpdate();
    ASSERT_EQ(Drop->LookupItems().Count(), 5);
    EXPECT_EQ(Drop->LookupItems()[3], "");

    const struct {
        int Column;
        const char* Value;
        int Index;
    } lookups[] = {
        {0, "Banana", 1}, {0, "banana", -1}, {1, "dark red", 2}, {2, "C3", 2},
        {3, "", -1},      {5, "x", -1},      {1, "x", 4},        {-1, "x", -1},
    };
    for (const auto& c : lookups)
        EXPECT_EQ(Drop->Items()->IndexInColumn(c.Column, c.Value), c.Index)
            << c.Column << " " << c.Value;
    EXPECT_EQ(Drop->GetItemIndex("Cherry"), 2);

    Drop->SetItemIndex(1);
    Drop->SetItemIndex(3);
    EXPECT_EQ(Drop->ItemIndex(), 3);
    EXPECT_EQ(Drop->Text(), "");
    Drop->SetLookupColumn(7);
    Drop->SetItemIndex(0);
    EXPECT_EQ(Drop->Text(), "") << "a lookup column past the item's texts reads nothing";
    Drop->EndUpdate();
    EXPECT_EQ(Drop->LookupItems().Count(), 5);
    Type("a");
    EXPECT_EQ(Drop->Text(), "a") << "empty lookup texts complete nothing";
}

TEST_F(MultiColumn, ItemIndexShowsTheLookupTextAndIgnoresIndexesPastTheItems) {
    const struct {
        int Write;
        int Index;
        const char* Text;
    } steps[] = {
        {1, 1, "Banana"}, {3, 1, "Banana"}, {9, 1, "Banana"}, {0, 0, "Apple"},
        {-1, -1, ""},     {2, 2, "Cherry"}, {-5, -1, ""},
    };
    for (const auto& step : steps) {
        Drop->SetItemIndex(step.Write);
        EXPECT_EQ(Drop->ItemIndex(), step.Index) << step.Write;
        EXPECT_EQ(Drop->Text(), step.Text) << step.Write;
    }
    Drop->SetLookupColumn(2);
    Drop->SetItemIndex(1);
    EXPECT_EQ(Drop->Text(), "B2");
    EXPECT_EQ(Drop->RowCount(), 3);
}

TEST_F(MultiColumn, NavigationStepsThroughTheItems) {
    for (int i = 0; i < 20; ++i)
        AddItem(*Drop->Items(), {"Item" + std::to_string(i)});
    Drop->EndUpdate();
    const struct {
        void (TExMultiColumnDropDown::*Step)();
        int From;
        int To;
    } cases[] = {
        {&TExMultiColumnDropDown::SelectNext, -1, 0},
        {&TExMultiColumnDropDown::SelectNext, 5, 6},
        {&TExMultiColumnDropDown::SelectNext, 22, 22},
        {&TExMultiColumnDropDown::SelectPrevious, -1, 0},
        {&TExMultiColumnDropDown::SelectPrevious, 0, 0},
        {&TExMultiColumnDropDown::SelectPrevious, 5, 4},
        {&TExMultiColumnDropDown::SelectNextPage, -1, 0},
        {&TExMultiColumnDropDown::SelectNextPage, 5, 15},
        {&TExMultiColumnDropDown::SelectNextPage, 15, 22},
        {&TExMultiColumnDropDown::SelectPreviousPage, -1, 0},
        {&TExMultiColumnDropDown::SelectPreviousPage, 12, 2},
        {&TExMultiColumnDropDown::SelectPreviousPage, 9, 0},
        {&TExMultiColumnDropDown::SelectFirst, 9, 0},
        {&TExMultiColumnDropDown::SelectLast, 0, 22},
    };
    for (const auto& c : cases) {
        Drop->SetItemIndex(c.From);
        (Drop->*c.Step)();
        EXPECT_EQ(Drop->ItemIndex(), c.To) << c.From;
    }
    Drop->SetItemIndex(3);
    InputSimulation::KeyPress(Drop, VK_DOWN);
    EXPECT_EQ(Drop->ItemIndex(), 4);
    InputSimulation::KeyPress(Drop, VK_NEXT);
    EXPECT_EQ(Drop->ItemIndex(), 14);
    InputSimulation::KeyPress(Drop, VK_END);
    EXPECT_EQ(Drop->ItemIndex(), 14) << "End moves the caret while the edit is typed into";
    Drop->SetEditorEnabled(false);
    InputSimulation::KeyPress(Drop, VK_END);
    EXPECT_EQ(Drop->ItemIndex(), 22);
}

TEST_F(MultiColumn, TypingCompletesFromTheLookupColumn) {
    Type("b");
    EXPECT_EQ(Drop->Text(), "banana") << "the typed part keeps its letter case";
    EXPECT_EQ(Selected(), "anana");
    EXPECT_EQ(Drop->ItemIndex(), 1);
    EXPECT_EQ(Changes, 2);
    EXPECT_TRUE(Drop->IsModified());

    Type("anana");
    EXPECT_EQ(Drop->Text(), "Banana") << "the release of the last key confirms the item";
    EXPECT_EQ(Drop->ItemIndex(), 1);
    EXPECT_EQ(Drop->SelStart(), 6);
    EXPECT_EQ(Drop->SelLength(), 0);
}

TEST_F(MultiColumn, CompletionSteps) {
    const struct {
        bool MatchCase;
        const char* Typed;
        const char* Text;
        const char* Completed;
        int Index;
    } cases[] = {
        {false, "c", "cherry", "herry", 2}, {false, "ch", "cherry", "erry", 2},
        {false, "chx", "chx", "", 2}, // the last completion's item stays
        {true, "b", "b", "", -1},           {true, "B", "Banana", "anana", 1},
        {false, "z", "z", "", -1},
    };
    for (const auto& c : cases) {
        Drop->SetItemIndex(-1);
        Drop->SetMatchCase(c.MatchCase);
        Type(c.Typed);
        EXPECT_EQ(Drop->Text(), c.Text) << c.Typed;
        EXPECT_EQ(Selected(), c.Completed) << c.Typed;
        EXPECT_EQ(Drop->ItemIndex(), c.Index) << c.Typed;
    }
}

TEST_F(MultiColumn, BackspaceStopsCompletionUntilTheNextKey) {
    Type("b");
    ASSERT_EQ(Drop->Text(), "banana");
    InputSimulation::KeyPress(Drop, VK_BACK, 8);
    EXPECT_EQ(Drop->Text(), "b");
    Type("a");
    EXPECT_EQ(Drop->Text(), "banana");
}

TEST_F(MultiColumn, EnterOnALookupTextTakesItsSpellingAndItem) {
    for (const bool returnIsTab : {false, true}) {
        Drop->SetItemIndex(-1);
        Drop->SetReturnIsTab(returnIsTab);
        Drop->SetText("banana");
        InputSimulation::KeyPress(Drop, VK_RETURN, u'\r');
        EXPECT_EQ(Drop->Text(), "Banana") << returnIsTab;
        EXPECT_EQ(Drop->ItemIndex(), 1) << returnIsTab;
    }
}

TEST_F(MultiColumn, ThePopupHeightIsRoundedToWholeRows) {
    Drop->DropDownHeader()->SetVisible(true);
    Drop->DropDownFooter()->SetVisible(true);
    Drop->DropDownHeader()->SetHeight(22);
    Drop->DropDownFooter()->SetHeight(22);
    Drop->ShowDropDown();
    EXPECT_EQ(Drop->DropDownForm()->Height(), 181) << "five rows";
    Drop->HideDropDown(true);
    Drop->SetDropDownRowHeight(0);
    EXPECT_EQ(Drop->DropDownRowHeight(), 1) << "a row height divides";
}

TEST_F(MultiColumn, ColumnsFollowThePopupWidthCarryingTheRoundingOn) {
    Drop->SetDropDownAutoWidth(false);
    Drop->SetDropDownWidth(200);
    Drop->ShowDropDown();
    ASSERT_EQ(Drop->DropDownForm()->Width(), 200);
    EXPECT_EQ(List()->ColWidths(0), 66);
    EXPECT_EQ(List()->ColWidths(1), 66);
    EXPECT_EQ(List()->ColWidths(2), 67);
    EXPECT_EQ(Drop->Columns()->Items(2)->Width(), 80) << "the columns keep their own width";
}

TEST_F(MultiColumn, OpeningShowsTheItemsAndTheCurrentItem) {
    Drop->SetItemIndex(2);
    Changes = 0;
    Drop->ShowDropDown();
    ASSERT_TRUE(PopupShown());
    EXPECT_EQ(List()->RowCount(), 4);
    EXPECT_EQ(List()->ColCount(), 3);
    EXPECT_EQ(List()->FixedRows(), 1);
    EXPECT_EQ(List()->Row(), 3);
    EXPECT_TRUE(List()->Focused()) << "keys go to the list";
    EXPECT_EQ(Drop->ItemIndex(), 2) << "opening changes nothing";
    EXPECT_EQ(Changes, 0);
}

TEST_F(MultiColumn, MovingInTheListChangesTheItemAndEscapeRestoresTheOpening) {
    Drop->SetItemIndex(0);
    Drop->ShowDropDown();
    InputSimulation::KeyPress(List(), VK_DOWN);
    InputSimulation::KeyPress(List(), VK_DOWN);
    EXPECT_EQ(Drop->ItemIndex(), 2);
    EXPECT_EQ(Drop->Text(), "Cherry");
    EXPECT_TRUE(PopupShown());
    InputSimulation::KeyPress(List(), VK_ESCAPE, 27);
    EXPECT_FALSE(PopupShown());
    EXPECT_EQ(Drop->ItemIndex(), 0);
    EXPECT_EQ(Drop->Text(), "Apple");
}

TEST_F(MultiColumn, EscapeWithNothingChosenKeepsTheTypedText) {
    Drop->SetText("Pear");
    Drop->ShowDropDown();
    InputSimulation::KeyPress(List(), VK_DOWN);
    Drop->HideDropDown(true);
    EXPECT_EQ(Drop->ItemIndex(), -1);
    EXPECT_EQ(Drop->Text(), "Pear");
}

TEST_F(MultiColumn, EnterAndAClickOnARowChooseItAndClose) {
    Drop->ShowDropDown();
    InputSimulation::KeyPress(List(), VK_DOWN);
    InputSimulation::KeyPress(List(), VK_RETURN, u'\r');
    EXPECT_FALSE(PopupShown());
    EXPECT_EQ(Drop->ItemIndex(), 1);
    EXPECT_EQ(Selects, 1);

    Drop->ShowDropDown();
    const TRect cell = List()->CellRect(1, 3);
    InputSimulation::Click(List(), {cell.Left + 3, cell.Top + 3});
    EXPECT_FALSE(PopupShown());
    EXPECT_EQ(Drop->ItemIndex(), 2);
    EXPECT_EQ(Drop->Text(), "Cherry");
    EXPECT_EQ(Selects, 2);
}

TEST_F(MultiColumn, TheWheelInTheListMovesOnlyTheHighlight) {
    Drop->SetItemIndex(0);
    Drop->ShowDropDown();
    const TRect cell = List()->CellRect(0, 1);
    InputSimulation::Wheel(List(), {cell.Left + 3, cell.Top + 3}, -120);
    EXPECT_EQ(List()->Row(), 2);
    EXPECT_EQ(Drop->ItemIndex(), 0);
    EXPECT_FALSE(List()->ConfirmSelection());
    Drop->HideDropDown(false);
    EXPECT_EQ(Drop->ItemIndex(), 0) << "closing does not commit a wheel step";
    EXPECT_EQ(Drop->Text(), "Apple");
}

TEST_F(MultiColumn, TypingInTheListSearchesTheLookupTexts) {
    Drop->ShowDropDown();
    TypeInList("c");
    TypeInList("h");
    EXPECT_EQ(List()->Row(), 3);
    EXPECT_EQ(Drop->Text(), "Cherry");
    EXPECT_EQ(Selected(), "erry");
    EXPECT_EQ(Drop->LookupEntry(), "ch");
    TypeInList("x");
    EXPECT_EQ(Drop->LookupEntry(), "");
    EXPECT_EQ(List()->Row(), 3);
    TypeInList("b");
    EXPECT_EQ(Drop->LookupEntry(), "b");
    EXPECT_EQ(Drop->Text(), "Banana");
    EXPECT_EQ(List()->Row(), 2);
    EXPECT_TRUE(PopupShown());
}

TEST_F(MultiColumn, BackspaceInTheListRemovesTheCompletedPartAndEndsTheSearch) {
    Drop->ShowDropDown();
    TypeInList("ch");
    ASSERT_EQ(Selected(), "erry");
    InputSimulation::KeyPress(List(), VK_BACK, 8);
    EXPECT_EQ(Drop->Text(), "Ch");
    EXPECT_EQ(Drop->SelStart(), 2);
    EXPECT_EQ(Drop->LookupEntry(), "");
    TypeInList("a");
    EXPECT_EQ(Drop->Text(), "Apple") << "a new search";
}

TEST_F(MultiColumn, TheWheelOverTheEditStepsAndAltUpInTheListCloses) {
    InputSimulation::Wheel(Drop, {5, 5}, -120);
    EXPECT_EQ(Drop->ItemIndex(), 0);
    InputSimulation::Wheel(Drop, {5, 5}, -120);
    EXPECT_EQ(Drop->ItemIndex(), 1);
    InputSimulation::Wheel(Drop, {5, 5}, 120);
    EXPECT_EQ(Drop->ItemIndex(), 0);
    Drop->ShowDropDown();
    InputSimulation::KeyPress(List(), VK_DOWN);
    InputSimulation::KeyPress(List(), VK_UP, 0, {ssAlt});
    EXPECT_FALSE(PopupShown());
    EXPECT_EQ(Drop->ItemIndex(), 1) << "closed as accepted";
}

TEST_F(MultiColumn, StylesSetTheListColours) {
    const struct {
        TULKStyle Style;
        TColor Header, HeaderTo, Line, FixedLine, SelectionText;
        TSelectionColorStyle Selection;
    } cases[] = {
        {tsOffice2003Blue, 0xD68759, 0x933803, 0x962D00, 0x962D00, 0, scOffice2007},
        {tsWindowsXP, clBtnFace, clBtnFace, 0xC0C0C0, 0, clHighlightText, scCustom},
        {tsWindowsVista, 0xFFFDF9, 0xFFFAF0, 0xFCF2DA, 0xFCF2DA, 0, scWindowsVista},
        {tsOffice2010Black, 0x828282, clNone, 0xEEDDCF, 0xEEDDCF, 0, scCustom},
    };
    for (const auto& c : cases) {
        Drop->SetComponentStyle(c.Style);
        EXPECT_EQ(Drop->HeaderColor(), c.Header) << c.Style;
        EXPECT_EQ(Drop->HeaderColorTo(), c.HeaderTo) << c.Style;
        EXPECT_EQ(Drop->LineColor(), c.Line) << c.Style;
        EXPECT_EQ(Drop->FixedLineColor(), c.FixedLine) << c.Style;
        EXPECT_EQ(Drop->SelectionTextColor(), c.SelectionText) << c.Style;
        EXPECT_EQ(Drop->SelectionColorStyle(), c.Selection) << c.Style;
    }
    EXPECT_EQ(Drop->SelectionColor(), 0x6CD0FFu);
    EXPECT_EQ(Drop->HeaderFont()->Color(), 0xD7D7D6u);
    Drop->SetComponentStyle(tsCustom);
    EXPECT_EQ(Drop->LineColor(), 0xEEDDCFu);
    Drop->SetSelectionColorStyle(scWindows7);
    EXPECT_EQ(Drop->LineColor(), 0xECECF0u);
    EXPECT_EQ(Drop->FixedLineColor(), 0xD4D2D1u);
}
