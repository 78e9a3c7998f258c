// The picked rows and the disabled rows are marks on rows of data: when the Insert or Delete
// key adds or removes a row above them, the marks stay with their rows.
#include "KeysOnShownGrid.h"

#include <gtest/gtest.h>

namespace {

TEST(ExGridRowFlagsFollowTheirRows, InsertAndDeleteKeepTheMarksOnTheirRows) {
    struct Case {
        const char* Name;
        WORD Key;
        bool Disable; // false: the row is picked in the disjunct row selection
        int MarkedAfter;
    };
    // Row 4 holds "1:4" and is marked; the key acts on row 2.
    const Case cases[] = {
        {"Delete moves a picked row up", VK_DELETE, false, 3},
        {"Delete moves a disabled row up", VK_DELETE, true, 3},
        {"Insert moves a disabled row down", VK_INSERT, true, 5},
    };
    for (const Case& c : cases) {
        KeysOnShownGrid f;
        f.Grid->SetOptions(f.Grid->Options() >> goEditing);
        f.Grid->Navigation()->AllowDeleteRow = true;
        f.Grid->Navigation()->AllowInsertRow = true;
        f.Grid->MouseActions()->SetDisjunctRowSelect(!c.Disable);
        f.Grid->FocusCell(1, 2, true);
        if (c.Disable)
            f.Grid->SetRowEnabled(4, false);
        else
            f.Grid->SelectRows(4, 1);
        f.Press(c.Key);
        ASSERT_EQ(f.Grid->Cells(1, c.MarkedAfter), "1:4") << c.Name;
        for (int r = 1; r < f.Grid->RowCount(); ++r) {
            const bool marked =
                c.Disable ? !f.Grid->GetRowEnabled(r) : f.Grid->IsSelected(1, r);
            EXPECT_EQ(marked, r == c.MarkedAfter) << c.Name << ", row " << r;
        }
        if (!c.Disable) {
            EXPECT_EQ(f.Grid->SelectedRowCount(), 1) << c.Name;
            EXPECT_EQ(f.Grid->GetSelectedRow(0), c.MarkedAfter) << c.Name;
        }
    }
}

} // namespace
