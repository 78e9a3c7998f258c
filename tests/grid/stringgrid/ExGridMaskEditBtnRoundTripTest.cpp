// The masked edit-with-button cell editor as a user works it, through real key and mouse input:
// the cell's mask while typing, the button, Escape, and every way out of an untouched editor.
#include "ExGridEditingTestGrid.h"

#include "grid/foundation/EsgEditButton.h"
#include "grid/stringgrid/GridEditBtn.h"
#include "platform/ui/InputSimulation.h"
#include "tests/support/GridEditEvents.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using EditingTest::TEditingForm;

// A 30-row grid whose column 1 is edited with the masked edit button under a time mask, and
// an edit beside it.
struct MaskEditRoundTrip {
    explicit MaskEditRoundTrip(const std::string& Start) : F(edMaskEditBtn) {
        F.Grid->OfferFake = false;
        F.Grid->SetRowCount(30);
        F.Grid->EditMask = "00:00;1;_";
        for (int r = 1; r < 30; ++r)
            F.Grid->SetCells(1, r, Start);
        F.Grid->OnEllipsClick = [this](TObject*, int ACol, int ARow, std::string& S) {
            Events.push_back("ellipsis " + std::to_string(ACol) + "," + std::to_string(ARow) + " " +
                             S);
            S = "07:05";
        };
        GridEditEvents::RecordEditingDone(F.Grid, Events);
        GridEditEvents::RecordCellDone(F.Grid, Events);
    }
    TGridEditBtn* Editor() const { return F.Grid->BtnEdit(); }
    bool Open() const { return F.Grid->EditMode && Editor()->Visible(); }
    TControl* Focused() const { return InputSimulation::FocusedControl(); }
    void Key(WORD Key, TChar Ch = 0) {
        InputSimulation::KeyPress(Focused(), Key, Ch);
        F.Pump();
    }
    void Type(const std::string& Text) { InputSimulation::TypeTextFocused(Text); }
    void OpenWithF2() {
        Key(VK_F2);
        ASSERT_TRUE(Open());
        ASSERT_EQ(Focused(), Editor());
        EXPECT_EQ(Editor()->EditMask(), "00:00;1;_") << "the cell's mask";
    }

    TEditingForm F;
    std::vector<std::string> Events;
};

// Only digits go where the mask wants digits; the separator is the mask's own.
TEST(ExGridEditing, TheMaskEditButtonTypesThroughTheCellsMask) {
    MaskEditRoundTrip t("12:30");
    t.OpenWithF2();
    t.Key(VK_HOME);
    t.Type("x9a");
    EXPECT_EQ(t.Editor()->Text(), "92:30") << "letters refused, the digit typed over";
    t.Type("1545");
    EXPECT_EQ(t.Editor()->Text(), "91:54") << "the separator is skipped, the end holds";
    t.Key(VK_RETURN, '\r');
    EXPECT_EQ(t.F.Grid->Cells(1, 1), "91:54");
    EXPECT_FALSE(t.Open());
    EXPECT_EQ(t.Focused(), t.F.Grid);
    EXPECT_EQ(t.Events, (std::vector<std::string>{"editing done", "done 1,1"}));
}

TEST(ExGridEditing, TheMaskEditButtonsButtonAsksTheGridForTheValue) {
    MaskEditRoundTrip t("12:30");
    t.OpenWithF2();
    TEsgEditButton* button = t.Editor()->Button();
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(button->Visible());
    InputSimulation::Click(button, TPoint{button->Width() / 2, button->Height() / 2});
    t.F.Pump();
    EXPECT_EQ(t.Events, (std::vector<std::string>{"ellipsis 1,1 12:30"}));
    EXPECT_EQ(t.Editor()->Text(), "07:05");
    EXPECT_TRUE(t.Open()) << "the button does not end the edit";
    EXPECT_EQ(t.Focused(), t.Editor());
    t.Key(VK_RETURN, '\r');
    EXPECT_EQ(t.F.Grid->Cells(1, 1), "07:05");
    EXPECT_EQ(t.Focused(), t.F.Grid);
}

TEST(ExGridEditing, EscapeInTheMaskEditButtonPutsTheCellBack) {
    MaskEditRoundTrip t("12:30");
    t.OpenWithF2();
    t.Key(VK_HOME);
    t.Type("08");
    ASSERT_EQ(t.Editor()->Text(), "08:30");
    t.Key(VK_ESCAPE, 0x1B);
    EXPECT_EQ(t.F.Grid->Cells(1, 1), "12:30");
    EXPECT_FALSE(t.Open());
    EXPECT_EQ(t.Focused(), t.F.Grid);
    t.Key(VK_F2);
    ASSERT_TRUE(t.Open());
    EXPECT_EQ(t.Editor()->Text(), "12:30");
}

// A cell text the mask cannot show as it stands ("7:5") is kept by every way out of an
// editor the user did not touch.
TEST(ExGridEditing, AnUntouchedMaskEditButtonKeepsTheCellEveryWayOut) {
    struct Leave {
        const char* Name;
        std::function<void(MaskEditRoundTrip&)> Do;
        bool FocusToOther;
    };
    const Leave leaves[] = {
        {"enter", [](MaskEditRoundTrip& t) { t.Key(VK_RETURN, '\r'); }, false},
        {"escape", [](MaskEditRoundTrip& t) { t.Key(VK_ESCAPE, 0x1B); }, false},
        {"tab", [](MaskEditRoundTrip& t) { t.Key(VK_TAB, '\t'); }, true},
        {"click on another cell", [](MaskEditRoundTrip& t) { t.F.ClickCell(3, 4); }, false},
        {"wheel", [](MaskEditRoundTrip& t) { t.F.WheelDownOverCell(3, 2); }, false},
        {"scroll bar", [](MaskEditRoundTrip& t) { t.F.ClickLowerScrollArrow(); }, false},
    };
    for (const Leave& leave : leaves) {
        SCOPED_TRACE(leave.Name);
        MaskEditRoundTrip t("7:5");
        t.OpenWithF2();
        leave.Do(t);
        EXPECT_EQ(t.F.Grid->Cells(1, 1), "7:5");
        EXPECT_FALSE(t.Open());
        EXPECT_EQ(t.Focused(), leave.FocusToOther ? static_cast<TControl*>(t.F.Other)
                                                  : static_cast<TControl*>(t.F.Grid));
        ASSERT_FALSE(t.Events.empty());
        EXPECT_EQ(t.Events.back(), "done 1,1");
    }
}

} // namespace

namespace {

// A digit typed on the cell opens the editor with that digit typed over the cell's text
// through the mask; a letter the mask refuses opens it on the cell's text, as it was.
TEST(ExGridEditing, TypingOnAMaskEditButtonCellStartsWithTheKey) {
    const struct {
        TChar Typed;
        const char* Shown;
    } cases[] = {{'4', "4_:__"}, {'x', "12:30"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<char>(c.Typed));
        MaskEditRoundTrip t("12:30");
        InputSimulation::TypeChar(t.F.Grid, c.Typed);
        t.F.Pump();
        ASSERT_TRUE(t.Open());
        EXPECT_EQ(t.Focused(), t.Editor());
        EXPECT_EQ(t.Editor()->EditText(), c.Shown);
    }
}

} // namespace
