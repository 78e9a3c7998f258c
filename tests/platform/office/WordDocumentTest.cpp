// Word-processor documents as .docx: tables, typing, bookmarks, and what survives a save.
#include "OfficeTestFiles.h"

#include "platform/core/Files.h"
#include "platform/office/OfficeError.h"
#include "platform/office/WordDocument.h"
#include "platform/office/ZipArchive.h"

#include <gtest/gtest.h>

namespace {

// A document of another producer: a "p" prefix of its own, an extra part, and bookmarks at the
// start of the second paragraph and in the middle of the third.
std::string DocumentWithBookmarks() {
    TZipEntries entries = ReadZipArchive(TWordDocument().DocxBytes());
    entries["word/document.xml"] =
        R"(<p:document xmlns:p="http://schemas.openxmlformats.org/wordprocessingml/2006/main"><p:body>)"
        R"(<p:p><p:r><p:t>first</p:t></p:r></p:p>)"
        R"(<p:p><p:bookmarkStart p:id="0" p:name="AtStart"/><p:r><p:t>second</p:t></p:r><p:bookmarkEnd p:id="0"/></p:p>)"
        R"(<p:p><p:r><p:t>third</p:t></p:r><p:bookmarkStart p:id="1" p:name="Inside"/><p:bookmarkEnd p:id="1"/></p:p>)"
        R"(<p:sectPr/></p:body></p:document>)";
    entries["word/custom.xml"] = "<kept/>";
    return WriteZipArchive(entries);
}

TEST(WordDocument, TableCellsKeepTextsLinesTabsAndAlignment) {
    TWordDocument document;
    TWordTable table = document.AddTable(document.StartRange(), 2, 3);
    table.InsertAfter(1, 1, "Grüße <&>");
    table.InsertAfter(1, 2, "two\r\nlines\rand\nmore");
    table.InsertAfter(1, 3, "tab\there");
    table.InsertAfter(2, 1, "ctrl\x01gone");
    table.SetAlignment(2, 2, wdAlignParagraphRight);
    table.InsertAfter(2, 2, "right\nstill right");
    table.InsertAfter(9, 9, "outside is ignored");

    const auto read = TWordDocument::FromDocx(document.DocxBytes());
    ASSERT_EQ(read->TableCount(), 1);
    TWordTable back = read->Table(1);
    EXPECT_EQ(back.Rows(), 2);
    EXPECT_EQ(back.Columns(), 3);
    EXPECT_EQ(back.CellText(1, 1), "Grüße <&>");
    EXPECT_EQ(back.CellText(1, 2), "two\nlines\nand\nmore");
    EXPECT_EQ(back.CellText(1, 3), "tab\there");
    EXPECT_EQ(back.CellText(2, 1), "ctrlgone");
    EXPECT_EQ(back.CellText(2, 2), "right\nstill right");
    const std::string xml = ReadZipArchive(document.DocxBytes())["word/document.xml"];
    EXPECT_EQ(xml.find("<w:jc w:val=\"right\"/>") != std::string::npos, true);
}

TEST(WordDocument, TablesGoBeforeTheBlockTheRangeNames) {
    auto document = TWordDocument::FromDocx(DocumentWithBookmarks());
    EXPECT_TRUE(document->BookmarkExists("AtStart"));
    EXPECT_FALSE(document->BookmarkExists("Missing"));
    EXPECT_THROW(document->BookmarkRange("Missing"), EOfficeError);
    EXPECT_EQ(document->BookmarkRange("AtStart").Block, 1);
    EXPECT_EQ(document->BookmarkRange("Inside").Block, 3);
    EXPECT_EQ(document->EndRange().Block, 3);
    document->AddParagraph();
    EXPECT_EQ(document->EndRange().Block, 3); // before the closing empty paragraph
}

TEST(WordDocument, TypingComesBeforeTheFirstBlockAndATableNeverEndsTheBody) {
    TWordDocument document;
    document.TypeText("Title");
    document.TypeParagraph();
    EXPECT_EQ(document.BlockCount(), 2);
    document.AddTable({document.BlockCount()}, 1, 1).InsertAfter(1, 1, "end");
    EXPECT_EQ(document.BlockCount(), 4); // title, blank, table, closing paragraph
    document.AddTable(document.StartRange(), 1, 1);
    EXPECT_EQ(document.TableCount(), 2);
    EXPECT_THROW(document.AddTable(document.StartRange(), 0, 1), EOfficeError);
}

TEST(WordDocument, SavingKeepsEveryOtherPartAndTheSpellingSwitch) {
    TTestFolder folder;
    const std::string file = folder.File("doc.docx");
    WriteFileAtomic(file, DocumentWithBookmarks());
    auto document = TWordDocument::Open(file);
    EXPECT_TRUE(document->ShowSpellingErrors());
    document->SetShowSpellingErrors(false);
    document->AddTable(document->BookmarkRange("AtStart"), 1, 1).InsertAfter(1, 1, "cell");
    document->SaveAs(file);

    const TZipEntries entries = ReadZipArchive(ReadFileBytes(file));
    EXPECT_EQ(entries.at("word/custom.xml"), "<kept/>");
    const auto read = TWordDocument::Open(file);
    EXPECT_FALSE(read->ShowSpellingErrors());
    EXPECT_EQ(read->Table(1).CellText(1, 1), "cell");
    EXPECT_TRUE(read->BookmarkExists("Inside"));
    EXPECT_THROW(read->SaveAs(folder.File("missing/doc.docx")), Exception);
}

TEST(WordDocument, RefusesDamagedPackages) {
    TZipEntries entries = ReadZipArchive(TWordDocument().DocxBytes());
    auto with = [&](const std::string& content) {
        TZipEntries copy = entries;
        copy["word/document.xml"] = content;
        return WriteZipArchive(copy);
    };
    const std::string cases[] = {"", "PK nonsense", with("<w:document><w:body>"), with("<other/>"),
                                 with("<document/>")};
    for (const std::string& bytes : cases)
        EXPECT_THROW(TWordDocument::FromDocx(bytes), EOfficeError) << bytes.size();
}

} // namespace
