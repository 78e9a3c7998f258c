#include "DropRTFSetting.h"

#include "grid/foundation/GridDragBlocks.h"
#include "grid/foundation/SourceDataObject.h"

#include <gtest/gtest.h>

#include <string>

using namespace std::string_literals;

namespace {

std::vector<TClipboardFormat> Enumerated(TSourceEnumFormatEtc& enumerator) {
    std::vector<TFormatEtc> formats;
    enumerator.Next(100, formats);
    std::vector<TClipboardFormat> numbers;
    for (const TFormatEtc& format : formats) {
        EXPECT_EQ(format.dwAspect, DVASPECT_CONTENT);
        EXPECT_EQ(format.lindex, -1);
        EXPECT_EQ(format.tymed, TYMED_HGLOBAL);
        numbers.push_back(format.cfFormat);
    }
    return numbers;
}

} // namespace

TEST(SourceEnumFormatEtc, ListsTextFormatsThenColumnAndCellsWhenHeld) {
    struct Case {
        bool Col;
        bool Cells;
        std::vector<TClipboardFormat> Formats;
    };
    const Case cases[] = {
        {false, false, {CF_TEXT, CF_UNICODETEXT, CF_RTF()}},
        {true, false, {CF_TEXT, CF_UNICODETEXT, CF_RTF(), CF_GRIDCOLUMN()}},
        {false, true, {CF_TEXT, CF_UNICODETEXT, CF_RTF(), CF_GRIDCELLS()}},
        {true, true, {CF_TEXT, CF_UNICODETEXT, CF_RTF(), CF_GRIDCOLUMN(), CF_GRIDCELLS()}},
    };
    for (const Case& c : cases) {
        TSourceEnumFormatEtc enumerator(c.Col, c.Cells);
        EXPECT_EQ(Enumerated(enumerator), c.Formats) << c.Col << c.Cells;
    }
}

TEST(SourceEnumFormatEtc, NextSkipResetAndCloneKeepThePosition) {
    TSourceEnumFormatEtc enumerator(true, false); // four formats
    std::vector<TFormatEtc> formats;
    uint32_t fetched = 0;
    EXPECT_EQ(enumerator.Next(1, formats, &fetched), S_OK);
    EXPECT_EQ(fetched, 1u);
    EXPECT_EQ(enumerator.Skip(1), S_OK);

    std::unique_ptr<TSourceEnumFormatEtc> clone = enumerator.Clone();
    EXPECT_EQ(clone->Next(5, formats, &fetched), S_FALSE) << "fewer left than asked";
    EXPECT_EQ(fetched, 2u);
    ASSERT_EQ(formats.size(), 3u);
    EXPECT_EQ(formats[1].cfFormat, CF_RTF());
    EXPECT_EQ(formats[2].cfFormat, CF_GRIDCOLUMN());

    EXPECT_EQ(enumerator.Skip(2), S_OK) << "to the end exactly";
    EXPECT_EQ(enumerator.Next(1, formats, &fetched), S_FALSE);
    EXPECT_EQ(fetched, 0u);
    EXPECT_EQ(enumerator.Reset(), S_OK);
    EXPECT_EQ(enumerator.Skip(5), S_FALSE);
    EXPECT_EQ(enumerator.Next(1, formats, &fetched), S_FALSE) << "Skip past the end stays there";
    EXPECT_EQ(enumerator.Reset(), S_OK);
    EXPECT_EQ(enumerator.Next(1, formats), S_OK);
    EXPECT_EQ(formats.back().cfFormat, CF_TEXT);
}

TEST(SourceDataObject, GivesEachHeldFormatInItsByteLayout) {
    DropRTFSetting rtf(true);
    const std::string cells(100, 'c');
    TSourceDataObject data("K\xC3\xA4se", "{\\rtf1 \xC3\xA4}", -1, &cells);
    struct Case {
        TClipboardFormat Format;
        std::string Block;
    };
    const Case cases[] = {
        {CF_TEXT, "K\xE4se\0"s},
        {CF_UNICODETEXT, "K\0\xE4\0s\0e\0\0\0"s},
        {CF_RTF(), "{\\rtf1 \xE4}\0"s},
        {CF_GRIDCELLS(), "\x64\0\0\0\0\0\0\0"s + cells},
    };
    for (const Case& c : cases) {
        std::string block = "stale";
        EXPECT_EQ(data.QueryGetData({c.Format}), S_OK) << c.Format;
        EXPECT_EQ(data.GetData({c.Format}, block), S_OK) << c.Format;
        EXPECT_EQ(block, c.Block) << c.Format;
    }
    std::string block = "stale";
    EXPECT_EQ(data.GetData({CF_GRIDCOLUMN()}, block), DV_E_FORMATETC);
    EXPECT_EQ(block, "") << "the medium is cleared";
}

TEST(SourceDataObject, RefusesFormatsItDoesNotHold) {
    const std::string cells = "c";
    struct Case {
        const char* Name;
        TSourceDataObject Data;
        bool RTFEnabled;
        TFormatEtc Format;
    };
    const Case cases[] = {
        {"column drag asked for text", {"", "", 2, nullptr}, true, {CF_TEXT}},
        {"column drag asked for Unicode text", {"", "", 2, nullptr}, true, {CF_UNICODETEXT}},
        {"column drag asked for cells", {"", "", 2, nullptr}, true, {CF_GRIDCELLS()}},
        {"text drag asked for the column", {"t", "r", -1, &cells}, true, {CF_GRIDCOLUMN()}},
        {"RTF while RTF is off", {"t", "r", -1, nullptr}, false, {CF_RTF()}},
        {"RTF without text", {"", "r", -1, nullptr}, true, {CF_RTF()}},
        {"another aspect", {"t", "r", -1, nullptr}, true, {CF_TEXT, 4}},
        {"another medium", {"t", "r", -1, nullptr}, true, {CF_TEXT, DVASPECT_CONTENT, -1, 2}},
        {"unknown format", {"t", "r", -1, nullptr}, true, {CF_HDROP}},
    };
    for (const Case& c : cases) {
        DropRTFSetting rtf(c.RTFEnabled);
        std::string block;
        EXPECT_EQ(c.Data.QueryGetData(c.Format), DV_E_FORMATETC) << c.Name;
        EXPECT_EQ(c.Data.GetData(c.Format, block), DV_E_FORMATETC) << c.Name;
    }
}

TEST(SourceDataObject, ColumnDragListsTextFormatsButOffersOnlyTheColumn) {
    TSourceDataObject data("", "", 5, nullptr);
    std::unique_ptr<TSourceEnumFormatEtc> enumerator;
    ASSERT_EQ(data.EnumFormatEtc(DATADIR_GET, enumerator), S_OK);
    EXPECT_EQ(Enumerated(*enumerator).front(), CF_TEXT);
    EXPECT_EQ(data.EnumFormatEtc(2, enumerator), E_NOTIMPL) << "only for getting data";

    TDragDataObject dragged = data.ToDragDataObject();
    EXPECT_EQ(dragged.Formats(), (std::vector<std::string>{CFSTR_GRIDCOLUMN}));
    EXPECT_EQ(*dragged.Data(CFSTR_GRIDCOLUMN), "\x05\0\0\0"s);
}

TEST(SourceDataObject, EmptyRTFTextStillGivesALoneNul) {
    DropRTFSetting rtf(true);
    TSourceDataObject data("t", "", -1, nullptr);
    std::string block;
    ASSERT_EQ(data.GetData({CF_RTF()}, block), S_OK);
    EXPECT_EQ(block, "\0"s);
    EXPECT_EQ(data.ToDragDataObject().Formats(),
              (std::vector<std::string>{DragFormat::Text, DragFormat::UnicodeText, CFSTR_RTF}));
}
