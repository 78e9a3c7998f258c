#include "platform/ui/ImgList.h"

#include "platform/core/Exception.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr TColor Mask = 0xFF00FF;

// A strip of 4 x 3 pictures on the mask colour: picture i has its top-left pixel in colour i
// and the rest masked.
std::unique_ptr<TBitmap> Strip(const std::vector<TColor>& colours) {
    auto strip = std::make_unique<TBitmap>(4 * static_cast<int>(colours.size()), 3);
    TCanvas* canvas = strip->Canvas();
    canvas->Brush()->SetColor(Mask);
    canvas->FillRect(Rect(0, 0, strip->Width(), 3));
    for (size_t i = 0; i < colours.size(); ++i)
        canvas->SetPixel(static_cast<int>(i) * 4, 0, colours[i]);
    return strip;
}

std::unique_ptr<TImageList> SmallList() {
    auto list = std::make_unique<TImageList>(nullptr);
    list->SetWidth(4);
    list->SetHeight(3);
    return list;
}

// Draws picture index onto a white 4 x 3 bitmap.
std::unique_ptr<TBitmap> Drawn(const TImageList& list, int index) {
    auto target = std::make_unique<TBitmap>(4, 3);
    list.Draw(target->Canvas(), 0, 0, index);
    return target;
}

TEST(ImgListTest, StartsEmptyWithSixteenPixelPictures) {
    TImageList list(nullptr);
    EXPECT_EQ(list.Width(), 16);
    EXPECT_EQ(list.Height(), 16);
    EXPECT_EQ(list.Count(), 0);
}

TEST(ImgListTest, AddCutsAStripIntoPicturesAndReturnsTheFirstIndex) {
    auto list = SmallList();
    EXPECT_EQ(list->Add(Strip({clRed}).get(), Mask), 0);
    EXPECT_EQ(list->Add(Strip({clLime, clBlue}).get(), Mask), 1);
    ASSERT_EQ(list->Count(), 3);
    EXPECT_EQ(Drawn(*list, 0)->Pixel(0, 0), clRed);
    EXPECT_EQ(Drawn(*list, 1)->Pixel(0, 0), clLime);
    EXPECT_EQ(Drawn(*list, 2)->Pixel(0, 0), clBlue);
}

TEST(ImgListTest, DrawLeavesMaskedPixelsOut) {
    auto list = SmallList();
    list->Add(Strip({clRed}).get(), Mask);
    auto target = std::make_unique<TBitmap>(6, 5);
    list->Draw(target->Canvas(), 2, 2, 0);
    EXPECT_EQ(target->Pixel(2, 2), clRed);
    EXPECT_EQ(target->Pixel(3, 2), clWhite);
    EXPECT_EQ(target->Pixel(5, 4), clWhite);
}

TEST(ImgListTest, WithoutAMaskColourEveryPixelIsDrawn) {
    auto list = SmallList();
    list->Add(Strip({clRed}).get(), clNone);
    EXPECT_EQ(Drawn(*list, 0)->Pixel(3, 2), Mask);
}

TEST(ImgListTest, ASystemColourMaskMeansTheColourItStandsFor) {
    auto list = SmallList();
    TBitmap picture(4, 3);
    picture.Canvas()->Brush()->SetColor(ColorToRGB(clBtnFace));
    picture.Canvas()->FillRect(Rect(0, 0, 4, 3));
    picture.Canvas()->SetPixel(0, 0, clRed);
    list->Add(&picture, clBtnFace);
    auto target = Drawn(*list, 0);
    EXPECT_EQ(target->Pixel(0, 0), clRed);
    EXPECT_EQ(target->Pixel(2, 1), clWhite);
}

TEST(ImgListTest, APictureSmallerThanTheListIsPaddedWithTheMask) {
    auto list = SmallList();
    TBitmap tiny(2, 2);
    tiny.Canvas()->SetPixel(1, 1, clRed);
    ASSERT_EQ(list->Add(&tiny, Mask), 0);
    auto target = Drawn(*list, 0);
    EXPECT_EQ(target->Pixel(1, 1), clRed);
    EXPECT_EQ(target->Pixel(0, 0), clWhite); // the white of the small picture itself
    EXPECT_EQ(target->Pixel(3, 2), clWhite); // padding, left out
}

TEST(ImgListTest, MissingOrEmptyPicturesAreRefused) {
    auto list = SmallList();
    TBitmap empty;
    EXPECT_EQ(list->Add(nullptr, Mask), -1);
    EXPECT_EQ(list->Add(&empty, Mask), -1);
    EXPECT_EQ(list->Count(), 0);
}

TEST(ImgListTest, DrawingAnIndexOutOfRangeDrawsNothing) {
    auto list = SmallList();
    list->Add(Strip({clRed}).get(), Mask);
    for (int index : {-1, 1, 100})
        EXPECT_EQ(Drawn(*list, index)->Pixel(0, 0), clWhite) << index;
    list->Draw(nullptr, 0, 0, 0);
}

TEST(ImgListTest, DeleteAndClearRemovePictures) {
    auto list = SmallList();
    list->Add(Strip({clRed, clLime, clBlue}).get(), Mask);
    list->Delete(1);
    ASSERT_EQ(list->Count(), 2);
    EXPECT_EQ(Drawn(*list, 1)->Pixel(0, 0), clBlue);
    list->Delete(5);
    EXPECT_EQ(list->Count(), 2);
    list->Clear();
    EXPECT_EQ(list->Count(), 0);
}

TEST(ImgListTest, ANewSizeEmptiesTheListAndABadOneIsRefused) {
    auto list = SmallList();
    list->Add(Strip({clRed}).get(), Mask);
    list->SetWidth(4);
    EXPECT_EQ(list->Count(), 1);
    for (int bad : {0, -3}) {
        EXPECT_THROW(list->SetWidth(bad), Exception);
        EXPECT_THROW(list->SetHeight(bad), Exception);
    }
    EXPECT_EQ(list->Width(), 4);
    EXPECT_EQ(list->Height(), 3);
    EXPECT_EQ(list->Count(), 1);
    list->SetHeight(8);
    EXPECT_EQ(list->Count(), 0);
}

TEST(ImgListTest, ChangeLinksHearOfChangesAndOfTheListGoing) {
    auto list = SmallList();
    TChangeLink link;
    int changes = 0;
    link.OnChange = [&](TObject* sender) {
        EXPECT_EQ(sender, list.get());
        ++changes;
    };
    list->RegisterChanges(&link);
    EXPECT_EQ(link.Sender(), list.get());
    list->Add(Strip({clRed}).get(), Mask);
    list->Delete(0);
    EXPECT_EQ(changes, 2);
    list.reset();
    EXPECT_EQ(link.Sender(), nullptr);
}

TEST(ImgListTest, ALinkFreedFirstIsForgotten) {
    auto list = SmallList();
    auto link = std::make_unique<TChangeLink>();
    list->RegisterChanges(link.get());
    link.reset();
    // Under the sanitizers a dangling link would show here.
    list->Add(Strip({clRed}).get(), Mask);
    EXPECT_EQ(list->Count(), 1);
}

} // namespace
