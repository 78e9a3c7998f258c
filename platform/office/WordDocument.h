#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

// Paragraph alignments by the numbers a word processor publishes.
enum TParagraphAlignment {
    wdAlignParagraphLeft = 0,
    wdAlignParagraphCenter = 1,
    wdAlignParagraphRight = 2,
};

// A place between the blocks (paragraphs, tables) of a document's body, counted from 0.
struct TDocumentRange {
    int Block = 0;
};

struct TWordTableData;

// A table of a TWordDocument; valid while the document lives.
class TWordTable {
public:
    explicit TWordTable(std::shared_ptr<TWordTableData> data) : FData(std::move(data)) {}
    int Rows() const;
    int Columns() const;
    // Row and column from 1; a cell outside the table is ignored. Line breaks of any kind
    // start new paragraphs of the cell, tabs stay tabs.
    void InsertAfter(int row, int column, std::string_view text);
    void SetAlignment(int row, int column, TParagraphAlignment alignment);
    // The cell's paragraphs joined with "\n".
    std::string CellText(int row, int column) const;

private:
    std::shared_ptr<TWordTableData> FData;
};

struct TWordDocumentData;

// A word-processor document as a .docx package. Opening keeps every part of the file; saving
// writes them back with the changed body.
class TWordDocument {
public:
    // A new blank document: one empty paragraph.
    TWordDocument();
    ~TWordDocument();
    TWordDocument(const TWordDocument&) = delete;
    TWordDocument& operator=(const TWordDocument&) = delete;

    // Throws EFileError when the file cannot be read, EOfficeError when it is no .docx.
    static std::unique_ptr<TWordDocument> Open(const std::string& fileName);
    static std::unique_ptr<TWordDocument> FromDocx(std::string_view bytes);

    // The selection starts before the first block. Typing goes in before the block at the
    // selection; a paragraph mark ends the typed paragraph.
    void TypeText(std::string_view text);
    void TypeParagraph();

    bool BookmarkExists(std::string_view name) const;
    // Before the paragraph whose start holds the bookmark, else after it; throws EOfficeError
    // for a bookmark the document lacks.
    TDocumentRange BookmarkRange(std::string_view name) const;
    // Appends an empty paragraph.
    void AddParagraph();
    TDocumentRange StartRange() const { return {0}; }
    // Where typing at the last line would go: before a closing empty paragraph.
    TDocumentRange EndRange() const;
    int BlockCount() const;

    // A table of empty cells at the range, with single borders; a table never ends the body.
    TWordTable AddTable(TDocumentRange range, int rows, int columns);
    int TableCount() const;
    TWordTable Table(int index); // from 1; throws EOfficeError outside

    bool ShowSpellingErrors() const;
    void SetShowSpellingErrors(bool show);

    // Writes the .docx beside the target and renames it over it. Throws EOfficeError or
    // EFileError: a failed save never reports success.
    void SaveAs(const std::string& fileName);
    std::string DocxBytes() const;

    std::string FileName;
    std::function<void(const std::string&)> OnSaved;

private:
    std::unique_ptr<TWordDocumentData> FData;
};
