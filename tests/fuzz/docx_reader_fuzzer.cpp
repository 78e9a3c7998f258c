// Word-processor documents (.docx) opened to append a table, as the grid's append does.
#include "FuzzSupport.h"

#include "platform/office/OfficeError.h"
#include "platform/office/WordDocument.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::unique_ptr<TWordDocument> document;
    try {
        document = TWordDocument::FromDocx(FuzzText(data, size));
    } catch (const EOfficeError&) {
        return 0;
    }
    const int tables = document->TableCount();
    document->SetShowSpellingErrors(false);
    document->TypeText("title\x01");
    document->TypeParagraph();
    TDocumentRange range = document->EndRange();
    if (document->BookmarkExists("Grid"))
        range = document->BookmarkRange("Grid");
    TWordTable table = document->AddTable(range, 2, 2);
    table.InsertAfter(1, 1, "a\r\nb\tc");
    table.SetAlignment(2, 2, wdAlignParagraphCenter);
    // The changed document saves and opens again with its new table.
    const auto again = TWordDocument::FromDocx(document->DocxBytes());
    FUZZ_CHECK(again->TableCount() == tables + 1);
    return 0;
}
