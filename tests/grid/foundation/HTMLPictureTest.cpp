#include "grid/foundation/HTMLPicture.h"
#include "grid/foundation/FilePicture.h"
#include "grid/foundation/PictureContainer.h"

#include "platform/core/Exception.h"
#include "platform/core/Files.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/PictureFixtures.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

using PictureFixtures::GifFrame;

std::string ThreeFrames() {
    return PictureFixtures::Gif(
        8, 6,
        {GifFrame{0, 0, 8, 6, 10, 1}, GifFrame{2, 1, 3, 2, 20, 2}, GifFrame{5, 3, 2, 2, 30, 3}});
}

TEST(HTMLPicture, AnimatedGifFramesAreSelectedAndStepped) {
    THTMLPicture picture;
    int frameChanges = 0;
    picture.OnFrameChange = [&](TObject*) { ++frameChanges; };
    picture.LoadFromBytes(ThreeFrames());
    EXPECT_TRUE(picture.IsGIF());
    EXPECT_EQ(picture.FrameCount(), 3);
    EXPECT_EQ(picture.Width(), 8);

    picture.SetFrame(2);
    EXPECT_EQ(picture.Frame(), 2);
    EXPECT_EQ(picture.FrameXPos(), 2);
    EXPECT_EQ(picture.FrameYPos(), 1);
    EXPECT_EQ(frameChanges, 1);
    TBitmap target(8, 6);
    picture.Draw(target.Canvas(), Rect(0, 0, 8, 6));
    EXPECT_EQ(target.Pixel(3, 2), clLime);

    struct Move {
        int From;
        bool Next;
        int To;
    } moves[] = {{1, false, 3}, {3, true, 1}, {2, true, 3}, {2, false, 1}};
    for (const Move& m : moves) {
        picture.SetFrame(m.From);
        m.Next ? picture.FrameNext() : picture.FramePrev();
        EXPECT_EQ(picture.Frame(), m.To) << m.From << (m.Next ? " next" : " prev");
    }
    EXPECT_EQ(picture.GetFrameTime(2), 20);
    EXPECT_EQ(picture.GetFrameTime(4), -1);

    // Ticks of 100 ms against delays of 10, 20 and 30 hundredths.
    picture.SetFrame(1);
    std::vector<int> shown;
    for (int tick = 0; tick < 8; ++tick) {
        picture.Step();
        shown.push_back(picture.Frame());
    }
    EXPECT_EQ(shown, (std::vector<int>{1, 1, 2, 2, 3, 3, 3, 1}));
}

TEST(HTMLPicture, StillPicturesDoNotAnimate) {
    THTMLPicture single;
    single.LoadFromBytes(PictureFixtures::Gif(4, 4, {GifFrame{0, 0, 4, 4, 10, 1}}));
    EXPECT_EQ(single.FrameCount(), 1);
    EXPECT_FALSE(single.Step());
    EXPECT_EQ(single.Frame(), 1);

    THTMLPicture metafile;
    metafile.LoadFromBytes(PictureFixtures::PlaceableWmf(20, 10));
    EXPECT_FALSE(metafile.Empty());
    EXPECT_FALSE(metafile.IsGIF());
    EXPECT_EQ(metafile.FrameCount(), -1);
    EXPECT_EQ(metafile.Width(), 20);
    EXPECT_EQ(metafile.GetFrameTime(1), -1);
}

TEST(HTMLPicture, FourBytesAreNoGifAndUndecodableBytesThrow) {
    THTMLPicture picture;
    EXPECT_THROW(picture.LoadFromBytes("GIF8"), Exception);
    EXPECT_FALSE(picture.IsGIF());
    EXPECT_TRUE(picture.Empty());
    try {
        picture.LoadFromBytes("not a picture at all");
        FAIL();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message, "Could not load image. Invalid format");
    }
    EXPECT_TRUE(picture.Empty());
    EXPECT_EQ(picture.Width(), 0);
}

TEST(HTMLPicture, FilesAndURLs) {
    TTempFolder folder;
    std::string gif = JoinPath(folder.Path(), "anim.gif");
    WriteFileAtomic(gif, ThreeFrames());
    std::string junk = JoinPath(folder.Path(), "junk.png");
    WriteFileAtomic(junk, "junk");

    struct Case {
        std::string URL;
        bool Loaded;
        std::string ID;
        bool Busy;
    } cases[] = {
        {"file://" + gif, true, "file://" + gif, false},
        {"FILE://" + junk, false, "FILE://" + junk, false},
        {"file://" + JoinPath(folder.Path(), "missing.gif"), false, "", false},
        {"RES://", false, "RES://", false},
        {"res://LOGO", false, "res://LOGO", false},
        {"ftp://127.0.0.1:9/x.png", false, "ftp://127.0.0.1:9/x.png", false},
    };
    cases[2].ID = cases[2].URL;
    for (const Case& c : cases) {
        THTMLPicture picture;
        picture.LoadFromURL(c.URL);
        EXPECT_EQ(!picture.Empty(), c.Loaded) << c.URL;
        EXPECT_EQ(picture.ID(), c.ID) << c.URL;
        EXPECT_EQ(picture.Busy(), c.Busy) << c.URL;
    }

    THTMLPicture fromFile;
    fromFile.LoadFromFile(gif);
    EXPECT_EQ(fromFile.FrameCount(), 3);
    std::ostringstream saved;
    fromFile.SaveToStream(saved);
    EXPECT_EQ(saved.str(), ThreeFrames());
    std::istringstream again(saved.str());
    THTMLPicture streamed;
    streamed.LoadFromStream(again);
    EXPECT_EQ(streamed.Width(), 8);
}

TEST(HTMLPicture, AssignCopiesTheBytes) {
    THTMLPicture source;
    source.LoadFromBytes(ThreeFrames());
    source.SetStretch(true);
    THTMLPicture copy;
    int changes = 0;
    copy.OnChange = [&](TObject*) { ++changes; };
    copy.Assign(&source);
    EXPECT_EQ(copy.Data(), source.Data());
    EXPECT_EQ(copy.FrameCount(), 3);
    EXPECT_EQ(copy.Frame(), 1);
    EXPECT_EQ(changes, 1);
    copy.Assign(nullptr);
    EXPECT_TRUE(copy.Empty());
    EXPECT_TRUE(copy.Data().empty());
}

TEST(PictureStore, CacheFindsByExactIDAndContainerIgnoresCase) {
    THTMLPictureCache cache;
    THTMLPicture* added = cache.AddPicture();
    added->SetID("http://host/Logo.gif");
    EXPECT_EQ(cache.FindPicture("http://host/Logo.gif"), added);
    EXPECT_EQ(cache.FindPicture("HTTP://HOST/LOGO.GIF"), nullptr);
    EXPECT_EQ(cache.GetPicture(0), added);
    EXPECT_EQ(cache.GetPicture(1), nullptr);
    added->LoadFromBytes(ThreeFrames());
    int changed = 0;
    for (int tick = 0; tick < 4; ++tick)
        changed += cache.Animate();
    EXPECT_EQ(changed, 1);
    cache.ClearPictures();
    EXPECT_EQ(cache.Count(), 0);

    TPictureContainer container(nullptr);
    TPictureItem* item = container.Items()->Add();
    item->SetName("Logo");
    item->Picture()->LoadFromBytes(ThreeFrames());
    container.Items()->Insert(0)->SetName("first");
    EXPECT_EQ(container.FindPicture("LOGO"), item->Picture());
    EXPECT_EQ(container.FindPicture("logo"), item->Picture());
    EXPECT_EQ(container.FindPicture("other"), nullptr);
    EXPECT_EQ(container.Items()->Items(1), item);
    EXPECT_EQ(container.Items()->Items(5), nullptr);

    TPictureItem copy;
    copy.Assign(*item);
    EXPECT_EQ(copy.Name(), "Logo");
    EXPECT_EQ(copy.Picture()->FrameCount(), 3);
}

TEST(FilePicture, LoadsEveryDecodedFormat) {
    TTempFolder folder;
    std::string gif = JoinPath(folder.Path(), "anim.gif");
    WriteFileAtomic(gif, ThreeFrames());
    TFilePicture picture;
    picture.SetFilename(gif);
    EXPECT_EQ(picture.Width(), 8);
    EXPECT_EQ(picture.Height(), 6);
    TBitmap target(16, 12);
    picture.DrawPicture(target.Canvas(), Rect(0, 0, 16, 12));
    EXPECT_EQ(target.Pixel(1, 1), clRed);

    std::string junk = JoinPath(folder.Path(), "junk.gif");
    WriteFileAtomic(junk, "GIF89a but nothing");
    EXPECT_THROW(picture.SetFilename(junk), EFileError);
    EXPECT_EQ(picture.Width(), 8);
}

} // namespace
