// The binary grid stream: cells with their properties and graphics, saved and loaded.
#include "ExGridTestGrid.h"
#include "IcoFile.h"

#include "grid/foundation/FilePicture.h"
#include "grid/foundation/IntList.h"
#include "grid/stringgrid/CellGraphic.h"
#include "grid/stringgrid/ComponentImage.h"
#include "platform/core/StringList.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Icon.h"
#include "platform/ui/Image.h"

#include <gtest/gtest.h>

namespace {

using IcoFiles::IcoFile;
using IcoFiles::Put;

const std::vector<std::string> StreamHardTexts = {"plain",
                                            "",
                                            "b,c",
                                            "d\"e",
                                            "x\r\ny",
                                            "bare\nlf",
                                            "bare\rcr",
                                            "tab\there",
                                            "Grüße, 東京",
                                            std::string(300, 'L'),
                                            std::string("nul\0x", 5),
                                            "éé"};

// Every cell's text, and the counts: what a failed load must leave alone.
std::vector<std::string> Snapshot(TExStringGrid& grid) {
    std::vector<std::string> out{std::to_string(grid.ColCount()) + "x" +
                                 std::to_string(grid.RowCount())};
    for (int r = 0; r < grid.RowCount(); ++r)
        for (int c = 0; c < grid.ColCount(); ++c)
            out.push_back(grid.Cells(c, r));
    return out;
}

void FillHardTexts(TExStringGrid& grid) {
    grid.SetColCount(4);
    grid.SetRowCount(3);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 4; ++c)
            grid.SetCells(c, r, StreamHardTexts[(r * 4 + c) % StreamHardTexts.size()]);
}

TEST(ExGridStream, RoundTripsEveryHardText) {
    TTestExGrid source(nullptr);
    FillHardTexts(source);
    source.SetColWidths(2, 91);
    source.SetRowHeights(1, 33);
    std::string stream;
    source.SaveToBinStream(stream);

    TTestExGrid target(nullptr);
    target.SetColCount(9);
    target.SetCells(8, 0, "gone");
    target.LoadFromBinStream(stream);
    EXPECT_EQ(Snapshot(target), Snapshot(source));
    EXPECT_EQ(target.ColWidths(2), 91);
    EXPECT_EQ(target.RowHeights(1), 33);
}

TEST(ExGridStream, ChoosesTheSmallestTextAndColourForms) {
    struct Case {
        std::string Text;
        TValueType Tag;
    };
    const Case cases[] = {{"short", vaString},
                          {std::string(300, 'a'), vaLString},
                          {"café", vaUTF8String},
                          {"東京", vaWString}};
    for (const Case& c : cases) {
        TTestExGrid grid(nullptr);
        grid.SetColCount(1);
        grid.SetRowCount(1);
        grid.SetCells(0, 0, c.Text);
        std::string stream;
        grid.SaveToBinStream(stream);
        const size_t at = stream.find("\x04"
                                      "Cell");
        ASSERT_NE(at, std::string::npos) << c.Text;
        EXPECT_EQ(static_cast<TValueType>(stream[at + 5]), c.Tag) << c.Text;
    }
    TTestExGrid grid(nullptr);
    grid.SetColCount(1);
    grid.SetRowCount(1);
    grid.SetColors(0, 0, static_cast<TColor>(0x00123456));
    std::string stream;
    grid.SaveToBinStream(stream);
    EXPECT_NE(stream.find(std::string("\x19"
                                      "CellProperties.BrushColor\x04\x56\x34\x12\x00",
                                      31)),
              std::string::npos);
    EXPECT_NE(stream.find(std::string("\x1b"
                                      "CellProperties.BrushColorTo\x07\x06"
                                      "clNone")),
              std::string::npos);
}

TEST(ExGridStream, CarriesPropertiesMergedCellsAndTheObjectTagAsData) {
    TTestExGrid source(nullptr);
    source.SetColCount(4);
    source.SetRowCount(4);
    source.SetCells(1, 1, "merged");
    source.MergeCells(1, 1, 2, 2);
    source.SetColors(0, 0, clRed);
    source.SetFontColors(0, 0, static_cast<TColor>(0x00010203));
    TCellProperties* props = source.GetCellProperties(3, 0);
    props->SetFontStyle(TFontStyles{fsBold, fsStrikeOut});
    props->SetFontName("Verdana");
    props->SetFontSize(13);
    props->SetEditor(edComboList);
    props->SetReadOnly(true);
    props->SetAlignment(taCenter);
    props->SetVAlignment(vtaBottom);
    props->SetNodeLevel(3);
    // A tag of the application's: it must come back as the same number, never be followed.
    source.SetObjects(3, 3, 0xDEADBEEF);
    std::string stream;
    source.SaveToBinStream(stream);

    TTestExGrid target(nullptr);
    target.LoadFromBinStream(stream);
    EXPECT_EQ(target.Cells(2, 2), "merged");
    EXPECT_EQ(target.CellExt(1, 1).X, source.CellExt(1, 1).X);
    EXPECT_EQ(target.Colors(0, 0), clRed);
    EXPECT_EQ(target.FontColors(0, 0), static_cast<TColor>(0x00010203));
    const TCellProperties* read = target.GetCellProperties(3, 0);
    EXPECT_EQ(read->FontStyle(), (TFontStyles{fsBold, fsStrikeOut}));
    EXPECT_EQ(read->FontName(), "Verdana");
    EXPECT_EQ(read->FontSize(), 13);
    EXPECT_EQ(read->Editor(), edComboList);
    EXPECT_TRUE(read->ReadOnly());
    EXPECT_EQ(read->Alignment(), taCenter);
    EXPECT_EQ(read->VAlignment(), vtaBottom);
    EXPECT_EQ(read->NodeLevel(), 3);
    EXPECT_EQ(target.Objects(3, 3), 0xDEADBEEFu);
}

TEST(ExGridStream, CarriesCellGraphicsWithTheirPayloads) {
    TTestExGrid source(nullptr);
    source.SetColCount(6);
    source.SetRowCount(2);
    source.AddCheckBox(0, 0, true, false);
    TStringList* options = source.CreateRadio(1, 0, 1, 2);
    options->Add("one");
    options->Add("two, three");
    TBitmap* bitmap = source.CreateBitmap(2, 0, false, haCenter, vaBottom);
    bitmap->SetSize(3, 2);
    bitmap->Canvas()->SetPixel(1, 1, clRed);
    TPicture* picture = source.CreatePicture(3, 0, false, noStretch, 0, haLeft, vaTop);
    TBitmap green(2, 2);
    green.Canvas()->SetPixel(0, 0, clLime);
    picture->Assign(&green);
    TFilePicture* filePicture = source.CreateFilePicture(4, 0, false, noStretch, 0, haLeft, vaTop);
    EXPECT_ANY_THROW(filePicture->SetFilename("/x/pic.png")); // not there: the name is kept
    TCellGraphic* images = source.CreateCellGraphic(5, 0);
    images->CellType = ctImages;
    images->CellCreated = true;
    auto* indexes = new TIntList(5, 0);
    indexes->SetStrValue("4,0,17");
    images->CellBitmap = indexes;
    // A bitmap the grid does not own is not saved with the cell.
    TBitmap foreign(1, 1);
    source.AddBitmap(0, 1, &foreign, false, haLeft, vaTop);
    std::string stream;
    source.SaveToBinStream(stream);

    TTestExGrid target(nullptr);
    target.LoadFromBinStream(stream);
    EXPECT_EQ(target.GetCellType(0, 0), ctCheckBox);
    ASSERT_EQ(target.GetCellType(1, 0), ctRadio);
    const TStringList* readOptions = target.GetCellGraphic(1, 0)->CellStrings;
    ASSERT_NE(readOptions, nullptr);
    EXPECT_EQ(readOptions->Text(), "one\ntwo, three");
    EXPECT_EQ(target.GetCellGraphic(1, 0)->CellIndex, 2);
    const TBitmap* readBitmap = target.GetBitmap(2, 0);
    ASSERT_NE(readBitmap, nullptr);
    EXPECT_EQ(readBitmap->Width(), 3);
    EXPECT_EQ(readBitmap->Pixel(1, 1), clRed);
    EXPECT_EQ(target.GetCellGraphic(2, 0)->CellHAlign, haCenter);
    ASSERT_NE(target.GetPicture(3, 0), nullptr);
    EXPECT_EQ(target.GetPicture(3, 0)->Bitmap()->Pixel(0, 0), clLime);
    ASSERT_NE(target.GetFilePicture(4, 0), nullptr);
    EXPECT_EQ(target.GetFilePicture(4, 0)->Filename(), "/x/pic.png");
    const auto* readIndexes = dynamic_cast<TIntList*>(target.GetCellGraphic(5, 0)->CellBitmap);
    ASSERT_NE(readIndexes, nullptr);
    EXPECT_EQ(readIndexes->StrValue(), "4,0,17");
    EXPECT_EQ(target.GetCellType(0, 1), ctEmpty);
}

// A grid with an icon the grid owns at (1, 0) and an empty owned icon at (0, 1).
void FillIcons(TExStringGrid& grid, const std::string& Ico) {
    grid.SetColCount(2);
    grid.SetRowCount(2);
    auto* icon = new TIcon;
    EXPECT_TRUE(icon->LoadFromIcoBytes(Ico));
    grid.AddIcon(1, 0, icon, haRight, vaCenter);
    grid.GetCellGraphic(1, 0)->CellCreated = true;
    grid.AddIcon(0, 1, new TIcon, haLeft, vaTop);
    grid.GetCellGraphic(0, 1)->CellCreated = true;
    grid.SetCells(1, 0, "with icon");
}

TEST(ExGridStream, CarriesCellIconsAsTheirIcoFiles) {
    const std::string ico = IcoFile(3, 2, 0xFFFF0000);
    TTestExGrid source(nullptr);
    FillIcons(source, ico);
    // An icon the grid does not own is not saved with the cell.
    TIcon foreign;
    source.AddIcon(1, 1, &foreign, haLeft, vaTop);
    std::string stream;
    source.SaveToBinStream(stream);
    // The payload record holds the ICO file image as it is, without a length of its own.
    std::string record = std::string("TPF0\x0bTGridIconIO\x00\x09Icon.Data\x0a", 28);
    Put(record, static_cast<uint32_t>(ico.size()), 4);
    EXPECT_NE(stream.find(record + ico + std::string("\0\0", 2)), std::string::npos);
    // The empty icon's record has no property.
    EXPECT_NE(stream.find(std::string("TPF0\x0bTGridIconIO\x00\x00\x00", 19)),
              std::string::npos);

    struct Case {
        int Col, Row;
        TCellType Type;
        int Width, Height;
    };
    const Case cases[] = {{1, 0, ctIcon, 3, 2}, {0, 1, ctIcon, 0, 0}, {1, 1, ctEmpty, 0, 0}};
    TTestExGrid target(nullptr);
    target.LoadFromBinStream(stream);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.Col) + "," + std::to_string(c.Row));
        ASSERT_EQ(target.GetCellType(c.Col, c.Row), c.Type);
        if (c.Type != ctIcon)
            continue;
        const TCellGraphic* graphic = target.GetCellGraphic(c.Col, c.Row);
        const auto* icon = dynamic_cast<const TIcon*>(graphic->CellIcon);
        ASSERT_NE(icon, nullptr);
        EXPECT_TRUE(graphic->CellCreated); // the grid owns the icon it made
        EXPECT_EQ(icon->Width(), c.Width);
        EXPECT_EQ(icon->Height(), c.Height);
        EXPECT_EQ(icon->SaveToIcoBytes(), c.Width ? ico : std::string());
    }
    EXPECT_EQ(target.GetCellGraphic(1, 0)->CellHAlign, haRight);
    EXPECT_EQ(target.Cells(1, 0), "with icon");
    std::string again;
    target.SaveToBinStream(again);
    EXPECT_EQ(again.substr(again.find("TGridIconIO")), stream.substr(stream.find("TGridIconIO")));
}

TEST(ExGridStream, RefusesDamagedIconsAndChangesNothing) {
    const std::string ico = IcoFile(2, 2, 0xFF00FF00);
    TTestExGrid source(nullptr);
    FillIcons(source, ico);
    std::string good;
    source.SaveToBinStream(good);
    const size_t icoAt = good.find(ico);
    ASSERT_NE(icoAt, std::string::npos);
    // Each case patches Count bytes at Offset from the start of the ICO file.
    struct Case {
        const char* Why;
        long Offset;
        std::string Bytes;
    };
    const Case cases[] = {
        {"payload length past the stream's end", -4, std::string("\xff\xff\x00\x00", 4)},
        {"payload length too short for the directory", -4, std::string("\x05\x00\x00\x00", 4)},
        {"image length past the file's end", 14, std::string("\x00\x01\x00\x00", 4)},
        {"image length of 0", 14, std::string("\0\0\0\0", 4)},
        {"image offset inside the directory", 18, std::string("\x04\x00\x00\x00", 4)},
        {"image offset past the file's end", 18, std::string("\xff\xff\xff\xff", 4)},
        {"more images than the directory holds", 4, std::string("\x09\x00", 2)},
        {"no images", 4, std::string("\0\0", 2)},
        {"a cursor, not an icon", 2, std::string("\x02\x00", 2)},
        {"pixels of 3 bits", 36, std::string("\x03\x00", 2)},
    };
    for (const Case& c : cases) {
        std::string damaged = good;
        damaged.replace(icoAt + c.Offset, c.Bytes.size(), c.Bytes);
        TTestExGrid target(nullptr);
        target.SetColCount(2);
        target.SetRowCount(2);
        target.SetCells(1, 1, "keep");
        const auto before = Snapshot(target);
        EXPECT_THROW(target.LoadFromBinStream(damaged), EReadError) << c.Why;
        EXPECT_EQ(Snapshot(target), before) << c.Why;
        EXPECT_FALSE(target.HasCellProperties(1, 0)) << c.Why;
    }
}

TEST(ExGridStream, AnIconCellMeasuresAndPaintsItsIcon) {
    TTestExGrid grid(nullptr);
    grid.SetColCount(2);
    grid.SetRowCount(2);
    grid.SetDefaultColWidth(40);
    grid.SetDefaultRowHeight(20);
    grid.SetBounds(0, 0, 80, 40);
    grid.SetScrollBars(ssNone);
    TIcon icon;
    ASSERT_TRUE(icon.LoadFromIcoBytes(IcoFile(3, 2, 0xFF0000FF)));
    grid.AddIcon(1, 1, &icon, haLeft, vaTop);
    EXPECT_EQ(grid.GetCellGraphicSize(1, 1), (TPoint{3, 2}));
    TBitmap shot(grid.Width(), grid.Height());
    grid.PaintTo(shot.Canvas(), 0, 0);
    bool drawn = false;
    for (int y = 20; y < 40 && !drawn; ++y)
        for (int x = 40; x < 80 && !drawn; ++x)
            drawn = shot.Pixel(x, y) == TColor(0x00FF0000);
    EXPECT_TRUE(drawn) << "the icon's blue pixels are in its cell";
}

TEST(ExGridStream, ShowsAPictureStoredAsAnIcon) {
    const std::string ico = IcoFile(2, 3, 0xFFFF0000);
    TTestExGrid source(nullptr);
    source.SetColCount(1);
    source.SetRowCount(1);
    TPicture* picture = source.CreatePicture(0, 0, false, noStretch, 0, haLeft, vaTop);
    TBitmap placeholder(1, 1);
    picture->Assign(&placeholder);
    std::string stream;
    source.SaveToBinStream(stream);
    // The picture's payload replaced by the class name "TIcon" and an ICO file image.
    const size_t at = stream.find("\x0cPicture.Data\x0a") + 14;
    std::string payload = "\x05TIcon" + ico;
    std::string record;
    Put(record, static_cast<uint32_t>(payload.size()), 4);
    uint32_t oldSize = 0;
    for (int i = 3; i >= 0; --i)
        oldSize = (oldSize << 8) | static_cast<uint8_t>(stream[at + static_cast<size_t>(i)]);
    stream.replace(at, 4 + oldSize, record + payload);

    TTestExGrid target(nullptr);
    target.LoadFromBinStream(stream);
    ASSERT_NE(target.GetPicture(0, 0), nullptr);
    EXPECT_EQ(target.GetPicture(0, 0)->Width(), 2);
    EXPECT_EQ(target.GetPicture(0, 0)->Height(), 3);
    EXPECT_EQ(target.GetPicture(0, 0)->Bitmap()->Pixel(1, 1), clRed);
}

TEST(ExGridStream, PlacesAPartialRectangleAtThePoint) {
    TTestExGrid source(nullptr);
    FillHardTexts(source);
    std::string stream;
    source.SaveRectToBinStream(TRect{1, 1, 2, 2}, stream);
    stream += '\x7f'; // one stray byte after the last record is tolerated

    TTestExGrid target(nullptr);
    target.SetColCount(3);
    target.SetRowCount(3);
    target.LoadAtPointFromBinStream(TPoint{5, 2}, stream);
    EXPECT_EQ(target.Cells(5, 2), source.Cells(1, 1));
    EXPECT_EQ(target.Cells(6, 3), source.Cells(2, 2));
    // The grid grows to take the cells instead of dropping them.
    EXPECT_EQ(target.ColCount(), 7);
    EXPECT_EQ(target.RowCount(), 4);
}

TEST(ExGridStream, RefusesGridsTooLargeForItsSixteenBitIndexes) {
    TTestExGrid grid(nullptr);
    grid.SetColCount(2);
    grid.SetRowCount(65537);
    std::string stream = "kept";
    EXPECT_THROW(grid.SaveToBinStream(stream), ROvoVariRodev);
    EXPECT_EQ(stream, "kept");
    grid.SetRowCount(65536);
    EXPECT_THROW(grid.SaveToBinStream(stream), ROvoVariRodev);
    grid.SetRowCount(65535);
    EXPECT_NO_THROW(grid.SaveRectToBinStream(TRect{0, 65530, 1, 65534}, stream));
}

// A stream whose header is patched: Count replaces the header's RowCount.
std::string WithRowCount(const std::string& stream, int32_t rows) {
    std::string patched = stream;
    const size_t at = patched.find("\x08RowCount");
    std::string value;
    TComponentImageWriter(value).WriteInteger(rows);
    const size_t oldSize = patched[at + 9] == vaInt8 ? 2 : patched[at + 9] == vaInt16 ? 3 : 5;
    patched.replace(at + 9, oldSize, value);
    return patched;
}

TEST(ExGridStream, RefusesDamagedStreamsAndChangesNothing) {
    TTestExGrid source(nullptr);
    FillHardTexts(source);
    source.MergeCells(0, 0, 2, 1);
    std::string good;
    source.SaveToBinStream(good);
    std::string spans = good;
    const std::string spanName = "\x18"
                                 "CellProperties.CellSpanX\x02";
    const size_t spanAt = spans.find(spanName, spans.find(spanName) + 1);
    spans[spanAt + spanName.size()] = '\x05'; // a merged cell whose base lies outside the grid
    std::string outside = good;
    outside[outside.rfind("\x03"
                          "Col\x02") +
            5] = '\x09'; // last cell moved out of the rectangle
    std::string unknown = good;
    unknown.replace(unknown.find("HasProp"), 7, "HasPrup");

    struct Case {
        const char* Why;
        std::string Stream;
    };
    const Case cases[] = {
        {"empty", ""},
        {"no signature", "XPF0" + good.substr(4)},
        {"cut inside a record", good.substr(0, good.size() - 3)},
        {"two stray bytes", good + "ab"},
        {"65536 rows claimed", WithRowCount(good, 65536)},
        {"negative rows", WithRowCount(good, -1)},
        {"cell outside the rectangle", outside},
        {"merged span outside the grid", spans},
        {"unknown property", unknown},
    };
    for (const Case& c : cases) {
        TTestExGrid target(nullptr);
        target.SetColCount(2);
        target.SetRowCount(2);
        target.SetCells(1, 1, "keep");
        const auto before = Snapshot(target);
        EXPECT_THROW(target.LoadFromBinStream(c.Stream), EReadError) << c.Why;
        EXPECT_EQ(Snapshot(target), before) << c.Why;
        EXPECT_FALSE(target.HasCellProperties(0, 0)) << c.Why;
    }
}

} // namespace
