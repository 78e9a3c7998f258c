// Every drop-down kind as a user meets it in a window: opened by its button, Alt+Down and F4,
// driven by keys typed where the focus is while the popup is open, and its header and footer
// bars with their captions and buttons. The value the edit shows is read after each step.
#include "grid/dropdown/DropDownEditButton.h"
#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/ExCalculatorDropdown.h"
#include "grid/dropdown/ExColorPickerDropDown.h"
#include "grid/dropdown/ExCustomGridDropDown.h"
#include "grid/dropdown/ExDetailDropDown.h"
#include "grid/dropdown/ExImagePickerDropDown.h"
#include "grid/dropdown/ExMemoDropDown.h"
#include "grid/dropdown/ExMultiColumnDropDown.h"
#include "grid/dropdown/ExTimePickerDropDown.h"
#include "grid/dropdown/ExTrackBarDropDown.h"
#include "grid/dropdown/FlatButton.h"
#include "grid/dropdown/FooterPanel.h"
#include "grid/dropdown/HeaderPanel.h"
#include "grid/stringgrid/FooterAppearance.h"
#include "grid/stringgrid/HeaderAppearance.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Form.h"
#include "platform/ui/ImgList.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/Keys.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace {

// One key typed where the focus is while the popup is open, and what follows from it.
struct TPopupStep {
    WORD Key;
    TChar Char;
    std::string Value;
    bool OpenAfter;
};

struct TDropDownKind {
    const char* Name;
    std::function<TExCustomDropDown*(TForm*)> Make;
    // What the user reads as the drop-down's value.
    std::function<std::string(TExCustomDropDown*)> Value;
    // Typed in the open popup, from the value the drop-down was made with.
    std::vector<TPopupStep> Steps;
};

void PrintTo(const TDropDownKind& Kind, std::ostream* Out) {
    *Out << Kind.Name;
}

std::string EditText(TExCustomDropDown* D) {
    return D->Text();
}

template <class T> T* As(TExCustomDropDown* D) {
    return static_cast<T*>(D);
}

// A two-column list of fruit and their codes.
template <class TList> TExCustomDropDown* MakeFruitList(TForm* Form) {
    auto* list = new TList(Form);
    list->Columns()->Add()->SetHeader("Fruit");
    list->Columns()->Add()->SetHeader("Code");
    for (const auto& [fruit, code] : {std::pair{"Apple", "A1"}, std::pair{"Banana", "B2"},
                                      std::pair{"Cherry", "C3"}, std::pair{"Mango", "M4"}}) {
        auto* item = list->Items()->Add();
        item->Text().Add(fruit);
        item->Text().Add(code);
    }
    return list;
}

TImageList* SmallImages(TForm* Form) {
    auto* images = new TImageList(Form);
    images->SetWidth(16);
    images->SetHeight(16);
    return images;
}

std::vector<TDropDownKind> Kinds() {
    return {
        {"Calculator",
         [](TForm* F) { return new TExCalculatorDropdown(F); },
         EditText,
         {{'9', '9', "9", true},
          {VK_DIVIDE, '/', "9.00", true},
          {'0', '0', "0", true},
          {VK_RETURN, '\r', "Error", false}}},
        {"ColourPicker",
         [](TForm* F) {
             auto* d = new TExColorPickerDropDown(F);
             d->SetColorSelectionStyle(csList);
             d->AddDefaultColors();
             return d;
         },
         [](TExCustomDropDown* D) { return As<TExColorPickerDropDown>(D)->SelectedColorText(); },
         {{VK_DOWN, 0, "Black", true},
          {VK_DOWN, 0, "Maroon", true},
          {'W', 'w', "White", true},
          {VK_RETURN, '\r', "White", false}}},
        {"Detail",
         [](TForm* F) {
             auto* d = new TExDetailDropDown(F);
             for (const char* caption : {"Apple", "Apricot", "Banana"})
                 d->Items()->Add()->SetCaption(caption);
             return d;
         },
         EditText,
         {{VK_DOWN, 0, "Apple", true},
          {VK_DOWN, 0, "Apricot", true},
          {'B', 'b', "Banana", true},
          {VK_UP, 0, "Apricot", true},
          {VK_RETURN, '\r', "Apricot", false}}},
        {"ImagePicker",
         [](TForm* F) {
             auto* d = new TExImagePickerDropDown(F);
             d->SetImages(SmallImages(F));
             for (const char* caption : {"Disk", "Folder", "Printer"})
                 d->Items()->Add()->SetCaption(caption);
             return d;
         },
         [](TExCustomDropDown* D) {
             const int index = As<TExImagePickerDropDown>(D)->ItemIndex();
             return index < 0 ? std::string("none")
                              : As<TExImagePickerDropDown>(D)->Items()->GetItem(index)->Caption();
         },
         {{VK_DOWN, 0, "Disk", true},
          {'P', 'p', "Printer", true},
          {VK_UP, 0, "Folder", true},
          {VK_RETURN, '\r', "Folder", false}}},
        {"TimePicker",
         [](TForm* F) {
             auto* d = new TExTimePickerDropDown(F);
             d->SetAnimation(false);
             d->SetText("10:20:00");
             return d;
         },
         EditText,
         {{VK_PRIOR, 0, "11:20:00", true},
          {VK_RIGHT, 0, "11:21:00", true},
          {VK_RETURN, '\r', "11:21:00", false}}},
        {"TrackBar",
         [](TForm* F) {
             auto* d = new TExTrackBarDropDown(F);
             d->SetMax(10);
             d->SetPosition(4);
             return d;
         },
         EditText,
         {{VK_RIGHT, 0, "5", true}, {VK_END, 0, "10", true}, {VK_RETURN, '\r', "10", false}}},
        {"Memo",
         [](TForm* F) {
             auto* d = new TExMemoDropDown(F);
             d->SetText("note");
             return d;
         },
         EditText,
         {{VK_END, 0, "note", true}, {'S', 's', "note", true}}},
        {"MultiColumn",
         MakeFruitList<TExMultiColumnDropDown>,
         EditText,
         {{VK_DOWN, 0, "Banana", true},
          {'C', 'c', "Cherry", true},
          {VK_DOWN, 0, "Mango", true},
          {VK_RETURN, '\r', "Mango", false}}},
        {"Grid",
         MakeFruitList<GridDropDown::TCustomExGridDropDown>,
         EditText,
         {{VK_DOWN, 0, "Banana", true},
          {'M', 'm', "Mango", true},
          {VK_UP, 0, "Cherry", true},
          {VK_RETURN, '\r', "Cherry", false}}},
    };
}

// Header and footer with a caption and a button each, the footer's closing the popup.
void GiveBars(TExCustomDropDown* Drop, const std::string& Caption) {
    Drop->DropDownHeader()->SetVisible(true);
    Drop->DropDownHeader()->SetCaption(Caption);
    Drop->DropDownHeader()->Buttons()->Add()->SetCaption("Help");
    Drop->DropDownFooter()->SetVisible(true);
    Drop->DropDownFooter()->SetCaption("<b>4</b> items");
    TFooterButton* ok = Drop->DropDownFooter()->Buttons()->Add();
    ok->SetCaption("OK");
    ok->SetModalResult(mrOk);
}

// The edit and its open popup below it, drawn into Picture at (X, Y).
void DrawOpen(TExCustomDropDown* Drop, TBitmap& Picture, int X, int Y) {
    Drop->ShowDropDown();
    Drop->PaintTo(Picture.Canvas(), X, Y);
    Drop->DropDownForm()->PaintTo(Picture.Canvas(), X, Y + Drop->Height() - 1);
    Drop->HideDropDown(true);
}

class DropDownFamily : public ::testing::TestWithParam<TDropDownKind> {
protected:
    DropDownFamily() : Form(std::make_unique<TForm>(nullptr)) {
        Form->SetBounds(100, 100, 500, 400);
        Drop = GetParam().Make(Form.get());
        Drop->SetParent(Form.get());
        Drop->SetBounds(10, 40, 200, 21);
        Form->Show();
        Drop->SetFocus();
    }
    std::string Value() const { return GetParam().Value(Drop); }
    bool Open() const { return Drop->DropDownForm()->Visible(); }
    void ClickButton() {
        TControl* button = Drop->Button();
        InputSimulation::Click(button, {button->Width() / 2, button->Height() / 2});
    }
    static TPoint Centre(const TControl* C) { return {C->Width() / 2, C->Height() / 2}; }
    // A key typed by a person goes to the control with the focus: the popup's, while it is open.
    static void Key(WORD K, TChar Ch = 0, TShiftState Shift = {}) {
        InputSimulation::KeyPressFocused(K, Ch, Shift);
    }

    std::unique_ptr<TForm> Form;
    TExCustomDropDown* Drop = nullptr;
};

} // namespace

TEST_P(DropDownFamily, TheButtonAltDownAndF4OpenAndEscapeClosesKeepingTheValue) {
    const std::string before = Value();
    const std::vector<std::pair<const char*, std::function<void()>>> openers = {
        {"button", [this] { ClickButton(); }},
        {"Alt+Down", [this] { InputSimulation::KeyPress(Drop, VK_DOWN, 0, {ssAlt}); }},
        {"F4", [this] { InputSimulation::KeyPress(Drop, VK_F4); }},
    };
    for (const auto& [name, open] : openers) {
        open();
        ASSERT_TRUE(Open()) << name;
        EXPECT_TRUE(Drop->DroppedDown()) << name;
        EXPECT_NE(InputSimulation::FocusedControl(), nullptr) << name;
        Key(VK_ESCAPE);
        EXPECT_FALSE(Open()) << name;
        EXPECT_EQ(Value(), before) << name;
    }
}

TEST_P(DropDownFamily, KeysInTheOpenPopupSetTheValue) {
    ClickButton();
    ASSERT_TRUE(Open());
    for (const TPopupStep& step : GetParam().Steps) {
        Key(step.Key, step.Char);
        EXPECT_EQ(Value(), step.Value) << "key " << step.Key;
        EXPECT_EQ(Open(), step.OpenAfter) << "key " << step.Key;
    }
}

TEST_P(DropDownFamily, HeaderAndFooterShowTheirCaptionsAndButtonsWhichFireTheirEvents) {
    GiveBars(Drop, "Pick one");
    std::vector<std::string> events;
    Drop->OnDropDownHeaderButtonClick = [&](TObject*, int Index) {
        events.push_back("header " + std::to_string(Index));
    };
    Drop->OnDropDownFooterButtonClick = [&](TObject*, int Index) {
        events.push_back("footer " + std::to_string(Index));
    };
    // Asked on every painting of the header, which the window system may ask for at any time.
    std::vector<std::string> headerTexts;
    Drop->OnGetHeaderText = [&](TObject*, std::string& Text) { headerTexts.push_back(Text); };
    Drop->OnDropUp = [&](TObject*, bool Cancelled) {
        events.push_back(Cancelled ? "up cancelled" : "up");
    };
    const std::string before = Value();

    ClickButton();
    ASSERT_TRUE(Open());
    TExHeader* header = Drop->DropDownForm()->Header();
    TExFooter* footer = Drop->DropDownForm()->Footer();
    ASSERT_NE(header, nullptr);
    ASSERT_NE(footer, nullptr);
    EXPECT_TRUE(header->Visible());
    EXPECT_TRUE(footer->Visible());
    EXPECT_EQ(header->Appearance()->Caption(), "Pick one");
    EXPECT_EQ(footer->Appearance()->Caption(), "<b>4</b> items");
    // The bars stand at the popup's top and bottom edges, inside its border.
    const TRect popup = Drop->DropDownForm()->ClientRect();
    EXPECT_EQ(header->ClientToScreen({0, 0}).Y, Drop->DropDownForm()->ClientToScreen({0, 1}).Y);
    EXPECT_EQ(footer->ClientToScreen({0, footer->Height()}).Y,
              Drop->DropDownForm()->ClientToScreen({0, popup.Bottom - 1}).Y);
    ASSERT_EQ(header->ButtonCount(), 1);
    ASSERT_EQ(footer->ButtonCount(), 1);
    EXPECT_EQ(header->Button(0)->Caption(), "Help");

    TBitmap drawn(header->Width(), header->Height());
    headerTexts.clear();
    header->PaintTo(drawn.Canvas(), 0, 0);
    EXPECT_EQ(headerTexts, std::vector<std::string>{"Pick one"});
    EXPECT_TRUE(events.empty());
    InputSimulation::Click(header->Button(0), Centre(header->Button(0)));
    EXPECT_TRUE(Open()) << "a header button never closes the popup";
    InputSimulation::Click(footer->Button(0), Centre(footer->Button(0)));
    EXPECT_FALSE(Open());
    EXPECT_EQ(events, (std::vector<std::string>{"header 0", "up", "footer 0"}));
    EXPECT_EQ(Value(), before);
}

INSTANTIATE_TEST_SUITE_P(Kinds, DropDownFamily, ::testing::ValuesIn(Kinds()),
                         [](const auto& Info) { return std::string(Info.param.Name); });

// The popup drawn with its bars: header band at the top and footer band at the bottom inside the
// border, each in its appearance's colours, with the hosted control between them.
TEST(DropDownPicture, ThePopupShowsItsHeaderAndFooterBarsAroundItsControl) {
    TForm form(nullptr);
    form.SetBounds(100, 100, 300, 200);
    auto* detail = new TExDetailDropDown(&form);
    detail->SetParent(&form);
    detail->SetBounds(10, 10, 200, 21);
    for (const char* caption : {"Apple", "Apricot", "Banana"})
        detail->Items()->Add()->SetCaption(caption);
    GiveBars(detail, "Fruit");
    detail->DropDownHeader()->SetColor(clYellow);
    detail->DropDownHeader()->SetColorTo(clNone);
    detail->DropDownFooter()->SetColor(clAqua);
    detail->DropDownFooter()->SetColorTo(clNone);
    detail->SetDropDownBorderColor(clRed);
    form.Show();
    detail->ShowDropDown();
    TDropDownForm* popup = detail->DropDownForm();
    TBitmap picture(popup->Width(), popup->Height());
    popup->PaintTo(picture.Canvas(), 0, 0);
    const int w = popup->Width();
    const int h = popup->Height();
    EXPECT_EQ(picture.Pixel(0, h / 2), clRed) << "border";
    // Right of the caption, left of the button, away from the bars' inner edges.
    EXPECT_EQ(picture.Pixel(w / 2, 5), clYellow) << "header";
    EXPECT_EQ(picture.Pixel(w / 2, h - 6), clAqua) << "footer";
    EXPECT_EQ(picture.Pixel(w / 2, h / 2), detail->DropDownColor()) << "the list between them";
    const TExFooter& footer = *popup->Footer();
    const TControl& ok = *footer.Button(0);
    EXPECT_NE(picture.Pixel(ok.Left() + 2, footer.Top() + ok.Top() + ok.Height() / 2), clAqua)
        << "the OK button's face";

    // No border colour paints no border line, not a black one.
    detail->HideDropDown(true);
    detail->SetDropDownBorderColor(clNone);
    detail->ShowDropDown();
    popup->PaintTo(picture.Canvas(), 0, 0);
    EXPECT_EQ(picture.Pixel(0, h / 2), clWhite);
}

// VELMARO_DROPDOWN_PICTURE=<file.bmp> draws the whole family, each open with its bars, for the
// documentation.
TEST(DropDownPicture, TheFamilyDrawsIntoAFileWhenAskedFor) {
    const char* file = std::getenv("VELMARO_DROPDOWN_PICTURE");
    if (!file)
        GTEST_SKIP() << "VELMARO_DROPDOWN_PICTURE not set";
    constexpr int CellWidth = 280;
    constexpr int CellHeight = 330;
    TForm form(nullptr);
    form.SetBounds(40, 40, 3 * CellWidth, 3 * CellHeight);
    form.Show();
    TBitmap picture(3 * CellWidth, 3 * CellHeight);
    const std::vector<TDropDownKind> kinds = Kinds();
    for (size_t i = 0; i < kinds.size(); ++i) {
        TExCustomDropDown* drop = kinds[i].Make(&form);
        drop->SetParent(&form);
        drop->SetBounds(10, 10, 200, 21);
        GiveBars(drop, kinds[i].Name);
        const int x = static_cast<int>(i % 3) * CellWidth + 10;
        const int y = static_cast<int>(i / 3) * CellHeight + 10;
        DrawOpen(drop, picture, x, y);
        delete drop;
    }
    picture.SaveToFile(file);
}
