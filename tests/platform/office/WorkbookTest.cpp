// Workbooks written as .xlsx by libxlsxwriter and read back by our reader; .xls through FreeXL.
#include "OfficeTestFiles.h"

#include "platform/core/Files.h"
#include "platform/office/OfficeError.h"
#include "platform/office/SpreadsheetApplication.h"
#include "platform/office/Workbook.h"
#include "platform/office/ZipArchive.h"

#include <gtest/gtest.h>

namespace {

std::string Fixture(const char* name) {
    return std::string(VELMARO_FIXTURES) + "/office/" + name;
}

TEST(Workbook, XlsxKeepsEveryValueSheetAndTheActiveSheet) {
    const TSheetValue values[] = {
        TSheetValue::FromString("plain"),      TSheetValue::FromString("Grüße, \"quoted\""),
        TSheetValue::FromString("  blanks  "), TSheetValue::FromString("two\nlines"),
        TSheetValue::FromString("007"),        TSheetValue::FromNumber(3.5),
        TSheetValue::FromNumber(-12),          TSheetValue::FromNumber(1e20),
        TSheetValue::FromBoolean(true),        TSheetValue::FromBoolean(false),
        TSheetValue::FromString("<&>"),        TSheetValue::FromString("tab\there"),
        TSheetValue::FromDate(45292),          TSheetValue::FromString("ctrl\x01 _x0041_ _x005F_"),
        TSheetValue::FromDate(45292.75),
    };
    TWorkbook workbook;
    workbook.Sheet(1).Name = "Data";
    int row = 2;
    for (const TSheetValue& value : values)
        workbook.Sheet(1).SetCell(row++, 30, value); // column AD
    TWorksheet& other = workbook.AddWorksheet();
    other.Name = "Other sheet";
    other.SetCell(1, 1, TSheetValue::FromString("x"));

    const auto read = TWorkbook::FromXlsx(workbook.XlsxBytes());
    ASSERT_EQ(read->SheetCount(), 2);
    EXPECT_EQ(read->Sheet(1).Name, "Other sheet");
    EXPECT_EQ(read->Sheet(2).Name, "Data");
    EXPECT_EQ(&read->ActiveSheet(), &read->Sheet(1));
    row = 2;
    for (const TSheetValue& value : values) {
        const TSheetValue back = read->Sheet(2).Cell(row++, 30);
        EXPECT_EQ(back.Kind, value.Kind) << value.Text;
        EXPECT_EQ(back.Text, value.Text);
    }
    EXPECT_EQ(read->Sheet(2).UsedRangeAddress(), "$AD$2:$AD$16");
    EXPECT_EQ(read->Sheet(1).UsedRangeAddress(), "$A$1");
}

TEST(Workbook, RangeValuesAreRowsOfColumns) {
    TWorksheet sheet("S");
    sheet.SetRangeValue("B3:D4", {{"a", "b", "c"}, {"d", "", "f"}, {"beyond the range"}});
    EXPECT_EQ(sheet.UsedRangeAddress(), "$B$3:$D$4");
    const TSheetValues values = sheet.RangeValue("B3:D4");
    ASSERT_EQ(values.size(), 2u);
    EXPECT_EQ(values[1][0].Text, "d");
    EXPECT_EQ(values[1][1].Kind, TSheetValue::skEmpty);
    EXPECT_THROW(sheet.RangeValue("D4:B3"), EOfficeError);
    EXPECT_THROW(sheet.SetRangeValue("A1:XFE1", {{"x"}}), EOfficeError);
}

TEST(Workbook, SavingOverAWorkbookKeepsItsOtherSheets) {
    TTestFolder folder;
    const std::string file = folder.File("book.xlsx");
    TWorkbook first;
    first.Sheet(1).SetCell(1, 1, TSheetValue::FromString("kept"));
    first.SaveAs(file);

    auto opened = TWorkbook::Open(file);
    TWorksheet& added = opened->AddWorksheet();
    added.Name = "Added";
    added.SetCell(2, 2, TSheetValue::FromNumber(7));
    opened->Save();

    const auto read = TWorkbook::Open(file);
    ASSERT_EQ(read->SheetCount(), 2);
    EXPECT_EQ(read->SheetByName("Sheet1")->Cell(1, 1).Text, "kept");
    EXPECT_EQ(read->SheetByName("Added")->Cell(2, 2).Text, "7");
}

TEST(Workbook, AFailedSaveRaisesAndKeepsThePreviousFile) {
    TTestFolder folder;
    TWorkbook workbook;
    EXPECT_THROW(workbook.SaveAs(folder.File("missing/book.xlsx")), Exception);
    workbook.Sheet(1).Name = "bad[name]";
    EXPECT_THROW(workbook.SaveAs(folder.File("book.xlsx")), EOfficeError);
    EXPECT_FALSE(FileExists(folder.File("book.xlsx")));
    TWorkbook unnamed;
    EXPECT_THROW(unnamed.Save(), EOfficeError);
}

TEST(Workbook, NumbersInDateFormatsAreDates) {
    TZipEntries entries = ReadZipArchive(TWorkbook().XlsxBytes());
    entries["xl/styles.xml"] =
        R"(<styleSheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">)"
        R"(<numFmts><numFmt numFmtId="164" formatCode="[Red]0.00"/><numFmt numFmtId="165" formatCode="dd/mm/yyyy"/>)"
        R"(<numFmt numFmtId="166" formatCode="&quot;day&quot; 0"/></numFmts><cellXfs>)"
        R"(<xf numFmtId="0"/><xf numFmtId="14"/><xf numFmtId="164"/><xf numFmtId="165"/><xf numFmtId="166"/>)"
        R"(</cellXfs></styleSheet>)";
    entries["xl/worksheets/sheet1.xml"] =
        R"(<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><sheetData><row r="1">)"
        R"(<c r="A1"><v>1</v></c><c r="B1" s="1"><v>2</v></c><c r="C1" s="2"><v>3</v></c>)"
        R"(<c r="D1" s="3"><v>4</v></c><c r="E1" s="4"><v>5</v></c><c r="F1" s="9"><v>6</v></c>)"
        R"(</row></sheetData></worksheet>)";
    const auto read = TWorkbook::FromXlsx(WriteZipArchive(entries));
    const TSheetValue::TKind kinds[] = {TSheetValue::skNumber, TSheetValue::skDate,
                                        TSheetValue::skNumber, TSheetValue::skDate,
                                        TSheetValue::skNumber, TSheetValue::skNumber};
    for (int column = 1; column <= 6; ++column)
        EXPECT_EQ(read->Sheet(1).Cell(1, column).Kind, kinds[column - 1]) << column;
}

TEST(Workbook, KnowsWhichSheetNamesTheFileFormatTakes) {
    for (const char* name : {"Sheet1", "Grüße", "a'b", "x y", "1234567890123456789012345678901"})
        EXPECT_TRUE(TWorkbook::IsValidSheetName(name)) << name;
    for (const char* name : {"", "a:b", "a[b]", "a*", "a?", "a/b", "a\\b", "'quoted'",
                             "12345678901234567890123456789012"})
        EXPECT_FALSE(TWorkbook::IsValidSheetName(name)) << name;
}

TEST(Workbook, RefusesDamagedPackages) {
    const std::string good = TWorkbook().XlsxBytes();
    TZipEntries entries = ReadZipArchive(good);
    auto damaged = [&](const std::string& part, const std::string& content) {
        TZipEntries copy = entries;
        if (content.empty())
            copy.erase(part);
        else
            copy[part] = content;
        return WriteZipArchive(copy);
    };
    const std::string sheetStart =
        R"(<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><sheetData>)";
    const std::string cases[] = {
        "",
        "not a zip at all",
        good.substr(0, good.size() / 2),
        damaged("xl/workbook.xml", ""),
        damaged("xl/workbook.xml", "<workbook><sheets>"),
        damaged("xl/worksheets/sheet1.xml",
                sheetStart +
                    R"(<row r="1"><c r="A1" t="s"><v>99</v></c></row></sheetData></worksheet>)"),
        damaged("xl/worksheets/sheet1.xml",
                sheetStart +
                    R"(<row r="1"><c r="XFE1"><v>1</v></c></row></sheetData></worksheet>)"),
        damaged("xl/worksheets/sheet1.xml",
                sheetStart + R"(<row r="0"><c><v>1</v></c></row></sheetData></worksheet>)"),
        damaged("xl/worksheets/sheet1.xml",
                sheetStart + R"(<row r="2"><c r="A1"><v>1</v></c></row></sheetData></worksheet>)"),
        damaged("xl/worksheets/sheet1.xml",
                sheetStart +
                    R"(<row r="1"><c r="A1"><v>one</v></c></row></sheetData></worksheet>)"),
    };
    for (const std::string& bytes : cases)
        EXPECT_THROW(TWorkbook::FromXlsx(bytes), EOfficeError) << bytes.size();
}

TEST(Workbook, ReadsCellsWithoutReferencesInlineStringsAndPrefixes) {
    TZipEntries entries = ReadZipArchive(TWorkbook().XlsxBytes());
    entries["xl/worksheets/sheet1.xml"] =
        R"(<x:worksheet xmlns:x="http://schemas.openxmlformats.org/spreadsheetml/2006/main">)"
        R"(<x:sheetData><x:row><x:c t="inlineStr"><x:is><x:r><x:t>in</x:t></x:r><x:r><x:t xml:space="preserve"> line</x:t></x:r></x:is></x:c>)"
        R"(<x:c t="str"><x:v>formula text</x:v></x:c><x:c t="e"><x:v>#DIV/0!</x:v></x:c></x:row>)"
        R"(<x:row><x:c r="C2"><x:v>2.25</x:v></x:c></x:row></x:sheetData></x:worksheet>)";
    const auto read = TWorkbook::FromXlsx(WriteZipArchive(entries));
    TWorksheet& sheet = read->Sheet(1);
    EXPECT_EQ(sheet.Cell(1, 1).Text, "in line");
    EXPECT_EQ(sheet.Cell(1, 2).Text, "formula text");
    EXPECT_EQ(sheet.Cell(1, 3).Kind, TSheetValue::skError);
    EXPECT_EQ(sheet.Cell(2, 3).Text, "2.25");
}

TEST(Workbook, ReadsWorkbooksOfAnotherProducer) {
    // Both made by LibreOffice from a workbook of ours: one sheet "Values", one "Names".
    for (const char* name : {"two_sheets.xls", "two_sheets.xlsx"}) {
        const auto workbook = TWorkbook::Open(Fixture(name));
        ASSERT_EQ(workbook->SheetCount(), 2) << name;
        TWorksheet* values = workbook->SheetByName("Values");
        ASSERT_NE(values, nullptr) << name;
        EXPECT_EQ(values->UsedRangeAddress(), "$B$3:$D$4") << name;
        EXPECT_EQ(values->Cell(3, 2).Text, "Grüße") << name;
        EXPECT_EQ(values->Cell(3, 3).Text, "42") << name;
        EXPECT_EQ(values->Cell(4, 4).Text, "-0.5") << name;
        EXPECT_EQ(workbook->SheetByName("Names")->Cell(1, 1).Text, "last") << name;
    }
}

TEST(Workbook, XlsDatesAreDates) {
    const auto workbook = TWorkbook::Open(Fixture("dates.xls"));
    const TWorksheet& sheet = workbook->Sheet(1);
    EXPECT_EQ(sheet.Cell(1, 1).Kind, TSheetValue::skDate);
    EXPECT_EQ(sheet.Cell(1, 1).Number, 45292); // 1 January 2024
    EXPECT_EQ(sheet.Cell(1, 2).Kind, TSheetValue::skDate);
    EXPECT_DOUBLE_EQ(sheet.Cell(1, 2).Number, 45292.75);
    EXPECT_EQ(sheet.Cell(1, 3).Kind, TSheetValue::skNumber);
}

TEST(Workbook, RefusesADamagedXlsFile) {
    TTestFolder folder;
    const std::string file = folder.File("damaged.xls");
    std::string bytes = ReadFileBytes(Fixture("two_sheets.xls"));
    bytes.resize(bytes.size() / 3);
    WriteFileAtomic(file, bytes);
    EXPECT_THROW(TWorkbook::Open(file), EOfficeError);
    // FreeXL itself writes outside its buffers on this one.
    EXPECT_THROW(TWorkbook::Open(Fixture("freexl_overrun.xls")), EOfficeError);
}

TEST(SpreadsheetApplication, ARunningApplicationShowsWhatItSaves) {
    TTestFolder folder;
    std::vector<std::string> shown;
    TSpreadsheetApplication hidden;
    hidden.ShowFile = [&](const std::string& file) { shown.push_back(file); };
    EXPECT_EQ(TSpreadsheetApplication::Running(), nullptr);
    hidden.Add().SaveAs(folder.File("hidden.xlsx"));
    EXPECT_TRUE(shown.empty());
    {
        TSpreadsheetApplication running;
        running.ShowFile = [&](const std::string& file) { shown.push_back(file); };
        running.SetVisible(true);
        EXPECT_EQ(TSpreadsheetApplication::Running(), &running);
        running.Add().SaveAs(folder.File("shown.xlsx"));
    }
    EXPECT_EQ(TSpreadsheetApplication::Running(), nullptr);
    EXPECT_EQ(shown, std::vector<std::string>{folder.File("shown.xlsx")});
}

} // namespace
