// Visual properties and print settings kept in files: every setting goes out and comes back, a
// damaged file is refused whole and changes nothing, absent entries take their defaults.
#include "ExGridTestGrid.h"

#include "grid/stringgrid/BackGround.h"
#include "grid/stringgrid/ControlLook.h"
#include "grid/stringgrid/PrintSettings.h"
#include "platform/core/Exception.h"
#include "platform/core/IniFile.h"
#include "tests/platform/core/ScopedEnvironment.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

// The text with the value of line Name replaced, or the line dropped when Value is null.
std::string WithLine(std::string Text, const std::string& Name, const char* Value) {
    const size_t start = Text.rfind(Name + "=", 0) == 0 ? 0 : Text.find("\r\n" + Name + "=") + 2;
    EXPECT_NE(start, std::string::npos + 2) << Name;
    const size_t end = Text.find("\r\n", start) + 2;
    Text.replace(start, end - start, Value ? Name + "=" + Value + "\r\n" : "");
    return Text;
}

class ExGridVisualProps : public ::testing::Test {
protected:
    TTestExGrid grid{nullptr};
    TTempFolder folder;
};

// One value per entry that differs from the grid's own.
const std::vector<std::pair<std::string, const char*>> ChangedEntries{
    {"Color", "clRed"},
    {"HintColor", "$00123456"},
    {"SelectionColor", "clLime"},
    {"SelectionColorTo", "clAqua"},
    {"SelectionMirrorColor", "clNavy"},
    {"SelectionMirrorColorTo", "clTeal"},
    {"SelectionTextColor", "clYellow"},
    {"URLColor", "clPurple"},
    {"URLShow", "true"},
    {"ScrollColor", "clOlive"},
    {"ActiveRowColor", "clMoneyGreen"},
    {"ActiveRowShow", "true"},
    {"ActiveCellShow", "true"},
    {"Font.Color", "clMaroon"},
    {"Font.Style", "fsBold,fsUnderline"},
    {"Font.Size", "14"},
    {"Font.Name", "Courier New"},
    {"ActiveCellColor", "clSkyBlue"},
    {"ActiveCellColorTo", "clCream"},
    {"ActiveCellFont.Color", "clGreen"},
    {"ActiveCellFont.Style", "fsItalic"},
    {"ActiveCellFont.Size", "11"},
    {"ActiveCellFont.Name", "Verdana"},
    {"FixedFont.Color", "clBlue"},
    {"FixedFont.Style", "fsBold,fsItalic,fsUnderline,fsStrikeOut"},
    {"FixedFont.Size", "9"},
    {"FixedFont.Name", "Georgia"},
    {"Balloon.BackgroundColor", "clWhite"},
    {"Balloon.TextColor", "clBlack"},
    {"Balloon.Transparency", "128"},
    {"Bands.PrimaryColor", "$00ABCDEF"},
    {"Bands.SecondaryColor", "clSilver"},
    {"Bands.Active", "true"},
    {"SortSettings.IndexColor", "clFuchsia"},
    {"FloatingFooter.Color", "clGray"},
    {"ControlLook.CheckSize", "17"},
    {"ControlLook.Color", "clNavy"},
    {"ControlLook.CommentColor", "clBlue"},
    {"ControlLook.ControlStyle", "csFlat"},
    {"ControlLook.FixedGradientFrom", "clWhite"},
    {"ControlLook.FixedGradientTo", "clSilver"},
    {"ControlLook.RadioSize", "12"},
    {"ControlLook.FlatButton", "true"},
    {"ControlLook.ProgressBorderColor", "clRed"},
    {"ControlLook.ProgressXP", "true"},
    {"Look", "glOffice2007"},
    {"SearchFooter.Color", "clLime"},
    {"SearchFooter.ColorTo", "clGreen"},
    {"Grouping.HeaderColor", "clYellow"},
    {"Grouping.HeaderColorTo", "clOlive"},
    {"Grouping.HeaderTextColor", "clMaroon"},
    {"Grouping.HeaderUnderline", "true"},
    {"Grouping.HeaderLineColor", "clRed"},
    {"Grouping.HeaderLineWidth", "3"},
    {"Grouping.SummaryColor", "clAqua"},
    {"Grouping.SummaryColorTo", "clTeal"},
    {"Grouping.SummaryTextColor", "clNavy"},
    {"Grouping.SummaryLine", "true"},
    {"Grouping.SummaryLineColor", "clPurple"},
    {"Grouping.SummaryLineWidth", "4"},
    {"GridLineColor", "$00010203"},
    {"GridFixedLineColor", "clBlack"},
    {"BackGround.Display", "bdGradientVert"},
    {"BackGround.Cells", "bcAll"},
    {"BackGround.ColorTo", "clWhite"},
};

TEST_F(ExGridVisualProps, EveryEntryGoesToTheFileAndComesBack) {
    std::string text = grid.VisualPropsText();
    for (const auto& [name, value] : ChangedEntries) {
        text = WithLine(text, name, value);
        EXPECT_EQ(("\r\n" + grid.VisualPropsText()).find("\r\n" + name + "=" + value + "\r\n"),
                  std::string::npos)
            << name << " already holds the value";
    }
    const std::string file = folder.Write("changed.txt", text);
    grid.LoadVisualProps(file);
    // The look goes first, so the colours the file names are the ones that stay.
    EXPECT_EQ(grid.VisualPropsText(), text);
    EXPECT_EQ(grid.Color(), clRed);
    EXPECT_EQ(grid.Look(), glOffice2007);
    EXPECT_EQ(grid.Font()->Style(), (TFontStyles{fsBold, fsUnderline}));

    const std::string saved = folder.File("saved.txt");
    grid.SaveVisualProps(saved);
    EXPECT_EQ(TTempFolder::Read(saved), text);
    TTestExGrid fresh(nullptr);
    fresh.LoadVisualProps(saved);
    EXPECT_EQ(fresh.VisualPropsText(), text);
}

TEST_F(ExGridVisualProps, LinesAreWrittenInTheirOrderEndedByCrLf) {
    const std::string text = grid.VisualPropsText();
    EXPECT_EQ(text.rfind("Color=", 0), 0u);
    size_t at = 0;
    for (const auto& [name, value] : ChangedEntries) {
        const size_t next = text.find("\r\n" + name + "=", at);
        if (name != "Color") {
            ASSERT_NE(next, std::string::npos) << name << " out of order";
            at = next + 1;
        }
    }
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
}

TEST_F(ExGridVisualProps, DamagedFilesAreRefusedAndChangeNothing) {
    grid.SetColor(clTeal);
    const std::string before = grid.VisualPropsText();
    const std::string changed = WithLine(before, "Color", "clRed");
    const struct {
        const char* Name;
        const char* Value;
        const char* Why;
    } cases[] = {
        {"Font.Size", nullptr, "Font.Size is missing"},
        {"Font.Size", "big", "Font.Size \"big\" is no integer"},
        {"Balloon.Transparency", "300", "Balloon.Transparency 300 is outside 0..255"},
        {"GridLineColor", "clReddish", "GridLineColor \"clReddish\" is no colour"},
    };
    for (const auto& c : cases) {
        const std::string file = folder.Write("damaged.txt", WithLine(changed, c.Name, c.Value));
        try {
            grid.LoadVisualProps(file);
            ADD_FAILURE() << c.Name << " was taken";
        } catch (const Exception& error) {
            const std::string message = error.what();
            EXPECT_NE(message.find(c.Why), std::string::npos) << message;
            EXPECT_NE(message.find(file), std::string::npos) << message;
        }
        EXPECT_EQ(grid.VisualPropsText(), before) << c.Name;
    }
}

// Every control style is written and read; a value of no name is skipped and named, and the
// rest of the file still applies.
TEST_F(ExGridVisualProps, EveryControlStyleReadsBackAndUnknownValuesAreSkipped) {
    for (const TGridControlStyle style :
         {csClassic, csFlat, csTheme, csWinXP, csMetro, csBorland, csULK, csGlyph}) {
        grid.ControlLook()->SetControlStyle(style);
        const std::string text = grid.VisualPropsText();
        TTestExGrid copy(nullptr);
        copy.ControlLook()->SetControlStyle(style == csFlat ? csClassic : csFlat);
        EXPECT_TRUE(copy.ApplyVisualPropsText(text).empty());
        EXPECT_EQ(copy.ControlLook()->ControlStyle(), style) << text;
    }
    grid.SetURLShowInText(true);
    grid.BackGround()->SetTop(7);
    grid.BackGround()->SetLeft(-3);
    grid.BackGround()->SetColor(clYellow);
    grid.ControlLook()->SetControlStyle(csBorland);
    grid.BackGround()->SetCells(bcFixed);
    std::string text = grid.VisualPropsText();
    for (const char* line : {"URLShowInText=true\r\n", "BackGround.Top=7\r\n",
                             "BackGround.Left=-3\r\n", "BackGround.Color=clYellow\r\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line;
    text = WithLine(text, "ControlLook.ControlStyle", "csNone");
    text = WithLine(text, "BackGround.Cells", "bcSome");
    text = WithLine(text, "Color", "clRed");
    TTestExGrid copy(nullptr);
    const std::string file = folder.Write("unknown.txt", text);
    EXPECT_EQ(
        copy.LoadVisualProps(file),
        (std::vector<std::string>{"ControlLook.ControlStyle=csNone", "BackGround.Cells=bcSome"}));
    EXPECT_EQ(copy.ControlLook()->ControlStyle(),
              TTestExGrid(nullptr).ControlLook()->ControlStyle());
    EXPECT_EQ(copy.BackGround()->Cells(), bcNormal);
    EXPECT_EQ(copy.Color(), clRed);
    EXPECT_TRUE(copy.URLShowInText());
    EXPECT_EQ(copy.BackGround()->Top(), 7);
    EXPECT_EQ(copy.BackGround()->Left(), -3);
    EXPECT_EQ(copy.BackGround()->Color(), clYellow);
}

TEST_F(ExGridVisualProps, AbsentAndLooseEntriesTakeTheirDefaults) {
    grid.SetColor(clTeal);
    grid.SetURLShow(true);
    grid.FixedFont()->SetStyle({fsUnderline});
    grid.ControlLook()->SetControlStyle(csClassic);
    grid.BackGround()->SetTop(5);
    grid.BackGround()->SetLeft(9);
    const TGridLook look = grid.Look();
    std::string text = grid.VisualPropsText();
    // Files written before the background's position was kept end without its lines.
    text = WithLine(text, "BackGround.Top", nullptr);
    text = WithLine(text, "BackGround.Left", nullptr);
    text = WithLine(text, "Color", nullptr);                       // a colour left out is no colour
    text = WithLine(text, "URLShow", nullptr);                     // a switch left out is off
    text = WithLine(text, "Look", "");                             // no look name: the look stays
    text = WithLine(text, "Font.Name", nullptr);                   // no font name: the name stays
    text = WithLine(text, "FixedFont.Style", "xfsItalic;fsBold?"); // names anywhere, assigned
    text = WithLine(text, "ControlLook.ControlStyle", "CSfLaT");   // names in any case
    text = WithLine(text, "Bands.Active", "TRUE");
    grid.ApplyVisualPropsText(text);
    EXPECT_EQ(grid.Color(), clNone);
    EXPECT_FALSE(grid.URLShow());
    EXPECT_EQ(grid.Look(), look);
    EXPECT_FALSE(grid.Font()->Name().empty());
    EXPECT_EQ(grid.FixedFont()->Style(), (TFontStyles{fsBold, fsItalic}));
    EXPECT_EQ(grid.ControlLook()->ControlStyle(), csFlat);
    EXPECT_EQ(grid.VisualPropsText().find("Bands.Active=true\r\n") != std::string::npos, true);
    EXPECT_EQ(grid.BackGround()->Top(), 0);
    EXPECT_EQ(grid.BackGround()->Left(), 0);
}

TEST_F(ExGridVisualProps, FilesThatCannotBeUsedSaySo) {
    const std::string missing = folder.File("missing.txt");
    try {
        grid.LoadVisualProps(missing);
        ADD_FAILURE();
    } catch (const Exception& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot open file " + missing);
    }
    const std::string blocked = folder.Write("plain", "x") + "/props.txt";
    try {
        grid.SaveVisualProps(blocked);
        ADD_FAILURE();
    } catch (const Exception& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot Create " + blocked);
    }
}

// --- print settings -----------------------------------------------------------------------------

class ExGridPrintSettings : public ExGridVisualProps {
protected:
    static std::string SectionText(const std::string& File) { return TIniFile(File).Text(); }
};

TEST_F(ExGridPrintSettings, EverySettingGoesToTheSectionInOrderAndComesBack) {
    TPrintSettings& p = *grid.PrintSettings();
    p.ColumnSpacing = 1;
    p.RowSpacing = 2;
    p.TitleSpacing = 3;
    p.FixedHeight = 4;
    p.FixedWidth = 5;
    p.Centered = false;
    p.NoAutoSize = p.UseFixedHeight = p.UseFixedWidth = p.RepeatFixedRows = true;
    p.RepeatFixedCols = p.UseDisplayFont = p.UseDefaultOrientation = p.PrintGraphics = true;
    p.Borders = pbCustom;
    p.BorderColor = 0x123456;
    p.BorderStyle = psInsideFrame;
    p.Date = ppTopLeft;
    p.PageNr = ppBottomCenter;
    p.Title = ppTopCenter;
    p.Time = ppBottomRight;
    p.DateFormat = "yyyy-mm-dd";
    p.TitleText = "Report";
    p.FooterSize = 6;
    p.HeaderSize = 7;
    p.LeftSize = 8;
    p.RightSize = 9;
    p.FitToPage = fpCustom;
    p.Font()->SetName("Courier New");
    p.Font()->SetSize(12);
    p.Font()->SetStyle({fsBold, fsStrikeOut});
    p.Font()->SetColor(clRed);
    p.HeaderFont()->SetStyle({fsItalic});
    p.FooterFont()->SetSize(7);
    p.PageNumSep = " of ";
    p.PageSuffix = ")";
    p.PagePrefix = "(";
    p.Orientation = poLandscape;
    p.TitleLines()->SetText("First\r\nSecond");
    const std::string file = folder.File("print.ini");
    grid.SavePrintSettings(file, "Print");

    const TIniFile ini(file);
    EXPECT_EQ(ini.ReadSection("Print"), (std::vector<std::string>{"ColumnSpacing",
                                                                  "RowSpacing",
                                                                  "TitleSpacing",
                                                                  "FixedHeight",
                                                                  "FixedWidth",
                                                                  "Centered",
                                                                  "NoAutoSize",
                                                                  "UseFixedHeight",
                                                                  "UseFixedWidth",
                                                                  "RepeatFixedRows",
                                                                  "RepeatFixedCols",
                                                                  "UseDisplFont",
                                                                  "UseDefOrientation",
                                                                  "Borders",
                                                                  "BorderColor",
                                                                  "BorderStyle",
                                                                  "Date",
                                                                  "PageNr",
                                                                  "Title",
                                                                  "Time",
                                                                  "DateFormat",
                                                                  "TitleText",
                                                                  "FooterSize",
                                                                  "HeaderSize",
                                                                  "LeftSize",
                                                                  "RightSize",
                                                                  "FitToPage",
                                                                  "FontName",
                                                                  "FontSize",
                                                                  "FontStyle",
                                                                  "FontColor",
                                                                  "HeaderFontName",
                                                                  "HeaderFontSize",
                                                                  "HeaderFontStyle",
                                                                  "HeaderFontColor",
                                                                  "FooterFontName",
                                                                  "FooterFontSize",
                                                                  "FooterFontStyle",
                                                                  "FooterFontColor",
                                                                  "PageNumSep",
                                                                  "PageSuffix",
                                                                  "PagePrefix",
                                                                  "Orientation",
                                                                  "TitleLines",
                                                                  "PrintGraphics"}));
    EXPECT_EQ(ini.ReadString("Print", "Centered", ""), "N");
    EXPECT_EQ(ini.ReadString("Print", "FontStyle", ""), "9");
    EXPECT_EQ(ini.ReadString("Print", "TitleLines", ""), "First\\nSecond\\n");

    TTestExGrid fresh(nullptr);
    fresh.LoadPrintSettings(file, "Print");
    const std::string copy = folder.File("copy.ini");
    fresh.SavePrintSettings(copy, "Print");
    EXPECT_EQ(SectionText(copy), SectionText(file));
    EXPECT_EQ(fresh.PrintSettings()->TitleLines()->Count(), 2);
    EXPECT_EQ(fresh.PrintSettings()->Font()->Name(), "Courier New");
}

TEST_F(ExGridPrintSettings, AnEmptySectionGivesTheDefaults) {
    grid.PrintSettings()->UseDisplayFont = true;
    grid.PrintSettings()->Font()->SetStyle({fsBold});
    grid.LoadPrintSettings(folder.File("none.ini"), "Print");
    const TPrintSettings& p = *grid.PrintSettings();
    EXPECT_EQ(std::vector<int>({p.ColumnSpacing, p.RowSpacing, p.TitleSpacing}),
              std::vector<int>({20, 20, 20}));
    EXPECT_EQ(std::vector<int>({p.FooterSize, p.HeaderSize, p.LeftSize, p.RightSize}),
              std::vector<int>({100, 100, 100, 100}));
    for (TFont* font : {p.Font(), p.HeaderFont(), p.FooterFont()}) {
        EXPECT_EQ(font->Name(), "Arial");
        EXPECT_EQ(font->Size(), 10);
        EXPECT_TRUE(font->Style().Empty()); // styles are assigned, not added
    }
    EXPECT_TRUE(p.Centered);
    EXPECT_FALSE(p.UseDisplayFont || p.NoAutoSize || p.RepeatFixedRows || p.PrintGraphics);
    EXPECT_EQ(p.Borders, pbNoborder);
    EXPECT_EQ(p.Orientation, poPortrait);
}

TEST_F(ExGridPrintSettings, DamagedSectionsAreRefusedAndChangeNothing) {
    grid.PrintSettings()->ColumnSpacing = 33;
    const std::string file = folder.File("print.ini");
    const struct {
        const char* Key;
        const char* Value;
    } cases[] = {{"Borders", "9"},      {"Date", "-1"},         {"FontStyle", "16"},
                 {"FontSize", "x"},     {"FitToPage", "5"},     {"Orientation", "2"},
                 {"RowSpacing", "1.5"}, {"HeaderFontSize", "0"}};
    for (const auto& c : cases) {
        TIniFile ini(file);
        ini.WriteString("Print", "ColumnSpacing", "1");
        ini.WriteString("Print", c.Key, c.Value);
        ini.UpdateFile();
        try {
            grid.LoadPrintSettings(file, "Print");
            ADD_FAILURE() << c.Key << " was taken";
        } catch (const Exception& error) {
            EXPECT_NE(std::string(error.what()).find(c.Key), std::string::npos) << error.what();
        }
        EXPECT_EQ(grid.PrintSettings()->ColumnSpacing, 33) << c.Key;
        ini.DeleteKey("Print", c.Key);
        ini.UpdateFile();
    }
}

TEST_F(ExGridPrintSettings, RegistryKeysBecomeIniFilesInTheConfigurationFolder) {
    ScopedEnvironment config("XDG_CONFIG_HOME", folder.Path());
    grid.PrintSettings()->RowSpacing = 7;
    grid.SavePrintSettings("Software\\Maker\\Print", "Grid", clRegistry);
    EXPECT_EQ(
        TIniFile(folder.File("Software/Maker/Print.ini")).ReadInteger("Grid", "RowSpacing", 0), 7);
    TTestExGrid fresh(nullptr);
    fresh.LoadPrintSettings("Software\\Maker\\Print", "Grid", clRegistry);
    EXPECT_EQ(fresh.PrintSettings()->RowSpacing, 7);
}

} // namespace
