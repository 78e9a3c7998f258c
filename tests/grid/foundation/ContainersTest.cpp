#include "grid/foundation/ControlList.h"
#include "grid/foundation/ExStringGridCheck.h"
#include "grid/foundation/FilePicture.h"
#include "grid/foundation/FileStringList.h"
#include "platform/core/Exception.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Control.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <unistd.h>

TEST(ControlList, FindsItemsByCellAndNeverFreesTheirControls) {
    TWinControl first(nullptr);
    TWinControl second(nullptr);
    TControlList list;
    list.AddControl(1, 2, &first);
    list.AddControl(3, 4, &second);
    list.AddControl(1, 2, &second);

    EXPECT_EQ(list.ControlIndex(1, 2), 0);
    EXPECT_EQ(list.ControlIndex(3, 4), 1);
    EXPECT_EQ(list.ControlIndex(0, 0), -1);
    EXPECT_TRUE(list.HasHandle(&second));

    list.RemoveControl(1);
    list.RemoveControl(1);
    EXPECT_EQ(list.Count(), 1);
    EXPECT_FALSE(list.HasHandle(&second));
    EXPECT_EQ(list.Control(0)->Control(), &first);
    EXPECT_THROW(list.Control(1), Exception);
    EXPECT_EQ(second.Name(), ""); // still alive and usable
}

TEST(FileStringList, ReadsLineByLineAndWritesPendingText) {
    TFileStringList lines;
    lines.Write("a");
    lines.Write("b");
    lines.WriteLn("c");
    lines.WriteLn("second");
    EXPECT_EQ(lines.Text(), "abc\nsecond");

    lines.Reset();
    std::string line;
    std::vector<std::string> read;
    while (!lines.Eof()) {
        lines.ReadLn(line);
        read.push_back(line);
    }
    EXPECT_EQ(read, (std::vector<std::string>{"abc", "second"}));
    EXPECT_THROW(lines.ReadLn(line), Exception);
}

class FilePictureTest : public ::testing::Test {
protected:
    void SetUp() override {
        FFolder = std::filesystem::path(::testing::TempDir()) /
                  ("gridutil_picture_" + std::to_string(::getpid()));
        std::filesystem::create_directories(FFolder);
    }
    void TearDown() override { std::filesystem::remove_all(FFolder); }

    std::string WriteRedPicture(int width, int height) {
        TBitmap picture(width, height);
        picture.Canvas()->Brush()->SetColor(clRed);
        picture.Canvas()->FillRect(Rect(0, 0, width, height));
        std::string path = (FFolder / "red.bmp").string();
        picture.SaveToFile(path);
        return path;
    }

    std::filesystem::path FFolder;
};

TEST_F(FilePictureTest, KeepsOnlyNameAndSizeAndDrawsFromTheFile) {
    TFilePicture picture;
    picture.SetFilename(WriteRedPicture(4, 3));
    EXPECT_EQ(picture.Width(), 4);
    EXPECT_EQ(picture.Height(), 3);

    TBitmap target(10, 10);
    picture.DrawPicture(target.Canvas(), Rect(2, 2, 8, 8));
    EXPECT_EQ(target.Pixel(5, 5), clRed);
    EXPECT_EQ(target.Pixel(0, 0), clWhite);

    TFilePicture copy;
    copy.Assign(picture);
    EXPECT_EQ(copy.Filename(), picture.Filename());
    EXPECT_EQ(copy.Width(), 4);
}

TEST_F(FilePictureTest, MissingFileThrowsAndKeepsTheOldSize) {
    TFilePicture picture;
    picture.SetFilename(WriteRedPicture(4, 3));
    EXPECT_THROW(picture.SetFilename((FFolder / "missing.bmp").string()), EFileError);
    EXPECT_EQ(picture.Width(), 4);
    EXPECT_EQ(picture.Height(), 3);

    TFilePicture empty;
    TBitmap target(4, 4);
    empty.DrawPicture(target.Canvas(), Rect(0, 0, 4, 4)); // no name: draws nothing
    EXPECT_EQ(target.Pixel(1, 1), clWhite);
}

TEST(ExStringGridCheck, BaseCheckerAcceptsEveryText) {
    TExStringGridCheck checker(nullptr);
    for (const char* text : {"", "abc", "wrnog spelling"}) {
        EXPECT_EQ(checker.Correct(1, 2, text), text);
        EXPECT_EQ(checker.MarkError(1, 2, text), text);
    }
    EXPECT_FALSE(checker.AutoCorrect || checker.AutoMarkError || checker.GotoCell ||
                 checker.UseCorrect || checker.UseMarkError);
}
