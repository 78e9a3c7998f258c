// The grid drop-down's re-published grid events: every one reaches its handler with the grid's
// arguments unchanged and in order, and what the handler writes into a reference reaches the
// grid; the few that the drop-down raises itself or keeps for its own use.
#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/ExCustomGridDropDown.h"
#include "grid/dropdown/ExGridDropDownGrid.h"

#include "platform/ui/Canvas.h"
#include "platform/ui/Font.h"
#include "platform/ui/Form.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/Keys.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <type_traits>

using namespace GridDropDown;

namespace {

// Writes an argument as the log shows it; a reference the handler may write is changed in a
// way the caller can see: texts get "!", numbers 100 more, flags flip.
struct TArgumentLog {
    TObject* Grid = nullptr;
    TObject* Drop = nullptr;
    std::ostringstream Out;

    void Note(TObject* Sender) { Out << (Sender == Grid ? "grid" : Sender == Drop ? "drop" : "?"); }
    void Note(const std::string& S) { Out << " '" << S << "'"; }
    void Note(std::string& S) {
        Out << " '" << S << "'";
        S += "!";
    }
    void Note(bool& B) {
        Out << ' ' << B;
        B = !B;
    }
    void Note(int& N) {
        Out << ' ' << N;
        N += 100;
    }
    void Note(WORD& Key) { Out << " key" << Key; }
    void Note(TChar& Key) { Out << ' ' << static_cast<int>(Key); }
    void Note(const TRect& R) {
        Out << " [" << R.Left << ',' << R.Top << ',' << R.Right << ',' << R.Bottom << ']';
    }
    void Note(TCanvas* Canvas) { Out << (Canvas ? " canvas" : " nocanvas"); }
    void Note(TBrush* Brush) { Out << " brush" << std::hex << Brush->Color() << std::dec; }
    void Note(TFont* Font) { Out << (Font ? " font" : " nofont"); }
    void Note(TShiftState Shift) { Out << (Shift.Contains(ssShift) ? " shift" : " noshift"); }
    void Note(TGridDrawState State) { Out << (State.Contains(gdFixed) ? " fixed" : " normal"); }
    template <class T>
    requires std::is_enum_v<T>
    void Note(T& Value) { Out << " e" << static_cast<int>(Value); }
    template <class T>
    requires std::is_enum_v<T>
    void Note(const T& Value) { Out << " e" << static_cast<int>(Value); }
};

class GridDropDownEvents : public ::testing::Test {
protected:
    GridDropDownEvents()
        : Form(std::make_unique<TForm>(nullptr)), Drop(new TCustomExGridDropDown(Form.get())) {
        Form->SetBounds(100, 100, 500, 400);
        Drop->SetParent(Form.get());
        Drop->SetBounds(10, 40, 200, 21);
        Form->Show();
        Drop->SetFocus();
        for (const char* header : {"Fruit", "Code"})
            Drop->Columns()->Add()->SetHeader(header);
        for (const char* fruit : {"Apple", "Banana", "Cherry"})
            Drop->Items()->Add()->Text().Add(fruit);
    }
    // A handler that logs its arguments under Name.
    auto Recorder(const std::string& Name) {
        return [this, Name](auto&&... Args) {
            TArgumentLog log;
            log.Grid = Drop->GetGrid();
            log.Drop = Drop;
            (log.Note(Args), ...);
            Logs[Name] = log.Out.str();
        };
    }

    std::unique_ptr<TForm> Form;
    TCustomExGridDropDown* Drop;
    std::map<std::string, std::string> Logs;
};

// What a value reads after the handler ran.
template <class... T> std::string After(T&... Values) {
    std::ostringstream out;
    ((out << Values << ' '), ...);
    return out.str();
}

} // namespace

TEST_F(GridDropDownEvents, EveryBoundEventReachesItsHandlerWithItsArguments) {
    TCustomExGridDropDown& d = *Drop;
    d.OnGridAnchorClick = Recorder("AnchorClick");
    d.OnGridAnchorEnter = Recorder("AnchorEnter");
    d.OnGridAnchorExit = Recorder("AnchorExit");
    d.OnGridAnchorHint = Recorder("AnchorHint");
    d.OnGridButtonClick = Recorder("ButtonClick");
    d.OnGridColumnSize = Recorder("ColumnSize");
    d.OnGridColumnSizing = Recorder("ColumnSizing");
    d.OnGridEndColumnSize = Recorder("EndColumnSize");
    d.OnGridRowSize = Recorder("RowSize");
    d.OnGridRowSizing = Recorder("RowSizing");
    d.OnGridEndRowSize = Recorder("EndRowSize");
    d.OnGridRowMove = Recorder("RowMove");
    d.OnGridRowMoving = Recorder("RowMoving");
    d.OnGridRowMoved = Recorder("RowMoved");
    d.OnGridColumnMove = Recorder("ColumnMove");
    d.OnGridColumnMoving = Recorder("ColumnMoving");
    d.OnGridColumnMoved = Recorder("ColumnMoved");
    d.OnGridCustomCellDraw = Recorder("CustomCellDraw");
    d.OnGridCustomCellBkgDraw = Recorder("CustomCellBkgDraw");
    d.OnGridCellBalloon = Recorder("CellBalloon");
    d.OnGridGetAlignment = Recorder("GetAlignment");
    d.OnGridGetCellColor = Recorder("GetCellColor");
    d.OnGridGetCellGradient = Recorder("GetCellGradient");
    d.OnGridGetFloatFormat = Recorder("GetFloatFormat");
    d.OnGridGetEditorType = Recorder("GetEditorType");
    d.OnGridGetEditorProp = Recorder("GetEditorProp");
    d.OnGridCanEditCell = Recorder("CanEditCell");
    d.OnGridEllipsClick = Recorder("EllipsClick");
    d.OnGridGetDiplText = Recorder("GetDisplText");
    d.OnGridGetFormat = Recorder("GetFormat");
    d.OnGridHint = Recorder("GridHint");
    d.OnGridMouseMove = Recorder("MouseMove");
    d.OnGridMouseDown = Recorder("MouseDown");
    d.OnGridMouseUp = Recorder("MouseUp");
    d.OnGridRightClickCell = Recorder("RightClickCell");
    d.OnGridScrollHint = Recorder("ScrollHint");
    d.OnGridTopLeftChanged = Recorder("TopLeftChanged");
    d.OnGridSearchEditChange = Recorder("SearchEditChange");
    d.OnGridAutoAddRow = Recorder("AutoAddRow");
    d.OnGridInsertRow = Recorder("InsertRow");
    d.OnGridInsertCol = Recorder("InsertCol");
    d.OnGridDeleteRow = Recorder("DeleteRow");
    d.OnGridCanAddRow = Recorder("CanAddRow");
    d.OnGridCanInsertRow = Recorder("CanInsertRow");
    d.OnGridCanDeleteRow = Recorder("CanDeleteRow");
    d.OnGridCheckBoxClick = Recorder("CheckBoxClick");
    d.Columns()->GetItem(1)->SetAlignment(taRightJustify);
    d.Columns()->GetItem(1)->SetColor(0x00AB12);
    d.ShowDropDown();
    ASSERT_TRUE(d.DropDownForm()->Visible());
    TExColGrid& g = *d.GetGrid();
    TObject* s = &g;

    // Each case fires the grid's event with distinct arguments and tells what its references
    // hold afterwards.
    const struct {
        const char* Name;
        std::function<std::string()> Fire;
        std::string Logged;
        const char* After;
    } cases[] = {
        {"AnchorClick",
         [&] {
             bool h = true;
             g.OnAnchorClick(s, 1, 2, "a", h);
             return After(h);
         },
         "grid 1 2 'a' 1", "0 "},
        {"AnchorEnter",
         [&] {
             g.OnAnchorEnter(s, 3, 4, "b");
             return After();
         },
         "grid 3 4 'b'", ""},
        {"AnchorExit",
         [&] {
             g.OnAnchorExit(s, 5, 6, "c");
             return After();
         },
         "grid 5 6 'c'", ""},
        {"AnchorHint",
         [&] {
             std::string a = "d";
             g.OnAnchorHint(s, 7, 8, a);
             return After(a);
         },
         "grid 7 8 'd'", "d! "},
        {"ButtonClick",
         [&] {
             g.OnButtonClick(s, 9, 10);
             return After();
         },
         "grid 9 10", ""},
        {"ColumnSize",
         [&] {
             bool a = false;
             g.OnColumnSize(s, 11, a);
             return After(a);
         },
         "grid 11 0", "1 "},
        {"ColumnSizing",
         [&] {
             g.OnColumnSizing(s, 12, 13);
             return After();
         },
         "grid 12 13", ""},
        {"EndColumnSize",
         [&] {
             g.OnEndColumnSize(s, 14);
             return After();
         },
         "grid 14", ""},
        {"RowSize",
         [&] {
             bool a = true;
             g.OnRowSize(s, 15, a);
             return After(a);
         },
         "grid 15 1", "0 "},
        {"RowSizing",
         [&] {
             g.OnRowSizing(s, 16, 17);
             return After();
         },
         "grid 16 17", ""},
        {"EndRowSize",
         [&] {
             g.OnEndRowSize(s, 18);
             return After();
         },
         "grid 18", ""},
        {"RowMove",
         [&] {
             bool a = true;
             g.OnRowMove(s, 19, a);
             return After(a);
         },
         "grid 19 1", "0 "},
        {"RowMoving",
         [&] {
             bool a = false;
             g.OnRowMoving(s, 20, a);
             return After(a);
         },
         "grid 20 0", "1 "},
        {"RowMoved",
         [&] {
             g.OnRowMoved(s, 21, 22);
             return After();
         },
         "grid 21 22", ""},
        {"ColumnMove",
         [&] {
             bool a = true;
             g.OnColumnMove(s, 23, a);
             return After(a);
         },
         "grid 23 1", "0 "},
        {"ColumnMoving",
         [&] {
             bool a = true;
             g.OnColumnMoving(s, 24, a);
             return After(a);
         },
         "grid 24 1", "0 "},
        {"ColumnMoved",
         [&] {
             g.OnColumnMoved(s, 25, 26);
             return After();
         },
         "grid 25 26", ""},
        {"CustomCellDraw",
         [&] {
             g.OnCustomCellDraw(s, g.Canvas(), 1, 2, TGridDrawState{} << gdFixed, {1, 2, 3, 4},
                                true);
             return After();
         },
         "grid canvas 1 2 fixed [1,2,3,4] 1", ""},
        {"CustomCellBkgDraw",
         [&] {
             g.OnCustomCellBkgDraw(s, g.Canvas(), 3, 4, {}, {5, 6, 7, 8}, false);
             return After();
         },
         "grid canvas 3 4 normal [5,6,7,8] 0", ""},
        {"CellBalloon",
         [&] {
             std::string t = "t", x = "x";
             int icon = 2;
             g.OnCellBalloon(s, 27, 28, t, x, icon);
             return After(t, x, icon);
         },
         "grid 27 28 't' 'x' 2", "t! x! 102 "},
        {"GetAlignment",
         [&] {
             TAlignment h = taCenter;
             TVAlignment v = vtaBottom;
             g.OnGetAlignment(s, 29, 1, h, v);
             return After();
         },
         "grid 29 1 e1 e2", ""},
        {"GetCellColor",
         [&] {
             TBrush brush;
             g.OnGetCellColor(s, 30, 1, {}, &brush, nullptr);
             return After();
         },
         "grid 30 1 normal brushab12 nofont", ""},
        {"GetCellGradient",
         [&] {
             TColor c1 = 1, c2 = 2, c3 = 3, c4 = 4;
             TCellGradientDirection gd{};
             g.OnGetCellGradient(s, 31, 32, c1, c2, c3, c4, gd);
             return After(c1, c2, c3, c4);
         },
         "grid 31 32 1 2 3 4 e0", "101 102 103 104 "},
        {"GetFloatFormat",
         [&] {
             bool f = true;
             std::string fmt = "%.2f";
             g.OnGetFloatFormat(s, 33, 34, f, fmt);
             return After(f, fmt);
         },
         "grid 33 34 1 ''", "0 ! "},
        {"GetEditorType",
         [&] {
             TEditorType e = edSpinEdit;
             g.OnGetEditorType(s, 35, 36, e);
             return After();
         },
         "grid 35 36 e" + std::to_string(static_cast<int>(edSpinEdit)), ""},
        {"GetEditorProp",
         [&] {
             g.OnGetEditorPropInt(s, 37, 38);
             return After();
         },
         "grid 37 38", ""},
        {"CanEditCell",
         [&] {
             bool a = true;
             g.OnCanEditCell(s, 39, 40, a);
             return After(a);
         },
         "grid 39 40 1", "0 "},
        {"EllipsClick",
         [&] {
             std::string a = "e";
             g.OnEllipsClick(s, 41, 42, a);
             return After(a);
         },
         "grid 41 42 'e'", "e! "},
        {"GetDisplText",
         [&] {
             std::string a = "v";
             g.OnGetDisplText(s, 43, 44, a);
             return After(a);
         },
         "grid 43 44 'v'", "v! "},
        {"GetFormat",
         [&] {
             TSortStyle st{};
             std::string p = "p", x = "q";
             g.OnGetFormat(s, 45, st, p, x);
             return After(p, x);
         },
         "grid 45 e0 'p' 'q'", "p! q! "},
        {"GridHint",
         [&] {
             std::string a = "h";
             g.OnGridHint(s, 46, 47, a);
             return After(a);
         },
         "grid 46 47 'h'", "h! "},
        {"MouseMove",
         [&] {
             g.OnMouseMove(s, TShiftState{} << ssShift, 48, 49);
             return After();
         },
         "grid shift 48 49", ""},
        {"MouseDown",
         [&] {
             g.OnMouseDown(s, mbRight, {}, 50, 51);
             return After();
         },
         "grid e1 noshift 50 51", ""},
        {"MouseUp",
         [&] {
             g.OnMouseUp(s, mbMiddle, {}, 52, 53);
             return After();
         },
         "grid e2 noshift 52 53", ""},
        {"RightClickCell",
         [&] {
             g.OnRightClickCell(s, 54, 55);
             return After();
         },
         "grid 54 55", ""},
        {"ScrollHint",
         [&] {
             std::string a = "r";
             g.OnScrollHint(s, 56, a);
             return After(a);
         },
         "grid 56 'r'", "r! "},
        {"TopLeftChanged",
         [&] {
             g.OnTopLeftChanged(s);
             return After();
         },
         "drop", ""},
        {"SearchEditChange",
         [&] {
             bool a = true;
             g.OnSearchEditChange(s, "f", a);
             return After(a);
         },
         "grid 'f' 1", "0 "},
        {"AutoAddRow",
         [&] {
             g.OnAutoAddRow(s, 57);
             return After();
         },
         "grid 57", ""},
        {"InsertRow",
         [&] {
             g.OnAutoInsertRow(s, 58);
             return After();
         },
         "grid 58", ""},
        {"InsertCol",
         [&] {
             g.OnAutoInsertCol(s, 59);
             return After();
         },
         "grid 59", ""},
        {"DeleteRow",
         [&] {
             g.OnAutoDeleteRow(s, 60);
             return After();
         },
         "grid 60", ""},
        {"CanAddRow",
         [&] {
             bool a = true;
             g.OnCanAddRow(s, a);
             return After(a);
         },
         "grid 1", "0 "},
        {"CanInsertRow",
         [&] {
             bool a = false;
             g.OnCanInsertRow(s, 61, a);
             return After(a);
         },
         "grid 61 0", "1 "},
        {"CanDeleteRow",
         [&] {
             bool a = true;
             g.OnCanDeleteRow(s, 62, a);
             return After(a);
         },
         "grid 62 1", "0 "},
        {"CheckBoxClick",
         [&] {
             g.OnCheckBoxClick(s, 63, 64, true);
             return After();
         },
         "grid 63 64 1", ""},
    };
    for (const auto& c : cases) {
        Logs.erase(c.Name);
        const std::string after = c.Fire();
        EXPECT_EQ(Logs[c.Name], c.Logged) << c.Name;
        EXPECT_EQ(after, c.After) << c.Name;
    }
}

TEST_F(GridDropDownEvents,
       WithoutHandlersTheReferencesKeepWhatTheGridPutUnlessTheColumnsSayOtherwise) {
    Drop->Columns()->GetItem(1)->SetAlignment(taRightJustify);
    Drop->Columns()->GetItem(1)->SetColor(0x00AB12);
    Drop->ShowDropDown();
    TExColGrid& g = *Drop->GetGrid();
    const struct {
        int Col;
        TAlignment Align;
        TColor Color;
    } cases[] = {
        {1, taRightJustify, 0x00AB12}, {0, taLeftJustify, 0xFFFFFF}, {2, taCenter, 0x123456}};
    for (const auto& c : cases) {
        TAlignment h = taCenter;
        TVAlignment v = vtaTop;
        g.OnGetAlignment(&g, 1, c.Col, h, v);
        EXPECT_EQ(h, c.Align) << c.Col;
        TBrush brush;
        brush.SetColor(0x123456);
        g.OnGetCellColor(&g, 1, c.Col, {}, &brush, nullptr);
        EXPECT_EQ(brush.Color(), c.Color) << c.Col;
    }
    bool autoHandle = true;
    g.OnAnchorClick(&g, 1, 1, "x", autoHandle);
    EXPECT_TRUE(autoHandle);
    std::string format = "%.3f";
    bool isFloat = true;
    g.OnGetFloatFormat(&g, 1, 1, isFloat, format);
    EXPECT_EQ(format, "") << "numbers show unformatted without a handler";
}

TEST_F(GridDropDownEvents, ClickHandlersRunWithThePopupKeptOpen) {
    std::vector<bool> blocked;
    const auto note = [&](auto&&...) { blocked.push_back(Drop->DropDownForm()->BlockActivate()); };
    Drop->OnGridAnchorClick = note;
    Drop->OnGridButtonClick = note;
    Drop->OnGridEllipsClick = note;
    Drop->OnGridRightClickCell = note;
    Drop->ShowDropDown();
    TExColGrid& g = *Drop->GetGrid();
    bool autoHandle = true;
    std::string text;
    g.OnAnchorClick(&g, 1, 1, "x", autoHandle);
    g.OnButtonClick(&g, 1, 1);
    g.OnEllipsClick(&g, 1, 1, text);
    g.OnRightClickCell(&g, 1, 1);
    EXPECT_EQ(blocked, (std::vector<bool>{true, true, true, false}));
    EXPECT_FALSE(Drop->DropDownForm()->BlockActivate());
}

TEST_F(GridDropDownEvents, KeyEventsOfTheGridReachTheHandlerWithTheDropDownAsSender) {
    Drop->OnGridKeyDown = Recorder("KeyDown");
    Drop->OnGridKeyUp = Recorder("KeyUp");
    Drop->OnGridKeyPress = Recorder("KeyPress");
    Drop->ShowDropDown();
    TExColGrid* grid = Drop->GetGrid();
    InputSimulation::KeyPress(grid, VK_DOWN);
    EXPECT_EQ(Logs["KeyDown"], "drop key40 noshift");
    EXPECT_EQ(Logs["KeyUp"], "drop key40 noshift");
    InputSimulation::TypeChar(grid, 'b');
    EXPECT_EQ(Logs["KeyPress"], "drop 98");
}

TEST_F(GridDropDownEvents, TheSortEventsAndTheCompareHooksAreNotRaised) {
    int raised = 0;
    Drop->OnGridCanSort = [&](auto&&...) { ++raised; };
    Drop->OnGridClickSort = [&](auto&&...) { ++raised; };
    Drop->OnGridCustomCompare = [&](auto&&...) { ++raised; };
    Drop->OnGridRawCompare = [&](auto&&...) { ++raised; };
    Drop->SetSorting(gsSingleColumn);
    Drop->ShowDropDown();
    TExColGrid& g = *Drop->GetGrid();
    bool doSort = true;
    g.OnCanSort(&g, 0, doSort);
    g.OnClickSort(&g, 0);
    EXPECT_FALSE(g.OnCustomCompare);
    EXPECT_FALSE(g.OnRawCompare);
    EXPECT_FALSE(g.OnSpinClick);
    EXPECT_EQ(raised, 0);
}

TEST_F(GridDropDownEvents, ACellDrawHandlerAssignedWhileOpenTakesEffectAtTheNextOpening) {
    Drop->ShowDropDown();
    EXPECT_FALSE(Drop->GetGrid()->OnCustomCellDraw);
    Drop->OnGridCustomCellDraw = [](auto&&...) {};
    EXPECT_FALSE(Drop->GetGrid()->OnCustomCellDraw);
    Drop->HideDropDown(false);
    Drop->ShowDropDown();
    EXPECT_TRUE(Drop->GetGrid()->OnCustomCellDraw);
    EXPECT_FALSE(Drop->GetGrid()->OnCustomCellBkgDraw);
}
