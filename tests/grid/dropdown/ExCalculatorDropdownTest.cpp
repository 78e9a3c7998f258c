// The calculator drop-down: the keypad in its popup, keys typed into the closed edit and into
// the open popup, cancel and accept, and the keypad's colours following the component style.
#include "grid/dropdown/ExCalculatorDropdown.h"
#include "grid/dropdown/ButtonAppearance.h"
#include "grid/dropdown/ButtonPanel.h"
#include "grid/dropdown/DropDownForm.h"

#include "grid/foundation/ScopedFormatSettings.h"
#include "grid/stringgrid/ExButtonAppearance.h"
#include "grid/stringgrid/FooterAppearance.h"
#include "grid/stringgrid/HeaderAppearance.h"
#include "platform/ui/Form.h"
#include "platform/ui/InputSimulation.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>

namespace {

class CalculatorDropDown : public ::testing::Test {
protected:
    CalculatorDropDown()
        : English(ScopedFormatSettings::English()), Form(std::make_unique<TForm>(nullptr)),
          Calc(new TExCalculatorDropdown(Form.get())) {
        Form->SetBounds(100, 100, 400, 200);
        Calc->SetParent(Form.get());
        Calc->SetBounds(10, 40, 200, 21);
        Form->Show();
        Calc->SetFocus();
    }

    int IndexOf(const std::string& Caption) const {
        const TButtonItems* buttons = Calc->ButtonPanel()->Buttons();
        for (int i = 0; i < buttons->Count(); ++i)
            if (buttons->GetItem(i)->Caption() == Caption)
                return i;
        ADD_FAILURE() << "no key " << Caption;
        return -1;
    }
    // Keypad clicks, by caption, separated by blanks; a number clicks its digits.
    void Click(const std::string& Keys) {
        std::istringstream words(Keys);
        std::string word;
        while (words >> word) {
            const bool number = word.find_first_not_of("0123456789") == std::string::npos;
            if (number)
                for (char digit : word)
                    Calc->ButtonPanel()->OnButtonClick(Calc->ButtonPanel(),
                                                       IndexOf(std::string(1, digit)));
            else
                Calc->ButtonPanel()->OnButtonClick(Calc->ButtonPanel(), IndexOf(word));
        }
    }
    // Characters typed while the popup has the focus.
    void TypeInPopup(const std::u16string& Keys) {
        for (char16_t key : Keys) {
            TChar k = key;
            Calc->DropDownForm()->OnKeyPress(Calc->DropDownForm(), k);
        }
    }
    void TypeInEdit(const std::string& Keys) {
        for (char key : Keys)
            InputSimulation::TypeChar(Calc, static_cast<TChar>(key));
    }
    bool PopupShown() const { return Calc->DropDownForm()->Visible(); }

    ScopedFormatSettings English;
    std::unique_ptr<TForm> Form;
    TExCalculatorDropdown* Calc;
};

} // namespace

TEST_F(CalculatorDropDown, StartsAsAZeroWithTwoDecimalsAndItsKeypad) {
    EXPECT_EQ(Calc->Text(), "0.00");
    EXPECT_EQ(Calc->Precision(), 2);
    EXPECT_EQ(Calc->EditType(), etFloat);
    EXPECT_EQ(Calc->DropDownWidth(), 230);
    EXPECT_EQ(Calc->DropDownColor(), TColor{0xFFFFFF});
    EXPECT_FALSE(Calc->DropDownHeader()->Visible());
    EXPECT_FALSE(Calc->DropDownFooter()->Visible());
    ASSERT_NE(Calc->ButtonPanel(), nullptr);
    EXPECT_EQ(Calc->ButtonPanel()->Buttons()->Count(), 28);
    EXPECT_EQ(Calc->Control(), Calc->ButtonPanel());
}

TEST_F(CalculatorDropDown, KeypadClicksCalculateOnTheDisplay) {
    const struct {
        const char* Keys;
        const char* Shown;
    } cases[] = {
        {"2 + 3 * 4 =", "20.00"}, // no precedence
        {"8 / 0 =", "Error"},       {"8 / 0 = 5", "5"},    {"9 sqrt", "3.00"}, {"200 + 10 %", "20"},
        {"200 + 10 % =", "220.00"}, {"7 MS C MR", "7.00"}, {"5 +/-", "-5"},
    };
    for (const auto& c : cases) {
        Click("C");
        Click(c.Keys);
        EXPECT_EQ(Calc->Text(), c.Shown) << c.Keys;
    }
    EXPECT_TRUE(Calc->IsModified());
}

TEST_F(CalculatorDropDown, EnterInThePopupComputesAndClosesEscapeRestoresTheOpeningValue) {
    Calc->SetText("5");
    Calc->ShowDropDown();
    ASSERT_TRUE(PopupShown());
    TypeInPopup(u"7");
    EXPECT_EQ(Calc->Text(), "7") << "opening the popup starts a new number";
    TypeInPopup(u"\x1b");
    EXPECT_FALSE(PopupShown());
    EXPECT_EQ(Calc->Text(), "5.00");

    Calc->ShowDropDown();
    TypeInPopup(u"3+4\r");
    EXPECT_FALSE(PopupShown());
    EXPECT_EQ(Calc->Text(), "7.00");
}

TEST_F(CalculatorDropDown, BackspaceInTheOpenPopupTakesOffOneCharacter) {
    Calc->ShowDropDown();
    TypeInPopup(u"12");
    ASSERT_EQ(Calc->Text(), "12");
    WORD back = VK_BACK;
    Calc->DropDownForm()->OnKeyDown(Calc->DropDownForm(), back, TShiftState{});
    TypeInPopup(u"\b");
    EXPECT_EQ(Calc->Text(), "1");
    Calc->HideDropDown(false);
}

TEST_F(CalculatorDropDown, OperatorsTypedIntoTheClosedEditActAtOnce) {
    Calc->SetText("3");
    TypeInEdit("+4");
    EXPECT_EQ(Calc->Text(), "4");
    TypeInEdit("\r");
    EXPECT_EQ(Calc->Text(), "7.00");
    TypeInEdit("x");
    EXPECT_EQ(Calc->Text(), "7.00") << "no letters";
    TypeInEdit("c");
    EXPECT_EQ(Calc->Text(), "0");
    EXPECT_EQ(Calc->Engine().Accumulator(), 7) << "C in the closed edit keeps the accumulator";
}

TEST_F(CalculatorDropDown, DeleteTurnsAnErrorIntoZero) {
    Click("8 / 0 =");
    ASSERT_EQ(Calc->Text(), "Error");
    InputSimulation::KeyPress(Calc, VK_DELETE);
    EXPECT_EQ(Calc->Text(), "0");
}

TEST_F(CalculatorDropDown, ThousandSeparatorsShowButAreNotStored) {
    Click("C 1234 . 5");
    Calc->SetShowThousandSeparator(true);
    EXPECT_EQ(Calc->Text(), "1,234.50");
    Click("MS C MR");
    EXPECT_EQ(Calc->Engine().Memory(), 1234.5);
    EXPECT_DOUBLE_EQ(Calc->Value(), 1234.5);
}

TEST_F(CalculatorDropDown, TheKeypadTakesTheStylesButtonColoursWhenThePopupOpens) {
    Calc->SetComponentStyle(tsOffice2010Blue);
    EXPECT_EQ(Calc->CalcButtonAppearance()->ColorHot(), Calc->ButtonAppearance()->ColorHot());
    EXPECT_EQ(Calc->CalcButtonAppearance()->GlowColorHot, Calc->ButtonAppearance()->ColorHot());
    Calc->ShowDropDown();
    EXPECT_EQ(Calc->ButtonPanel()->ButtonAppearance()->ColorHot(),
              Calc->CalcButtonAppearance()->ColorHot());
    EXPECT_EQ(Calc->ButtonPanel()->Color(), Calc->DropDownColor());
    Calc->HideDropDown(false);
}
