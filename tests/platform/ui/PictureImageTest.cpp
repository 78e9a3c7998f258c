#include "platform/ui/PictureImage.h"

#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/PictureFixtures.h"

#include <QBuffer>
#include <QColor>
#include <QImage>

#include <gtest/gtest.h>

#include <string>

namespace {

// A 6 x 4 picture, red on its left half and blue on its right, written by Qt's image writers.
std::string WrittenByQt(const char* format) {
    QImage image(6, 4, QImage::Format_RGB32);
    image.fill(QColor(255, 0, 0));
    for (int y = 0; y < 4; ++y)
        for (int x = 3; x < 6; ++x)
            image.setPixelColor(x, y, QColor(0, 0, 255));
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, format, 100)) << format;
    return data.toStdString();
}

bool Near(TColor actual, TColor expected) {
    return std::abs(GetRValue(actual) - GetRValue(expected)) < 40 &&
           std::abs(GetGValue(actual) - GetGValue(expected)) < 40 &&
           std::abs(GetBValue(actual) - GetBValue(expected)) < 40;
}

TEST(PictureImage, DecodesEachFormatFromItsBytes) {
    struct Case {
        const char* QtFormat;
        TPictureFormat Format;
    } cases[] = {{"bmp", TPictureFormat::Bitmap},
                 {"png", TPictureFormat::Png},
                 {"jpeg", TPictureFormat::Jpeg},
                 {"ico", TPictureFormat::Icon}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.QtFormat);
        TPictureImage picture;
        ASSERT_TRUE(picture.Load(WrittenByQt(c.QtFormat)));
        EXPECT_EQ(picture.Format(), c.Format);
        EXPECT_EQ(picture.Width(), 6);
        EXPECT_EQ(picture.Height(), 4);
        EXPECT_EQ(picture.FrameCount(), 1);
        TBitmap target(10, 10);
        picture.Draw(target.Canvas(), Rect(2, 2, 10, 10), false);
        EXPECT_TRUE(Near(target.Pixel(2, 3), clRed));
        EXPECT_TRUE(Near(target.Pixel(7, 3), clBlue));
        EXPECT_EQ(target.Pixel(9, 9), clWhite); // natural size: nothing beyond the picture
    }
}

TEST(PictureImage, StretchesIntoTheRectangle) {
    TPictureImage picture;
    ASSERT_TRUE(picture.Load(WrittenByQt("png")));
    TBitmap target(12, 8);
    picture.Draw(target.Canvas(), Rect(0, 0, 12, 8), true);
    EXPECT_EQ(target.Pixel(1, 7), clRed);
    EXPECT_EQ(target.Pixel(11, 7), clBlue);
}

TEST(PictureImage, RefusesWhatIsNoPicture) {
    std::string png = WrittenByQt("png");
    const std::string cases[] = {
        "", "BM", "hello world", png.substr(0, 20), std::string("\xFF\xD8\xFF\xE0", 4), "GIF89a"};
    for (const std::string& bytes : cases) {
        TPictureImage picture;
        EXPECT_FALSE(picture.Load(bytes)) << bytes.size();
        EXPECT_TRUE(picture.Empty());
        EXPECT_EQ(picture.FrameCount(), 0);
        TBitmap target(4, 4);
        picture.Draw(target.Canvas(), Rect(0, 0, 4, 4), true);
        EXPECT_EQ(target.Pixel(1, 1), clWhite);
    }
}

TEST(PictureImage, ReadsEveryGifFrameWithItsPlaceAndDelay) {
    using PictureFixtures::GifFrame;
    std::string gif = PictureFixtures::Gif(
        8, 6,
        {GifFrame{0, 0, 8, 6, 10, 1}, GifFrame{2, 1, 3, 2, 20, 2}, GifFrame{5, 3, 2, 2, 30, 3}});
    TPictureImage picture;
    ASSERT_TRUE(picture.Load(gif));
    EXPECT_EQ(picture.Format(), TPictureFormat::Gif);
    EXPECT_EQ(picture.Width(), 8);
    EXPECT_EQ(picture.Height(), 6);
    ASSERT_EQ(picture.FrameCount(), 3);
    TPictureFrame second = picture.FrameInfo(2);
    EXPECT_EQ(second.Left, 2);
    EXPECT_EQ(second.Top, 1);
    EXPECT_EQ(second.Width, 3);
    EXPECT_EQ(second.Delay, 20);
    EXPECT_EQ(picture.FrameInfo(3).Delay, 30);

    struct Step {
        int Frame;
        TPoint At;
        TColor Expected;
    } steps[] = {{1, {3, 2}, clRed},  {2, {3, 2}, clLime}, {2, {0, 0}, clRed},
                 {3, {6, 4}, clBlue}, {3, {3, 2}, clLime}, {1, {6, 4}, clRed}};
    for (const Step& s : steps) {
        picture.SetFrame(s.Frame);
        TBitmap target(8, 6);
        picture.Draw(target.Canvas(), Rect(0, 0, 8, 6), false);
        EXPECT_EQ(target.Pixel(s.At.X, s.At.Y), s.Expected) << "frame " << s.Frame;
    }
    picture.SetFrame(4); // no such frame: the shown one stays
    EXPECT_EQ(picture.Frame(), 1);
}

TEST(PictureImage, TruncatedGifKeepsTheFramesThatAreWhole) {
    using PictureFixtures::GifFrame;
    std::string gif = PictureFixtures::Gif(
        4, 4, {GifFrame{0, 0, 4, 4, 5, 1}, GifFrame{0, 0, 4, 4, 5, 2}, GifFrame{0, 0, 4, 4, 5, 3}});
    // Cut inside the last frame's pixel data.
    for (size_t cut : {gif.size() - 4, gif.size() - 12}) {
        TPictureImage picture;
        ASSERT_TRUE(picture.Load(std::string_view(gif).substr(0, cut))) << cut;
        EXPECT_GE(picture.FrameCount(), 2);
        EXPECT_LE(picture.FrameCount(), 3);
    }
}

TEST(PictureImage, AnAnimationKeepsOnlyTheFramesThatFitItsMemoryBudget) {
    // Each 1x1 frame decodes at the full 2048x2048 size: six would take 96 MB.
    using PictureFixtures::GifFrame;
    const std::vector<GifFrame> frames(6, GifFrame{0, 0, 1, 1, 5, 1});
    TPictureImage picture;
    ASSERT_TRUE(picture.Load(PictureFixtures::Gif(2048, 2048, frames)));
    EXPECT_EQ(picture.FrameCount(), 4);
}

TEST(PictureImage, MetafilesKeepTheirStatedSizeAndDrawNothing) {
    struct Case {
        std::string Bytes;
        int Width, Height;
    } cases[] = {{PictureFixtures::PlaceableWmf(40, 30), 40, 30},
                 {PictureFixtures::Emf(2540, 1270), 96, 48}};
    for (const Case& c : cases) {
        TPictureImage picture;
        ASSERT_TRUE(picture.Load(c.Bytes));
        EXPECT_EQ(picture.Format(), TPictureFormat::Metafile);
        EXPECT_FALSE(picture.Empty());
        EXPECT_EQ(picture.Width(), c.Width);
        EXPECT_EQ(picture.Height(), c.Height);
        TBitmap target(50, 50);
        picture.Draw(target.Canvas(), Rect(0, 0, 50, 50), true);
        EXPECT_EQ(target.Pixel(10, 10), clWhite);
    }
}

} // namespace
