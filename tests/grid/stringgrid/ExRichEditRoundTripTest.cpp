// Rich-text cells as a user edits them, through real key, mouse and wheel input on the grid's
// in-place rich editor: opened with F2 or by typing, left in each way the grid allows, with the
// stored RTF, the edit events, the keyboard focus and the drawn cell checked after each.
#include "ExGridEditingTestGrid.h"
#include "GridPixels.h"

#include "grid/stringgrid/ExRichEdit.h"
#include "grid/stringgrid/SizeWhileTyping.h"
#include "platform/core/RtfText.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/InputSimulation.h"
#include "tests/support/GridEditEvents.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace {

using EditingTest::TEditingForm;

bool AllSevenBit(const std::string& text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// An editable form grid whose every cell edits as rich text, recording the edit events.
struct RichForm {
    TEditingForm F{edRichEdit};
    std::vector<std::string> Events;

    RichForm() {
        F.Grid->OfferFake = false;
        F.Grid->SetRowCount(30);
        GridEditEvents::RecordChanges(F.Grid, Events);
        F.Grid->OnCellValidate = [this](TObject*, int ACol, int ARow, std::string& Value, bool&) {
            Events.push_back("validate " + std::to_string(ACol) + "," + std::to_string(ARow) + " " +
                             RtfPlainText(ReadRtf(Value)));
        };
        GridEditEvents::RecordEditingDone(F.Grid, Events);
        GridEditEvents::RecordCellDone(F.Grid, Events);
    }
    TExRichEdit* Editor() const { return F.Grid->InplaceRichEdit(); }
    bool Open() const { return F.Grid->EditMode && Editor()->Visible(); }
    TWinControl* Focused() const { return F.Form.ActiveControl(); }
    std::string Current() const {
        return std::to_string(F.Grid->Col()) + "," + std::to_string(F.Grid->Row());
    }
    void Type(const std::u16string& Text) {
        for (char16_t c : Text)
            InputSimulation::TypeChar(Editor(), c);
    }
    // The cell's text as the grid itself reads rich text: loaded into its hidden rich editor.
    std::string PlainText(int ACol, int ARow) {
        F.Grid->CellToRich(ACol, ARow, F.Grid->RichEdit());
        return F.Grid->RichEdit()->Text();
    }
    void ClickCell(int ACol, int ARow) { F.ClickCell(ACol, ARow); }
};

struct Opening {
    const char* Name;
    // Opens the editor on the current cell and leaves it showing "ä€".
    std::function<void(RichForm&)> Do;
};

const Opening Openings[] = {
    {"F2",
     [](RichForm& t) {
         InputSimulation::KeyPress(t.F.Grid, VK_F2);
         t.Type(u"ä€");
     }},
    {"typing",
     [](RichForm& t) {
         InputSimulation::TypeChar(t.F.Grid, u'ä');
         t.Type(u"€");
     }},
};

TEST(RichEditRoundTrip, EachWayOutStoresWhatWasTypedAsRtfAndReopensOnIt) {
    struct Leave {
        const char* Name;
        std::function<void(RichForm&)> Prepare;
        std::function<void(RichForm&)> Do;
        // Where the keys are afterwards, and the cell that is current.
        std::function<TWinControl*(RichForm&)> FocusAfter;
        const char* CellAfter;
        bool NextEditorOpen;
    };
    auto grid = [](RichForm& t) -> TWinControl* { return t.F.Grid; };
    const Leave leaves[] = {
        {"click on another cell", [](RichForm&) {}, [](RichForm& t) { t.ClickCell(3, 4); }, grid,
         "3,4", false},
        {"tab to the form's next control", [](RichForm&) {},
         [](RichForm& t) { InputSimulation::KeyPress(t.Editor(), VK_TAB, '\t'); },
         [](RichForm& t) -> TWinControl* { return t.F.Other; }, "1,1", false},
        {"tab with goTabs to the next cell's editor",
         [](RichForm& t) { t.F.Grid->SetOptions(t.F.Grid->Options() << goTabs); },
         [](RichForm& t) { InputSimulation::KeyPress(t.Editor(), VK_TAB, '\t'); },
         [](RichForm& t) -> TWinControl* { return t.Editor(); }, "2,1", true},
        {"down in a grid without word wrap", [](RichForm& t) { t.F.Grid->SetWordWrap(false); },
         [](RichForm& t) { InputSimulation::KeyPress(t.Editor(), VK_DOWN); }, grid, "1,2", false},
        {"wheel over the grid", [](RichForm&) {}, [](RichForm& t) { t.F.WheelDownOverCell(3, 2); },
         grid, "1,4", false},
    };
    for (const Opening& opening : Openings) {
        for (const Leave& leave : leaves) {
            SCOPED_TRACE(std::string(opening.Name) + ", " + leave.Name);
            RichForm t;
            leave.Prepare(t);
            opening.Do(t);
            ASSERT_TRUE(t.Open());
            ASSERT_EQ(t.Focused(), t.Editor());
            EXPECT_EQ(t.Editor()->Text(), "ä€");
            EXPECT_EQ(t.F.Grid->Cells(1, 1), "") << "nothing is stored while typing";
            leave.Do(t);
            t.F.Pump();

            const std::string stored = t.F.Grid->Cells(1, 1);
            EXPECT_TRUE(IsRtf(stored)) << stored;
            EXPECT_TRUE(AllSevenBit(stored)) << "RTF characters are single bytes";
            EXPECT_EQ(t.PlainText(1, 1), "ä€");
            EXPECT_EQ(RtfPlainText(ReadRtf(stored)), "ä€");
            // The rich editor reports no text changes; the leave validates, then ends the edit.
            const std::vector<std::string> events = {"validate 1,1 ä€", "editing done", "done 1,1"};
            EXPECT_EQ(t.Events, events);
            EXPECT_EQ(t.Focused(), leave.FocusAfter(t));
            EXPECT_EQ(t.Current(), leave.CellAfter);
            EXPECT_EQ(t.Open(), leave.NextEditorOpen);
            if (leave.NextEditorOpen) {
                EXPECT_EQ(t.Editor()->Text(), "") << "the Tab typed nothing into the next cell";
                t.ClickCell(3, 4);
                t.F.Pump();
                EXPECT_EQ(t.F.Grid->Cells(2, 1), "") << "nor stored anything there";
            }

            // Back on the cell, F2 shows the text again.
            t.F.Grid->SetFocus();
            t.F.Grid->FocusCell(1, 1, true);
            InputSimulation::KeyPress(t.F.Grid, VK_F2);
            ASSERT_TRUE(t.Open());
            EXPECT_EQ(t.Editor()->Text(), "ä€");
        }
    }
}

// The rich editor is multi-line: Enter starts a paragraph, Escape is its own key, and Up and
// Down move between lines when cells wrap or hold several lines. None of them ends the edit;
// the text typed is stored when the editor is left.
TEST(RichEditRoundTrip, KeysThatStayInTheEditorKeepEditingUntilItIsLeft) {
    struct Case {
        const char* Name;
        std::function<void(RichForm&)> Prepare;
        WORD Key;
        TChar Char;
        const char* Shown; // after the key and a typed 'x'
    };
    const Case cases[] = {
        {"enter", [](RichForm&) {}, VK_RETURN, '\r', "ä€\nx"},
        {"escape", [](RichForm&) {}, VK_ESCAPE, 0x1B, "ä€x"},
        {"up with word wrap", [](RichForm&) {}, VK_UP, 0, "ä€x"},
        {"down with multi-line cells",
         [](RichForm& t) {
             t.F.Grid->SetWordWrap(false);
             t.F.Grid->Multilinecells = true;
         },
         VK_DOWN, 0, "ä€x"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        RichForm t;
        c.Prepare(t);
        InputSimulation::KeyPress(t.F.Grid, VK_F2);
        t.Type(u"ä€");
        InputSimulation::KeyPress(t.Editor(), c.Key, c.Char);
        t.F.Pump();
        EXPECT_TRUE(t.Open());
        EXPECT_EQ(t.Focused(), t.Editor());
        EXPECT_EQ(t.Current(), "1,1");
        EXPECT_TRUE(t.Events.empty());
        EXPECT_EQ(t.F.Grid->Cells(1, 1), "");
        InputSimulation::TypeChar(t.Editor(), 'x');
        EXPECT_EQ(t.Editor()->Text(), c.Shown);
        t.ClickCell(3, 4);
        t.F.Pump();
        EXPECT_FALSE(t.Open());
        EXPECT_EQ(t.PlainText(1, 1), c.Shown);
        EXPECT_EQ(t.Focused(), t.F.Grid);
    }
}

// The committed cell is drawn as the characters typed: pixel for pixel the picture of the same
// text stored plainly, and not that of the text its UTF-8 bytes would spell one by one.
TEST(RichEditRoundTrip, TheCommittedCellIsDrawnAsTyped) {
    RichForm t;
    InputSimulation::KeyPress(t.F.Grid, VK_F2);
    t.Type(u"Zä€");
    t.ClickCell(3, 4);
    t.F.Pump();
    ASSERT_TRUE(IsRtf(t.F.Grid->Cells(1, 1)));
    const TRect cell = t.F.Grid->CellRect(1, 1);
    auto drawn = GridPixels::Render(*t.F.Grid);
    GridPixels::SaveRichCellPicture(*drawn, "rich_cell_committed");

    auto cellPicture = [&](const std::string& Text) {
        t.F.Grid->SetCells(1, 1, Text);
        return GridPixels::Render(*t.F.Grid);
    };
    auto samePixels = [&](const TBitmap& a, const TBitmap& b) {
        for (int y = cell.Top; y < cell.Bottom; ++y)
            for (int x = cell.Left; x < cell.Right; ++x)
                if (a.Pixel(x, y) != b.Pixel(x, y))
                    return false;
        return true;
    };
    const TColor background = drawn->Pixel(cell.Right - 3, cell.Bottom - 3);
    EXPECT_TRUE(GridPixels::InkBox(*drawn, cell, background).has_value()) << "text is drawn";
    EXPECT_TRUE(samePixels(*drawn, *cellPicture("Zä€")));
    EXPECT_FALSE(samePixels(*drawn, *cellPicture("ZÃ¤â‚¬")));
    EXPECT_FALSE(samePixels(*drawn, *cellPicture("Z")));
}

// With SizeWhileTyping.Height the row grows as lines are typed, never while a cell loads.
TEST(RichEditRoundTrip, TypedLinesGrowTheRowOnlyWithSizeWhileTypingHeight) {
    for (const bool sizeWhileTyping : {false, true}) {
        SCOPED_TRACE(sizeWhileTyping);
        RichForm t;
        t.F.Grid->SizeWhileTyping()->Height = sizeWhileTyping;
        t.F.Grid->SetCells(1, 1, WriteRtf({{"one\ntwo\nthree", {}}}));
        const int height = t.F.Grid->RowHeights(1);
        std::vector<int> sized;
        t.F.Grid->OnEndRowSize = [&](TObject*, int ARow) { sized.push_back(ARow); };
        InputSimulation::KeyPress(t.F.Grid, VK_F2);
        ASSERT_TRUE(t.Open());
        EXPECT_EQ(t.F.Grid->RowHeights(1), height) << "loading never grows the row";
        EXPECT_TRUE(sized.empty());
        InputSimulation::KeyPress(t.Editor(), VK_END, 0, TShiftState{ssCtrl});
        for (const char16_t* line : {u"four", u"five"}) {
            InputSimulation::KeyPress(t.Editor(), VK_RETURN, '\r');
            t.Type(line);
        }
        if (!sizeWhileTyping) {
            EXPECT_EQ(t.F.Grid->RowHeights(1), height);
            EXPECT_TRUE(sized.empty());
            continue;
        }
        const int grown = t.F.Grid->RowHeights(1);
        EXPECT_GT(grown, height);
        ASSERT_FALSE(sized.empty());
        EXPECT_EQ(sized.back(), 1);
        EXPECT_EQ(t.Editor()->Height(), grown - 1) << "the editor grows with its row";
        // Deleting lines again never shrinks the row.
        InputSimulation::KeyPress(t.Editor(), VK_BACK, '\b');
        InputSimulation::KeyPress(t.Editor(), VK_BACK, '\b');
        EXPECT_EQ(t.F.Grid->RowHeights(1), grown);
    }
}

} // namespace
