// Appending a table to a page another program wrote: a browser or office reader still shows the
// page's earlier text and the new table as written, whatever character set the page declares.
#include "SingleCellGrid.h"
#include "support/TempFolder.h"

#include "platform/core/Files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

TEST(ExGridHTMLAppendCharset, ThePageReadsAsWrittenAfterAnAppend) {
    if (!HaveProgram("soffice"))
        GTEST_SKIP() << "LibreOffice is not installed";
    struct Case {
        const char* File;
        std::string Page;
        bool Unicode;
    };
    const Case cases[] = {
        {"declared1252.html",
         "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; "
         "charset=windows-1252\"></head><body><p>Gr\xFC\xDF"
         "e</p></body></html>\r\n",
         false},
        {"declared1252unicode.html",
         "<html><head><meta charset=\"windows-1252\"></head><body><p>Gr\xFC\xDF"
         "e</p></body></html>\r\n",
         true},
        {"declaredutf8.html",
         "<html><head><meta charset=\"utf-8\"></head><body><p>Gr\xC3\xBC\xC3\x9F"
         "e</p></body></html>\r\n",
         false},
    };
    TTempFolder folder;
    TTestExGrid grid(nullptr);
    MakeSingleCell(grid, "K\xC3\xB6ln");
    std::string files;
    for (const Case& c : cases) {
        folder.Write(c.File, c.Page);
        grid.AppendToHTML(folder.File(c.File), false, c.Unicode);
        files += " '" + std::string(c.File) + "'";
    }
    const std::string command = "cd '" + folder.Path() + "' && HOME='" + folder.Path() +
                                "' timeout 180 soffice --headless -env:UserInstallation=file://" +
                                folder.File("profile") + " --convert-to txt:Text --outdir out" +
                                files + " >/dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    for (const Case& c : cases) {
        const std::string name = c.File;
        const std::string text =
            ReadFileBytes(folder.File("out/" + name.substr(0, name.size() - 5) + ".txt"));
        EXPECT_NE(text.find("Gr\xC3\xBC\xC3\x9F"
                            "e"),
                  std::string::npos)
            << c.File << "\n"
            << text;
        EXPECT_NE(text.find("K\xC3\xB6ln"), std::string::npos) << c.File << "\n" << text;
    }
}

// The page's own bytes stay as they were; the table follows in the page's character set, with
// references for what that lacks, or the page becomes UTF-8 and says so.
TEST(ExGridHTMLAppendCharset, TheEarlierBytesStayAndTheTableFollowsTheDeclaration) {
    struct Case {
        const char* Name;
        std::string Page;
        bool Unicode;
        std::string Begins; // the file's first bytes after the append
        std::string Holds;  // the cell as the file holds it
    };
    const std::string page1252 =
        "<html><head><meta charset=\"windows-1252\"></head><body><p>Gr\xFC\xDF"
        "e</p></body></html>\r\n";
    const Case cases[] = {
        {"windows-1252", page1252, false, page1252, "K\xF6ln \x80&#26481;"},
        {"windows-1252, Unicode asked", page1252, true,
         "\xEF\xBB\xBF<html><head><meta charset=\"utf-8\"></head><body><p>Gr\xC3\xBC\xC3\x9F"
         "e</p>",
         "K\xC3\xB6ln \xE2\x82\xAC\xE6\x9D\xB1"},
        {"unknown character set",
         "<meta charset=x-unknown><p>Gr\xC3\xBC\xC3\x9F"
         "e</p>\r\n",
         false,
         "<meta charset=utf-8><p>Gr\xC3\xBC\xC3\x9F"
         "e</p>\r\n",
         "K\xC3\xB6ln \xE2\x82\xAC\xE6\x9D\xB1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TTempFolder folder;
        TTestExGrid grid(nullptr);
        MakeSingleCell(grid, "K\xC3\xB6ln \xE2\x82\xAC\xE6\x9D\xB1");
        folder.Write("page.html", c.Page);
        grid.AppendToHTML(folder.File("page.html"), false, c.Unicode);
        const std::string bytes = ReadFileBytes(folder.File("page.html"));
        EXPECT_EQ(bytes.substr(0, c.Begins.size()), c.Begins);
        EXPECT_NE(bytes.find(c.Holds), std::string::npos) << bytes;
    }
}

} // namespace
