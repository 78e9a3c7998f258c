#include "app/controls/GlyphButton.h"

#include "app/controls/GlyphPictures.h"
#include "platform/ui/ActnList.h"
#include "platform/ui/Application.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Form.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/Menus.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr TColor Face = 0xEDF7F8;

// A shown form with one captionless button and a popup menu of one item.
class GlyphButtonActionTest : public ::testing::Test {
protected:
    void SetUp() override {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(40, 50, 300, 200);
        Form->Show();
        Button = new TGlyphButton(Form.get());
        Button->SetParent(Form.get());
        Button->SetBounds(10, 20, 110, 28);
        Button->SetStyle(bsEncarta);
        Button->SetColor(Face);
        Menu = new TPopupMenu(Form.get());
        Item = new TMenuItem(Form.get());
        Item->SetCaption("Export");
        Item->OnClick = [this](TObject*) { ++ItemClicks; };
        Menu->Items()->Add(Item);
    }

    std::unique_ptr<TBitmap> Shot() {
        auto shot = std::make_unique<TBitmap>(Button->Width(), Button->Height());
        Button->PaintTo(shot->Canvas(), 0, 0);
        return shot;
    }

    TTestSeam& Seam() { return Application->TestSeam(); }

    std::unique_ptr<TForm> Form;
    TGlyphButton* Button = nullptr;
    TPopupMenu* Menu = nullptr;
    TMenuItem* Item = nullptr;
    int ItemClicks = 0;
};

TEST_F(GlyphButtonActionTest, AnAttachedMenuDrawsTheArrowBesideTheRightEdge) {
    TBitmap arrow;
    ASSERT_TRUE(Load_Stock_Glyph(arrow, "LBARROW"));
    const int left = Button->Width() - 11;
    const int top = Button->Height() / 2 - 1;
    auto before = Shot();
    Button->SetPopupMenu(Menu);
    auto after = Shot();
    for (int y = 0; y < arrow.Height(); ++y)
        for (int x = 0; x < arrow.Width(); ++x) {
            EXPECT_EQ(before->Pixel(left + x, top + y), Face) << x << "," << y;
            const TColor drawn = arrow.Pixel(x, y);
            const TColor expected = drawn == arrow.TransparentColor() ? Face : drawn;
            EXPECT_EQ(after->Pixel(left + x, top + y), expected) << x << "," << y;
        }
    // The mark's point, and nothing around it.
    EXPECT_EQ(after->Pixel(left + 2, top + 2), clBlack);
    EXPECT_EQ(after->Pixel(left - 1, top), Face);
    EXPECT_EQ(after->Pixel(left + 5, top), Face);
}

TEST_F(GlyphButtonActionTest, ClickOpensTheMenuAtTheBottomLeftCornerOnScreen) {
    Button->SetPopupMenu(Menu);
    Seam().QueuePopupChoice(Item);
    InputSimulation::Click(Button, {30, 10});
    ASSERT_EQ(Seam().Popups().size(), 1u);
    EXPECT_EQ(Seam().Popups()[0].Menu, Menu);
    EXPECT_EQ(Seam().Popups()[0].Point, Button->ClientToScreen({0, Button->Height()}));
    EXPECT_EQ(Menu->PopupComponent(), Button);
    EXPECT_EQ(ItemClicks, 1);
}

TEST_F(GlyphButtonActionTest, OnClickFiresBeforeTheMenuOpens) {
    Button->SetPopupMenu(Menu);
    size_t popupsSeenByOnClick = 99;
    Button->OnClick = [&](TObject*) { popupsSeenByOnClick = Seam().Popups().size(); };
    Button->Click();
    EXPECT_EQ(popupsSeenByOnClick, 0u);
    EXPECT_EQ(Seam().Popups().size(), 1u);
}

TEST_F(GlyphButtonActionTest, ADisabledButtonOpensNoMenu) {
    Button->SetPopupMenu(Menu);
    Button->SetEnabled(false);
    Button->Click();
    EXPECT_TRUE(Seam().Popups().empty());
}

TEST_F(GlyphButtonActionTest, ALinkedActionGivesCaptionStateAndHintAndIsFollowed) {
    TAction action(nullptr);
    action.SetCaption("Scan");
    action.SetHint("Scans the bus");
    Button->SetAction(&action);
    EXPECT_EQ(Button->Caption(), "Scan");
    EXPECT_EQ(Button->Hint(), "Scans the bus");
    action.SetEnabled(false);
    EXPECT_FALSE(Button->Enabled());
    action.SetVisible(false);
    EXPECT_FALSE(Button->Visible());
    action.SetCaption("Stop");
    EXPECT_EQ(Button->Caption(), "Stop");
}

TEST_F(GlyphButtonActionTest, ClickingExecutesTheActionOnce) {
    struct Case {
        const char* Name;
        bool OwnOnClick;
        int Executions;
        int OnClicks;
    };
    const Case cases[] = {
        {"action alone", false, 1, 0},
        {"own OnClick takes its place", true, 0, 1},
    };
    for (const Case& c : cases) {
        TAction action(nullptr);
        int executions = 0;
        int onClicks = 0;
        action.OnExecute = [&](TObject*) { ++executions; };
        Button->OnClick = nullptr;
        if (c.OwnOnClick)
            Button->OnClick = [&](TObject*) { ++onClicks; };
        Button->SetAction(&action);
        InputSimulation::Click(Button, {30, 10});
        EXPECT_EQ(executions, c.Executions) << c.Name;
        EXPECT_EQ(onClicks, c.OnClicks) << c.Name;
        Button->SetAction(nullptr);
    }
}

// An image list of 8 x 8 pictures on the mask: picture 0 has one red pixel in its bottom-left
// corner, picture 1 a red 4 x 4 square at (2, 2).
class GlyphButtonActionImageTest : public GlyphButtonActionTest {
protected:
    void SetUp() override {
        GlyphButtonActionTest::SetUp();
        Images = new TImageList(Form.get());
        Images->SetWidth(8);
        Images->SetHeight(8);
        TBitmap strip(16, 8);
        TCanvas* canvas = strip.Canvas();
        canvas->Brush()->SetColor(clLime);
        canvas->FillRect(Rect(0, 0, 16, 8));
        canvas->Brush()->SetColor(clRed);
        canvas->FillRect(Rect(10, 2, 14, 6));
        canvas->SetPixel(0, 7, clRed);
        Images->Add(&strip, clLime);
        List = new TActionList(Form.get());
        List->SetImages(Images);
        Action = new TAction(Form.get());
        Action->SetActionList(List);
        Action->SetImageIndex(1);
    }

    TImageList* Images = nullptr;
    TActionList* List = nullptr;
    TAction* Action = nullptr;
};

TEST_F(GlyphButtonActionImageTest, AnEmptyGlyphTakesTheActionsPicture) {
    Button->SetAction(Action);
    TBitmap* glyph = Button->Glyph();
    ASSERT_EQ(glyph->Width(), 8);
    ASSERT_EQ(glyph->Height(), 8);
    EXPECT_EQ(Button->NumGlyphs(), 1);
    EXPECT_EQ(glyph->Pixel(0, 0), 0xFF00FF);
    EXPECT_EQ(glyph->Pixel(7, 7), 0xFF00FF);
    EXPECT_EQ(glyph->Pixel(2, 2), clRed);
    EXPECT_EQ(glyph->Pixel(5, 5), clRed);
    EXPECT_EQ(glyph->TransparentColor(), 0xFF00FF);
    // And it shows on the face, with the fill left out.
    auto shot = std::make_unique<TBitmap>(Button->Width(), Button->Height());
    Button->PaintTo(shot->Canvas(), 0, 0);
    const int glyphTop = (Button->Height() - 8) / 2;
    const int glyphLeft = (Button->Width() - 8) / 2;
    EXPECT_EQ(shot->Pixel(glyphLeft + 3, glyphTop + 3), clRed);
    EXPECT_EQ(shot->Pixel(glyphLeft, glyphTop), Face);
}

TEST_F(GlyphButtonActionImageTest, APictureCoveringTheCornerPixelIsNotMadeSeeThrough) {
    Action->SetImageIndex(0);
    Button->SetAction(Action);
    auto shot = Shot();
    const int glyphTop = (Button->Height() - 8) / 2;
    const int glyphLeft = (Button->Width() - 8) / 2;
    EXPECT_EQ(shot->Pixel(glyphLeft, glyphTop + 7), clRed);
    EXPECT_EQ(shot->Pixel(glyphLeft + 1, glyphTop + 7), Face);
}

TEST_F(GlyphButtonActionImageTest, NoPictureIsTakenWhereNoneFits) {
    struct Case {
        const char* Name;
        int ImageIndex;
        bool WithImages;
        bool OwnGlyph;
    };
    const Case cases[] = {
        {"no image index", -1, true, false},
        {"index past the list", 2, true, false},
        {"list without images", 1, false, false},
        {"button with a glyph of its own", 1, true, true},
    };
    for (const Case& c : cases) {
        TGlyphButton button(nullptr);
        TBitmap own(4, 4);
        if (c.OwnGlyph)
            button.SetGlyph(&own);
        Action->SetImageIndex(c.ImageIndex);
        List->SetImages(c.WithImages ? Images : nullptr);
        button.SetAction(Action);
        EXPECT_EQ(button.Glyph()->Width(), c.OwnGlyph ? 4 : 0) << c.Name;
        EXPECT_EQ(button.NumGlyphs(), c.OwnGlyph ? 1 : 0) << c.Name;
    }
}

TEST_F(GlyphButtonActionImageTest, AnImageIndexSetLaterStillGivesThePicture) {
    Action->SetImageIndex(-1);
    Button->SetAction(Action);
    EXPECT_TRUE(Button->Glyph()->Empty());
    Action->SetImageIndex(0);
    EXPECT_EQ(Button->Glyph()->Width(), 8);
}

TEST_F(GlyphButtonActionTest, FreeingActionOrMenuBeforeTheButtonLeavesNoLink) {
    auto* action = new TAction(Form.get());
    int executions = 0;
    action->OnExecute = [&](TObject*) { ++executions; };
    Button->SetAction(action);
    Button->SetPopupMenu(Menu);
    delete action;
    delete Menu;
    EXPECT_EQ(Button->Action(), nullptr);
    EXPECT_EQ(Button->PopupMenu(), nullptr);
    Button->Click();
    EXPECT_EQ(executions, 0);
    EXPECT_TRUE(Seam().Popups().empty());
    // Without the menu the arrow is gone.
    auto shot = Shot();
    EXPECT_EQ(shot->Pixel(Button->Width() - 9, Button->Height() / 2 - 1), Face);
}

TEST_F(GlyphButtonActionTest, FreeingTheButtonFirstLeavesActionAndMenuUsable) {
    TAction action(nullptr);
    Button->SetAction(&action);
    Button->SetPopupMenu(Menu);
    Button->Click();
    delete Button;
    EXPECT_EQ(action.ClientCount(), 0);
    EXPECT_EQ(Menu->PopupComponent(), nullptr);
    action.SetCaption("Later");
    Menu->Popup(0, 0);
    EXPECT_EQ(Seam().Popups().size(), 2u);
}

} // namespace
