// The cell graphic object: its setters, what it owns and frees, copying, picture sizes.
#include "grid/stringgrid/CellGraphic.h"
#include "grid/foundation/IntList.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Image.h"

#include <gtest/gtest.h>

namespace {

// An object that counts its destructions, to see who frees what.
class TCountedGraphic : public TObject {
public:
    explicit TCountedGraphic(int& freed) : FFreed(freed) {}
    ~TCountedGraphic() override { ++FFreed; }

private:
    int& FFreed;
};

TEST(CellGraphic, AFreshGraphicHasNoKind) {
    TCellGraphic graphic;
    EXPECT_EQ(graphic.CellType, ctNone);
    EXPECT_EQ(graphic.CellBitmap, nullptr);
    EXPECT_FALSE(graphic.CellCreated);
}

TEST(CellGraphic, SetAngleBringsTheAngleIntoZeroToThreeSixty) {
    const struct {
        int16_t angle;
        int stored;
    } cases[] = {{-90, 270}, {720, 360}, {360, 360}, {0, 0}, {-360, 0}, {400, 40}, {-721, 359}};
    for (const auto& c : cases) {
        TCellGraphic graphic;
        graphic.SetAngle(c.angle);
        EXPECT_EQ(graphic.CellType, ctRotated) << c.angle;
        EXPECT_EQ(graphic.CellAngle, c.stored) << c.angle;
    }
}

TEST(CellGraphic, CheckBoxSettersChooseTheKindAndState) {
    TCellGraphic box;
    box.SetCheckBox(true, false, true, haBeforeText, vaCenter);
    EXPECT_EQ(box.CellType, ctCheckBox);
    EXPECT_TRUE(box.CellBoolean);
    EXPECT_TRUE(box.CellTransparent);
    EXPECT_EQ(box.CellHAlign, haBeforeText);
    EXPECT_EQ(box.CellVAlign, vaCenter);

    box.SetCheckBox(false, true, false, haLeft, vaTop);
    EXPECT_EQ(box.CellType, ctDataCheckBox);
    EXPECT_FALSE(box.CellBoolean);

    box.SetCheckBox(cbGrayed, true, haLeft, vaBottom);
    EXPECT_EQ(box.CellType, ctTriStateCheckBox);
    EXPECT_EQ(box.CellCheckBoxState, cbGrayed);
    EXPECT_FALSE(box.CellBoolean);

    box.SetRadioButton(true, true, haLeft, vaTop);
    EXPECT_EQ(box.CellType, ctRadioButton);
    EXPECT_TRUE(box.CellBoolean);
}

TEST(CellGraphic, ButtonsPackHeightHighAndWidthLow) {
    TCellGraphic button;
    button.CellBoolean = true;
    button.SetButton(30, 20, "Go", haRight, vaTop);
    EXPECT_EQ(button.CellType, ctButton);
    EXPECT_EQ(button.CellIndex, (20 << 16) | 30);
    EXPECT_EQ(button.ButtonWidth(), 30);
    EXPECT_EQ(button.ButtonHeight(), 20);
    EXPECT_FALSE(button.CellBoolean) << "a new button is not pushed";
    EXPECT_EQ(button.CellText, "Go");

    TBitmap glyph;
    button.SetBitButton(16, 18, "", &glyph, haLeft, vaTop);
    EXPECT_EQ(button.CellType, ctBitButton);
    EXPECT_EQ(button.CellBitmap, &glyph);
}

TEST(CellGraphic, FreesWhatItOwnsAndLeavesTheCallersObjects) {
    struct Case {
        const char* name;
        TCellType kind;
        bool created;
        int angle;
        bool freed;
    } cases[] = {
        {"bitmap it made", ctBitmap, true, 0, true},
        {"caller's bitmap", ctBitmap, false, 0, false},
        {"picture it made", ctPicture, true, 0, true},
        {"caller's picture", ctPicture, false, 0, false},
        {"image list", ctImages, false, 0, true},
        {"balloon", ctBalloon, false, 0, true},
        {"check box balloon list", ctCheckBox, false, 1, true},
        {"data check box balloon list", ctDataCheckBox, false, 1, true},
        {"radio button balloon list", ctRadioButton, false, 1, true},
        {"check box without balloon", ctCheckBox, false, 0, false},
        {"interface object", ctInterface, true, 0, false},
    };
    for (const Case& c : cases) {
        int freed = 0;
        auto* object = new TCountedGraphic(freed);
        {
            TCellGraphic graphic;
            graphic.CellType = c.kind;
            graphic.CellCreated = c.created;
            graphic.CellAngle = c.angle;
            graphic.CellBitmap = object;
        }
        EXPECT_EQ(freed, c.freed ? 1 : 0) << c.name;
        if (!c.freed)
            delete object;
    }
}

TEST(CellGraphic, AnIconIsFreedOnlyWhenTheGraphicMadeIt) {
    for (bool created : {true, false}) {
        int freed = 0;
        auto* icon = new TCountedGraphic(freed);
        {
            TCellGraphic graphic;
            graphic.SetIcon(icon, haLeft, vaTop);
            graphic.CellCreated = created;
        }
        EXPECT_EQ(freed, created ? 1 : 0);
        if (!created)
            delete icon;
    }
}

TEST(CellGraphic, TurningIntoAnotherKindFreesTheBalloonListOfTheOldOne) {
    int freed = 0;
    TCellGraphic graphic;
    graphic.SetCheckBox(true, false, true, haLeft, vaTop);
    graphic.CellAngle = 1;
    graphic.CellBitmap = new TCountedGraphic(freed);
    graphic.SetButton(10, 10, "", haLeft, vaTop);
    EXPECT_EQ(freed, 1);
    EXPECT_EQ(graphic.CellBitmap, nullptr);

    graphic.CellType = ctBalloon;
    graphic.CellBitmap = new TCountedGraphic(freed);
    graphic.SetAngle(90);
    EXPECT_EQ(freed, 2) << "a balloon turned into a rotated text";
    EXPECT_EQ(graphic.CellBitmap, nullptr);
}

TEST(CellGraphic, ANewBitmapNeverFreesTheCallersAfterAMadeOne) {
    int freed = 0;
    TCountedGraphic callers(freed);
    TCellGraphic graphic;
    graphic.SetBitmap(new TCountedGraphic(freed), false, haLeft, vaTop);
    graphic.CellCreated = true;
    graphic.SetBitmap(&callers, true, haLeft, vaTop);
    EXPECT_EQ(freed, 1) << "the made bitmap goes";
    EXPECT_FALSE(graphic.CellCreated);
}

TEST(CellGraphic, MultiImageOwnsANewListThatNotifiesItsCell) {
    TCellGraphic graphic;
    std::vector<std::pair<int, int>> changed;
    graphic.SetMultiImage(3, 4, 0, haLeft, vaTop, [&](TObject*, int c, int r) {
        changed.push_back({c, r});
    });
    EXPECT_EQ(graphic.CellType, ctImages);
    EXPECT_TRUE(graphic.CellBoolean) << "direction 0 is horizontal";
    EXPECT_TRUE(graphic.CellCreated);
    auto* list = dynamic_cast<TIntList*>(graphic.CellBitmap);
    ASSERT_NE(list, nullptr);
    list->Add(7);
    ASSERT_EQ(changed.size(), 1u);
    EXPECT_EQ(changed[0], std::make_pair(3, 4));
}

TEST(CellGraphic, AssignCopiesThePlainFieldsOnly) {
    TBitmap bitmap;
    TCellGraphic source;
    source.SetBitmap(&bitmap, true, haRight, vaBottom);
    source.CellIndex = 9;
    source.CellAngle = 45;
    source.CellBoolean = true;
    source.CellValue = 2.5;
    source.CellErrFrom = 3;
    source.CellErrLen = 4;
    source.CellText = "note";
    source.CellVar = 5;
    source.CellCheckBoxState = cbGrayed;
    TCellGraphic copy;
    copy.Assign(source);
    EXPECT_EQ(copy.CellType, ctBitmap);
    EXPECT_EQ(copy.CellHAlign, haRight);
    EXPECT_EQ(copy.CellVAlign, vaBottom);
    EXPECT_EQ(copy.CellIndex, 9);
    EXPECT_EQ(copy.CellAngle, 45);
    EXPECT_TRUE(copy.CellBoolean);
    EXPECT_TRUE(copy.CellTransparent);
    EXPECT_EQ(copy.CellValue, 2.5);
    EXPECT_EQ(copy.CellErrFrom, 3);
    EXPECT_EQ(copy.CellErrLen, 4);
    EXPECT_EQ(copy.CellText, "note");
    EXPECT_EQ(copy.CellBitmap, nullptr) << "the object stays with the source";
    EXPECT_TRUE(std::holds_alternative<std::monostate>(copy.CellVar));
    EXPECT_EQ(copy.CellCheckBoxState, cbUnchecked);
}

TEST(CellGraphic, PictureSizeByStretchMode) {
    struct Case {
        const char* name;
        int pictureW, pictureH;
        TStretchMode mode;
        int padding;
        int availW, availH;
        TPoint size;
    } cases[] = {
        {"own size", 100, 50, noStretch, 0, 60, 60, {100, 50}},
        {"stretched", 100, 50, Stretch, 0, 60, 60, {60, 60}},
        {"stretched less the padding", 100, 50, Stretch, 10, 60, 60, {50, 50}},
        {"stretched keeping aspect", 100, 50, StretchWithAspectRatio, 0, 60, 60, {60, 30}},
        {"keeping aspect, tall room", 50, 100, StretchWithAspectRatio, 0, 60, 60, {30, 60}},
        {"keeping aspect, half to even", 5, 4, StretchWithAspectRatio, 0, 5, 2, {2, 2}},
        {"shrunk, too big", 100, 50, Shrink, 0, 60, 60, {60, 60}},
        {"shrunk, fits", 100, 50, Shrink, 0, 200, 200, {100, 50}},
        {"shrunk keeping aspect", 100, 50, ShrinkWithAspectRatio, 0, 60, 60, {60, 30}},
        {"shrunk keeping aspect, fits", 100, 50, ShrinkWithAspectRatio, 0, 300, 60, {100, 50}},
    };
    for (const Case& c : cases) {
        TBitmap bitmap;
        bitmap.SetSize(c.pictureW, c.pictureH);
        TPicture picture;
        picture.Assign(&bitmap);
        TCellGraphic graphic;
        graphic.SetPicture(&picture, false, c.mode, c.padding, haLeft, vaTop);
        EXPECT_EQ(graphic.GetPictureSize(c.availW, c.availH, true), c.size) << c.name;
    }
}

TEST(CellGraphic, PictureSizeOfOtherKindsIsTheCallersPoint) {
    TCellGraphic graphic;
    graphic.SetImageIdx(2, haLeft, vaTop);
    EXPECT_EQ(graphic.GetPictureSize(60, 60, false, TPoint{7, 8}), (TPoint{7, 8}));
}

} // namespace
