// The text area of a one-line edit: where its text goes and how it is aligned there.
#include "platform/ui/EditLayout.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Form.h"
#include "platform/ui/MessageBeep.h"
#include "platform/ui/internal/NativeHost.h"

#include <QLineEdit>

#include <gtest/gtest.h>

#include <memory>

namespace {

struct EditLayoutFixture : ::testing::Test {
    std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
    TEdit* Edit = new TEdit(Form.get());

    EditLayoutFixture() {
        Edit->SetParent(Form.get());
        Edit->SetBounds(0, 0, 120, 24);
    }

    QLineEdit* Line() const { return qobject_cast<QLineEdit*>(NativeHost::Embedded(Edit)); }
};

TEST_F(EditLayoutFixture, TextRectLeavesTheRestOfTheEditFree) {
    struct Case {
        TRect Set, Read;
    };
    const std::vector<Case> cases = {
        {{0, 0, 103, 24}, {0, 0, 103, 24}},
        {{3, 3, 100, 21}, {3, 3, 100, 21}},
        {{0, 0, 103, 25}, {0, 0, 103, 24}}, // past the bottom edge: the edge
        {{-2, 0, 130, 24}, {0, 0, 120, 24}},
        {{0, 0, 0, 0}, {0, 0, 120, 24}}, // empty: the whole client area
    };
    for (const Case& c : cases) {
        EditLayout::SetTextRect(Edit, c.Set);
        EXPECT_EQ(EditLayout::TextRect(Edit), c.Read);
    }
}

TEST_F(EditLayoutFixture, AlignmentReachesTheNativeEdit) {
    ASSERT_NE(Line(), nullptr);
    for (TAlignment alignment : {taRightJustify, taCenter, taLeftJustify}) {
        EditLayout::SetAlignment(Edit, alignment);
        EXPECT_EQ(EditLayout::Alignment(Edit), alignment);
    }
    EditLayout::SetAlignment(Edit, taRightJustify);
    EXPECT_TRUE(Line()->alignment() & Qt::AlignRight);
    EditLayout::SetTextRect(Edit, {3, 2, 100, 21});
    QMargins margins = Line()->textMargins();
    EXPECT_EQ(margins, QMargins(3, 2, 20, 3));
}

TEST(MessageBeep, EveryBeepIsCounted) {
    int before = MessageBeepCount();
    MessageBeep(0);
    MessageBeep();
    EXPECT_EQ(MessageBeepCount(), before + 2);
}

} // namespace
