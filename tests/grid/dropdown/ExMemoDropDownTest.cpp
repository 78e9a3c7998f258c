// The memo drop-down: what the edit shows of the lines, editing in the popup, accepting and
// cancelling, keys in the memo and the automatic opening.
#include "grid/dropdown/ExMemoDropDown.h"
#include "grid/dropdown/DropDownForm.h"

#include "grid/stringgrid/DropDownUtil.h"
#include "platform/core/CodePage.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Form.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/Keys.h"
#include "platform/ui/Memo.h"
#include "platform/ui/Menus.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

class MemoDropDown : public ::testing::Test {
protected:
    MemoDropDown() : Form(std::make_unique<TForm>(nullptr)), Drop(new TExMemoDropDown(Form.get())) {
        Form->SetBounds(100, 100, 400, 300);
        Drop->SetParent(Form.get());
        Drop->SetBounds(10, 40, 200, 21);
        Form->Show();
        Drop->SetFocus();
        Drop->OnMemoChange = [this](TObject*) { ++MemoChanges; };
    }
    int TextWidth(const std::string& Text) const {
        TCanvas canvas;
        canvas.Font()->Assign(*Drop->Font());
        return MeasureTextExtent(&canvas, Text).X;
    }
    int EditWidth() const { return Drop->Width() - Drop->DropDownButtonWidth() - 4; }

    std::unique_ptr<TForm> Form;
    TExMemoDropDown* Drop;
    int MemoChanges = 0;
};

} // namespace

TEST_F(MemoDropDown, TheClosedEditShowsTheFirstLineShortenedUnlessTypedInto) {
    const std::string longLine(200, 'W');
    const struct {
        std::string Lines;
        bool EditorEnabled;
        std::string Shown;
    } cases[] = {
        {"one\ntwo", false, "one..."},        {"one", false, "one"},          {"", false, ""},
        {"one\ntwo\nthree", false, "one..."}, {"one\ntwo", true, "one\ntwo"},
    };
    for (const auto& c : cases) {
        Drop->SetEditorEnabled(c.EditorEnabled);
        Drop->SetMemoLines(c.Lines);
        EXPECT_EQ(Drop->MemoText().Text(), c.Lines);
        EXPECT_EQ(Drop->Text(), c.Shown) << c.Lines;
    }
}

TEST_F(MemoDropDown, AFirstLineWiderThanTheEditIsCutToEndInAnEllipsisWithinTheWidth) {
    Drop->SetEditorEnabled(false);
    const std::string line = "The quick brown fox jumps over the lazy dog again and again";
    Drop->SetMemoLines(line + "\nsecond");
    const std::string shown = Drop->Text();
    ASSERT_GT(shown.size(), 3u);
    EXPECT_EQ(shown.substr(shown.size() - 3), "...");
    EXPECT_EQ(line.rfind(shown.substr(0, shown.size() - 3), 0), 0u) << shown;
    EXPECT_LT(TextWidth(shown), EditWidth());
    EXPECT_EQ(Drop->MemoText().Count(), 2) << "the value keeps its lines";
}

TEST_F(MemoDropDown, TypingIntoTheEditReplacesTheLinesByTheTypedLine) {
    Drop->SetMemoLines("first\nsecond");
    Drop->SetEditorEnabled(true);
    Drop->SelectAll();
    for (char c : std::string("new"))
        InputSimulation::TypeChar(Drop, static_cast<TChar>(c));
    EXPECT_EQ(Drop->MemoText().Count(), 1);
    EXPECT_EQ(Drop->MemoText().Text(), "new");
}

TEST_F(MemoDropDown, ThePopupEditsTheLinesAndClosingAcceptsThem) {
    Drop->SetEditorEnabled(false);
    Drop->SetMemoLines("alpha\nbeta");
    Drop->SetMaxLength(50);
    Drop->ShowDropDown();
    ASSERT_TRUE(Drop->DroppedDown());
    TMemo* memo = Drop->Memo();
    EXPECT_TRUE(memo->Focused()) << "keys go to the memo";
    EXPECT_FALSE(Drop->DropDownForm()->CancelOnDeActivate());
    EXPECT_EQ(memo->Text(), "alpha\nbeta");
    EXPECT_EQ(memo->MaxLength(), 50);
    MemoChanges = 0;
    memo->SetText("gamma\ndelta\nepsilon");
    EXPECT_EQ(MemoChanges, 1);
    Drop->HideDropDown(false);
    EXPECT_EQ(Drop->MemoText().Count(), 3);
    EXPECT_EQ(Drop->MemoText()[2], "epsilon");
    EXPECT_EQ(Drop->Text(), "gamma...");
}

TEST_F(MemoDropDown, TheEditsLengthLimitsWhatIsTypedIntoTheMemo) {
    Drop->SetMemoLines("ab");
    Drop->SetMaxLength(4);
    Drop->ShowDropDown();
    TMemo* memo = Drop->Memo();
    memo->SetFocus();
    for (char c : std::string("xyz"))
        InputSimulation::TypeChar(memo, static_cast<TChar>(c));
    EXPECT_EQ(Utf8ToUtf16(memo->Text()).size(), 4u) << memo->Text();
    Drop->HideDropDown(false);
    EXPECT_EQ(Utf8ToUtf16(Drop->MemoText().Text()).size(), 4u);
    Drop->SetMemoLines("a longer text than four");
    Drop->ShowDropDown();
    EXPECT_EQ(memo->Text(), "a longer text than four") << "a text the program sets stays whole";
}

TEST_F(MemoDropDown, CancellingKeepsTheLinesOfTheOpening) {
    for (const bool editor : {false, true}) {
        Drop->SetEditorEnabled(editor);
        Drop->SetMemoLines("alpha\nbeta\ngamma");
        Drop->ShowDropDown();
        Drop->Memo()->SetText("changed");
        Drop->HideDropDown(true);
        // The edit's text of the opening is only a view of the lines: it must not become them.
        EXPECT_EQ(Drop->MemoText().Text(), "alpha\nbeta\ngamma") << editor;
        EXPECT_EQ(Drop->Text(), editor ? "alpha\nbeta\ngamma" : "alpha...") << editor;
    }
}

TEST_F(MemoDropDown, InTheMemoOnlyEscapeF4AndAltKeysReachTheEdit) {
    Drop->SetMemoLines("one\ntwo");
    Drop->ShowDropDown();
    TMemo* memo = Drop->Memo();
    InputSimulation::KeyPress(memo, VK_RETURN, u'\r');
    EXPECT_TRUE(Drop->DroppedDown()) << "Enter stays in the memo";
    InputSimulation::KeyPress(memo, 'A', 1, {ssCtrl});
    EXPECT_EQ(memo->SelStart(), 0);
    EXPECT_EQ(memo->SelLength(), static_cast<int>(Utf8ToUtf16(memo->Text()).size()));
    InputSimulation::KeyPress(memo, VK_ESCAPE, 27);
    EXPECT_FALSE(Drop->DroppedDown());
    EXPECT_EQ(Drop->MemoText().Text(), "one\ntwo");

    Drop->ShowDropDown();
    InputSimulation::KeyPress(memo, VK_F4);
    EXPECT_FALSE(Drop->DroppedDown());
}

TEST_F(MemoDropDown, AutoDropOpensOnFocusAndClosingDoesNotReopen) {
    auto* other = new TExMemoDropDown(Form.get());
    other->SetParent(Form.get());
    other->SetBounds(10, 100, 200, 21);
    Drop->SetAutoDrop(true);
    other->SetFocus();
    EXPECT_FALSE(Drop->DroppedDown());
    Drop->SetFocus();
    EXPECT_TRUE(Drop->DroppedDown());
    Drop->HideDropDown(false);
    EXPECT_FALSE(Drop->DroppedDown());
    EXPECT_TRUE(Drop->AutoDrop());
}

TEST_F(MemoDropDown, ReadOnlyActsAtOnceScrollBarsAndMenuAtTheNextOpening) {
    TPopupMenu menu(nullptr);
    Drop->ShowDropDown();
    TMemo* memo = Drop->Memo();
    Drop->SetMemoReadOnly(true);
    EXPECT_TRUE(memo->ReadOnly());
    Drop->SetMemoScrollBars(ssBoth);
    Drop->SetMemoPopup(&menu);
    EXPECT_EQ(memo->ScrollBars(), ssNone);
    EXPECT_EQ(memo->PopupMenu(), nullptr);
    Drop->HideDropDown(false);
    Drop->ShowDropDown();
    EXPECT_EQ(memo->ScrollBars(), ssBoth);
    EXPECT_EQ(memo->PopupMenu(), &menu);
    Drop->HideDropDown(false);
    Drop->SetMemoPopup(nullptr);
    Drop->ShowDropDown();
    Drop->HideDropDown(false);
}
