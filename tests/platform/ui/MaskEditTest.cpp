#include "RecordingControl.h"

#include "platform/core/FormatSettings.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/MaskEdit.h"
#include "platform/ui/internal/NativeHost.h"

#include <QLineEdit>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

struct TranslationCase {
    const char* Name;
    std::string EditMask;
    std::string InputMask;
    bool SaveLiterals;
};

class MaskTranslation : public ::testing::TestWithParam<TranslationCase> {};

TEST_P(MaskTranslation, GivesThePlatformsMask) {
    const TTranslatedMask translated = TranslateEditMask(GetParam().EditMask, ".", "-");
    EXPECT_EQ(translated.InputMask, GetParam().InputMask);
    EXPECT_EQ(translated.SaveLiterals, GetParam().SaveLiterals);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MaskTranslation,
    ::testing::Values(TranslationCase{"Empty", "", "", true},
                      TranslationCase{"Digits", "000;1;_", "999;_", true},
                      TranslationCase{"OptionalDigitsAndSign", "#99", "#00;_", true},
                      TranslationCase{"Letters", "LlAaCc", "AaNnXx;_", true},
                      TranslationCase{"Separators", "00:00/00", "99.99-99;_", true},
                      TranslationCase{"LiteralsThePlatformReadsAsCommands", "0x(A)", "9\\x(N);_",
                                      true},
                      TranslationCase{"EscapedMaskCharacter", "\\L0", "L9;_", true},
                      TranslationCase{"EscapedSemicolon", "0\\;0", "9\\;9;_", true},
                      TranslationCase{"CaseSwitches", ">L<l<>L", ">A<a!A;_", true},
                      TranslationCase{"LiteralsLeftOut", "00-00;0;*", "99-99;*", false},
                      TranslationCase{"SpaceFromUnderscore", "0_0", "9 9;_", true},
                      TranslationCase{"MultiByteLiteral", "0\xC2\xB0", "9\xC2\xB0;_", true}),
    [](const auto& info) { return std::string(info.param.Name); });

class MaskEditTest : public ::testing::Test {
protected:
    MaskEditTest() : Form(std::make_unique<TestForm>(nullptr)), Edit(new TMaskEdit(Form.get())) {
        Edit->SetParent(Form.get());
        Form->Show();
        Edit->SetFocus();
    }

    void Type(const std::u16string& text) {
        for (char16_t ch : text)
            InputSimulation::TypeChar(Edit, ch);
    }

    std::unique_ptr<TestForm> Form;
    TMaskEdit* Edit;
};

TEST_F(MaskEditTest, WithoutMaskItIsAPlainEdit) {
    Type(u"a1-");
    EXPECT_FALSE(Edit->IsMasked());
    EXPECT_EQ(Edit->Text(), "a1-");
    EXPECT_EQ(Edit->EditText(), "a1-");
}

TEST_F(MaskEditTest, TypingFollowsTheMask) {
    Edit->SetEditMask("00-LL;1;_");
    Edit->SetSelStart(0);
    Type(u"1x2a3b9");

    EXPECT_EQ(Edit->EditText(), "12-ab") << "refused: x at a digit, 3 at a letter, 9 at the end";
    EXPECT_EQ(Edit->Text(), "12-ab");
}

TEST_F(MaskEditTest, TextLeavesLiteralsOutWhenTheMaskSaysSo) {
    Edit->SetEditMask("00-00;0;_");
    Edit->SetSelStart(0);
    Type(u"123");

    EXPECT_EQ(Edit->EditText(), "12-3_");
    EXPECT_EQ(Edit->Text(), "123");
}

TEST_F(MaskEditTest, ProgramTextIsFittedIntoTheMask) {
    Edit->SetEditMask("000;1;_");
    Edit->SetText("4x56789");
    EXPECT_EQ(Edit->Text(), "456");
}

TEST(EditLayout, BorderAlignmentAndEditRectReachThePlatformEdit) {
    auto form = std::make_unique<TestForm>(nullptr);
    auto* edit = new TEdit(form.get());
    edit->SetParent(form.get());
    auto* line = static_cast<QLineEdit*>(NativeHost::Embedded(edit));

    EXPECT_EQ(edit->BorderStyle(), bsSingle);
    EXPECT_TRUE(line->hasFrame());
    edit->SetBorderStyle(bsNone);
    EXPECT_FALSE(line->hasFrame());

    edit->SetAlignment(taRightJustify);
    EXPECT_TRUE(line->alignment() & Qt::AlignRight);

    EXPECT_EQ(edit->EditRect(), edit->ClientRect());
    edit->SetEditRect(Rect(3, 3, edit->ClientWidth() - 20, edit->ClientHeight() + 1));
    EXPECT_EQ(edit->EditRect().Right, edit->ClientWidth() - 20);
    const QMargins margins = line->textMargins();
    EXPECT_EQ(margins.left(), 3);
    EXPECT_EQ(margins.right(), 20);
    EXPECT_EQ(margins.bottom(), 0) << "a rectangle beyond the client area is cut at its edge";
}

} // namespace
