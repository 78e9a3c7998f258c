// Drawing the clock: every face style stays inside its rectangle, every pointer style draws
// hands, the face shapes fill what they should, and the cache shows the parent's background.
#include "grid/dropdown/ExWatch.h"
#include "grid/dropdown/WatchTestTimes.h"

#include "grid/foundation/GridDate.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Form.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

namespace {

constexpr TColor Marker = 0x00123456;
constexpr int BitmapSide = 240;
// The face's own rectangle inside the bigger picture.
const TRect FaceRect = Rect(30, 30, 210, 210);

class WatchPaint : public ::testing::Test {
protected:
    WatchPaint() { Clock.SetBounds(0, 0, BitmapSide, BitmapSide); }

    // The drawing steps onto a marker-filled picture, the dial sized to FaceRect.
    void Draw(TBitmap& Picture) {
        Clock.Appearance()->SetSize(FaceRect.Width());
        ASSERT_EQ(Clock.GetFaceRect(), FaceRect);
        Picture.SetSize(BitmapSide, BitmapSide);
        Picture.Canvas()->Brush()->SetColor(Marker);
        Picture.Canvas()->FillRect(Rect(0, 0, BitmapSide, BitmapSide));
        Clock.DrawFace(Picture.Canvas(), FaceRect);
        Clock.DrawMarks(Picture.Canvas());
        Clock.DrawAMPM(Picture.Canvas());
        Clock.DrawPointers(Picture.Canvas());
    }
    // The first pixel outside FaceRect that is not the marker, as text; empty when none.
    static std::string PixelOutside(const TBitmap& Picture) {
        for (int y = 0; y < BitmapSide; ++y)
            for (int x = 0; x < BitmapSide; ++x)
                if (!FaceRect.Contains({x, y}) && Picture.Pixel(x, y) != Marker)
                    return std::to_string(x) + "," + std::to_string(y);
        return {};
    }

    TExWatch Clock{nullptr};
};

} // namespace

TEST_F(WatchPaint, EveryStyleDrawsInsideItsRectangle) {
    const TWatchStyle styles[] = {wsClassic,  wsTower,     wsFluorescent, wsEmerald,
                                  wsBlueStar, wsFuchsia,   wsBlack,       wsBlackWhite,
                                  wsGray,     wsSuperNova, wsSports,      wsSmooth};
    Clock.SetTime(At(10, 10));
    for (TWatchStyle style : styles) {
        // Another style first, so that wsClassic is applied too.
        Clock.SetStyle(style == wsClassic ? wsGray : wsClassic);
        Clock.SetStyle(style);
        Clock.SetShowAMPM(true);
        Clock.SetShowNumbers(true);
        TBitmap picture;
        Draw(picture);
        EXPECT_EQ(PixelOutside(picture), "") << "style " << style;
        EXPECT_NE(picture.Pixel(120, 120), Marker) << "style " << style << " drew its dial";
    }
}

TEST_F(WatchPaint, EveryShapeAndPointerStyleDrawsInsideItsRectangle) {
    Clock.Settings()->SetAuto(true); // with the second hand
    for (TWatchShape shape : {wsCircle, wsRect, wsRoundRect})
        for (TPointerStyle pointer : {psLine, psShortLine, psPointer, psLineArrow})
            for (int border : {1, 4, 9}) {
                Clock.Appearance()->SetShape(shape);
                Clock.Appearance()->SetPointerStyle(pointer);
                Clock.Appearance()->SetBorderWidth(border);
                TBitmap picture;
                Draw(picture);
                EXPECT_EQ(PixelOutside(picture), "")
                    << "shape " << shape << " pointer " << pointer << " border " << border;
            }
    Clock.Settings()->SetAuto(false);
}

TEST_F(WatchPaint, EveryPointerStyleDrawsTheHourHand) {
    // At three o'clock the hour hand points right from the centre, the minute hand up.
    Clock.SetTime(At(3, 0));
    Clock.Appearance()->SetCenterPointSize(0);
    Clock.Appearance()->SetHourPointer(clRed);
    Clock.Appearance()->SetHourPointerShadow(clNone);
    for (TPointerStyle pointer : {psLine, psShortLine, psPointer, psLineArrow}) {
        Clock.Appearance()->SetPointerStyle(pointer);
        TBitmap picture;
        Draw(picture);
        const TPoint centre = Clock.GetFaceCenter();
        EXPECT_EQ(picture.Pixel(centre.X + 25, centre.Y), clRed) << "pointer " << pointer;
        EXPECT_NE(picture.Pixel(centre.X - 25, centre.Y), clRed) << "pointer " << pointer;
    }
}

TEST_F(WatchPaint, ARoundFaceLeavesItsCornersASquareOneFillsThem) {
    Clock.Appearance()->SetBackgroundColor(clYellow);
    const struct {
        TWatchShape Shape;
        bool CornerFilled;
    } cases[] = {{wsCircle, false}, {wsRect, true}, {wsRoundRect, false}};
    for (const auto& c : cases) {
        Clock.Appearance()->SetShape(c.Shape);
        TBitmap picture;
        Draw(picture);
        EXPECT_EQ(picture.Pixel(FaceRect.Left + 1, FaceRect.Top + 1) == Marker, !c.CornerFilled)
            << "shape " << c.Shape;
        EXPECT_EQ(picture.Pixel(FaceRect.Left + 40, FaceRect.Top + 60), clYellow)
            << "shape " << c.Shape;
    }
}

TEST_F(WatchPaint, GradientsRunAcrossForRadialAndDownForTheOthers) {
    Clock.Appearance()->SetShape(wsRect);
    Clock.Appearance()->SetBorderColor(clNone);
    Clock.Appearance()->SetTickMarks(tmNone);
    Clock.SetShowAMPM(false);
    Clock.Appearance()->SetCenterPointSize(0);
    Clock.Appearance()->SetBackgroundColor(clBlack);
    Clock.Appearance()->SetBackgroundColorTo(clWhite);
    const struct {
        TWatchGradient Gradient;
        bool Horizontal;
    } cases[] = {{wgRadial, true},
                 {wgVertical, false},
                 {wgDiagonalForward, false},
                 {wgDiagonalBackward, false}};
    for (const auto& c : cases) {
        Clock.Appearance()->SetBackgroundGradient(c.Gradient);
        TBitmap picture;
        Draw(picture);
        // Away from the hands: along the left edge and along the bottom edge.
        const TColor top = picture.Pixel(35, 35);
        const TColor bottom = picture.Pixel(35, 205);
        const TColor right = picture.Pixel(205, 35);
        EXPECT_EQ(top == bottom, c.Horizontal) << "gradient " << c.Gradient;
        EXPECT_EQ(top == right, !c.Horizontal) << "gradient " << c.Gradient;
    }
}

TEST_F(WatchPaint, TheBackgroundAroundTheDialIsTheParentsColour) {
    TForm form(nullptr);
    form.SetColor(clLime);
    TExWatch* clock = new TExWatch(&form);
    clock->SetParent(&form);
    TBitmap picture(clock->Width(), clock->Height());
    clock->PaintWatchTo(picture.Canvas());
    EXPECT_EQ(picture.Pixel(1, 1), clLime);
    EXPECT_EQ(picture.Pixel(65, 105), clWhite) << "the dial";
    form.SetColor(clAqua);
    clock->PaintWatchTo(picture.Canvas());
    EXPECT_EQ(picture.Pixel(1, 1), clAqua) << "the cache follows the parent";
}

TEST_F(WatchPaint, TickMarksChooseMarksAndNumbers) {
    // Counted on a ring through the minute marks only, and on the number of the 3.
    Clock.Appearance()->SetCenterPointSize(0);
    Clock.Appearance()->SetHourPointer(clNone);
    Clock.Appearance()->SetMinutePointer(clNone);
    Clock.Appearance()->SetHourPointerShadow(clNone);
    Clock.Appearance()->SetMinutePointerShadow(clNone);
    Clock.Appearance()->SetMinuteColor(clRed);
    Clock.Appearance()->SetHourColor(clBlue);
    Clock.SetShowAMPM(false);
    const struct {
        TTickMarks Marks;
        bool Minutes, Hours, Quarters, Numbers;
    } cases[] = {
        {tmAll, true, true, true, true},
        {tmHours, false, true, true, false},
        {tmQuartHours, false, false, true, true},
        {tmNone, false, false, false, false},
    };
    for (const auto& c : cases) {
        Clock.Appearance()->SetTickMarks(c.Marks);
        TBitmap picture;
        Draw(picture);
        const TPoint centre = Clock.GetFaceCenter();
        bool minute = false, hour = false, quarter = false;
        for (int y = FaceRect.Top; y < FaceRect.Bottom; ++y)
            for (int x = FaceRect.Left; x < FaceRect.Right; ++x) {
                const TColor p = picture.Pixel(x, y);
                minute = minute || p == clRed;
                if (p == clBlue) {
                    const bool onAxis = std::abs(x - centre.X) <= 2 || std::abs(y - centre.Y) <= 2;
                    (onAxis ? quarter : hour) = true;
                }
            }
        // The number 3 sits left of the 3 o'clock mark.
        bool number = false;
        for (int x = centre.X + 40; x < centre.X + 72; ++x)
            for (int y = centre.Y - 6; y <= centre.Y + 6; ++y)
                number =
                    number || (picture.Pixel(x, y) != clWhite && picture.Pixel(x, y) != clBlue);
        EXPECT_EQ(minute, c.Minutes) << c.Marks;
        EXPECT_EQ(hour, c.Hours) << c.Marks;
        EXPECT_EQ(quarter, c.Quarters) << c.Marks;
        EXPECT_EQ(number, c.Numbers) << c.Marks;
    }
}
