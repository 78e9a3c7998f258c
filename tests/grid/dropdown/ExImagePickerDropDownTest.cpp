// The image picker drop-down: the selected item and its image index, filling from a folder and
// from the image list, the popup grid by keyboard, wheel and mouse, and cancel bringing back the
// selection of the opening.
#include "grid/dropdown/ExImagePickerDropDown.h"
#include "grid/dropdown/DropDownForm.h"

#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Colors.h"
#include "platform/ui/Form.h"
#include "platform/ui/Image.h"
#include "platform/ui/ImgList.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/Keys.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace {

class ImagePicker : public ::testing::Test {
protected:
    ImagePicker()
        : Form(std::make_unique<TForm>(nullptr)), Picker(new TExImagePickerDropDown(Form.get())),
          Images(new TImageList(Form.get())) {
        Form->SetBounds(100, 100, 400, 300);
        Picker->SetParent(Form.get());
        Picker->SetBounds(10, 40, 200, 21);
        Form->Show();
        Picker->SetFocus();
        TBitmap image;
        image.SetSize(16, 16);
        for (int i = 0; i < 4; ++i)
            Images->Add(&image, clNone);
        Picker->SetImages(Images);
        Picker->OnSelect = [this](TObject*) { ++Selects; };
        Picker->OnChange = [this](TObject*) { ++Changes; };
    }
    // Items with the image indexes given, captions "I0", "I1", ...
    void AddItems(std::initializer_list<int> ImageIndexes) {
        int n = 0;
        for (const int index : ImageIndexes) {
            TImageItem* item = Picker->Items()->Add();
            item->SetImageIndex(index);
            item->SetCaption("I" + std::to_string(n++));
        }
    }
    void Key(WORD K) { InputSimulation::KeyPress(Picker, K); }
    bool PopupShown() const { return Picker->DropDownForm()->Visible(); }

    std::unique_ptr<TForm> Form;
    TExImagePickerDropDown* Picker;
    TImageList* Images;
    int Selects = 0;
    int Changes = 0;
};

} // namespace

TEST_F(ImagePicker, ImageIndexSelectsTheFirstItemWithItOrNone) {
    AddItems({0, 3, 3});
    Picker->SetImageIndex(3);
    EXPECT_EQ(Picker->ItemIndex(), 1);
    EXPECT_EQ(Picker->ImageIndex(), 3);
    Picker->SetImageIndex(7);
    EXPECT_EQ(Picker->ItemIndex(), -1);
    EXPECT_EQ(Picker->ImageIndex(), -1);
    EXPECT_EQ(Selects, 2);
    EXPECT_EQ(Changes, 2);
}

TEST_F(ImagePicker, ItemIndexRefusesIndexesPastTheItems) {
    AddItems({0, 1});
    Picker->SetItemIndex(1);
    for (const int outside : {2, 9}) {
        Picker->SetItemIndex(outside);
        EXPECT_EQ(Picker->ItemIndex(), 1) << outside;
    }
}

// Any negative index clears the selection as -1 does: the edit paints no image any more, the
// change is reported once, and Down on the closed picker then starts at the first item.
TEST_F(ImagePicker, ANegativeItemIndexClearsTheSelection) {
    AddItems({0, 1});
    TPicture red;
    red.Bitmap()->SetSize(12, 12);
    red.Bitmap()->Canvas()->Brush()->SetColor(clRed);
    red.Bitmap()->Canvas()->FillRect(TRect{0, 0, 12, 12});
    Picker->Items()->GetItem(1)->SetImage(&red);
    const auto redShown = [this] {
        TBitmap edit(Picker->Width(), Picker->Height());
        Picker->PaintTo(edit.Canvas(), 0, 0);
        int count = 0;
        for (int x = 0; x < edit.Width(); ++x)
            for (int y = 0; y < edit.Height(); ++y)
                count += edit.Pixel(x, y) == ColorToRGB(clRed) ? 1 : 0;
        return count;
    };
    for (const int negative : {-2, -100, std::numeric_limits<int>::min()}) {
        SCOPED_TRACE(negative);
        Picker->SetItemIndex(1);
        ASSERT_EQ(redShown(), 12 * 12);
        Selects = Changes = 0;
        Picker->SetItemIndex(negative);
        EXPECT_EQ(Picker->ItemIndex(), -1);
        EXPECT_EQ(Picker->ImageIndex(), -1);
        EXPECT_EQ(Selects, 1);
        EXPECT_EQ(Changes, 1);
        EXPECT_EQ(redShown(), 0);
        Picker->SetItemIndex(negative);
        EXPECT_EQ(Changes, 1) << "no selection was cleared already";
        Key(VK_DOWN);
        EXPECT_EQ(Picker->ItemIndex(), 0);
    }
}

TEST_F(ImagePicker, TheImageListIsAppendedImageByImage) {
    Picker->AddImagesFromImageList();
    Picker->AddImagesFromImageList();
    ASSERT_EQ(Picker->Items()->Count(), 8);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(Picker->Items()->GetItem(i)->ImageIndex(), i % 4) << i;
}

TEST_F(ImagePicker, AFolderGivesItsReadablePicturesAndNamesTheFilesItSkipped) {
    TTempFolder folder;
    TBitmap picture;
    picture.SetSize(8, 6);
    picture.SaveToFile(folder.File("b.bmp"));
    picture.SaveToFile(folder.File("a.BMP"));
    folder.Write("notes.bmp", "not a picture");
    folder.Write("readme.txt", "text");
    std::filesystem::create_directory(folder.File("sub.bmp"));
    const std::vector<std::string> skipped =
        Picker->AddImagesFromFolder(folder.File("*.bmp"), true);
    EXPECT_EQ(skipped, std::vector<std::string>{"notes.bmp"});
    ASSERT_EQ(Picker->Items()->Count(), 2) << "no folder, no text file, no unreadable file";
    EXPECT_EQ(Picker->Items()->GetItem(0)->Caption(), "a.BMP");
    EXPECT_EQ(Picker->Items()->GetItem(1)->Caption(), "b.bmp");
    EXPECT_EQ(Picker->Items()->GetItem(1)->Image()->Width(), 8);

    const std::vector<std::string> all = Picker->AddImagesFromFolder(folder.File("*"), false);
    EXPECT_EQ(all, (std::vector<std::string>{"notes.bmp", "readme.txt"}));
    EXPECT_EQ(Picker->Items()->Count(), 4);
    EXPECT_EQ(Picker->Items()->GetItem(3)->Caption(), "");
}

TEST_F(ImagePicker, AFolderGivesItsPngAndJpegPicturesNamedWithTheirExtension) {
    const std::string fixtures = std::string(VELMARO_FIXTURES) + "/grid/dropdown/";
    TTempFolder folder;
    for (const char* name : {"red.png", "blue.jpg"})
        std::filesystem::copy_file(fixtures + name, folder.File(name));
    EXPECT_TRUE(Picker->AddImagesFromFolder(folder.File("*"), true).empty());
    ASSERT_EQ(Picker->Items()->Count(), 2);
    const struct {
        const char* Caption;
        int Width, Height;
        TColor Centre;
    } expected[] = {{"blue.jpg", 7, 3, 0xC81E1E}, {"red.png", 5, 4, 0x1E1EC8}};
    for (int i = 0; i < 2; ++i) {
        const TImageItem& item = *Picker->Items()->GetItem(i);
        EXPECT_EQ(item.Caption(), expected[i].Caption);
        EXPECT_EQ(item.Image()->Width(), expected[i].Width) << expected[i].Caption;
        EXPECT_EQ(item.Image()->Height(), expected[i].Height) << expected[i].Caption;
        const TColor centre = item.Image()->Bitmap()->Pixel(2, 1);
        // JPEG keeps colours only nearly.
        for (const int shift : {0, 8, 16})
            EXPECT_NEAR((centre >> shift) & 0xFF, (expected[i].Centre >> shift) & 0xFF, 6)
                << expected[i].Caption;
    }
}

TEST_F(ImagePicker, ArrowsInTheOpenGridMoveByColumnsAndEscapeRestoresNoSelection) {
    AddItems({0, 1, 2, 3, 0, 1});
    Picker->SetColumns(3);
    Picker->ShowDropDown();
    ASSERT_TRUE(PopupShown());
    const struct {
        WORD Key;
        int Index;
    } steps[] = {{VK_DOWN, 0}, {VK_RIGHT, 1}, {VK_UP, 1}, {VK_DOWN, 4},
                 {VK_DOWN, 4}, {VK_HOME, 0},  {VK_END, 5}};
    for (const auto& step : steps) {
        Key(step.Key);
        EXPECT_EQ(Picker->ItemIndex(), step.Index) << step.Key;
    }
    EXPECT_TRUE(PopupShown());
    Key(VK_ESCAPE);
    EXPECT_FALSE(PopupShown());
    EXPECT_EQ(Picker->ItemIndex(), -1);
}

TEST_F(ImagePicker, TheWheelOverTheOpenGridMovesTheHotCellAndEnterTakesIt) {
    AddItems({0, 1, 2});
    Picker->ShowDropDown();
    InputSimulation::Wheel(Picker->DropDownForm(), {5, 5}, -120);
    InputSimulation::Wheel(Picker->DropDownForm(), {5, 5}, -120);
    EXPECT_EQ(Picker->ItemIndex(), -1);
    EXPECT_EQ(Picker->ItemSelector()->ItemHot(), 1);
    const int before = Selects;
    Key(VK_RETURN);
    EXPECT_FALSE(PopupShown());
    EXPECT_EQ(Picker->ItemIndex(), 1);
    EXPECT_EQ(Selects, before + 1) << "Enter that took the hot cell fires no second select";
}

TEST_F(ImagePicker, EnterOnTheClosedPickerFiresOnSelectOnce) {
    AddItems({0});
    Key(VK_RETURN);
    EXPECT_EQ(Selects, 1);
}

TEST_F(ImagePicker, AClickOnACellChoosesItAndCloses) {
    AddItems({0, 1, 2});
    Picker->SetColumns(3);
    Picker->ShowDropDown();
    TCustomItemSelector* panel = Picker->ItemSelector()->SelectorPanel();
    const TRect cell = panel->GetItemRect(2);
    InputSimulation::Click(panel, {cell.Left + 3, cell.Top + 3});
    EXPECT_FALSE(PopupShown());
    EXPECT_EQ(Picker->ItemIndex(), 2);
}

TEST_F(ImagePicker, TypedKeysSearchTheCaptions) {
    AddItems({0, 1, 2});
    Picker->ShowDropDown();
    Key('I');
    Key('2');
    EXPECT_EQ(Picker->CurrentSearch(), "I2");
    EXPECT_EQ(Picker->ItemIndex(), 2);
    EXPECT_TRUE(PopupShown());
    Picker->KeyTimerTick();
    EXPECT_EQ(Picker->CurrentSearch(), "");
}

TEST_F(ImagePicker, PageKeysMoveByTheRowsThePopupShowsAndStopAtTheEnds) {
    AddItems({0, 1, 2, 3, 0, 1, 2, 3, 0, 1, 2, 3, 0, 1, 2, 3, 0, 1, 2, 3});
    Picker->SetDropDownHeight(80);
    Picker->ShowDropDown();
    const int page = Picker->ItemSelector()->GetVisibleItemCount();
    ASSERT_GE(page, 1);
    ASSERT_LT(page, 10);
    Key(VK_NEXT);
    EXPECT_EQ(Picker->ItemIndex(), page - 1) << "from no selection";
    Key(VK_NEXT);
    EXPECT_EQ(Picker->ItemIndex(), 2 * page - 1);
    for (int i = 0; i < 20; ++i)
        Key(VK_NEXT);
    EXPECT_EQ(Picker->ItemIndex(), 19);
    for (int i = 0; i < 20; ++i)
        Key(VK_PRIOR);
    EXPECT_EQ(Picker->ItemIndex(), 0);
    EXPECT_TRUE(PopupShown());
}
