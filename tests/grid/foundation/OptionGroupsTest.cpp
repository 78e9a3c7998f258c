#include "grid/foundation/Bands.h"
#include "grid/foundation/FocusHelper.h"
#include "grid/foundation/MouseActions.h"
#include "grid/foundation/Navigation.h"
#include "grid/foundation/SearchFooter.h"
#include "grid/foundation/SyncGrid.h"
#include "platform/ui/Font.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

// Counts the notifications of one event.
struct Counter {
    int Count = 0;
    TNotifyEvent Handler() {
        return [this](TObject*) { ++Count; };
    }
};

} // namespace

TEST(SearchFooter, DefaultsAndDesignTexts) {
    TSearchFooter plain(nullptr, false);
    EXPECT_TRUE(plain.AutoSearch);
    EXPECT_EQ(plain.Color(), 0xFFFFFF);
    EXPECT_EQ(static_cast<uint32_t>(plain.ColorTo()), 0xFF00000Fu);
    EXPECT_EQ(plain.SearchColumn, -1);
    EXPECT_EQ(plain.SearchDirection, sdTopBottom);
    EXPECT_TRUE(plain.ShowClose() && plain.ShowFindNext() && plain.ShowFindPrev() &&
                plain.ShowHighLight() && plain.ShowMatchCase());
    EXPECT_FALSE(plain.Visible());
    EXPECT_EQ(plain.FindNextCaption(), "");

    TSearchFooter designed(nullptr, true);
    EXPECT_EQ(designed.FindPrevCaption(), "Find &previous");
    EXPECT_EQ(designed.FindNextCaption(), "Find &next");
    EXPECT_EQ(designed.MatchCaseCaption(), "Match case");
    EXPECT_EQ(designed.HighLightCaption(), "Highlight");
    EXPECT_EQ(designed.HintClose(), "Close");
    EXPECT_EQ(designed.HintFindNext(), "Find next occurrence");
    EXPECT_EQ(designed.HintFindPrev(), "Find previous occurrence");
    EXPECT_EQ(designed.HintHighlight(), "Highlight occurrences");
}

TEST(SearchFooter, LookChangesNotifyShowFlagsOnlyWhenTheyChange) {
    TSearchFooter footer(nullptr, false);
    Counter changes;
    footer.OnChange = changes.Handler();

    footer.SetColor(clRed);
    footer.SetHintClose("x");
    footer.SetShowClose(true); // notifies on every write
    EXPECT_EQ(changes.Count, 3);

    footer.SetShowFindNext(true); // unchanged
    footer.SetVisible(false);     // unchanged
    EXPECT_EQ(changes.Count, 3);
    footer.SetVisible(true);
    EXPECT_EQ(changes.Count, 4);

    footer.SearchColumn = 3; // plain field
    EXPECT_EQ(changes.Count, 4);
}

TEST(SearchFooter, AssignCopiesTheLookButNotTheSearchState) {
    TSearchFooter source(nullptr, true);
    source.SetColor(clRed);
    source.SetVisible(true);
    source.SearchColumn = 4;
    source.AutoSearch = false;
    source.SearchFixedCells = true;
    source.LastSearch = "abc";
    source.Font()->SetName("Arial");

    TSearchFooter target(nullptr, false);
    Counter changes;
    target.OnChange = changes.Handler();
    target.Assign(&source);

    EXPECT_EQ(target.Color(), clRed);
    EXPECT_TRUE(target.Visible());
    EXPECT_EQ(target.SearchColumn, 4);
    EXPECT_EQ(target.FindNextCaption(), "Find &next");
    EXPECT_EQ(target.Font()->Name(), "Arial");
    EXPECT_TRUE(target.AutoSearch);
    EXPECT_FALSE(target.SearchFixedCells);
    EXPECT_EQ(target.LastSearch, "");
    EXPECT_EQ(changes.Count, 0);
}

TEST(Navigation, DefaultsSideEffectsAndAssign) {
    TNavigation navigation;
    EXPECT_TRUE(navigation.AdvanceOnEnterLoop && navigation.AdvanceAutoEdit &&
                navigation.AdvanceSkipReadOnlyCells && navigation.AllowCtrlEnter &&
                navigation.AllowClipboardRowGrow && navigation.AllowClipboardColGrow &&
                navigation.EditSelectAll && navigation.ComboGetUpDown &&
                navigation.CursorWalkAlwaysEdit && navigation.LeftRightRowSelect &&
                navigation.CopyHTMLTagsToClipboard && navigation.SkipFixedCells &&
                navigation.SkipDisabledRows);
    EXPECT_FALSE(navigation.AllowInsertRow || navigation.AdvanceOnEnter || navigation.AlwaysEdit);
    EXPECT_EQ(navigation.HomeEndKey, heFirstLastColumn);
    EXPECT_EQ(navigation.InsertPosition, pInsertBefore);
    EXPECT_EQ(navigation.ClipboardPasteAction, paReplace);
    EXPECT_EQ(navigation.CursorAdvance, caDefault);

    Counter changes;
    navigation.OnChange = changes.Handler();
    navigation.SetAdvanceDirection(adLeftRight); // unchanged
    navigation.SetAdvanceDirection(adTopBottom);
    navigation.SetAdvanceInsert(true);
    navigation.SetAdvanceAuto(true);
    EXPECT_EQ(changes.Count, 2);
    EXPECT_TRUE(navigation.AdvanceOnEnter);

    navigation.KeepScrollOnSort = true;
    navigation.AllowInsertRow = true;
    TNavigation copy;
    copy.Assign(&navigation);
    EXPECT_EQ(copy.AdvanceDirection(), adTopBottom);
    EXPECT_TRUE(copy.AdvanceInsert() && copy.AdvanceAuto() && copy.AdvanceOnEnter &&
                copy.AllowInsertRow);
    EXPECT_FALSE(copy.KeepScrollOnSort);
}

TEST(MouseActions, HotmailAndDisjunctSelectionRules) {
    TMouseActions actions(nullptr);
    EXPECT_TRUE(actions.AutoSizeColOnDblClick && actions.PreciseNodeClick);
    EXPECT_EQ(actions.WheelAction(), waMoveSelection);
    EXPECT_EQ(actions.FixedRowsEdit, fceNone);
    EXPECT_EQ(actions.FixedColsEditor, fceEdit);
    EXPECT_EQ(actions.FixedComboValues().Count(), 0);

    Counter invalidates;
    Counter disables;
    actions.OnInvalidate = invalidates.Handler();
    actions.OnDisableEdit = disables.Handler();
    actions.SetHotmailRowSelect(true);
    EXPECT_TRUE(actions.DisjunctRowSelect() && actions.CheckAllCheck);
    EXPECT_EQ(invalidates.Count, 1);
    actions.SetEditOnDblClickOnly(false);
    actions.SetEditOnDblClickOnly(true);
    EXPECT_EQ(disables.Count, 1);

    // At run time the disjunct modes may combine; while designing they exclude each other.
    actions.SetDisjunctColSelect(true);
    EXPECT_TRUE(actions.DisjunctRowSelect() && actions.DisjunctColSelect());
    actions.OnIsDesigning = [](TObject*, bool& designing) { designing = true; };
    actions.SetDisjunctCellSelect(true);
    EXPECT_TRUE(actions.DisjunctCellSelect());
    EXPECT_FALSE(actions.DisjunctRowSelect() || actions.DisjunctColSelect());
}

TEST(MouseActions, AssignLeavesTheExcludedOptions) {
    TMouseActions source(nullptr);
    source.SetWheelAction(waScroll);
    source.RowSelect = true;
    source.SetHotmailRowSelect(true);
    source.SetEditOnDblClickOnly(true);
    source.SizeFixedRow = true;
    source.DisjunctRowSelectDirect = true;
    TStringList values;
    values.Add("a");
    source.SetFixedComboValues(values);

    TMouseActions target(nullptr);
    target.Assign(&source);
    EXPECT_EQ(target.WheelAction(), waScroll);
    EXPECT_TRUE(target.RowSelect && target.DisjunctRowSelect() && target.CheckAllCheck);
    EXPECT_FALSE(target.HotmailRowSelect() || target.EditOnDblClickOnly() || target.SizeFixedRow ||
                 target.DisjunctRowSelectDirect);
    EXPECT_EQ(target.FixedComboValues().Count(), 0);
}

TEST(Bands, TotalLengthFollowsAndChangesNotifyOnlyWhileActive) {
    TBands bands;
    EXPECT_EQ(bands.PrimaryColor(), clInfoBk);
    EXPECT_EQ(bands.SecondaryColor(), clWindow);
    EXPECT_EQ(bands.TotalLength(), 2);

    Counter changes;
    bands.OnChange = changes.Handler();
    bands.SetPrimaryLength(3);
    EXPECT_EQ(changes.Count, 0);
    bands.SetActive(true);
    bands.SetSecondaryLength(2);
    bands.SetSecondaryLength(2); // unchanged
    EXPECT_EQ(changes.Count, 2);
    EXPECT_EQ(bands.TotalLength(), 5);

    TBands copy;
    copy.Assign(&bands);
    EXPECT_TRUE(copy.Active());
    EXPECT_EQ(copy.TotalLength(), 5);
}

TEST(Bands, RowColorRunsThroughTheCycle) {
    TBands bands;
    bands.SetPrimaryLength(2);
    bands.SetSecondaryLength(1);
    const TColor P = bands.PrimaryColor();
    const TColor S = bands.SecondaryColor();
    const std::vector<TColor> expected = {P, P, S, P, P, S};
    for (int row = 0; row < 6; ++row)
        EXPECT_EQ(bands.RowColor(row), expected[static_cast<size_t>(row)]) << row;

    bands.SetPrimaryLength(0);
    bands.SetSecondaryLength(0); // no cycle at all: no division by zero
    EXPECT_EQ(bands.RowColor(7), P);
}

TEST(Bands, HugeLengthsDoNotOverflow) {
    constexpr int Max = std::numeric_limits<int>::max();
    TBands bands;
    bands.SetPrimaryLength(Max);
    bands.SetSecondaryLength(Max);
    EXPECT_EQ(bands.TotalLength(), Max);
    EXPECT_EQ(bands.RowColor(Max - 1), bands.PrimaryColor());

    bands.SetPrimaryLength(1);
    EXPECT_EQ(bands.RowColor(1), bands.SecondaryColor());
    EXPECT_EQ(bands.RowColor(Max - 1), bands.SecondaryColor());
}

TEST(SyncGrid, RefusesTheOwnerAndCopiesTheLink) {
    auto* owner = reinterpret_cast<TBaseGrid*>(0x1000);
    auto* other = reinterpret_cast<TBaseGrid*>(0x2000);
    TSyncGrid sync(owner);
    sync.SetGrid(other);
    sync.SetGrid(owner);
    EXPECT_EQ(sync.Grid(), other);

    TSyncGrid source(other); // its link is the target's owner: refused on copy
    source.SetGrid(owner);
    source.MoveRow = true;
    sync.Assign(&source);
    EXPECT_EQ(sync.Grid(), other);
    EXPECT_TRUE(sync.MoveRow);
}

TEST(OptionGroups, AssignIgnoresOtherClasses) {
    TBands bands;
    TNavigation navigation;
    TMouseActions actions(nullptr);
    TSearchFooter footer(nullptr, false);
    TFocusHelper helper(nullptr);
    helper.Enabled = true;
    TObject* sources[] = {&bands, &navigation, &actions, &footer, &helper};

    for (TObject* source : sources) {
        TBands b;
        TNavigation n;
        TMouseActions m(nullptr);
        TSearchFooter f(nullptr, false);
        TFocusHelper h(nullptr);
        b.Assign(source);
        n.Assign(source);
        m.Assign(source);
        f.Assign(source);
        h.Assign(source);
        EXPECT_EQ(h.Enabled, source == &helper);
        EXPECT_FALSE(b.Active());
        EXPECT_TRUE(n.SkipFixedCells);
    }
}
