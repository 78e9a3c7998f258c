#include "RecordingControl.h"

#include "platform/core/Exception.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Image.h"
#include "platform/ui/InputSimulation.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

namespace {

struct PlacementCase {
    const char* Name;
    bool Stretch;
    bool Proportional;
    bool Center;
    TRect Expected;
};

class ImagePlacement : public ::testing::TestWithParam<PlacementCase> {};

// A 40 x 20 picture in a 100 x 100 image.
TEST_P(ImagePlacement, DestRectFollowsStretchProportionalAndCenter) {
    const PlacementCase& c = GetParam();
    TImage image(nullptr);
    image.SetBounds(0, 0, 100, 100);
    TBitmap picture(40, 20);
    image.Picture()->Assign(&picture);
    image.SetStretch(c.Stretch);
    image.SetProportional(c.Proportional);
    image.SetCenter(c.Center);
    EXPECT_EQ(image.DestRect(), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ImagePlacement,
    ::testing::Values(
        PlacementCase{"AsItIs", false, false, false, Rect(0, 0, 40, 20)},
        PlacementCase{"Centred", false, false, true, Rect(30, 40, 70, 60)},
        PlacementCase{"Stretched", true, false, false, Rect(0, 0, 100, 100)},
        PlacementCase{"StretchedInProportion", true, true, false, Rect(0, 0, 100, 50)},
        PlacementCase{"StretchedInProportionCentred", true, true, true, Rect(0, 25, 100, 75)},
        PlacementCase{"ProportionalNeverEnlarges", false, true, false, Rect(0, 0, 40, 20)}),
    [](const ::testing::TestParamInfo<PlacementCase>& info) {
        return std::string(info.param.Name);
    });

class ImageFileTest : public ::testing::Test {
protected:
    ImageFileTest()
        : Folder(std::filesystem::path(::testing::TempDir()) /
                 ("image_test_" + std::to_string(reinterpret_cast<uintptr_t>(this)))) {
        std::filesystem::create_directories(Folder);
    }
    ~ImageFileTest() override { std::filesystem::remove_all(Folder); }

    // A white 8 x 8 flag with a red square in its middle.
    std::string WriteFlag() const {
        TBitmap flag(8, 8);
        flag.Canvas()->Brush()->SetColor(clRed);
        flag.Canvas()->FillRect(Rect(2, 2, 6, 6));
        const std::string path = (Folder / "Flag.bmp").string();
        flag.SaveToFile(path);
        return path;
    }

    std::filesystem::path Folder;
};

TEST_F(ImageFileTest, LoadsABitmapFile) {
    TImage image(nullptr);
    image.Picture()->LoadFromFile(WriteFlag());
    EXPECT_EQ(image.Picture()->Width(), 8);
    EXPECT_EQ(image.Picture()->Bitmap()->Pixel(3, 3), clRed);
}

TEST_F(ImageFileTest, AFailedLoadKeepsThePictureShown) {
    TImage image(nullptr);
    image.Picture()->LoadFromFile(WriteFlag());
    EXPECT_THROW(image.Picture()->LoadFromFile((Folder / "Missing.bmp").string()), EFileError);
    EXPECT_EQ(image.Picture()->Width(), 8);
}

TEST_F(ImageFileTest, TransparentPictureShowsTheParentThrough) {
    auto form = std::make_unique<TestForm>(nullptr);
    form->SetColor(clLime);
    auto* image = new TImage(form.get());
    image->SetParent(form.get());
    image->SetBounds(10, 10, 8, 8);
    image->Picture()->LoadFromFile(WriteFlag());
    image->SetTransparent(true);
    TBitmap bitmap(form->Width(), form->Height());

    form->PaintTo(bitmap.Canvas(), 0, 0);

    EXPECT_EQ(bitmap.Pixel(10, 10), clLime) << "white, the bottom-left colour, is see-through";
    EXPECT_EQ(bitmap.Pixel(13, 13), clRed);
}

TEST(Image, ClickFiresOnClick) {
    auto form = std::make_unique<TestForm>(nullptr);
    auto* image = new TImage(form.get());
    image->SetParent(form.get());
    int clicks = 0;
    image->OnClick = [&](TObject*) { ++clicks; };
    InputSimulation::Click(image, Point(5, 5));
    EXPECT_EQ(clicks, 1);
}

} // namespace
