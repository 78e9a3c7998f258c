// The flat bar button: which modal results close the popup (and whether they cancel it), keys
// that close without a click, the face colours of each state, and its size.
#include "grid/dropdown/FlatButton.h"
#include "grid/dropdown/DbgList.h"
#include "grid/stringgrid/ExButtonAppearance.h"
#include "platform/core/Exception.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Form.h"
#include "platform/ui/InputSimulation.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

class RecordingDropDown : public TDropDownCloser {
public:
    void DoHideDropDown(bool Cancelled) override { Hides.push_back(Cancelled); }
    std::vector<bool> Hides;
};

class FlatButton : public ::testing::Test {
protected:
    void SetUp() override {
        button.SetParent(&form);
        button.SetBounds(10, 10, 60, 22);
        button.SetAppearance(&appearance);
        button.SetCaption("OK");
        button.OnClick = [this](TObject*) { ++clicks; };
    }

    TForm form{nullptr};
    TExButtonAppearance appearance;
    TExButton button{&form};
    RecordingDropDown dropDown;
    int clicks = 0;
};

} // namespace

TEST_F(FlatButton, ClosingModalResultsHideThePopupAndSayWhetherTheyCancel) {
    struct Case {
        TModalResult Result;
        std::optional<bool> Cancelled; // empty: the popup stays open
    };
    const std::vector<Case> cases = {
        {mrOk, false},    {mrCancel, true},  {mrAbort, true},     {mrRetry, {}},
        {mrIgnore, true}, {mrYes, false},    {mrNo, true},        {mrNone, {}},
        {mrAll, false},   {mrNoToAll, true}, {mrYesToAll, false}, {8, {}},
    };
    button.SetExDropDown(&dropDown);
    for (const Case& c : cases) {
        dropDown.Hides.clear();
        clicks = 0;
        button.SetModalResult(c.Result);
        InputSimulation::Click(&button, {5, 5});
        EXPECT_EQ(clicks, 1) << c.Result;
        EXPECT_EQ(form.ModalResult(), c.Result);
        if (c.Cancelled)
            EXPECT_EQ(dropDown.Hides, std::vector<bool>{*c.Cancelled}) << c.Result;
        else
            EXPECT_TRUE(dropDown.Hides.empty()) << c.Result;
    }
}

TEST_F(FlatButton, AButtonWithoutADropDownNeverClosesThePopup) {
    button.SetModalResult(mrOk);
    InputSimulation::Click(&button, {5, 5});
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(dropDown.Hides.empty());
}

TEST_F(FlatButton, EnterAndSpaceCloseThePopupWithoutAClick) {
    button.SetExDropDown(&dropDown);
    button.SetModalResult(mrOk);
    for (WORD key : {VK_RETURN, VK_SPACE}) {
        dropDown.Hides.clear();
        InputSimulation::KeyPress(&button, key, key == VK_SPACE ? ' ' : '\r');
        EXPECT_EQ(dropDown.Hides, std::vector<bool>{false}) << key;
    }
    EXPECT_EQ(clicks, 0);
}

TEST_F(FlatButton, TheFaceTakesTheColoursOfItsState) {
    appearance.SetColor(clWhite);
    appearance.SetColorTo(clNone);
    appearance.SetBorderColor(clGray);
    appearance.SetColorHot(clYellow);
    appearance.SetBorderColorHot(clOlive);
    appearance.SetColorDown(clRed);
    appearance.SetBorderColorDown(clMaroon);
    appearance.SetColorDisabled(clSilver);
    appearance.SetColorDisabledTo(clNone);
    appearance.SetBorderColorDisabled(clBlack);
    button.SetCaption("");
    struct Case {
        const char* State;
        std::function<void()> Enter;
        TColor Fill;
        TColor Border;
    };
    const std::vector<Case> cases = {
        {"normal", [] {}, clWhite, clGray},
        {"hot", [this] { InputSimulation::MouseEnter(&button); }, clYellow, clOlive},
        {"down",
         [this] {
             InputSimulation::MouseEnter(&button);
             InputSimulation::MouseDown(&button, mbLeft, {5, 5});
         },
         clRed, clMaroon},
        {"pressed, pointer gone",
         [this] {
             InputSimulation::MouseEnter(&button);
             InputSimulation::MouseDown(&button, mbLeft, {5, 5});
             InputSimulation::MouseMove(&button, {-20, 5});
         },
         clWhite, clGray},
        {"disabled", [this] { button.SetEnabled(false); }, clSilver, clBlack},
    };
    for (const Case& c : cases) {
        c.Enter();
        TBitmap bitmap;
        bitmap.SetSize(button.Width(), button.Height());
        button.DrawButton(bitmap.Canvas());
        EXPECT_EQ(bitmap.Pixel(30, 11), c.Fill) << c.State;
        EXPECT_EQ(bitmap.Pixel(0, 11), c.Border) << c.State;
        InputSimulation::MouseUp(&button, mbLeft, {-20, 5});
        InputSimulation::MouseLeave(&button);
        button.SetEnabled(true);
    }
}

TEST_F(FlatButton, ARightPressDoesNotPressTheButton) {
    InputSimulation::MouseDown(&button, mbRight, {5, 5});
    EXPECT_FALSE(button.MouseDownInControl());
    EXPECT_EQ(button.State(), absUp);
}

TEST_F(FlatButton, SizeToContentFitsTheCaptionOnlyWithAnAppearance) {
    button.SetCaption("A much longer caption");
    button.SizeToContent();
    const int fitted = button.Width();
    EXPECT_GT(fitted, 60);
    EXPECT_LT(button.Height(), 40);
    button.SetAppearance(nullptr);
    button.SetCaption("x");
    button.SizeToContent();
    EXPECT_EQ(button.Width(), fitted);
    TBitmap bitmap;
    bitmap.SetSize(10, 10);
    button.DrawButton(bitmap.Canvas());
    EXPECT_EQ(bitmap.Pixel(5, 5), clWhite) << "without an appearance nothing is drawn";
}

TEST(DbgList, IndexesOutsideTheListAreRefusedWithTheirAccessNamed) {
    TDbgList list;
    int a = 1, b = 2;
    list.Add(&a);
    list.Add(&b);
    EXPECT_EQ(list.GetItemsEx(1), &b);
    list.SetItemsEx(0, &b);
    EXPECT_EQ(list.GetItemsEx(0), &b);
    for (int index : {2, 5, -1}) {
        try {
            list.GetItemsEx(index);
            ADD_FAILURE() << index;
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message, "Index out of bounds in list read access");
        }
        try {
            list.SetItemsEx(index, &a);
            ADD_FAILURE() << index;
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message, "Index out of bounds in list write access");
        }
    }
    TDbgList copy;
    copy.Add(&a);
    copy.AssignList(list);
    EXPECT_EQ(copy.Count(), 2);
    EXPECT_EQ(copy.GetItemsEx(1), &b);
}
