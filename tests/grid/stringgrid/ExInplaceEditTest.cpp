// The grid's text editor: the character filters of the text kinds, pasting, the length limit,
// lookup completion and its place over the cell.
#include "ExGridEditingTestGrid.h"

#include "grid/foundation/MouseActions.h"
#include "grid/foundation/Navigation.h"
#include "grid/stringgrid/GridCombo.h"
#include "grid/stringgrid/SizeWhileTyping.h"
#include "platform/core/FormatSettings.h"
#include "platform/core/StringList.h"
#include "platform/ui/BalloonWindow.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/FloatingWindow.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/MessageBeep.h"

#include <gtest/gtest.h>

using namespace EditingTest;

namespace {
TTypedCharContext Context(const std::u16string& text, int selStart, int selLength = 0) {
    TTypedCharContext ctx;
    ctx.Text = text;
    ctx.SelStart = selStart;
    ctx.SelLength = selLength;
    ctx.DecimalSeparator = u',';
    ctx.ThousandSeparator = u'.';
    ctx.ValidChars = u"abc";
    return ctx;
}
} // namespace

TEST(ExInplaceEditFilter, EachTextKindLetsThroughItsOwnCharacters) {
    using V = TTypedCharVerdict;
    struct Case {
        const char* name;
        TEditorType kind;
        char16_t key;
        std::u16string text;
        int selStart, selLength;
        V verdict;
        char16_t typed; // the character that goes in
    };
    const Case cases[] = {
        {"normal takes anything", edNormal, u'%', u"", 0, 0, V::Accept, u'%'},
        {"numeric digit", edNumeric, u'5', u"12", 2, 0, V::Accept, u'5'},
        {"numeric minus first", edNumeric, u'-', u"12", 0, 0, V::Accept, u'-'},
        {"numeric minus inside", edNumeric, u'-', u"12", 1, 0, V::Beep, u'-'},
        {"numeric second minus", edNumeric, u'-', u"-12", 0, 0, V::Beep, u'-'},
        {"numeric minus over the selected one", edNumeric, u'-', u"-12", 0, 1, V::Accept, u'-'},
        {"numeric letter", edNumeric, u'x', u"", 0, 0, V::Beep, u'x'},
        {"positive numeric minus", edPositiveNumeric, u'-', u"", 0, 0, V::Beep, u'-'},
        {"float separator", edFloat, u',', u"1", 1, 0, V::Accept, u','},
        {"float second separator", edFloat, u',', u"1,5", 3, 0, V::Drop, u','},
        {"float separator over the selected one", edFloat, u',', u"1,5", 1, 1, V::Accept, u','},
        {"float thousand separator", edFloat, u'.', u"1", 1, 0, V::Drop, u'.'},
        {"float letter", edFloat, u'x', u"1", 1, 0, V::Drop, u'x'},
        {"float minus inside", edFloat, u'-', u"1", 1, 0, V::Beep, u'-'},
        {"positive float minus", edPositiveFloat, u'-', u"", 0, 0, V::Drop, u'-'},
        {"capital", edCapital, u'q', u"", 0, 0, V::Accept, u'Q'},
        {"upper case", edUpperCase, u'\u00e9', u"", 0, 0, V::Accept, u'\u00c9'},
        {"lower case", edLowerCase, u'Q', u"", 0, 0, V::Accept, u'q'},
        {"valid char", edValidChars, u'b', u"", 0, 0, V::Accept, u'b'},
        {"invalid char", edValidChars, u'z', u"", 0, 0, V::Beep, u'z'},
        {"valid chars backspace", edValidChars, 8, u"a", 1, 0, V::Accept, 8},
        {"password takes anything", edPassword, u' ', u"", 0, 0, V::Accept, u' '},
    };
    for (const Case& c : cases) {
        char16_t key = c.key;
        EXPECT_EQ(FilterTypedChar(c.kind, key, Context(c.text, c.selStart, c.selLength)), c.verdict)
            << c.name;
        if (c.verdict == V::Accept)
            EXPECT_EQ(key, c.typed) << c.name;
    }
}

TEST(ExInplaceEditFilter, AFullEditorDropsTypingSilentlyButNotBackspace) {
    TTypedCharContext ctx = Context(u"abc", 3);
    ctx.LengthLimit = 3;
    char16_t key = u'd';
    EXPECT_EQ(FilterTypedChar(edNormal, key, ctx), TTypedCharVerdict::Drop);
    key = 8;
    EXPECT_EQ(FilterTypedChar(edNormal, key, ctx), TTypedCharVerdict::Accept);
    ctx.SelLength = 1;
    key = u'd';
    EXPECT_EQ(FilterTypedChar(edNormal, key, ctx), TTypedCharVerdict::Accept)
        << "typing over a selection keeps the length";
}

TEST(ExInplaceEditFilter, APasteIsTakenWholeOrNotAtAll) {
    struct Case {
        const char* name;
        TEditorType kind;
        std::string text;
        int selStart, selLength;
        std::string pasted;
        int limit;
        bool pasted_;
        std::string result;
        int caret, selection;
    };
    const Case cases[] = {
        {"at the caret", edNormal, "ad", 1, 0, "bc", 0, true, "abcd", 3, 0},
        {"over the selection", edNormal, "axd", 1, 1, "bc", 0, true, "abcd", 1, 2},
        {"line break at the end dropped", edNormal, "", 0, 0, "line\r\n", 0, true, "line", 4, 0},
        {"inner line breaks kept", edNormal, "", 0, 0, "a\r\nb\r\n", 0, true, "a\r\nb\r\n", 6, 0},
        {"longer than the limit", edNormal, "ab", 2, 0, "cdef", 3, false, "ab", 0, 0},
        {"result longer than the limit", edNormal, "ab", 2, 0, "cd", 3, true, "ab", 4, 0},
        {"numeric takes an integer", edNumeric, "1", 1, 0, "23", 0, true, "123", 3, 0},
        {"numeric refuses a word", edNumeric, "1", 1, 0, "x", 0, true, "1", 2, 0},
        {"positive numeric refuses a minus", edPositiveNumeric, "", 0, 0, "-5", 0, true, "", 2, 0},
        {"capital pastes unchanged", edCapital, "", 0, 0, "ab", 0, true, "ab", 2, 0},
        {"upper case converts", edUpperCase, "", 0, 0, "ab", 0, true, "AB", 2, 0},
        {"valid chars refuses others", edValidChars, "", 0, 0, "abz", 0, true, "", 3, 0},
        {"selection past the end", edNormal, "ab", 9, 9, "c", 0, true, "abc", 3, 0},
    };
    for (const Case& c : cases) {
        const TPasteResult r =
            PasteIntoEditorText(c.kind, c.text, c.selStart, c.selLength, c.pasted, c.limit, u"abc");
        EXPECT_EQ(r.Pasted, c.pasted_) << c.name;
        EXPECT_EQ(r.Text, c.result) << c.name;
        if (r.Pasted) {
            EXPECT_EQ(r.SelStart, c.caret) << c.name;
            EXPECT_EQ(r.SelLength, c.selection) << c.name;
        }
    }
}

TEST(ExInplaceEdit, TypedCharactersGoThroughTheKindsFilter) {
    struct Case {
        TEditorType kind;
        std::u16string typed;
        std::string text;
        int beeps;
    };
    const Case cases[] = {
        {edNumeric, u"1-2a3", "123", 2},
        {edUpperCase, u"ab", "AB", 0},
        {edMixedCase, u"john doe", "John Doe", 0},
    };
    for (const Case& c : cases) {
        TEditingForm f(c.kind);
        f.Grid->ShowInplaceEdit();
        f.Editor()->SetText("");
        const int beepsBefore = MessageBeepCount();
        for (char16_t ch : c.typed)
            InputSimulation::TypeChar(f.Editor(), ch);
        EXPECT_EQ(f.Editor()->Text(), c.text) << c.kind;
        EXPECT_EQ(MessageBeepCount() - beepsBefore, c.beeps) << c.kind;
    }
}

TEST(ExInplaceEdit, TheLengthLimitStopsTypingWithoutABeep) {
    TEditingForm f;
    f.Grid->SetMaxEditLength(3);
    f.Grid->ShowInplaceEdit();
    f.Editor()->SetText("abc");
    f.Editor()->SetSelStart(3);
    const int beepsBefore = MessageBeepCount();
    InputSimulation::TypeChar(f.Editor(), u'd');
    EXPECT_EQ(f.Editor()->Text(), "abc");
    EXPECT_EQ(MessageBeepCount(), beepsBefore);
    InputSimulation::KeyPress(f.Editor(), VK_BACK, 8);
    EXPECT_EQ(f.Editor()->Text(), "ab");
}

TEST(ExInplaceEdit, PastingAskesTheGridAndStoresTheResult) {
    TEditingForm f;
    f.Grid->ShowInplaceEdit();
    f.Editor()->SetText("x");
    f.Editor()->SetSelStart(1);
    Clipboard()->SetAsText("pasted\r\n");
    std::vector<std::string> events;
    f.Grid->OnClipboardBeforePasteCell = [&](TObject*, int, int, std::string& value, bool&) {
        events.push_back("before " + value);
        value = "[" + value.substr(0, 6) + "]";
    };
    f.Grid->OnClipboardAfterPasteCell = [&](TObject*, int, int, const std::string& value) {
        events.push_back("after " + value);
    };
    f.Editor()->Perform(WM_PASTE);
    EXPECT_EQ(f.Editor()->Text(), "x[pasted]");
    EXPECT_EQ(f.Grid->Cells(1, 1), "x[pasted]");
    EXPECT_EQ(events, (std::vector<std::string>{"before pasted\r\n", "after x[pasted]"}));

    f.Grid->OnClipboardPaste = [](TObject*, bool& allow) { allow = false; };
    f.Editor()->Perform(WM_PASTE);
    EXPECT_EQ(f.Editor()->Text(), "x[pasted]") << "a refused paste changes nothing";
}

TEST(ExInplaceEdit, LookupCompletesToTheFirstMatchingItem) {
    TEditingForm f;
    TStringList items;
    items.Add("Alpha");
    items.Add("Alps");
    f.Grid->SetLookupItems(&items);
    f.Grid->Lookup = true;
    f.Grid->ShowInplaceEdit();
    f.Editor()->SetText("");
    InputSimulation::TypeChar(f.Editor(), u'a');
    InputSimulation::TypeChar(f.Editor(), u'l');
    EXPECT_EQ(f.Editor()->Text(), "alpha");
    EXPECT_EQ(f.Editor()->SelStart(), 2);
    EXPECT_EQ(f.Editor()->SelLength(), 3) << "the completed part is selected";
    InputSimulation::KeyPress(f.Editor(), VK_BACK, 8);
    EXPECT_EQ(f.Editor()->Text(), "al") << "Backspace removes the completion without a new one";
}

TEST(ExInplaceEdit, TheEditorCoversAMergedCellWhole) {
    TEditingForm f;
    f.Grid->MergeCells(1, 1, 2, 2);
    f.Grid->ShowInplaceEdit();
    ASSERT_TRUE(f.Grid->EditorMode());
    const TRect area = f.Grid->CellRect(1, 1);
    EXPECT_EQ(f.Editor()->BoundsRect(), area);
    EXPECT_GT(area.Right - area.Left, f.Grid->ColWidths(1));
}

TEST(ExInplaceEdit, RightAlignedCellsEditRightAligned) {
    TEditingForm f;
    f.Grid->SetAlignments(2, 1, taRightJustify);
    f.Grid->FocusCell(2, 1, true);
    f.Grid->ShowInplaceEdit();
    EXPECT_TRUE(f.Editor()->VAlign());
    EXPECT_EQ(f.Editor()->Alignment(), taRightJustify);
}

TEST(ExInplaceEdit, ARefusedValueShowsTheInvalidEntryBalloon) {
    TEditingForm f;
    f.Grid->InvalidEntryTitle = "Invalid";
    f.Grid->InvalidEntryText = "Only digits";
    f.Grid->OnCellValidate = [](TObject*, int, int, std::string&, bool& ok) { ok = false; };
    f.Grid->ShowInplaceEdit();
    f.Editor()->SetText("x");
    InputSimulation::KeyDown(f.Editor(), VK_RETURN);
    ASSERT_NE(f.Editor()->InvalidEntryBalloon(), nullptr);
    EXPECT_EQ(f.Editor()->InvalidEntryBalloon()->Title(), "Invalid");
    EXPECT_EQ(f.Editor()->InvalidEntryBalloon()->TipText(), "Only digits");
}

TEST(ExInplaceEdit, WalkingOutOfTheTextValidatesAndEditsTheNeighbour) {
    struct Case {
        const char* name;
        WORD key;
        int caret;
        int col;       // the current column afterwards
        int validated; // validations run
    };
    const Case cases[] = {
        {"left at the start", VK_LEFT, 0, 1, 1},
        {"right at the end", VK_RIGHT, 3, 3, 1},
        {"right inside the text", VK_RIGHT, 1, 2, 0},
    };
    for (const Case& c : cases) {
        TEditingForm f;
        f.Grid->Navigation()->CursorWalkEditor = true;
        int validated = 0;
        f.Grid->OnCellValidate = [&](TObject*, int, int, std::string&, bool&) { ++validated; };
        f.Grid->FocusCell(2, 1, true);
        f.Grid->ShowInplaceEdit();
        f.Editor()->SetText("abc");
        f.Editor()->SetSelStart(c.caret);
        InputSimulation::KeyDown(f.Editor(), c.key);
        EXPECT_EQ(f.Grid->Col(), c.col) << c.name;
        EXPECT_EQ(validated, c.validated) << c.name;
        EXPECT_EQ(f.Grid->Cells(2, 1), "abc") << c.name;
        EXPECT_TRUE(f.Grid->EditorMode()) << c.name << ": editing goes on";
    }
}

// Shift with the arrow that points out of the text stores it and gives the grid the keys, the
// current cell staying; elsewhere in the text, or without cursor walking, Shift selects.
TEST(ExInplaceEdit, ShiftAndTheArrowOutOfTheTextStoreItAndGiveTheGridTheKeys) {
    struct Case {
        const char* name;
        bool walk;
        WORD key;
        WORD caretKey; // puts the caret before the Shift key
        bool refuse;
        bool leaves;
    };
    const Case cases[] = {
        {"shift+left at the start", true, VK_LEFT, VK_HOME, false, true},
        {"shift+right at the end", true, VK_RIGHT, VK_END, false, true},
        {"shift+left inside", true, VK_LEFT, VK_END, false, false},
        {"without cursor walking", false, VK_LEFT, VK_END, false, false},
        {"refused", true, VK_LEFT, VK_HOME, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TEditingForm f;
        f.Grid->Navigation()->CursorWalkEditor = c.walk;
        f.Grid->SetCells(2, 1, "old");
        f.Grid->OnCellValidate = [&](TObject*, int, int, std::string&, bool& ok) {
            ok = !c.refuse;
        };
        f.Grid->FocusCell(2, 1, true);
        InputSimulation::KeyPress(f.Grid, VK_F2);
        ASSERT_TRUE(f.Grid->EditorMode());
        InputSimulation::KeyPress(f.Editor(), VK_END);
        InputSimulation::TypeChar(f.Editor(), 'x');
        InputSimulation::KeyPress(f.Editor(), c.caretKey);
        InputSimulation::KeyPress(f.Editor(), c.key, 0, TShiftState() << ssShift);
        f.Pump();
        EXPECT_EQ(f.Grid->Col(), 2);
        EXPECT_EQ(f.Grid->EditorMode(), !c.leaves);
        EXPECT_EQ(f.Form.ActiveControl(), c.leaves ? static_cast<TWinControl*>(f.Grid)
                                                   : static_cast<TWinControl*>(f.Editor()));
        EXPECT_EQ(f.Grid->Cells(2, 1), c.leaves ? "oldx" : c.refuse ? "old" : "oldx");
        if (!c.leaves && !c.refuse)
            EXPECT_EQ(f.Editor()->SelLength(), 1) << "Shift selects";
    }
}

// With automatic advance, typing the last character MaxEditLength allows moves on to the next
// cell, the value stored; a shorter text or the option off keeps the editor on the cell.
TEST(ExInplaceEdit, AFullEditorAdvancesWhenAskedTo) {
    struct Case {
        const char* name;
        bool advanceAuto;
        const char* typed;
        int col;
    };
    const Case cases[] = {
        {"full", true, "abc", 2},
        {"not yet full", true, "ab", 1},
        {"option off", false, "abc", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TEditingForm f;
        f.Grid->SetMaxEditLength(3);
        f.Grid->Navigation()->SetAdvanceAuto(c.advanceAuto);
        f.Grid->Navigation()->AdvanceOnEnter = true;
        InputSimulation::KeyPress(f.Grid, VK_F2);
        for (const char* p = c.typed; *p; ++p)
            InputSimulation::TypeChar(f.Editor(), *p);
        f.Pump();
        EXPECT_EQ(f.Grid->Col(), c.col);
        EXPECT_EQ(f.Grid->Row(), 1);
        if (c.col == 2)
            EXPECT_EQ(f.Grid->Cells(1, 1), c.typed);
        else
            EXPECT_EQ(f.Editor()->Text(), c.typed);
    }
}

// A cell with an edit mask is full when every position of the mask is typed: the editor then
// moves on with the value, literals included; a mask not yet full keeps it on the cell.
TEST(ExInplaceEdit, AFullMaskAdvancesWhenAskedTo) {
    struct Case {
        const char* name;
        bool advanceAuto;
        const char* typed;
        int col;
        const char* text; // the cell afterwards, or the editor's when it stays
    };
    const Case cases[] = {
        {"full", true, "1234", 2, "12-34"},
        {"one position short", true, "123", 1, "12-3"},
        {"option off", false, "1234", 1, "12-34"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TEditingForm f;
        f.Grid->EditMask = "00-00;1;_";
        f.Grid->Navigation()->SetAdvanceAuto(c.advanceAuto);
        f.Grid->Navigation()->AdvanceOnEnter = true;
        InputSimulation::KeyPress(f.Grid, VK_F2);
        ASSERT_TRUE(f.Grid->EditorMode());
        EXPECT_EQ(f.Editor()->EditText(), "__-__") << "the mask shows";
        f.Editor()->SetSelStart(0);
        for (const char* p = c.typed; *p; ++p)
            InputSimulation::TypeChar(f.Editor(), *p);
        f.Pump();
        EXPECT_EQ(f.Grid->Col(), c.col);
        if (c.col == 2)
            EXPECT_EQ(f.Grid->Cells(1, 1), c.text);
        else
            EXPECT_EQ(f.Editor()->Text(), c.text);
    }
}

// The column widens, or the wrapped row grows, as the text is typed; the row's growth is
// reported as the end of a row sizing.
TEST(ExInplaceEdit, TheCellGrowsWithTheTextWhenAsked) {
    struct Case {
        const char* name;
        bool width, height, wordWrap;
        bool wider, taller;
    };
    const Case cases[] = {
        {"off", false, false, true, false, false},
        {"width", true, false, false, true, false},
        {"height with word wrap", false, true, true, false, true},
        {"height without word wrap", false, true, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TEditingForm f;
        f.Grid->SetColWidths(1, 40);
        f.Grid->SetWordWrap(c.wordWrap);
        f.Grid->SizeWhileTyping()->Width = c.width;
        f.Grid->SizeWhileTyping()->Height = c.height;
        std::vector<int> rowSizes;
        f.Grid->OnEndRowSize = [&](TObject*, int row) { rowSizes.push_back(row); };
        const int height = f.Grid->RowHeights(1);
        InputSimulation::KeyPress(f.Grid, VK_F2);
        for (char ch : std::string("several words to type"))
            InputSimulation::TypeChar(f.Editor(), ch);
        f.Pump();
        EXPECT_EQ(f.Grid->ColWidths(1) > 40, c.wider);
        EXPECT_EQ(f.Grid->RowHeights(1) > height, c.taller);
        EXPECT_EQ(!rowSizes.empty(), c.taller);
        if (!rowSizes.empty())
            EXPECT_EQ(rowSizes.back(), 1);
        if (c.wider)
            EXPECT_GE(f.Editor()->Width(), f.Grid->ColWidths(1) - 2) << "the editor follows";
    }
}

TEST(ExInplaceEdit, TheKeypadDecimalKeyTypesTheLocaleSeparatorWhenAsked) {
    TFormatSettings commaLocale;
    commaLocale.DecimalSeparator = ",";
    commaLocale.ThousandSeparator = ".";
    OverrideFormatSettings(&commaLocale);
    for (bool excelStyle : {false, true}) {
        TEditingForm f;
        f.Grid->ExcelStyleDecimalSeparator = excelStyle;
        f.Grid->ShowInplaceEdit();
        f.Editor()->SetText("1");
        f.Editor()->SetSelStart(1);
        InputSimulation::KeypadPress(f.Editor(), VK_DECIMAL, u'.');
        InputSimulation::TypeChar(f.Editor(), u'.');
        EXPECT_EQ(f.Editor()->Text(), excelStyle ? "1,." : "1..") << excelStyle;
    }
    OverrideFormatSettings(nullptr);
}

TEST(ExInplaceEdit, TheEditMaskOfACellComesFromTheGridAndItsEvent) {
    TEditingForm f;
    f.Grid->EditMask = "999;1;_";
    EXPECT_EQ(f.Grid->CellEditMask(2, 3), "999;1;_");
    f.Grid->OnGetEditMask = [](TObject*, int col, int row, std::string& mask) {
        if (col == 2 && row == 3)
            mask = "!aaa";
    };
    EXPECT_EQ(f.Grid->CellEditMask(2, 3), "!aaa");
    EXPECT_EQ(f.Grid->CellEditMask(1, 3), "999;1;_");
}

TEST(ExInplaceEdit, ClipboardKeysAndDoubleClicksReachTheGridsEvents) {
    TEditingForm f;
    f.Grid->ShowInplaceEdit();
    f.Editor()->SetText("secret");
    f.Editor()->SelectAll();
    Clipboard()->SetAsText("before");
    f.Grid->OnClipboardCopy = [](TObject*, bool& allow) { allow = false; };
    f.Grid->OnClipboardCut = [](TObject*, bool& allow) { allow = false; };
    f.Editor()->Perform(WM_COPY);
    f.Editor()->Perform(WM_CUT);
    EXPECT_EQ(Clipboard()->AsText(), "before") << "refused copy and cut leave the clipboard";
    EXPECT_EQ(f.Editor()->Text(), "secret");

    std::vector<std::pair<int, int>> clicks;
    f.Grid->OnDblClickCell = [&](TObject*, int row, int col) { clicks.emplace_back(row, col); };
    InputSimulation::DoubleClick(f.Editor(), TPoint{5, 5});
    EXPECT_EQ(clicks, (std::vector<std::pair<int, int>>{{1, 1}}));
}

// A click that opens a text editor (the in-place edit, the editable combo) puts its caret at the
// character under the pointer when the grid's mouse actions ask for it; otherwise the editor's
// own focus handling decides.
template <class TEditor>
void ExpectCaretFromClick(TEditorType Kind, TEditor* (*EditorOf)(TEditingGrid&)) {
    SCOPED_TRACE(Kind);
    TEditingForm f(Kind);
    f.Grid->OfferFake = false;
    f.Grid->MouseActions()->DirectEdit = true;
    f.Grid->SetCells(1, 1, "123456");
    const TRect cell = f.Grid->CellRect(1, 1);
    const TPoint press{cell.Left + 12, (cell.Top + cell.Bottom) / 2};
    TEditor* editor = nullptr;
    const auto openByClick = [&](bool caretPositioning, TPoint pointer) {
        f.Grid->HideInplaceEdit();
        f.Grid->FocusCell(2, 2, true);
        f.Grid->MouseActions()->CaretPositioning = caretPositioning;
        SetCursorPos(f.Grid->ClientToScreen(pointer));
        InputSimulation::MouseDown(f.Grid, mbLeft, press);
        InputSimulation::MouseUp(f.Grid, mbLeft, press);
        editor = EditorOf(*f.Grid);
        ASSERT_TRUE(editor && editor->Visible() && editor->Focused());
    };
    // Where in the cell the caret would go after the first character.
    openByClick(false, press);
    TPoint afterFirst{-1, press.Y};
    for (int x = cell.Left; x < cell.Right && afterFirst.X < 0; ++x)
        if (editor->CharFromPos(editor->ScreenToClient(f.Grid->ClientToScreen({x, press.Y}))) == 1)
            afterFirst.X = x;
    ASSERT_GE(afterFirst.X, 0) << "no place after the first character";

    openByClick(false, afterFirst);
    const int plainStart = editor->SelStart();
    const int plainLength = editor->SelLength();
    ASSERT_FALSE(plainStart == 1 && plainLength == 0);
    openByClick(true, afterFirst);
    EXPECT_EQ(editor->SelStart(), 1);
    EXPECT_EQ(editor->SelLength(), 0);
    EXPECT_FALSE(f.Grid->LButFlg) << "the click was used";
    // A pointer outside the editor leaves the caret where the focus put it.
    openByClick(true, {f.Grid->Width() - 2, f.Grid->Height() - 2});
    EXPECT_EQ(editor->SelStart(), plainStart);
    EXPECT_EQ(editor->SelLength(), plainLength);
}

TEST(ExInplaceEdit, AClickThatOpensATextEditorPutsTheCaretUnderThePointer) {
    ExpectCaretFromClick<TExInplaceEdit>(edNormal,
                                         [](TEditingGrid& grid) { return grid.NormalEdit(); });
    ExpectCaretFromClick<TGridCombo>(edComboEdit,
                                     [](TEditingGrid& grid) { return grid.Combobox(); });
}
