// The XML export writes its bytes in the encoding its declaration names: another reader, and
// the grid itself, read every text back as it stood, whatever encoding the grid is set to.
#include "SingleCellGrid.h"
#include "support/TempFolder.h"

#include "platform/core/Exception.h"
#include "platform/core/Files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

TEST(ExGridXMLDeclaredEncoding, EveryDeclaredEncodingReadsBackAsWritten) {
    if (!HaveProgram("python3"))
        GTEST_SKIP() << "python3 is not installed";
    // A currency sign, a euro sign, umlauts and characters no 8-bit code page holds.
    const std::string text = "\xC2\xA4 \xE2\x82\xAC Gr\xC3\xBC\xC3\x9F"
                             "e \xE6\x9D\xB1";
    for (const char* encoding : {"ISO-8859-15", "US-ASCII", "UTF-16", "windows-1252"}) {
        SCOPED_TRACE(encoding);
        TTempFolder folder;
        TTestExGrid source(nullptr);
        MakeSingleCell(source, text);
        source.XMLEncoding = encoding;
        const std::string file = folder.File("grid.xml");
        source.SaveToXML(file, "list", "record", nullptr, true);
        folder.Write("expected.txt", text);
        // Python's XML parser decodes by the declaration; its text is compared with ours.
        const std::string check =
            "python3 -c \"import sys, xml.etree.ElementTree as ET; "
            "t = ET.parse(sys.argv[1]).getroot()[0][0].text; "
            "sys.exit(0 if t == open(sys.argv[2], encoding='utf-8').read() else 1)\" '" +
            file + "' '" + folder.File("expected.txt") + "' 2>/dev/null";
        EXPECT_EQ(std::system(check.c_str()), 0) << ReadFileBytes(file);
        TTestExGrid target(nullptr);
        target.SetFixedRows(0);
        target.SetFixedCols(0);
        target.LoadFromXML(file);
        EXPECT_EQ(target.Cells(0, 0), text);
    }
}

// An encoding the program does not know is refused by name on either side, and nothing is
// written or loaded.
TEST(ExGridXMLDeclaredEncoding, AnUnknownEncodingIsRefusedByName) {
    TTempFolder folder;
    TTestExGrid grid(nullptr);
    MakeSingleCell(grid, "kept");
    grid.XMLEncoding = "x-no-such-encoding";
    const std::string file = folder.File("grid.xml");
    try {
        grid.SaveToXML(file, "list", "record", nullptr, true);
        ADD_FAILURE() << "an unknown encoding was written";
    } catch (const Exception& error) {
        EXPECT_NE(error.Message.find("x-no-such-encoding"), std::string::npos) << error.Message;
    }
    EXPECT_FALSE(FileExists(file));
    try {
        grid.LoadFromXMLText("<?xml version=\"1.0\" encoding=\"x-no-such-encoding\"?>"
                             "<list><record><FIELD0>new</FIELD0></record></list>");
        ADD_FAILURE() << "a document in an unknown encoding loaded";
    } catch (const Exception& error) {
        EXPECT_EQ(error.Message, "XMLDOM Parsing error 101 on line 1");
    }
    EXPECT_EQ(grid.Cells(0, 0), "kept");
}

} // namespace
