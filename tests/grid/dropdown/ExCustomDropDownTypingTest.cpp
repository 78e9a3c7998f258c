#include "grid/dropdown/ExCustomDropDown.h"

#include "grid/foundation/ScopedFormatSettings.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Form.h"
#include "platform/ui/InputSimulation.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

class DropDownEditTest : public ::testing::Test {
protected:
    DropDownEditTest()
        : English(ScopedFormatSettings::English()), Form(std::make_unique<TForm>(nullptr)),
          Edit(new TExCustomDropDown(Form.get())) {
        Form->SetClientWidth(300);
        Form->SetClientHeight(100);
        Edit->SetParent(Form.get());
        Edit->SetBounds(10, 40, 200, 21);
        Form->Show();
        Edit->SetFocus();
    }

    // The value shown as given, with the caret at the value's end.
    void Show(const std::string& value) {
        Edit->SetTextDirect(Edit->Prefix() + value + Edit->Suffix());
        Edit->SetSelStart(static_cast<int>(Edit->Prefix().size() + value.size()));
        Edit->SetSelLength(0);
    }

    void Type(const std::string& typed) {
        for (char c : typed)
            InputSimulation::TypeChar(Edit, static_cast<TChar>(c));
    }

    ScopedFormatSettings English;
    std::unique_ptr<TForm> Form;
    TExCustomDropDown* Edit;
};

struct TypingCase {
    const char* Name;
    TDropDownEditType Type;
    int Precision;
    bool Signed;
    int LengthLimit;
    const char* Initial;
    const char* Typed;
    const char* Value;
};

class DropDownTyping : public DropDownEditTest, public ::testing::WithParamInterface<TypingCase> {};

TEST_P(DropDownTyping, KeepsOnlyWhatTheTypeAllows) {
    const TypingCase& c = GetParam();
    Edit->SetEditType(c.Type);
    Edit->SetPrecision(c.Precision);
    Edit->SetSigned(c.Signed);
    Edit->SetLengthLimit(c.LengthLimit);
    Edit->SetValidChars("abc");
    Show(c.Initial);
    Type(c.Typed);
    EXPECT_EQ(Edit->Text(), c.Value);
}

INSTANTIATE_TEST_SUITE_P(
    Types, DropDownTyping,
    ::testing::Values(
        TypingCase{"String", etString, 0, false, 0, "", "a-1 ", "a-1 "},
        TypingCase{"Uppercase", etUppercase, 0, false, 0, "", "abC", "ABC"},
        TypingCase{"Lowercase", etLowerCase, 0, false, 0, "", "AbC", "abc"},
        TypingCase{"MixedCase", etMixedCase, 0, false, 0, "", "john smith", "John Smith"},
        TypingCase{"Password", etPassword, 0, false, 0, "", "ab", "ab"},
        TypingCase{"NumericDropsLetters", etNumeric, 0, false, 0, "", "1a2", "12"},
        TypingCase{"NumericUnsignedDropsMinus", etNumeric, 0, false, 0, "12", "-", "12"},
        TypingCase{"NumericSignedTogglesMinus", etNumeric, 0, true, 0, "12", "-", "-12"},
        TypingCase{"NumericSignedTogglesBack", etNumeric, 0, true, 0, "-12", "-", "12"},
        TypingCase{"FloatDecimalsFull", etFloat, 2, false, 0, "3.14", "5", "3.14"},
        TypingCase{"FloatSeparatorIntoEmpty", etFloat, 2, false, 0, "", ".5", "0.5"},
        TypingCase{"FloatSecondSeparator", etFloat, 2, false, 0, "3.5", ".", "3.5"},
        TypingCase{"FloatNoDecimals", etFloat, 0, false, 0, "3", ".", "3"},
        TypingCase{"FloatLetters", etFloat, 2, false, 0, "", "1x2", "12"},
        TypingCase{"MoneyGroupsThousands", etMoney, 2, false, 0, "", "1234567", "1,234,567"},
        TypingCase{"MoneyDecimals", etMoney, 2, false, 0, "", "1234.5", "1,234.5"},
        TypingCase{"RangeList", etRange, 0, false, 0, "", "1-5;7", "1-5;7"},
        TypingCase{"RangeSeparatorAfterSeparator", etRange, 0, false, 0, "", "1-;", "1-"},
        TypingCase{"RangeSeparatorFirst", etRange, 0, false, 0, "", ";1", "1"},
        TypingCase{"Hex", etHex, 0, false, 0, "", "1aG-", "1a-"},
        TypingCase{"AlphaNumeric", etAlphaNumeric, 0, false, 0, "", "a1!B", "a1B"},
        TypingCase{"ValidChars", etValidChars, 0, false, 0, "", "abxc", "abc"},
        TypingCase{"LengthLimitKeepsDecimals", etFloat, 2, false, 3, "", "1234.56", "123.56"},
        TypingCase{"LengthLimitSigned", etNumeric, 0, true, 2, "", "123-", "-12"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(DropDownEditTest, ValueSitsBetweenPrefixAndSuffix) {
    Edit->SetPrefix("$ ");
    Edit->SetSuffix(" EUR");
    Edit->SetText("12");
    EXPECT_EQ(Edit->TCustomMaskEdit::Text(), "$ 12 EUR");
    EXPECT_EQ(Edit->Text(), "12");
    Edit->SelectAll();
    EXPECT_EQ(Edit->SelStart(), 2);
    EXPECT_EQ(Edit->SelLength(), 2) << "only the value is selected";
    EXPECT_FALSE(Edit->Modified());
}

TEST_F(DropDownEditTest, CaretStaysBetweenPrefixAndSuffix) {
    Edit->SetPrefix("$ ");
    Edit->SetSuffix(" EUR");
    Edit->SetText("12");
    Edit->SetSelStart(4);
    InputSimulation::KeyPress(Edit, VK_RIGHT);
    EXPECT_EQ(Edit->SelStart(), 4) << "not into the suffix";
    InputSimulation::KeyPress(Edit, VK_HOME);
    EXPECT_EQ(Edit->SelStart(), 2) << "Home stops after the prefix";
    InputSimulation::KeyPress(Edit, VK_LEFT);
    EXPECT_EQ(Edit->SelStart(), 2) << "not into the prefix";
    InputSimulation::KeyPress(Edit, VK_BACK, 8);
    EXPECT_EQ(Edit->Text(), "12") << "Backspace does not eat the prefix";
    InputSimulation::KeyPress(Edit, VK_END);
    EXPECT_EQ(Edit->SelStart(), 4) << "End stops before the suffix";
    InputSimulation::KeyPress(Edit, VK_DELETE);
    EXPECT_EQ(Edit->TCustomMaskEdit::Text(), "$ 12 EUR") << "Delete does not eat the suffix";
    Type("3");
    EXPECT_EQ(Edit->Text(), "123");
}

TEST_F(DropDownEditTest, FloatDigitAfterTheSeparatorOverwritesWhenDecimalsAreFull) {
    Edit->SetEditType(etFloat);
    Edit->SetPrecision(2);
    Show("3.14");
    Edit->SetSelStart(2);
    Type("9");
    EXPECT_EQ(Edit->Text(), "3.94");
}

TEST_F(DropDownEditTest, MoneyCaretStaysBehindTheTypedDigit) {
    Edit->SetEditType(etMoney);
    Edit->SetPrecision(2);
    Show("");
    Type("1234567");
    EXPECT_EQ(Edit->Text(), "1,234,567");
    EXPECT_EQ(Edit->SelStart(), 9);
    Edit->SetSelStart(1);
    Type("9");
    EXPECT_EQ(Edit->Text(), "19,234,567");
    EXPECT_EQ(Edit->SelStart(), 2);
}

struct EmptyCase {
    TDropDownEditType Type;
    int Precision;
    bool AllowNull;
    const char* Left;
};

TEST_F(DropDownEditTest, LeavingAnEmptyNumberWritesZeroUnlessNullIsAllowed) {
    const EmptyCase cases[] = {
        {etNumeric, 0, false, "0"}, {etNumeric, 0, true, ""},    {etFloat, 2, false, "0.00"},
        {etFloat, 2, true, ""},     {etMoney, 2, false, "0.00"}, {etString, 0, false, ""},
    };
    auto* other = new TExCustomDropDown(Form.get());
    other->SetParent(Form.get());
    other->SetBounds(10, 70, 100, 21);
    for (const EmptyCase& c : cases) {
        Edit->SetFocus();
        Edit->SetEditType(c.Type);
        Edit->SetPrecision(c.Precision);
        Edit->SetAllowNumericNullValue(c.AllowNull);
        Show("");
        other->SetFocus();
        EXPECT_EQ(Edit->Text(), c.Left) << c.Type << " " << c.AllowNull;
    }
}

TEST_F(DropDownEditTest, FloatIsWrittenWithItsPrecisionOnLeaving) {
    Edit->SetEditType(etFloat);
    Edit->SetPrecision(2);
    Show("3.1");
    auto* other = new TExCustomDropDown(Form.get());
    other->SetParent(Form.get());
    other->SetFocus();
    EXPECT_EQ(Edit->Text(), "3.10");
}

struct TypingPasteCase {
    const char* Name;
    TDropDownEditType Type;
    int Precision;
    const char* Initial;
    bool SelectAll;
    const char* Clipboard;
    const char* Value;
};

class DropDownPaste : public DropDownEditTest, public ::testing::WithParamInterface<TypingPasteCase> {};

TEST_P(DropDownPaste, TakesWhatTheTypeAllows) {
    const TypingPasteCase& c = GetParam();
    Edit->SetEditType(c.Type);
    Edit->SetPrecision(c.Precision);
    Edit->SetPrefix("<");
    Edit->SetSuffix(">");
    Show(c.Initial);
    if (c.SelectAll)
        Edit->SelectAll();
    Clipboard()->SetAsText(c.Clipboard);
    InputSimulation::KeyPress(Edit, 'V', 22, {ssCtrl});
    EXPECT_EQ(Edit->Text(), c.Value);
    EXPECT_EQ(Edit->TCustomMaskEdit::Text(), std::string("<") + c.Value + ">");
}

INSTANTIATE_TEST_SUITE_P(
    Types, DropDownPaste,
    ::testing::Values(TypingPasteCase{"StringInsertsAtCaret", etString, 0, "ab", false, "xy", "abxy"},
                      TypingPasteCase{"StringReplacesSelection", etString, 0, "ab", true, "xy", "xy"},
                      TypingPasteCase{"NumericDigits", etNumeric, 0, "5", false, "12", "512"},
                      TypingPasteCase{"NumericLetter", etNumeric, 0, "5", false, "12a", "5"},
                      TypingPasteCase{"FloatGetsPrecision", etFloat, 2, "", true, "1.5", "1.50"},
                      TypingPasteCase{"FloatText", etFloat, 2, "1.00", true, "abc", "1.00"},
                      TypingPasteCase{"HexUpperCased", etHex, 0, "", true, "ff", "FF"},
                      TypingPasteCase{"HexBeyondF", etHex, 0, "A", false, "g", "A"},
                      TypingPasteCase{"RangeAccepted", etRange, 0, "1", false, "-3;5", "1-3;5"},
                      TypingPasteCase{"RangeDoubleSeparator", etRange, 0, "1-", false, "-3", "1-"},
                      TypingPasteCase{"Uppercase", etUppercase, 0, "A", false, "bc", "ABC"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(DropDownEditTest, ClipboardEventsSeeTheValueAndMayRefuse) {
    std::string offered;
    Edit->OnClipboardPaste = [&](TObject*, const std::string& value, bool& allow) {
        offered = value;
        allow = false;
    };
    Edit->SetPrefix("#");
    Edit->SetText("ab");
    Clipboard()->SetAsText("c");
    Edit->SetSelStart(3);
    Edit->Perform(WM_PASTE);
    EXPECT_EQ(offered, "abc");
    EXPECT_EQ(Edit->Text(), "ab");

    std::string copied;
    Edit->OnClipboardCopy = [&](TObject*, const std::string& value, bool&) { copied = value; };
    Edit->SelectAll();
    Edit->Perform(WM_COPY);
    EXPECT_EQ(copied, "ab") << "the value without its prefix";
    EXPECT_EQ(Clipboard()->AsText(), "ab");
}

struct NumberCase {
    TDropDownEditType Type;
    const char* Value;
    double Number;
};

TEST_F(DropDownEditTest, ValueReadsAsANumberByType) {
    const NumberCase cases[] = {
        {etString, " 2.5 ", 2.5},  {etString, "abc", 0},
        {etNumeric, "-", 0},       {etNumeric, "-42", -42},
        {etFloat, "Error", 0},     {etFloat, "1,234.5", 1234.5},
        {etMoney, "1,234.", 1234}, {etMoney, "-", 0},
        {etHex, "FF", 255},        {etHex, "", 0},
        {etAlphaNumeric, "12", 0},
    };
    for (const NumberCase& c : cases) {
        Edit->SetEditType(c.Type);
        Show(c.Value);
        EXPECT_DOUBLE_EQ(Edit->GetFloatValue(), c.Number) << c.Type << " " << c.Value;
    }
}

TEST_F(DropDownEditTest, KeypadDecimalKeyTypesTheLocaleSeparator) {
    ScopedFormatSettings european(ScopedFormatSettings::European());
    Edit->SetEditType(etFloat);
    Edit->SetPrecision(2);
    Edit->SetExcelStyleDecimalSeparator(true);
    Show("1");
    InputSimulation::KeypadPress(Edit, VK_DECIMAL, '.');
    Type("5");
    EXPECT_EQ(Edit->Text(), "1,5");
}

TEST_F(DropDownEditTest, EditTypeChangeKeepsOnlyValuesOfTheNewKind) {
    Edit->SetText("abc");
    Edit->SetEditType(etNumeric);
    EXPECT_EQ(Edit->Text(), "0");
    Edit->SetEditType(etString);
    Edit->SetText("1f");
    Edit->SetEditType(etHex);
    EXPECT_EQ(Edit->Text(), "1f") << "already hexadecimal";
    EXPECT_DOUBLE_EQ(Edit->GetFloatValue(), 31);
}

} // namespace

// A press inside the selection keeps it (it may be dragged away) while the mouse moves with the
// button held; the release puts the caret where it happened. A press outside the selection is
// the edit's own: the caret goes there at once.
TEST_F(DropDownEditTest, APressInsideTheSelectionKeepsItUntilTheRelease) {
    Show("hello world");
    auto pointAt = [this](int Char) {
        const int y = Edit->ClientHeight() / 2;
        for (int x = 0; x < Edit->ClientWidth(); ++x)
            if (Edit->CharFromPos({x, y}) == Char)
                return TPoint{x, y};
        ADD_FAILURE() << "no point puts the caret at " << Char;
        return TPoint{0, y};
    };
    const struct {
        int PressAt;
        int MoveTo;
        int SelStartWhileHeld;
        int SelLengthWhileHeld;
    } cases[] = {
        {8, 4, 6, 5}, // inside "world": the selection stays
        {2, 2, 2, 0}, // outside: the press places the caret
    };
    for (const auto& c : cases) {
        Edit->SetSelStart(6);
        Edit->SetSelLength(5);
        const TPoint press = pointAt(c.PressAt);
        InputSimulation::MouseDown(Edit, mbLeft, press);
        InputSimulation::MouseMove(Edit, pointAt(c.MoveTo), {ssLeft});
        EXPECT_EQ(Edit->SelStart(), c.SelStartWhileHeld) << c.PressAt;
        EXPECT_EQ(Edit->SelLength(), c.SelLengthWhileHeld) << c.PressAt;
        InputSimulation::MouseUp(Edit, mbLeft, pointAt(c.MoveTo));
        EXPECT_EQ(Edit->SelStart(), c.MoveTo) << c.PressAt;
        EXPECT_EQ(Edit->SelLength(), 0) << c.PressAt;
        EXPECT_EQ(Edit->Text(), "hello world");
    }
}
