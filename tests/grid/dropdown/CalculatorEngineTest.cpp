// The calculator's arithmetic, driven by clicks on the keypad's buttons: no precedence, the
// "Error" display, memory, percent, back, the decimal point and the length limit.
#include "grid/dropdown/CalculatorEngine.h"
#include "grid/dropdown/ButtonPanel.h"
#include "platform/core/FormatSettings.h"
#include "platform/ui/InputSimulation.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

class Calculator : public ::testing::Test {
protected:
    void SetUp() override {
        OverrideFormatSettings(&settings);
        keypad.SetBounds(0, 0, 230, 150);
        keypad.Loaded();
        keypad.OnButtonClick = [this](TObject*, int index) {
            engine.PressButton(keypad.Buttons()->GetItem(index)->Tag());
        };
    }
    void TearDown() override { OverrideFormatSettings(nullptr); }

    // Clicks the keys named by the blank-separated captions ("ON" is the blank top-left key).
    void Press(const std::string& keys) {
        std::istringstream words(keys);
        std::string caption;
        while (words >> caption) {
            const int index = IndexOf(caption == "ON" ? "" : caption);
            ASSERT_GE(index, 0) << caption;
            const TRect r = keypad.GetButtonRect(index);
            InputSimulation::Click(&keypad, {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2});
        }
    }
    int IndexOf(const std::string& caption) const {
        for (int i = 0; i < keypad.Buttons()->Count(); ++i)
            if (keypad.Buttons()->GetItem(i)->Caption() == caption)
                return i;
        return -1;
    }

    TFormatSettings settings;
    TCustomButtonPanel keypad{nullptr};
    TCalculatorTextDisplay display;
    TCalculatorEngine engine{display};
};

} // namespace

TEST_F(Calculator, KeySequencesShowTheirResults) {
    struct Case {
        const char* Keys;
        const char* Display;
    };
    const std::vector<Case> cases = {
        {"2 + 3 * 4 =", "20.00"}, // no precedence: (2 + 3) x 4
        {"8 / 0 =", "Error"},
        {"8 / 0 = 5", "5"},
        {"5 +/-", "-5"},
        {"5 +/- +/-", "5"},
        {"5 +/- 3", "-47.00"},
        {"4 + . 5", "0.50"},
        {"2 0 0 + 1 0 %", "20"},
        {"2 0 0 + 1 0 % =", "220.00"},
        {"9 sqrt", "3.00"},
        {"9 sqrt 1/x", "0.33"},
        {"9 sqrt 1", "31.00"},
        {"C 1/x", "Error"},
        {"9 +/- sqrt", "Error"},
        {"7 MS C MR", "7.00"},
        {"1 . 2 3 4", "1.23"},
        {"1 2 . 5 = Back", "12."},
        {"1 2 + Back", "12.00"},
        {"8 / 0 = + 2 =", "2.00"},
        {"6 - 9 =", "-3.00"},
        {"3 = =", "3.00"},
        {"5 CE", "0"},
        {"5 ON 2", "2"},
    };
    for (const Case& c : cases) {
        engine.PressButton(TCalculatorEngine::opClear);
        engine.PressButton(TCalculatorEngine::opMemoryClear);
        Press(c.Keys);
        EXPECT_EQ(display.Text(), c.Display) << c.Keys;
    }
}

TEST_F(Calculator, BackTakesTheLastDigitOffAHugeOrTinyNumber) {
    const struct {
        const char* Shown;
        const char* AfterBack;
    } cases[] = {{"150000000000000000000", "15000000000000000000"},
                 {"0.000000000000000000015", "0.00000000000000000001"}};
    for (const auto& c : cases) {
        display.SetText(c.Shown);
        Press("Back");
        EXPECT_EQ(display.Text(), c.AfterBack) << c.Shown;
    }
}

TEST_F(Calculator, DivisionByZeroClearsTheAccumulator) {
    Press("8 / 0 =");
    EXPECT_EQ(engine.Accumulator(), 0);
    EXPECT_EQ(engine.PendingOperator(), -1);
}

TEST_F(Calculator, MemoryAddsTheNumberOnDisplay) {
    Press("7 MS M+");
    EXPECT_EQ(engine.Memory(), 14);
    Press("MC MR");
    EXPECT_EQ(display.Text(), "0.00");
}

TEST_F(Calculator, ADisplayThatIsNoNumberCountsAsZero) {
    display.SetText("abc");
    Press("+ 4 =");
    EXPECT_EQ(display.Text(), "4.00");
    display.SetText("1e");
    Press("MS");
    EXPECT_EQ(engine.Memory(), 0);
    display.SetText("Error");
    Press("M+");
    EXPECT_EQ(engine.Memory(), 0);
    display.SetText("x");
    EXPECT_EQ(engine.Value(), 0);
    display.SetText("");
    EXPECT_EQ(engine.Value(), 0);
    EXPECT_EQ(display.Text(), "0");
}

TEST_F(Calculator, ThousandSeparatorsAreShownAndIgnoredWhenReading) {
    display.SetShowThousandSeparator(true);
    Press("1 2 3 4 . 5");
    EXPECT_EQ(display.Text(), "1,234.50");
    Press("MS");
    EXPECT_EQ(engine.Memory(), 1234.5);
    display.SetShowThousandSeparator(false);
    EXPECT_EQ(display.Text(), "1234.50");
}

TEST_F(Calculator, TheLocaleSeparatorsAreUsed) {
    settings.DecimalSeparator = ",";
    settings.ThousandSeparator = ".";
    OverrideFormatSettings(&settings);
    display.SetShowThousandSeparator(true);
    Press("1 2 3 4 . 5 +");
    EXPECT_EQ(display.Text(), "1.234,50");
    EXPECT_EQ(engine.Accumulator(), 1234.5);
}

TEST_F(Calculator, AFullDisplayIgnoresTheKeysThatTypeIntoTheNumber) {
    display.SetMaxLength(4);
    display.SetText("12.5");
    Press("7 +/- .");
    EXPECT_EQ(display.Text(), "12.5");
    Press("+ 1 =");
    EXPECT_EQ(display.Text(), "13.50");
}

TEST_F(Calculator, OpeningThePopupStartsANewNumberButKeepsThePendingOperator) {
    Press("3 +");
    engine.StartNewNumber();
    Press("4 =");
    EXPECT_EQ(display.Text(), "7.00");
    engine.SetValue(2.5);
    EXPECT_EQ(display.Text(), "2.5");
    EXPECT_EQ(engine.Value(), 2.5);
}

TEST_F(Calculator, AnOverflowStartsAgainFromZero) {
    engine.SetValue(1e300);
    Press("* =");
    EXPECT_EQ(engine.Accumulator(), 0);
}

TEST_F(Calculator, EveryKeyMarksTheValueModified) {
    EXPECT_FALSE(display.Modified());
    engine.PressButton(99);
    EXPECT_TRUE(display.Modified());
}

TEST_F(Calculator, KeysTypedIntoTheClosedEditActAsTheOperatorKeys) {
    struct Case {
        const char* Keys;
        const char* Typed;
        const char* Display;
    };
    // With the popup closed the edit types the digits itself; here they come from the keypad.
    const std::vector<Case> cases = {
        {"3", "+", "3.00"},
        {"3", "*", "3.00"},
        {"9", "%", "0"},
        {"5", "C", "0"},
    };
    for (const Case& c : cases) {
        engine.PressButton(TCalculatorEngine::opClear);
        Press(c.Keys);
        EXPECT_TRUE(engine.ClosedPopupKey(static_cast<unsigned char>(c.Typed[0]))) << c.Typed;
        EXPECT_EQ(display.Text(), c.Display) << c.Keys << " " << c.Typed;
    }
    engine.PressButton(TCalculatorEngine::opClear);
    Press("3");
    engine.ClosedPopupKey(U'+');
    Press("4");
    EXPECT_TRUE(engine.ClosedPopupKey(U'\r'));
    EXPECT_EQ(display.Text(), "7.00");
    EXPECT_FALSE(engine.ClosedPopupKey(U'x'));
    EXPECT_FALSE(engine.ClosedPopupKey(U'5'));
}

TEST_F(Calculator, CInTheClosedEditKeepsTheAccumulator) {
    Press("6 +");
    engine.ClosedPopupKey(U'c');
    EXPECT_EQ(engine.Accumulator(), 6);
    EXPECT_EQ(engine.PendingOperator(), -1);
}

TEST_F(Calculator, KeysTypedInTheOpenPopupComputeAndClose) {
    struct Case {
        const char* Keys;
        char32_t Key;
        TCalcKeyAction Action;
        const char* Display;
    };
    const std::vector<Case> cases = {
        {"7", U'\r', TCalcKeyAction::CloseAccepted, "7.00"},
        {"7", 27, TCalcKeyAction::CloseCancelled, "7"},
        {"7", U'=', TCalcKeyAction::Stay, "7.00"},
        {"2 * 7", U'=', TCalcKeyAction::Stay, "14.00"},
        {"7", U'+', TCalcKeyAction::Stay, "7.00"},
        {"7", U'C', TCalcKeyAction::Stay, "0"},
        {"7", U'.', TCalcKeyAction::Stay, "7."},
        {"7 .", U'.', TCalcKeyAction::Stay, "7."},
    };
    for (const Case& c : cases) {
        engine.PressButton(TCalculatorEngine::opClear);
        Press(c.Keys);
        EXPECT_EQ(engine.ProcessCalcKey(c.Key), c.Action) << static_cast<int>(c.Key);
        EXPECT_EQ(display.Text(), c.Display) << static_cast<int>(c.Key);
    }
}

TEST_F(Calculator, BackspaceInTheOpenPopupTakesOffOneCharacter) {
    struct Case {
        const char* Before;
        const char* After;
    };
    const std::vector<Case> cases = {
        {"12.5", "12."},
        {"7", "0"},
        {"Error", "0"},
        {"", "0"},
        {"1\xC3\xA9", "1"},
        {"\xC3\xA9"
         "1",
         "\xC3\xA9"},
    };
    for (const Case& c : cases) {
        display.SetText(c.Before);
        EXPECT_EQ(engine.PopupKeyDown(VK_BACK), TCalcKeyAction::Stay);
        EXPECT_EQ(display.Text(), c.After) << c.Before;
    }
    EXPECT_EQ(engine.PopupKeyDown(VK_TAB), TCalcKeyAction::CloseAccepted);
    EXPECT_EQ(engine.PopupKeyDown(VK_F4), TCalcKeyAction::CloseAccepted);
    display.SetText("Error");
    engine.EditDeleteKey();
    EXPECT_EQ(display.Text(), "0");
}
