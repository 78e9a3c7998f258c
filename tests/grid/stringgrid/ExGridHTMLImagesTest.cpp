// Cell pictures in the HTML export: JPEG files in an "images" folder beside the HTML file,
// referenced by file links from their cells.
#include "support/TempFolder.h"

#include "grid/foundation/IntList.h"
#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/HTMLSettings.h"
#include "platform/core/Exception.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/ImgList.h"
#include "platform/ui/PictureImage.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace {

class ExGridHTMLImages : public ::testing::Test {
protected:
    void SetUp() override {
        Grid.SetFixedRows(0);
        Grid.SetFixedCols(0);
        Grid.SetColCount(2);
        Grid.SetRowCount(1);
        Images.SetWidth(8);
        Images.SetHeight(6);
        for (TColor colour : {clRed, clLime, clBlue}) {
            TBitmap picture(8, 6);
            picture.Canvas()->Brush()->SetColor(colour);
            picture.Canvas()->FillRect(TRect{0, 0, 8, 6});
            Images.Add(&picture, clNone);
        }
        Grid.GridImages = &Images;
        Picture.Canvas()->Brush()->SetColor(clRed);
        Picture.Canvas()->FillRect(TRect{0, 0, 20, 10});
    }
    // Saves the grid as HTML in the folder; answers the HTML text.
    std::string SaveHTML(const std::string& folder) {
        const std::string file = folder + "/table.html";
        Grid.SaveToHTML(file);
        return TTempFolder::Read(file);
    }
    static std::string Tag(const std::string& folder, int number) {
        return "<img src= \"file://" + folder + "/images/img" + std::to_string(number) + ".jpg\">";
    }
    // The size of the JPEG picture written, or (0, 0) when there is none.
    static TSize JpegSize(const std::string& path) {
        if (!std::filesystem::exists(path))
            return {};
        const std::string bytes = TTempFolder::Read(path);
        TPictureImage image;
        if (DetectPictureFormat(bytes) != TPictureFormat::Jpeg || !image.Load(bytes))
            return {};
        return TSize{image.Width(), image.Height()};
    }

    TExStringGrid Grid{nullptr};
    TImageList Images{nullptr};
    TBitmap Picture{20, 10};
    TTempFolder Folder;
};

TEST_F(ExGridHTMLImages, ABitmapIsWrittenAsJpegAndFollowsTheText) {
    Grid.SetCells(0, 0, "pic");
    Grid.AddBitmap(0, 0, &Picture, false, haLeft, vaTop);
    const std::string html = SaveHTML(Folder.Path());
    EXPECT_NE(html.find(">pic" + Tag(Folder.Path(), 1) + "</td>"), std::string::npos) << html;
    EXPECT_EQ(JpegSize(Folder.File("images/img1.jpg")), (TSize{20, 10}));
    TPictureImage decoded;
    ASSERT_TRUE(decoded.Load(TTempFolder::Read(Folder.File("images/img1.jpg"))));
    TBitmap pixels;
    decoded.ToBitmap(&pixels);
    const TColor middle = pixels.Pixel(10, 5);
    EXPECT_GT(middle & 0xFF, 0xE0u); // red, within what JPEG keeps
    EXPECT_LT((middle >> 8) & 0xFF, 0x20u);
}

TEST_F(ExGridHTMLImages, ImageListKindsAndTheRunningNumber) {
    Grid.SetColCount(4);
    Grid.SetCells(0, 0, "one");
    Grid.AddImageIdx(0, 0, 1, haLeft, vaTop);
    Grid.SetCells(1, 0, "2");
    Grid.AddDataImage(1, 0, 0, haLeft, vaTop);
    Grid.SetCells(2, 0, "many");
    Grid.AddMultiImage(2, 0, 0, haLeft, vaTop);
    Grid.GetCellImages(2, 0)->Add(0);
    Grid.GetCellImages(2, 0)->Add(2);
    Grid.SetCells(3, 0, "x");
    Grid.AddDataImage(3, 0, 0, haLeft, vaTop);
    const std::string html = SaveHTML(Folder.Path());
    const std::string dir = Folder.Path();
    EXPECT_NE(html.find(">" + Tag(dir, 1) + "one</td>"), std::string::npos) << html;
    // The data image's text is its index and is not written itself.
    EXPECT_NE(html.find(">" + Tag(dir, 2) + "</td>"), std::string::npos) << html;
    EXPECT_NE(html.find(">" + Tag(dir, 3) + Tag(dir, 4) + "many</td>"), std::string::npos) << html;
    // A data image whose text is no index in the list shows nothing.
    EXPECT_NE(html.find("class=\"c0\"></td>"), std::string::npos) << html;
    for (int n = 1; n <= 4; ++n)
        EXPECT_EQ(JpegSize(Folder.File("images/img" + std::to_string(n) + ".jpg")), (TSize{8, 6}))
            << n;
    EXPECT_FALSE(std::filesystem::exists(Folder.File("images/img5.jpg")));
}

TEST_F(ExGridHTMLImages, IndexesOutsideTheListOrNoListLeaveTheText) {
    Grid.SetColCount(3);
    Grid.SetCells(0, 0, "far");
    Grid.AddImageIdx(0, 0, 7, haLeft, vaTop);
    Grid.SetCells(1, 0, "pic");
    Grid.AddBitmap(1, 0, &Picture, false, haLeft, vaTop);
    Grid.SetCells(2, 0, "many");
    Grid.AddMultiImage(2, 0, 0, haLeft, vaTop);
    Grid.GetCellImages(2, 0)->Add(0);
    std::string html = SaveHTML(Folder.Path());
    EXPECT_NE(html.find("\">far</td>"), std::string::npos) << html;
    // Without the list the images cell keeps its place and text: the columns stay aligned.
    Grid.GridImages = nullptr;
    html = SaveHTML(Folder.Path());
    EXPECT_NE(html.find("\">many</td>"), std::string::npos) << html;
    size_t cells = 0;
    for (size_t at = html.find("<TD"); at != std::string::npos; at = html.find("<TD", at + 1))
        ++cells;
    EXPECT_EQ(cells, 3u) << html;
    // The bitmap is the first picture written.
    EXPECT_NE(html.find(Tag(Folder.Path(), 1)), std::string::npos) << html;
}

TEST_F(ExGridHTMLImages, FolderNamesAreEscapedInTheLink) {
    const std::string folder = Folder.File("my #1 \"report\" 100%");
    std::filesystem::create_directories(folder);
    Grid.AddBitmap(0, 0, &Picture, false, haLeft, vaTop);
    const std::string html = SaveHTML(folder);
    const std::string link =
        "file://" + Folder.Path() + "/my%20%231%20%22report%22%20100%25/images/img1.jpg";
    EXPECT_NE(html.find("<img src= \"" + link + "\">"), std::string::npos) << html;
    EXPECT_EQ(JpegSize(folder + "/images/img1.jpg"), (TSize{20, 10}));
}

TEST_F(ExGridHTMLImages, AnImagesFolderThatCannotBeMadeIsReported) {
    Folder.Write("images", "a file in the way");
    Grid.AddBitmap(0, 0, &Picture, false, haLeft, vaTop);
    try {
        Grid.SaveToHTML(Folder.File("table.html"));
        FAIL() << "no error";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message, "Cannot create " + Folder.Path() + "/images");
    }
    EXPECT_FALSE(std::filesystem::exists(Folder.File("table.html")));
}

TEST_F(ExGridHTMLImages, NoPicturesWithoutAFolderOrWithExportImagesOff) {
    Grid.SetCells(0, 0, "pic");
    Grid.AddBitmap(0, 0, &Picture, false, haLeft, vaTop);
    // The clipboard's HTML has no folder: the cell keeps its text and nothing is written.
    const std::string cwd = std::filesystem::current_path().string();
    std::filesystem::current_path(Folder.Path());
    const std::string clip = Grid.SaveToHTMLString("");
    std::filesystem::current_path(cwd);
    EXPECT_NE(clip.find("\">pic</td>"), std::string::npos) << clip;
    EXPECT_FALSE(std::filesystem::exists(Folder.File("images")));

    Grid.HTMLSettings()->ExportImages = false;
    const std::string html = SaveHTML(Folder.Path());
    EXPECT_EQ(html.find("<img"), std::string::npos) << html;
    EXPECT_FALSE(std::filesystem::exists(Folder.File("images")));
}

} // namespace
