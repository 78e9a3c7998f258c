// The picked rows, the disabled rows and the modified rows are marks on rows of data: when the
// Insert or Delete key adds or removes a row above them, the marks stay with their rows.
#include "KeysOnShownGrid.h"

#include <gtest/gtest.h>

namespace {

enum class TRowMark { Picked, Disabled, Modified };

bool HasRowMark(EditingTest::TEditingGrid& Grid, TRowMark Mark, int Row) {
    switch (Mark) {
    case TRowMark::Picked:
        return Grid.IsSelected(1, Row);
    case TRowMark::Disabled:
        return !Grid.GetRowEnabled(Row);
    case TRowMark::Modified:
        return Grid.GetRowModified(Row);
    }
    return false;
}

TEST(ExGridRowFlagsFollowTheirRows, InsertAndDeleteKeepTheMarksOnTheirRows) {
    struct Case {
        const char* Name;
        WORD Key;
        TRowMark Mark;
        int MarkedAfter;
    };
    // Row 4 holds "1:4" and is marked; the key acts on row 2.
    const Case cases[] = {
        {"Delete moves a picked row up", VK_DELETE, TRowMark::Picked, 3},
        {"Delete moves a disabled row up", VK_DELETE, TRowMark::Disabled, 3},
        {"Insert moves a disabled row down", VK_INSERT, TRowMark::Disabled, 5},
        {"Insert moves a picked row down", VK_INSERT, TRowMark::Picked, 5},
        {"Delete moves a modified row up", VK_DELETE, TRowMark::Modified, 3},
        {"Insert moves a modified row down", VK_INSERT, TRowMark::Modified, 5},
    };
    for (const Case& c : cases) {
        KeysOnShownGrid f;
        f.Grid->SetOptions(f.Grid->Options() >> goEditing);
        f.Grid->Navigation()->AllowDeleteRow = true;
        f.Grid->Navigation()->AllowInsertRow = true;
        f.Grid->MouseActions()->SetDisjunctRowSelect(c.Mark == TRowMark::Picked);
        f.Grid->FocusCell(1, 2, true);
        if (c.Mark == TRowMark::Disabled)
            f.Grid->SetRowEnabled(4, false);
        else if (c.Mark == TRowMark::Picked)
            f.Grid->SelectRows(4, 1);
        else
            f.Grid->SetRowModified(4, true);
        f.Press(c.Key);
        ASSERT_EQ(f.Grid->Cells(1, c.MarkedAfter), "1:4") << c.Name;
        for (int r = 1; r < f.Grid->RowCount(); ++r)
            EXPECT_EQ(HasRowMark(*f.Grid, c.Mark, r), r == c.MarkedAfter)
                << c.Name << ", row " << r;
        if (c.Mark == TRowMark::Picked) {
            EXPECT_EQ(f.Grid->SelectedRowCount(), 1) << c.Name;
            EXPECT_EQ(f.Grid->GetSelectedRow(0), c.MarkedAfter) << c.Name;
        }
    }
}

} // namespace
