#include "platform/ui/Icon.h"

#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"

#include <QBuffer>
#include <QColor>
#include <QImage>

#include <gtest/gtest.h>

#include <string>

namespace {

std::string IcoWrittenByQt(int Width, int Height) {
    QImage image(Width, Height, QImage::Format_ARGB32);
    image.fill(QColor(0, 128, 255));
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, "ico"));
    return data.toStdString();
}

std::string Patched(std::string Bytes, size_t At, std::string_view With) {
    return Bytes.replace(At, With.size(), With);
}

TEST(Icon, KeepsTheIcoBytesAndRefusesDamagedFilesWithoutChange) {
    const std::string ico = IcoWrittenByQt(5, 3);
    TIcon icon;
    ASSERT_TRUE(icon.LoadFromIcoBytes(ico));
    EXPECT_EQ(icon.SaveToIcoBytes(), ico);
    EXPECT_EQ(icon.Width(), 5);
    EXPECT_EQ(icon.Height(), 3);

    struct Case {
        const char* Why;
        std::string Bytes;
    };
    const Case cases[] = {
        {"empty", ""},
        {"header only", ico.substr(0, 6)},
        {"cut inside the image", ico.substr(0, ico.size() - 1)},
        {"directory cut", ico.substr(0, 12)},
        {"image length past the end", Patched(ico, 14, std::string("\xff\xff\x00\x00", 4))},
        {"image offset past the end", Patched(ico, 18, std::string("\xff\xff\xff\x7f", 4))},
        {"a cursor", Patched(ico, 2, std::string("\x02\x00", 2))},
        {"a PNG file", std::string("\x89PNG\r\n\x1a\n", 8)},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(icon.LoadFromIcoBytes(c.Bytes)) << c.Why;
        EXPECT_EQ(icon.SaveToIcoBytes(), ico) << c.Why;
        EXPECT_EQ(icon.Width(), 5) << c.Why;
    }
    TIcon copy;
    copy.Assign(icon);
    EXPECT_EQ(copy.SaveToIcoBytes(), ico);
    EXPECT_EQ(copy.Height(), 3);
    copy.Clear();
    EXPECT_TRUE(copy.Empty());
    EXPECT_EQ(copy.Width(), 0);
}

} // namespace

namespace {

TEST(Icon, DrawsItsImageAtThePointGiven) {
    TIcon icon;
    ASSERT_TRUE(icon.LoadFromIcoBytes(IcoWrittenByQt(5, 3)));
    TBitmap target(20, 20);
    target.Canvas()->Brush()->SetColor(clWhite);
    target.Canvas()->FillRect(TRect{0, 0, 20, 20});
    icon.Draw(target.Canvas(), 4, 6);
    EXPECT_EQ(target.Pixel(4, 6), TColor(0x00FF8000));
    EXPECT_EQ(target.Pixel(8, 8), TColor(0x00FF8000));
    EXPECT_EQ(target.Pixel(9, 6), clWhite) << "the icon is 5 wide";
    EXPECT_EQ(target.Pixel(4, 9), clWhite) << "and 3 high";
    TIcon empty;
    empty.Draw(target.Canvas(), 0, 0);
    EXPECT_EQ(target.Pixel(0, 0), clWhite);
}

} // namespace
