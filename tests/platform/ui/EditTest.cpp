#include "RecordingControl.h"

#include "platform/ui/Clipboard.h"
#include "platform/ui/Edit.h"
#include "platform/ui/InputSimulation.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

class EditTest : public ::testing::Test {
protected:
    EditTest() : Form(std::make_unique<TestForm>(nullptr)), Edit(new TEdit(Form.get())) {
        Edit->SetParent(Form.get());
        Edit->OnChange = [this](TObject* sender) {
            EXPECT_EQ(sender, Edit);
            Changes.push_back(Edit->Text());
        };
    }

    void Type(const std::u16string& text) {
        for (char16_t ch : text)
            InputSimulation::TypeChar(Edit, ch);
    }

    std::unique_ptr<TestForm> Form;
    TEdit* Edit;
    std::vector<std::string> Changes;
};

struct TypingCase {
    const char* Name;
    int MaxLength;
    std::string Before; // set by the program
    std::u16string Typed;
    std::string After;
};

class EditTyping : public EditTest, public ::testing::WithParamInterface<TypingCase> {};

TEST_P(EditTyping, MaxLengthCutsWhatTheUserTypes) {
    const TypingCase& c = GetParam();
    Edit->SetMaxLength(c.MaxLength);
    Edit->SetText(c.Before);
    Edit->SetSelStart(static_cast<int>(c.Before.size()));

    Type(c.Typed);

    EXPECT_EQ(Edit->Text(), c.After);
}

INSTANTIATE_TEST_SUITE_P(
    Typing, EditTyping,
    ::testing::Values(TypingCase{"NoLimit", 0, "", u"abcdefghij", "abcdefghij"},
                      TypingCase{"LimitStopsTyping", 8, "", u"abcdefghij", "abcdefgh"},
                      TypingCase{"LimitCountsTheTextBefore", 4, "ab", u"cdef", "abcd"},
                      TypingCase{"LongerProgramTextTakesNoMore", 3, "abcdef", u"x", "abcdef"},
                      TypingCase{"BackspaceStillWorksPastTheLimit", 3, "abcdef", u"\b", "abcde"},
                      TypingCase{"MultiByteCharactersCountOnce", 2, "", u"\u00e8\u00e0\u00f2",
                                 "\xc3\xa8\xc3\xa0"}),
    [](const ::testing::TestParamInfo<TypingCase>& info) { return std::string(info.param.Name); });

TEST_F(EditTest, TextSetByTheProgramIsKeptWholeBeyondMaxLength) {
    // A value read from a file longer than the typing limit must survive a load and save.
    Edit->SetMaxLength(8);
    Edit->SetText("0123456789");
    EXPECT_EQ(Edit->Text(), "0123456789");
}

TEST_F(EditTest, PasteKeepsThePartThatFits) {
    Edit->SetMaxLength(4);
    Edit->SetText("ab");
    Edit->SetSelStart(2);
    Clipboard()->SetAsText("123456");

    Edit->Perform(WM_PASTE);

    EXPECT_EQ(Edit->Text(), "ab12");
}

TEST_F(EditTest, OnChangeFiresForEveryChangeOfTheText) {
    Edit->SetMaxLength(2);
    Edit->SetText("a"); // by the program
    Edit->SetText("a"); // no change
    Type(u"bc");        // 'c' does not fit
    EXPECT_EQ(Changes, (std::vector<std::string>{"a", "ab"}));
    EXPECT_TRUE(Edit->Modified());
}

TEST_F(EditTest, OnKeyPressCanSwallowOrReplaceAKey) {
    Edit->OnKeyPress = [](TObject*, TChar& key) {
        if (key == u'.')
            key = 0;
        else if (key == u',')
            key = u';';
    };

    Type(u"19.2,5");

    EXPECT_EQ(Edit->Text(), "192;5");
}

TEST_F(EditTest, TypingOverASelectionReplacesIt) {
    Edit->SetText("192");
    Edit->SelectAll();
    EXPECT_EQ(Edit->SelText(), "192");

    Type(u"10");

    EXPECT_EQ(Edit->Text(), "10");
}

TEST_F(EditTest, ReadOnlyRefusesTyping) {
    Edit->SetText("keep");
    Edit->SetReadOnly(true);
    Type(u"x");
    EXPECT_EQ(Edit->Text(), "keep");
    EXPECT_EQ(Changes, std::vector<std::string>{"keep"});
}

// The character under a point is where a click there puts the caret; outside the edit there is
// none.
TEST_F(EditTest, CharFromPosAnswersWhereAClickPutsTheCaret) {
    Edit->SetBounds(0, 0, 300, 24);
    Edit->SetText("abcdefghij");
    Form->Show();
    const int y = Edit->ClientHeight() / 2;
    int previous = -1;
    for (int x = 0; x < Edit->ClientWidth(); x += 7) {
        const int at = Edit->CharFromPos(TPoint{x, y});
        InputSimulation::Click(Edit, TPoint{x, y});
        EXPECT_EQ(Edit->SelStart(), at) << "x " << x;
        EXPECT_EQ(Edit->SelLength(), 0) << "x " << x;
        EXPECT_GE(at, previous) << "x " << x;
        previous = at;
    }
    EXPECT_EQ(Edit->CharFromPos(TPoint{0, y}), 0);
    EXPECT_EQ(Edit->CharFromPos(TPoint{Edit->ClientWidth() - 1, y}), 10);
    EXPECT_GT(Edit->CharFromPos(TPoint{40, y}), 0);
    EXPECT_LT(Edit->CharFromPos(TPoint{40, y}), 10);
    for (TPoint outside : {TPoint{-1, y}, TPoint{Edit->ClientWidth(), y}, TPoint{5, -1},
                           TPoint{5, Edit->ClientHeight()}})
        EXPECT_EQ(Edit->CharFromPos(outside), -1) << outside.X << "," << outside.Y;
}

} // namespace
