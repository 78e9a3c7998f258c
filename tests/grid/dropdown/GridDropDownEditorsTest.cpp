// The drop-down controls as the string grid's cell editors, driven by synthesized keys.
#include "grid/dropdown/GridDropDownEditors.h"
#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/ExGridDropDownGrid.h"

#include "grid/foundation/MouseActions.h"
#include "grid/foundation/ScopedFormatSettings.h"
#include "grid/stringgrid/ExGrid.h"
#include "platform/core/Exception.h"
#include "platform/ui/Application.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/FloatingWindow.h"
#include "platform/ui/Form.h"
#include "platform/ui/ImgList.h"
#include "platform/ui/InputSimulation.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

// The kinds whose edit takes any short number; the time picker's mask is tested by itself.
const TEditorType DropDownKinds[] = {edCalculatorDropDown,  edDetailDropDown, edColorPickerDropDown,
                             edImagePickerDropDown, edExGridDropDown, edTrackbarDropDown,
                             edMemoDropDown,        edGridDropDown};

class TDropDownTestGrid : public TExStringGrid {
public:
    using TExStringGrid::FNoAutoAdvance;
    using TExStringGrid::LButFlg;
    using TExStringGrid::TExStringGrid;
};

// A shown form holding a grid whose validation handler records every value and refuses it when
// a test says so.
class GridDropDownEditorsTest : public ::testing::Test {
protected:
    GridDropDownEditorsTest()
        : English(ScopedFormatSettings::English()), Form(std::make_unique<TForm>(nullptr)),
          Grid(new TDropDownTestGrid(Form.get())) {
        RegisterGridDropDownEditors();
        Form->SetClientWidth(500);
        Form->SetClientHeight(300);
        Grid->SetParent(Form.get());
        Grid->SetBounds(0, 0, 480, 280);
        Grid->SetColCount(5);
        Grid->SetRowCount(6);
        Grid->OnCellValidate = [this](TObject*, int, int, std::string& Value, bool& Valid) {
            Validated.push_back(Value);
            if (RefuseWith) {
                Value = *RefuseWith;
                Valid = false;
            }
        };
        Form->Show();
        Application->ProcessMessages();
    }
    ~GridDropDownEditorsTest() override {
        for (TEditorType kind : DropDownKinds)
            if (TExCustomDropDown* dropDown = Wrapper(kind); dropDown && dropDown->DroppedDown())
                dropDown->HideDropDown(true);
    }

    // The wrapper the grid shows for the kind; nullptr before its first use.
    TExCustomDropDown* Wrapper(TEditorType Kind) {
        switch (Kind) {
        case edCalculatorDropDown:
            return Grid->CalculatorDropDown();
        case edDetailDropDown:
            return Grid->DetailPickerDropDown();
        case edColorPickerDropDown:
            return Grid->ColorPickerDropDown();
        case edImagePickerDropDown:
            return Grid->ImagePickerDropDown();
        case edExGridDropDown:
            return Grid->ExGridDropDown();
        case edTrackbarDropDown:
            return Grid->TrackbarDropDown();
        case edMemoDropDown:
            return Grid->MemoDropDown();
        case edTimePickerDropDown:
            return Grid->TimePickerDropDown();
        case edGridDropDown:
            return Grid->GridDropDown();
        default:
            return nullptr;
        }
    }

    // The editor of the kind opened over cell (1, 1) holding Text: by the grid's own call, or by
    // F2 typed on the grid.
    TExCustomDropDown* Open(TEditorType Kind, const std::string& Text, bool ByF2) {
        Grid->DefaultEditor = Kind;
        Grid->SetOptions(Grid->Options() << goEditing);
        Grid->SetCol(1);
        Grid->SetRow(1);
        Grid->SetCells(1, 1, Text);
        Grid->SetFocus();
        if (ByF2)
            InputSimulation::KeyPress(Grid, VK_F2);
        else
            Grid->ShowInplaceEdit();
        TExCustomDropDown* dropDown = Wrapper(Kind);
        EXPECT_TRUE(dropDown != nullptr && dropDown->Visible() && dropDown->Focused()) << Kind;
        return dropDown;
    }

    // The editor opened by the grid, its value changed to Typed.
    TExCustomDropDown* Edit(TEditorType Kind, const std::string& Text, const std::string& Typed) {
        TExCustomDropDown* dropDown = Open(Kind, Text, false);
        dropDown->SetTextDirect(Typed);
        Validated.clear();
        return dropDown;
    }

    TExCustomDropDown* OpenByF2(TEditorType Kind, const std::string& Text) {
        return Open(Kind, Text, true);
    }

    ScopedFormatSettings English;
    std::unique_ptr<TForm> Form;
    TDropDownTestGrid* Grid;
    std::vector<std::string> Validated;
    std::optional<std::string> RefuseWith;
};

TEST_F(GridDropDownEditorsTest, TheGridCreatesEachWrapperOnFirstUseAndReusesIt) {
    for (TEditorType kind : DropDownKinds) {
        TCellEditor* editor = Grid->CellEditorOfKind(kind);
        ASSERT_NE(editor, nullptr) << kind;
        TExCustomDropDown* wrapper = Wrapper(kind);
        ASSERT_NE(wrapper, nullptr) << kind;
        EXPECT_EQ(wrapper->Owner(), Grid);
        EXPECT_EQ(wrapper->Parent(), Grid);
        EXPECT_FALSE(wrapper->Visible()) << "hidden until a cell is edited";
        EXPECT_EQ(Grid->CellEditorOfKind(kind), editor) << kind;
        EXPECT_EQ(Wrapper(kind), wrapper) << kind;
    }
    EXPECT_EQ(Grid->ExGridDropDown()->Grid(),
              static_cast<TExStringGrid*>(Grid->ExGridDropDown()->GetGrid()));
}

TEST_F(GridDropDownEditorsTest, AWrapperNeedsAGridAsItsOwner) {
    EXPECT_THROW(new TGridCalculatorDropDown(Form.get()), Exception);
}

TEST_F(GridDropDownEditorsTest, AFreedWrapperIsMadeAgainOnNextUse) {
    Grid->CellEditorOfKind(edCalculatorDropDown);
    delete Grid->CalculatorDropDown();
    TExCustomDropDown* again = Edit(edCalculatorDropDown, "5", "6");
    ASSERT_NE(again, nullptr);
    InputSimulation::KeyDown(again, VK_RETURN);
    EXPECT_EQ(Grid->Cells(1, 1), "6.00");
}

TEST_F(GridDropDownEditorsTest, EscapeRestoresTheCellWithoutValidation) {
    for (TEditorType kind : DropDownKinds) {
        TExCustomDropDown* dropDown = Edit(kind, "12", "34");
        InputSimulation::KeyPress(dropDown, VK_ESCAPE, 27);
        EXPECT_TRUE(Validated.empty()) << kind;
        EXPECT_FALSE(dropDown->Visible()) << kind;
        EXPECT_TRUE(Grid->Focused()) << kind;
        EXPECT_EQ(Grid->Cells(1, 1), "12") << kind;
    }
}

TEST_F(GridDropDownEditorsTest, EnterUpAndDownCommitThroughValidation) {
    struct Case {
        TEditorType Kind;
        WORD Key;
        const char* Stored;
    };
    const Case cases[] = {
        {edCalculatorDropDown, VK_RETURN, "2.00"},
        {edCalculatorDropDown, VK_UP, "2"},
        {edDetailDropDown, VK_UP, "2"},
        {edDetailDropDown, VK_DOWN, "2"},
        {edColorPickerDropDown, VK_RETURN, "2"},
        {edImagePickerDropDown, VK_DOWN, "2"},
        {edExGridDropDown, VK_RETURN, "2"},
        {edExGridDropDown, VK_UP, "2"},
    };
    for (const Case& c : cases) {
        TExCustomDropDown* dropDown = Edit(c.Kind, "1", "2");
        InputSimulation::KeyDown(dropDown, c.Key);
        EXPECT_EQ(Validated, std::vector<std::string>{c.Stored}) << c.Kind << " " << c.Key;
        EXPECT_EQ(Grid->Cells(1, 1), c.Stored) << c.Kind;
        EXPECT_FALSE(dropDown->Visible()) << c.Kind;
    }
}

TEST_F(GridDropDownEditorsTest, DownMovesTheGridOnlyWhenThePopupIsClosed) {
    const TEditorType kinds[] = {edCalculatorDropDown, edDetailDropDown, edImagePickerDropDown,
                                 edExGridDropDown};
    for (TEditorType kind : kinds) {
        for (bool dropped : {false, true}) {
            TExCustomDropDown* dropDown = Edit(kind, "1", "2");
            if (dropped)
                dropDown->ShowDropDown();
            InputSimulation::KeyDown(dropDown, VK_DOWN);
            EXPECT_EQ(Validated, std::vector<std::string>{"2"}) << kind << " " << dropped;
            EXPECT_EQ(Grid->Row(), dropped ? 1 : 2) << kind << " " << dropped;
            EXPECT_FALSE(dropDown->Visible()) << kind << " " << dropped;
            EXPECT_FALSE(dropDown->DroppedDown()) << "no popup outlives its editor";
        }
    }
}

TEST_F(GridDropDownEditorsTest, ARefusedValueKeepsTheEditorOpenWithTheKeyConsumed) {
    for (TEditorType kind : DropDownKinds) {
        TExCustomDropDown* dropDown = Edit(kind, "1", "bad");
        RefuseWith = "good";
        Grid->FNoAutoAdvance = false;
        const int row = Grid->Row();
        InputSimulation::KeyDown(dropDown, VK_RETURN);
        EXPECT_EQ(dropDown->Text(), "good") << kind;
        EXPECT_TRUE(dropDown->Visible()) << kind;
        EXPECT_TRUE(Grid->FNoAutoAdvance) << kind;
        EXPECT_EQ(Grid->Row(), row) << kind;
        RefuseWith.reset();
        InputSimulation::KeyPress(dropDown, VK_ESCAPE, 27);
    }
}

TEST_F(GridDropDownEditorsTest, TabCommitsAndMovesOnWithGoTabs) {
    Grid->SetOptions(Grid->Options() << goTabs);
    for (TEditorType kind : DropDownKinds) {
        TExCustomDropDown* dropDown = Edit(kind, "1", "2");
        InputSimulation::KeyPress(dropDown, VK_TAB, '\t');
        EXPECT_EQ(Validated, std::vector<std::string>{"2"}) << kind;
        EXPECT_EQ(Grid->Cells(1, 1), "2") << kind;
        EXPECT_EQ(Grid->Col(), 2) << kind;
        Grid->HideInplaceEdit();
    }
}

TEST_F(GridDropDownEditorsTest, TabWithoutGoTabsCommitsWhenTheGridValidatesAndLeavesTheTabToIt) {
    Grid->SetOptions(Grid->Options() >> goTabs);
    for (TEditorType kind : DropDownKinds) {
        TExCustomDropDown* dropDown = Edit(kind, "1", "2");
        InputSimulation::KeyPress(dropDown, VK_TAB, '\t');
        EXPECT_EQ(Validated, std::vector<std::string>{"2"}) << kind;
        EXPECT_EQ(Grid->Cells(1, 1), "2") << kind;
        EXPECT_FALSE(dropDown->Visible()) << kind;
        Application->ProcessMessages();
        Grid->HideInplaceEdit();
    }
}

TEST_F(GridDropDownEditorsTest, ARefusedTabKeepsTheEditorOpen) {
    Grid->SetOptions(Grid->Options() << goTabs);
    for (TEditorType kind : DropDownKinds) {
        TExCustomDropDown* dropDown = Edit(kind, "1", "bad");
        RefuseWith = "good";
        InputSimulation::KeyDown(dropDown, VK_TAB);
        EXPECT_EQ(dropDown->Text(), "good") << kind;
        EXPECT_TRUE(dropDown->Visible()) << kind;
        EXPECT_EQ(Grid->Col(), 1) << kind;
        RefuseWith.reset();
        InputSimulation::KeyPress(dropDown, VK_ESCAPE, 27);
    }
}

TEST_F(GridDropDownEditorsTest, TheOpenColourPickerTakesItsNavigationKeys) {
    struct Case {
        bool Dropped;
        WORD Key;
        bool Commits;
    };
    const Case cases[] = {
        {true, VK_UP, false},   {true, VK_DOWN, false}, {true, VK_HOME, false},
        {true, VK_END, false},  {true, VK_NEXT, false}, {true, VK_RETURN, true},
        {false, VK_HOME, true}, {false, VK_UP, true},
    };
    for (const Case& c : cases) {
        TExCustomDropDown* dropDown = Edit(edColorPickerDropDown, "Red", "Blue");
        if (c.Dropped)
            dropDown->ShowDropDown();
        ASSERT_EQ(dropDown->DroppedDown(), c.Dropped);
        InputSimulation::KeyDown(dropDown, c.Key);
        EXPECT_EQ(Validated.size(), c.Commits ? 1u : 0u) << c.Key << " " << c.Dropped;
        EXPECT_EQ(dropDown->Visible(), !c.Commits) << c.Key << " " << c.Dropped;
        if (dropDown->DroppedDown())
            dropDown->HideDropDown(true);
        if (dropDown->Visible())
            InputSimulation::KeyPress(dropDown, VK_ESCAPE, 27);
    }
}

TEST_F(GridDropDownEditorsTest, EnterInTheCalculatorStoresThePendingResult) {
    TExCustomDropDown* dropDown = Edit(edCalculatorDropDown, "3", "3");
    InputSimulation::TypeChar(dropDown, '+');
    InputSimulation::TypeChar(dropDown, '4');
    ASSERT_EQ(dropDown->Text(), "4");
    InputSimulation::KeyDown(dropDown, VK_RETURN);
    EXPECT_EQ(Validated, std::vector<std::string>{"7.00"});
    EXPECT_EQ(Grid->Cells(1, 1), "7.00");
}

TEST_F(GridDropDownEditorsTest, AltDownOpensThePopupAndNeverCommits) {
    for (TEditorType kind : DropDownKinds) {
        TExCustomDropDown* dropDown = Edit(kind, "1", "2");
        InputSimulation::KeyDown(dropDown, VK_DOWN, TShiftState() << ssAlt);
        EXPECT_TRUE(Validated.empty()) << kind;
        EXPECT_TRUE(dropDown->DroppedDown()) << kind;
        EXPECT_TRUE(dropDown->Visible()) << kind;
        dropDown->HideDropDown(true);
        InputSimulation::KeyPress(dropDown, VK_ESCAPE, 27);
    }
}

TEST_F(GridDropDownEditorsTest, TheGridsKeyPressNamesTheWrapper) {
    for (TEditorType kind : DropDownKinds) {
        TExCustomDropDown* dropDown = Edit(kind, "1", "1");
        std::vector<TObject*> senders;
        Grid->OnKeyPress = [&](TObject* Sender, TChar&) { senders.push_back(Sender); };
        InputSimulation::TypeChar(dropDown, '5');
        EXPECT_EQ(senders, std::vector<TObject*>{dropDown}) << kind;
        Grid->OnKeyPress = nullptr;
        InputSimulation::KeyPress(dropDown, VK_ESCAPE, 27);
    }
}

TEST_F(GridDropDownEditorsTest, TextChangesReachOnEditChange) {
    for (TEditorType kind : DropDownKinds) {
        TExCustomDropDown* dropDown = Edit(kind, "1", "1");
        std::vector<std::string> changes;
        Grid->OnEditChange = [&](TObject* Sender, int ACol, int ARow, const std::string& Value) {
            EXPECT_EQ(Sender, Grid);
            changes.push_back(std::to_string(ACol) + std::to_string(ARow) + " " + Value);
        };
        dropDown->SetTextDirect("changed");
        EXPECT_EQ(changes, std::vector<std::string>{"11 changed"}) << kind;
        Grid->OnEditChange = nullptr;
        InputSimulation::KeyPress(dropDown, VK_ESCAPE, 27);
    }
}

TEST_F(GridDropDownEditorsTest, BackspaceAndDeleteLeaveWorkMode) {
    TExCustomDropDown* dropDown = Edit(edDetailDropDown, "abc", "abc");
    TGridDetailPickerDropDown* detail = Grid->DetailPickerDropDown();
    InputSimulation::KeyDown(dropDown, VK_BACK);
    EXPECT_FALSE(detail->WorkMode());
    InputSimulation::KeyDown(dropDown, 'A');
    EXPECT_TRUE(detail->WorkMode());
    InputSimulation::KeyDown(dropDown, VK_DELETE);
    EXPECT_FALSE(detail->WorkMode());
    detail->SetForced(true);
    InputSimulation::KeyDown(dropDown, VK_LEFT);
    EXPECT_FALSE(detail->Forced()) << "every key-down clears it";
}

TEST_F(GridDropDownEditorsTest, HeaderAndFooterButtonsReachTheGridWithTheCell) {
    std::vector<std::string> clicks;
    Grid->OnDropDownHeaderButtonClick = [&](TObject* Sender, int ACol, int ARow, int Index) {
        clicks.push_back("header " + std::to_string(ACol) + std::to_string(ARow) +
                         std::to_string(Index) +
                         (Sender == Grid->DetailPickerDropDown() ? "" : "?"));
    };
    Grid->OnDropDownFooterButtonClick = [&](TObject*, int ACol, int ARow, int Index) {
        clicks.push_back("footer " + std::to_string(ACol) + std::to_string(ARow) +
                         std::to_string(Index));
    };
    TExCustomDropDown* dropDown = Edit(edDetailDropDown, "1", "1");
    dropDown->OnDropDownHeaderButtonClick(dropDown, 2);
    dropDown->OnDropDownFooterButtonClick(dropDown, 0);
    EXPECT_EQ(clicks, (std::vector<std::string>{"header 112", "footer 110"}));
}

TEST_F(GridDropDownEditorsTest, FocusLeavingTheEditorHidesIt) {
    TExCustomDropDown* dropDown = Edit(edDetailDropDown, "1", "2");
    ASSERT_TRUE(dropDown->Focused());
    Grid->SetFocus();
    EXPECT_FALSE(dropDown->Visible());
}

} // namespace

namespace {

TEST_F(GridDropDownEditorsTest, TheTimePickerCommitsATimeAndEscapeRestoresTheCell) {
    TExCustomDropDown* dropDown = Edit(edTimePickerDropDown, "10:00:00", "11:30:00");
    InputSimulation::KeyDown(dropDown, VK_RETURN);
    EXPECT_EQ(Validated, (std::vector<std::string>{"11:30:00"}));
    EXPECT_EQ(Grid->Cells(1, 1), "11:30:00");
    dropDown = Edit(edTimePickerDropDown, "10:00:00", "12:00:00");
    InputSimulation::KeyPress(dropDown, VK_ESCAPE, 27);
    EXPECT_TRUE(Validated.empty());
    EXPECT_EQ(Grid->Cells(1, 1), "10:00:00");
}

TEST_F(GridDropDownEditorsTest, TheMemoEditsEveryLineOfTheCell) {
    TExCustomDropDown* dropDown =
        Edit(edMemoDropDown, "first\r\nsecond\r\n", "first\r\nsecond\r\n");
    ASSERT_EQ(Grid->MemoDropDown()->MemoText().Count(), 2);
    EXPECT_EQ(Grid->MemoDropDown()->MemoText()[1], "second");
    InputSimulation::KeyDown(dropDown, VK_RETURN);
    EXPECT_EQ(Grid->Cells(1, 1), "first\r\nsecond\r\n") << "untouched, the cell keeps its text";
}

// A click that opens the editor of cell (1, 1) while the mouse pointer rests at Pointer (grid
// client coordinates); CaretPositioning decides whether the grid tells the editor it was a
// click. Cell (2, 2) is current before, so the click also moves the grid.
struct TClickOpening {
    TExCustomDropDown* DropDown;
    int SelStart;
    int SelLength;
    bool ClickPending; // the grid's click flag after the editor took the focus
};

class GridDropDownCaretFromClickTest : public GridDropDownEditorsTest {
protected:
    TClickOpening OpenByClick(TEditorType Kind, const std::string& Text, TPoint Pointer,
                              bool CaretPositioning) {
        Grid->HideInplaceEdit();
        Grid->DefaultEditor = Kind;
        Grid->SetOptions(Grid->Options() << goEditing);
        Grid->MouseActions()->DirectEdit = true;
        Grid->MouseActions()->CaretPositioning = CaretPositioning;
        Grid->SetCells(1, 1, Text);
        // The colour picker shows the cell's colour by its name.
        Grid->SetColors(1, 1, 0x0000FF);
        Grid->SetCol(2);
        Grid->SetRow(2);
        Grid->SetFocus();
        Grid->LButFlg = false;
        SetCursorPos(Grid->ClientToScreen(Pointer));
        const TRect cell = Grid->CellRect(1, 1);
        const TPoint press{cell.Left + 12, (cell.Top + cell.Bottom) / 2};
        InputSimulation::MouseDown(Grid, mbLeft, press);
        InputSimulation::MouseUp(Grid, mbLeft, press);
        TExCustomDropDown* dropDown = Wrapper(Kind);
        EXPECT_TRUE(dropDown != nullptr && dropDown->Visible() && dropDown->Focused()) << Kind;
        if (dropDown == nullptr)
            return {};
        return {dropDown, dropDown->SelStart(), dropDown->SelLength(), Grid->LButFlg};
    }

    // A point of cell (1, 1) where a click puts the caret after the first character of the text,
    // left-aligned or not.
    TPoint InsideCell(TEditorType Kind, const std::string& Text) {
        TClickOpening opened = OpenByClick(Kind, Text, TPoint{0, 0}, false);
        const TRect cell = Grid->CellRect(1, 1);
        const int y = (cell.Top + cell.Bottom) / 2;
        for (int x = cell.Left; x < cell.Right; ++x) {
            const TPoint inEditor = opened.DropDown->ScreenToClient(Grid->ClientToScreen({x, y}));
            if (opened.DropDown->CharFromPos(inEditor) == 1)
                return TPoint{x, y};
        }
        ADD_FAILURE() << "no first character in the cell of kind " << Kind;
        return TPoint{cell.Left, y};
    }
};

struct TCaretFromClickCase {
    TEditorType Kind;
    std::string Text;
    bool CaretAtClick;
};

const TCaretFromClickCase CaretFromClickCases[] = {
    {edCalculatorDropDown, "123456", true}, {edTrackbarDropDown, "12", true},
    {edMemoDropDown, "123456", true},       {edDetailDropDown, "123456", false},
    {edColorPickerDropDown, "Red", false},  {edImagePickerDropDown, "123456", false},
    {edExGridDropDown, "123456", false},    {edTimePickerDropDown, "10:00:00", false},
    {edGridDropDown, "123456", false},
};

TEST_F(GridDropDownCaretFromClickTest, AClickPutsTheCaretAtTheCharacterUnderThePointer) {
    for (const TCaretFromClickCase& c : CaretFromClickCases) {
        const TPoint pointer = InsideCell(c.Kind, c.Text);
        const TClickOpening plain = OpenByClick(c.Kind, c.Text, pointer, false);
        const TClickOpening clicked = OpenByClick(c.Kind, c.Text, pointer, true);
        ASSERT_NE(clicked.DropDown, nullptr) << c.Kind;
        if (c.CaretAtClick) {
            ASSERT_FALSE(plain.SelStart == 1 && plain.SelLength == 0)
                << c.Kind << ": the editor's own focus handling already puts the caret there";
            EXPECT_EQ(clicked.SelStart, 1) << c.Kind;
            EXPECT_EQ(clicked.SelLength, 0) << c.Kind;
            EXPECT_FALSE(clicked.ClickPending) << c.Kind << ": the click was used";
        } else {
            EXPECT_EQ(clicked.SelStart, plain.SelStart) << c.Kind;
            EXPECT_EQ(clicked.SelLength, plain.SelLength) << c.Kind;
            EXPECT_TRUE(clicked.ClickPending) << c.Kind;
        }
    }
}

TEST_F(GridDropDownCaretFromClickTest, APointerOutsideTheEditorLeavesTheCaretAsEntered) {
    for (const TCaretFromClickCase& c : CaretFromClickCases) {
        if (!c.CaretAtClick)
            continue;
        const TRect cell = Grid->CellRect(3, 4);
        const TPoint elsewhere{(cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2};
        const TClickOpening plain = OpenByClick(c.Kind, c.Text, elsewhere, false);
        const TClickOpening clicked = OpenByClick(c.Kind, c.Text, elsewhere, true);
        ASSERT_NE(clicked.DropDown, nullptr) << c.Kind;
        EXPECT_EQ(clicked.SelStart, plain.SelStart) << c.Kind;
        EXPECT_EQ(clicked.SelLength, plain.SelLength) << c.Kind;
        EXPECT_TRUE(clicked.ClickPending) << c.Kind << ": kept for whoever takes the click";
    }
}

} // namespace

// The colour column edits the cell's colour: F2 opens the picker on it with the named colours,
// a pick in the open list and Enter store the colour and its name, Escape keeps both.
TEST_F(GridDropDownEditorsTest, TheColourPickerLoadsAndStoresTheCellsColour) {
    constexpr TColor Red = 0x0000FF;
    constexpr TColor Lime = 0x00FF00;
    const struct {
        WORD Leave;
        const char* Text;
        TColor Color;
    } cases[] = {{VK_ESCAPE, "Red", Red}, {VK_RETURN, "Lime", Lime}};
    for (const auto& c : cases) {
        Grid->SetColors(1, 1, Red);
        TExCustomDropDown* opened = OpenByF2(edColorPickerDropDown, "Red");
        TExColorPickerDropDown* picker = Grid->ColorPickerDropDown();
        ASSERT_TRUE(opened != nullptr && opened == picker);
        EXPECT_EQ(picker->Colors()->Count(), 16);
        EXPECT_EQ(picker->SelectedColor(), Red);
        EXPECT_EQ(picker->ItemIndex(), 9);
        InputSimulation::KeyPress(picker, VK_DOWN, 0, {ssAlt});
        ASSERT_TRUE(picker->DroppedDown());
        InputSimulation::KeyPressFocused(VK_DOWN);
        EXPECT_EQ(picker->SelectedColor(), Lime);
        EXPECT_EQ(Grid->Cells(1, 1), "Red") << "nothing stored while the popup is open";
        InputSimulation::KeyPressFocused(c.Leave);
        EXPECT_FALSE(picker->Visible()) << c.Leave;
        EXPECT_TRUE(Grid->Focused()) << c.Leave;
        EXPECT_EQ(Grid->Cells(1, 1), c.Text) << c.Leave;
        EXPECT_EQ(Grid->Colors(1, 1), c.Color) << c.Leave;
    }
}

// A cell holding the start of an item's text opens with that text as it is: F2 then Enter
// stores it unchanged, and F2 then Escape too.
TEST_F(GridDropDownEditorsTest, APartialCellTextIsNotCompletedWhenTheEditorOpens) {
    Grid->CellEditorOfKind(edGridDropDown);
    Grid->CellEditorOfKind(edExGridDropDown);
    TGridGridDropDown* multi = Grid->GridDropDown();
    TGridExGridDropDown* grid = Grid->ExGridDropDown();
    multi->Columns()->Add()->SetHeader("Fruit");
    grid->Columns()->Add()->SetHeader("Fruit");
    for (const char* fruit : {"Apple", "Banana"}) {
        multi->Items()->Add()->Text().Add(fruit);
        grid->Items()->Add()->Text().Add(fruit);
    }
    multi->EndUpdate();
    for (TEditorType kind : {edGridDropDown, edExGridDropDown}) {
        for (WORD leave : {VK_RETURN, VK_ESCAPE}) {
            TExCustomDropDown* dropDown = OpenByF2(kind, "Ban");
            ASSERT_NE(dropDown, nullptr);
            EXPECT_EQ(dropDown->Text(), "Ban") << kind;
            InputSimulation::KeyPress(dropDown, leave);
            EXPECT_FALSE(dropDown->Visible()) << kind << " " << leave;
            EXPECT_EQ(Grid->Cells(1, 1), "Ban") << kind << " " << leave;
        }
    }
}

// Track-bar and time cells take typed values: F2, the typed text, Enter stores it.
TEST_F(GridDropDownEditorsTest, TrackBarAndTimeCellsCanBeTypedInto) {
    const struct {
        TEditorType Kind;
        const char* Cell;
        const char* Typed;
        const char* Stored;
    } cases[] = {
        {edTrackbarDropDown, "3", "7", "7"},
        {edTimePickerDropDown, "10:00:00", "11", "11:00:00"},
    };
    for (const auto& c : cases) {
        TExCustomDropDown* dropDown = OpenByF2(c.Kind, c.Cell);
        ASSERT_NE(dropDown, nullptr);
        EXPECT_TRUE(dropDown->EditorEnabled()) << c.Kind;
        dropDown->SetSelStart(0);
        dropDown->SetSelLength(c.Kind == edTrackbarDropDown ? 1 : 0);
        for (const char* ch = c.Typed; *ch; ++ch)
            InputSimulation::TypeChar(dropDown, static_cast<TChar>(*ch));
        InputSimulation::KeyPress(dropDown, VK_RETURN);
        EXPECT_FALSE(dropDown->Visible()) << c.Kind;
        EXPECT_EQ(Grid->Cells(1, 1), c.Stored) << c.Kind;
    }
}

// The colour picker tells OnColorSelected the picked colour and its text as Enter stores them;
// what the handler leaves there is what the cell takes. Escape stores nothing and tells nothing.
TEST_F(GridDropDownEditorsTest, OnColorSelectedSeesThePickAndMayChangeIt) {
    constexpr TColor Red = 0x0000FF;
    constexpr TColor Lime = 0x00FF00;
    constexpr TColor Navy = 0x800000;
    const struct {
        const char* What;
        WORD Leave;
        bool Changes;
        int Events;
        const char* Text;
        TColor Color;
    } cases[] = {{"kept", VK_RETURN, false, 1, "Lime", Lime},
                 {"changed", VK_RETURN, true, 1, "Dark blue", Navy},
                 {"escaped", VK_ESCAPE, true, 0, "Red", Red}};
    for (const auto& c : cases) {
        int events = 0;
        TObject* sender = nullptr;
        TPoint cell{-1, -1};
        TColor told = clNone;
        std::string toldText;
        Grid->OnColorSelected = [&](TObject* Sender, int ACol, int ARow, TColor& AColor,
                                    std::string& AValue) {
            ++events;
            sender = Sender;
            cell = TPoint{ACol, ARow};
            told = AColor;
            toldText = AValue;
            if (c.Changes) {
                AColor = Navy;
                AValue = "Dark blue";
            }
        };
        Grid->SetColors(1, 1, Red);
        OpenByF2(edColorPickerDropDown, "Red");
        TExColorPickerDropDown* picker = Grid->ColorPickerDropDown();
        InputSimulation::KeyPress(picker, VK_DOWN, 0, {ssAlt});
        ASSERT_TRUE(picker->DroppedDown());
        InputSimulation::KeyPressFocused(VK_DOWN);
        InputSimulation::KeyPressFocused(c.Leave);
        EXPECT_EQ(events, c.Events) << c.What;
        if (c.Events > 0) {
            EXPECT_EQ(sender, picker) << c.What;
            EXPECT_EQ(cell, (TPoint{1, 1})) << c.What;
            EXPECT_EQ(told, Lime) << c.What;
            EXPECT_EQ(toldText, "Lime") << c.What;
        }
        EXPECT_EQ(Grid->Cells(1, 1), c.Text) << c.What;
        EXPECT_EQ(Grid->Colors(1, 1), c.Color) << c.What;
    }
}

// The image picker gives an image cell the picked image: a data image cell stores the image's
// number as its text, an image-list cell takes it as its image. OnImageSelected sees the pick
// first and may change it.
TEST_F(GridDropDownEditorsTest, OnImageSelectedSeesThePickAndImageCellsTakeIt) {
    auto* images = new TImageList(Form.get());
    TBitmap image;
    image.SetSize(16, 16);
    for (int i = 0; i < 8; ++i)
        images->Add(&image, clNone);
    Grid->GridImages = images;
    const struct {
        const char* What;
        bool DataImage;
        std::optional<int> ChangeTo;
        int Stored;
        WORD Leave = VK_RETURN;
    } cases[] = {{"data image", true, std::nullopt, 4},
                 {"data image, handler's choice", true, 7, 7},
                 {"image-list image", false, std::nullopt, 4},
                 {"image-list image, handler's choice", false, 6, 6},
                 {"data image, escaped", true, 7, 0, VK_ESCAPE},
                 {"image-list image, escaped", false, 6, 0, VK_ESCAPE}};
    for (const auto& c : cases) {
        std::vector<int> told;
        Grid->OnImageSelected = [&](TObject*, int ACol, int ARow, int& AIndex) {
            told.push_back(AIndex);
            EXPECT_EQ((TPoint{ACol, ARow}), (TPoint{1, 1})) << c.What;
            if (c.ChangeTo)
                AIndex = *c.ChangeTo;
        };
        Grid->SetCells(1, 1, c.DataImage ? "0" : "cell text");
        if (c.DataImage)
            Grid->AddDataImage(1, 1, 0, haLeft, vaTop);
        else
            Grid->AddImageIdx(1, 1, 0, haLeft, vaTop);
        TExImagePickerDropDown* picker = Grid->ImagePickerDropDown();
        picker->SetImages(images);
        picker->Items()->Clear();
        for (int index : {0, 2, 4}) {
            TImageItem* item = picker->Items()->Add();
            item->SetImageIndex(index);
            item->SetCaption("I" + std::to_string(index));
        }
        picker->SetColumns(3);
        Grid->DefaultEditor = edImagePickerDropDown;
        Grid->SetOptions(Grid->Options() << goEditing);
        Grid->SetCol(1);
        Grid->SetRow(1);
        Grid->SetFocus();
        InputSimulation::KeyPress(Grid, VK_F2);
        ASSERT_TRUE(picker->Visible()) << c.What;
        InputSimulation::KeyPress(picker, VK_DOWN, 0, {ssAlt});
        ASSERT_TRUE(picker->DroppedDown()) << c.What;
        TCustomItemSelector* panel = picker->ItemSelector()->SelectorPanel();
        const TRect item = panel->GetItemRect(2);
        InputSimulation::Click(panel, {item.Left + 3, item.Top + 3});
        ASSERT_FALSE(picker->DroppedDown()) << c.What;
        InputSimulation::KeyPress(picker, c.Leave);
        EXPECT_FALSE(picker->Visible()) << c.What;
        EXPECT_EQ(told, c.Leave == VK_RETURN ? std::vector<int>{4} : std::vector<int>{})
            << c.What;
        if (c.DataImage) {
            EXPECT_EQ(Grid->Cells(1, 1), std::to_string(c.Stored)) << c.What;
        } else {
            int index = -1;
            EXPECT_TRUE(Grid->GetImageIdx(1, 1, index)) << c.What;
            EXPECT_EQ(index, c.Stored) << c.What;
            EXPECT_EQ(Grid->Cells(1, 1), "cell text") << c.What;
        }
        Grid->OnImageSelected = nullptr;
    }
}

// The drop-down editors the grid has made take its style presets and colour tones; a look of
// the plain kind gives them the XP style.
TEST_F(GridDropDownEditorsTest, MadeDropDownEditorsTakeTheGridsStyleAndTones) {
    TExColorPickerDropDown* colours = Grid->ColorPickerDropDown();
    TExCustomDropDown* calculator = Grid->CalculatorDropDown();
    Grid->SetComponentStyle(tsOffice2007Luna);
    EXPECT_EQ(colours->GetComponentStyle(), tsOffice2007Luna);
    EXPECT_EQ(calculator->GetComponentStyle(), tsOffice2007Luna);
    Grid->SetLook(glSoft);
    EXPECT_EQ(colours->GetComponentStyle(), tsWindowsXP);
    EXPECT_EQ(calculator->GetComponentStyle(), tsWindowsXP);

    TColorTones tones{};
    tones.Background = {0xF0F0F0, 0x123456, 0};
    tones.Foreground = {0xE0E0E0, 0x808080, 0};
    tones.Selected = {0x00A0FF, 0x0080FF, 0xFFFFFF};
    tones.Hover = {0x00FF00, 0x00C000, 0};
    Grid->SetColorTones(tones);
    EXPECT_EQ(colours->BorderColor(), TColor(0x123456));
    EXPECT_EQ(calculator->BorderColor(), TColor(0x123456));
}
