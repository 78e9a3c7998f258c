// The column settings stream: a component image of every column item's settings, read back
// into the items without changing the grid's columns.
#include "grid/stringgrid/ComponentImage.h"
#include "grid/stringgrid/ExCGrid.h"
#include "grid/stringgrid/GridStrings.h"

#include "platform/ui/Menus.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace std::string_literals;

std::string ShortString(const std::string& text) {
    return std::string(1, static_cast<char>(text.size())) + text;
}

std::string SavedColumns(TExColumnGrid& grid) {
    std::string stream;
    grid.SaveColumnsToStream(stream);
    return stream;
}

std::vector<std::string> Names(const TExColumnGrid& grid) {
    std::vector<std::string> names;
    for (int i = 0; i < grid.Columns()->Count(); ++i)
        names.push_back(grid.Columns()->GetItem(i)->Name);
    return names;
}

TEST(ExCGridStream, TheImageHoldsTheItemsAsACollectionOfLists) {
    TExColumnGrid grid(nullptr);
    grid.SetColCount(2);
    const std::string stream = SavedColumns(grid);
    const std::string start = "TPF0"s + ShortString("TExColumnGridIO") + '\0' +
                              ShortString("Items") + '\x0E' + '\x01' + ShortString("AutoMinSize") +
                              '\x02' + '\0';
    EXPECT_EQ(stream.substr(0, start.size()), start);
    // End of the last item, of the collection, of the properties and of the child list.
    EXPECT_EQ(stream.substr(stream.size() - 4), std::string(4, '\0'));
    EXPECT_EQ(stream.find("PrintBorderCustom"), std::string::npos) << "written only when false";
    EXPECT_EQ(stream.find("DefIdx"), std::string::npos);
    EXPECT_NE(stream.find(ShortString("Font.Color")), std::string::npos);
    EXPECT_NE(stream.find(ShortString("BorderPen.Width")), std::string::npos);
}

TEST(ExCGridStream, TextsTakeTheSmallestTagThatHoldsThem) {
    struct Case {
        std::string text;
        TValueType expected;
    } cases[] = {
        {"Name", vaString},
        {std::string(300, 'x'), vaLString},
        {"caf\xC3\xA9", vaUTF8String},
        {"\xE6\x97\xA5\xE6\x9C\xAC", vaWString},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TComponentImageWriter::TextValueType(c.text), c.expected) << c.text;
        std::string image;
        TComponentImageWriter(image).WriteText(c.text);
        TComponentImageReader reader(image, 0);
        EXPECT_EQ(reader.ReadText(), c.text);
        EXPECT_EQ(reader.Position(), image.size());
    }
}

TEST(ExCGridStream, ColoursAreWrittenByNameWhenTheyHaveOne) {
    struct Case {
        TColor color;
        std::string bytes;
    } cases[] = {
        {clYellow, "\x07"s + ShortString("clYellow")},
        {clNone, "\x07"s + ShortString("clNone")},
        {0x123456, "\x04\x56\x34\x12\x00"s},
        {static_cast<TColor>(100), "\x02\x64"s},
    };
    for (const Case& c : cases) {
        std::string image;
        TComponentImageWriter(image).WriteColor(c.color);
        EXPECT_EQ(image, c.bytes);
        TComponentImageReader reader(image, 0);
        EXPECT_EQ(reader.ReadColor(), c.color);
    }
}

TEST(ExCGridStream, SettingsComeBackIntoAnotherGridsItems) {
    TExColumnGrid source(nullptr);
    source.SetColCount(3);
    TGridColumnItem* item = source.Columns()->GetItem(2);
    item->SetHeader("Caf\xC3\xA9");
    item->Name = "price";
    item->SetEditor(edComboList);
    item->ComboItems()->Add("one");
    item->ComboItems()->Add("");
    item->CheckTrue = "J";
    item->SetAlignment(taRightJustify);
    item->SetBorders(TCellBorders{cbLeft, cbBottom});
    item->BorderPen()->SetWidth(2);
    item->SetColor(0x123456);
    item->Font()->SetStyle(TFontStyles{fsBold});
    item->HeaderFont()->SetColor(clRed);
    item->SortStyle = ssNumeric;
    item->SpinMin = -300;
    item->SpinMax = 70000;
    item->ReadOnly = true;
    item->PrintFontCustom = false;
    item->ColumnPopupType = cpNormalCellsLClick;
    item->SetWidth(88);
    const std::string stream = SavedColumns(source);

    TExColumnGrid target(nullptr);
    target.SetColCount(3);
    target.LoadColumnsFromStream(stream);

    const TGridColumnItem* loaded = target.Columns()->GetItem(2);
    EXPECT_EQ(loaded->Header(), "Caf\xC3\xA9");
    EXPECT_EQ(loaded->Name, "price");
    EXPECT_EQ(loaded->Editor(), edComboList);
    EXPECT_EQ(loaded->ComboItems()->Text(), "one\n");
    EXPECT_EQ(loaded->CheckTrue, "J");
    EXPECT_EQ(loaded->Alignment(), taRightJustify);
    EXPECT_EQ(loaded->Borders(), (TCellBorders{cbLeft, cbBottom}));
    EXPECT_EQ(loaded->BorderPen()->Width(), 2);
    EXPECT_EQ(loaded->Color(), 0x123456);
    EXPECT_EQ(loaded->Font()->Style(), TFontStyles{fsBold});
    EXPECT_EQ(loaded->HeaderFont()->Color(), clRed);
    EXPECT_EQ(loaded->SortStyle, ssNumeric);
    EXPECT_EQ(loaded->SpinMin, -300);
    EXPECT_EQ(loaded->SpinMax, 70000);
    EXPECT_TRUE(loaded->ReadOnly);
    EXPECT_EQ(loaded->StoredWidth(), 88);
    EXPECT_EQ(target.ColumnHeaders()->Lines()[2], "Caf\xC3\xA9");
    // Assign leaves these three alone; the stream must not lose them.
    EXPECT_FALSE(loaded->PrintFontCustom);
    EXPECT_EQ(loaded->ColumnPopupType, cpNormalCellsLClick);
    EXPECT_EQ(target.ColWidths(2), target.DefaultColWidth()) << "the grid keeps its widths";
}

TEST(ExCGridStream, AnEmptyCheckTextIsKeptRatherThanReadBackAsTheInitialOne) {
    TExColumnGrid source(nullptr);
    source.SetColCount(2);
    source.Columns()->GetItem(1)->CheckFalse = "";
    TExColumnGrid target(nullptr);
    target.SetColCount(2);
    target.LoadColumnsFromStream(SavedColumns(source));
    EXPECT_EQ(target.Columns()->GetItem(1)->CheckFalse, "");
    EXPECT_EQ(target.Columns()->GetItem(1)->CheckTrue, "Y");
}

TEST(ExCGridStream, LoadingKeepsOneItemPerColumnOfTheGrid) {
    TExColumnGrid source(nullptr);
    source.SetColCount(5);
    source.Columns()->GetItem(1)->Name = "b";
    const std::string stream = SavedColumns(source);
    for (int columns : {3, 7}) {
        TExColumnGrid target(nullptr);
        target.SetColCount(columns);
        target.LoadColumnsFromStream(stream);
        EXPECT_EQ(target.ColCount(), columns);
        EXPECT_EQ(target.Columns()->Count(), columns);
        EXPECT_EQ(target.Columns()->GetItem(1)->Name, "b");
    }
}

TEST(ExCGridStream, APopupReferenceIsFoundAmongTheOwnersComponents) {
    TComponent form(nullptr);
    auto* menu = new TPopupMenu(&form);
    menu->SetName("ColumnMenu");
    auto* grid = new TExColumnGrid(&form);
    grid->Columns()->GetItem(1)->ColumnPopup = menu;
    const std::string stream = SavedColumns(*grid);
    grid->Columns()->GetItem(1)->ColumnPopup = nullptr;
    grid->LoadColumnsFromStream(stream);
    EXPECT_EQ(grid->Columns()->GetItem(1)->ColumnPopup, menu);
}

TEST(ExCGridStream, ConsecutiveImagesAreReadOneAfterTheOther) {
    TExColumnGrid grid(nullptr);
    grid.SetColCount(2);
    grid.Columns()->GetItem(1)->Name = "first";
    std::string stream = SavedColumns(grid);
    const size_t firstSize = stream.size();
    grid.Columns()->GetItem(1)->Name = "second";
    grid.SaveColumnsToStream(stream);

    size_t position = 0;
    grid.LoadColumnsFromStream(stream, position);
    EXPECT_EQ(position, firstSize);
    EXPECT_EQ(grid.Columns()->GetItem(1)->Name, "first");
    grid.LoadColumnsFromStream(stream, position);
    EXPECT_EQ(position, stream.size());
    EXPECT_EQ(grid.Columns()->GetItem(1)->Name, "second");
}

TEST(ExCGridStream, AStreamThatCannotBeReadChangesNothingAndLeavesTheGridInStep) {
    TExColumnGrid source(nullptr);
    source.SetColCount(3);
    source.Columns()->GetItem(1)->Name = "other";
    const std::string good = SavedColumns(source);
    std::string unknown = good;
    const std::string tagName = ShortString("Tag");
    unknown.replace(unknown.find(tagName), tagName.size(), ShortString("Tog"));

    struct Case {
        const char* name;
        std::string stream;
        std::string message;
    } cases[] = {
        {"no signature", "TPF1" + good.substr(4), "Invalid stream format"},
        {"another class", "TPF0"s + ShortString("TGridCellIO") + good.substr(20),
         "Invalid stream format"},
        {"cut short", good.substr(0, good.size() / 2), "Stream read error"},
        {"unknown property", unknown, "Property Tog does not exist"},
        {"empty", "", "Stream read error"},
    };
    for (const Case& c : cases) {
        TExColumnGrid grid(nullptr);
        grid.SetColCount(3);
        grid.Columns()->GetItem(1)->Name = "kept";
        try {
            grid.LoadColumnsFromStream(c.stream);
            ADD_FAILURE() << c.name << ": no error";
        } catch (const EReadError& error) {
            EXPECT_EQ(error.Message, c.message) << c.name;
        }
        EXPECT_EQ(Names(grid), (std::vector<std::string>{"", "kept", ""})) << c.name;
        // Still in step both ways.
        grid.SetColCount(4);
        EXPECT_EQ(grid.Columns()->Count(), 4) << c.name;
        grid.Columns()->Add();
        EXPECT_EQ(grid.ColCount(), 5) << c.name;
    }
}

TEST(ExCGridStream, EveryCutOfAnImageIsRefused) {
    TExColumnGrid source(nullptr);
    source.SetColCount(2);
    source.Columns()->GetItem(1)->ComboItems()->Add("x");
    const std::string good = SavedColumns(source);
    for (size_t length = 0; length < good.size(); ++length) {
        TExColumnGrid grid(nullptr);
        grid.SetColCount(2);
        EXPECT_THROW(grid.LoadColumnsFromStream(std::string_view(good).substr(0, length)),
                     EReadError)
            << length;
    }
}

} // namespace
