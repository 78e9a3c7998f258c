#include "RecordingControl.h"

#include "platform/ui/InputSimulation.h"
#include "platform/ui/Memo.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

class MemoTest : public ::testing::Test {
protected:
    MemoTest() : Form(std::make_unique<TestForm>(nullptr)), Memo(new TMemo(Form.get())) {
        Memo->SetParent(Form.get());
        Memo->OnChange = [this](TObject*) {
            Changes.push_back(std::to_string(Memo->Lines()->Count()) + ":" + Memo->Text());
        };
    }

    std::unique_ptr<TestForm> Form;
    TMemo* Memo;
    std::vector<std::string> Changes;
};

TEST_F(MemoTest, LinesAndTextAreOneText) {
    Memo->Lines()->Add("first");
    Memo->Lines()->Add("second");
    EXPECT_EQ(Memo->Text(), "first\nsecond");

    Memo->SetText("a\nb\nc");
    ASSERT_EQ(Memo->Lines()->Count(), 3);
    EXPECT_EQ((*Memo->Lines())[2], "c");
    EXPECT_EQ(Changes.back(), "3:a\nb\nc") << "OnChange sees the lines already updated";
}

TEST_F(MemoTest, TypingReachesTheLines) {
    Memo->SetText("ab");
    Memo->SelectAll();
    for (char16_t ch : std::u16string(u"x\ry"))
        InputSimulation::TypeChar(Memo, ch);
    EXPECT_EQ(Memo->Text(), "x\ny");
    EXPECT_EQ(Memo->Lines()->Count(), 2);
}

TEST_F(MemoTest, EnterStaysInTheMemoOnlyWithWantReturns) {
    EXPECT_NE(Memo->Perform(WM_GETDLGCODE) & DLGC_WANTALLKEYS, 0);
    Memo->SetWantReturns(false);
    EXPECT_EQ(Memo->Perform(WM_GETDLGCODE) & DLGC_WANTALLKEYS, 0);
}

} // namespace
