#include "grid/foundation/EsgHTMLE.h"
#include "grid/foundation/HTMLPicture.h"
#include "grid/foundation/PictureContainer.h"

#include "platform/ui/BiDiMode.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/PictureFixtures.h"
#include "tests/support/SystemLocaleReading.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

struct Options {
    int X = -1, Y = -1;
    bool CheckAnchor = false, CheckHeight = false, WordWrap = true, HoverUnderline = false;
    int HoverLink = -1;
    int BiDiMode = 0;
};

// One call of the renderer on a white bitmap, with the string grid's arguments.
struct Render {
    TBitmap Bitmap{320, 200};
    TPictureContainer* Container = nullptr;
    THTMLPictureCache* Cache = nullptr;
    std::string AnchorVal, StripVal, FocusAnchor, AnchorTitle, ControlID, ControlValue, ControlType;
    int XSize = 0, YSize = 0, HyperLinks = 0, MouseLink = 0;
    TRect HoverRect, ControlRect;
    bool Result = false;
    // The control a hit test asks for whatever the point.
    std::string AskedControlID;

    Render() {
        Bitmap.Canvas()->Font()->SetName("Tahoma");
        Bitmap.Canvas()->Font()->SetHeight(-11);
        Bitmap.Canvas()->Font()->SetColor(clBlack);
    }
    int Gh() { return Bitmap.Canvas()->TextHeight("gh"); }
    int Width(const std::string& text) { return Bitmap.Canvas()->TextWidth(text); }

    bool Run(const std::string& text, TRect area, const Options& o = {}) {
        ControlID = AskedControlID;
        Result = RenderHTML(Bitmap.Canvas(), text, area, nullptr, o.X, o.Y, -1, o.HoverLink, 1,
                            o.CheckAnchor, o.CheckHeight, false, false, true, o.HoverUnderline,
                            o.WordWrap, false, 0.0, clBlue, clNone, clNone, 0x808080, AnchorVal,
                            StripVal, FocusAnchor, AnchorTitle, XSize, YSize, HyperLinks, MouseLink,
                            HoverRect, ControlRect, ControlID, ControlValue, ControlType, Cache,
                            Container, nullptr, o.BiDiMode);
        return Result;
    }
    // Pixels that text or anything else drew on the white bitmap.
    int Inked(TRect r) { return r.Width() * r.Height() - CountPixels(clWhite, r); }
    int CountPixels(TColor color, TRect r) {
        int n = 0;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x)
                n += Bitmap.Pixel(x, y) == color;
        return n;
    }
};

const TRect wide{0, 0, 300, 180};

TEST(RenderHTML, EmptyTextMeasuresOneLineOfNothing) {
    Render r;
    EXPECT_FALSE(r.Run("", wide));
    EXPECT_EQ(r.XSize, 0);
    EXPECT_EQ(r.YSize, r.Gh());
    EXPECT_EQ(r.CountPixels(clWhite, wide), wide.Width() * wide.Height());
}

TEST(RenderHTML, MeasuresLinesOfMarkup) {
    Render r;
    struct Case {
        std::string Text;
        int Lines;
        std::string Strip;
    } cases[] = {
        {"plain text", 1, "plain text"},
        {"one<BR>two<br>three", 3, "one\rtwo\rthree"},
        {"a &lt;b&gt; &amp;&nbsp;c", 1,
         "a <b> &&"
         " c"},
        {"&amp;lt;x&amp;&amp;nbsp;", 1, "&&lt;x&&&&nbsp;"}, // a written ampersand stays one
        {"<UL><LI>one<LI>two</UL>", 3, "onetwo"},
        {"<P align=\"right\">x</P>y", 2, "xy"},
        {"text<HR>below", 2, "textbelow"},
        {"<Z>hidden</Z>shown", 1, "hiddenshown"},
    };
    for (const Case& c : cases) {
        r.Run(c.Text, wide, {.CheckHeight = true});
        EXPECT_EQ(r.YSize, c.Lines * r.Gh()) << c.Text;
        EXPECT_EQ(r.StripVal, c.Strip) << c.Text;
    }
    r.Run("<Z>hidden</Z>shown", wide, {.CheckHeight = true});
    EXPECT_EQ(r.XSize, r.Width("shown"));
    r.Run("<CONTROL TYPE=\"EDIT\" ID=\"e\" VALUE=\"v\">shown", wide, {.CheckHeight = true});
    EXPECT_EQ(r.XSize, r.Width("shown")); // no WIDTH: no room, nothing drawn
}

TEST(RenderHTML, WrapsAtBlanksAndPlacesOverlongWordsAlone) {
    Render r;
    int word = r.Width("word ");
    TRect narrow{0, 0, word * 2 + 4, 40};
    r.Run("word word word word", narrow, {.CheckHeight = true});
    EXPECT_EQ(r.YSize, 2 * r.Gh());
    r.Run("a unbreakablewordthatislongerthanthelineitself b", {0, 0, 60, 40},
          {.CheckHeight = true});
    EXPECT_EQ(r.YSize, 3 * r.Gh());
    EXPECT_EQ(r.StripVal, "a unbreakablewordthatislongerthanthelineitself b");
    EXPECT_GT(r.XSize, 60);
}

TEST(RenderHTML, WithoutWordWrapStaysOnOneLineAndStopsAfterTheOverflow) {
    Render r;
    TRect narrow{0, 0, r.Width("one two") + 2, 40};
    r.Run("one <U>two</U> three <S>four</S> five", narrow, {.WordWrap = false});
    EXPECT_EQ(r.YSize, r.Gh());
    EXPECT_EQ(r.StripVal, "one two three ");
}

TEST(RenderHTML, CheckHeightMeasuresBelowTheRectangle) {
    Render r;
    TRect shallow{0, 0, 300, r.Gh()};
    r.Run("1<BR>2<BR>3<BR>4", shallow, {.CheckHeight = true});
    EXPECT_EQ(r.YSize, 4 * r.Gh());
    r.Run("1<BR>2<BR>3<BR>4", shallow);
    EXPECT_EQ(r.YSize, r.Gh()); // drawing stops where the rectangle ends
}

TEST(RenderHTML, SubscriptAddsAQuarterOfTheRunBelowTheText) {
    Render r;
    r.Run("H<SUB>2</SUB>O", wide, {.CheckHeight = true});
    EXPECT_EQ(r.YSize, r.Gh() + r.Gh() / 4);
    r.Run("x<SUP>2</SUP>", wide, {.CheckHeight = true});
    EXPECT_EQ(r.YSize, r.Gh() + r.Gh() / 4);
}

TEST(RenderHTML, HitTestsAnchors) {
    Render r;
    std::string text = "go <A href=\"http://x\" title=\"The X\">link</A> end<BR>second";
    int linkLeft = 1 + r.Width("go ");
    int middleY = r.Gh() / 2 + 1;
    struct Case {
        int X, Y;
        bool Hit;
    } cases[] = {{linkLeft + 3, middleY, true},
                 {2, middleY, false},
                 {linkLeft + 3, r.Gh() + middleY, false},
                 {linkLeft + r.Width("link") + r.Width(" end"), middleY, false}};
    for (const Case& c : cases) {
        r.AnchorVal = "before";
        bool hit = r.Run(text, wide, {.X = c.X, .Y = c.Y, .CheckAnchor = true});
        EXPECT_EQ(hit, c.Hit) << c.X << "," << c.Y;
        EXPECT_EQ(r.MouseLink, c.Hit ? 1 : -1);
        EXPECT_EQ(r.AnchorVal, c.Hit ? "http://x" : "before");
        EXPECT_EQ(r.AnchorTitle, c.Hit ? "The X" : "");
        EXPECT_EQ(r.HyperLinks, 1);
        if (c.Hit) {
            EXPECT_EQ(r.HoverRect.Left, linkLeft);
            EXPECT_EQ(r.HoverRect.Right, linkLeft + r.Width("link"));
        }
    }
}

const std::string controlText = "Pick <CONTROL TYPE=\"CHECK\" ID=\"c1\" VALUE=\"TRUE\" "
                                "WIDTH=\"16\"> name <CONTROL TYPE=\"EDIT\" ID=\"e1\" "
                                "VALUE=\"abc\" WIDTH=\"60\">";

TEST(RenderHTML, HitTestsControlsByPointAndByID) {
    Render r;
    int editLeft = 1 + r.Width("Pick ") + 16 + r.Width(" name ");
    EXPECT_TRUE(r.Run(controlText, wide, {.X = editLeft + 5, .Y = 5, .CheckAnchor = true}));
    EXPECT_EQ(r.AnchorVal, "ctrl");
    EXPECT_EQ(r.ControlID, "e1");
    EXPECT_EQ(r.ControlValue, "abc");
    EXPECT_EQ(r.ControlType, "EDIT");
    EXPECT_EQ(r.ControlRect.Left, editLeft);
    EXPECT_EQ(r.ControlRect.Width(), 60);

    // A given ID is reported wherever the point is.
    r.AskedControlID = "c1";
    EXPECT_TRUE(r.Run(controlText, wide, {.X = 250, .Y = 150, .CheckAnchor = true}));
    EXPECT_EQ(r.ControlID, "c1");
    EXPECT_EQ(r.ControlValue, "TRUE");
    EXPECT_EQ(r.ControlRect.Width(), 16);

    r.AskedControlID.clear();
    EXPECT_FALSE(r.Run(controlText, wide, {.X = 250, .Y = 150, .CheckAnchor = true}));
    EXPECT_EQ(r.ControlRect, TRect{});
    EXPECT_EQ(r.ControlID, "");
}

TEST(RenderHTML, AlignedParagraphsAreHitWhereTheyAreDrawn) {
    Render r;
    std::string text = "<P align=\"right\"><A href=\"r\">link</A></P>";
    int linkLeft = wide.Right - r.Width("link");
    EXPECT_TRUE(r.Run(text, wide, {.X = linkLeft + 3, .Y = 5, .CheckAnchor = true}));
    EXPECT_EQ(r.HoverRect.Left, linkLeft);
    EXPECT_FALSE(r.Run(text, wide, {.X = 5, .Y = 5, .CheckAnchor = true}));

    r.Run(text, wide);
    EXPECT_GT(r.CountPixels(clBlue, {linkLeft, 0, wide.Right, r.Gh()}), 5);
    EXPECT_EQ(r.CountPixels(clBlue, {0, 0, linkLeft, r.Gh()}), 0);
}

TEST(RenderHTML, DrawsInTextControls) {
    Render r;
    r.Run(controlText, wide);
    int editLeft = 1 + r.Width("Pick ") + 16 + r.Width(" name ");
    // The edit box is white inside a grey frame, the value drawn in it.
    TColor frame = r.Bitmap.Pixel(editLeft, 10);
    EXPECT_TRUE(frame == TColor(0xB99D7F) || frame == TColor(0x808080)) << frame; // themed or not
    EXPECT_EQ(r.Bitmap.Pixel(editLeft + 58, 10), clWhite);
    EXPECT_GT(r.CountPixels(clBlack, {editLeft, 0, editLeft + 60, 30}), 5);
    // The check box holds a mark.
    int checkLeft = 1 + r.Width("Pick ");
    EXPECT_LT(r.CountPixels(clWhite, {checkLeft + 2, 0, checkLeft + 15, 30}), 13 * 30);
}

TEST(RenderHTML, TwoListItemsInOneLineStartASecondLine) {
    Render r;
    r.Run("<LI>one<LI>two", wide, {.CheckHeight = true});
    EXPECT_EQ(r.YSize, 2 * r.Gh());
}

TEST(RenderHTML, DrawsColoursAndRestoresTheCanvas) {
    Render r;
    r.Bitmap.Canvas()->Brush()->SetColor(clYellow);
    r.Bitmap.Canvas()->Pen()->SetColor(clGreen);
    r.Run("<FONT color=\"clred\" size=\"5\">RED</FONT> <B>black</B>", wide);
    EXPECT_GT(r.CountPixels(clRed, wide), 10);
    Render hex;
    hex.Run("<FONT color=\"#00ff00\">green</FONT>", wide);
    EXPECT_GT(hex.CountPixels(clLime, wide), 10);
    EXPECT_EQ(r.Bitmap.Canvas()->Font()->Color(), clBlack);
    EXPECT_EQ(r.Bitmap.Canvas()->Font()->Height(), -11);
    EXPECT_EQ(r.Bitmap.Canvas()->Brush()->Color(), clYellow);
    EXPECT_EQ(r.Bitmap.Canvas()->Pen()->Color(), clGreen);

    Render sized;
    sized.Run("<FONT size=3>x</FONT>", wide, {.CheckHeight = true});
    Render quoted;
    quoted.Run("<FONT size=\"3\">x</FONT>", wide, {.CheckHeight = true});
    EXPECT_EQ(sized.YSize, quoted.YSize);
    EXPECT_GT(sized.YSize, sized.Gh());
}

TEST(RenderHTML, HighlightRunsAndStrayClosingTags) {
    SetHighlightColors(clYellow, clRed);
    struct Case {
        std::string Text;
        TColor Color;
        bool Shown;
    } cases[] = {
        {"<HI>found</HI>", clYellow, true},
        {"<HI>found</HI>", clRed, true},
        // Nothing was highlighted, so nothing is given back: the text keeps its colour.
        {"<FONT color=\"clred\"></H1>still red</FONT>", clRed, true},
        {"plain", clYellow, false},
    };
    for (const Case& c : cases) {
        Render r;
        r.Run(c.Text, wide);
        EXPECT_EQ(r.CountPixels(c.Color, {0, 0, 100, r.Gh()}) > 0, c.Shown) << c.Text;
    }
    SetHighlightColors(clHighlight, clHighlightText);
}

TEST(RenderHTML, HoverUnderlineUnderlinesOnlyTheHoveredAnchor) {
    const std::string text = "<A href=\"a\">link</A>";
    auto underlinePixels = [&](bool hoverUnderline, int hoverLink) {
        Render r;
        r.Run(text, wide, {.HoverUnderline = hoverUnderline, .HoverLink = hoverLink});
        int gh = r.Gh();
        return r.CountPixels(clBlue, {0, gh - 3, 60, gh + 1});
    };
    int always = underlinePixels(false, -1);
    EXPECT_EQ(underlinePixels(true, 1), always);
    EXPECT_LT(underlinePixels(true, -1), always);
}

TEST(RenderHTML, PicturesFromContainerAndCache) {
    Render r;
    TPictureContainer container(nullptr);
    TPictureItem* item = container.Items()->Add();
    item->SetName("dot");
    item->Picture()->LoadFromBytes(
        PictureFixtures::Gif(20, 10, {PictureFixtures::GifFrame{0, 0, 20, 10, 0, 1}}));
    THTMLPictureCache cache;
    r.Container = &container;
    r.Cache = &cache;

    r.Run("a<IMG src=\"dot\">b", wide);
    EXPECT_EQ(r.XSize, r.Width("a") + 20 + r.Width("b"));
    EXPECT_EQ(r.YSize, std::max(10, r.Gh()));
    EXPECT_EQ(r.Bitmap.Pixel(1 + r.Width("a") + 5, 5), clRed);

    r.Run("<IMG src=\"DOT\" width=\"40\">", wide, {.CheckHeight = true});
    EXPECT_EQ(r.XSize, 40);
    EXPECT_EQ(r.YSize, std::max(20, r.Gh()));
    r.Run("<IMG src=\"unknown\">x", wide, {.CheckHeight = true});
    EXPECT_EQ(r.XSize, r.Width("x"));

    EXPECT_TRUE(r.Run("<A href=\"pic\"><IMG src=\"dot\"></A>", wide,
                      {.X = 8, .Y = 4, .CheckAnchor = true}));
    EXPECT_EQ(r.AnchorVal, "pic");

    // A URL the cache cannot load is added once and found again on the next paint. (An http
    // URL would start a download, which the picture store's own tests cover.)
    for (int paint = 0; paint < 3; ++paint)
        r.Run("<IMG src=\"ftp://127.0.0.1:9/none.png\">", wide);
    EXPECT_EQ(cache.Count(), 1);
}

TEST(RenderHTML, FirstTextOfALineStaysBehindItsBulletOrIndent) {
    Render r;
    const std::string word = "unbreakable";
    // The word alone fits the line, but not behind a bullet or an indent.
    TRect narrow{0, 0, r.Width(word) + 6, 100};
    struct Case {
        std::string Text;
        int Lines;
    } cases[] = {
        {"<UL><LI>" + word + "</UL>", 2}, // the list's own line, then bullet and word
        {"<IND x=\"40\">" + word, 1},
        {"<LI>a " + word, 2}, // behind a blank the line may break
    };
    for (const Case& c : cases) {
        r.Run(c.Text, narrow, {.CheckHeight = true});
        EXPECT_EQ(r.YSize, c.Lines * r.Gh()) << c.Text;
    }
}

TEST(RenderHTML, PictureAlignmentIsReadFromAlignOnly) {
    TPictureContainer container(nullptr);
    for (const char* name : {"top", "middle", "bar"}) {
        TPictureItem* item = container.Items()->Add();
        item->SetName(name);
        item->Picture()->LoadFromBytes(
            PictureFixtures::Gif(10, 40, {PictureFixtures::GifFrame{0, 0, 10, 40, 0, 1}}));
    }
    struct Case {
        std::string Image;
        bool TextAtTop;
    } cases[] = {
        {"<IMG src=\"top\">", false},
        {"<IMG src=\"middle\">", false},
        {"<IMG src=\"bar\" align=\"top\">", true},
        {"<IMG src=\"bar\">", false},
    };
    for (const Case& c : cases) {
        Render r;
        r.Container = &container;
        r.Run("WW" + c.Image, wide);
        int textInTopHalf = r.Inked({0, 0, r.Width("WW") + 1, 20});
        EXPECT_EQ(textInTopHalf > 0, c.TextAtTop) << c.Image;
    }
}

TEST(RenderHTML, HugeSizesInTheMarkupStayWithinBounds) {
    Render r;
    const std::string wideEdit = "<CONTROL TYPE=\"EDIT\" ID=\"e\" WIDTH=\"999999999\">";
    r.Run(wideEdit + wideEdit + wideEdit, wide, {.CheckHeight = true, .WordWrap = false});
    EXPECT_EQ(r.XSize, 3 * 32767);
    const std::string tall = "<CONTROL TYPE=\"EDIT\" ID=\"t\" WIDTH=\"9\" HEIGHT=\"999999999\">";
    r.Run(tall + "<BR>" + tall + "<BR>" + tall, wide, {.CheckHeight = true});
    EXPECT_EQ(r.YSize, 3 * (32767 - 2));
    // Drawn far out of the rectangle, these leave it untouched.
    for (const char* text : {"<P indent=\"99999999999\">x", "<UL><LI>y<IND x=\"999999999\">x"}) {
        Render drawn;
        drawn.Run(text, wide);
        EXPECT_EQ(drawn.Inked({40, 0, wide.Right, wide.Bottom}), 0) << text;
    }
}

TEST(RenderHTML, RotatedRunsTurnAboutTheirTopLeftCorner) {
    Render r;
    const int gh = r.Gh();
    const int top = 4 * gh; // the fifth line
    r.Run("<BR><BR><BR><BR><R a=\"90\">WWWW</R>", wide);
    int wordWidth = r.Width("WWWW");
    // Turned a quarter counter-clockwise, the word rises from its corner at (1, top).
    EXPECT_GT(r.Inked({0, top - wordWidth, gh + 2, top}), 20);
    EXPECT_EQ(r.Inked({gh + 2, top, 1 + wordWidth, top + gh}), 0);

    Render after;
    after.Run("<BR><BR><BR><BR><R a=\"90\">W</R> WWWW", wide);
    // The closing tag turns the text back.
    EXPECT_GT(after.Inked({gh + 2, top, 1 + wordWidth, top + gh}), 20);
}

TEST(RenderHTML, ErrorMarkRunsUnderTheShownTextOnly) {
    Render r;
    const TRect narrow{0, 0, 100, 40};
    r.Run("<E>a long marked text that runs far beyond the right edge</E>", narrow,
          {.WordWrap = false});
    EXPECT_GT(r.CountPixels(clRed, narrow), 20);
    EXPECT_EQ(r.CountPixels(clRed, {narrow.Right, 0, 320, 40}), 0);
}

TEST(RenderHTML, AnimationFramesLieWhereTheAnimationPutsThem) {
    TPictureContainer container(nullptr);
    TPictureItem* item = container.Items()->Add();
    item->SetName("anim");
    // A green screen, then a red square over its right half.
    item->Picture()->LoadFromBytes(
        PictureFixtures::Gif(20, 10,
                             {PictureFixtures::GifFrame{0, 0, 20, 10, 10, 2},
                              PictureFixtures::GifFrame{10, 0, 10, 10, 10, 1}}));
    item->Picture()->SetFrame(2);
    Render r;
    r.Container = &container;
    r.Run("<IMG src=\"anim\">", wide);
    EXPECT_EQ(r.Bitmap.Pixel(1 + 5, 5), clLime);
    EXPECT_EQ(r.Bitmap.Pixel(1 + 15, 5), clRed);
    EXPECT_EQ(r.Inked({1 + 20, 0, 60, 10}), 0); // the offset is not applied twice
}

} // namespace

// A list item's bullet is a dot that can be seen (the middle dot of a text font would be a
// speck), standing beside the item's small letters; a nested list's items show a ring.
TEST(RenderHTML, ListBulletsAreDrawnAtTheSizeOfTheText) {
    for (const std::string text : {"<UL><LI>item</UL>", "<UL><UL><LI>item</UL></UL>"}) {
        Render r;
        r.Run(text, wide);
        const int textLeft = r.XSize - r.Width("item");
        auto inkBox = [&](int from, int to, int& ink) {
            TRect box{300, 200, 0, 0};
            ink = 0;
            for (int y = 0; y < 40; ++y)
                for (int x = from; x < to; ++x)
                    if (r.Bitmap.Pixel(x, y) != clWhite) {
                        box = TRect{std::min(box.Left, x), std::min(box.Top, y),
                                    std::max(box.Right, x + 1), std::max(box.Bottom, y + 1)};
                        ++ink;
                    }
            return box;
        };
        int bulletInk = 0, textInk = 0;
        const TRect bullet = inkBox(0, textLeft, bulletInk);
        const TRect item = inkBox(textLeft, textLeft + r.Width("item"), textInk);
        EXPECT_GE(bulletInk, 6) << text;
        EXPECT_GE(bullet.Right - bullet.Left, 3) << text;
        EXPECT_GE(bullet.Bottom - bullet.Top, 3) << text;
        EXPECT_LE(bullet.Right, textLeft - 2) << text << ": before the item";
        // Between the top of the item's tall letters and their foot.
        EXPECT_GT(bullet.Top, item.Top) << text;
        EXPECT_LT(bullet.Bottom, item.Bottom + 1) << text;
    }
}

// System icons take their room in the line, small 16 and large 32 pixels square, and draw there:
// of an existing folder, of a file type by its extension, and of an index into the icon list.
TEST(RenderHTML, SystemIconsTakeRoomAndDraw) {
    struct Case {
        std::string Source;
        int Size;
    } cases[] = {
        {"SSYS:/tmp", 16},
        {"LSYS:/tmp", 32},
        {"ssys:no-such-report.txt", 16},
        {"LSYS:3", 32},
    };
    for (const Case& c : cases) {
        Render r;
        r.Run("<IMG src=\"" + c.Source + "\">x", wide, {.CheckHeight = true});
        EXPECT_EQ(r.XSize, c.Size + r.Width("x")) << c.Source;
        EXPECT_EQ(r.YSize, std::max(c.Size, r.Gh())) << c.Source;
        Render drawn;
        drawn.Run("<IMG src=\"" + c.Source + "\">", wide);
        TRect box{300, 200, 0, 0};
        for (int y = 0; y < 180; ++y)
            for (int x = 0; x < 300; ++x)
                if (drawn.Bitmap.Pixel(x, y) != clWhite)
                    box = TRect{std::min(box.Left, x), std::min(box.Top, y),
                                std::max(box.Right, x + 1), std::max(box.Bottom, y + 1)};
        // The icon fills its square but for the margins of its picture, and nothing beyond.
        EXPECT_LE(box.Left, c.Size / 4) << c.Source;
        EXPECT_LE(box.Top, c.Size / 4) << c.Source;
        EXPECT_LE(box.Right - box.Left, c.Size) << c.Source;
        EXPECT_GE(box.Right - box.Left, c.Size * 3 / 4) << c.Source;
        EXPECT_LE(box.Bottom, c.Size + 1) << c.Source;
        EXPECT_GE(box.Bottom - box.Top, c.Size / 2) << c.Source;
    }
}

namespace {

// Box of the pixels of one colour; an empty rectangle when there are none.
TRect ColourBox(const TBitmap& Bitmap, TColor Color, TRect Area) {
    TRect box{Area.Right, Area.Bottom, Area.Left, Area.Top};
    for (int y = Area.Top; y < Area.Bottom; ++y)
        for (int x = Area.Left; x < Area.Right; ++x)
            if (Bitmap.Pixel(x, y) == Color) {
                box.Left = std::min(box.Left, x);
                box.Top = std::min(box.Top, y);
                box.Right = std::max(box.Right, x + 1);
                box.Bottom = std::max(box.Bottom, y + 1);
            }
    return box.Left < box.Right ? box : TRect{};
}

} // namespace

// Under a bidirectional system locale a right-to-left mode orders the runs of a line from the
// right; mode 1 also moves a left-aligned line to the right edge. Links are hit where they are
// drawn. Elsewhere, or in mode 0, the line reads from the left.
TEST(RenderHTML, RightToLeftReadingOrdersRunsFromTheRight) {
    struct Case {
        const char* What;
        bool MiddleEast;
        int BiDiMode;
        bool Mirrored;
        bool AtRightEdge;
    };
    const Case cases[] = {
        {"left-to-right locale", false, bdRightToLeft, false, false},
        {"left-to-right mode", true, bdLeftToRight, false, false},
        {"right to left", true, bdRightToLeft, true, true},
        {"reading order only", true, bdRightToLeftReadingOnly, true, false},
    };
    // The blank ends the red run: read from the right it parts the two words all the same.
    const std::string text = "<font color=\"#FF0000\">Red </font><a href=\"go\">Link</a>";
    for (const Case& c : cases) {
        SystemLocaleReading locale(c.MiddleEast);
        Render r;
        Options o;
        o.BiDiMode = c.BiDiMode;
        r.Run(text, wide, o);
        const TRect red = ColourBox(r.Bitmap, clRed, wide);
        const TRect link = ColourBox(r.Bitmap, clBlue, wide);
        ASSERT_FALSE(red.IsEmpty()) << c.What;
        ASSERT_FALSE(link.IsEmpty()) << c.What;
        EXPECT_EQ(link.Right < red.Left, c.Mirrored) << c.What;
        EXPECT_EQ(red.Right < link.Left, !c.Mirrored) << c.What;
        const int lineRight = std::max(red.Right, link.Right);
        const int lineLeft = std::min(red.Left, link.Left);
        if (c.AtRightEdge)
            EXPECT_GT(lineRight, wide.Right - 12) << c.What;
        else
            EXPECT_LT(lineLeft, wide.Left + 12) << c.What;

        Render hit;
        o.CheckAnchor = true;
        o.X = (link.Left + link.Right) / 2;
        o.Y = (link.Top + link.Bottom) / 2;
        EXPECT_TRUE(hit.Run(text, wide, o)) << c.What;
        EXPECT_EQ(hit.AnchorVal, "go") << c.What;
        o.X = (red.Left + red.Right) / 2;
        EXPECT_FALSE(hit.Run(text, wide, o)) << c.What << ": the plain run is no link";
    }
}
