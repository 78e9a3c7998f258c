#include "grid/foundation/EnumFormats.h"
#include "grid/foundation/GridDragBlocks.h"
#include "platform/core/Exception.h"
#include "platform/ui/DragBlocks.h"

#include <gtest/gtest.h>

#include <string>

using namespace std::string_literals;

namespace {

std::vector<std::string> Names(const TStringList& list) {
    return std::vector<std::string>(list.begin(), list.end());
}

} // namespace

TEST(EnumFormats, ReadsEveryFormatOfAGoodDataObject) {
    TDragDataObject data;
    data.SetData(DragFormat::UnicodeText, UnicodeTextBlock("a\tb"));
    data.SetData(CFSTR_RTF, AnsiTextBlock("{\\rtf1 \xC3\xA9}"));
    data.SetData(CFSTR_GRIDCOLUMN, GridColumnBlock(4));
    data.SetData(CFSTR_GRIDCELLS, *GridCellsBlock("cells"));
    data.SetData(DragFormat::FileDrop, FileDropBlock({"/tmp/a", "/tmp/b"}));
    data.SetData(CFSTR_URL, AnsiTextBlock("https://example.invalid"));

    TEnumFormats formats(&data);
    EXPECT_TRUE(formats.HasText());
    EXPECT_TRUE(formats.HasRTF());
    EXPECT_TRUE(formats.HasCol());
    EXPECT_TRUE(formats.HasGridCells());
    EXPECT_TRUE(formats.HasFile());
    EXPECT_TRUE(formats.HasURL());
    EXPECT_EQ(formats.Text(), "a\tb");
    EXPECT_EQ(formats.RTF(), "{\\rtf1 \xC3\xA9}");
    EXPECT_EQ(formats.Col(), 4);
    EXPECT_EQ(formats.Stream(), "cells");
    ASSERT_TRUE(formats.ReadFiles());
    EXPECT_EQ(Names(formats.Files()), (std::vector<std::string>{"/tmp/a", "/tmp/b"}));
}

TEST(EnumFormats, EnumeratesInOrderAndStaysOnAFoundFormat) {
    TDragDataObject data;
    data.SetData(DragFormat::Text, AnsiTextBlock("t"));
    data.SetData(CFSTR_GRIDCOLUMN, GridColumnBlock(1));
    TEnumFormats formats(&data);
    EXPECT_FALSE(formats.Valid());
    ASSERT_TRUE(formats.Next());
    EXPECT_EQ(formats.Format(), CF_TEXT);
    EXPECT_EQ(formats.FormatEtc(), (TFormatEtc{CF_TEXT, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}));
    ASSERT_TRUE(formats.Next());
    EXPECT_EQ(formats.Format(), CF_GRIDCOLUMN());
    EXPECT_FALSE(formats.Next());
    EXPECT_FALSE(formats.Valid());
    EXPECT_EQ(formats.Count(), 3);
    EXPECT_EQ(formats.GlobalHandle(), nullptr);

    ASSERT_TRUE(formats.HasFormat(CF_TEXT));
    ASSERT_NE(formats.GlobalHandle(), nullptr);
    EXPECT_EQ(*formats.GlobalHandle(), "t\0"s);
    EXPECT_EQ(formats.Handle(4), nullptr) << "not offered in another medium";
    EXPECT_FALSE(formats.HasFormat(CF_UNICODETEXT)) << "single-byte text is not Unicode text";
    EXPECT_EQ(formats.Text(), "");
}

TEST(EnumFormats, MissingDataObjectCannotBeEnumerated) {
    try {
        TEnumFormats formats(nullptr);
        FAIL() << "no exception";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message, "Cannot get the format enumerator");
    }
}

// Blocks dropped by another program: each reads as absent or cut at the block's end, and no read
// goes past it (the sanitizers watch).
TEST(EnumFormats, BadBlocksReadAsAbsentOrEndWithTheBlock) {
    struct Case {
        const char* Name;
        const char* Format;
        std::string Block;
        std::string Text;
        int Col;
        std::optional<std::string> Stream;
        std::vector<std::string> Files;
    };
    const Case cases[] = {
        {"empty Unicode text", DragFormat::UnicodeText, ""s, "", -1, std::nullopt, {}},
        {"Unicode text without NUL",
         DragFormat::UnicodeText,
         "h\0i\0!"s,
         "hi",
         -1,
         std::nullopt,
         {}},
        {"column cut short", CFSTR_GRIDCOLUMN, "\x01\0"s, "", -1, std::nullopt, {}},
        {"cells count past the end",
         CFSTR_GRIDCELLS,
         "\x09\0\0\0\0\0\0\0abc"s,
         "",
         -1,
         std::nullopt,
         {}},
        {"cells header cut short", CFSTR_GRIDCELLS, "\x00\0\0\0"s, "", -1, std::nullopt, {}},
        {"cells count's high half set",
         CFSTR_GRIDCELLS,
         "\x01\0\0\0\xFF\xFF\xFF\xFF"
         "a"s,
         "",
         -1,
         std::nullopt,
         {}},
        {"file list header cut short",
         DragFormat::FileDrop,
         "\x14\0\0\0"s,
         "",
         -1,
         std::nullopt,
         {}},
        {"file list offset past the end",
         DragFormat::FileDrop,
         "\xFF\xFF\xFF\x7F"s + std::string(16, '\0') + "a\0\0\0"s,
         "",
         -1,
         std::nullopt,
         {}},
        {"file name without NUL",
         DragFormat::FileDrop,
         FileDropBlock({"/a", "/b"}).substr(0, 20 + 6 + 3),
         "",
         -1,
         std::nullopt,
         {"/a"}},
    };
    for (const Case& c : cases) {
        TDragDataObject data;
        data.SetData(c.Format, c.Block);
        TEnumFormats formats(&data);
        EXPECT_EQ(formats.Text(), c.Text) << c.Name;
        EXPECT_EQ(formats.Col(), c.Col) << c.Name;
        EXPECT_EQ(formats.Stream(), c.Stream) << c.Name;
        EXPECT_EQ(formats.ReadFiles(), !c.Files.empty()) << c.Name;
        EXPECT_EQ(Names(formats.Files()), c.Files) << c.Name;
    }
}
